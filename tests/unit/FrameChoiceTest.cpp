// The start window and page 1: the class choice writes the class's texts,
// "&Weiter" waits for a choice, and the menu and the close box behave.

#include "WalkHelpers.h"

#include <gtest/gtest.h>

using namespace ferrolith;

namespace {
struct StartWindowTest : ::testing::Test {
    walk::Session s{false};
    Wizard& w = s.w;
    forms::FakeProgramEnd& end = s.end;
};
struct FrameChoiceTest : ::testing::Test {
    walk::Session s;
    Wizard& w = s.w;
    forms::FakeMessageBox& messages = s.messages;
    forms::FakeProgramEnd& end = s.end;
};
}  // namespace

TEST_F(StartWindowTest, OkOpensPageOneAndClosesForGood) {
    ASSERT_TRUE(w.frmAbout.loaded());
    EXPECT_TRUE(w.frmAbout().shown());
    EXPECT_FALSE(w.form1.loaded());
    EXPECT_EQ(w.frmAbout().lblVersion.caption(), "Version    0.0.7b");
    w.runtime().userClick(w.frmAbout().cmdOK);
    EXPECT_FALSE(w.frmAbout.loaded());
    ASSERT_TRUE(w.form1.loaded());
    EXPECT_TRUE(w.form1().shown());
    EXPECT_FALSE(w.form1().Command1.enabled());
    EXPECT_EQ(end.ends, 0);
}

TEST_F(StartWindowTest, EscAndEnterActAsOk) {
    w.runtime().userKey(w.frmAbout(), true);
    EXPECT_FALSE(w.frmAbout.loaded());
    EXPECT_TRUE(w.form1().shown());
    EXPECT_EQ(end.ends, 0);

    walk::Session other{false};
    other.w.runtime().userKey(other.w.frmAbout(), false);
    EXPECT_TRUE(other.w.form1().shown());
}

TEST_F(StartWindowTest, HasNoCloseBox) {
    w.runtime().userClose(w.frmAbout());
    EXPECT_TRUE(w.frmAbout.loaded());
    EXPECT_EQ(end.ends, 0);
}

struct ClassTexts {
    int option;
    const char* key;
    const char* fke;
    const char* dp;
};

class FrameChoiceClasses : public FrameChoiceTest, public ::testing::WithParamInterface<ClassTexts> {};

TEST_P(FrameChoiceClasses, ChoosingAClassWritesItsTextsAndEnablesWeiter) {
    const ClassTexts& c = GetParam();
    FrameChoicePage& page = w.form1();
    w.runtime().userClick(page.option(c.option));
    EXPECT_EQ(page.fke.text(), c.fke);
    EXPECT_EQ(page.dp.text(), c.dp);
    EXPECT_EQ(page.typ.text(), c.key);
    EXPECT_TRUE(page.Command1.enabled());
    EXPECT_TRUE(page.option(c.option).value());
    // Nothing beyond page 1 is touched by the choice.
    EXPECT_FALSE(w.form2.loaded());
}

INSTANTIATE_TEST_SUITE_P(AllClasses, FrameChoiceClasses,
                         ::testing::Values(ClassTexts{1, "Holdout Pistole", "1", "25"},
                                           ClassTexts{2, "Leichte Pistole", "1,5", "90"},
                                           ClassTexts{3, "Automatische Pistole", "1", "180"},
                                           ClassTexts{4, "Schwere Pistole", "2", "120"},
                                           ClassTexts{5, "Maschinenpistole", "1,5", "100"},
                                           ClassTexts{6, "Schrotflinte", "2,5", "130"},
                                           ClassTexts{7, "Taser", "1", "200"},
                                           ClassTexts{8, "Sportgewehr", "2,5", "125"},
                                           ClassTexts{9, "Sturmgewehr", "3", "225"},
                                           ClassTexts{10, "Scharfschützengewehr", "2,5", "800"},
                                           ClassTexts{11, "LMG", "4", "425"},
                                           ClassTexts{12, "MMG", "4", "700"},
                                           ClassTexts{13, "SMG", "4", "1000"},
                                           ClassTexts{14, "Sturmkanone", "4", "1400"}),
                         [](const auto& info) { return walk::testName(info.param.key); });

TEST_F(FrameChoiceTest, HoldoutKeyStandsUnderTheHyphenatedCaption) {
    FrameChoicePage& page = w.form1();
    EXPECT_EQ(page.option(1).caption(), "Hold-Out Pistole                ( FKE: 1  |  DP: 25 )");
    EXPECT_EQ(page.option(6).caption(), "Schrotflinte                       ( FKE: 2,5  |  DP:130 )");
    w.runtime().userClick(page.option(1));
    EXPECT_EQ(page.typ.text(), "Holdout Pistole");
    EXPECT_FALSE(page.typ.visible());
}

TEST_F(FrameChoiceTest, ChoosingAnotherClassClearsTheFirst) {
    FrameChoicePage& page = w.form1();
    w.runtime().userClick(page.option(11));
    w.runtime().userClick(page.option(2));
    EXPECT_FALSE(page.option(11).value());
    EXPECT_EQ(page.typ.text(), "Leichte Pistole");
    EXPECT_EQ(page.fke.text(), "1,5");
}

TEST_F(FrameChoiceTest, InfoShowsTheCreditBoxAndChangesNothing) {
    FrameChoicePage& page = w.form1();
    w.runtime().userClick(page.option(4));
    w.runtime().userClick(page.info);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Korvessa");
    EXPECT_EQ(messages.shown[0].prompt.rfind("Ferrolith by Ellvarin. ", 0), 0u);
    EXPECT_EQ(messages.shown[0].icon, forms::MessageIcon::Information);
    EXPECT_EQ(walk::texts(page, "typ fke dp"), (walk::Texts{"Schwere Pistole", "2", "120"}));
    EXPECT_TRUE(page.option(4).value());
    EXPECT_TRUE(page.Command1.enabled());
    EXPECT_EQ(page.info.menu, "&Datei");
}

TEST_F(FrameChoiceTest, BeendenAndTheCloseBoxEndTheProgram) {
    w.runtime().userClick(w.form1().mnuSubBeenden);
    EXPECT_EQ(end.ends, 1);

    walk::Session other;
    other.w.runtime().userClose(other.w.form1());
    EXPECT_EQ(other.end.ends, 1);
}
