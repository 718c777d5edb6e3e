#pragma once
// The top-level window of one model form. It hands the close box, Enter and
// Esc and the user's moves to the view; the model decides what they do.

#include <QWidget>

namespace forms {
class Form;
}

namespace ferrolith::view {

class View;

class FormWindow : public QWidget {
public:
    FormWindow(View& view, forms::Form& form, Qt::WindowFlags flags);

    forms::Form* form() const { return form_; }
    // Cuts the window off its form when the form unloads.
    void detach() { form_ = nullptr; }
    // Lets the view itself close the window at the end of the program.
    void allowClose() { closeAllowed_ = true; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    View& view_;
    forms::Form* form_;
    bool closeAllowed_ = false;
};

}  // namespace ferrolith::view
