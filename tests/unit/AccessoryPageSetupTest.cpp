// Page 4 as a page: its controls, its set-up per class, what a page created
// again offers, the forward action with phrases and mount hand-over, and the
// back action.

#include "WalkHelpers.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using ferrolith::AccessoryPage;

namespace {

using Names = std::set<std::string>;

// The boxes and the size list that the user can use: visible and enabled.
Names offered(const AccessoryPage& p) {
    Names n;
    for (const forms::Control* c : p.controls())
        if ((c->kind() == forms::ControlKind::CheckBox || c->kind() == forms::ControlKind::ListBox) &&
            c->visible() && c->enabled())
            n.insert(c->name());
    return n;
}

Names operator+(Names a, const Names& b) {
    a.insert(b.begin(), b.end());
    return a;
}

Names offeredUnderbarrel(const AccessoryPage& p) {
    Names all = offered(p), n;
    for (const char* b : {"unterlaufgewicht", "dreibein", "zweibein", "vordergriff", "unterlaufwaffe", "bajonett",
                          "enterhaken", "granatwerfer", "flammenwerfer"})
        if (all.count(b)) n.insert(b);
    return n;
}

using AccessoryPageWalk = walk::PageWalk;

// ---------------------------------------------------------------- controls

TEST_F(AccessoryPageWalk, NewPageShowsItsDesignState) {
    chooseOnly("Sturmgewehr");
    AccessoryPage& p = w.form4();
    EXPECT_EQ(p.caption(), "\"Ferrolith\" - Seite 4");
    EXPECT_EQ(p.Frame6.caption(), "Sturmgewehr");
    EXPECT_EQ(p.Frame2.caption(), "Unterlauf Zubehör");
    EXPECT_EQ(p.Frame4.caption(), "Lauf-/Sonstiges Zubehör");
    EXPECT_EQ(p.ladestreifen.caption(), "Vergrößerter Ladestreifen (max.)");
    EXPECT_EQ(p.enterhaken.caption(), "Enterhakenkanone");
    EXPECT_EQ(p.Command2.caption(), "&Weiter");
    EXPECT_EQ(p.Zurück.caption(), "&Zurück");
    EXPECT_EQ(p.vergrößert.text(), "0");
    for (const forms::Control* c : p.controls()) {
        if (c->kind() == forms::ControlKind::CheckBox) {
            EXPECT_EQ(static_cast<const forms::CheckBox*>(c)->value(), 0) << c->name();
        }
    }
    // Shown by nothing for this class.
    for (auto* b : {&p.dreibein, &p.automodus, &p.schulter, &p.abgesägte}) EXPECT_FALSE(b->visible()) << b->name();
    // The set-up locks the secondary options; the underbarrel weapons start locked.
    for (auto* b : {&p.griffdornen, &p.sprühsystem, &p.elektroshock, &p.bajonett, &p.enterhaken, &p.granatwerfer,
                    &p.flammenwerfer}) {
        EXPECT_TRUE(b->visible()) << b->name();
        EXPECT_FALSE(b->enabled()) << b->name();
    }
    EXPECT_TRUE(p.sekundär.enabled());
}

// ---------------------------------------------------------------- offers per class

// What page 4 offers per class: the underbarrel accessories, the mount
// field's text, and the other boxes offered on arrival with page 2's default
// fire mode (silencer for "EM" and "HM") and loading mechanism (enlarged clip
// only with "Streifen" or no mechanism) applied.
struct Offer {
    const char* key;
    Names underbarrel;
    const char* hlt3;
    Names other;  // beyond griff, sicherung, abzug, bio, sekundär
};

void PrintTo(const Offer& o, std::ostream* os) { *os << o.key; }

class AccessoryPageOffer : public AccessoryPageWalk, public ::testing::WithParamInterface<Offer> {};

TEST_P(AccessoryPageOffer, SetUpOffersTheClassAccessories) {
    chooseOnly(GetParam().key);
    AccessoryPage& p = w.form4();
    EXPECT_EQ(offeredUnderbarrel(p), GetParam().underbarrel);
    for (auto* kind : {&p.bajonett, &p.enterhaken, &p.granatwerfer, &p.flammenwerfer}) {
        EXPECT_TRUE(kind->visible());
        EXPECT_FALSE(kind->enabled());
    }
}

TEST_P(AccessoryPageOffer, ArrivingPageOffersWhatTheDesignAllowsAndSoDoesAPageCreatedAgain) {
    page4(GetParam().key);
    EXPECT_EQ(w.form4().hlt3.text(), GetParam().hlt3);
    const Names expected = Names{"griff", "sicherung", "abzug", "bio", "sekundär"} + GetParam().underbarrel +
                           GetParam().other;
    EXPECT_EQ(offered(w.form4()), expected);
    rt().userClick(w.form4().Zurück);
    ASSERT_FALSE(w.form4.loaded());
    rt().userClick(w.form3().Command2);
    EXPECT_EQ(offered(w.form4()), expected);
}

const Names none{};
const Names mpOffer{"unterlaufgewicht", "vordergriff"};
const Names rifleOffer{"unterlaufgewicht", "zweibein", "vordergriff", "unterlaufwaffe"};
const Names heavyOffer{"unterlaufgewicht", "dreibein", "zweibein", "vordergriff", "unterlaufwaffe"};
const Names clip{"ladestreifen", "vergrößert"};

INSTANTIATE_TEST_SUITE_P(
    AllClasses, AccessoryPageOffer,
    ::testing::Values(
        Offer{"Holdout Pistole", none, "", clip + Names{"schulter"}},
        Offer{"Leichte Pistole", none, "", clip + Names{"schulter", "schall"}},
        Offer{"Automatische Pistole", none, "", clip + Names{"automodus", "schulter", "suppressor"}},
        Offer{"Schwere Pistole", mpOffer, "Unterlauf", clip + Names{"schulter", "schall"}},
        Offer{"Maschinenpistole", mpOffer, "Unterlauf", clip + Names{"automodus", "schulter", "suppressor"}},
        Offer{"Schrotflinte", rifleOffer, "Unterlauf", Names{"abgesägte", "schock", "hüft", "schall"}},
        Offer{"Taser", none, "", {}},
        Offer{"Sportgewehr", rifleOffer, "Unterlauf", Names{"schock", "hüft", "schall"}},
        Offer{"Sturmgewehr", rifleOffer, "Unterlauf", clip + Names{"schock", "hüft", "suppressor"}},
        Offer{"Scharfschützengewehr", rifleOffer, "Unterlauf", Names{"schock", "hüft", "schall"}},
        Offer{"LMG", heavyOffer, "Unterlauf", clip + Names{"schock", "hüft", "suppressor"}},
        Offer{"MMG", heavyOffer, "Unterlauf", clip + Names{"schock", "hüft", "suppressor"}},
        Offer{"SMG", heavyOffer, "Unterlauf", clip + Names{"schock", "hüft", "suppressor"}},
        Offer{"Sturmkanone", heavyOffer, "Unterlauf", clip + Names{"schock", "hüft", "schall"}}),
    [](const auto& info) { return walk::testName(info.param.key); });

TEST_F(AccessoryPageWalk, HoldoutShowsLockedBoxesItCannotUse) {
    page4("Holdout Pistole");
    AccessoryPage& p = w.form4();
    for (auto* b : {&p.unterlaufgewicht, &p.vordergriff, &p.schall}) {
        EXPECT_TRUE(b->visible()) << b->name();
        EXPECT_FALSE(b->enabled()) << b->name();
    }
    EXPECT_FALSE(p.unterlaufwaffe.visible());
}

// ---------------------------------------------------------------- page created again

TEST_F(AccessoryPageWalk, PageCreatedAgainKeepsTheLocksOfPage2Choices) {
    page4("Leichte Pistole");
    // Back to page 2: "Streifen" off, "Trommel" on.
    w.runtime().userClick(w.form4().Zurück);
    w.runtime().userClick(w.form3().Command3);
    ferrolith::ComponentPage& p2 = w.form2();
    w.runtime().userClick(p2.lade2);
    w.runtime().userClick(p2.lade3);
    ASSERT_EQ(p2.lade3.value(), 1);
    w.runtime().userClick(p2.Weiter1);
    w.runtime().userClick(w.form3().Command2);
    AccessoryPage& first = w.form4();
    EXPECT_FALSE(first.ladestreifen.enabled());
    EXPECT_FALSE(first.schall.enabled());

    w.runtime().userClick(first.Zurück);
    w.runtime().userClick(w.form3().Command2);
    AccessoryPage& again = w.form4();
    EXPECT_FALSE(again.ladestreifen.enabled());
    EXPECT_FALSE(again.vergrößert.enabled());
    EXPECT_TRUE(again.schall.visible());
    EXPECT_FALSE(again.schall.enabled());
    EXPECT_FALSE(again.vordergriff.visible());
    EXPECT_FALSE(again.unterlaufgewicht.visible());
}

TEST_F(AccessoryPageWalk, PageCreatedAgainKeepsTheGasVentLock) {
    page4("Schrotflinte");
    w.runtime().userClick(w.form4().Zurück);
    w.runtime().userClick(w.form3().gas2);
    EXPECT_FALSE(w.form4().abgesägte.enabled());  // the lock touches page 4 and creates it
    w.runtime().userClick(w.form4().Zurück);
    w.runtime().userClick(w.form3().Command2);
    EXPECT_FALSE(w.form4().abgesägte.enabled());
}

TEST_F(AccessoryPageWalk, SetUpTouchesNoPageBeyondPage3) {
    page4("Sturmgewehr");
    EXPECT_FALSE(w.form12.loaded());
    for (auto* dialog : w.dialogs()) EXPECT_FALSE(dialog->loaded());
}

TEST_F(AccessoryPageWalk, PageCreatedByTheGasVentTakesPage3NegativeFke) {
    page4("Schrotflinte");
    w.runtime().userClick(w.form4().Zurück);
    ferrolith::InternalPage& p3 = w.form3();
    w.runtime().userClick(p3.gas4);
    w.runtime().userClick(p3.Command2);
    w.runtime().userClick(w.form4().Zurück);
    ASSERT_FALSE(w.form4.loaded());
    p3.fke.setText("-0,5");
    messages.shown.clear();
    w.runtime().userClick(p3.gas4);  // the untick enables abgesägte on a new page 4
    ASSERT_TRUE(w.form4.loaded());
    EXPECT_FALSE(w.form4().Command2.enabled());
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_EQ(messages.shown[0].prompt, "FKE darf nicht unter 0 liegen !");
    EXPECT_TRUE(w.form4().abgesägte.enabled());
}

// ---------------------------------------------------------------- forward action

using AccessoryPageForward = AccessoryPageWalk;

TEST_F(AccessoryPageForward, NothingTickedPublishesNothingAndCopiesTheSheet) {
    chooseOnly("Sturmgewehr");
    AccessoryPage& p = w.form4();
    p.setLeft(700);
    p.setTop(300);
    p.pwr.setText("HM/SM/AM");
    p.gew.setText("6");
    p.fke.setText("3");
    p.dp.setText("225");
    p.Gurt.setText("/ Gurt");
    w.runtime().userClick(p.Command2);
    EXPECT_EQ(w.modifications.phrases(4), "");
    ferrolith::SensorPage& p5 = w.form12();
    for (const char* f : {"Gurt", "fke", "dp", "pwn", "snw", "pwr", "trn", "trnkera", "gew", "cap", "lmm", "hlt",
                          "kpd", "hlt2", "hlt3"})
        EXPECT_EQ(p5.field(f).text(), p.field(f).text()) << f;
    EXPECT_EQ(p5.left(), 700);
    EXPECT_EQ(p5.top(), 300);
    EXPECT_TRUE(p5.shown());
    EXPECT_FALSE(p.shown());
    EXPECT_TRUE(w.form4.loaded());
}

TEST_F(AccessoryPageForward, PhrasesFollowTheListOrder) {
    chooseOnly("LMG");
    AccessoryPage& p = w.form4();
    w.form3().cap.setText("40");
    p.fke.setText("10");
    for (auto* b : {&p.zweibein, &p.sekundär, &p.sprühsystem, &p.abzug, &p.schock, &p.suppressor})
        w.runtime().userClick(*b);
    p.ladestreifen.setEnabled(true);
    w.runtime().userPick(p.vergrößert, "44");
    w.runtime().userClick(p.Command2);
    EXPECT_EQ(w.modifications.phrases(4),
              ", Schockpolster, Schallunterdrücker, vergrößerter Ladestreifen, ausgebauter Abzug"
              ", Biometrische Sicherheitsschaltung, Biometrische Sicherheitsschaltung mit Sprühsystem, Zweibein");
}

TEST_F(AccessoryPageForward, UnderbarrelWeaponAppendsItsKindOnly) {
    chooseOnly("SMG");
    AccessoryPage& p = w.form4();
    p.fke.setText("4");
    w.runtime().userClick(p.unterlaufwaffe);
    w.runtime().userClick(p.Command2);
    EXPECT_EQ(w.modifications.phrases(4), "");
    w.runtime().userClick(p.enterhaken);
    w.runtime().userClick(p.Command2);
    EXPECT_EQ(w.modifications.phrases(4), ", Unterlaufwaffe (Enterhakenkanone)");
}

TEST_F(AccessoryPageForward, SizeLeftInTheListAfterTheUntickIsNotListed) {
    chooseOnly("LMG");
    AccessoryPage& p = w.form4();
    w.form3().cap.setText("40");
    p.ladestreifen.setEnabled(true);
    w.runtime().userPick(p.vergrößert, "10");
    w.runtime().userClick(p.ladestreifen);
    w.runtime().userClick(p.Command2);
    EXPECT_EQ(p.vergrößert.text(), "10");
    EXPECT_EQ(w.modifications.phrases(4), "");
}

TEST_F(AccessoryPageForward, TakenUnderbarrelMountIsHandedToPage5AndTheDialogs) {
    chooseOnly("Sturmgewehr");
    AccessoryPage& p = w.form4();
    p.fke.setText("3");
    w.runtime().userClick(p.zweibein);
    w.runtime().userClick(p.Command2);
    walk::expectUnderbarrelTaken(s.w);
    EXPECT_EQ(w.modifications.phrases(4), ", Zweibein");
}

TEST_F(AccessoryPageForward, FreeUnderbarrelMountLeavesPage5Alone) {
    chooseOnly("Sturmgewehr");
    AccessoryPage& p = w.form4();
    p.fke.setText("3");
    w.runtime().userClick(p.schock);
    w.runtime().userClick(p.Command2);
    ferrolith::SensorPage& p5 = w.form12();
    EXPECT_EQ(p5.Check2.value(), 0);
    EXPECT_TRUE(p5.hlt3.enabled());
    EXPECT_EQ(p5.hlt3.text(), "Unterlauf");
}

// ---------------------------------------------------------------- back action

TEST_F(AccessoryPageWalk, BackShowsPage3AtThisPlaceAndUnloadsPage4) {
    chooseOnly("LMG");
    AccessoryPage& p = w.form4();
    p.setLeft(120);
    p.setTop(80);
    w.runtime().userClick(p.Zurück);
    EXPECT_FALSE(w.form4.loaded());
    EXPECT_TRUE(w.form3().shown());
    EXPECT_EQ(w.form3().left(), 120);
    EXPECT_EQ(w.form3().top(), 80);
}

}  // namespace
