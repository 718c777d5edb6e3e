// Thousands of random user actions over all classes: no fault, the forward
// button always follows the sign of FKE, and the shown sheet always holds
// numbers where numbers belong.

#include "WalkHelpers.h"

#include "forms/Number.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace {

using forms::Control;
using forms::ControlKind;

struct Action {
    Control* control;
    std::string item;  // for list picks
};

// Every action a user could take now on the shown, enabled windows. Ending
// the program is left out; it would end the walk.
std::vector<Action> possibleActions(ferrolith::Wizard& w) {
    std::vector<forms::Form*> forms;
    auto consider = [&](auto& slot) {
        if (auto* f = slot.ifLoaded(); f && f->shown() && f->enabled()) forms.push_back(f);
    };
    consider(w.frmAbout);
    consider(w.form1);
    consider(w.form2);
    consider(w.form3);
    consider(w.form4);
    consider(w.form12);
    consider(w.form5);
    for (auto* d : w.dialogs()) consider(*d);

    std::vector<Action> actions;
    for (forms::Form* f : forms) {
        for (Control* c : f->controls()) {
            if (!c->acceptsInput()) continue;
            switch (c->kind()) {
                case ControlKind::CheckBox:
                case ControlKind::OptionButton:
                    actions.push_back({c, {}});
                    break;
                case ControlKind::Button:
                    if (c->name() != "beenden") actions.push_back({c, {}});
                    break;
                case ControlKind::ListBox:
                    for (const auto& item : static_cast<forms::ListBox*>(c)->items()) actions.push_back({c, item});
                    break;
                default:
                    break;
            }
        }
    }
    return actions;
}

void perform(forms::Runtime& rt, const Action& a) {
    switch (a.control->kind()) {
        case ControlKind::CheckBox: rt.userClick(static_cast<forms::CheckBox&>(*a.control)); break;
        case ControlKind::OptionButton: rt.userClick(static_cast<forms::OptionButton&>(*a.control)); break;
        case ControlKind::Button: rt.userClick(static_cast<forms::Button&>(*a.control)); break;
        case ControlKind::ListBox: rt.userPick(static_cast<forms::ListBox&>(*a.control), a.item); break;
        default: break;
    }
}

std::string describe(const Action& a) {
    return a.control->form().name() + "." + a.control->name() + (a.item.empty() ? "" : "=" + a.item);
}

// The forward button of each guarded page follows the sign of its FKE.
void checkGuards(ferrolith::Wizard& w, const std::string& after) {
    auto check = [&](forms::Form* page, const char* forward) {
        if (!page) return;
        auto value = forms::number::parse(page->field("fke").text());
        ASSERT_TRUE(value) << page->name() << ".fke after " << after;
        forms::Control* button = page->find(forward);
        ASSERT_TRUE(button) << page->name() << " has no " << forward;
        EXPECT_EQ(button->enabled(), *value >= 0) << page->name() << " after " << after;
    };
    check(w.form2.ifLoaded(), "Weiter1");
    check(w.form3.ifLoaded(), "Command2");
    check(w.form4.ifLoaded(), "Command2");
    check(w.form12.ifLoaded(), "Command2");
}

// The page the user sees holds numbers in its number fields.
void checkShownSheet(ferrolith::Wizard& w, const std::string& after) {
    std::vector<forms::Form*> pages;
    if (auto* p = w.form2.ifLoaded()) pages.push_back(p);
    if (auto* p = w.form3.ifLoaded()) pages.push_back(p);
    if (auto* p = w.form4.ifLoaded()) pages.push_back(p);
    if (auto* p = w.form12.ifLoaded()) pages.push_back(p);
    if (auto* p = w.form5.ifLoaded()) pages.push_back(p);
    for (forms::Form* page : pages) {
        if (!page->shown()) continue;
        for (const char* name : {"dp", "fke", "pwn", "trn", "kpd", "gew"})
            EXPECT_TRUE(forms::number::parse(page->field(name).text()))
                << page->name() << "." << name << " = '" << page->field(name).text() << "' after " << after;
        const std::string& cap = page->field("cap").text();
        EXPECT_TRUE(cap == "-" || forms::number::parse(cap))
            << page->name() << ".cap = '" << cap << "' after " << after;
    }
}

