#include "start/StartWindow.h"

#include "app/Wizard.h"
#include "start/FrameChoicePage.h"

namespace ferrolith {

StartWindow::StartWindow(Wizard& wizard)
    : forms::Form(wizard.runtime(), "frmAbout", ""),
      Image2(*this, "Image2", ":/images/start.png"),
      lblVersion(*this, "lblVersion", "Version    0.0.7b"),
      lblDescription(*this, "lblDescription", "© 2026 Ellvarin"),
      Label2(*this, "Label2", "Kontakt: ellvarin@ferrolith.example"),
      Label4(*this, "Label4", "Alle genannten Marken gehören ihren jeweiligen Inhabern."),
      Label1(*this, "Label1", "v.0.1.3b"),
      cmdOK(*this, "cmdOK", "OK"),
      w_(wizard) {
    closable = false;
    cmdOK.isDefault = true;
    cmdOK.isCancel = true;
    cmdOK.onClick = [this] { onCmdOKClick(); };
}

void StartWindow::onCmdOKClick() {
    w_.form1().show();
    w_.frmAbout.unload();
}

}  // namespace ferrolith
