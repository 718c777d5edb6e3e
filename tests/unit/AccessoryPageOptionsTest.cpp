// Page 4's accessories on a page set up directly: the underbarrel mount and
// weapons, the enlarged clip, the automatic mode, the biometric group, the pads
// and the sawn-off shotgun. Sheets are written by hand so the expected texts
// follow from the cost tables alone.

#include "WalkHelpers.h"

#include "accessories/AccessoryPage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using ferrolith::AccessoryPage;
using walk::click;

namespace {

// The sheet page 3's forward copy would bring; each test changes what it needs.
const walk::Sheet page3Copy{{"pwn", "8"},          {"pwr", "HM"},        {"trn", "3"},   {"gew", "4,5"},
                            {"cap", "5"},          {"hlt", "Lauf"},      {"hlt3", "Unterlauf"},
                            {"kpd", "0"},          {"fke", "2,5"},       {"dp", "130"}};

// The sheet with the underbarrel mount's lock.
walk::Sheet texts(const AccessoryPage& p) {
    walk::Sheet t = walk::sheet(p);
    t["hlt3 enabled"] = p.hlt3.enabled() ? "1" : "0";
    return t;
}

struct AccessoryPageFixture : walk::PageWalk {
    AccessoryPage* p = nullptr;

    // Chooses the class on page 1 and creates page 4 directly, then writes
    // the sheet that page 3's forward copy would bring.
    void open(const std::string& key, const walk::Sheet& changes = {}) {
        chooseOnly(key);
        p = &w.form4();
        const walk::Sheet sheet = walk::with(page3Copy, changes);
        w.form3().cap.setText(sheet.at("cap"));
        walk::write(*p, sheet);
        messages.shown.clear();
    }
    void pick(const std::string& item) { rt().userPick(p->vergrößert, item); }
};

// ---------------------------------------------------------------- underbarrel mount

using AccessoryPageUnderbarrelMount = AccessoryPageFixture;

TEST_F(AccessoryPageUnderbarrelMount, BipodTakesTheMountAndChargesThenGivesAllBack) {
    open("Schrotflinte", {{"gew", "4,5"}, {"kpd", "0"}, {"dp", "130"}});
    click(p->zweibein);
    EXPECT_EQ(walk::texts(*p, "gew kpd dp hlt3"), (walk::Texts{"6,5", "2", "210", ""}));
    EXPECT_FALSE(p->hlt3.enabled());
    EXPECT_FALSE(p->unterlaufgewicht.enabled());
    EXPECT_FALSE(p->vordergriff.enabled());
    EXPECT_FALSE(p->unterlaufwaffe.enabled());
    EXPECT_FALSE(p->dreibein.visible());

    click(p->zweibein);
    EXPECT_EQ(walk::texts(*p, "gew kpd dp hlt3"), (walk::Texts{"4,5", "0", "130", "Unterlauf"}));
    EXPECT_TRUE(p->hlt3.enabled());
    EXPECT_TRUE(p->unterlaufgewicht.enabled());
    EXPECT_TRUE(p->vordergriff.enabled());
    EXPECT_TRUE(p->unterlaufwaffe.enabled());
}

TEST_F(AccessoryPageUnderbarrelMount, EachAccessoryChargesItsRowAndLocksTheOtherFour) {
    struct Row {
        forms::CheckBox AccessoryPage::*box;
        const char *dp, *fke, *trn, *gew, *kpd;
    };
    // Start: dp 1000, fke 4, trn 1, gew 11, kpd 0.
    const std::vector<Row> rows{
        {&AccessoryPage::dreibein, "1120", "4", "1", "19", "6"},
        {&AccessoryPage::zweibein, "1080", "4", "1", "13", "2"},
        {&AccessoryPage::vordergriff, "1050", "4", "0", "11,5", "1"},
        {&AccessoryPage::unterlaufgewicht, "1025", "3,75", "0", "12", "1"},
    };
    open("LMG", {{"trn", "1"}, {"gew", "11"}, {"kpd", "0"}, {"fke", "4"}, {"dp", "1000"}});
    std::vector<forms::CheckBox*> five{&p->dreibein, &p->zweibein, &p->vordergriff, &p->unterlaufgewicht,
                                       &p->unterlaufwaffe};
    for (const Row& r : rows) {
        forms::CheckBox& box = p->*r.box;
        SCOPED_TRACE(box.name());
        click(box);
        EXPECT_EQ(p->dp.text(), r.dp);
        EXPECT_EQ(p->fke.text(), r.fke);
        EXPECT_EQ(p->trn.text(), r.trn);
        EXPECT_EQ(p->gew.text(), r.gew);
        EXPECT_EQ(p->kpd.text(), r.kpd);
        for (forms::CheckBox* other : five) EXPECT_EQ(other->enabled(), other == &box) << other->name();
        click(box);
        EXPECT_EQ(p->dp.text(), "1000");
        for (forms::CheckBox* other : five) EXPECT_TRUE(other->enabled()) << other->name();
    }
}

TEST_F(AccessoryPageUnderbarrelMount, UntickWritesUnterlaufWhateverTheFieldHeldBefore) {
    open("Schwere Pistole", {{"hlt3", ""}});
    click(p->vordergriff);
    click(p->vordergriff);
    EXPECT_EQ(p->hlt3.text(), "Unterlauf");
    EXPECT_TRUE(p->hlt3.enabled());
}

// ---------------------------------------------------------------- underbarrel weapons

using AccessoryPageUnderbarrelWeapons = AccessoryPageFixture;

TEST_F(AccessoryPageUnderbarrelWeapons, GrenadeLauncherIsRefundedWhenTheWeaponIsUnticked) {
    open("LMG", {{"trn", "1"}, {"gew", "11"}, {"fke", "4"}, {"dp", "425"}});
    std::vector<forms::CheckBox*> kinds{&p->bajonett, &p->enterhaken, &p->granatwerfer, &p->flammenwerfer};
    for (auto* k : kinds) EXPECT_FALSE(k->enabled());

    click(p->unterlaufwaffe);
    EXPECT_EQ(p->hlt3.text(), "");
    EXPECT_FALSE(p->hlt3.enabled());
    for (auto* b : {&p->dreibein, &p->zweibein, &p->vordergriff, &p->unterlaufgewicht}) EXPECT_FALSE(b->enabled());
    for (auto* k : kinds) EXPECT_TRUE(k->enabled());
    EXPECT_EQ(p->dp.text(), "425");  // the weapon itself costs nothing

    click(p->granatwerfer);
    EXPECT_EQ(walk::texts(*p, "trn gew fke dp"), (walk::Texts{"-2", "13", "3,75", "785"}));
    EXPECT_FALSE(p->bajonett.enabled());
    EXPECT_FALSE(p->enterhaken.enabled());
    EXPECT_FALSE(p->flammenwerfer.enabled());

    click(p->unterlaufwaffe);
    EXPECT_EQ(walk::texts(*p, "trn gew fke dp"), (walk::Texts{"1", "11", "4", "425"}));
    for (auto* k : kinds) {
        EXPECT_EQ(k->value(), 0) << k->name();
        EXPECT_FALSE(k->enabled()) << k->name();
    }
    EXPECT_EQ(p->hlt3.text(), "Unterlauf");
    EXPECT_TRUE(p->hlt3.enabled());
    for (auto* b : {&p->dreibein, &p->zweibein, &p->vordergriff, &p->unterlaufgewicht}) EXPECT_TRUE(b->enabled());
}

TEST_F(AccessoryPageUnderbarrelWeapons, EachKindChargesItsRow) {
    struct Row {
        forms::CheckBox AccessoryPage::*box;
        const char *dp, *trn, *gew;
    };
    const std::vector<Row> rows{
        {&AccessoryPage::bajonett, "110", "2", "4,75"},
        {&AccessoryPage::enterhaken, "200", "2", "6"},
        {&AccessoryPage::granatwerfer, "460", "0", "6"},
        {&AccessoryPage::flammenwerfer, "340", "3", "4"},
    };
    open("Sportgewehr", {{"trn", "3"}, {"gew", "4"}, {"fke", "1"}, {"dp", "100"}});
    click(p->unterlaufwaffe);
    for (const Row& r : rows) {
        SCOPED_TRACE((p->*r.box).name());
        click(p->*r.box);
        EXPECT_EQ(p->dp.text(), r.dp);
        EXPECT_EQ(p->trn.text(), r.trn);
        EXPECT_EQ(p->gew.text(), r.gew);
        EXPECT_EQ(p->fke.text(), "0,75");
        click(p->*r.box);
        EXPECT_EQ(p->dp.text(), "100");
        EXPECT_EQ(p->fke.text(), "1");
    }
}

// ---------------------------------------------------------------- enlarged clip

using AccessoryPageEnlargedClip = AccessoryPageFixture;

TEST_F(AccessoryPageEnlargedClip, PickTicksAndChargesOneDpPerShotAboveCapacity) {
    open("Schwere Pistole", {{"cap", "15"}, {"dp", "120"}});
    pick("25");
    EXPECT_EQ(p->ladestreifen.value(), 1);
    EXPECT_EQ(p->cap.text(), "25");
    EXPECT_EQ(p->dp.text(), "130");
    pick("30");  // a second pick while ticked changes nothing on the sheet
    EXPECT_EQ(p->cap.text(), "25");
    EXPECT_EQ(p->dp.text(), "130");
    click(p->ladestreifen);
    EXPECT_EQ(p->cap.text(), "15");
    EXPECT_EQ(p->dp.text(), "120");  // refunds the 10 charged, not 15 for "30"
}

TEST_F(AccessoryPageEnlargedClip, TickWithoutASizeChargesNothingUntilASizeIsPicked) {
    open("Schwere Pistole", {{"cap", "15"}, {"dp", "120"}});
    click(p->ladestreifen);
    EXPECT_EQ(p->ladestreifen.value(), 1);
    EXPECT_EQ(p->cap.text(), "15");
    EXPECT_EQ(p->dp.text(), "120");
    click(p->ladestreifen);
    EXPECT_EQ(p->cap.text(), "15");
    EXPECT_EQ(p->dp.text(), "120");

    click(p->ladestreifen);
    pick("12");
    EXPECT_EQ(p->cap.text(), "12");
    EXPECT_EQ(p->dp.text(), "117");
    click(p->ladestreifen);
    EXPECT_EQ(p->cap.text(), "15");
    EXPECT_EQ(p->dp.text(), "120");
}

TEST_F(AccessoryPageEnlargedClip, PickWhileTheClipIsLockedChangesNothing) {
    open("Schwere Pistole", {{"cap", "1"}, {"dp", "120"}});
    p->ladestreifen.setEnabled(false);  // as after "Klapp" on page 2
    ASSERT_TRUE(p->vergrößert.enabled());
    pick("25");
    EXPECT_EQ(p->vergrößert.text(), "0");
    EXPECT_EQ(p->ladestreifen.value(), 0);
    EXPECT_EQ(p->cap.text(), "1");
    EXPECT_EQ(p->dp.text(), "120");
}

TEST_F(AccessoryPageEnlargedClip, CapacityThatIsNoNumberNeverReachesTheArithmetic) {
    open("Schwere Pistole", {{"cap", "-"}, {"dp", "120"}});
    pick("25");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(p->vergrößert.text(), "0");
    EXPECT_EQ(p->ladestreifen.value(), 0);
    EXPECT_EQ(p->cap.text(), "-");
    EXPECT_EQ(p->dp.text(), "120");
    click(p->ladestreifen);
    click(p->ladestreifen);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(p->cap.text(), "-");
    EXPECT_EQ(p->dp.text(), "120");
}

TEST_F(AccessoryPageEnlargedClip, SizeListTakesNoTypedText) {
    open("Schwere Pistole");
    w.runtime().userPick(p->vergrößert, "99");
    EXPECT_EQ(p->vergrößert.text(), "0");
    EXPECT_EQ(p->vergrößert.items().size(), 50u);
    EXPECT_EQ(p->vergrößert.items().front(), "01");
    EXPECT_EQ(p->vergrößert.items().back(), "50");
}

// ---------------------------------------------------------------- automatic mode

using AccessoryPageAutomaticMode = AccessoryPageFixture;

TEST_F(AccessoryPageAutomaticMode, RewritesSemiautomaticAndGivesItBack) {
    for (auto [before, after] : {std::pair{"HM/SM", "HM/AM"}, std::pair{"SM", "AM"}}) {
        SCOPED_TRACE(before);
        open("Maschinenpistole", {{"pwr", before}, {"fke", "1,5"}, {"dp", "100"}});
        click(p->automodus);
        EXPECT_EQ(p->pwr.text(), after);
        EXPECT_EQ(p->fke.text(), "0,5");
        EXPECT_EQ(p->dp.text(), "220");
        click(p->automodus);
        EXPECT_EQ(p->pwr.text(), before);
        EXPECT_EQ(p->fke.text(), "1,5");
        EXPECT_EQ(p->dp.text(), "100");
    }
}

TEST_F(AccessoryPageAutomaticMode, OtherFireModesAreLeftAlone) {
    for (const char* mode : {"HM/SM/AM", "SM/AM", "EM", "HM", " - "}) {
        SCOPED_TRACE(mode);
        open("Maschinenpistole", {{"pwr", mode}, {"fke", "1,5"}, {"dp", "100"}});
        click(p->automodus);
        EXPECT_EQ(p->pwr.text(), mode);
        EXPECT_EQ(p->dp.text(), "100");
        click(p->automodus);
        EXPECT_EQ(p->pwr.text(), mode);
        EXPECT_EQ(p->fke.text(), "1,5");
        EXPECT_EQ(p->dp.text(), "100");
    }
}

TEST_F(AccessoryPageAutomaticMode, FullAutomaticFromPage2IsNeverRefunded) {
    open("Automatische Pistole", {{"pwr", "AM"}, {"fke", "1"}, {"dp", "180"}});
    click(p->automodus);
    click(p->automodus);
    EXPECT_EQ(walk::texts(*p, "pwr fke dp"), (walk::Texts{"AM", "1", "180"}));
}

// ---------------------------------------------------------------- biometric group

using AccessoryPageBiometricGroup = AccessoryPageFixture;

TEST_F(AccessoryPageBiometricGroup, SecondaryWeaponTicksTheSafetyAndChargesBoth) {
    open("Sturmgewehr", {{"gew", "6"}, {"fke", "3"}, {"dp", "225"}});
    EXPECT_FALSE(p->griffdornen.enabled());
    click(p->sekundär);
    EXPECT_EQ(p->bio.value(), 1);
    EXPECT_EQ(walk::texts(*p, "dp fke gew"), (walk::Texts{"1125", "2", "6,5"}));
    for (auto* o : {&p->griffdornen, &p->sprühsystem, &p->elektroshock}) EXPECT_TRUE(o->enabled());
}

TEST_F(AccessoryPageBiometricGroup, OneSecondaryOptionAtATimeAtNoCost) {
    open("Sturmgewehr", {{"fke", "3"}, {"dp", "225"}});
    click(p->sekundär);
    click(p->elektroshock);
    EXPECT_FALSE(p->griffdornen.enabled());
    EXPECT_FALSE(p->sprühsystem.enabled());
    EXPECT_TRUE(p->elektroshock.enabled());
    EXPECT_EQ(p->dp.text(), "1125");
    click(p->elektroshock);
    EXPECT_TRUE(p->griffdornen.enabled());
    EXPECT_TRUE(p->sprühsystem.enabled());
    EXPECT_EQ(p->dp.text(), "1125");
}

TEST_F(AccessoryPageBiometricGroup, UntickingTheSafetyTakesEverythingWithIt) {
    open("Sturmgewehr", {{"gew", "6"}, {"fke", "3"}, {"dp", "225"}});
    click(p->sekundär);
    click(p->sprühsystem);
    click(p->bio);
    EXPECT_EQ(walk::texts(*p, "dp fke gew"), (walk::Texts{"225", "3", "6"}));
    for (auto* b : {&p->bio, &p->sekundär, &p->sprühsystem}) EXPECT_EQ(b->value(), 0) << b->name();
    for (auto* b : {&p->sekundär, &p->griffdornen, &p->sprühsystem, &p->elektroshock})
        EXPECT_FALSE(b->enabled()) << b->name();
}

TEST_F(AccessoryPageBiometricGroup, SafetyAloneChargesAndOffersTheSecondaryWeapon) {
    open("Sturmgewehr", {{"fke", "3"}, {"dp", "225"}});
    click(p->bio);
    EXPECT_EQ(p->fke.text(), "2,75");
    EXPECT_EQ(p->dp.text(), "675");
    EXPECT_TRUE(p->sekundär.enabled());
}

// ---------------------------------------------------------------- pads

using AccessoryPagePads = AccessoryPageFixture;

TEST_F(AccessoryPagePads, HipAndShockPadExcludeEachOther) {
    open("Sportgewehr", {{"trn", "2"}, {"gew", "4,5"}, {"kpd", "0"}, {"dp", "125"}});
    click(p->hüft);
    EXPECT_FALSE(p->schock.enabled());
    EXPECT_EQ(walk::texts(*p, "trn kpd dp gew"), (walk::Texts{"-2", "1", "165", "6,5"}));
    click(p->hüft);
    EXPECT_TRUE(p->schock.enabled());

    click(p->schock);
    EXPECT_FALSE(p->hüft.enabled());
    EXPECT_EQ(p->gew.text(), "7");
    EXPECT_EQ(p->trn.text(), "2");
    click(p->schock);
    EXPECT_TRUE(p->hüft.enabled());
    EXPECT_EQ(p->gew.text(), "4,5");
    EXPECT_EQ(p->dp.text(), "125");
}

// ---------------------------------------------------------------- sawn-off shotgun

using AccessoryPageSawnOff = AccessoryPageFixture;

TEST_F(AccessoryPageSawnOff, TakesTheBarrelMountAndUntickWritesLauf) {
    open("Schrotflinte", {{"pwn", "8"}, {"trn", "3"}, {"gew", "4,5"}, {"hlt", "Lauf"}, {"dp", "130"}});
    click(p->abgesägte);
    EXPECT_EQ(p->hlt.text(), "");
    EXPECT_TRUE(p->hlt.enabled());
    EXPECT_EQ(walk::texts(*p, "pwn dp trn gew"), (walk::Texts{"7", "138", "5", "3,5"}));
    p->hlt.setText("-");
    click(p->abgesägte);
    EXPECT_EQ(walk::texts(*p, "hlt pwn dp trn gew"), (walk::Texts{"Lauf", "8", "130", "3", "4,5"}));
}

// The FKE guard on page 4: a charge below 0 disables "&Weiter" and warns once,
// the refund enables it again without a message.
TEST_F(AccessoryPageFixture, FkeBelowZeroDisablesForwardUntilRefunded) {
    open("Schwere Pistole", {{"fke", "0"}});
    click(p->unterlaufgewicht);
    EXPECT_EQ(p->fke.text(), "-0,25");
    EXPECT_FALSE(p->Command2.enabled());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].prompt, "FKE darf nicht unter 0 liegen !");
    click(p->unterlaufgewicht);
    EXPECT_EQ(p->fke.text(), "0");
    EXPECT_TRUE(p->Command2.enabled());
    EXPECT_EQ(messages.shown.size(), 1u);

    w.form4.unload();  // a page 4 set up for the next class
    open("Maschinenpistole", {{"pwr", "HM/SM"}, {"fke", "0,5"}});
    click(p->automodus);
    EXPECT_EQ(p->fke.text(), "-0,5");
    EXPECT_FALSE(p->Command2.enabled());
    EXPECT_EQ(messages.shown.size(), 1u);
    click(p->automodus);
    EXPECT_EQ(p->fke.text(), "0,5");
    EXPECT_TRUE(p->Command2.enabled());
}

