// The forms runtime: creation on first use, deferred destruction, handlers
// that run only on a change, and faults that are reported and survived.

#include "forms/FakePorts.h"
#include "forms/FormSlot.h"
#include "forms/Number.h"
#include "forms/Runtime.h"

#include <gtest/gtest.h>

#include <memory>

using namespace forms;

namespace {

struct Counters {
    int setUps = 0;
    int destroyed = 0;
};

// Two forms whose set-ups touch each other, like pages 3 and 4.
struct Pair;

struct PairForm : Form {
    PairForm(Runtime& rt, const char* name, Pair& pair, bool first, Counters& counters)
        : Form(rt, name, name), value(*this, "value", "0"), button(*this, "button", "Go"), pair_(pair),
          first_(first), counters_(counters) {}
    ~PairForm() override { ++counters_.destroyed; }
    void load() override;

    TextField value;
    Button button;

private:
    Pair& pair_;
    bool first_;
    Counters& counters_;
};

struct Pair {
    Runtime rt;
    Counters counters;
    FormSlot<PairForm> a{rt, [this] { return std::make_unique<PairForm>(rt, "A", *this, true, counters); }};
    FormSlot<PairForm> b{rt, [this] { return std::make_unique<PairForm>(rt, "B", *this, false, counters); }};
};

void PairForm::load() {
    ++counters_.setUps;
    // Each set-up writes into the other form, creating it if needed.
    if (first_)
        pair_.b().value.setText("from A");
    else
        pair_.a().value.setText("from B");
}

struct Recorder : RuntimeObserver {
    std::vector<std::string> events;
    void formLoaded(Form& f) override { events.push_back("load " + f.name()); }
    void formUnloaded(Form& f) override { events.push_back("unload " + f.name()); }
};

}  // namespace

TEST(Runtime, NestedSetUpsFindEachOtherAndRunOnce) {
    Pair pair;
    pair.a();
    EXPECT_EQ(pair.counters.setUps, 2);
    EXPECT_TRUE(pair.a.loaded());
    EXPECT_TRUE(pair.b.loaded());
    EXPECT_EQ(pair.a().value.text(), "from B");
    EXPECT_EQ(pair.b().value.text(), "from A");
    pair.b();
    EXPECT_EQ(pair.counters.setUps, 2);
}

TEST(Runtime, UnloadedFormIsDestroyedOnlyAfterTheOutermostEvent) {
    Pair pair;
    Recorder recorder;
    pair.rt.setObserver(&recorder);
    PairForm& a = pair.a();
    a.button.onClick = [&] {
        pair.a.unload();
        // The handler goes on with its own, now unloaded, form.
        a.value.setText("still here");
        EXPECT_EQ(pair.counters.destroyed, 0);
        EXPECT_FALSE(pair.a.loaded());
    };
    pair.rt.userClick(a.button);
    EXPECT_EQ(pair.counters.destroyed, 1);
    EXPECT_FALSE(pair.a.loaded());
    EXPECT_EQ(recorder.events.back(), "unload A");
    // The next touch creates a fresh form from its designer state.
    EXPECT_EQ(pair.a().value.text(), "0");
    EXPECT_EQ(pair.counters.setUps, 3);
    pair.rt.setObserver(nullptr);
}

TEST(Runtime, UnloadingAFormThatIsNotLoadedDoesNothing) {
    Pair pair;
    pair.a.unload();
    EXPECT_FALSE(pair.a.loaded());
    EXPECT_EQ(pair.counters.setUps, 0);
}

TEST(Runtime, HandlersRunOnlyWhenTheValueChanges) {
    Runtime rt;
    Form form(rt, "F", "F");
    CheckBox box(form, "box", "Box");
    TextField field(form, "field", "a");
    ListBox list(form, "list", {"01", "02"}, "0");
    int clicks = 0, changes = 0, picks = 0;
    box.onClick = [&] { ++clicks; };
    field.onChange = [&] { ++changes; };
    list.onClick = [&] { ++picks; };

    box.setValue(0);
    field.setText("a");
    EXPECT_EQ(clicks + changes, 0);
    box.setValue(1);
    box.setValue(1);
    box.setValue(2);
    EXPECT_EQ(clicks, 2);
    field.setText("b");
    EXPECT_EQ(changes, 1);
    list.setText("02");  // code sets the text and runs nothing
    EXPECT_EQ(picks, 0);
    rt.userPick(list, "01");
    EXPECT_EQ(picks, 1);
    EXPECT_EQ(list.text(), "01");
}

