#include "view/FormWindow.h"

#include "view/View.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMoveEvent>

namespace ferrolith::view {

FormWindow::FormWindow(View& view, forms::Form& form, Qt::WindowFlags flags)
    : QWidget(nullptr, flags), view_(view), form_(&form) {}

void FormWindow::closeEvent(QCloseEvent* event) {
    if (closeAllowed_ || !form_) {
        event->accept();
        return;
    }
    // The close box is a request to the model; the window stays unless the
    // model unloads the form or ends the program.
    event->ignore();
    view_.windowClosed(*form_);
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (form_ && (enter || key == Qt::Key_Escape) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        view_.windowKey(*form_, key == Qt::Key_Escape);
        return;
    }
    QWidget::keyPressEvent(event);
}

void FormWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // Only the window system's moves can come from the user; the view's own
    // moves are sent without that mark or are recognised by the view.
    if (form_ && event->spontaneous() && isVisible()) view_.windowMoved(*form_, pos());
}

}  // namespace ferrolith::view
