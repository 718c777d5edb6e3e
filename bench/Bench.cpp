// Model-only benchmarks: a check-box tick with its handler and the FKE guard,
// the way from the start window through page 1 to page 2, and a whole walk
// from page 1 to a saved file for each of the fourteen classes. Ports are the
// recording fakes; files go to a folder under /tmp.

#include "accessories/AccessoryPage.h"
#include "app/Wizard.h"
#include "completion/CompletionPage.h"
#include "components/ComponentPage.h"
#include "forms/FakePorts.h"
#include "internal/InternalPage.h"
#include "sensors/MountDialog.h"
#include "sensors/SensorPage.h"
#include "start/FrameChoicePage.h"
#include "start/StartWindow.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

using ferrolith::Wizard;

struct Session {
    Wizard w;
    forms::FakeMessageBox messages;
    forms::FakeSaveDialog saveDialog;
    forms::FakeProgramEnd end;

    Session() { w.runtime().setPorts(&messages, &saveDialog, &end); }

    // Start window, "OK", the class on page 1 (1..14), "&Weiter".
    void toPage2(int option) {
        w.start();
        w.runtime().userClick(w.frmAbout().cmdOK);
        w.runtime().userClick(w.form1().option(option));
        w.runtime().userClick(w.form1().Command1);
    }

    // Clicks the named button of a page, if the page is loaded and shown and
    // has the button; pages still under construction may lack it.
    template <class Page>
    bool clickOn(forms::FormSlot<Page>& slot, const char* buttonName) {
        Page* page = slot.ifLoaded();
        if (!page || !page->shown()) return false;
        forms::Control* c = page->find(buttonName);
        if (!c || c->kind() != forms::ControlKind::Button) return false;
        w.runtime().userClick(static_cast<forms::Button&>(*c));
        return true;
    }
};

std::filesystem::path benchFolder() {
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() / "ferrolith-bench";
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

// (a) Ticking and unticking a page-2 option: its handler charges and refunds
// DP and FKE, and each FKE write runs the guard.
void BM_TickOptionWithFkeGuard(benchmark::State& state) {
    Session s;
    s.toPage2(9);  // Sturmgewehr
    auto* page2 = s.w.form2.ifLoaded();
    forms::Control* c = page2 ? page2->find("bullpup") : nullptr;
    if (!c || c->kind() != forms::ControlKind::CheckBox || !c->acceptsInput()) {
        state.SkipWithError("page 2 offers no bullpup box yet");
        return;
    }
    auto& box = static_cast<forms::CheckBox&>(*c);
    for (auto _ : state) {
        s.w.runtime().userClick(box);
        s.w.runtime().userClick(box);
    }
    benchmark::DoNotOptimize(page2->fke.text());
}
BENCHMARK(BM_TickOptionWithFkeGuard);

// (a) A new wizard walked from the start window through page 1 to page 2,
// with page 2's set-up for the class and the nested set-ups it causes.
void BM_StartWindowToPage2(benchmark::State& state) {
    const int option = static_cast<int>(state.range(0));
    for (auto _ : state) {
        Session s;
        s.toPage2(option);
        benchmark::DoNotOptimize(s.w.form2.loaded());
    }
}
BENCHMARK(BM_StartWindowToPage2)->Arg(1)->Arg(7)->Arg(14);

// (b) One whole design per class: page 1 to the saved file through the
// forward buttons of pages 2 to 5 and "&Speichern" on page 6.
void BM_WholeWalkToSavedFile(benchmark::State& state) {
    const int option = static_cast<int>(state.range(0));
    const std::string path = (benchFolder() / ("entwurf-" + std::to_string(option) + ".txt")).string();
    bool saved = false;
    for (auto _ : state) {
        Session s;
        s.toPage2(option);
        s.clickOn(s.w.form2, "Weiter1");
        s.clickOn(s.w.form3, "Command2");
        s.clickOn(s.w.form4, "Command2");
        s.clickOn(s.w.form12, "Command2");
        s.saveDialog.answers.push_back(path);
        saved = s.clickOn(s.w.form5, "cmdSave");
        benchmark::DoNotOptimize(saved);
    }
    if (!saved) state.SetLabel("page 6 not reached");
}
BENCHMARK(BM_WholeWalkToSavedFile)->DenseRange(1, 14);

}  // namespace


