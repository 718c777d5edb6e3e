#include "accessories/AccessoryPage.h"

#include "app/Wizard.h"
#include "common/WeaponClass.h"
#include "components/ComponentPage.h"
#include "forms/Number.h"
#include "internal/InternalPage.h"
#include "sensors/MountDialog.h"
#include "sensors/SensorPage.h"
#include "start/FrameChoicePage.h"

#include <algorithm>
#include <vector>

namespace ferrolith {

using forms::CheckBox;
namespace number = forms::number;

namespace {

using Box = CheckBox AccessoryPage::*;

using Field = SheetField;
using Costs = std::vector<SheetChange>;

struct CostRow {
    Box box;
    Costs costs;  // in the order of the writes
};

// The accessories that take the underbarrel mount when ticked.
const std::vector<CostRow>& mountAccessories() {
    static const std::vector<CostRow> rows{
        {&AccessoryPage::unterlaufgewicht,
         {{Field::trn, -1}, {Field::gew, 1}, {Field::fke, -0.25}, {Field::dp, 25}, {Field::kpd, 1}}},
        {&AccessoryPage::dreibein, {{Field::gew, 8}, {Field::dp, 120}, {Field::kpd, 6}}},
        {&AccessoryPage::zweibein, {{Field::gew, 2}, {Field::kpd, 2}, {Field::dp, 80}}},
        {&AccessoryPage::vordergriff, {{Field::trn, -1}, {Field::kpd, 1}, {Field::gew, 0.5}, {Field::dp, 50}}},
    };
    return rows;
}

// The four kinds of underbarrel weapon.
const std::vector<CostRow>& underbarrelWeapons() {
    static const std::vector<CostRow> rows{
        {&AccessoryPage::bajonett, {{Field::trn, -1}, {Field::gew, 0.75}, {Field::fke, -0.25}, {Field::dp, 10}}},
        {&AccessoryPage::enterhaken, {{Field::trn, -1}, {Field::gew, 2}, {Field::fke, -0.25}, {Field::dp, 100}}},
        {&AccessoryPage::granatwerfer, {{Field::trn, -3}, {Field::gew, 2}, {Field::fke, -0.25}, {Field::dp, 360}}},
        {&AccessoryPage::flammenwerfer, {{Field::fke, -0.25}, {Field::dp, 240}}},
    };
    return rows;
}

struct FixedRow {
    Box box;
    Costs costs;
    Box locks = nullptr;       // disabled after the tick's costs, enabled after the untick's
    bool takesBarrel = false;  // empties hlt before the tick's costs, writes "Lauf" before the untick's
};

// Barrel and other accessories with fixed costs.
const std::vector<FixedRow>& fixedOptions() {
    static const std::vector<FixedRow> rows{
        {&AccessoryPage::schulter, {{Field::trn, -1}, {Field::gew, 0.5}, {Field::dp, 40}, {Field::kpd, 1}}},
        {&AccessoryPage::suppressor, {{Field::trn, -2}, {Field::gew, 0.5}, {Field::fke, -0.25}, {Field::dp, 150}}},
        {&AccessoryPage::schall, {{Field::trn, -2}, {Field::gew, 0.2}, {Field::fke, -0.25}, {Field::dp, 100}}},
        {&AccessoryPage::hüft,
         {{Field::trn, -4}, {Field::kpd, 1}, {Field::dp, 40}, {Field::gew, 2}},
         &AccessoryPage::schock},
        {&AccessoryPage::schock, {{Field::kpd, 1}, {Field::dp, 40}, {Field::gew, 2.5}}, &AccessoryPage::hüft},
        {&AccessoryPage::abgesägte,
         {{Field::pwn, -1}, {Field::dp, 8}, {Field::trn, 2}, {Field::gew, -1}},
         nullptr,
         true},
        {&AccessoryPage::griff, {{Field::kpd, 1}, {Field::dp, 25}}},
        {&AccessoryPage::sicherung, {{Field::dp, 30}}},
        {&AccessoryPage::abzug, {{Field::dp, 50}, {Field::fke, -0.5}}},
    };
    return rows;
}

const Costs bioCosts{{Field::fke, -0.25}, {Field::dp, 450}};
const Costs sekundärCosts{{Field::dp, 450}, {Field::fke, -0.75}, {Field::gew, 0.5}};
const Costs automodusCosts{{Field::fke, -1}, {Field::dp, 120}};

struct ToolTipRow {
    Box box;
    const char* text;
};

const std::vector<ToolTipRow>& toolTips() {
    static const std::vector<ToolTipRow> rows{
        {&AccessoryPage::dreibein, "DP +120, Rückstoßkompensation +6, Gewicht +8 kg"},
        {&AccessoryPage::zweibein, "DP +80, Rückstoßkompensation +2, Gewicht +2 kg"},
        {&AccessoryPage::vordergriff, "Tarnstufe -1, DP +50, Rückstoßkompensation +1, Gewicht +0.5 kg"},
        {&AccessoryPage::unterlaufgewicht,
         "Tarnstufe -1, DP +25, FKE -0.25, Rückstoßkompensation +1, Gewicht +1 kg"},
        {&AccessoryPage::bajonett, "Tarnstufe -1, DP +10, FKE -0.25, Gewicht +0.75 kg"},
        {&AccessoryPage::enterhaken, "Tarnstufe -1, DP +100, FKE -0.25, Gewicht +2 kg"},
        {&AccessoryPage::granatwerfer, "Tarnstufe -3, DP +360, FKE -0.25, Gewicht +2 kg"},
        {&AccessoryPage::flammenwerfer, "DP +240, FKE -0.25"},
        {&AccessoryPage::ladestreifen, "DP +2 pro Schuß"},
        {&AccessoryPage::schulter, "Tarnstufe -1, DP +40, Rückstoßkompensation +1, Gewicht +0.5 kg"},
        {&AccessoryPage::suppressor, "Tarnstufe -2, DP +150, FKE -0.25, Gewicht +0.5 kg"},
        {&AccessoryPage::schall, "Tarnstufe -2, DP +100, FKE -0.25, Gewicht +0.2 kg"},
        {&AccessoryPage::hüft, "Tarnstufe -4, DP +40, Rückstoßkompensation +1, Gewicht +2 kg"},
        {&AccessoryPage::schock, "DP +40, Rückstoßkompensation +1, Gewicht +2.5 kg"},
        {&AccessoryPage::abgesägte, "Tarnstufe +2, Powerniveau -1, DP +8, Gewicht -1 kg"},
        {&AccessoryPage::griff, "DP +25, Rückstoßkompensation +1"},
        {&AccessoryPage::sicherung, "DP +30"},
        {&AccessoryPage::abzug, "DP +50, FKE -0.5"},
        {&AccessoryPage::automodus, "DP +120, FKE -1"},
        {&AccessoryPage::bio, "DP +450, FKE -0.25"},
        {&AccessoryPage::sekundär, "DP +450, FKE -0.75, Gewicht +0.5 kg"},
    };
    return rows;
}

// The phrases of the forward action, in the order they are listed. A null box
// stands for the size list of the enlarged clip.
struct PhraseRow {
    Box box;
    const char* phrase;
};

const std::vector<PhraseRow>& phraseRows() {
    static const std::vector<PhraseRow> rows{
        {&AccessoryPage::schall, ", Schalldämpfer"},
        {&AccessoryPage::schock, ", Schockpolster"},
        {&AccessoryPage::hüft, ", Hüftpolster"},
        {&AccessoryPage::schulter, ", Schulterstütze"},
        {&AccessoryPage::suppressor, ", Schallunterdrücker"},
        {&AccessoryPage::unterlaufgewicht, ", Unterlaufgewicht"},
        {&AccessoryPage::bajonett, ", Unterlaufwaffe (Bajonett)"},
        {&AccessoryPage::enterhaken, ", Unterlaufwaffe (Enterhakenkanone)"},
        {&AccessoryPage::granatwerfer, ", Unterlaufwaffe (Granatwerfer)"},
        {&AccessoryPage::flammenwerfer, ", Unterlaufwaffe (Flammenwerfer)"},
        {nullptr, ", vergrößerter Ladestreifen"},
        {&AccessoryPage::abgesägte, ", abgesägte Schrotflinte"},
        {&AccessoryPage::griff, ", angepasster Griff"},
        {&AccessoryPage::sicherung, ", ausgebaute Sicherung"},
        {&AccessoryPage::abzug, ", ausgebauter Abzug"},
        {&AccessoryPage::automodus, ", Automatischer Modus"},
        {&AccessoryPage::bio, ", Biometrische Sicherheitsschaltung"},
        {&AccessoryPage::griffdornen, ", Biometrische Sicherheitsschaltung mit Griffdornen"},
        {&AccessoryPage::sprühsystem, ", Biometrische Sicherheitsschaltung mit Sprühsystem"},
        {&AccessoryPage::elektroshock, ", Biometrische Sicherheitsschaltung mit Elektroshock"},
        {&AccessoryPage::dreibein, ", Dreibein"},
        {&AccessoryPage::vordergriff, ", Vordergriff"},
        {&AccessoryPage::zweibein, ", Zweibein"},
    };
    return rows;
}

// What the set-up offers per class: boxes shown and boxes disabled, in order.
struct ClassOffer {
    const char* key;
    std::vector<Box> shown;
    std::vector<Box> disabled;
};

const std::vector<ClassOffer>& classOffers() {
    using P = AccessoryPage;
    static const std::vector<Box> heavy{&P::dreibein, &P::zweibein, &P::schock, &P::hüft, &P::suppressor,
                                        &P::unterlaufwaffe};
    static const std::vector<ClassOffer> rows{
        {"Holdout Pistole", {&P::schulter}, {&P::unterlaufgewicht, &P::schall, &P::vordergriff}},
        {"Leichte Pistole", {&P::schulter}, {}},
        {"Automatische Pistole", {&P::automodus, &P::schulter, &P::suppressor}, {}},
        {"Schwere Pistole", {&P::schulter}, {}},
        {"Maschinenpistole", {&P::automodus, &P::schulter, &P::suppressor}, {}},
        {"Schrotflinte", {&P::abgesägte, &P::zweibein, &P::schock, &P::hüft, &P::unterlaufwaffe}, {}},
        {"Taser", {}, {}},
        {"Sportgewehr", {&P::zweibein, &P::schock, &P::hüft, &P::unterlaufwaffe}, {}},
        {"Sturmgewehr", {&P::zweibein, &P::schock, &P::hüft, &P::suppressor, &P::unterlaufwaffe}, {}},
        {"Scharfschützengewehr", {&P::zweibein, &P::schock, &P::hüft, &P::unterlaufwaffe}, {}},
        {"LMG", heavy, {}},
        {"MMG", heavy, {}},
        {"SMG", heavy, {}},
        {"Sturmkanone", {&P::dreibein, &P::zweibein, &P::schock, &P::hüft, &P::unterlaufwaffe}, {}},
    };
    return rows;
}

// Boxes that page 2's set-up hides for the classes without them.
std::vector<Box> classHides(const std::string& key) {
    using P = AccessoryPage;
    if (key == "Leichte Pistole" || key == "Automatische Pistole") return {&P::unterlaufgewicht, &P::vordergriff};
    if (key == "Taser") return {&P::ladestreifen, &P::schall, &P::unterlaufgewicht, &P::vordergriff};
    return {};
}

std::vector<std::string> sizeItems() {
    std::vector<std::string> items;
    for (int i = 1; i <= 50; ++i) items.push_back((i < 10 ? "0" : "") + std::to_string(i));
    return items;
}

// A number that is not 0; any other text counts as no choice.
bool chosen(const std::string& text) {
    auto value = number::parse(text);
    return value && *value != 0;
}

}  // namespace

AccessoryPage::AccessoryPage(Wizard& wizard)
    : forms::Form(wizard.runtime(), "Form4", "\"Ferrolith\" - Seite 4"),
      DesignSheet(*this, page4SheetTexts, "Frame1"),
      Frame6(*this, "Frame6", ""),
      Image2(*this, "Image2", ":/images/side.png", &Frame6),
      Label1(*this, "Label1", FrameChoicePage::infoCredit, &Frame6),
      Image1(*this, "Image1", ":/images/banner.png"),
      Frame4(*this, "Frame4", "Lauf-/Sonstiges Zubehör"),
      griff(*this, "griff", "Angepasster Griff", &Frame4),
      sicherung(*this, "sicherung", "Ausgebaute Sicherung", &Frame4),
      abzug(*this, "abzug", "Ausgebauter Abzug", &Frame4),
      bio(*this, "bio", "Biometrische Sicherheitsschaltung", &Frame4),
      Frame3(*this, "Frame3", "", &Frame4),
      sekundär(*this, "sekundär", "Sekundärwaffe", &Frame3),
      griffdornen(*this, "griffdornen", "Griffdornen", &Frame3),
      sprühsystem(*this, "sprühsystem", "Sprühsystem", &Frame3),
      elektroshock(*this, "elektroshock", "Elektroshock", &Frame3),
      ladestreifen(*this, "ladestreifen", "Vergrößerter Ladestreifen (max.)", &Frame4),
      vergrößert(*this, "vergrößert", sizeItems(), "0", &Frame4),
      suppressor(*this, "suppressor", "Schallunterdrücker", &Frame4),
      schall(*this, "schall", "Schalldämpfer", &Frame4),
      automodus(*this, "automodus", "Automatischer Modus", &Frame4),
      schock(*this, "schock", "Schockpolster", &Frame4),
      hüft(*this, "hüft", "Hüftpolster", &Frame4),
      schulter(*this, "schulter", "Schulterstütze", &Frame4),
      abgesägte(*this, "abgesägte", "Abgesägte Schrotflinte", &Frame4),
      Frame2(*this, "Frame2", "Unterlauf Zubehör"),
      unterlaufgewicht(*this, "unterlaufgewicht", "Unterlaufgewicht", &Frame2),
      dreibein(*this, "dreibein", "Dreibein", &Frame2),
      zweibein(*this, "zweibein", "Zweibein", &Frame2),
      vordergriff(*this, "vordergriff", "Vordergriff", &Frame2),
      unterlaufwaffe(*this, "unterlaufwaffe", "Unterlaufwaffe", &Frame2),
      Frame7(*this, "Frame7", "", &Frame2),
      bajonett(*this, "bajonett", "Bajonett", &Frame7),
      enterhaken(*this, "enterhaken", "Enterhakenkanone", &Frame7),
      granatwerfer(*this, "granatwerfer", "Granatwerfer", &Frame7),
      flammenwerfer(*this, "flammenwerfer", "Flammenwerfer", &Frame7),
      Zurück(*this, "Zurück", "&Zurück"),
      Command2(*this, "Command2", "&Weiter"),
      w_(wizard) {
    // Layout: the picture frame beside the sheet, the banner under them, the
    // two accessory frames side by side, the buttons in one row.
    Frame6.sameRow = true;
    Frame2.sameRow = true;
    Frame3.headedBy = &bio;
    Frame7.headedBy = &unterlaufwaffe;
    for (forms::Control* c : std::initializer_list<forms::Control*>{&griffdornen, &sprühsystem, &elektroshock,
                                                                    &vergrößert, &schall, &enterhaken,
                                                                    &flammenwerfer, &Command2})
        c->sameRow = true;

    for (CheckBox* box : {&dreibein, &zweibein, &unterlaufwaffe, &suppressor, &schall, &automodus, &schock, &hüft,
                          &schulter, &abgesägte})
        box->setVisible(false);
    for (CheckBox* box : {&bajonett, &enterhaken, &granatwerfer, &flammenwerfer}) box->setEnabled(false);

    for (const CostRow& row : mountAccessories()) {
        CheckBox& box = this->*row.box;
        box.onClick = [this, &box] { onMountAccessoryClick(box); };
    }
    unterlaufwaffe.onClick = [this] { onUnterlaufwaffeClick(); };
    for (const CostRow& row : underbarrelWeapons()) {
        CheckBox& box = this->*row.box;
        box.onClick = [this, &box] { onUnderbarrelWeaponClick(box); };
    }
    for (const FixedRow& row : fixedOptions()) {
        CheckBox& box = this->*row.box;
        box.onClick = [this, &box] { onFixedOptionClick(box); };
    }
    ladestreifen.onClick = [this] { onLadestreifenClick(); };
    vergrößert.onClick = [this] { onVergrößertClick(); };
    automodus.onClick = [this] { onAutomodusClick(); };
    bio.onClick = [this] { onBioClick(); };
    sekundär.onClick = [this] { onSekundärClick(); };
    for (CheckBox* option : {&griffdornen, &sprühsystem, &elektroshock})
        option->onClick = [this, option] { onSecondaryOptionClick(*option); };
    for (const ToolTipRow& row : toolTips()) {
        CheckBox& box = this->*row.box;
        const char* text = row.text;
        box.onMouseMove = [&box, text] { box.setToolTip(text); };
    }

    Command2.onClick = [this] { onCommand2Click(); };
    Zurück.onClick = [this] { onZurückClick(); };
    onClose = [this] { runtime().endProgram(); };
    guardFke(Command2);
}

void AccessoryPage::load() {
    // Reading page 3's position creates page 3 first when it does not exist.
    takePosition(w_.form3());
    griffdornen.setEnabled(false);
    sprühsystem.setEnabled(false);
    elektroshock.setEnabled(false);
    fke.setText(w_.form3().fke.text());
    classSetUp();
    applyLocksOfOtherPages();
}

void AccessoryPage::classSetUp() {
    const std::string key = w_.form1().typ.text();
    const auto& offers = classOffers();
    auto row = std::find_if(offers.begin(), offers.end(), [&](const ClassOffer& o) { return key == o.key; });
    if (row == offers.end()) return;

    Frame6.setCaption(key);
    // The heavy pistol takes its sheet from page 3, the others from page 2.
    const bool fromPage3 = key == "Schwere Pistole";
    if (fromPage3)
        takeSetUpFields(w_.form3(), w_.form2());
    else
        takeSetUpFields(w_.form2(), w_.form2());

    for (Box box : row->shown) (this->*box).setVisible(true);
    for (Box box : row->disabled) (this->*box).setEnabled(false);
    if (fromPage3) fke.setText(w_.form3().fke.text());
}

void AccessoryPage::applyLocksOfOtherPages() {
    // Page 2's loading mechanism: only "Streifen" leaves the enlarged clip
    // available; "Trommel" also locks the silencer. A class that offers a
    // mechanism but has none ticked got here by unticking one, which left
    // the clip locked.
    if (const ComponentPage* page2 = w_.form2.ifLoaded()) {
        const bool offersMechanism =
            page2->lade1.visible() || page2->lade2.visible() || page2->lade3.visible() || page2->lade4.visible();
        if (offersMechanism && !page2->lade2.ticked()) {
            ladestreifen.setEnabled(false);
            vergrößert.setEnabled(false);
        }
        if (page2->lade3.ticked()) schall.setEnabled(false);
        // "EM" and "HM" offer the silencer.
        if (page2->modus1.ticked() || page2->modus2.ticked()) schall.setVisible(true);
    }
    // Page 3's gas vent holds the barrel mount.
    if (const InternalPage* page3 = w_.form3.ifLoaded(); page3 && page3->gas.ticked()) abgesägte.setEnabled(false);
    // The class's hides come last, as page 2's set-up makes them after its defaults.
    const std::string key = w_.form1().typ.text();
    for (Box box : classHides(key)) {
        (this->*box).setVisible(false);
        if (box == &AccessoryPage::ladestreifen) vergrößert.setVisible(false);
    }
}

void AccessoryPage::onCommand2Click() {
    w_.form12().takePosition(*this);
    // A disabled hlt3 means an underbarrel accessory holds the mount.
    if (!hlt3.enabled()) {
        w_.form12().Check2.setValue(1);
        for (auto* dialog : w_.dialogs()) (*dialog)().unterlauf.setEnabled(false);
        w_.form12().hlt3.setEnabled(false);
    }
    std::string phrases;
    for (const PhraseRow& row : phraseRows()) {
        // The enlarged clip counts only while it is bought: a size left in the
        // list after the clip's untick is no modification.
        const bool counts = row.box ? (this->*row.box).value() == 1
                                    : ladestreifen.value() == 1 && chosen(vergrößert.text());
        if (counts) phrases += row.phrase;
    }
    w_.publishPhrases(4, std::move(phrases));
    copyTo(w_.form12(), false);
    w_.form12().show();
    hide();
}

void AccessoryPage::onZurückClick() {
    w_.form3().takePosition(*this);
    w_.form3().show();
    w_.form4.unload();
}

void AccessoryPage::onMountAccessoryClick(CheckBox& box) {
    const auto& rows = mountAccessories();
    const auto row = std::find_if(rows.begin(), rows.end(), [&](const CostRow& r) { return &(this->*r.box) == &box; });
    auto others = [&](bool enabled) {
        for (const CostRow& r : rows)
            if (&(this->*r.box) != &box) (this->*r.box).setEnabled(enabled);
        unterlaufwaffe.setEnabled(enabled);
    };
    if (box.value() == 1) {
        hlt3.setText("");
        hlt3.setEnabled(false);
        others(false);
        applyChanges(row->costs, +1);
    }
    if (box.value() == 0) {
        hlt3.setText("Unterlauf");
        hlt3.setEnabled(true);
        others(true);
        applyChanges(row->costs, -1);
    }
}

void AccessoryPage::onUnterlaufwaffeClick() {
    if (unterlaufwaffe.value() == 1) {
        hlt3.setText("");
        hlt3.setEnabled(false);
        for (const CostRow& r : mountAccessories()) (this->*r.box).setEnabled(false);
        for (const CostRow& r : underbarrelWeapons()) (this->*r.box).setEnabled(true);
    }
    if (unterlaufwaffe.value() == 0) {
        hlt3.setText("Unterlauf");
        hlt3.setEnabled(true);
        for (const CostRow& r : mountAccessories()) (this->*r.box).setEnabled(true);
        for (const CostRow& r : underbarrelWeapons()) (this->*r.box).setValue(0);
        for (const CostRow& r : underbarrelWeapons()) (this->*r.box).setEnabled(false);
    }
}

void AccessoryPage::onUnderbarrelWeaponClick(CheckBox& kind) {
    const auto& rows = underbarrelWeapons();
    const auto row = std::find_if(rows.begin(), rows.end(), [&](const CostRow& r) { return &(this->*r.box) == &kind; });
    auto others = [&](bool enabled) {
        for (const CostRow& r : rows)
            if (&(this->*r.box) != &kind) (this->*r.box).setEnabled(enabled);
    };
    if (kind.value() == 1) {
        applyChanges(row->costs, +1);
        others(false);
    }
    if (kind.value() == 0) {
        applyChanges(row->costs, -1);
        others(true);
    }
}

void AccessoryPage::onFixedOptionClick(CheckBox& box) {
    const auto& rows = fixedOptions();
    const auto row = std::find_if(rows.begin(), rows.end(), [&](const FixedRow& r) { return &(this->*r.box) == &box; });
    if (box.value() == 1) {
        if (row->takesBarrel) hlt.setText("");
        applyChanges(row->costs, +1);
        if (row->locks) (this->*row->locks).setEnabled(false);
    }
    if (box.value() == 0) {
        if (row->takesBarrel) hlt.setText("Lauf");
        applyChanges(row->costs, -1);
        if (row->locks) (this->*row->locks).setEnabled(true);
    }
}

void AccessoryPage::chargeClip() {
    // No size chosen, or no capacity on page 3 to compare with: nothing to charge.
    const auto size = number::parse(vergrößert.text());
    if (!size || *size == 0) return;
    const auto capacity = number::parse(w_.form3().cap.text());
    if (!capacity) return;
    cap.setText(vergrößert.text());
    const double charge = *size - *capacity;
    number::add(dp, charge);
    clipCharge_ = charge;
}

void AccessoryPage::onLadestreifenClick() {
    if (ladestreifen.value() == 1) chargeClip();
    if (ladestreifen.value() == 0 && clipCharge_) {
        // Refund exactly what the tick charged, whatever the list shows now.
        cap.setText(w_.form3().cap.text());
        number::add(dp, -*clipCharge_);
        clipCharge_.reset();
    }
}

void AccessoryPage::onVergrößertClick() {
    // While the clip is locked, or page 3 has no capacity to price it
    // against, a pick is taken back.
    const bool locked = !ladestreifen.enabled() || !ladestreifen.visible();
    if (locked || !number::parse(w_.form3().cap.text())) {
        vergrößert.setText(acceptedSize_);
        return;
    }
    acceptedSize_ = vergrößert.text();
    if (!chosen(vergrößert.text())) return;
    if (ladestreifen.value() == 0)
        ladestreifen.setValue(1);
    else if (!clipCharge_)
        chargeClip();  // ticked before a size was chosen: charge it now
}

void AccessoryPage::onAutomodusClick() {
    if (automodus.value() == 1) {
        bool rewrote = true;
        if (pwr.text() == "HM/SM")
            pwr.setText("HM/AM");
        else if (pwr.text() == "SM")
            pwr.setText("AM");
        else
            rewrote = false;
        if (rewrote) {
            autoRewrote_ = true;
            applyChanges(automodusCosts, +1);
        }
    }
    if (automodus.value() == 0 && autoRewrote_) {
        // Only a rewrite of this box's own tick is reversed.
        autoRewrote_ = false;
        bool rewrote = true;
        if (pwr.text() == "HM/AM")
            pwr.setText("HM/SM");
        else if (pwr.text() == "AM")
            pwr.setText("SM");
        else
            rewrote = false;
        if (rewrote) applyChanges(automodusCosts, -1);
    }
}

void AccessoryPage::onBioClick() {
    if (bio.value() == 1) {
        applyChanges(bioCosts, +1);
        sekundär.setEnabled(true);
    }
    if (bio.value() == 0) {
        applyChanges(bioCosts, -1);
        sekundär.setEnabled(false);
        sekundär.setValue(0);
    }
}

void AccessoryPage::onSekundärClick() {
    if (sekundär.value() == 1) {
        bio.setValue(1);
        griffdornen.setEnabled(true);
        sprühsystem.setEnabled(true);
        elektroshock.setEnabled(true);
        applyChanges(sekundärCosts, +1);
    }
    if (sekundär.value() == 0) {
        griffdornen.setValue(0);
        elektroshock.setValue(0);
        sprühsystem.setValue(0);
        griffdornen.setEnabled(false);
        sprühsystem.setEnabled(false);
        elektroshock.setEnabled(false);
        applyChanges(sekundärCosts, -1);
    }
}

void AccessoryPage::onSecondaryOptionClick(CheckBox& option) {
    auto others = [&](bool enabled) {
        for (CheckBox* other : {&griffdornen, &sprühsystem, &elektroshock})
            if (other != &option) other->setEnabled(enabled);
    };
    if (option.value() == 1) {
        sekundär.setValue(1);
        bio.setValue(1);
        others(false);
    }
    if (option.value() == 0) others(true);
}

}  // namespace ferrolith
