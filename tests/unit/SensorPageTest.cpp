// Page 5: set-up per class, forward and back actions, FKE guard, and the
// mountable items with their sub-options, walked through the same calls the
// view makes. Expected texts are worked out by hand from the cost tables,
// starting from the sheet trn 6, gew 2,75, fke 2, dp 500.

#include "WalkHelpers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using ferrolith::CompletionPage;
using ferrolith::MountDialog;
using ferrolith::SensorPage;
using forms::CheckBox;
using walk::click;

namespace {

using walk::Texts;
// The fields the items charge, in the order the rows below give them.
constexpr const char* costs = "trn gew fke dp";
const Texts start{"6", "2,75", "2", "500"};

class SensorPageWalk : public walk::Page5Walk {
protected:
    Texts sheet() const { return walk::texts(*p, costs); }
    std::vector<CheckBox*> items() {
        return {&p->smartextern, &p->ultraschall, &p->entfernungsmesser, &p->sichtgerät, &p->laserziel, &p->laser};
    }
    std::vector<CheckBox*> subOptions() {
        return {&p->smartextern1, &p->smartextern2, &p->v1,    &p->v2,     &p->v3,
                &p->blitz,        &p->licht,        &p->guncam, &p->IR,     &p->niederenergetisch,
                &p->hochenergetisch};
    }
};

// ---------------------------------------------------------------- set-up

struct ClassSetup {
    const char* key;
    bool itemsOffered;
    int check2;
};

class SensorPageSetup : public SensorPageWalk, public ::testing::WithParamInterface<ClassSetup> {};

TEST_P(SensorPageSetup, CaptionItemsAndUnderbarrelFlagPerClass) {
    const ClassSetup& c = GetParam();
    open(c.key);
    EXPECT_EQ(p->caption(), "\"Ferrolith\" - Seite 5");
    EXPECT_EQ(p->Frame1.caption(), c.key);
    for (CheckBox* item : items()) {
        EXPECT_EQ(item->enabled(), c.itemsOffered) << item->name();
        EXPECT_EQ(item->value(), 0) << item->name();
    }
    for (CheckBox* sub : subOptions()) {
        EXPECT_FALSE(sub->enabled()) << sub->name();
        EXPECT_EQ(sub->value(), 0) << sub->name();
    }
    EXPECT_FALSE(p->Check1.visible());
    EXPECT_FALSE(p->Check2.visible());
    EXPECT_EQ(p->Check1.value(), 0);
    EXPECT_EQ(p->Check2.value(), c.check2);
    EXPECT_TRUE(w.form5.loaded()) << "the set-up creates page 6";
}

INSTANTIATE_TEST_SUITE_P(
    SensorPage, SensorPageSetup,
    ::testing::Values(ClassSetup{"Holdout Pistole", false, 0},
                      ClassSetup{"Leichte Pistole", true, 1},
                      ClassSetup{"Automatische Pistole", true, 1},
                      ClassSetup{"Schwere Pistole", true, 0},
                      ClassSetup{"Maschinenpistole", true, 0},
                      ClassSetup{"Schrotflinte", true, 0}, ClassSetup{"Taser", true, 1},
                      ClassSetup{"Sportgewehr", true, 0},
                      ClassSetup{"Sturmgewehr", true, 0},
                      ClassSetup{"Scharfschützengewehr", true, 0},
                      ClassSetup{"LMG", true, 0}, ClassSetup{"MMG", true, 0},
                      ClassSetup{"SMG", true, 0}, ClassSetup{"Sturmkanone", true, 0}),
    [](const auto& info) { return walk::testName(info.param.key); });

TEST_F(SensorPageWalk, SetupCopiesTenFieldsFromPage2) {
    chooseOnly("Sturmgewehr");
    auto& p2 = w.form2();
    w.form12.unload();
    const walk::Sheet copied{{"pwn", "11"}, {"snw", "S"}, {"pwr", "SM/AM"},  {"trn", "4"}, {"trnkera", "+ 2"},
                             {"gew", "3,5"}, {"cap", "30"}, {"lmm", "Magazin"}, {"hlt", ""}, {"kpd", "2"}};
    walk::write(p2, walk::with(copied, {{"fke", "3"}, {"dp", "777"}, {"Gurt", "/ Gurt"}, {"hlt2", ""}, {"hlt3", ""}}));

    SensorPage& page = w.form12();
    for (const auto& [field, text] : copied) EXPECT_EQ(page.field(field).text(), text) << field;
    // Neither FKE, DP, belt nor the top and underbarrel mounts are copied.
    EXPECT_EQ(walk::texts(page, "fke dp Gurt hlt2 hlt3"), (walk::Texts{"0", "0", "/ -", "Aufmontiert", "Unterlauf"}));
}

TEST_F(SensorPageWalk, SetupForSchwerePistoleCopiesFromPage3AndTakesItsFke) {
    chooseOnly("Schwere Pistole");
    auto& p2 = w.form2();
    auto& p3 = w.form3();
    w.form12.unload();
    p2.pwn.setText("1");
    p2.trnkera.setText("+ 4");
    p3.pwn.setText("9");
    p3.trn.setText("3");
    p3.trnkera.setText("+ 2");
    p3.fke.setText("-0,5");
    messages.shown.clear();

    SensorPage& page = w.form12();
    EXPECT_EQ(page.pwn.text(), "9");
    EXPECT_EQ(page.trn.text(), "3");
    EXPECT_EQ(page.trnkera.text(), "+ 4") << "trnkera comes from page 2";
    EXPECT_EQ(page.fke.text(), "-0,5");
    // FKE below 0 arrives with the copy: the guard warns at once.
    EXPECT_FALSE(page.Command2.enabled());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].prompt, "FKE darf nicht unter 0 liegen !");
}

