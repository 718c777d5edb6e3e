#include "sensors/SensorPage.h"

#include "accessories/AccessoryPage.h"
#include "app/Wizard.h"
#include "common/WeaponClass.h"
#include "completion/CompletionPage.h"
#include "components/ComponentPage.h"
#include "forms/Number.h"
#include "internal/InternalPage.h"
#include "sensors/MountDialog.h"
#include "start/FrameChoicePage.h"

#include <stdexcept>

namespace ferrolith {

using forms::CheckBox;
using Op = SensorPage::Op;

namespace {

struct Phrase {
    CheckBox SensorPage::*box;
    const char* text;
};

// What the forward action lists for each ticked box, in this order; the
// sight's options continue the sight's phrase.
const std::array<Phrase, 15> phrases{{
    {&SensorPage::entfernungsmesser, ", Entfernungsmesser"},
    {&SensorPage::sichtgerät, ", Sichtgerät"},
    {&SensorPage::v1, " mit Vergrößerung (1)"},
    {&SensorPage::v2, " mit Vergrößerung (2)"},
    {&SensorPage::v3, " mit Vergrößerung (3)"},
    {&SensorPage::IR, " mit Infrarot"},
    {&SensorPage::blitz, " mit Blitzlicht"},
    {&SensorPage::licht, " mit Lichtverstärkung"},
    {&SensorPage::guncam, " mit Guncam"},
    {&SensorPage::smartextern1, ", Smartgun extern (1)"},
    {&SensorPage::smartextern2, ", Smartgun extern (2)"},
    {&SensorPage::niederenergetisch, ", Lasermarkierer (niederenergetisch)"},
    {&SensorPage::hochenergetisch, ", Lasermarkierer (hochenergetisch)"},
    {&SensorPage::laserziel, ", Laser-Zielmarkierer"},
    {&SensorPage::ultraschall, ", Ultraschallsensor"},
}};

// The sight's seven options in the order in which the sight and the
// rangefinder treat them.
const std::vector<CheckBox SensorPage::*> sightOptions{
    &SensorPage::blitz, &SensorPage::guncam, &SensorPage::licht, &SensorPage::IR,
    &SensorPage::v1,    &SensorPage::v2,     &SensorPage::v3};

// The item's dialog among Wizard::dialogs(): form6, Form7 .. Form11.
enum Dialog { rangefinderDialog, designatorDialog, ultrasoundDialog, smartgunDialog, markerDialog, sightDialog };

constexpr const char* classesWithoutUnderbarrel[] = {"Leichte Pistole", "Automatische Pistole", "Taser"};

}  // namespace

const std::vector<SensorPage::Option>& SensorPage::options() {
    using S = SensorPage;
    // box, tooltip, trn, fke, gew, dp, tick steps, untick steps, sub-options or siblings, dialog
    static const std::vector<Option> table{
        {&S::smartextern, nullptr, 0, -0.25, 0, 0,
         {Op::Open, Op::Lock, Op::Subs, Op::Fke, Op::Internal}, {Op::Subs, Op::Fke, Op::Internal},
         {&S::smartextern1, &S::smartextern2}, smartgunDialog},
        {&S::ultraschall, "Tarnstufe -2, DP +260, FKE -0.25, Gewicht +0.25 kg", -2, -0.25, 0.25, 260,
         {Op::Trn, Op::Lock, Op::Open, Op::Fke, Op::Gew, Op::Dp}, {Op::Trn, Op::Fke, Op::Gew, Op::Dp}, {},
         ultrasoundDialog},
        {&S::entfernungsmesser, "DP +30, FKE -0.25, Gewicht +0.1 kg", 0, -0.25, 0.1, 30,
         {Op::Lock, Op::Open, Op::Gew, Op::Fke, Op::Dp, Op::Sight}, {Op::Sight, Op::Gew, Op::Fke, Op::Dp}, {},
         rangefinderDialog},
        {&S::sichtgerät, "Tarnstufe -1, FKE -0.25, Gewicht +0.25 kg", -1, -0.25, 0.25, 0,
         {Op::Open, Op::Lock, Op::Trn, Op::Fke, Op::Gew, Op::Subs}, {Op::Trn, Op::Fke, Op::Gew, Op::Subs},
         sightOptions, sightDialog},
        {&S::laserziel, "Tarnstufe -2, DP +740, FKE -0.25, Gewicht +0.5 kg", -2, -0.25, 0.5, 740,
         {Op::Trn, Op::Lock, Op::Open, Op::Dp, Op::Gew, Op::Fke}, {Op::Trn, Op::Dp, Op::Gew, Op::Fke}, {},
         designatorDialog},
        {&S::laser, nullptr, 0, -0.25, 0.25, 0,
         {Op::Lock, Op::Open, Op::Subs, Op::Fke, Op::Gew}, {Op::Subs, Op::Fke, Op::Gew},
         {&S::niederenergetisch, &S::hochenergetisch}, markerDialog},
        // Sub-options: the untick reverses the tick in the same order.
        {&S::v1, "DP +100", 0, 0, 0, 100, {Op::Dp, Op::Siblings}, {Op::Dp, Op::Siblings}, {&S::v2, &S::v3}, -1},
        {&S::v2, "DP +160", 0, 0, 0, 160, {Op::Dp, Op::Siblings}, {Op::Dp, Op::Siblings}, {&S::v1, &S::v3}, -1},
        {&S::v3, "DP +240", 0, 0, 0, 240, {Op::Dp, Op::Siblings}, {Op::Dp, Op::Siblings}, {&S::v2, &S::v1}, -1},
        {&S::IR, "DP +300", 0, 0, 0, 300, {Op::Dp}, {Op::Dp}, {}, -1},
        {&S::licht, "DP +300", 0, 0, 0, 300, {Op::Dp}, {Op::Dp}, {}, -1},
        {&S::guncam, "DP +400", 0, 0, 0, 400, {Op::Dp}, {Op::Dp}, {}, -1},
        {&S::blitz, "DP +25", 0, 0, 0, 25, {Op::Dp}, {Op::Dp}, {}, -1},
        {&S::hochenergetisch, "Tarnstufe -1, DP +280, FKE -0.25, Gewicht +0.25 kg", -1, 0, 0, 280,
         {Op::Siblings, Op::Trn, Op::Dp}, {Op::Siblings, Op::Trn, Op::Dp}, {&S::niederenergetisch}, -1},
        {&S::niederenergetisch, "Tarnstufe -1, DP +100, FKE -0.25, Gewicht +0.25 kg", -1, -0.25, 0.25, 100,
         {Op::Siblings, Op::Trn, Op::Dp, Op::Fke, Op::Gew}, {Op::Siblings, Op::Trn, Op::Dp, Op::Fke, Op::Gew},
         {&S::hochenergetisch}, -1},
        {&S::smartextern1, "Tarnstufe -2, DP +120, Gewicht +1 kg", -2, 0, 1, 120,
         {Op::Trn, Op::Gew, Op::Dp, Op::Siblings}, {Op::Trn, Op::Gew, Op::Dp, Op::Siblings}, {&S::smartextern2}, -1},
        {&S::smartextern2, "Tarnstufe -2, DP +160, Gewicht +0.75 kg", -2, 0, 0.75, 160,
         {Op::Trn, Op::Gew, Op::Dp, Op::Siblings}, {Op::Trn, Op::Gew, Op::Dp, Op::Siblings}, {&S::smartextern1}, -1},
    };
    return table;
}

SensorPage::SensorPage(Wizard& wizard)
    : forms::Form(wizard.runtime(), "Form12", "\"Ferrolith\" - Seite 5"),
      DesignSheet(*this, page5SheetTexts, "Frame3"),
      Frame1(*this, "Frame1", "Seite 5"),
      zubehör(*this, "zubehör", "Unterlauf / Aufmontiertes Zubehör ", &Frame1),
      smartextern(*this, "smartextern", "Smartgunsystem (extern)", &zubehör),
      smartFrame(*this, "smartFrame", "", &zubehör),
      smartextern1(*this, "smartextern1", "Smart 1", &smartFrame),
      smartextern2(*this, "smartextern2", "Smart 2", &smartFrame),
      ultraschall(*this, "ultraschall", "Ultraschallsensor", &zubehör),
      entfernungsmesser(*this, "entfernungsmesser", "Entfernungsmesser", &zubehör),
      sichtgerät(*this, "sichtgerät", "Sichtgeräte", &zubehör),
      sichtFrame(*this, "sichtFrame", "", &zubehör),
      v1(*this, "v1", "Vergrößerung 1", &sichtFrame),
      v2(*this, "v2", "Vergrößerung 2", &sichtFrame),
      v3(*this, "v3", "Vergrößerung 3", &sichtFrame),
      blitz(*this, "blitz", "Blitzlicht", &sichtFrame),
      licht(*this, "licht", "Lichtverstärkung", &sichtFrame),
      guncam(*this, "guncam", "Guncam", &sichtFrame),
      IR(*this, "IR", "IR", &sichtFrame),
      laserziel(*this, "laserziel", "Laser - Zielmarkierer (für lasergestützte Zielerfassung)", &zubehör),
      laser(*this, "laser", "Lasermarkierer", &zubehör),
      laserFrame(*this, "laserFrame", "", &zubehör),
      niederenergetisch(*this, "niederenergetisch", "Niederenergetisch", &laserFrame),
      hochenergetisch(*this, "hochenergetisch", "Hochenergetisch", &laserFrame),
      Image1(*this, "Image1", ":/images/side.png", &Frame1),
      Label1(*this, "Label1", "Zeichnung: Ferrolith-Werkstatt", &Frame1),
      Check1(*this, "Check1", "Aufmontiert zurücksetzen"),
      Check2(*this, "Check2", "Unterlauf zurücksetzen"),
      Zurück(*this, "Zurück", "&Zurück"),
      Command2(*this, "Command2", "&Weiter"),
      w_(wizard) {
    // The page's frame stands right of the sheet, so the page stays low.
    Frame1.sameRow = true;
    smartFrame.headedBy = &smartextern;
    sichtFrame.headedBy = &sichtgerät;
    laserFrame.headedBy = &laser;
    for (CheckBox* b : {&smartextern2, &v2, &v3, &licht, &guncam, &IR, &hochenergetisch}) b->sameRow = true;
    Command2.sameRow = true;
    Check1.setVisible(false);
    Check2.setVisible(false);

    for (const Option& o : options()) {
        CheckBox& box = this->*o.box;
        box.onClick = [this, &box] { onOptionClick(box); };
        if (o.toolTip) box.onMouseMove = [&box, tip = o.toolTip] { box.setToolTip(tip); };
        if (o.dialog < 0) box.setEnabled(false);
    }
    Check1.onClick = [this] { onCheck1Click(); };
    Check2.onClick = [this] { onCheck2Click(); };
    Command2.onClick = [this] { onCommand2Click(); };
    Zurück.onClick = [this] { onZurückClick(); };
    guardFke(Command2);
    // Closing the page window ends the program, as closing page 1 does.
    onClose = [this] { runtime().endProgram(); };
}

void SensorPage::load() {
    Wizard& w = w_;
    // Page 6 stands where page 5 stands; this creates it on a new design.
    w.form5().takePosition(*this);

    const std::string key = w.form1().typ.text();
    if (const WeaponClass* c = findClass(key)) {
        Frame1.setCaption(c->key);
        const bool heavy = key == "Schwere Pistole";
        if (heavy)
            takeSetUpFields(w.form3(), w.form2());
        else
            takeSetUpFields(w.form2(), w.form2());
        if (heavy) fke.setText(w.form3().fke.text());

        if (key == "Holdout Pistole") {
            for (CheckBox* item : {&entfernungsmesser, &sichtgerät, &laserziel, &laser, &ultraschall, &smartextern})
                item->setEnabled(false);
        }
        // These classes have no underbarrel mount; a page 5 created again
        // must not offer one either.
        for (const char* k : classesWithoutUnderbarrel)
            if (key == k) Check2.setValue(1);
    }
    // A page 5 created again keeps page 3's internal smartgun lock.
    if (CheckBox* internal = loadedSmartintern(); internal && internal->value() == 1) smartextern.setEnabled(false);
}

void SensorPage::unloading() {
    if (smartextern.value() == 1) {
        if (CheckBox* internal = loadedSmartintern()) internal->setEnabled(true);
    }
    // The page's options leave the modification list with it.
    w_.modifications.setPhrases(5, {});
}

CheckBox* SensorPage::loadedSmartintern() const {
    InternalPage* page3 = w_.form3.ifLoaded();
    return page3 ? &page3->smartintern : nullptr;
}

void SensorPage::onCommand2Click() {
    Wizard& w = w_;
    w.form5().takePosition(*this);

    std::string text;
    for (const Phrase& p : phrases)
        if ((this->*p.box).value() == 1) text += p.text;
    w.publishPhrases(5, std::move(text));

    CompletionPage& page6 = w.form5();
    if (!hlt3.enabled()) page6.hlt3.setVisible(false);
    if (!hlt.enabled()) page6.hlt.setVisible(false);
    if (!hlt2.enabled()) page6.hlt2.setVisible(false);
    copyTo(page6, false);
    page6.show();
    hide();
}

void SensorPage::onZurückClick() {
    Wizard& w = w_;  // this page is unloaded below
    w.form4().takePosition(*this);
    w.form4().show();
    w.form12.unload();
    w.form5.unload();
    for (auto* dialog : w.dialogs()) dialog->unload();
}

MountDialog& SensorPage::dialogOf(const CheckBox& item) {
    const int index = row(item).dialog;
    if (index < 0) throw std::logic_error(item.name() + " has no mount dialog");
    return (*w_.dialogs()[index])();
}

const SensorPage::Option& SensorPage::row(const CheckBox& box) const {
    for (const Option& o : options())
        if (&(this->*o.box) == &box) return o;
    throw std::logic_error("no option row for " + box.name());
}

void SensorPage::onOptionClick(CheckBox& box) {
    const Option& r = row(box);
    if (box.value() == 1) run(r, +1);
    if (box.value() == 0) {
        if (r.dialog >= 0) dialogOf(box).releaseMount();
        run(r, -1);
    }
}

void SensorPage::setSightOptionsEnabled(bool enabled) {
    for (auto option : sightOptions) (this->*option).setEnabled(enabled);
}

void SensorPage::run(const Option& r, int sign) {
    CheckBox& box = this->*r.box;
    const bool tick = sign > 0;
    for (Op op : tick ? r.tick : r.untick) {
        switch (op) {
        case Op::Lock:
            setEnabled(false);
            break;
        case Op::Open:
            dialogOf(box).show();
            break;
        case Op::Trn:
            forms::number::add(trn, sign * r.trn);
            break;
        case Op::Fke:
            forms::number::add(fke, sign * r.fke);
            break;
        case Op::Gew:
            forms::number::add(gew, sign * r.gew);
            break;
        case Op::Dp:
            forms::number::add(dp, sign * r.dp);
            break;
        case Op::Subs:
            if (tick) {
                for (auto sub : r.subs) (this->*sub).setEnabled(true);
            } else {
                // Each ticked one refunds itself through its own handler.
                for (auto sub : r.subs) (this->*sub).setValue(0);
                for (auto sub : r.subs) (this->*sub).setEnabled(false);
            }
            break;
        case Op::Siblings:
            for (auto sibling : r.subs) (this->*sibling).setEnabled(!tick);
            break;
        case Op::Sight:
            // Ticked or not, the sight's options are closed to the user while
            // the rangefinder is ticked and after it is unticked.
            sichtgerät.setEnabled(!tick);
            setSightOptionsEnabled(false);
            break;
        case Op::Internal:
            w_.form3().smartintern.setEnabled(!tick);
            break;
        }
    }
}

void SensorPage::syncDialogs(CheckBox& flag, CheckBox& other, CheckBox MountDialog::*mine,
                             CheckBox MountDialog::*theirs) {
    auto dialogs = w_.dialogs();
    auto each = [&dialogs](auto&& step) {
        for (auto* slot : dialogs) step((*slot)());
    };
    if (flag.value() == 1) {
        each([mine](MountDialog& d) { (d.*mine).setEnabled(false); });
        each([mine](MountDialog& d) { (d.*mine).setVisible(false); });
    }
    if (flag.value() == 0) {
        each([mine](MountDialog& d) { (d.*mine).setEnabled(true); });
        each([mine](MountDialog& d) { (d.*mine).setVisible(true); });
    }
    if (flag.value() == 1 && other.value() == 1) {
        each([](MountDialog& d) { d.frei.setVisible(true); });
        each([](MountDialog& d) { d.aufmontiert.setVisible(false); });
        each([](MountDialog& d) { d.unterlauf.setVisible(false); });
    }
    if (flag.value() == 0 && other.value() == 1) {
        each([mine](MountDialog& d) { (d.*mine).setEnabled(true); });
        each([](MountDialog& d) { d.frei.setVisible(false); });
        each([mine](MountDialog& d) { (d.*mine).setVisible(true); });
        each([theirs](MountDialog& d) { (d.*theirs).setVisible(false); });
    }
    // The dialog whose choice was ticked when the mount was taken holds it.
    for (auto* slot : dialogs) {
        MountDialog& holder = (*slot)();
        if (flag.value() == 1 && (holder.*mine).value() == 1) {
            (holder.*mine).setValue(2);
            for (auto* otherSlot : dialogs) {
                if (otherSlot == slot) continue;
                MountDialog& d = (*otherSlot)();
                (d.*mine).setVisible(false);
                (d.*mine).setEnabled(false);
            }
        }
    }
}

void SensorPage::onCheck1Click() {
    syncDialogs(Check1, Check2, &MountDialog::aufmontiert, &MountDialog::unterlauf);
}

void SensorPage::onCheck2Click() {
    syncDialogs(Check2, Check1, &MountDialog::unterlauf, &MountDialog::aufmontiert);
}

}  // namespace ferrolith
