// Thousands of random user actions over all classes: no fault, the forward
// button always follows the sign of FKE, and the shown sheet always holds
// numbers where numbers belong.

#include "WalkHelpers.h"

#include "forms/Number.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
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
