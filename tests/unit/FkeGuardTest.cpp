// The FKE guard: every write of fke below 0 disables the forward button and
// then warns; 0 or more enables it again without a message.

#include "common/DesignSheet.h"
#include "forms/FakePorts.h"
#include "forms/Number.h"
#include "forms/Runtime.h"

#include <gtest/gtest.h>

using namespace forms;
using ferrolith::DesignSheet;

namespace {
struct GuardedPage : Form, DesignSheet {
    explicit GuardedPage(Runtime& rt)
        : Form(rt, "Page", "Page"), DesignSheet(*this, ferrolith::page2SheetTexts, "Frame1"),
          weiter(*this, "Weiter1", "&Weiter") {
        guardFke(weiter);
    }
    Button weiter;
};

struct FkeGuard : ::testing::Test {
    Runtime rt;
    FakeMessageBox messages;
    GuardedPage page{rt};
    void SetUp() override { rt.setPorts(&messages, nullptr, nullptr); }
};
}  // namespace

TEST_F(FkeGuard, DropBelowZeroWarnsEachTimeAndZeroEnablesSilently) {
    page.fke.setText("0,25");
    EXPECT_TRUE(page.weiter.enabled());
    EXPECT_TRUE(messages.shown.empty());

    number::add(page.fke, -0.5);
    EXPECT_EQ(page.fke.text(), "-0,25");
    EXPECT_FALSE(page.weiter.enabled());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].prompt, "FKE darf nicht unter 0 liegen !");
    EXPECT_EQ(messages.shown[0].title, "Ferrolith");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::None);

    number::add(page.fke, -0.5);
    EXPECT_EQ(page.fke.text(), "-0,75");
    EXPECT_EQ(messages.shown.size(), 2u);

    number::add(page.fke, 0.75);
    EXPECT_EQ(page.fke.text(), "0");
    EXPECT_TRUE(page.weiter.enabled());
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(FkeGuard, ButtonIsDisabledBeforeTheMessageShows) {
    struct Probe : MessageBoxPort {
        Button* button = nullptr;
        bool enabledWhileShown = true;
        void show(const std::string&, const std::string&, MessageIcon) override {
            enabledWhileShown = button->enabled();
        }
    } probe;
    probe.button = &page.weiter;
    rt.setPorts(&probe, nullptr, nullptr);
    page.fke.setText("-1");
    EXPECT_FALSE(probe.enabledWhileShown);
}

TEST_F(FkeGuard, RunsOnAHiddenPageToo) {
    page.hide();
    page.fke.setText("-0,5");
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_FALSE(page.weiter.enabled());
}

TEST_F(FkeGuard, NewSheetShowsItsDesignerTexts) {
    EXPECT_EQ(page.kpd.text(), "0");
    EXPECT_EQ(page.trnkera.text(), "");
    EXPECT_EQ(page.Gurt.text(), "/ -");
    EXPECT_EQ(page.snw.text(), "snw");
    EXPECT_EQ(page.hlt2.text(), "Aufmontiert");
    EXPECT_FALSE(page.typ.visible());
}
