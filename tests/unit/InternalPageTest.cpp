// Page 3: set-up per class, forward and back, the FKE guard, the gas vent with
// the barrel mount and its lock on page 4, the internal smartgun priced by class
// with its lock on page 5, voice activation, tooltips and phrases.
// Expected sheets are worked out by hand from page 2's first sheet per class
// and the option costs.

#include "WalkHelpers.h"

#include <functional>
#include <string>
#include <vector>

using namespace ferrolith;
using walk::click;
using walk::sheet;

namespace {

// Records each message together with what the page showed at that moment.
struct WatchingMessageBox : forms::MessageBoxPort {
    std::function<std::string()> look;
    std::vector<std::string> prompts;
    std::vector<std::string> seen;
    void show(const std::string& prompt, const std::string&, forms::MessageIcon) override {
        prompts.push_back(prompt);
        seen.push_back(look ? look() : "");
    }
};

// The fields the options of page 3 charge, in the order the rows below give them.
constexpr const char* costs = "kpd trn gew fke dp";
using walk::Texts;

using InternalPageTest = walk::PageWalk;
using InternalPageSetUpTest = InternalPageTest;
using InternalPageNavigationTest = InternalPageTest;
using InternalPageGasVentTest = InternalPageTest;
using InternalPageSmartgunTest = InternalPageTest;
using InternalPageSoundTest = InternalPageTest;

}  // namespace

// ---------------------------------------------------------------- set-up

TEST_F(InternalPageSetUpTest, NewPageShowsItsControlsUntickedAndVoiceActivationDisabled) {
    InternalPage& p3 = page3("Sturmgewehr");
    EXPECT_EQ(p3.caption(), "\"Ferrolith\" - Seite 3");
    EXPECT_EQ(p3.Frame4.caption(), "Sturmgewehr");
    EXPECT_EQ(p3.sheetFrame.name(), "Frame3");
    EXPECT_TRUE(p3.shown());
    EXPECT_FALSE(w.form2().shown());
    const std::pair<forms::CheckBox*, const char*> boxes[] = {
        {&p3.gestaltung, "Persönliche Gestaltung"}, {&p3.gravur, "Prägung / Gravur"},
        {&p3.gas, "Gasventil"}, {&p3.gas2, "Gasventil 2"}, {&p3.gas3, "Gasventil 3"}, {&p3.gas4, "Gasventil 4"},
        {&p3.smartintern, "Smartgunsystem (intern)"}, {&p3.smartintern1, "Smart 1"},
        {&p3.smartintern2, "Smart 2"}, {&p3.stimm, "Stimmaktivierung"}};
    for (auto [box, caption] : boxes) {
        SCOPED_TRACE(box->name());
        EXPECT_EQ(box->caption(), caption);
        EXPECT_EQ(box->value(), 0);
        EXPECT_TRUE(box->visible());
        EXPECT_EQ(box->enabled(), box != &p3.stimm);
    }
    EXPECT_EQ(p3.Frame6.caption(), "Kosmetische Modifikationen");
    EXPECT_EQ(p3.Frame8.caption(), "Internes Zubehör");
    EXPECT_EQ(p3.Command3.caption(), "&Zurück");
    EXPECT_EQ(p3.Command2.caption(), "&Weiter");
}

TEST_F(InternalPageSetUpTest, CreatesPageFourWithItsOwnEmptyKeyAndZeroes) {
    // "Sturmgewehr" creates no page beyond page 2 before page 2's "&Weiter",
    // whose first touch creates page 3 and, inside its set-up, page 4.
    s.chooseClass("Sturmgewehr");
    ASSERT_FALSE(w.form3.loaded());
    ASSERT_FALSE(w.form4.loaded());
    walk::forwardTo(w, 3);
    InternalPage& p3 = w.form3();
    ASSERT_EQ(p3.typ.text(), "Sturmgewehr");
    ASSERT_TRUE(w.form4.loaded());
    EXPECT_FALSE(w.form4().shown());
    EXPECT_EQ(walk::texts(w.form4(), "typ fke dp"), (walk::Texts{"", "0", "0"}));
    EXPECT_TRUE(s.messages.shown.empty());
}

