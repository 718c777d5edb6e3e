// Page changes with the Qt view (offscreen), each measured against its
// anchor: a bare Qt window of the same size and widgets, built, shown and
// painted in the same run (for a mount dialog, which greys page 5 out, a bare
// window like page 5 is greyed out as well). Each run of either side starts from a settled
// state; what it times is only the step up to the new window painted. The
// walk to the page a step starts from and the end of the session lie outside
// the timing. Program and anchor take turns, and each line gives the medians
// and their ratio. The model benchmarks of Bench.cpp run afterwards.

#include "Anchor.h"

#include "accessories/AccessoryPage.h"
#include "app/Wizard.h"
#include "common/WeaponClass.h"
#include "completion/CompletionPage.h"
#include "components/ComponentPage.h"
#include "forms/FakePorts.h"
#include "internal/InternalPage.h"
#include "sensors/MountDialog.h"
#include "sensors/SensorPage.h"
#include "start/FrameChoicePage.h"
#include "start/StartWindow.h"
#include "view/View.h"

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using ferrolith::Wizard;
using Clock = std::chrono::steady_clock;

struct ViewSession {
    Wizard w;
    ferrolith::view::View view{w.runtime()};
    forms::FakeMessageBox messages;
    forms::FakeSaveDialog saveDialog;
    forms::FakeProgramEnd end;

    ViewSession() { w.runtime().setPorts(&messages, &saveDialog, &end); }
};

// Lets queued calls and deferred deletions run.
void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

bool press(Wizard& w, forms::Button& button) {
    if (!button.acceptsInput()) return false;
    w.runtime().userClick(button);
    return true;
}

// Walks a new session to the window a step starts from: 0 the start window,
// 1 page 1 with the class chosen, 2 to 6 the pages. False if the class does
// not get that far with its defaults.
bool walkTo(Wizard& w, int option, int page) {
    w.start();
    if (page == 0) return true;
    w.runtime().userClick(w.frmAbout().cmdOK);
    w.runtime().userClick(w.form1().option(option));
    if (page >= 2 && !press(w, w.form1().Command1)) return false;
    if (page >= 3 && !press(w, w.form2().Weiter1)) return false;
    if (page >= 4 && !press(w, w.form3().Command2)) return false;
    if (page >= 5 && !press(w, w.form4().Command2)) return false;
    if (page >= 6 && !press(w, w.form12().Command2)) return false;
    return true;
}

// Clicks the widget of a control the way a user's click arrives.
bool click(ViewSession& s, forms::Control& control) {
    auto* button = qobject_cast<QAbstractButton*>(s.view.widget(control));
    if (!button || !button->isVisible() || !button->isEnabled()) return false;
    button->click();
    return true;
}

struct Step {
    const char* name;
    int from;  // the window the step starts from, as for walkTo
    // Clicks; returns the form whose window the step shows, or nullptr.
    std::function<forms::Form*(ViewSession&)> act;
    // The window the step greys out beside the new one, if any: its repaint
    // belongs to what the user waits for, on both sides.
    std::function<forms::Form*(Wizard&)> greys = nullptr;
};

template <class Page>
std::function<forms::Form*(ViewSession&)> pressOn(forms::FormSlot<Page> Wizard::*page, forms::Button Page::*button,
                                                  std::function<forms::Form&(Wizard&)> target) {
    return [=](ViewSession& s) -> forms::Form* {
        if (!click(s, (s.w.*page)().*button)) return nullptr;
        return &target(s.w);
    };
}

