// Page 6: type and name from page 1's class, the price, back, "&Neu", the
// name filter, and the saved 18-line file through the
// save dialog. The sheet is filled the way page 5's forward copy fills it.

#include "WalkHelpers.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace fs = std::filesystem;
using ferrolith::CompletionPage;

namespace {

using walk::readBytes;

// The lines of a saved file, split at CR LF.
std::vector<std::string> readLines(const fs::path& path) {
    const std::string bytes = readBytes(path);
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at; (at = bytes.find("\r\n", from)) != std::string::npos; from = at + 2)
        lines.push_back(bytes.substr(from, at - from));
    EXPECT_EQ(from, bytes.size()) << "the file does not end with CR LF";
    return lines;
}

// The sheet page 5's forward copy brings.
const walk::Sheet page5Copy{{"Gurt", "/ -"}, {"fke", "0,25"},    {"dp", "915"},   {"pwn", "9"},        {"snw", "S"},
                            {"pwr", "EM"},   {"trn", "2"},       {"trnkera", "+ 2"}, {"gew", "4,25"},  {"cap", "5"},
                            {"lmm", "Magazin"}, {"hlt", ""},     {"kpd", "1"},    {"hlt2", "Aufmontiert"},
                            {"hlt3", "Unterlauf"}};

class CompletionPageTest : public walk::PageWalk {
protected:
    // Chooses the class on page 1 and creates page 6, as the first append
    // to the modification list would.
    CompletionPage& page6For(std::string_view key) {
        chooseOnly(key);
        return w.form5();
    }

    void save(CompletionPage& p, const fs::path& path) {
        s.saveDialog.answers.push_back(path.string());
        rt().userClick(p.cmdSave);
    }

    walk::TempDir temp{"completion"};
    const fs::path& dir = temp.path;
};

}  // namespace

TEST_F(CompletionPageTest, WithoutAClassTheSetUpWritesNoTypeOrName) {
    CompletionPage& p = w.form5();
    EXPECT_EQ(p.typus.text(), "");
    EXPECT_EQ(p.waffenname.text(), "");
    EXPECT_EQ(p.Text1.text(), "Rahmen");
}

TEST_F(CompletionPageTest, KeepsTheClassOfItsCreation) {
    CompletionPage& p = page6For("LMG");
    rt().userClick(w.form1().option(14));
    EXPECT_EQ(p.typus.text(), "LMG");
    EXPECT_EQ(p.waffenname.text(), "LMG #1");
}

TEST_F(CompletionPageTest, WindowFrameAndPlaces) {
    CompletionPage& p = page6For("Holdout Pistole");
    EXPECT_EQ(p.caption(), "\"Ferrolith\" - Seite 6");
    EXPECT_EQ(p.find("Frame2")->caption(), "Fertigstellung");
    ASSERT_TRUE(p.clientTwips);
    for (forms::Control* c : p.controls()) {
        ASSERT_TRUE(c->twips) << c->name();
        if (!c->visible()) continue;
        // Every shown control stands in the frame, the frame in the window.
        EXPECT_EQ(c->frame() == nullptr, c == p.find("Frame2")) << c->name();
        const forms::TwipsRect outer = c->frame() ? *c->frame()->twips : *p.clientTwips;
        EXPECT_LE(c->twips->left + c->twips->width, outer.width) << c->name();
        EXPECT_LE(c->twips->top + c->twips->height, outer.height) << c->name();
    }
    EXPECT_FALSE(p.typ.visible());
    EXPECT_EQ(p.Zurück.caption(), "&Zurück");
    EXPECT_EQ(p.cmdSave.caption(), "&Speichern");
    EXPECT_EQ(p.Command1.caption(), "&Neu");
    EXPECT_EQ(p.beenden.caption(), "&Beenden");
    EXPECT_TRUE(p.Text1.multiLine);
}

TEST_F(CompletionPageTest, OnlyTheNameIsEditableAndItTakesWhatTheFileHolds) {
    CompletionPage& p = page6For("Holdout Pistole");
    for (forms::Control* c : p.controls()) {
        if (c->kind() == forms::ControlKind::TextField) {
            EXPECT_EQ(static_cast<forms::TextField*>(c)->readOnly, c != &p.waffenname) << c->name();
        }
    }
    ASSERT_TRUE(p.waffenname.acceptsChar);
    for (char32_t c : {U'a', U' ', U'ü', U'ß', U'€', U'„', U'“', U'–', U'Ÿ', U'#'})
        EXPECT_TRUE(p.waffenname.acceptsChar(c)) << static_cast<unsigned>(c);
    // Beyond the code page, and control characters that would break a line.
    for (char32_t c : {U'Ω', U'中', U'\U0001F600', U'\u0081', U'\n', U'\r', U'\t', U'\u007F'})
        EXPECT_FALSE(p.waffenname.acceptsChar(c)) << static_cast<unsigned>(c);
}