// ---------------------------------------------------------------- every box

// Ticking a box and unticking it again leaves the sheet exactly as it was;
// a box that needs its parent is tried with the parent ticked, and the
// parent's untick then brings back the start.
class AccessoryPageRoundTrip : public AccessoryPageFixture, public ::testing::WithParamInterface<const char*> {};

TEST_P(AccessoryPageRoundTrip, TickThenUntickRestoresTheSheet) {
    open("LMG", {{"pwn", "7"}, {"pwr", "HM/SM"}, {"trn", "1"}, {"gew", "11,5"},
                 {"cap", "40"}, {"kpd", "3"}, {"fke", "4"}, {"dp", "425"}});
    const auto start = texts(*p);
    const std::string name = GetParam();
    forms::CheckBox& box = p->check(name);
    forms::CheckBox* parent = nullptr;
    if (name == "bajonett" || name == "enterhaken" || name == "granatwerfer" || name == "flammenwerfer")
        parent = &p->unterlaufwaffe;
    const bool secondaryOption = name == "griffdornen" || name == "sprühsystem" || name == "elektroshock";
    // The secondary weapon ticks the safety, which its untick leaves ticked.
    if (secondaryOption || name == "sekundär") parent = &p->bio;
    if (parent) parent->setValue(1);
    if (secondaryOption) p->sekundär.setValue(1);
    if (name == "ladestreifen") p->vergrößert.setText("44");
    const auto withParent = texts(*p);
    box.setValue(1);
    if (!secondaryOption) {
        EXPECT_NE(texts(*p), withParent) << "the tick changed nothing";
    }
    box.setValue(0);
    EXPECT_EQ(texts(*p), withParent);
    if (parent) parent->setValue(0);
    EXPECT_EQ(texts(*p), start);
}

