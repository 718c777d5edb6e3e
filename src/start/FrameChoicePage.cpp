#include "start/FrameChoicePage.h"

#include "app/Wizard.h"
#include "common/WeaponClass.h"
#include "components/ComponentPage.h"
#include "forms/Number.h"

namespace ferrolith {

const char* const FrameChoicePage::infoCredit =
    "Ein Konstruktionshelfer für Feuerwaffen, mehr unter ferrolith.example.";

namespace {
std::unique_ptr<forms::OptionButton> makeOption(forms::Form& form, forms::Frame& frame, int index) {
    return std::make_unique<forms::OptionButton>(form, "Option" + std::to_string(index + 1),
                                                 weaponClasses[index].caption, &frame);
}
}  // namespace

FrameChoicePage::FrameChoicePage(Wizard& wizard)
    : forms::Form(wizard.runtime(), "Form1", "\"Ferrolith\" (by) Ellvarin"),
      Image1(*this, "Image1", ":/images/banner.png"),
      Frame1(*this, "Frame1", "Wahl des Rahmens"),
      options{},
      Image2(*this, "Image2", ":/images/side.png", &Frame1),
      Label1(*this, "Label1", "Freie FKE"),
      fke(*this, "fke", "0"),
      Label2(*this, "Label2", "DP gesamt"),
      dp(*this, "dp", "0"),
      typ(*this, "typ", ""),
      Command1(*this, "Command1", "&Weiter"),
      info(*this, "info", "&Datei", "&Info"),
      mnuSubBeenden(*this, "mnuSubBeenden", "&Datei", "&Beenden"),
      w_(wizard) {
    for (int i = 0; i < 14; ++i) {
        options[i] = makeOption(*this, Frame1, i);
        options[i]->onClick = [this, i] { onOptionClick(i); };
    }
    typ.setVisible(false);
    Command1.onClick = [this] { onCommand1Click(); };
    info.onClick = [this] { onInfoClick(); };
    mnuSubBeenden.onClick = [this] { runtime().endProgram(); };
    onClose = [this] { runtime().endProgram(); };
}

void FrameChoicePage::load() { Command1.setEnabled(false); }

void FrameChoicePage::onOptionClick(int index) {
    const WeaponClass& c = weaponClasses[index];
    fke.setText(forms::number::format(c.fke));
    dp.setText(forms::number::format(c.dp));
    typ.setText(c.key);
    Command1.setEnabled(true);
}

void FrameChoicePage::onCommand1Click() {
    w_.form2().show();
    w_.form2().typ.setText(typ.text());
    w_.form2().fke.setText(fke.text());
    w_.form2().dp.setText(dp.text());
    w_.form2().takePosition(*this);
    hide();
}

void FrameChoicePage::onInfoClick() {
    runtime().messages().show(std::string("Ferrolith by Ellvarin. ") + infoCredit, "Korvessa",
                              forms::MessageIcon::Information);
}

}  // namespace ferrolith