TEST_F(CompletionPageTest, PriceIsFiveTimesDpForEveryDp) {
    CompletionPage& p = page6For("Sturmkanone");
    EXPECT_EQ(p.preis.text(), "0");  // DP "0" on a fresh page
    p.dp.setText("1400");
    EXPECT_EQ(p.preis.text(), "7000");
    p.dp.setText("425");
    EXPECT_EQ(p.preis.text(), "2125");
    p.dp.setText("12,5");
    EXPECT_EQ(p.preis.text(), "62,5");
    p.dp.setText("0");
    EXPECT_EQ(p.preis.text(), "0");
    p.dp.setText("-20");
    EXPECT_EQ(p.preis.text(), "-100");
}

TEST_F(CompletionPageTest, BackShowsPage5AtPage6sPlaceAndKeepsPage6) {
    CompletionPage& p = page6For("LMG");
    rt().userMove(p, 900, 700);
    p.show();
    rt().userType(p.waffenname, "Donnerbüchse");
    rt().userClick(p.Zurück);

    ASSERT_TRUE(w.form5.loaded());
    EXPECT_FALSE(p.shown());
    EXPECT_TRUE(w.form12().shown());
    EXPECT_EQ(w.form12().left(), 900);
    EXPECT_EQ(w.form12().top(), 700);

    // Page 5's forward action again: its phrases replace the earlier ones.
    w.publishPhrases(5, ", Ultraschall-Sensor");
    w.publishPhrases(5, ", Ultraschall-Sensor");
    EXPECT_EQ(p.Text1.text(), "Rahmen, Ultraschall-Sensor");
    EXPECT_EQ(p.waffenname.text(), "Donnerbüchse");
}

TEST_F(CompletionPageTest, NewUnloadsTheDesignPagesInOrderAndShowsPage1WithItsChoice) {
    rt().userMove(w.form1(), 300, 200);
    s.chooseClass("LMG");  // forward to page 2
    for (auto* dialog : w.dialogs()) (*dialog)();
    w.form3();
    w.form4();
    w.form12();
    w.publishPhrases(2, ", Feuermodus (SM/AM)");
    CompletionPage& p = w.form5();
    rt().userType(p.waffenname, "Eigener Name");
    p.show();

    walk::UnloadRecorder unloaded;
    rt().setObserver(&unloaded);
    rt().userClick(p.Command1);
    rt().setObserver(nullptr);

    EXPECT_EQ(unloaded.names, (std::vector<std::string>{"Form5", "Form2", "Form3", "Form4", "form6", "Form7",
                                                        "Form8", "Form9", "Form10", "Form11", "Form12"}));
    auto& page1 = w.form1();
    EXPECT_TRUE(page1.shown());
    EXPECT_EQ(page1.left(), 300);
    EXPECT_EQ(page1.top(), 200);
    EXPECT_TRUE(page1.option(11).value());
    EXPECT_TRUE(page1.Command1.enabled());
    EXPECT_EQ(page1.typ.text(), "LMG");
    EXPECT_EQ(page1.dp.text(), "425");
    EXPECT_EQ(w.modifications.text(), "Rahmen");

    // The next design creates page 6 afresh.
    rt().userClick(page1.option(14));
    CompletionPage& again = w.form5();
    EXPECT_EQ(again.Text1.text(), "Rahmen");
    EXPECT_EQ(again.waffenname.text(), "Sturmkanone #1");
    EXPECT_EQ(again.typus.text(), "Sturmkanone");
}