// ---------------------------------------------------------------- forward and back

TEST_F(SensorPageWalk, ForwardListsPhrasesInOrderWithSightOptionsAfterTheSight) {
    open();
    mount(p->sichtgerät);
    click(p->IR);
    click(p->v2);
    mount(p->laser, false);
    click(p->hochenergetisch);
    click(p->Command2);
    EXPECT_EQ(w.modifications.phrases(5),
              ", Sichtgerät mit Vergrößerung (2) mit Infrarot, Lasermarkierer (hochenergetisch)");
    EXPECT_EQ(w.form5().Text1.text(),
              "Rahmen, Sichtgerät mit Vergrößerung (2) mit Infrarot, Lasermarkierer (hochenergetisch)");
}

TEST_F(SensorPageWalk, ParentsWithoutLevelListNothing) {
    open();
    mount(p->smartextern);
    mount(p->laser, false);
    click(p->Command2);
    EXPECT_EQ(w.modifications.phrases(5), "");
    EXPECT_EQ(w.form5().Text1.text(), "Rahmen");
}

TEST_F(SensorPageWalk, ForwardHidesTakenMountsOnPage6AndCopiesTheSheet) {
    open();
    p->setLeft(300);
    p->setTop(200);
    p->hlt.setText("");
    p->kpd.setText("3");
    p->Gurt.setText("/ Gurt");
    mount(p->entfernungsmesser);  // top mount
    click(p->Command2);
    CompletionPage& six = w.form5();
    EXPECT_FALSE(six.hlt2.visible());
    EXPECT_TRUE(six.hlt3.visible());
    EXPECT_TRUE(six.hlt.visible()) << "an empty but enabled barrel mount stays visible";
    EXPECT_EQ(walk::texts(six, "hlt2 hlt3 hlt fke dp gew kpd Gurt"),
              (walk::Texts{"", "Unterlauf", "", "1,75", "530", "2,85", "3", "/ Gurt"}));
    EXPECT_EQ(six.left(), 300);
    EXPECT_EQ(six.top(), 200);
    EXPECT_TRUE(six.shown());
    EXPECT_FALSE(p->shown());
    EXPECT_TRUE(w.form12.loaded());
}

TEST_F(SensorPageWalk, HoldoutForwardListsNothingAndCopiesTheSheetUnchanged) {
    open("Holdout Pistole");
    click(p->Command2);
    EXPECT_EQ(w.form5().Text1.text(), "Rahmen");
    EXPECT_EQ(w.form5().dp.text(), "500");
    EXPECT_EQ(w.form5().trn.text(), "6");
}

TEST_F(SensorPageWalk, BackShowsPage4AndUnloadsPage5Page6AndTheDialogsInOrder) {
    open();
    mount(p->laserziel);
    click(p->Command2);
    w.form5().hide();
    p->show();
    p->setLeft(120);
    p->setTop(80);
    walk::UnloadRecorder recorder;
    w.runtime().setObserver(&recorder);
    click(p->Zurück);
    w.runtime().setObserver(nullptr);
    EXPECT_EQ(recorder.names, (std::vector<std::string>{"Form12", "Form5", "form6", "Form7", "Form8", "Form9",
                                                           "Form10", "Form11"}));
    EXPECT_TRUE(w.form4.loaded());
    EXPECT_TRUE(w.form4().shown());
    EXPECT_EQ(w.form4().left(), 120);
    EXPECT_EQ(w.form4().top(), 80);
    EXPECT_EQ(w.modifications.phrases(5), "") << "page 5's phrases leave with it";
}