const std::vector<Step>& steps() {
    using namespace ferrolith;
    static const std::vector<Step> all{
        {"start window \"OK\"", 0,
         pressOn(&Wizard::frmAbout, &StartWindow::cmdOK, [](Wizard& w) -> forms::Form& { return w.form1(); })},
        {"page 1 \"&Weiter\"", 1,
         pressOn(&Wizard::form1, &FrameChoicePage::Command1, [](Wizard& w) -> forms::Form& { return w.form2(); })},
        {"page 2 \"&Weiter\"", 2,
         pressOn(&Wizard::form2, &ComponentPage::Weiter1, [](Wizard& w) -> forms::Form& { return w.form3(); })},
        {"page 3 \"&Weiter\"", 3,
         pressOn(&Wizard::form3, &InternalPage::Command2, [](Wizard& w) -> forms::Form& { return w.form4(); })},
        {"page 4 \"&Weiter\"", 4,
         pressOn(&Wizard::form4, &AccessoryPage::Command2, [](Wizard& w) -> forms::Form& { return w.form12(); })},
        {"mount dialog opens", 5,
         [](ViewSession& s) -> forms::Form* {
             SensorPage& page5 = s.w.form12();
             for (forms::CheckBox* item : {&page5.entfernungsmesser, &page5.laserziel, &page5.ultraschall,
                                           &page5.smartextern, &page5.laser, &page5.sichtgerät}) {
                 if (item->value() != 0 || !item->acceptsInput()) continue;
                 MountDialog& dialog = page5.dialogOf(*item);
                 return click(s, *item) ? &dialog : nullptr;
             }
             return nullptr;
         },
         [](Wizard& w) -> forms::Form* { return &w.form12(); }},
        {"page 5 \"&Weiter\"", 5,
         pressOn(&Wizard::form12, &SensorPage::Command2, [](Wizard& w) -> forms::Form& { return w.form5(); })},
        {"page 6 \"&Zurück\"", 6,
         pressOn(&Wizard::form5, &CompletionPage::Zurück, [](Wizard& w) -> forms::Form& { return w.form12(); })},
        {"page 5 \"&Zurück\"", 5,
         pressOn(&Wizard::form12, &SensorPage::Zurück, [](Wizard& w) -> forms::Form& { return w.form4(); })},
        {"page 4 \"&Zurück\"", 4,
         pressOn(&Wizard::form4, &AccessoryPage::Zurück, [](Wizard& w) -> forms::Form& { return w.form3(); })},
        {"page 3 \"&Zurück\"", 3,
         pressOn(&Wizard::form3, &InternalPage::Command3, [](Wizard& w) -> forms::Form& { return w.form2(); })},
        {"page 2 \"&Zurück\"", 2,
         pressOn(&Wizard::form2, &ComponentPage::Zurück1, [](Wizard& w) -> forms::Form& { return w.form1(); })},
        {"page 6 \"&Neu\"", 6,
         pressOn(&Wizard::form5, &CompletionPage::Command1, [](Wizard& w) -> forms::Form& { return w.form1(); })},
    };
    return all;
}

double msSince(Clock::time_point t0) { return std::chrono::duration<double, std::milli>(Clock::now() - t0).count(); }

// The pictures of a form's window with their resources.
std::map<const QWidget*, QString> pictures(ViewSession& s, const forms::Form& form) {
    std::map<const QWidget*, QString> result;
    for (forms::Control* c : form.controls())
        if (c->kind() == forms::ControlKind::Image)
            if (QWidget* w = s.view.widget(*c))
                result[w] = QString::fromStdString(static_cast<forms::Image*>(c)->resource());
    return result;
}

// The shapes of the windows a step shows and greys out, for its anchor.
struct Shapes {
    anchor::Shape shown;
    std::optional<anchor::Shape> greyed;
};

// The timed stretch of a program's run, on its own for profilers
// (valgrind --toggle-collect='*takeStep*'): the click up to the new window,
// and the window it greys out, painted. Returns the form shown, or nullptr.
__attribute__((noinline)) forms::Form* takeStep(const Step& step, ViewSession& s, forms::Form* greys) {
    forms::Form* target = step.act(s);
    if (!target) return nullptr;
    QWidget* window = s.view.window(*target);
    if (!window || !anchor::waitUntilPainted(window)) return nullptr;
    if (greys && !anchor::waitUntilPainted(s.view.window(*greys))) return nullptr;
    return target;
}

// One run of the program's step: milliseconds, or a negative number when the
// class cannot take the step. Reads the shapes for the anchor when asked.
double runProgram(const Step& step, int option, Shapes* shapes) {
    auto s = std::make_unique<ViewSession>();
    if (!walkTo(s->w, option, step.from)) return -1;
    forms::Form* greys = step.greys ? step.greys(s->w) : nullptr;
    settle();
    anchor::forgetPaints();
    const auto t0 = Clock::now();
    forms::Form* target = takeStep(step, *s, greys);
    if (!target) return -1;
    QWidget* window = s->view.window(*target);
    if (!window || !anchor::waitUntilPainted(window)) return -2;
    const double ms = msSince(t0);
    if (shapes) {
        shapes->shown = anchor::read(window, pictures(*s, *target));
        if (greys) shapes->greyed = anchor::read(s->view.window(*greys), pictures(*s, *greys));
    }
    s.reset();
    settle();
    return ms;
}

// The timed stretch of an anchor's run, on its own for profilers.
__attribute__((noinline)) QWidget* showAnchor(const Shapes& shapes, QWidget* greyed) {
    if (greyed) greyed->setEnabled(false);
    QWidget* window = anchor::buildAndShow(shapes.shown);
    if (greyed) anchor::waitUntilPainted(greyed);
    return window;
}

