#include "app/Wizard.h"
#include "view/QtPorts.h"
#include "view/View.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ferrolith::view::loadResources();
    // The program speaks German; Qt's own dialogs and buttons do too.
    ferrolith::view::speakGerman();
    app.setWindowIcon(QIcon(QStringLiteral(":/images/icon.png")));
    // The model ends the program; hiding the last window does not.
    app.setQuitOnLastWindowClosed(false);

    ferrolith::Wizard wizard;
    ferrolith::view::View view(wizard.runtime());
    ferrolith::view::QtMessageBox messages;
    ferrolith::view::QtSaveDialog saveDialog;
    ferrolith::view::QtProgramEnd end(view);
    wizard.runtime().setPorts(&messages, &saveDialog, &end);

    wizard.start();
    if (wizard.runtime().ended()) return 0;
    return app.exec();
}