TEST_F(InternalPageSetUpTest, TakesPageTwosPositionAndClassWhenCreated) {
    s.chooseClass("Maschinenpistole");
    w.runtime().userMove(w.form2(), 1200, 900);
    InternalPage& p3 = w.form3();
    EXPECT_EQ(p3.left(), 1200);
    EXPECT_EQ(p3.top(), 900);
    EXPECT_EQ(p3.Frame4.caption(), "Maschinenpistole");
    // The twelve fields come from page 2 as they stand; typ, fke and dp do not.
    EXPECT_EQ(walk::texts(p3, "pwr trn gew hlt3 typ fke dp"),
              (walk::Texts{"HM/SM", "4", "4", "Unterlauf", "", "0", "0"}));
}

// ------------------------------------------------- per class: offer and smartgun price

struct ClassRow {
    const char* key;
    const char* baseDp;  // page 2's first DP, carried to page 3
    const char* smart1Dp;  // DP after ticking "Smart 1"
    const char* smart2Dp;  // DP after ticking "Smart 2"
    bool gasOffered;
};

class InternalPageClassTest : public walk::PageWalk, public ::testing::WithParamInterface<ClassRow> {};

TEST_P(InternalPageClassTest, OffersTheGasVentOnlyWithABarrelMountAndPricesTheSmartgunByClass) {
    const ClassRow& c = GetParam();
    InternalPage& p3 = page3(c.key);
    EXPECT_EQ(p3.Frame4.caption(), c.key);
    for (forms::CheckBox* box : {&p3.gas, &p3.gas2, &p3.gas3, &p3.gas4}) EXPECT_EQ(box->enabled(), c.gasOffered);
    for (forms::CheckBox* box : {&p3.gestaltung, &p3.gravur, &p3.smartintern, &p3.smartintern1, &p3.smartintern2})
        EXPECT_TRUE(box->enabled());

    ASSERT_EQ(p3.dp.text(), c.baseDp);
    click(p3.smartintern1);
    EXPECT_EQ(p3.dp.text(), c.smart1Dp);
    click(p3.smartintern1);
    EXPECT_EQ(p3.dp.text(), c.baseDp);
    click(p3.smartintern2);
    EXPECT_EQ(p3.dp.text(), c.smart2Dp);
    click(p3.smartintern2);
    EXPECT_EQ(p3.dp.text(), c.baseDp);
}

// Smart 1 adds the base DP, Smart 2 one and a half times it, a half rounded up.
INSTANTIATE_TEST_SUITE_P(AllClasses, InternalPageClassTest,
                         ::testing::Values(ClassRow{"Holdout Pistole", "25", "50", "63", false},
                                           ClassRow{"Leichte Pistole", "90", "180", "225", true},
                                           ClassRow{"Automatische Pistole", "180", "360", "450", true},
                                           ClassRow{"Schwere Pistole", "120", "240", "300", true},
                                           ClassRow{"Maschinenpistole", "100", "200", "250", true},
                                           ClassRow{"Schrotflinte", "130", "260", "325", true},
                                           ClassRow{"Taser", "200", "400", "500", false},
                                           ClassRow{"Sportgewehr", "125", "250", "313", true},
                                           ClassRow{"Sturmgewehr", "225", "450", "563", true},
                                           ClassRow{"Scharfschützengewehr", "800", "1600", "2000", true},
                                           ClassRow{"LMG", "425", "850", "1063", true},
                                           ClassRow{"MMG", "700", "1400", "1750", true},
                                           ClassRow{"SMG", "1000", "2000", "2500", true},
                                           ClassRow{"Sturmkanone", "1400", "2800", "3500", true}),
                         [](const auto& info) {
                             std::string name;
                             for (char ch : std::string(info.param.key))
                                 if (std::isalnum(static_cast<unsigned char>(ch))) name += ch;
                             return name;
                         });

TEST(InternalPageSmartgunPrice, KeyThatIsNoClassCostsNothing) {
    EXPECT_EQ(InternalPage::smartgunDp(1, "holdout pistole"), 0);
    EXPECT_EQ(InternalPage::smartgunDp(2, ""), 0);
}

// ---------------------------------------------------------------- gas vent

