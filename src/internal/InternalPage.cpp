#include "internal/InternalPage.h"

#include "accessories/AccessoryPage.h"
#include "app/Wizard.h"
#include "common/WeaponClass.h"
#include "components/ComponentPage.h"
#include "forms/Number.h"
#include "sensors/SensorPage.h"
#include "start/FrameChoicePage.h"

#include <stdexcept>

namespace ferrolith {

using forms::CheckBox;

namespace {
// The one class without a barrel mount besides "Taser", and the class whose
// page 5 keeps its external smartgun locked.
constexpr std::string_view holdout = "Holdout Pistole";
constexpr std::string_view taser = "Taser";
}  // namespace

// The priced boxes in the order in which the forward action lists their phrases.
// The smartgun levels add their class's DP on top of the costs given here.
const std::array<InternalPage::PricedOption, 8> InternalPage::pricedOptions{{
    {&InternalPage::gestaltung, "DP +20", ", persönliche Gestaltung", {.dp = 20}},
    {&InternalPage::gravur, "DP +20", ", Gravur", {.dp = 20}},
    {&InternalPage::gas2, "Tarnstufe -1, DP +90, FKE -0.5, Gewicht +0.5, Rückstoßkompensation +2",
     ", Gasventil (2)", {.kpd = 2, .trn = -1, .gew = 0.5, .fke = -0.5, .dp = 90}},
    {&InternalPage::gas3, "Tarnstufe -2, DP +140, FKE -0.75, Gewicht +0.75, Rückstoßkompensation +3",
     ", Gasventil (3)", {.kpd = 3, .trn = -2, .gew = 0.75, .fke = -0.75, .dp = 140}},
    {&InternalPage::gas4, "Tarnstufe -2, DP +200, FKE -1, Gewicht +0.75, Rückstoßkompensation +4",
     ", Gasventil (4)", {.kpd = 4, .trn = -2, .gew = 0.75, .fke = -1, .dp = 200}},
    {&InternalPage::smartintern1, "DP +Basis-DP des Rahmens, FKE -0.5, Gewicht +0.5", ", Smartgun intern (1)",
     {.gew = 0.5, .fke = -0.5}},
    {&InternalPage::smartintern2, "DP +1.5 x Basis-DP des Rahmens, FKE -0.5, Gewicht +0.25",
     ", Smartgun intern (2)", {.gew = 0.25, .fke = -0.5}},
    {&InternalPage::stimm, "DP +50, FKE -0.25", ", Stimmaktivierung", {.fke = -0.25, .dp = 50}},
}};

InternalPage::InternalPage(Wizard& wizard)
    : forms::Form(wizard.runtime(), "Form3", "\"Ferrolith\" - Seite 3"),
      // The outer frame holds the sheet too; it is declared later, so only
      // its address is handed on here.
      DesignSheet(*this, page3SheetTexts, "Frame3", true, &Frame4),
      Frame4(*this, "Frame4", ""),
      Frame6(*this, "Frame6", "Kosmetische Modifikationen", &Frame4),
      gestaltung(*this, "gestaltung", "Persönliche Gestaltung", &Frame6),
      gravur(*this, "gravur", "Prägung / Gravur", &Frame6),
      Frame8(*this, "Frame8", "Internes Zubehör", &Frame4),
      gas(*this, "gas", "Gasventil", &Frame8),
      Frame7(*this, "Frame7", "", &Frame8),
      gas2(*this, "gas2", "Gasventil 2", &Frame7),
      gas3(*this, "gas3", "Gasventil 3", &Frame7),
      gas4(*this, "gas4", "Gasventil 4", &Frame7),
      smartintern(*this, "smartintern", "Smartgunsystem (intern)", &Frame8),
      Frame9(*this, "Frame9", "", &Frame8),
      smartintern1(*this, "smartintern1", "Smart 1", &Frame9),
      smartintern2(*this, "smartintern2", "Smart 2", &Frame9),
      stimm(*this, "stimm", "Stimmaktivierung", &Frame8),
      Image1(*this, "Image1", ":/images/side.png", &Frame4),
      Label1(*this, "Label1", FrameChoicePage::infoCredit, &Frame4),
      Command3(*this, "Command3", "&Zurück"),
      Command2(*this, "Command2", "&Weiter"),
      w_(wizard) {
    // The outer frame holds the sheet with the two option frames below it in
    // the left column, and the picture at the right.
    Frame7.headedBy = &gas;
    Frame9.headedBy = &smartintern;
    gas3.sameRow = true;
    gas4.sameRow = true;
    smartintern2.sameRow = true;
    Command2.sameRow = true;
    stimm.setEnabled(false);

    gestaltung.onClick = [this] { onGestaltungClick(); };
    gravur.onClick = [this] { onGravurClick(); };
    gas.onClick = [this] { onGasClick(); };
    gas2.onClick = [this] { onGasLevelClick(2); };
    gas3.onClick = [this] { onGasLevelClick(3); };
    gas4.onClick = [this] { onGasLevelClick(4); };
    smartintern.onClick = [this] { onSmartinternClick(); };
    smartintern1.onClick = [this] { onSmartLevelClick(1); };
    smartintern2.onClick = [this] { onSmartLevelClick(2); };
    stimm.onClick = [this] { onStimmClick(); };
    // Each priced box shows its costs once the mouse has moved over it.
    for (const PricedOption& option : pricedOptions) {
        CheckBox& box = this->*option.box;
        box.onMouseMove = [&box, &option] { box.setToolTip(option.toolTip); };
    }
    Command2.onClick = [this] { onCommand2Click(); };
    Command3.onClick = [this] { onCommand3Click(); };
    // Closing the window ends the program, as closing page 1 does.
    onClose = [this] { runtime().endProgram(); };
    guardFke(Command2);
}

void InternalPage::load() {
    takePosition(w_.form2());

    // Page 4 gets this page's class key, FKE and DP as they stand; this is the
    // first touch of page 4 when it does not exist yet.
    w_.form4().typ.setText(typ.text());
    w_.form4().fke.setText(fke.text());
    w_.form4().dp.setText(dp.text());

    const std::string key = w_.form1().typ.text();
    if (!findClass(key)) return;
    Frame4.setCaption(key);
    ComponentPage& page2 = w_.form2();
    for (auto field : {&DesignSheet::pwn, &DesignSheet::snw, &DesignSheet::pwr, &DesignSheet::trn,
                       &DesignSheet::trnkera, &DesignSheet::gew, &DesignSheet::cap, &DesignSheet::lmm,
                       &DesignSheet::hlt, &DesignSheet::hlt2, &DesignSheet::hlt3, &DesignSheet::kpd})
        (this->*field).setText((page2.*field).text());
    // The gas vent needs a barrel mount, which these classes lack.
    if (key == taser || key == holdout) {
        gas.setEnabled(false);
        gas2.setEnabled(false);
        gas3.setEnabled(false);
        gas4.setEnabled(false);
    }
}

void InternalPage::unloading() {
    // Unloading creates no page: only pages still loaded get their option back.
    if (gas.value() == 1)
        if (AccessoryPage* page4 = w_.form4.ifLoaded()) page4->abgesägte.setEnabled(true);
    if (smartintern.value() == 1 && !classLocksSmartextern())
        if (SensorPage* page5 = w_.form12.ifLoaded()) page5->smartextern.setEnabled(true);
}

const InternalPage::PricedOption& InternalPage::row(const CheckBox& box) const {
    for (const PricedOption& option : pricedOptions)
        if (&(this->*option.box) == &box) return option;
    throw std::logic_error("no priced option " + box.name());
}

void InternalPage::charge(const CheckBox& box, int sign) {
    const Costs& c = row(box).costs;
    const std::pair<forms::TextField*, double> writes[] = {
        {&kpd, c.kpd}, {&trn, c.trn}, {&gew, c.gew}, {&fke, c.fke}, {&dp, c.dp}};
    for (auto [field, amount] : writes)
        if (amount != 0) forms::number::add(*field, sign * amount);
}

CheckBox& InternalPage::gasLevel(int level) {
    std::array<CheckBox*, 3> levels{&gas2, &gas3, &gas4};
    return *levels.at(level - 2);
}

CheckBox& InternalPage::smartLevel(int level) { return level == 1 ? smartintern1 : smartintern2; }

CheckBox& InternalPage::abgesägte() { return w_.form4().abgesägte; }

CheckBox& InternalPage::smartextern() { return w_.form12().smartextern; }

bool InternalPage::classLocksSmartextern() const { return typ.text() == holdout; }

int InternalPage::smartgunDp(int level, std::string_view classKey) {
    const WeaponClass* c = findClass(classKey);
    if (!c) return 0;
    // Level 2 costs one and a half times the base DP, a half rounded up.
    return level == 1 ? c->dp : (3 * c->dp + 1) / 2;
}

void InternalPage::onGestaltungClick() {
    if (gestaltung.value() == 1) charge(gestaltung, +1);
    if (gestaltung.value() == 0) charge(gestaltung, -1);
}

void InternalPage::onGravurClick() {
    if (gravur.value() == 1) charge(gravur, +1);
    if (gravur.value() == 0) charge(gravur, -1);
}

void InternalPage::onGasClick() {
    if (gas.value() == 1) {
        hlt.setText("");
        abgesägte().setEnabled(false);
    }
    if (gas.value() == 0) {
        hlt.setText("Lauf");
        abgesägte().setEnabled(true);
        gas2.setValue(0);
        gas3.setValue(0);
        gas4.setValue(0);
    }
}

void InternalPage::onGasLevelClick(int level) {
    CheckBox& box = gasLevel(level);
    if (box.value() == 1) {
        gas.setValue(1);
        for (int other = 2; other <= 4; ++other)
            if (other != level) gasLevel(other).setEnabled(false);
        charge(box, +1);
    }
    if (box.value() == 0) {
        gas.setValue(0);
        for (int other = 2; other <= 4; ++other)
            if (other != level) gasLevel(other).setEnabled(true);
        charge(box, -1);
    }
}

void InternalPage::onSmartinternClick() {
    if (smartintern.value() == 1) smartextern().setEnabled(false);
    if (smartintern.value() == 0) {
        smartintern1.setValue(0);
        smartintern2.setValue(0);
        CheckBox& external = smartextern();
        if (!classLocksSmartextern()) external.setEnabled(true);
    }
}

void InternalPage::onSmartLevelClick(int level) {
    CheckBox& box = smartLevel(level);
    CheckBox& other = smartLevel(3 - level);
    // "Smart 2" offers voice activation before it ticks the parent, "Smart 1" after.
    const bool voiceFirst = level == 2;
    if (box.value() == 1) {
        if (voiceFirst) stimm.setEnabled(true);
        smartintern.setValue(1);
        if (!voiceFirst) stimm.setEnabled(true);
        other.setEnabled(false);
        charge(box, +1);
        addSmartgunDp(level, +1);
    }
    if (box.value() == 0) {
        if (voiceFirst) withdrawVoice();
        smartintern.setValue(0);
        if (!voiceFirst) withdrawVoice();
        other.setEnabled(true);
        charge(box, -1);
        addSmartgunDp(level, -1);
    }
}

void InternalPage::addSmartgunDp(int level, int sign) {
    // Priced by the class key that page 2 carries; a key that is no class costs nothing.
    if (const int amount = smartgunDp(level, w_.form2().typ.text())) forms::number::add(dp, sign * amount);
}

void InternalPage::withdrawVoice() {
    stimm.setValue(0);
    stimm.setEnabled(false);
}

void InternalPage::onStimmClick() {
    if (stimm.value() == 1) charge(stimm, +1);
    if (stimm.value() == 0) charge(stimm, -1);
}

void InternalPage::onCommand2Click() {
    AccessoryPage& page4 = w_.form4();
    page4.takePosition(*this);
    std::string phrases;
    for (const PricedOption& option : pricedOptions)
        if ((this->*option.box).value() == 1) phrases += option.phrase;
    w_.publishPhrases(3, std::move(phrases));
    copyTo(w_.form4(), true);
    w_.form4().show();
    hide();
}

void InternalPage::onCommand3Click() {
    ComponentPage& page2 = w_.form2();
    page2.takePosition(*this);
    page2.show();
    w_.form3.unload();
}

}  // namespace ferrolith
