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

void prepareSaveDialog(QFileDialog& dialog, const std::string& filter, const std::string& suggested) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Qt reads the patterns from the parentheses that end an entry; shown are
    // the descriptions alone, as the filter gives them.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(qtFileFilter(filter));
    if (!suggested.empty()) dialog.selectFile(QString::fromStdString(suggested));
}

std::optional<std::string> QtSaveDialog::askSavePath(const std::string& filter, const std::string& suggested) {
    QFileDialog dialog(QApplication::activeWindow());
    prepareSaveDialog(dialog, filter, suggested);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.front().isEmpty()) return std::nullopt;
    return chosen.front().toStdString();
}

void QtProgramEnd::endProgram() {
    view_.closeAll();
    QCoreApplication::quit();
}

}  // namespace ferrolith::view
