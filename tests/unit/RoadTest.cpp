// The main road: start window to the saved file for every class, which pages
// exist when, and the phrases, pages and price after walking back and forth.

#include "WalkHelpers.h"

#include "completion/CompletionPage.h"
#include "components/ComponentPage.h"
#include "internal/InternalPage.h"
#include "accessories/AccessoryPage.h"
#include "sensors/SensorPage.h"
#include "sensors/MountDialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

using walk::click;
using walk::forwardToPage6;
using walk::readBytes;
using walk::Session;

namespace {

struct RoadClass {
    int option;
    const char* key;
    bool laterPagesAtOnce;  // pages 3 to 6 and the dialogs exist before page 2 is seen
    bool page3And4AtOnce;   // pages 3 and 4 exist before page 2 is seen
    const char* page2Phrases;
    const char* price;
};

const RoadClass roadClasses[] = {
    {1, "Holdout Pistole", false, true, ", Feuermodus (EM), Lademechanismus (Streifen)", "125"},
    {2, "Leichte Pistole", true, true, ", Feuermodus (HM), Lademechanismus (Streifen)", "450"},
    {3, "Automatische Pistole", true, true, ", Feuermodus (HM/SM)", "900"},
    {4, "Schwere Pistole", false, true, ", Feuermodus (HM), Lademechanismus (Streifen)", "600"},
    {5, "Maschinenpistole", false, false, ", Feuermodus (HM/SM)", "500"},
    {6, "Schrotflinte", false, true, ", Feuermodus (HM), Lademechanismus (Magazin)", "650"},
    {7, "Taser", true, true, ", Feuermodus (HM)", "1000"},
    {8, "Sportgewehr", false, true, ", Feuermodus (HM), Lademechanismus (Magazin)", "625"},
    {9, "Sturmgewehr", false, false, ", Feuermodus (HM/SM/AM)", "1125"},
    {10, "Scharfschützengewehr", false, true, ", Feuermodus (HM), Lademechanismus (Magazin)", "4000"},
    {11, "LMG", false, true, ", Feuermodus (SM/AM), Lademechanismus (Streifen)", "2125"},
    {12, "MMG", false, true, ", Feuermodus (AM), Lademechanismus (Streifen)", "3500"},
    {13, "SMG", false, true, ", Feuermodus (AM), Lademechanismus (Streifen)", "5000"},
    {14, "Sturmkanone", false, true, ", Feuermodus (EM), Lademechanismus (Streifen)", "7000"},
};

std::filesystem::path tempFile(const std::string& name) {
    auto dir = std::filesystem::temp_directory_path() / "ferrolith-road-test";
    std::filesystem::create_directories(dir);
    return dir / name;
}

class RoadPerClass : public ::testing::TestWithParam<RoadClass> {};

}  // namespace

TEST_P(RoadPerClass, PageOneForwardCreatesTheDocumentedPages) {
    const RoadClass& c = GetParam();
    Session s;
    s.chooseClass(c.option);
    auto& w = s.w;
    EXPECT_TRUE(w.form2().shown());
    EXPECT_FALSE(w.form1().shown());
    EXPECT_EQ(w.form3.loaded(), c.page3And4AtOnce);
    EXPECT_EQ(w.form4.loaded(), c.page3And4AtOnce);
    EXPECT_EQ(w.form12.loaded(), c.laterPagesAtOnce);
    EXPECT_EQ(w.form5.loaded(), c.laterPagesAtOnce);
    for (auto* dialog : w.dialogs()) EXPECT_EQ(dialog->loaded(), c.laterPagesAtOnce);
    EXPECT_TRUE(s.messages.shown.empty());
}

