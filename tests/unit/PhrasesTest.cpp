// Each page's forward action replaces that page's phrases on page 6's list:
// a page left and gone forward again lists its current phrases exactly once.

#include "WalkHelpers.h"

#include <gtest/gtest.h>

#include <string>

using walk::click;

namespace {

struct AgainRow {
    const char* name;
    int page;
    void (*first)(walk::Page5Walk&);  // reaches the page, ticks and goes forward
    void (*again)(walk::Page5Walk&);  // comes back, ticks and goes forward again
    const char* phrases;              // the page's phrases after that
    const char* list;                 // page 6's whole list, where only this page adds to it
};

class PagePhrases : public walk::Page5Walk, public ::testing::WithParamInterface<AgainRow> {};

TEST_P(PagePhrases, GoingForwardAgainReplacesThem) {
    const AgainRow& r = GetParam();
    r.first(*this);
    r.again(*this);
    EXPECT_EQ(w.modifications.phrases(r.page), r.phrases);
    const std::string list = w.form5().Text1.text();
    if (r.list) {
        EXPECT_EQ(list, r.list);
    }
    ASSERT_NE(list.find(r.phrases), std::string::npos) << list;
    EXPECT_EQ(list.find(r.phrases), list.rfind(r.phrases)) << list;
}

const AgainRow againRows[] = {
    {"page2", 2,
     [](walk::Page5Walk& t) {
         t.s.chooseClass("Sportgewehr");
         click(t.w.form2(), "Weiter1");
     },
     [](walk::Page5Walk& t) {
         click(t.w.form3(), "Command3");
         ASSERT_TRUE(t.w.form2().shown());
         click(t.w.form2().zerlegbar);
         click(t.w.form2(), "Weiter1");
     },
     ", Feuermodus (HM), Lademechanismus (Magazin), zerlegbar",
     "Rahmen, Feuermodus (HM), Lademechanismus (Magazin), zerlegbar"},
    {"page3", 3,
     [](walk::Page5Walk& t) {
         t.s.chooseClass("Sturmgewehr");
         click(t.w.form2(), "Weiter1");
         click(t.w.form3().gravur);
         click(t.w.form3().Command2);
     },
     [](walk::Page5Walk& t) {
         click(t.w.form4().Zurück);
         ASSERT_TRUE(t.w.form3().shown());
         click(t.w.form3().Command2);
     },
     ", Gravur", nullptr},
    {"page4", 4,
     [](walk::Page5Walk& t) {
         t.s.pickClass("LMG");
         t.w.form4().fke.setText("4");
         click(t.w.form4().zweibein);
         click(t.w.form4().Command2);
     },
     [](walk::Page5Walk& t) { click(t.w.form4().Command2); }, ", Zweibein", nullptr},
    {"page5", 5,
     [](walk::Page5Walk& t) {
         t.open();
         t.mount(t.p->ultraschall);
         click(t.p->Command2);
     },
     [](walk::Page5Walk& t) {
         t.p->show();
         t.mount(t.p->laserziel, false);
         click(t.p->Command2);
     },
     ", Laser-Zielmarkierer, Ultraschallsensor", "Rahmen, Laser-Zielmarkierer, Ultraschallsensor"},
};

INSTANTIATE_TEST_SUITE_P(EachPage, PagePhrases, ::testing::ValuesIn(againRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