TEST_F(SensorPageWalk, BackUnloadsNoDialogThatWasNeverCreated) {
    open();
    ASSERT_FALSE(w.form6.loaded());
    click(p->Zurück);
    for (auto* slot : w.dialogs()) EXPECT_FALSE(slot->loaded());
}

// The whole road with page 4's bipod: the underbarrel mount arrives taken,
// a dialog takes the top mount, page 6 hides both, and going back from page 5
// gives a fresh page 6 without page 5's phrases.
TEST_F(SensorPageWalk, RoadWithBipodAndTopMount) {
    s.chooseClass("Sturmgewehr");
    walk::forwardTo(w, 4);
    click(w.form4().zweibein);
    click(w.form4().Command2);
    p = &w.form12();
    ASSERT_TRUE(p->shown());
    walk::expectUnderbarrelTaken(w);
    for (auto* d : w.dialogs())
        EXPECT_TRUE((*d)().aufmontiert.visible() && (*d)().aufmontiert.enabled()) << (*d)().name();
    mount(p->laserziel);
    click(p->Command2);
    CompletionPage& six = w.form5();
    EXPECT_FALSE(six.hlt2.visible());
    EXPECT_FALSE(six.hlt3.visible());
    EXPECT_NE(six.Text1.text().find(", Zweibein, Laser-Zielmarkierer"), std::string::npos) << six.Text1.text();

    // Back from page 6, give the top mount back, forward again: the field
    // gets its name but stays hidden while page 6 stays loaded.
    click(six.Zurück);
    ASSERT_TRUE(p->shown());
    click(p->laserziel);
    click(p->Command2);
    EXPECT_EQ(six.hlt2.text(), "Aufmontiert");
    EXPECT_FALSE(six.hlt2.visible());
    EXPECT_EQ(six.Text1.text().find("Laser"), std::string::npos) << six.Text1.text();

    click(six.Zurück);
    mount(p->ultraschall);
    click(p->Zurück);
    EXPECT_TRUE(w.form4().shown());
    EXPECT_FALSE(w.form12.loaded());
    EXPECT_FALSE(w.form5.loaded());
    click(w.form4().Command2);
    p = &w.form12();
    EXPECT_EQ(p->Check2.value(), 1) << "the bipod is handed over again";
    const std::string list = w.form5().Text1.text();
    EXPECT_EQ(list.rfind("Rahmen", 0), 0u);
    EXPECT_EQ(list.find("Ultraschall"), std::string::npos) << list;
    EXPECT_EQ(list.size() - list.rfind(", Zweibein"), std::string(", Zweibein").size()) << list;
    EXPECT_TRUE(w.form5().hlt2.visible()) << "a fresh page 6 shows its mount fields";
}

// ---------------------------------------------------------------- FKE guard

TEST_F(SensorPageWalk, ItemAtFkeZeroOpensItsDialogAndTheGuardWarns) {
    open();
    p->fke.setText("0");
    messages.shown.clear();
    click(p->ultraschall);
    EXPECT_TRUE(w.form8().shown());
    EXPECT_EQ(p->fke.text(), "-0,25");
    EXPECT_FALSE(p->Command2.enabled());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].prompt, "FKE darf nicht unter 0 liegen !");
    EXPECT_EQ(messages.shown[0].title, "Ferrolith");
    click(w.form8().cancel);
    EXPECT_EQ(p->fke.text(), "0");
    EXPECT_TRUE(p->Command2.enabled());
    EXPECT_EQ(messages.shown.size(), 1u) << "back to 0 enables without a message";
    EXPECT_TRUE(p->Zurück.enabled());
}

// ---------------------------------------------------------------- items

struct ItemCase {
    const char* item;
    Texts ticked;  // start sheet after the tick
};

class SensorPageItem : public SensorPageWalk, public ::testing::WithParamInterface<ItemCase> {};