TEST_F(CompletionPageTest, SavesTheWholeFileInWindows1252WithCrLf) {
    CompletionPage& p = page6For("Scharfschützengewehr");
    w.publishPhrases(2, ", Keramikkomponenten (1), Rückstoßkompensation (1)");
    w.publishPhrases(3, ", Gravur");
    walk::write(p, page5Copy);
    rt().userType(p.waffenname, "Schütze „Nordwind“");
    save(p, dir / "entwurf.txt");

    const std::string expected =
        "Name:      Sch\xFCtze \x84Nordwind\x93\r\n"
        "Typ:       Scharfsch\xFCtzengewehr\r\n"
        "Tarnstufe: 2 / + 2\r\n"
        "Feuermodi: EM\r\n"
        "Schaden:   9S\r\n"
        "Gewicht:   4,25kg\r\n"
        "Munition:  5 Magazin\r\n"
        " \r\n"
        " \r\n"
        "Verf\xFCgbare Halterungen:  Aufmontiert Unterlauf\r\n"
        "R\xFC" "cksto\xDFkompensation: 1\r\n"
        " \r\n"
        "Freie FKE: 0,25\r\n"
        "DP: 915\r\n"
        " \r\n"
        "Endg\xFCltiger Preis: 4575 Nuyen\r\n"
        " \r\n"
        "Modifikationen: Rahmen, Keramikkomponenten (1), R\xFC" "cksto\xDFkompensation (1), Gravur\r\n";
    EXPECT_EQ(readBytes(dir / "entwurf.txt"), expected);
    EXPECT_EQ(s.saveDialog.filters, std::vector<std::string>{"Textdateien (*.txt)|*.txt"});
    EXPECT_TRUE(messages.shown.empty());  // success stays silent
}

TEST_F(CompletionPageTest, LinesJoinTheFieldsAsTheyStand) {
    CompletionPage& p = page6For("Holdout Pistole");
    walk::write(p, walk::with(page5Copy, {{"pwn", "6"}, {"snw", "L"}, {"gew", "3"}, {"trnkera", ""}, {"hlt", "-"},
                                          {"hlt2", ""}, {"Gurt", "/ Gurt"}}));
    p.hlt3.setVisible(false);  // a mount hidden by page 5 is written all the same
    save(p, dir / "entwurf");

    const auto lines = readLines(dir / "entwurf");
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines[2], "Tarnstufe: 2 / ");
    EXPECT_EQ(lines[4], "Schaden:   6L");
    EXPECT_EQ(lines[5], "Gewicht:   3kg");
    EXPECT_EQ(lines[6], "Munition:  5 Magazin");  // no belt on line 7
    EXPECT_EQ(lines[9], "Verf\xFCgbare Halterungen: -  Unterlauf");
    EXPECT_EQ(lines[17], "Modifikationen: Rahmen");
}

TEST_F(CompletionPageTest, SavingTwiceReplacesTheFileAndCancelWritesNothing) {
    CompletionPage& p = page6For("MMG");
    walk::write(p, page5Copy);
    rt().userType(p.waffenname, "Ein recht langer Name für die erste Fassung");
    save(p, dir / "entwurf.txt");
    rt().userType(p.waffenname, "Kurz");
    save(p, dir / "entwurf.txt");
    const auto second = readLines(dir / "entwurf.txt");
    ASSERT_EQ(second.size(), 18u);
    EXPECT_EQ(second[0], "Name:      Kurz");
    const std::string bytes = readBytes(dir / "entwurf.txt");

    // A cancelled dialog after an earlier save writes nothing, here or elsewhere.
    rt().userType(p.waffenname, "Verworfen");
    s.saveDialog.answers.push_back(std::nullopt);
    rt().userClick(p.cmdSave);
    s.saveDialog.answers.push_back(std::string());
    rt().userClick(p.cmdSave);
    EXPECT_EQ(readBytes(dir / "entwurf.txt"), bytes);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    EXPECT_EQ(s.saveDialog.filters.size(), 4u);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CompletionPageTest, FailedSaveIsReportedAndTheOldFileSurvives) {
    CompletionPage& p = page6For("SMG");
    walk::write(p, page5Copy);
    const fs::path target = dir / "entwurf.txt";
    std::ofstream(target, std::ios::binary) << "alte Fassung\r\n";

    // The write breaks off after 32 bytes, as on a full disk.
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    auto* const oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 32;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    save(p, target);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldSignal);

    EXPECT_EQ(readBytes(target), "alte Fassung\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Ferrolith");
    EXPECT_EQ(messages.shown[0].prompt,
              "Die Datei \"" + target.string() + "\" konnte nicht gespeichert werden: Die Datei ist zu groß.");

    // A folder that does not exist is named as the reason; the user stays on page 6.
    p.show();
    save(p, dir / "fehlt" / "entwurf.txt");
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].prompt, "Die Datei \"" + (dir / "fehlt" / "entwurf.txt").string() +
                                              "\" konnte nicht gespeichert werden: Der Ordner existiert nicht.");
    EXPECT_TRUE(p.shown());
}
