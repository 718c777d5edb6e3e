#include "app/Wizard.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ferrolith::Wizard wizard;
    wizard.start();
    return 0;
}
