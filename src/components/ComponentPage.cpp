#include "components/ComponentPage.h"

#include "accessories/AccessoryPage.h"
#include "app/Wizard.h"
#include "forms/Number.h"
#include "forms/Runtime.h"
#include "internal/InternalPage.h"
#include "sensors/SensorPage.h"
#include "start/FrameChoicePage.h"

#include <cmath>
#include <span>
#include <string_view>

namespace ferrolith {

using namespace components;
using forms::CheckBox;
using forms::ListBox;
namespace number = forms::number;

namespace {

// "01" .. the last level, two digits each.
std::vector<std::string> levelItems(int first, int last) {
    std::vector<std::string> items;
    for (int i = first; i <= last; ++i) items.push_back((i < 10 ? "0" : "") + std::to_string(i));
    return items;
}

constexpr const char* modeBoxes[] = {"modus1", "modus2", "modus3", "modus4", "modus5", "modus6", "modus7"};
constexpr const char* blank = " - ";

bool insideFrame(const forms::Control& c, const forms::Frame& frame) {
    for (const forms::Frame* f = c.frame(); f; f = f->frame())
        if (f == &frame) return true;
    return false;
}

}  // namespace

ComponentPage::ComponentPage(Wizard& wizard)
    : forms::Form(wizard.runtime(), "Form2", "\"Ferrolith\" - Seite 2"),
      DesignSheet(*this, page2SheetTexts, "Frame1"),
      Frame2(*this, "Frame2", "Wahl der Komponenten"),
      tarn(*this, "tarn", "Erhöhte Tarnstufe ", &Frame2),
      tarnstufe1(*this, "tarnstufe1", "Stufe 1", &Frame2),
      tarnstufe2(*this, "tarnstufe2", "Stufe 2", &Frame2),
      power(*this, "power", "Erhöhtes Powerniveau ", &Frame2),
      powerstufe1(*this, "powerstufe1", "Stufe 1", &Frame2),
      powerstufe2(*this, "powerstufe2", "Stufe 2", &Frame2),
      modus(*this, "modus", "Feuermodus ", &Frame2),
      modusframe(*this, "modusframe", "", &Frame2),
      modus1(*this, "modus1", "EM", &modusframe),
      modus2(*this, "modus2", "HM", &modusframe),
      modus3(*this, "modus3", "SM", &modusframe),
      modus7(*this, "modus7", "AM", &modusframe),
      modus4(*this, "modus4", "HM/SM", &modusframe),
      modus5(*this, "modus5", "SM/AM", &modusframe),
      modus6(*this, "modus6", "HM/SM/AM", &modusframe),
      ladeframe(*this, "ladeframe", "", &Frame2),
      lade(*this, "lade", "Lademechanismus ", &ladeframe),
      lade1(*this, "lade1", "Klapp", &ladeframe),
      lade2(*this, "lade2", "Streifen", &ladeframe),
      lade3(*this, "lade3", "Trommel", &ladeframe),
      lade4(*this, "lade4", "Magazin", &ladeframe),
      lade5(*this, "lade5", "Gurt", &ladeframe),
      munitionswahl(*this, "munitionswahl", "Munitionswahl", &Frame2),
      muni(*this, "muni", "Erhöhte Munikapazität (max. 10 Schuß / 7 Schuß bei Revolver)", &Frame2),
      munistufe(*this, "munistufe", levelItems(4, 10), "0", &Frame2),
      flechette(*this, "flechette", "Flechettebeschränkung", &Frame2),
      größe(*this, "größe", "Größenanpassung", &Frame2),
      keramikframe(*this, "keramikframe", "", &Frame2),
      keramik(*this, "keramik", "Keramikkomponenten", &keramikframe),
      keramikstufe1(*this, "keramikstufe1", "Stufe 1", &keramikframe),
      keramikstufe2(*this, "keramikstufe2", "Stufe 2", &keramikframe),
      keramikstufe3(*this, "keramikstufe3", "Stufe 3", &keramikframe),
      nahkampf(*this, "nahkampf", "Nahkampfverstärkung", &Frame2),
      gewicht(*this, "gewicht", "Gewichtsreduzierung ", &Frame2),
      gewicht2(*this, "gewicht2", "(bis zu 2 Stufen)", &Frame2),
      gewicht6(*this, "gewicht6", "(bis zu 6 Stufen)", &Frame2),
      gewicht8(*this, "gewicht8", "(bis zu 8 Stufen)", &Frame2),
      gewicht12(*this, "gewicht12", "(bis zu 12 Stufen)", &Frame2),
      gewicht16(*this, "gewicht16", "(bis zu 16 Stufen)", &Frame2),
      gewichtstufe2(*this, "gewichtstufe2", levelItems(1, 2), "0", &Frame2),
      gewichtstufe6(*this, "gewichtstufe6", levelItems(1, 6), "0", &Frame2),
      gewichtstufe8(*this, "gewichtstufe8", levelItems(1, 8), "0", &Frame2),
      gewichtstufe12(*this, "gewichtstufe12", levelItems(1, 12), "0", &Frame2),
      gewichtstufe16(*this, "gewichtstufe16", levelItems(1, 16), "16 Stufen", &Frame2),
      mehr(*this, "mehr", "Erhöhte FKE", &Frame2),
      mehr1(*this, "mehr1", "(bis 1 Stufe)", &Frame2),
      mehr2(*this, "mehr2", "(bis 2 Stufen)", &Frame2),
      mehr4(*this, "mehr4", "(bis 4 Stufen)", &Frame2),
      mehr6(*this, "mehr6", "(bis 6 Stufen)", &Frame2),
      mehrstufe1(*this, "mehrstufe1", levelItems(1, 1), "0", &Frame2),
      mehrstufe2(*this, "mehrstufe2", levelItems(1, 2), "0", &Frame2),
      mehrstufe4(*this, "mehrstufe4", levelItems(1, 4), "0", &Frame2),
      mehrstufe6(*this, "mehrstufe6", levelItems(1, 6), "0", &Frame2),
      bullpup(*this, "bullpup", " Bullpup - Design (bietet 1 Punkt Rückstoßdämpfung)", &Frame2),
      laufframe(*this, "laufframe", "", &Frame2),
      lauf(*this, "lauf", "Laufverlängerung / -verkürzung", &laufframe),
      lauf1(*this, "lauf1", "Verlängerung", &laufframe),
      lauf2(*this, "lauf2", "Verkürzung", &laufframe),
      schnell(*this, "schnell", "Schnellfeuer (erhöht max. Rückstoßkompensation um 1)", &Frame2),
      rückframe(*this, "rückframe", "", &Frame2),
      rück(*this, "rück", "Rückstoßkompensation", &rückframe),
      rück1(*this, "rück1", "Stufe 1", &rückframe),
      rück2(*this, "rück2", "Stufe 2", &rückframe),
      rück3(*this, "rück3", "Stufe 3", &rückframe),
      schwer(*this, "schwer", "Schwerer Lauf (bietet 1 Punkt Rückstoßdämpfung)", &Frame2),
      zerlegbar(*this, "zerlegbar", "Zerlegbar", &Frame2),
      muniorg(*this, "muniorg", "muniorg"),
      Zurück1(*this, "Zurück1", "&Zurück"),
      Weiter1(*this, "Weiter1", "&Weiter"),
      w_(wizard) {
    // Layout: the option column stands right of the sheet; levels, labels and
    // lists stand right of their parent in its row.
    Frame2.sameRow = true;
    modusframe.headedBy = &modus;
    ladeframe.headedBy = &lade;
    keramikframe.headedBy = &keramik;
    laufframe.headedBy = &lauf;
    rückframe.headedBy = &rück;
    for (forms::Control* c : std::initializer_list<forms::Control*>{
             &tarnstufe1, &tarnstufe2, &powerstufe1, &powerstufe2, &modus2, &modus3, &modus7, &modus4, &modus5,
             &modus6, &lade2, &lade3, &lade4, &lade5, &munistufe, &keramikstufe1, &keramikstufe2, &keramikstufe3,
             &gewicht2, &gewicht6, &gewicht8, &gewicht12, &gewicht16, &gewichtstufe2, &gewichtstufe6,
             &gewichtstufe8, &gewichtstufe12, &gewichtstufe16, &mehr1, &mehr2, &mehr4, &mehr6, &mehrstufe1,
             &mehrstufe2, &mehrstufe4, &mehrstufe6, &lauf1, &lauf2, &rück1, &rück2, &rück3, &Weiter1})
        c->sameRow = true;

    // Every option control is hidden until the set-up offers it; frames stay.
    for (forms::Control* c : controls()) {
        const auto k = c->kind();
        if (insideFrame(*c, Frame2) &&
            (k == forms::ControlKind::CheckBox || k == forms::ControlKind::ListBox || k == forms::ControlKind::Label))
            c->setVisible(false);
    }
    muniorg.setVisible(false);

    auto tip = [](CheckBox& box, const char* text, bool onPress) {
        (onPress ? box.onMouseDown : box.onMouseMove) = [&box, text] { box.setToolTip(text); };
    };

    for (const FireMode& m : fireModes) {
        CheckBox& box = check(m.box);
        box.onClick = [this, &m] { onModeClick(m); };
        tip(box, m.toolTip, false);
    }
    modus.onClick = [this] { onModusClick(); };

    lade1.onClick = [this] { onLade1Click(); };
    lade2.onClick = [this] { onLade2Click(); };
    lade3.onClick = [this] { onLade3Click(); };
    lade4.onClick = [this] { onLade4Click(); };
    lade5.onClick = [this] { onLade5Click(); };
    for (const Mechanism& m : mechanisms) tip(check(m.box), m.toolTip, m.toolTipOnPress);
    lade.onClick = [this] { onLadeClick(); };
    ladeframe.onClick = [this] { onLadeframeClick(); };
    muni.onClick = [this] { onMuniClick(); };
    munistufe.onClick = [this] { onMunistufeClick(); };
    tip(muni, "Tarnstufe -1 pro 4 Kugeln, DP +2 pro Kugel, FKE -0.25 pro 2 Kugeln", false);

    for (const Option& o : singleOptions) {
        CheckBox& box = check(o.box);
        box.onClick = [this, &o] { onSingleOptionClick(o); };
        tip(box, o.toolTip, o.toolTipOnPress);
    }
    for (const Option& o : levelOptions) {
        CheckBox& box = check(o.box);
        box.onClick = [this, &o] { onLevelClick(o); };
        tip(box, o.toolTip, o.toolTipOnPress);
    }
    for (CheckBox* parent : {&tarn, &keramik, &power, &rück, &lauf})
        parent->onClick = [this, parent] { onLevelParentClick(*parent); };

    for (const LevelListGroup* g : {&weightGroup, &fkeGroup}) {
        CheckBox& parent = check(g->parent);
        parent.onClick = [this, g] { onLevelListParentClick(*g); };
        tip(parent, g->toolTip, false);
        for (forms::Control* c : controls()) {
            if (c->kind() != forms::ControlKind::ListBox || c->name().rfind(g->listPrefix, 0) != 0) continue;
            auto* list = static_cast<ListBox*>(c);
            list->onClick = [this, g, list] { onLevelListClick(*g, *list); };
        }
        // A click on a visible level label shows its list beside it.
        for (forms::Control* c : controls()) {
            if (c->kind() != forms::ControlKind::Label || c->name().rfind(g->labelPrefix, 0) != 0) continue;
            auto* label = static_cast<forms::Label*>(c);
            ListBox& list = this->list(g->listPrefix + label->name().substr(std::string(g->labelPrefix).size()));
            label->onClick = [label, &list] {
                if (label->visible()) list.setVisible(true);
            };
        }
    }

    Weiter1.onClick = [this] { onWeiter1Click(); };
    Zurück1.onClick = [this] { onZurück1Click(); };
    guardFke(Weiter1);
    // Closing any page ends the program, as closing page 1 does.
    onClose = [this] { runtime().endProgram(); };
}

// ---- set-up -------------------------------------------------------------------

void ComponentPage::load() {
    const ClassSetUp* c = findSetUp(w_.form1().typ.text());
    if (!c) return;
    setUp_ = c;
    Frame2.setCaption(c->key);
    muniorg.setText(c->cap);
    if (c->fkeCopy) fke.setText(w_.form1().fke.text());
    pwn.setText(c->pwn);
    snw.setText(c->snw);
    pwr.setText(c->pwr);
    trn.setText(c->trn);
    gew.setText(c->gew);
    cap.setText(c->cap);
    lmm.setText(c->lmm);
    hlt.setText(c->hlt);
    hlt2.setText(c->hlt2);
    hlt3.setText(c->hlt3);

    for (forms::Control* always : std::initializer_list<forms::Control*>{&größe, &power, &powerstufe1, &modus})
        always->setVisible(true);
    for (const std::string& name : forms::words(c->offers)) control(name).setVisible(true);
    for (const auto& [group, levels] : {std::pair{&weightGroup, c->weightLevels}, std::pair{&fkeGroup, c->fkeLevels}}) {
        if (levels == 0) continue;
        control(group->parent).setVisible(true);
        control(group->labelPrefix + std::to_string(levels)).setVisible(true);
        control(group->listPrefix + std::to_string(levels)).setVisible(true);
    }
    for (const std::string& name : forms::words(c->defaults)) check(name).setValue(1);

    if (c->otherPages == OtherPages::taser) {
        page4Clip().setVisible(false);
        page4ClipSize().setVisible(false);
        page4Silencer().setVisible(false);
    }
    if (c->otherPages != OtherPages::none) {
        w_.form4().unterlaufgewicht.setVisible(false);
        w_.form4().vordergriff.setVisible(false);
        w_.form12().Check2.setValue(1);
    }
}

// ---- navigation ---------------------------------------------------------------

std::string ComponentPage::phrases() const {
    std::string result;
    for (const PhraseRow& row : forwardPhrases) {
        const forms::Control& c = control(row.control);
        if (c.kind() == forms::ControlKind::CheckBox) {
            if (static_cast<const CheckBox&>(c).value() == 1) result += row.phrase;
            continue;
        }
        const auto& list = static_cast<const ListBox&>(c);
        if (row.phrase) {  // the capacity list counts when it holds a level
            if (number::truth(list)) result += row.phrase;
            continue;
        }
        // The increased-FKE lists name their level; the one-level list any level.
        const double level = number::read(list);
        const int levels = static_cast<int>(list.items().size());
        if (levels == 1 && level != 0) result += ", erhöhte FKE (1)";
        else if (levels > 1 && level >= 1 && level <= levels && level == std::floor(level))
            result += ", erhöhte FKE (" + std::to_string(static_cast<int>(level)) + ")";
    }
    return result;
}

void ComponentPage::onWeiter1Click() {
    w_.form3().takePosition(*this);
    w_.publishPhrases(2, phrases());
    copyTo(w_.form3(), true);
    w_.form3().show();
    hide();
}

void ComponentPage::onZurück1Click() {
    w_.form1().takePosition(*this);
    w_.form1().show();
    w_.form2.unload();
    // A new class gets later pages set up afresh for it.
    w_.unloadDesignPagesAfter2();
}

// ---- shared routines ----------------------------------------------------------

forms::Control& ComponentPage::control(const std::string& name) const {
    forms::Control* c = find(name);
    if (!c) throw std::logic_error("page 2 has no control " + name);
    return *c;
}

// A taser never takes a silencer, so no fire mode shows it on page 4 for one,
// whichever page 4 is loaded.
bool ComponentPage::offersSilencer() const { return !setUp_ || setUp_->otherPages != OtherPages::taser; }

forms::CheckBox& ComponentPage::page4Silencer() { return w_.form4().schall; }
forms::CheckBox& ComponentPage::page4Clip() { return w_.form4().ladestreifen; }
forms::ListBox& ComponentPage::page4ClipSize() { return w_.form4().vergrößert; }

// ---- fire modes -----------------------------------------------------------------

void ComponentPage::onModeClick(const FireMode& m) {
    const int value = check(m.box).value();
    if (value == 1) {
        pwr.setText(m.pwr);
        applyChanges(m.deltas, +1);
        modus.setValue(1);
        for (const char* other : modeBoxes)
            if (other != std::string_view(m.box)) check(other).setEnabled(false);
        if (m.silencer && offersSilencer()) page4Silencer().setVisible(true);
    }
    if (value == 0) {
        pwr.setText(m.pwrUntick);
        applyChanges(m.deltas, -1);
        modus.setValue(0);
        for (const char* other : modeBoxes)
            if (other != std::string_view(m.box)) check(other).setEnabled(true);
        if (m.silencer) page4Silencer().setVisible(false);
    }
}

// The parent unticked by hand gives up the ticked mode, refunding it; a tick
// by hand changes nothing.
void ComponentPage::onModusClick() {
    if (modus.value() != 0) return;
    for (const char* box : modeBoxes) check(box).setValue(0);
}

// ---- loading mechanism and ammunition -------------------------------------------

void ComponentPage::onLade1Click() {
    const Deltas& costs = mechanisms[0].deltas;
    if (lade1.value() == 1) {
        applyChanges(costs, +1);
        munitionswahl.setEnabled(false);
        lmm.setText(mechanisms[0].lmm);
        lade.setValue(1);
        for (CheckBox* b : {&lade2, &lade3, &lade4}) b->setEnabled(false);
        cap.setText("1");
        page4Clip().setEnabled(false);
    }
    if (lade1.value() == 0) {
        cap.setText("-");
        applyChanges(costs, -1);
        lmm.setText(blank);
        lade.setValue(0);
        for (CheckBox* b : {&lade2, &lade3, &lade4}) b->setEnabled(true);
        muni.setVisible(false);
        munistufe.setVisible(false);
    }
}

void ComponentPage::onLade2Click() {
    const Deltas& costs = mechanisms[1].deltas;
    if (lade2.value() == 1) {
        munitionswahl.setEnabled(true);
        cap.setText(muniorg.text());
        applyChanges(costs, +1);
        lmm.setText(mechanisms[1].lmm);
        lade.setValue(1);
        for (CheckBox* b : {&lade1, &lade3, &lade4}) b->setEnabled(false);
        page4Clip().setEnabled(true);
        page4ClipSize().setEnabled(true);
    }
    if (lade2.value() == 0) {
        page4Clip().setEnabled(false);
        page4ClipSize().setEnabled(false);
        munitionswahl.setEnabled(false);
        munitionswahl.setValue(0);
        applyChanges(costs, -1);
        lmm.setText(blank);
        lade.setValue(0);
        for (CheckBox* b : {&lade1, &lade3, &lade4}) b->setEnabled(true);
    }
}

void ComponentPage::onLade3Click() {
    const Deltas& costs = mechanisms[2].deltas;
    // A capacity of "-" (after "Klapp" was unticked) has nothing to reduce or
    // give back, so it stays as it is.
    const bool capIsNumber = number::parse(cap.text()).has_value();
    if (lade3.value() == 1) {
        munitionswahl.setEnabled(false);
        applyChanges(costs, +1);
        lade.setValue(1);
        for (CheckBox* b : {&lade1, &lade2, &lade4}) b->setEnabled(false);
        lmm.setText(mechanisms[2].lmm);
        page4Silencer().setEnabled(false);
        if (capIsNumber) number::add(cap, -4);
        muni.setVisible(true);
        munistufe.setVisible(true);
        page4Clip().setEnabled(false);
    }
    if (lade3.value() == 0) {
        applyChanges(costs, -1);
        lade.setValue(0);
        lmm.setText(blank);
        lade1.setEnabled(true);
        muni.setVisible(false);
        munistufe.setVisible(false);
        lade2.setEnabled(true);
        lade4.setEnabled(true);
        page4Silencer().setEnabled(true);
        if (capIsNumber) number::add(cap, 4);
    }
}

void ComponentPage::onLade4Click() {
    const Deltas& costs = mechanisms[3].deltas;
    if (lade4.value() == 1) {
        applyChanges(costs, +1);
        munitionswahl.setEnabled(false);
        muni.setVisible(true);
        munistufe.setVisible(true);
        lade.setValue(1);
        lmm.setText(mechanisms[3].lmm);
        for (CheckBox* b : {&lade1, &lade3, &lade2}) b->setEnabled(false);
        page4Clip().setEnabled(false);
        page4ClipSize().setEnabled(false);
    }
    if (lade4.value() == 0) {
        applyChanges(costs, -1);
        muni.setVisible(false);
        munistufe.setVisible(false);
        lade.setValue(0);
        lmm.setText(blank);
        for (CheckBox* b : {&lade1, &lade3, &lade2}) b->setEnabled(true);
    }
}

void ComponentPage::onLade5Click() {
    if (lade5.value() == 1) {
        applyChanges(mechanisms[4].deltas, +1);
        Gurt.setText("/ Gurt");
    }
    if (lade5.value() == 0) {
        applyChanges(mechanisms[4].deltas, -1);
        Gurt.setText(" ");
    }
}

// The parent unticked by hand gives up the ticked mechanism, refunding it; the
// belt stands apart from the mechanisms and stays. A tick by hand changes nothing.
void ComponentPage::onLadeClick() {
    if (lade.value() != 0) return;
    for (CheckBox* b : {&lade1, &lade2, &lade3, &lade4}) b->setValue(0);
}

void ComponentPage::onLadeframeClick() {
    if (lade.visible()) ladeframe.setVisible(true);
}

void ComponentPage::onMunistufeClick() {
    if (!number::truth(munistufe)) return;
    cap.setText(munistufe.text());
    const double n = number::read(munistufe);
    const double o = number::read(muniorg);
    number::add(dp, (n + n) - (o + o));
    const long d = std::lround(n - o);
    number::add(fke, -static_cast<double>(d / 2) * 0.25);
    number::add(trn, -static_cast<double>(d / 4));
    munistufe.setEnabled(false);
    muni.setValue(1);
}

void ComponentPage::onMuniClick() {
    if (muni.value() != 0 || munistufe.enabled()) return;
    munistufe.setEnabled(true);
    cap.setText(muniorg.text());
    const double n = number::read(munistufe);
    const double o = number::read(muniorg);
    number::add(dp, -((n + n) - (o + o)));
    const long d = std::lround(n - o);
    number::add(fke, static_cast<double>(d / 2) * 0.25);
    number::add(trn, static_cast<double>(d / 4));
    munistufe.setText("0");
}

// ---- single options ----------------------------------------------------------------

void ComponentPage::onSingleOptionClick(const Option& o) {
    CheckBox& box = check(o.box);
    if (box.value() == 1) {
        applyChanges(o.deltas, +1);
        if (&box == &bullpup)
            for (CheckBox* b : {&tarn, &tarnstufe1, &tarnstufe2}) b->setEnabled(false);
        if (&box == &schnell) {
            rück3.setVisible(true);
            rück2.setVisible(true);
        }
    }
    if (box.value() == 0) {
        if (&box == &bullpup)
            for (CheckBox* b : {&tarn, &tarnstufe1, &tarnstufe2}) b->setEnabled(true);
        applyChanges(o.deltas, -1);
        if (&box == &schnell) {
            rück3.setValue(0);
            rück2.setVisible(true);
            rück3.setVisible(false);
        }
    }
}

// ---- level boxes -------------------------------------------------------------------

std::vector<CheckBox*> ComponentPage::levelsOf(const CheckBox& parent) {
    std::vector<CheckBox*> levels;
    for (const Option& o : levelOptions)
        if (parent.name() == o.parent) levels.push_back(&check(o.box));
    return levels;
}

void ComponentPage::onLevelClick(const Option& level) {
    CheckBox& box = check(level.box);
    CheckBox& parent = check(level.parent);
    const int value = box.value();
    if (value != 0 && value != 1) return;
    const bool ticked = value == 1;
    const int sign = ticked ? +1 : -1;
    for (const char step : std::string_view(ticked ? level.tickSteps : level.untickSteps)) {
        switch (step) {
        case 'p': parent.setValue(ticked ? 1 : 0); break;
        case 'o':
            for (CheckBox* other : levelsOf(parent))
                if (other != &box) other->setEnabled(!ticked);
            break;
        // Ceramic levels write the second Tarnstufe; their untick leaves the
        // current Tarnstufe there.
        case 'k':
            if (level.trnkera) trnkera.setText(ticked ? level.trnkera : trn.text());
            break;
        case 'c': applyChanges(level.deltas, sign); break;
        default: applyChanges(std::span(&level.deltas.at(std::size_t(step - '0')), 1), sign); break;
        }
    }
    // Increased concealability and the bullpup design exclude each other.
    if (&parent == &tarn) bullpup.setEnabled(!ticked);
}

// The parent unticked gives up its ticked level, whose untick refunds it; a
// tick by hand charges nothing.
void ComponentPage::onLevelParentClick(CheckBox& parent) {
    if (parent.value() != 0) return;
    for (CheckBox* level : levelsOf(parent)) level->setValue(0);
}

// ---- level lists ---------------------------------------------------------------------

void ComponentPage::onLevelListClick(const LevelListGroup& g, ListBox& list) {
    if (!number::truth(list)) return;
    check(g.parent).setValue(1);
    const double levels = number::read(list);
    number::add(numberField(g.field), levels * g.perLevel);
    number::add(dp, levels * g.dpPerLevel);
    list.setEnabled(false);
}

void ComponentPage::onLevelListParentClick(const LevelListGroup& g) {
    if (check(g.parent).value() != 0) return;
    const ClassSetUp* c = findSetUp(w_.form1().typ.text());
    if (!c) return;
    const int offered = &g == &weightGroup ? c->weightLevels : c->fkeLevels;
    if (offered == 0) return;
    ListBox& list = this->list(g.listPrefix + std::to_string(offered));
    // A list that still shows its caption text ("16 Stufen") has charged
    // nothing and refunds nothing.
    if (const auto levels = number::parse(list.text())) {
        number::add(numberField(g.field), -*levels * g.perLevel);
        number::add(dp, -*levels * g.dpPerLevel);
    }
    list.setText("0");
    list.setEnabled(true);
}

}  // namespace ferrolith