double runAnchor(const Shapes& shapes) {
    QWidget* greyed = shapes.greyed ? anchor::buildAndShow(*shapes.greyed) : nullptr;
    settle();
    anchor::forgetPaints();
    const auto t0 = Clock::now();
    QWidget* window = showAnchor(shapes, greyed);
    const double ms = msSince(t0);
    delete window;
    delete greyed;
    settle();
    return ms;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Result {
    int option;
    double program, anchor;
    int widgets;
};

// FERROLITH_BENCH_PAIRS sets the number of runs of each side (31: the worst
// of fourteen medians needs that many to stay within a few hundredths), and
// FERROLITH_BENCH_ONLY limits the runs to those whose step name, a blank and
// class key hold its text.
int pairsWanted() {
    const int n = qEnvironmentVariableIntValue("FERROLITH_BENCH_PAIRS");
    return n > 0 ? n : 31;
}

void measurePageChanges() {
    const int pairs = pairsWanted();
    std::printf("Page changes with the view, up to the new window painted: medians of %d runs each,\n"
                "program and anchor in turn (anchor: a bare Qt window of the same size and widgets,\n"
                "built, shown and painted).\n\n",
                pairs);
    std::printf("%-22s %-22s %8s %8s %7s %7s\n", "step", "class", "program", "anchor", "ratio", "widgets");
    struct Summary {
        const char* name;
        std::vector<Result> results;
    };
    std::vector<Summary> summaries;
    const QString only = qEnvironmentVariable("FERROLITH_BENCH_ONLY");
    for (const Step& step : steps()) {
        Summary summary{step.name, {}};
        const int lastOption = step.from == 0 ? 1 : 14;
        for (int option = 1; option <= lastOption; ++option) {
            const QString line = QString::fromUtf8(step.name) + u' ' + QString::fromUtf8(ferrolith::weaponClasses[option - 1].key);
            if (!line.contains(only)) continue;
            Shapes shapes;
            if (runProgram(step, option, &shapes) < 0) continue;  // the class does not take this step
            runAnchor(shapes);
            std::vector<double> program, bare;
            bool failed = false;
            for (int i = 0; i < pairs && !failed; ++i) {
                // Alternate who goes first, so neither always follows the other.
                if (i % 2) bare.push_back(runAnchor(shapes));
                const double ms = runProgram(step, option, nullptr);
                failed = ms < 0;
                program.push_back(ms);
                if (i % 2 == 0) bare.push_back(runAnchor(shapes));
            }
            if (failed) {
                std::printf("%-22s %-22s the new window was not painted\n", step.name, ferrolith::weaponClasses[option - 1].key);
                continue;
            }
            const Result r{option, median(program), median(bare), shapes.shown.widgets};
            summary.results.push_back(r);
            std::printf("%-22s %-22s %6.2f ms %5.2f ms %7.2f %7d\n", step.name,
                        step.from == 0 ? "-" : ferrolith::weaponClasses[option - 1].key, r.program, r.anchor,
                        r.program / r.anchor, r.widgets);
            std::fflush(stdout);
        }
        summaries.push_back(summary);
    }
    std::printf("\nSummary over the classes (ms; the worst ratio and its class):\n");
    std::printf("%-22s %15s %15s %7s  %s\n", "step", "program", "anchor", "worst", "class");
    for (const Summary& s : summaries) {
        if (s.results.empty()) continue;
        auto [pMin, pMax] = std::minmax_element(s.results.begin(), s.results.end(),
                                                [](const Result& a, const Result& b) { return a.program < b.program; });
        auto [aMin, aMax] = std::minmax_element(s.results.begin(), s.results.end(),
                                                [](const Result& a, const Result& b) { return a.anchor < b.anchor; });
        auto worst = std::max_element(s.results.begin(), s.results.end(), [](const Result& a, const Result& b) {
            return a.program / a.anchor < b.program / b.anchor;
        });
        std::printf("%-22s %6.2f - %6.2f %6.2f - %6.2f %7.2f  %s\n", s.name, pMin->program, pMax->program,
                    aMin->anchor, aMax->anchor, worst->program / worst->anchor,
                    s.results.size() == 1 ? "-" : ferrolith::weaponClasses[worst->option - 1].key);
    }
    std::printf("\n");
}

}  // namespace

// The offscreen platform warns about every raise(); the figures are what matters here.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg || type == QtCriticalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

int main(int argc, char** argv) {
    qInstallMessageHandler(quietMessages);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ferrolith::view::loadResources();
    ferrolith::view::speakGerman();  // as the program does
    measurePageChanges();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
