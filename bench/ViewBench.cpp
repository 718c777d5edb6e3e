// Benchmarks with the Qt view (offscreen): the program's start up to page 1
// shown, and page 2's "&Weiter" with its windows. The main function measures
// the very first start once, before any benchmark has warmed anything up, and
// reports the peak memory of the whole run at the end.

#include "app/Wizard.h"
#include "components/ComponentPage.h"
#include "forms/FakePorts.h"
#include "start/FrameChoicePage.h"
#include "start/StartWindow.h"
#include "view/View.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>

#include <chrono>
#include <memory>
#include <cstdio>
#include <sys/resource.h>

namespace {

using ferrolith::Wizard;

struct ViewSession {
    Wizard w;
    ferrolith::view::View view{w.runtime()};
    forms::FakeMessageBox messages;
    forms::FakeSaveDialog saveDialog;
    forms::FakeProgramEnd end;

    ViewSession() { w.runtime().setPorts(&messages, &saveDialog, &end); }

    // Start window and its "OK"; true when page 1's window is visible.
    bool toPage1() {
        w.start();
        w.runtime().userClick(w.frmAbout().cmdOK);
        QApplication::processEvents();
        QWidget* page1 = view.window(w.form1());
        return page1 && page1->isVisible();
    }
};

void BM_StartToPage1WithView(benchmark::State& state) {
    for (auto _ : state) {
        ViewSession s;
        if (!s.toPage1()) state.SkipWithError("page 1 not shown");
    }
}
BENCHMARK(BM_StartToPage1WithView)->Unit(benchmark::kMillisecond);

void BM_Page2ForwardWithView(benchmark::State& state) {
    const int option = static_cast<int>(state.range(0));
    std::unique_ptr<ViewSession> s;
    for (auto _ : state) {
        state.PauseTiming();
        s = std::make_unique<ViewSession>();
        s->toPage1();
        s->w.runtime().userClick(s->w.form1().option(option));
        s->w.runtime().userClick(s->w.form1().Command1);
        QApplication::processEvents();
        auto* forward = s->w.form2().find("Weiter1");
        state.ResumeTiming();
        s->w.runtime().userClick(static_cast<forms::Button&>(*forward));
        QApplication::processEvents();
    }

}
BENCHMARK(BM_Page2ForwardWithView)->Arg(2)->Arg(9)->Arg(14)->Unit(benchmark::kMillisecond);

long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

// The offscreen platform warns about every raise(); the figures are what matters here.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg || type == QtCriticalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

int main(int argc, char** argv) {
    qInstallMessageHandler(quietMessages);
    using Clock = std::chrono::steady_clock;
    const auto started = Clock::now();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ferrolith::view::loadResources();
    {
        ViewSession first;
        const bool shown = first.toPage1();
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
        std::printf("first start to page 1 shown: %.1f ms%s\n", ms, shown ? "" : " (page 1 NOT shown)");
        std::printf("peak memory after page 1: %.1f MB\n", peakKilobytes() / 1024.0);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("peak memory of the whole run: %.1f MB\n", peakKilobytes() / 1024.0);
    return 0;
}
