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
    // A small fixed window; every control at its place in twips.
    clientTwips = forms::TwipsRect{0, 0, 5160, 5355};
    Image2.twips = forms::TwipsRect{0, 0, 5100, 4650};
    lblVersion.twips = forms::TwipsRect{2400, 1080, 1245, 225};
    lblDescription.twips = forms::TwipsRect{0, 4680, 2205, 210};
    Label2.twips = forms::TwipsRect{0, 4920, 2295, 255};
    Label4.twips = forms::TwipsRect{0, 5160, 5295, 255};
    Label4.font = forms::Control::Font{"Arial", 6.75};  // the system's substitute where Arial is missing
    Label1.twips = forms::TwipsRect{2640, 4800, 615, 255};
    cmdOK.twips = forms::TwipsRect{3840, 4680, 1260, 345};
    cmdOK.isDefault = true;
    cmdOK.isCancel = true;
    cmdOK.onClick = [this] { onCmdOKClick(); };
}

void StartWindow::onCmdOKClick() {
    w_.form1().show();
    w_.frmAbout.unload();
}

}  // namespace ferrolith