TEST(Runtime, UserInputReachesOnlyEnabledVisibleControls) {
    Runtime rt;
    Form form(rt, "F", "F");
    Frame frame(form, "frame", "Frame");
    CheckBox box(form, "box", "Box", &frame);
    ListBox list(form, "list", {"01", "02"}, "0");
    TextField locked(form, "locked", "x");

    box.setEnabled(false);
    rt.userClick(box);
    EXPECT_EQ(box.value(), 0);
    box.setEnabled(true);
    frame.setEnabled(false);
    rt.userClick(box);
    EXPECT_EQ(box.value(), 0);
    frame.setEnabled(true);
    form.setEnabled(false);
    rt.userClick(box);
    EXPECT_EQ(box.value(), 0);
    form.setEnabled(true);
    rt.userClick(box);
    EXPECT_EQ(box.value(), 1);
    rt.userClick(box);
    EXPECT_EQ(box.value(), 0);

    rt.userPick(list, "typed text");  // only items can be picked
    EXPECT_EQ(list.text(), "0");
    rt.userType(locked, "y");  // read-only for the user
    EXPECT_EQ(locked.text(), "x");
}

TEST(Runtime, OptionButtonsInOneFrameExcludeEachOther) {
    Runtime rt;
    Form form(rt, "F", "F");
    Frame frame(form, "frame", "");
    OptionButton one(form, "one", "1", &frame);
    OptionButton two(form, "two", "2", &frame);
    OptionButton outside(form, "outside", "3");
    rt.userClick(outside);
    rt.userClick(one);
    rt.userClick(two);
    EXPECT_FALSE(one.value());
    EXPECT_TRUE(two.value());
    EXPECT_TRUE(outside.value());
}

TEST(Runtime, HandlerFaultIsReportedNamingTheFieldAndTheProgramGoesOn) {
    Runtime rt;
    FakeMessageBox messages;
    rt.setPorts(&messages, nullptr, nullptr);
    Form form(rt, "F", "F");
    TextField cap(form, "cap", "-");
    CheckBox box(form, "trommel", "Trommel");
    int after = 0;
    box.onClick = [&] {
        number::add(cap, -4);
        ++after;
    };
    rt.userClick(box);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].prompt.find("\"cap\""), std::string::npos);
    EXPECT_NE(messages.shown[0].prompt.find("keine Zahl"), std::string::npos);
    EXPECT_EQ(messages.shown[0].title, "Ferrolith");
    EXPECT_EQ(after, 0);
    EXPECT_EQ(cap.text(), "-");

    // Still running: the next event is handled normally.
    cap.setText("12");
    rt.userClick(box);  // unticks: runs the handler again
    EXPECT_EQ(cap.text(), "8");
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST(Runtime, EndedProgramTakesNoMoreInput) {
    Runtime rt;
    FakeProgramEnd end;
    rt.setPorts(nullptr, nullptr, &end);
    Form form(rt, "F", "F");
    CheckBox box(form, "box", "Box");
    rt.endProgram();
    rt.endProgram();
    EXPECT_EQ(end.ends, 1);
    rt.userClick(box);
    EXPECT_EQ(box.value(), 0);
}

TEST(Runtime, EnterAndEscClickTheDefaultAndCancelButtons) {
    Runtime rt;
    Form form(rt, "F", "F");
    Button ok(form, "ok", "OK");
    Button cancel(form, "cancel", "Cancel");
    ok.isDefault = true;
    cancel.isCancel = true;
    std::string clicked;
    ok.onClick = [&] { clicked += "ok "; };
    cancel.onClick = [&] { clicked += "cancel "; };
    rt.userKey(form, false);
    rt.userKey(form, true);
    EXPECT_EQ(clicked, "ok cancel ");
}

TEST(Runtime, TypingHonoursTheFieldsCharacterFilter) {
    Runtime rt;
    Form form(rt, "F", "F");
    TextField name(form, "name", "");
    name.readOnly = false;
    name.acceptsChar = [](char32_t c) { return c < 0x100; };
    rt.userType(name, "Müller");
    EXPECT_EQ(name.text(), "Müller");
    rt.userType(name, "Ω-Klinge");  // Greek Omega is refused: nothing changes
    EXPECT_EQ(name.text(), "Müller");
    rt.userType(name, std::string("bad \xC3"));  // broken UTF-8
    EXPECT_EQ(name.text(), "Müller");
}
