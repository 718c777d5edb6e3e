#pragma once
// Helpers for tests that walk the wizard as a user does, through the same
// runtime calls the view makes, and for reading what a walk left behind.

#include "accessories/AccessoryPage.h"
#include "app/Wizard.h"
#include "common/DesignSheet.h"
#include "common/WeaponClass.h"
#include "completion/CompletionPage.h"
#include "components/ComponentPage.h"
#include "internal/InternalPage.h"
#include "sensors/MountDialog.h"
#include "sensors/SensorPage.h"
#include "forms/FakePorts.h"
#include "forms/Form.h"
#include "start/FrameChoicePage.h"
#include "start/StartWindow.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

namespace walk {

inline forms::Button& button(forms::Form& form, const std::string& name) {
    forms::Control* c = form.find(name);
    if (!c || c->kind() != forms::ControlKind::Button) {
        ADD_FAILURE() << form.name() << " has no button " << name;
        static forms::Runtime dummyRuntime;
        static forms::Form dummyForm(dummyRuntime, "dummy", "");
        static forms::Button dummy(dummyForm, "dummy", "");
        return dummy;
    }
    return static_cast<forms::Button&>(*c);
}

inline void click(forms::Form& form, const std::string& buttonName) {
    form.runtime().userClick(button(form, buttonName));
}

inline void tick(forms::Form& form, const std::string& boxName) {
    form.runtime().userClick(form.check(boxName));
}

// A user's click on a box or a button, through its form's runtime.
inline void click(forms::CheckBox& box) { box.form().runtime().userClick(box); }
inline void click(forms::Button& button) { button.form().runtime().userClick(button); }

// A parameterised test's name made of class keys or control names: umlauts
// spelled out, every other character a test name may not hold as '_'.
inline std::string testName(std::string_view text) {
    static constexpr std::pair<std::string_view, std::string_view> spelled[] = {
        {"ä", "ae"}, {"ö", "oe"}, {"ü", "ue"}, {"ß", "ss"}, {"Ä", "Ae"}, {"Ö", "Oe"}, {"Ü", "Ue"}};
    std::string name;
    for (std::size_t i = 0; i < text.size();) {
        bool done = false;
        for (const auto& [from, to] : spelled) {
            if (text.substr(i, from.size()) == from) {
                name += to;
                i += from.size();
                done = true;
                break;
            }
        }
        if (done) continue;
        const unsigned char ch = static_cast<unsigned char>(text[i++]);
        name += std::isalnum(ch) && ch < 0x80 ? static_cast<char>(ch) : '_';
    }
    return name;
}

// Page 1's option number (1..14) of a class key.
inline int option(std::string_view key) { return ferrolith::classIndex(key) + 1; }

// The sixteen sheet fields of a page, by name.
using Sheet = std::map<std::string, std::string>;

inline Sheet sheet(const ferrolith::DesignSheet& p) {
    Sheet t;
    for (const forms::TextField* f : {&p.typ, &p.pwn, &p.snw, &p.pwr, &p.trn, &p.trnkera, &p.gew, &p.cap, &p.lmm,
                                      &p.Gurt, &p.hlt, &p.hlt2, &p.hlt3, &p.kpd, &p.fke, &p.dp})
        t[f->name()] = f->text();
    return t;
}

// The texts of some fields of a page, named blank-separated in the order wanted.
using Texts = std::vector<std::string>;
inline Texts texts(const forms::Form& p, std::string_view names) {
    Texts t;
    std::string all(names);
    for (std::size_t from = 0, at; from < all.size(); from = at + 1) {
        at = all.find(' ', from);
        if (at == std::string::npos) at = all.size();
        if (at > from) t.push_back(p.field(all.substr(from, at - from)).text());
    }
    return t;
}

// Writes sheet texts into a page's fields, by name.
inline void write(forms::Form& p, const Sheet& texts) {
    for (const auto& [field, text] : texts) p.field(field).setText(text);
}

// A sheet with some texts changed.
inline Sheet with(Sheet base, const Sheet& changes) {
    for (const auto& [field, text] : changes) base[field] = text;
    return base;
}

// Records the order in which forms are unloaded.
struct UnloadRecorder : forms::RuntimeObserver {
    void formUnloaded(forms::Form& form) override { names.push_back(form.name()); }
    std::vector<std::string> names;
};

inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A fresh folder for one test, named after it, removed at the end.
struct TempDir {
    std::filesystem::path path;
    explicit TempDir(const std::string& prefix)
        : path(std::filesystem::temp_directory_path() /
               (prefix + "-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~TempDir() { std::filesystem::remove_all(path); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
};

// Walks forward from page 2 until page `page` (3..6) is shown, without ticking anything.
inline void forwardTo(ferrolith::Wizard& w, int page) {
    click(w.form2(), "Weiter1");
    if (page > 3) click(w.form3(), "Command2");
    if (page > 4) click(w.form4(), "Command2");
    if (page > 5) click(w.form12(), "Command2");
}
inline void forwardToPage6(ferrolith::Wizard& w) { forwardTo(w, 6); }

// Page 5 and the six dialogs after page 4 handed over a taken underbarrel mount.
inline void expectUnderbarrelTaken(ferrolith::Wizard& w) {
    ferrolith::SensorPage& p5 = w.form12();
    EXPECT_EQ(p5.Check2.value(), 1);
    EXPECT_EQ(p5.hlt3.text(), "");
    EXPECT_FALSE(p5.hlt3.enabled());
    for (auto* dialog : w.dialogs()) EXPECT_FALSE((*dialog)().unterlauf.enabled()) << (*dialog)().name();
}

// A wizard with recording ports, opened to page 1 (or left at the start window).
struct Session {
    ferrolith::Wizard w;
    forms::FakeMessageBox messages;
    forms::FakeSaveDialog saveDialog;
    forms::FakeProgramEnd end;

    // Past the start window ("OK") unless told to stay there.
    explicit Session(bool pastStartWindow = true) {
        w.runtime().setPorts(&messages, &saveDialog, &end);
        w.start();
        if (pastStartWindow) w.runtime().userClick(w.frmAbout().cmdOK);
    }

    // Picks the class on page 1 (1..14) and goes forward to page 2.
    void chooseClass(int option) {
        w.runtime().userClick(w.form1().option(option));
        w.runtime().userClick(w.form1().Command1);
    }
    void chooseClass(std::string_view key) { chooseClass(option(key)); }
    // Picks the class on page 1 and stays there.
    void pickClass(std::string_view key) { w.runtime().userClick(w.form1().option(option(key))); }
};

// A wizard past the start window that a test walks to the page it is about.
struct PageWalk : ::testing::Test {
    Session s;
    ferrolith::Wizard& w = s.w;
    forms::FakeMessageBox& messages = s.messages;

    forms::Runtime& rt() { return w.runtime(); }
    // Picks the class on page 1 and stays there; a page touched next is created directly.
    void chooseOnly(std::string_view key) { s.pickClass(key); }
    // Picks the class, goes forward from page 1 and on to the page, ticking nothing.
    ferrolith::ComponentPage& page2(std::string_view key) {
        s.chooseClass(key);
        return w.form2();
    }
    ferrolith::InternalPage& page3(std::string_view key) { return arrived(w.form3, key, 3); }
    ferrolith::AccessoryPage& page4(std::string_view key) { return arrived(w.form4, key, 4); }

    template <class Page>
    Page& arrived(forms::FormSlot<Page>& slot, std::string_view key, int number) {
        page2(key);
        forwardTo(w, number);
        Page& page = slot();
        EXPECT_TRUE(page.shown()) << "the walk stopped before page " << number;
        EXPECT_EQ(page.typ.text(), key);
        return page;
    }

    // How many FKE guard messages were shown; any other message is a fault.
    int fkeMessages() const {
        int n = 0;
        for (const auto& m : messages.shown) n += m.prompt == ferrolith::fkeWarning;
        return n;
    }
    void expectNoFault() const {
        for (const auto& m : messages.shown) EXPECT_EQ(m.prompt, ferrolith::fkeWarning);
    }
};

// Page 5 created directly after a class choice on page 1, with the sheet
// trn 6, gew 2,75, fke 2, dp 500 that page 4's forward copy would bring.
struct Page5Walk : PageWalk {
    ferrolith::SensorPage* p = nullptr;

    void open(std::string_view key = "Sturmgewehr") {
        chooseOnly(key);
        p = &w.form12();
        write(*p, {{"trn", "6"}, {"gew", "2,75"}, {"fke", "2"}, {"dp", "500"}});
        p->show();
    }
    // The dialog that belongs to an item, as the item table pairs them.
    ferrolith::MountDialog& dialog(const forms::CheckBox& item) {
        const std::string n = item.name();
        if (n == "entfernungsmesser") return w.form6();
        if (n == "laserziel") return w.form7();
        if (n == "ultraschall") return w.form8();
        if (n == "smartextern") return w.form9();
        if (n == "laser") return w.form10();
        return w.form11();
    }
    // Ticks an item and confirms it on the top or the underbarrel mount.
    void mount(forms::CheckBox& item, bool top = true) {
        click(item);
        ferrolith::MountDialog& d = dialog(item);
        click(top ? d.aufmontiert : d.unterlauf);
        click(d.ok);
    }
};

}  // namespace walk
