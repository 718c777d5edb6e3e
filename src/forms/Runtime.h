#pragma once
// The runtime that carries the forms: it tells an observer (the view) about
// every change, takes the user's input through one dispatcher, destroys
// unloaded forms once the outermost event has finished, and holds the ports.

#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/Ports.h"

#include <memory>
#include <string>
#include <vector>

namespace forms {

class RuntimeObserver {
public:
    virtual ~RuntimeObserver() = default;
    virtual void formLoaded(Form&) {}
    // Called when the form is unloaded; the object lives on until the event ends.
    virtual void formUnloaded(Form&) {}
    virtual void formChanged(Form&) {}
    virtual void controlChanged(Control&) {}
};

class Runtime {
public:
    Runtime();
    ~Runtime();

    void setObserver(RuntimeObserver* observer) { observer_ = observer; }
    RuntimeObserver* observer() const { return observer_; }

    void setPorts(MessageBoxPort* messages, SaveDialogPort* saveDialog, ProgramEndPort* end);
    MessageBoxPort& messages() const { return *messages_; }
    SaveDialogPort& saveDialog() const { return *saveDialog_; }
    void endProgram();
    bool ended() const { return ended_; }

    // User input, each one event through the dispatcher.
    void userClick(CheckBox& box);        // toggles between unticked and ticked
    void userClick(OptionButton& option);
    void userClick(Button& button);
    void userClick(Frame& frame);
    void userClick(MenuItem& item);
    void userClick(Label& label);
    void userPick(ListBox& list, const std::string& item);
    void userType(TextField& field, const std::string& text);
    void userMouseMove(Control& control);
    void userMouseDown(Control& control);
    void userClose(Form& form);            // the window's close box
    void userMove(Form& form, int left, int top);
    // Enter or Esc on a form: a click on its default or cancel button.
    void userKey(Form& form, bool escape);

    // Runs a handler cascade as one user event. A fault is reported in a
    // message box naming the field, and the program goes on. Forms unloaded
    // meanwhile are destroyed when the outermost event is over.
    void dispatch(const std::string& source, const Handler& handler);

    // Bookkeeping for form slots.
    void notifyLoaded(Form& form);
    void retire(std::unique_ptr<Form> form);
    void notifyForm(Form& form);
    void notifyControl(Control& control);

    // Text of the fault message; public for the tests.
    static std::string faultMessage(const std::string& source, const std::exception& fault);
    static constexpr const char* productName = "Ferrolith";

private:
    RuntimeObserver* observer_ = nullptr;
    MessageBoxPort* messages_ = nullptr;
    SaveDialogPort* saveDialog_ = nullptr;
    ProgramEndPort* end_ = nullptr;
    bool ended_ = false;
    int depth_ = 0;
    std::vector<std::unique_ptr<Form>> retired_;
};

}  // namespace forms