TEST_P(SensorPageItem, TickChargesAtOnceOpensTheDialogAndLocksThePage) {
    open();
    CheckBox& item = p->check(GetParam().item);
    click(item);
    EXPECT_EQ(sheet(), GetParam().ticked) << "charged before the dialog is answered";
    EXPECT_TRUE(dialog(item).shown());
    EXPECT_FALSE(p->enabled());
    // While the dialog is open nothing else on the page takes a click.
    CheckBox& other = item.name() == "laserziel" ? p->ultraschall : p->laserziel;
    click(other);
    EXPECT_EQ(other.value(), 0);
    click(dialog(item).cancel);
    EXPECT_EQ(item.value(), 0);
    EXPECT_EQ(sheet(), start);
    EXPECT_FALSE(dialog(item).shown());
    EXPECT_TRUE(p->enabled());
    EXPECT_TRUE(p->shown());
}

INSTANTIATE_TEST_SUITE_P(SensorPage, SensorPageItem,
                         ::testing::Values(ItemCase{"entfernungsmesser", {"6", "2,85", "1,75", "530"}},
                                           ItemCase{"sichtgerät", {"5", "3", "1,75", "500"}},
                                           ItemCase{"laser", {"6", "3", "1,75", "500"}},
                                           ItemCase{"laserziel", {"4", "3,25", "1,75", "1240"}},
                                           ItemCase{"ultraschall", {"4", "3", "1,75", "760"}},
                                           ItemCase{"smartextern", {"6", "2,75", "1,75", "500"}}),
                         [](const auto& info) { return walk::testName(info.param.item); });

struct PairCase {
    const char* item;
    const char* sub;
    Texts total;
};

class SensorPagePair : public SensorPageWalk, public ::testing::WithParamInterface<PairCase> {};

TEST_P(SensorPagePair, OneItemWithOneSubOptionTotals) {
    open();
    mount(p->check(GetParam().item));
    click(p->check(GetParam().sub));
    EXPECT_EQ(sheet(), GetParam().total);
}

INSTANTIATE_TEST_SUITE_P(SensorPage, SensorPagePair,
                         ::testing::Values(PairCase{"laser", "niederenergetisch", {"5", "3,25", "1,5", "600"}},
                                           PairCase{"laser", "hochenergetisch", {"5", "3", "1,75", "780"}},
                                           PairCase{"smartextern", "smartextern1", {"4", "3,75", "1,75", "620"}},
                                           PairCase{"sichtgerät", "v3", {"5", "3", "1,75", "740"}}),
                         [](const auto& info) {
                             return walk::testName(std::string(info.param.item) + "_" + info.param.sub);
                         });

// Every box of an item ticked and unticked in turn, then the item unticked:
// the sheet returns to its exact start texts and everything is closed again.
struct FamilyCase {
    const char* item;
    std::vector<const char*> subs;
};

class SensorPageFamily : public SensorPageWalk, public ::testing::WithParamInterface<FamilyCase> {};