TEST_F(InternalPageGasVentTest, LevelTakesTheBarrelMountLocksSawnOffAndChargesThenGivesAllBack) {
    InternalPage& p3 = page3("Schrotflinte");
    EXPECT_EQ(walk::texts(p3, costs), (Texts{"0", "3", "4,5", "2,5", "130"}));
    ASSERT_EQ(p3.hlt.text(), "Lauf");

    click(p3.gas3);
    EXPECT_EQ(p3.gas.value(), 1);
    EXPECT_EQ(p3.hlt.text(), "");
    EXPECT_FALSE(w.form4().abgesägte.enabled());
    EXPECT_FALSE(p3.gas2.enabled());
    EXPECT_FALSE(p3.gas4.enabled());
    EXPECT_EQ(walk::texts(p3, costs), (Texts{"3", "1", "5,25", "1,75", "270"}));

    click(p3.gas3);
    EXPECT_EQ(p3.gas.value(), 0);
    EXPECT_EQ(p3.hlt.text(), "Lauf");
    EXPECT_TRUE(w.form4().abgesägte.enabled());
    EXPECT_TRUE(p3.gas2.enabled());
    EXPECT_TRUE(p3.gas4.enabled());
    EXPECT_EQ(walk::texts(p3, costs), (Texts{"0", "3", "4,5", "2,5", "130"}));
}

TEST_F(InternalPageGasVentTest, UntickingTheParentUnticksTheLevelAndRefundsIt) {
    InternalPage& p3 = page3("Sturmgewehr");
    EXPECT_EQ(walk::texts(p3, costs), (Texts{"0", "3", "6", "3", "225"}));
    click(p3.gas4);
    EXPECT_EQ(walk::texts(p3, costs), (Texts{"4", "1", "6,75", "2", "425"}));
    EXPECT_FALSE(p3.gas2.enabled());
    EXPECT_FALSE(p3.gas3.enabled());

    click(p3.gas);
    EXPECT_EQ(p3.gas4.value(), 0);
    EXPECT_EQ(walk::texts(p3, costs), (Texts{"0", "3", "6", "3", "225"}));
    EXPECT_TRUE(p3.gas2.enabled());
    EXPECT_TRUE(p3.gas3.enabled());
    EXPECT_EQ(p3.hlt.text(), "Lauf");
    EXPECT_TRUE(w.form4().abgesägte.enabled());
}

TEST_F(InternalPageGasVentTest, ParentsAloneCostNothingAndAddNoPhrase) {
    InternalPage& p3 = page3("Sportgewehr");
    const auto start = sheet(p3);
    click(p3.gas);
    EXPECT_EQ(p3.hlt.text(), "");
    EXPECT_FALSE(w.form4().abgesägte.enabled());
    for (forms::CheckBox* level : {&p3.gas2, &p3.gas3, &p3.gas4}) EXPECT_TRUE(level->enabled());
    auto expected = start;
    expected["hlt"] = "";
    EXPECT_EQ(sheet(p3), expected);

    click(p3.smartintern);
    click(p3.Command2);
    EXPECT_EQ(w.modifications.phrases(3), "");
    EXPECT_EQ(w.form4().hlt.text(), "");
}

// ---------------------------------------------------------------- smartgun and voice

TEST_F(InternalPageSmartgunTest, VoiceActivationIsOfferedOnlyWithASmartgunLevel) {
    InternalPage& p3 = page3("Leichte Pistole");
    EXPECT_EQ(walk::texts(p3, costs), (Texts{"0", "6", "1,25", "1,5", "90"}));
    click(p3.stimm);
    EXPECT_EQ(p3.stimm.value(), 0);

    click(p3.smartintern1);
    EXPECT_TRUE(p3.stimm.enabled());
    EXPECT_FALSE(p3.smartintern2.enabled());
    EXPECT_EQ(walk::texts(p3, costs), (Texts{"0", "6", "1,75", "1", "180"}));
    click(p3.stimm);
    EXPECT_EQ(walk::texts(p3, costs), (Texts{"0", "6", "1,75", "0,75", "230"}));
    click(p3.stimm);
    EXPECT_EQ(walk::texts(p3, costs), (Texts{"0", "6", "1,75", "1", "180"}));

    click(p3.smartintern1);
    EXPECT_FALSE(p3.stimm.enabled());
    click(p3.smartintern2);
    EXPECT_TRUE(p3.stimm.enabled());
    EXPECT_FALSE(p3.smartintern1.enabled());
}