// Walks and returns the names of the windows that were shown on the way.
std::set<std::string> randomWalk(unsigned seed, int steps, int stepsPerDesign) {
    std::set<std::string> seen;
    std::mt19937 rng(seed);
    for (int done = 0; done < steps;) {
        walk::Session s;
        // Start each design with a class of our choosing so that all fourteen are walked.
        s.chooseClass(1 + static_cast<int>(rng() % 14));
        std::vector<std::string> trail;
        for (int i = 0; i < stepsPerDesign && done < steps; ++i, ++done) {
            auto actions = possibleActions(s.w);
            if (actions.empty()) {
                ADD_FAILURE() << "no action possible after " << (trail.empty() ? "" : trail.back());
                return seen;
            }
            const Action& a = actions[rng() % actions.size()];
            trail.push_back(describe(a));
            std::size_t before = s.messages.shown.size();
            perform(s.w.runtime(), a);
            for (std::size_t m = before; m < s.messages.shown.size(); ++m)
                EXPECT_EQ(s.messages.shown[m].prompt, ferrolith::fkeWarning) << "after " << trail.back();
            EXPECT_EQ(s.end.ends, 0);
            for (const auto& action : possibleActions(s.w)) seen.insert(action.control->form().name());
            checkGuards(s.w, trail.back());
            checkShownSheet(s.w, trail.back());
            if (::testing::Test::HasFailure()) {
                std::string path;
                for (const auto& t : trail) path += t + " ";
                ADD_FAILURE() << "seed " << seed << " walk: " << path;
                return seen;
            }
        }
    }
    return seen;
}

}  // namespace

TEST(RandomWalk, ThousandsOfUserActionsKeepTheDesignSound) {
    int steps = 4000;
    if (const char* env = std::getenv("FERROLITH_WALK_STEPS")) steps = std::atoi(env);
    auto seen = randomWalk(20261208u, steps, 200);
    // The walk reaches every page and at least one mount dialog.
    for (const char* form : {"Form1", "Form2", "Form3", "Form4", "Form12", "Form5"})
        EXPECT_TRUE(seen.count(form)) << form << " never reached";
    EXPECT_TRUE(seen.count("form6") || seen.count("Form7") || seen.count("Form8") || seen.count("Form9") ||
                seen.count("Form10") || seen.count("Form11"));
}

namespace {

// Texts that an untick does not give back by design, with the reason.
struct OneWay {
    const char* field;
    const char* boxes;  // any of these ticked during the walk makes the field one-way
    const char* reason;
};
const OneWay oneWayTexts[] = {
    {"trnkera", "keramikstufe1 keramikstufe2 keramikstufe3",
     "a ceramic level's untick writes the Tarnstufe into trnkera instead of restoring its old text"},
    {"cap", "lade1 lade2 lade3 lade4",
     "the loading mechanisms write the capacity outright (\"1\", the base capacity) and their unticks "
     "do not restore the earlier text"},
    {"Gurt", "lade5", "the belt's untick writes a single blank, not the designer text \"/ -\""},
};

bool anyTicked(const std::set<std::string>& ticked, const char* names) {
    std::string list = std::string(" ") + names + " ";
    for (const auto& name : ticked)
        if (list.find(" " + name + " ") != std::string::npos) return true;
    return false;
}

forms::Form* shownDialog(ferrolith::Wizard& w) {
    for (auto* d : w.dialogs())
        if (auto* f = d->ifLoaded(); f && f->shown()) return f;
    return nullptr;
}

// Answers an open mount dialog: confirms a free mount or cancels.
void answerDialog(ferrolith::Wizard& w, std::mt19937& rng) {
    forms::Form* dialog = shownDialog(w);
    if (!dialog) return;
    auto& rt = w.runtime();
    if (rng() % 3 != 0) {
        for (const char* choice : {"aufmontiert", "unterlauf"}) {
            forms::CheckBox& box = dialog->check(choice);
            if (box.acceptsInput() && box.value() == 0) {
                rt.userClick(box);
                rt.userClick(static_cast<forms::Button&>(*dialog->find("ok")));
                if (!dialog->shown()) return;
            }
        }
    }
    rt.userClick(static_cast<forms::Button&>(*dialog->find("cancel")));
}

// Random ticks and picks on one page; returns the boxes in the order they
// became ticked (by the user or by a cascade).
std::vector<forms::CheckBox*> tickAround(ferrolith::Wizard& w, forms::Form& page, std::mt19937& rng, int steps) {
    std::vector<forms::CheckBox*> order;
    std::set<Control*> tickedBefore;
    for (Control* c : page.controls())
        if (c->kind() == ControlKind::CheckBox && static_cast<forms::CheckBox*>(c)->value() == 1) tickedBefore.insert(c);
    auto noteTicked = [&] {
        for (Control* c : page.controls()) {
            // The hidden mount flags follow the dialogs; the user never touches them.
            if (c->kind() != ControlKind::CheckBox || tickedBefore.count(c) || !c->visible()) continue;
            auto* box = static_cast<forms::CheckBox*>(c);
            bool known = std::find(order.begin(), order.end(), box) != order.end();
            if (box->value() == 1 && !known) order.push_back(box);
            if (box->value() != 1 && known) order.erase(std::find(order.begin(), order.end(), box));
        }
    };
    for (int i = 0; i < steps; ++i) {
        std::vector<Action> actions;
        for (Control* c : page.controls()) {
            if (!c->acceptsInput()) continue;
            if (c->kind() == ControlKind::CheckBox && static_cast<forms::CheckBox*>(c)->value() == 0 &&
                c->visible())
                actions.push_back({c, {}});
            if (c->kind() == ControlKind::ListBox)
                for (const auto& item : static_cast<forms::ListBox*>(c)->items()) actions.push_back({c, item});
        }
        if (actions.empty()) break;
        perform(w.runtime(), actions[rng() % actions.size()]);
        answerDialog(w, rng);
        noteTicked();
    }
    return order;
}

}  // namespace