INSTANTIATE_TEST_SUITE_P(EveryBox, AccessoryPageRoundTrip,
                         ::testing::Values("unterlaufgewicht", "dreibein", "zweibein", "vordergriff",
                                           "unterlaufwaffe", "bajonett", "enterhaken", "granatwerfer",
                                           "flammenwerfer", "griff", "sicherung", "abzug", "bio", "sekundär",
                                           "griffdornen", "sprühsystem", "elektroshock", "ladestreifen",
                                           "suppressor", "schall", "automodus", "schock", "hüft", "schulter",
                                           "abgesägte"),
                         [](const auto& info) { return walk::testName(info.param); });

// ---------------------------------------------------------------- tooltips

TEST_F(AccessoryPageFixture, MouseMoveSetsTheBoxOwnCostText) {
    open("LMG");
    const std::vector<std::pair<forms::CheckBox*, const char*>> expected{
        {&p->ladestreifen, "DP +2 pro Schuß"},
        {&p->sekundär, "DP +450, FKE -0.75, Gewicht +0.5 kg"},
        {&p->unterlaufgewicht, "Tarnstufe -1, DP +25, FKE -0.25, Rückstoßkompensation +1, Gewicht +1 kg"},
        {&p->schock, "DP +40, Rückstoßkompensation +1, Gewicht +2.5 kg"},
        {&p->unterlaufwaffe, ""},
        {&p->griffdornen, ""},
    };
    for (auto [box, text] : expected) {
        w.runtime().userMouseMove(*box);
        EXPECT_EQ(box->toolTip(), text) << box->name();
    }
}

}  // namespace