TEST_F(InternalPageSmartgunTest, SmartTwoAddsAQuarterKiloToTheWeight) {
    InternalPage& p3 = page3("Taser");
    ASSERT_EQ(p3.gew.text(), "2,5");
    click(p3.smartintern2);
    EXPECT_EQ(p3.gew.text(), "2,75");
    EXPECT_EQ(p3.fke.text(), "0,5");
}

TEST_F(InternalPageSmartgunTest, FkeMessageComesBeforeTheClassDpIsAdded) {
    InternalPage& p3 = page3("Automatische Pistole");
    WatchingMessageBox watch;
    watch.look = [&] { return p3.dp.text() + (p3.Command2.enabled() ? " enabled" : " disabled"); };
    w.runtime().setPorts(&watch, &s.saveDialog, &s.end);
    click(p3.gas3);  // FKE 1 -> 0,25, DP 180 -> 320
    ASSERT_EQ(p3.fke.text(), "0,25");
    EXPECT_TRUE(watch.prompts.empty());

    click(p3.smartintern1);
    EXPECT_EQ(p3.fke.text(), "-0,25");
    ASSERT_EQ(watch.prompts, std::vector<std::string>{"FKE darf nicht unter 0 liegen !"});
    EXPECT_EQ(watch.seen[0], "320 disabled");
    EXPECT_EQ(p3.dp.text(), "500");
    EXPECT_FALSE(p3.Command2.enabled());

    // "&Weiter" takes no click while FKE is below 0.
    click(p3.Command2);
    EXPECT_TRUE(p3.shown());
    EXPECT_FALSE(w.form4().shown());

    click(p3.smartintern1);
    EXPECT_EQ(p3.fke.text(), "0,25");
    EXPECT_TRUE(p3.Command2.enabled());
    EXPECT_EQ(watch.prompts.size(), 1u);
}

TEST_F(InternalPageSmartgunTest, ParentLocksExternalSmartgunCreatingPageFive) {
    InternalPage& p3 = page3("Sturmgewehr");
    ASSERT_FALSE(w.form12.loaded());
    const auto start = sheet(p3);
    click(p3.smartintern);
    ASSERT_TRUE(w.form12.loaded());
    EXPECT_TRUE(w.form5.loaded());
    EXPECT_FALSE(w.form12().smartextern.enabled());
    EXPECT_EQ(sheet(p3), start);
    EXPECT_FALSE(p3.stimm.enabled());

    click(p3.smartintern);
    EXPECT_TRUE(w.form12().smartextern.enabled());
}

TEST_F(InternalPageSmartgunTest, UntickingTheParentUnticksTheLevelAndRefundsIt) {
    InternalPage& p3 = page3("Sturmgewehr");
    click(p3.smartintern2);
    EXPECT_EQ(p3.smartintern.value(), 1);
    EXPECT_EQ(walk::texts(p3, costs), (Texts{"0", "3", "6,25", "2,5", "563"}));
    EXPECT_FALSE(w.form12().smartextern.enabled());

    click(p3.smartintern);
    EXPECT_EQ(p3.smartintern2.value(), 0);
    EXPECT_TRUE(p3.smartintern1.enabled());
    EXPECT_FALSE(p3.stimm.enabled());
    EXPECT_EQ(walk::texts(p3, costs), (Texts{"0", "3", "6", "3", "225"}));
    EXPECT_TRUE(w.form12().smartextern.enabled());
}