TEST_P(SensorPageFamily, EveryBoxTickedAndUntickedRestoresTheSheet) {
    open();
    CheckBox& item = p->check(GetParam().item);
    mount(item);
    ASSERT_EQ(item.value(), 1);
    const Texts withItem = sheet();
    for (const char* name : GetParam().subs) {
        CheckBox& sub = p->check(name);
        ASSERT_TRUE(sub.enabled()) << name;
        click(sub);
        EXPECT_NE(sheet(), withItem) << name;
        click(sub);
        EXPECT_EQ(sheet(), withItem) << name;
    }
    // Leave every combinable sub-option ticked, then untick the item.
    for (const char* name : GetParam().subs)
        if (p->check(name).enabled()) click(p->check(name));
    click(item);
    EXPECT_EQ(sheet(), start);
    for (const char* name : GetParam().subs) {
        EXPECT_EQ(p->check(name).value(), 0) << name;
        EXPECT_FALSE(p->check(name).enabled()) << name;
    }
    EXPECT_EQ(p->hlt2.text(), "Aufmontiert");
    EXPECT_TRUE(p->hlt2.enabled());
    EXPECT_EQ(p->Check1.value(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    SensorPage, SensorPageFamily,
    ::testing::Values(FamilyCase{"smartextern", {"smartextern1", "smartextern2"}},
                      FamilyCase{"ultraschall", {}}, FamilyCase{"entfernungsmesser", {}},
                      FamilyCase{"sichtgerät", {"v1", "v2", "v3", "blitz", "licht", "guncam", "IR"}},
                      FamilyCase{"laserziel", {}},
                      FamilyCase{"laser", {"niederenergetisch", "hochenergetisch"}}),
    [](const auto& info) { return walk::testName(info.param.item); });

TEST_F(SensorPageWalk, AllItemsAndSubOptionsTogetherRestoreTheSheet) {
    open();
    // Two items hold the mounts; the others are charged while their dialog
    // shows the notice, and refunded by its Cancel.
    mount(p->sichtgerät, true);
    for (CheckBox* b : {&p->v1, &p->blitz, &p->licht, &p->guncam, &p->IR}) click(*b);
    mount(p->laser, false);
    click(p->niederenergetisch);
    for (CheckBox* item : {&p->smartextern, &p->ultraschall, &p->laserziel, &p->entfernungsmesser}) {
        click(*item);
        EXPECT_TRUE(dialog(*item).frei.visible());
        click(dialog(*item).cancel);
    }
    EXPECT_EQ(sheet(), (Texts{"4", "3,5", "1,25", "1725"}));
    click(p->laser);
    click(p->sichtgerät);
    EXPECT_EQ(sheet(), start);
    EXPECT_EQ(p->hlt2.text(), "Aufmontiert");
    EXPECT_EQ(p->hlt3.text(), "Unterlauf");
}

TEST_F(SensorPageWalk, SubOptionGroupsExcludeEachOther) {
    open();
    mount(p->sichtgerät);
    click(p->v1);
    EXPECT_FALSE(p->v2.enabled());
    EXPECT_FALSE(p->v3.enabled());
    EXPECT_TRUE(p->blitz.enabled() && p->licht.enabled() && p->guncam.enabled() && p->IR.enabled());
    click(p->v1);
    EXPECT_TRUE(p->v2.enabled() && p->v3.enabled());
    click(p->v3);
    EXPECT_FALSE(p->v1.enabled() || p->v2.enabled());

    mount(p->smartextern, false);
    click(p->smartextern2);
    EXPECT_FALSE(p->smartextern1.enabled());
    click(p->smartextern2);
    EXPECT_TRUE(p->smartextern1.enabled());
}

TEST_F(SensorPageWalk, LaserLevelsExcludeEachOtherAndNiederRefundsTwice) {
    open();
    mount(p->laser);
    click(p->niederenergetisch);
    EXPECT_FALSE(p->hochenergetisch.enabled());
    EXPECT_EQ(sheet(), (Texts{"5", "3,25", "1,5", "600"}));
    click(p->laser);
    EXPECT_EQ(sheet(), start) << "fke and gew given back by the level and by the marker";
    EXPECT_EQ(p->niederenergetisch.value(), 0);
    EXPECT_FALSE(p->niederenergetisch.enabled());
    EXPECT_FALSE(p->hochenergetisch.enabled());
}

TEST_F(SensorPageWalk, SightUntickRefundsItsOptionsAndClosesThem) {
    open();
    mount(p->sichtgerät);
    click(p->v2);
    click(p->guncam);
    EXPECT_EQ(sheet(), (Texts{"5", "3", "1,75", "1060"}));
    click(p->sichtgerät);
    EXPECT_EQ(sheet(), start);
    for (CheckBox* b : {&p->v1, &p->v2, &p->v3, &p->blitz, &p->licht, &p->guncam, &p->IR}) {
        EXPECT_EQ(b->value(), 0) << b->name();
        EXPECT_FALSE(b->enabled()) << b->name();
    }
}

TEST_F(SensorPageWalk, RangefinderClosesTheSightWithoutUntickingIt) {
    open();
    mount(p->sichtgerät);
    click(p->IR);
    mount(p->entfernungsmesser, false);
    EXPECT_EQ(p->sichtgerät.value(), 1);
    EXPECT_EQ(p->IR.value(), 1);
    EXPECT_FALSE(p->sichtgerät.enabled());
    EXPECT_FALSE(p->IR.enabled());
    EXPECT_EQ(sheet(), (Texts{"5", "3,1", "1,5", "830"}));
    click(p->entfernungsmesser);
    EXPECT_TRUE(p->sichtgerät.enabled());
    EXPECT_FALSE(p->IR.enabled());
    EXPECT_EQ(p->IR.value(), 1);
    click(p->sichtgerät);
    EXPECT_EQ(p->IR.value(), 0);
    EXPECT_EQ(sheet(), start);
}

TEST_F(SensorPageWalk, SightCanJoinARangefinderOnlyWhenTickedFirst) {
    open();
    mount(p->entfernungsmesser);
    EXPECT_FALSE(p->sichtgerät.enabled());
    for (CheckBox* b : {&p->v1, &p->blitz, &p->IR}) EXPECT_FALSE(b->enabled());
    click(p->entfernungsmesser);
    EXPECT_TRUE(p->sichtgerät.enabled());
}

TEST_F(SensorPageWalk, GreyedValueDoesNothing) {
    open();
    mount(p->sichtgerät);
    p->v1.setValue(2);
    p->sichtgerät.setValue(2);
    EXPECT_EQ(sheet(), (Texts{"5", "3", "1,75", "500"}));
    EXPECT_TRUE(p->v2.enabled());
}

TEST_F(SensorPageWalk, ExternalSmartgunLocksPage3sParentBoxOnly) {
    open();
    CheckBox* internal = &w.form3().smartintern;
    mount(p->smartextern);
    click(p->smartextern2);
    EXPECT_FALSE(internal->enabled());
    EXPECT_TRUE(w.form3().smartintern1.enabled());
    click(p->smartextern);
    EXPECT_EQ(sheet(), start);
    EXPECT_EQ(p->smartextern2.value(), 0);
    EXPECT_FALSE(p->smartextern1.enabled() || p->smartextern2.enabled());
    EXPECT_TRUE(internal->enabled());
}

// Sound behaviour: page 5's unload gives page 3's internal smartgun back.
TEST_F(SensorPageWalk, UnloadGivesBackTheLockOnPage3) {
    open();
    CheckBox* internal = &w.form3().smartintern;
    mount(p->smartextern);
    ASSERT_FALSE(internal->enabled());
    click(p->Zurück);
    EXPECT_TRUE(internal->enabled());
}

TEST_F(SensorPageWalk, UnloadCreatesNoPage3) {
    open();
    w.form3();  // page 3 loaded while the external smartgun takes its lock
    mount(p->smartextern);
    w.form3.unload();
    w.form12.unload();
    EXPECT_FALSE(w.form3.loaded());
}

// Sound behaviour: a page 5 created while page 3's
// internal smartgun is ticked offers no external one.
TEST_F(SensorPageWalk, CreatedAgainKeepsPage3sInternalSmartgunLock) {
    open();
    CheckBox* internal = &w.form3().smartintern;
    internal->setValue(1);
    ASSERT_FALSE(p->smartextern.enabled());
    click(p->Zurück);
    EXPECT_FALSE(w.form12().smartextern.enabled());
}

struct TipCase {
    const char* box;
    const char* tip;
};

class SensorPageTip : public SensorPageWalk, public ::testing::WithParamInterface<TipCase> {};

TEST_P(SensorPageTip, MouseMoveSetsTheFixedTooltip) {
    open();
    CheckBox& box = p->check(GetParam().box);
    w.runtime().userMouseMove(box);
    EXPECT_EQ(box.toolTip(), GetParam().tip);
}

INSTANTIATE_TEST_SUITE_P(
    SensorPage, SensorPageTip,
    ::testing::Values(TipCase{"entfernungsmesser", "DP +30, FKE -0.25, Gewicht +0.1 kg"},
                      TipCase{"sichtgerät", "Tarnstufe -1, FKE -0.25, Gewicht +0.25 kg"}, TipCase{"v1", "DP +100"},
                      TipCase{"v2", "DP +160"}, TipCase{"v3", "DP +240"}, TipCase{"IR", "DP +300"},
                      TipCase{"licht", "DP +300"}, TipCase{"guncam", "DP +400"}, TipCase{"blitz", "DP +25"},
                      TipCase{"laserziel", "Tarnstufe -2, DP +740, FKE -0.25, Gewicht +0.5 kg"},
                      TipCase{"ultraschall", "Tarnstufe -2, DP +260, FKE -0.25, Gewicht +0.25 kg"},
                      TipCase{"hochenergetisch", "Tarnstufe -1, DP +280, FKE -0.25, Gewicht +0.25 kg"},
                      TipCase{"niederenergetisch", "Tarnstufe -1, DP +100, FKE -0.25, Gewicht +0.25 kg"},
                      TipCase{"smartextern1", "Tarnstufe -2, DP +120, Gewicht +1 kg"},
                      TipCase{"smartextern2", "Tarnstufe -2, DP +160, Gewicht +0.75 kg"},
                      TipCase{"laser", ""}, TipCase{"smartextern", ""}),
    [](const auto& info) { return walk::testName(info.param.box); });

}  // namespace
