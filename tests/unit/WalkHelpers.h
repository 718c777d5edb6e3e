#pragma once
// Helpers for tests that walk the wizard as a user does, through the same
// runtime calls the view makes.

#include "accessories/AccessoryPage.h"
#include "app/Wizard.h"
#include "completion/CompletionPage.h"
#include "components/ComponentPage.h"
#include "internal/InternalPage.h"
#include "sensors/MountDialog.h"
#include "sensors/SensorPage.h"
#include "forms/FakePorts.h"
#include "forms/Form.h"
#include "start/FrameChoicePage.h"
#include "start/StartWindow.h"

#include <gtest/gtest.h>

#include <string>

namespace walk {

inline forms::Button& button(forms::Form& form, const std::string& name) {
    forms::Control* c = form.find(name);
    if (!c || c->kind() != forms::ControlKind::Button) {
        ADD_FAILURE() << form.name() << " has no button " << name;
        static forms::Runtime dummyRuntime;
        static forms::Form dummyForm(dummyRuntime, "dummy", "");
        static forms::Button dummy(dummyForm, "dummy", "");
        return dummy;
    }
    return static_cast<forms::Button&>(*c);
}

inline void click(forms::Form& form, const std::string& buttonName) {
    form.runtime().userClick(button(form, buttonName));
}

inline void tick(forms::Form& form, const std::string& boxName) {
    form.runtime().userClick(form.check(boxName));
}

// A wizard with recording ports, opened to page 1.
struct Session {
    ferrolith::Wizard w;
    forms::FakeMessageBox messages;
    forms::FakeSaveDialog saveDialog;
    forms::FakeProgramEnd end;

    Session() {
        w.runtime().setPorts(&messages, &saveDialog, &end);
        w.start();
        w.runtime().userClick(w.frmAbout().cmdOK);
    }

    // Picks the class on page 1 (1..14) and goes forward to page 2.
    void chooseClass(int option) {
        w.runtime().userClick(w.form1().option(option));
        w.runtime().userClick(w.form1().Command1);
    }
};

}  // namespace walk
