#pragma once
// The start window: picture, version texts, credit lines and "OK", which opens
// page 1 and closes the start window for good. Enter and Esc act as "OK".

#include "forms/Form.h"

namespace ferrolith {

class Wizard;

class StartWindow : public forms::Form {
public:
    explicit StartWindow(Wizard& wizard);

    forms::Image Image2;
    forms::Label lblVersion;
    forms::Label lblDescription;
    forms::Label Label2;
    forms::Label Label4;
    forms::Label Label1;
    forms::Button cmdOK;

    void onCmdOKClick();

private:
    Wizard& w_;
};

}  // namespace ferrolith
