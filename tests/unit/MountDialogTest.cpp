// The six mount dialogs and the two mount flags of page 5: what each dialog
// offers for each pair of flags, confirming and cancelling a choice, and
// giving the mounts back in either order.

#include "WalkHelpers.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

using ferrolith::MountDialog;
using walk::click;

namespace {

class MountDialogWalk : public walk::Page5Walk {
protected:
    // What a dialog offers, as the user sees it.
    struct Offer {
        bool top, underbarrel, notice;
        bool operator==(const Offer&) const = default;
    };
    static Offer offer(const MountDialog& d) {
        return {d.aufmontiert.visible() && d.aufmontiert.enabled(), d.unterlauf.visible() && d.unterlauf.enabled(),
                d.frei.visible()};
    }
    void expectAllOffer(Offer expected) {
        for (auto* slot : w.dialogs()) {
            const Offer o = offer((*slot)());
            EXPECT_TRUE(o == expected) << (*slot)().name() << " offers top " << o.top << ", underbarrel "
                                       << o.underbarrel << ", notice " << o.notice;
        }
    }
};

TEST_F(MountDialogWalk, SixDialogsWithCaptionItemAndNoCloseBox) {
    open();
    const char* expected[][2] = {{"Entfernungsmesser", "entfernungsmesser"}, {"Laser-Zielmarkierer", "laserziel"},
                                 {"Ultraschall-Sensor", "ultraschall"},     {"Smartgun (extern)", "smartextern"},
                                 {"Lasermarkierer", "laser"},              {"Sichtgerät", "sichtgerät"}};
    int i = 0;
    for (auto* slot : w.dialogs()) {
        MountDialog& d = (*slot)();
        EXPECT_EQ(d.caption(), expected[i][0]);
        EXPECT_EQ(d.item, expected[i][1]);
        EXPECT_FALSE(d.closable);
        EXPECT_EQ(d.aufmontiert.caption(), "Aufmontiert");
        EXPECT_EQ(d.unterlauf.caption(), "Unterlauf");
        EXPECT_EQ(d.ok.caption(), "&OK");
        EXPECT_EQ(d.cancel.caption(), "&Cancel");
        EXPECT_EQ(d.frei.text(), "Keine Halterungen mehr frei !!!\n       (bitte Cancel drücken)\n");
        EXPECT_TRUE(d.frei.readOnly);
        EXPECT_FALSE(d.frei.visible());
        EXPECT_FALSE(d.shown());
        ++i;
    }
    // The close box does nothing.
    w.runtime().userClose(w.form6());
    EXPECT_TRUE(w.form6.loaded());
}

// ---------------------------------------------------------------- the flag table

class MountDialogFlags : public MountDialogWalk, public ::testing::WithParamInterface<std::tuple<int, int>> {};

TEST_P(MountDialogFlags, EveryDialogOffersWhatTheFlagsLeave) {
    open();
    const auto [check1, check2] = GetParam();
    p->Check1.setValue(check1);
    p->Check2.setValue(check2);
    expectAllOffer({check1 == 0, check2 == 0, check1 == 1 && check2 == 1});
    // Setting them in the other order leaves the same offer.
    p->Check1.setValue(0);
    p->Check2.setValue(0);
    expectAllOffer({true, true, false});
    p->Check2.setValue(check2);
    p->Check1.setValue(check1);
    expectAllOffer({check1 == 0, check2 == 0, check1 == 1 && check2 == 1});
}

INSTANTIATE_TEST_SUITE_P(MountDialog, MountDialogFlags,
                         ::testing::Values(std::tuple{0, 0}, std::tuple{1, 0}, std::tuple{0, 1}, std::tuple{1, 1}),
                         [](const auto& info) {
                             return "Check1_" + std::to_string(std::get<0>(info.param)) + "_Check2_" +
                                    std::to_string(std::get<1>(info.param));
                         });

// Sound behaviour: page 5's set-up ticks the underbarrel flag for a class
// without an underbarrel mount each time the page is created.
TEST_F(MountDialogWalk, LeichtePistoleOffersOnlyTheTopMountEachTimePage5IsCreated) {
    open("Leichte Pistole");
    EXPECT_EQ(p->Check2.value(), 1);
    expectAllOffer({true, false, false});

    click(p->Zurück);
    ASSERT_FALSE(w.form12.loaded());
    EXPECT_EQ(w.form12().Check2.value(), 1);
    expectAllOffer({true, false, false});
    for (auto* slot : w.dialogs()) {
        const MountDialog& d = (*slot)();
        EXPECT_FALSE(d.unterlauf.visible() || d.unterlauf.enabled()) << d.name();
    }
}

TEST_F(MountDialogWalk, FirstFlagChangeCreatesTheDialogsWithoutShowingThem) {
    open();
    for (auto* slot : w.dialogs()) ASSERT_FALSE(slot->loaded());
    p->Check1.setValue(1);
    for (auto* slot : w.dialogs()) {
        EXPECT_TRUE(slot->loaded());
        EXPECT_FALSE((*slot)().shown());
    }
}

// ---------------------------------------------------------------- one dialog

TEST_F(MountDialogWalk, TickingAChoiceTakesItsMountFieldAtOnce) {
    open();
    click(p->laser);
    MountDialog& d = w.form10();
    click(d.aufmontiert);
    EXPECT_EQ(p->hlt2.text(), "");
    EXPECT_FALSE(p->hlt2.enabled());
    EXPECT_FALSE(d.unterlauf.visible());
    click(d.aufmontiert);
    EXPECT_EQ(p->hlt2.text(), "Aufmontiert");
    EXPECT_TRUE(p->hlt2.enabled());
    EXPECT_TRUE(d.unterlauf.visible());

    click(d.unterlauf);
    EXPECT_EQ(p->hlt3.text(), "");
    EXPECT_FALSE(p->hlt3.enabled());
    EXPECT_FALSE(d.aufmontiert.visible());
    click(d.unterlauf);
    EXPECT_EQ(p->hlt3.text(), "Unterlauf");
    EXPECT_TRUE(d.aufmontiert.visible());
    EXPECT_EQ(p->Check1.value() + p->Check2.value(), 0);
}

TEST_F(MountDialogWalk, OkWithoutAChoiceDoesNothing) {
    open();
    click(p->ultraschall);
    click(w.form8().ok);
    EXPECT_TRUE(w.form8().shown());
    EXPECT_FALSE(p->enabled());
    EXPECT_EQ(p->ultraschall.value(), 1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MountDialogWalk, OkWithUnterlaufConfirmsAndClosesTheDialog) {
    open();
    click(p->laserziel);
    MountDialog& d = w.form7();
    click(d.unterlauf);
    click(d.ok);
    EXPECT_EQ(p->Check2.value(), 1);
    EXPECT_EQ(d.unterlauf.value(), 2);
    EXPECT_FALSE(d.shown());
    EXPECT_TRUE(p->enabled());
    EXPECT_TRUE(p->shown());
    EXPECT_EQ(p->hlt3.text(), "");
    EXPECT_FALSE(p->hlt3.enabled());
    for (auto* slot : w.dialogs()) {
        MountDialog& other = (*slot)();
        if (&other == &d) continue;
        EXPECT_TRUE(offer(other) == (Offer{true, false, false})) << other.name();
    }
}

TEST_F(MountDialogWalk, OkWithAufmontiertGreysItAndWithdrawsTheTopMountElsewhere) {
    open();
    click(p->entfernungsmesser);
    MountDialog& d = w.form6();
    click(d.aufmontiert);
    click(d.ok);
    EXPECT_EQ(p->Check1.value(), 1);
    EXPECT_EQ(d.aufmontiert.value(), 2);
    EXPECT_EQ(p->hlt2.text(), "");
    EXPECT_FALSE(p->hlt2.enabled());
    for (auto* slot : w.dialogs()) {
        MountDialog& other = (*slot)();
        if (&other == &d) continue;
        EXPECT_FALSE(other.aufmontiert.visible() || other.aufmontiert.enabled()) << other.name();
        EXPECT_TRUE(other.unterlauf.visible() && other.unterlauf.enabled()) << other.name();
    }
}

TEST_F(MountDialogWalk, CancelWithNothingTickedUnticksAndRefundsTheItem) {
    open();
    click(p->laserziel);
    click(w.form7().cancel);
    EXPECT_EQ(p->laserziel.value(), 0);
    EXPECT_EQ(walk::texts(*p, "trn dp gew fke"), (walk::Texts{"6", "500", "2,75", "2"}));
    EXPECT_FALSE(w.form7().shown());
    EXPECT_TRUE(p->enabled());
    EXPECT_TRUE(p->shown());
}

// Sound behaviour: Cancel also gives back a choice ticked but not confirmed.
TEST_F(MountDialogWalk, CancelGivesBackAnUnconfirmedChoice) {
    open();
    click(p->sichtgerät);
    MountDialog& d = w.form11();
    click(d.aufmontiert);
    ASSERT_EQ(p->hlt2.text(), "");
    click(d.cancel);
    EXPECT_EQ(d.aufmontiert.value(), 0);
    EXPECT_EQ(p->hlt2.text(), "Aufmontiert");
    EXPECT_TRUE(p->hlt2.enabled());
    EXPECT_EQ(p->Check1.value(), 0);
    // Another item may take the top mount, and this dialog offers both again.
    click(p->sichtgerät);
    EXPECT_TRUE(offer(d) == (Offer{true, true, false}));
    click(d.cancel);
    click(p->laser);
    click(w.form10().aufmontiert);
    click(w.form10().ok);
    EXPECT_EQ(w.form10().aufmontiert.value(), 2);
    EXPECT_EQ(d.aufmontiert.value(), 0) << "a stale tick would be greyed by the flag";
}

// Sound behaviour: an item's untick gives back an unconfirmed choice too.
TEST_F(MountDialogWalk, ItemUntickGivesBackAnUnconfirmedChoice) {
    open();
    click(p->smartextern);
    MountDialog& d = w.form9();
    click(d.unterlauf);
    ASSERT_FALSE(p->hlt3.enabled());
    p->smartextern.setValue(0);  // code unticks the item while the choice is open
    EXPECT_EQ(d.unterlauf.value(), 0);
    EXPECT_EQ(p->hlt3.text(), "Unterlauf");
    EXPECT_TRUE(p->hlt3.enabled());
    EXPECT_EQ(p->Check2.value(), 0);
    EXPECT_EQ(p->fke.text(), "2");
}

// ---------------------------------------------------------------- both mounts

class MountDialogBothMounts : public MountDialogWalk {
protected:
    void takeBoth() {
        open();
        click(p->laserziel);
        click(w.form7().aufmontiert);
        click(w.form7().ok);
        click(p->ultraschall);
        click(w.form8().unterlauf);
        click(w.form8().ok);
    }
    void expectStart() {
        EXPECT_EQ(p->Check1.value(), 0);
        EXPECT_EQ(p->Check2.value(), 0);
        expectAllOffer({true, true, false});
        for (auto* slot : w.dialogs()) {
            EXPECT_EQ((*slot)().aufmontiert.value(), 0);
            EXPECT_EQ((*slot)().unterlauf.value(), 0);
        }
        EXPECT_EQ(p->hlt2.text(), "Aufmontiert");
        EXPECT_EQ(p->hlt3.text(), "Unterlauf");
        EXPECT_TRUE(p->hlt2.enabled());
        EXPECT_TRUE(p->hlt3.enabled());
        EXPECT_EQ(walk::texts(*p, "trn gew fke dp"), (walk::Texts{"6", "2,75", "2", "500"}));
    }
};

TEST_F(MountDialogBothMounts, EveryDialogShowsOnlyTheNotice) {
    takeBoth();
    expectAllOffer({false, false, true});
    EXPECT_EQ(p->hlt2.text(), "");
    EXPECT_EQ(p->hlt3.text(), "");
}

TEST_F(MountDialogBothMounts, AFurtherItemIsChargedAndCancelRefundsIt) {
    takeBoth();
    click(p->entfernungsmesser);
    EXPECT_EQ(p->dp.text(), "1530");
    MountDialog& d = w.form6();
    EXPECT_TRUE(d.shown());
    EXPECT_TRUE(offer(d) == (Offer{false, false, true}));
    click(d.ok);
    EXPECT_TRUE(d.shown()) << "OK does nothing without a free mount";
    click(d.cancel);
    EXPECT_EQ(p->entfernungsmesser.value(), 0);
    EXPECT_EQ(p->dp.text(), "1500");
    EXPECT_TRUE(p->enabled());
}

TEST_F(MountDialogBothMounts, ReleasingTheUnderbarrelHolderFirst) {
    takeBoth();
    click(p->ultraschall);
    EXPECT_EQ(p->Check2.value(), 0);
    EXPECT_EQ(w.form8().unterlauf.value(), 0);
    EXPECT_EQ(p->hlt3.text(), "Unterlauf");
    EXPECT_TRUE(p->hlt3.enabled());
    expectAllOffer({false, true, false});
    // The releasing dialog shows its top choice again, still disabled.
    EXPECT_TRUE(w.form8().aufmontiert.visible());
    EXPECT_FALSE(w.form8().aufmontiert.enabled());
    EXPECT_EQ(p->hlt2.text(), "");
    click(p->laserziel);
    expectStart();
}

TEST_F(MountDialogBothMounts, ReleasingTheTopHolderFirst) {
    takeBoth();
    click(p->laserziel);
    EXPECT_EQ(p->Check1.value(), 0);
    EXPECT_EQ(p->hlt2.text(), "Aufmontiert");
    expectAllOffer({true, false, false});
    EXPECT_EQ(p->hlt3.text(), "");
    click(p->ultraschall);
    expectStart();
}

}  // namespace