TEST_F(InternalPageSmartgunTest, TooltipsShowTheCostsOnceTheMouseMovesOverABox) {
    InternalPage& p3 = page3("Sturmgewehr");
    const std::pair<forms::CheckBox*, const char*> tips[] = {
        {&p3.gestaltung, "DP +20"},
        {&p3.gravur, "DP +20"},
        {&p3.gas2, "Tarnstufe -1, DP +90, FKE -0.5, Gewicht +0.5, Rückstoßkompensation +2"},
        {&p3.gas3, "Tarnstufe -2, DP +140, FKE -0.75, Gewicht +0.75, Rückstoßkompensation +3"},
        {&p3.gas4, "Tarnstufe -2, DP +200, FKE -1, Gewicht +0.75, Rückstoßkompensation +4"},
        {&p3.smartintern1, "DP +Basis-DP des Rahmens, FKE -0.5, Gewicht +0.5"},
        {&p3.smartintern2, "DP +1.5 x Basis-DP des Rahmens, FKE -0.5, Gewicht +0.25"},
        {&p3.stimm, "DP +50, FKE -0.25"}};
    for (auto [box, tip] : tips) {
        EXPECT_EQ(box->toolTip(), "");
        w.runtime().userMouseMove(*box);
        EXPECT_EQ(box->toolTip(), tip) << box->name();
    }
    for (forms::CheckBox* parent : {&p3.gas, &p3.smartintern}) {
        w.runtime().userMouseMove(*parent);
        EXPECT_EQ(parent->toolTip(), "");
    }
}

TEST_F(InternalPageSmartgunTest, EveryBoxTickedAndUntickedLeavesTheSheetAsItWas) {
    InternalPage& p3 = page3("Schwere Pistole");
    const auto start = sheet(p3);
    for (forms::CheckBox* box : {&p3.gestaltung, &p3.gravur, &p3.gas, &p3.gas2, &p3.gas3, &p3.gas4, &p3.smartintern,
                                 &p3.smartintern1, &p3.smartintern2}) {
        SCOPED_TRACE(box->name());
        click(*box);
        EXPECT_EQ(box->value(), 1);
        if (box != &p3.smartintern) {
            EXPECT_NE(sheet(p3), start);
        }
        click(*box);
        EXPECT_EQ(box->value(), 0);
        EXPECT_EQ(sheet(p3), start);
    }
    click(p3.smartintern1);
    const auto withSmartgun = sheet(p3);
    click(p3.stimm);
    EXPECT_NE(sheet(p3), withSmartgun);
    click(p3.stimm);
    EXPECT_EQ(sheet(p3), withSmartgun);
    click(p3.smartintern1);
    EXPECT_EQ(sheet(p3), start);
}

// ---------------------------------------------------------------- forward and back

TEST_F(InternalPageNavigationTest, ForwardListsThePhrasesInOrderAndCopiesTheSheet) {
    InternalPage& p3 = page3("Sturmgewehr");
    w.runtime().userMove(p3, 700, 400);
    for (forms::CheckBox* box : {&p3.gravur, &p3.gas3, &p3.smartintern2, &p3.stimm}) click(*box);
    EXPECT_EQ(walk::texts(p3, costs), (Texts{"3", "1", "7", "1,5", "773"}));

    click(p3.Command2);
    EXPECT_EQ(w.modifications.phrases(3), ", Gravur, Gasventil (3), Smartgun intern (2), Stimmaktivierung");
    const std::string list = w.form5().Text1.text();
    EXPECT_EQ(list.substr(list.size() - w.modifications.phrases(3).size()), w.modifications.phrases(3));
    AccessoryPage& p4 = w.form4();
    EXPECT_EQ(sheet(p4), sheet(p3));
    EXPECT_EQ(p4.typ.text(), "Sturmgewehr");
    EXPECT_EQ(p4.hlt.text(), "");
    EXPECT_EQ(p4.left(), 700);
    EXPECT_EQ(p4.top(), 400);
    EXPECT_TRUE(p4.shown());
    EXPECT_FALSE(p3.shown());
    ASSERT_TRUE(w.form3.loaded());
    EXPECT_EQ(p3.gas3.value(), 1);
}

TEST_F(InternalPageNavigationTest, EveryPhraseInItsOrder) {
    InternalPage& p3 = page3("LMG");
    // Ticked in reverse order of the list.
    for (forms::CheckBox* box : {&p3.smartintern1, &p3.stimm, &p3.gas2, &p3.gravur, &p3.gestaltung}) click(*box);
    click(p3.Command2);
    EXPECT_EQ(w.modifications.phrases(3),
              ", persönliche Gestaltung, Gravur, Gasventil (2), Smartgun intern (1), Stimmaktivierung");
}