TEST_P(RoadPerClass, WholeWalkEndsInASavedFileWithTheClassAndPrice) {
    const RoadClass& c = GetParam();
    Session s;
    s.chooseClass(c.option);
    auto& w = s.w;
    forwardToPage6(w);
    ferrolith::CompletionPage& page6 = w.form5();
    ASSERT_TRUE(page6.shown());
    EXPECT_EQ(page6.field("typus").text(), c.key);
    EXPECT_EQ(page6.field("waffenname").text(), std::string(c.key) + " #1");
    EXPECT_EQ(page6.field("preis").text(), c.price);
    EXPECT_EQ(page6.Text1.text(), std::string("Rahmen") + c.page2Phrases);

    auto path = tempFile("walk-" + std::to_string(c.option) + ".txt");
    std::filesystem::remove(path);
    s.saveDialog.answers.push_back(path.string());
    click(page6, "cmdSave");
    std::string bytes = readBytes(path);
    int lines = 0;
    for (std::size_t i = 0; (i = bytes.find("\r\n", i)) != std::string::npos; i += 2) ++lines;
    EXPECT_EQ(lines, 18);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_NE(bytes.find("\r\nDP: "), std::string::npos);
    EXPECT_NE(bytes.find(std::string("Endgültiger Preis: ").replace(4, 2, "\xFC") + c.price + " Nuyen\r\n"),
              std::string::npos);
    EXPECT_TRUE(s.messages.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(AllClasses, RoadPerClass, ::testing::ValuesIn(roadClasses),
                         [](const auto& info) { return "Class" + std::to_string(info.param.option); });

TEST(Road, ListHoldsEachPagesPhrasesOnceAfterBackAndForward) {
    Session s;
    s.chooseClass(11);  // LMG
    auto& w = s.w;
    click(w.form2(), "Weiter1");
    click(w.form3(), "Command3");  // back to page 2
    click(w.form2(), "Weiter1");
    click(w.form3(), "Command2");
    click(w.form4(), "Command2");
    click(w.form12(), "Command2");
    const std::string expected = "Rahmen, Feuermodus (SM/AM), Lademechanismus (Streifen)";
    EXPECT_EQ(w.form5().Text1.text(), expected);

    // Page 6 back and page 5 forward again: nothing doubles.
    click(w.form5(), "Zurück");
    click(w.form12(), "Command2");
    EXPECT_EQ(w.form5().Text1.text(), expected);
}

TEST(Road, BackFromPageFiveKeepsTheEarlierPagesPhrases) {
    Session s;
    s.chooseClass(14);  // Sturmkanone
    auto& w = s.w;
    click(w.form2(), "Weiter1");
    click(w.form3(), "Command2");
    click(w.form4(), "Command2");
    click(w.form12(), "Command2");
    w.form5().field("waffenname").setText("Donner");
    click(w.form5(), "Zurück");
    click(w.form12(), "Zurück");  // unloads pages 5 and 6
    EXPECT_FALSE(w.form5.loaded());
    click(w.form4(), "Command2");
    click(w.form12(), "Command2");
    EXPECT_EQ(w.form5().Text1.text(), "Rahmen, Feuermodus (EM), Lademechanismus (Streifen)");
    EXPECT_EQ(w.form5().field("waffenname").text(), "Sturmkanone #1");
}

TEST(Road, AnotherClassAfterGoingBackGetsPagesSetUpForIt) {
    Session s;
    s.chooseClass(2);  // Leichte Pistole creates pages 3 to 6 at once
    auto& w = s.w;
    click(w.form2(), "Zurück1");
    EXPECT_TRUE(w.form1().shown());
    EXPECT_FALSE(w.form2.loaded());
    EXPECT_FALSE(w.form3.loaded());
    EXPECT_FALSE(w.form4.loaded());
    EXPECT_FALSE(w.form12.loaded());
    EXPECT_FALSE(w.form5.loaded());
    for (auto* dialog : w.dialogs()) EXPECT_FALSE(dialog->loaded());

    s.chooseClass(11);  // LMG
    forwardToPage6(w);
    EXPECT_EQ(w.form5().field("typus").text(), "LMG");
    EXPECT_EQ(w.form5().field("waffenname").text(), "LMG #1");
    EXPECT_EQ(w.form5().Text1.text(), "Rahmen, Feuermodus (SM/AM), Lademechanismus (Streifen)");
}

TEST(Road, NeuStartsAFreshDesignWithTheSameClassChosen) {
    Session s;
    s.chooseClass(11);
    auto& w = s.w;
    forwardToPage6(w);
    click(w.form5(), "Command1");  // "&Neu"
    EXPECT_TRUE(w.form1().shown());
    EXPECT_TRUE(w.form1().option(11).value());
    EXPECT_TRUE(w.form1().Command1.enabled());
    EXPECT_FALSE(w.form2.loaded());
    EXPECT_FALSE(w.form5.loaded());
    w.runtime().userClick(w.form1().Command1);
    forwardToPage6(w);
    EXPECT_EQ(w.form5().Text1.text(), "Rahmen, Feuermodus (SM/AM), Lademechanismus (Streifen)");
}

TEST(Road, ClosingAnyPageEndsTheProgram) {
    for (int page = 2; page <= 6; ++page) {
        Session s;
        s.chooseClass(9);
        auto& w = s.w;
        forms::Form* shown = &w.form2();
        if (page >= 3) click(w.form2(), "Weiter1"), shown = &w.form3();
        if (page >= 4) click(w.form3(), "Command2"), shown = &w.form4();
        if (page >= 5) click(w.form4(), "Command2"), shown = &w.form12();
        if (page >= 6) click(w.form12(), "Command2"), shown = &w.form5();
        ASSERT_TRUE(shown->shown());
        w.runtime().userClose(*shown);
        EXPECT_EQ(s.end.ends, 1) << "page " << page;
    }
}

TEST(Road, BeendenOnPageSixEndsTheProgram) {
    Session s;
    s.chooseClass(9);
    forwardToPage6(s.w);
    click(s.w.form5(), "beenden");
    EXPECT_EQ(s.end.ends, 1);
}

TEST(Road, EnlargedClipIsListedOnlyWhileItIsBought) {
    Session s;
    s.chooseClass(9);  // Sturmgewehr, "Streifen" with capacity 30
    auto& w = s.w;
    click(w.form2(), "Weiter1");
    click(w.form3(), "Command2");
    ferrolith::AccessoryPage& page4 = w.form4();
    w.runtime().userPick(page4.vergrößert, "40");
    ASSERT_EQ(page4.ladestreifen.value(), 1);
    EXPECT_EQ(page4.dp.text(), "235");  // 225 + (40 - 30)
    click(page4, "Command2");
    EXPECT_EQ(w.form5.ifLoaded() ? w.form5().Text1.text() : std::string(),
              "Rahmen, Feuermodus (HM/SM/AM), vergrößerter Ladestreifen");

    click(w.form12(), "Zurück");
    w.runtime().userClick(page4.ladestreifen);  // the size stays in the list
    EXPECT_EQ(page4.dp.text(), "225");
    click(page4, "Command2");
    click(w.form12(), "Command2");
    EXPECT_EQ(w.form5().Text1.text(), "Rahmen, Feuermodus (HM/SM/AM)");
}

TEST(Road, SaveDialogOffersTheLastFileWhilePageSixStaysLoaded) {
    Session s;
    s.chooseClass(11);
    auto& w = s.w;
    forwardToPage6(w);
    auto path = tempFile("offered.txt");
    s.saveDialog.answers = {path.string(), std::nullopt};
    click(w.form5(), "cmdSave");
    click(w.form5(), "cmdSave");  // cancelled: nothing written, nothing forgotten
    ASSERT_EQ(s.saveDialog.suggestions.size(), 2u);
    EXPECT_EQ(s.saveDialog.suggestions[0], "");
    EXPECT_EQ(s.saveDialog.suggestions[1], path.string());
    EXPECT_EQ(s.saveDialog.filters[0], "Textdateien (*.txt)|*.txt");
}

TEST(Road, LevelLabelClickShowsItsList) {
    Session s;
    s.chooseClass(9);  // Sturmgewehr: weight up to 8 levels, increased FKE up to 1
    auto& page2 = s.w.form2();
    forms::Label& label = static_cast<forms::Label&>(*page2.find("gewicht8"));
    forms::ListBox& list = page2.list("gewichtstufe8");
    ASSERT_TRUE(label.visible());
    list.setVisible(false);  // as if something had hidden the list
    s.w.runtime().userClick(label);
    EXPECT_TRUE(list.visible());
    // A hidden label takes no click, so its list stays hidden.
    forms::Label& hidden = static_cast<forms::Label&>(*page2.find("gewicht16"));
    s.w.runtime().userClick(hidden);
    EXPECT_FALSE(page2.list("gewichtstufe16").visible());
}
