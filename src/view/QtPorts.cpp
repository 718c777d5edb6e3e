#include "view/QtPorts.h"

#include "view/View.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace ferrolith::view {

void QtMessageBox::show(const std::string& prompt, const std::string& title, forms::MessageIcon icon) {
    QMessageBox::Icon qtIcon = QMessageBox::NoIcon;
    switch (icon) {
    case forms::MessageIcon::None: qtIcon = QMessageBox::NoIcon; break;
    case forms::MessageIcon::Information: qtIcon = QMessageBox::Information; break;
    case forms::MessageIcon::Warning: qtIcon = QMessageBox::Warning; break;
    }
    QMessageBox box(qtIcon, QString::fromStdString(title), QString::fromStdString(prompt), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

QString qtFileFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& p : patterns) p = p.trimmed();
        entries << parts[i] + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    return entries.join(QStringLiteral(";;"));
}

std::optional<std::string> QtSaveDialog::askSavePath(const std::string& filter, const std::string& suggested) {
    const QString path = QFileDialog::getSaveFileName(QApplication::activeWindow(), QStringLiteral("Speichern unter"),
                                                      QString::fromStdString(suggested), qtFileFilter(filter));
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

void QtProgramEnd::endProgram() {
    view_.closeAll();
    QCoreApplication::quit();
}

}  // namespace ferrolith::view