TEST_F(InternalPageNavigationTest, BackShowsPageTwoAsItWasAndForgetsPageThree) {
    InternalPage& p3 = page3("Schrotflinte");
    const auto page2Sheet = sheet(w.form2());
    w.runtime().userMove(p3, 300, 200);
    click(p3.gas2);
    click(p3.Command3);
    EXPECT_FALSE(w.form3.loaded());
    EXPECT_FALSE(w.form4().shown());
    EXPECT_TRUE(w.form2().shown());
    EXPECT_EQ(w.form2().left(), 300);
    EXPECT_EQ(w.form2().top(), 200);
    EXPECT_EQ(sheet(w.form2()), page2Sheet);

    walk::forwardTo(w, 3);
    InternalPage& again = w.form3();
    EXPECT_EQ(again.gas2.value(), 0);
    EXPECT_EQ(again.gas.value(), 0);
    EXPECT_EQ(again.hlt.text(), "Lauf");
}

// ---------------------------------------------------------------- sound behaviour

TEST_F(InternalPageSoundTest, HoldoutPistolHasNoGasVentToTick) {
    InternalPage& p3 = page3("Holdout Pistole");
    ASSERT_EQ(p3.hlt.text(), "-");
    for (forms::CheckBox* box : {&p3.gas, &p3.gas2, &p3.gas3, &p3.gas4}) {
        EXPECT_FALSE(box->enabled());
        click(*box);
        EXPECT_EQ(box->value(), 0);
    }
    EXPECT_EQ(p3.hlt.text(), "-");
    EXPECT_EQ(p3.dp.text(), "25");
}

TEST_F(InternalPageSoundTest, TakingTheSmartgunAwayTakesVoiceActivationWithIt) {
    InternalPage& p3 = page3("Schwere Pistole");
    const auto start = sheet(p3);

    // The level unticked directly.
    click(p3.smartintern1);
    click(p3.stimm);
    click(p3.smartintern1);
    EXPECT_EQ(p3.stimm.value(), 0);
    EXPECT_FALSE(p3.stimm.enabled());
    EXPECT_EQ(sheet(p3), start);

    // The level unticked through the parent.
    click(p3.smartintern2);
    click(p3.stimm);
    click(p3.smartintern);
    EXPECT_EQ(p3.smartintern2.value(), 0);
    EXPECT_EQ(p3.stimm.value(), 0);
    EXPECT_FALSE(p3.stimm.enabled());
    EXPECT_EQ(sheet(p3), start);

    click(p3.Command2);
    EXPECT_EQ(w.modifications.phrases(3), "");
}

TEST_F(InternalPageSoundTest, HoldoutPistolKeepsPageFivesLockOnTheExternalSmartgun) {
    InternalPage& p3 = page3("Holdout Pistole");
    click(p3.smartintern);
    click(p3.smartintern);
    EXPECT_FALSE(w.form12().smartextern.enabled());
    click(p3.smartintern1);
    click(p3.Command3);
    EXPECT_FALSE(w.form12().smartextern.enabled());
}

TEST_F(InternalPageSoundTest, BackGivesTheLocksOfTickedOptionsBack) {
    InternalPage& p3 = page3("Schrotflinte");
    click(p3.gas2);
    click(p3.smartintern1);
    ASSERT_FALSE(w.form4().abgesägte.enabled());
    ASSERT_FALSE(w.form12().smartextern.enabled());
    click(p3.Command3);
    EXPECT_TRUE(w.form4().abgesägte.enabled());
    EXPECT_TRUE(w.form12().smartextern.enabled());

    // A fresh page 3 without a gas vent leaves the sawn-off shotgun offered.
    walk::forwardTo(w, 3);
    InternalPage& again = w.form3();
    EXPECT_EQ(again.gas.value(), 0);
    EXPECT_TRUE(w.form4().abgesägte.enabled());
}

TEST_F(InternalPageSoundTest, BackCreatesNoPageToGiveALockBack) {
    InternalPage& p3 = page3("Sturmgewehr");
    click(p3.gas4);
    click(p3.Command2);
    click(w.form4().Zurück);
    ASSERT_FALSE(w.form4.loaded());
    ASSERT_FALSE(w.form12.loaded());
    click(p3.Command3);
    EXPECT_FALSE(w.form3.loaded());
    EXPECT_FALSE(w.form4.loaded());
    EXPECT_FALSE(w.form12.loaded());
    EXPECT_TRUE(s.messages.shown.empty());
}