TEST(RandomWalk, UntickingWhatAPageWalkTickedRestoresTheArrivalSheet) {
    std::mt19937 rng(8122026u);
    int designs = 60;
    if (const char* env = std::getenv("FERROLITH_WALK_STEPS")) designs = std::max(60, std::atoi(env) / 50);
    for (int design = 0; design < designs; ++design) {
        walk::Session s;
        const int option = 1 + design % 14;
        s.chooseClass(option);
        auto& w = s.w;
        std::vector<std::pair<forms::Form*, const char*>> road{
            {&w.form2(), "Weiter1"}, {&w.form3(), "Command2"}, {&w.form4(), "Command2"}, {&w.form12(), "Command2"}};
        for (std::size_t i = 0; i < road.size(); ++i) {
            forms::Form& page = i == 0 ? static_cast<forms::Form&>(w.form2())
                              : i == 1 ? static_cast<forms::Form&>(w.form3())
                              : i == 2 ? static_cast<forms::Form&>(w.form4())
                                       : static_cast<forms::Form&>(w.form12());
            ASSERT_TRUE(page.shown()) << "class " << option << " page " << page.name();
            const walk::Sheet arrival = walk::sheet(dynamic_cast<const ferrolith::DesignSheet&>(page));
            auto ticked = tickAround(w, page, rng, 1 + static_cast<int>(rng() % 12));
            std::set<std::string> names;
            std::string trail;
            for (auto* box : ticked) {
                names.insert(box->name());
                trail += box->name() + " ";
            }
            for (auto it = ticked.rbegin(); it != ticked.rend(); ++it) {
                if ((*it)->value() != 1) continue;  // a later untick's cascade took it back
                // A sub-option locked by a later choice (the rangefinder locks the
                // sight's options) goes back with its item's untick further on.
                if (!(*it)->acceptsInput()) continue;
                w.runtime().userClick(**it);
                answerDialog(w, rng);
            }
            const walk::Sheet back = walk::sheet(dynamic_cast<const ferrolith::DesignSheet&>(page));
            for (const auto& entry : arrival) {
                const std::string& field = entry.first;
                bool oneWay = false;
                for (const OneWay& o : oneWayTexts)
                    if (std::string(o.field) == field && anyTicked(names, o.boxes)) oneWay = true;
                if (!oneWay) {
                    EXPECT_EQ(back.at(field), arrival.at(field))
                        << "class " << option << ", " << page.name() << "." << field << " after ticking " << trail;
                }
            }
            for (const auto& m : s.messages.shown) ASSERT_EQ(m.prompt, ferrolith::fkeWarning);
            if (::testing::Test::HasFailure()) return;
            // Some options again for the pages after this one, then forward.
            tickAround(w, page, rng, static_cast<int>(rng() % 4));
            auto& forward = static_cast<forms::Button&>(*page.find(road[i].second));
            if (!forward.enabled()) break;
            w.runtime().userClick(forward);
        }
    }
}
