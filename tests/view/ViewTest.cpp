// The Qt view against the model: input reaches the runtime, model changes
// reach the widgets without coming back, the ports are used, and no window
// outlives its test.

#include "accessories/AccessoryPage.h"
#include "app/Wizard.h"
#include "common/DesignSheet.h"
#include "completion/CompletionPage.h"
#include "components/ComponentPage.h"
#include "internal/InternalPage.h"
#include "sensors/MountDialog.h"
#include "sensors/SensorPage.h"
#include "forms/FakePorts.h"
#include "forms/FormSlot.h"
#include "start/FrameChoicePage.h"
#include "start/StartWindow.h"
#include "view/PageMeasure.h"
#include "view/TextSizes.h"
#include "view/QtPorts.h"
#include "view/View.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

namespace {

using ferrolith::view::View;

// Lets deferred deletions and queued calls run.
void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class WindowCheck : public ::testing::Test {
protected:
    void TearDown() override {
        settle();
        EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty())
            << QApplication::topLevelWidgets().size() << " windows left behind";
    }
};

// The wizard with the view and recording ports, at the start window.
class WizardView : public WindowCheck {
protected:
    void SetUp() override {
        view = std::make_unique<View>(w.runtime());
        w.runtime().setPorts(&messages, &saveDialog, &end);
        w.start();
    }
    void TearDown() override {
        view.reset();
        WindowCheck::TearDown();
    }
    template <class T>
    T* find(const forms::Control& control) {
        return qobject_cast<T*>(view->widget(control));
    }
    void toPage1() {
        w.runtime().userClick(w.frmAbout().cmdOK);
        settle();
    }

    ferrolith::Wizard w;
    forms::FakeMessageBox messages;
    forms::FakeSaveDialog saveDialog;
    forms::FakeProgramEnd end;
    std::unique_ptr<View> view;
};

TEST_F(WizardView, StartWindowHasNoTitleBarAndEscOpensPage1) {
    QWidget* start = view->window(w.frmAbout());
    ASSERT_NE(start, nullptr);
    EXPECT_TRUE(start->isVisible());
    EXPECT_TRUE(start->windowFlags() & Qt::FramelessWindowHint);
    // 5160 by 5355 twips at 15 twips a pixel.
    EXPECT_EQ(start->size(), QSize(344, 357));

    QTest::keyClick(start, Qt::Key_Escape);
    settle();

    EXPECT_FALSE(w.frmAbout.loaded());
    ASSERT_TRUE(w.form1.loaded());
    QWidget* page1 = view->window(w.form1());
    ASSERT_NE(page1, nullptr);
    EXPECT_TRUE(page1->isVisible());
    EXPECT_EQ(end.ends, 0);
}

TEST_F(WizardView, ClassButtonReachesModelAndEnablesWeiter) {
    toPage1();
    auto* weiter = find<QPushButton>(w.form1().Command1);
    ASSERT_NE(weiter, nullptr);
    EXPECT_EQ(weiter->objectName(), "Command1");
    EXPECT_FALSE(weiter->isEnabled());

    auto* light = qobject_cast<QRadioButton*>(view->window(w.form1())->findChild<QRadioButton*>("Option2"));
    ASSERT_NE(light, nullptr);
    QTest::mouseClick(light, Qt::LeftButton);

    // "Leichte Pistole": FKE 1.5 and DP 90, German number text.
    EXPECT_TRUE(w.form1().option(2).value());
    EXPECT_EQ(w.form1().typ.text(), "Leichte Pistole");
    EXPECT_EQ(find<QLineEdit>(w.form1().fke)->text(), "1,5");
    EXPECT_EQ(find<QLineEdit>(w.form1().dp)->text(), "90");
    EXPECT_TRUE(weiter->isEnabled());
    EXPECT_TRUE(light->isChecked());

    // Another class clears the first, as the model says.
    QTest::mouseClick(view->window(w.form1())->findChild<QRadioButton*>("Option11"), Qt::LeftButton);
    EXPECT_FALSE(light->isChecked());
    EXPECT_EQ(find<QLineEdit>(w.form1().fke)->text(), "4");
    EXPECT_EQ(find<QLineEdit>(w.form1().dp)->text(), "425");
}

TEST_F(WizardView, InfoMenuUsesTheMessageBoxPort) {
    toPage1();
    QAction* info = view->action(w.form1().info);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->text(), "&Info");
    info->trigger();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Korvessa");
    EXPECT_EQ(messages.shown[0].prompt.rfind("Ferrolith by Ellvarin.", 0), 0u);
    EXPECT_EQ(messages.shown[0].icon, forms::MessageIcon::Information);
}

TEST_F(WizardView, ClosingPage1EndsTheProgramThroughTheModel) {
    toPage1();
    QWidget* page1 = view->window(w.form1());
    EXPECT_TRUE(page1->windowFlags() & Qt::WindowCloseButtonHint);
    page1->close();
    EXPECT_EQ(end.ends, 1);
}

TEST_F(WizardView, FieldsAndFramesOfPage2AreNamedByWhatTheUserSeesThere) {
    toPage1();
    w.runtime().userClick(w.form1().option(5));  // "Maschinenpistole": no page beyond page 2
    w.runtime().userClick(w.form1().Command1);
    settle();
    ASSERT_TRUE(w.form2.loaded());
    ferrolith::ComponentPage& page2 = w.form2();
    ASSERT_NE(view->widget(page2.fke), nullptr);
    EXPECT_EQ(view->widget(page2.fke)->accessibleName(), "FKE:");
    EXPECT_EQ(view->widget(page2.dp)->accessibleName(), "DP:");
    EXPECT_EQ(view->widget(page2.hlt)->accessibleName(), "Verfügbare Halterungen:");
    EXPECT_EQ(view->widget(page2.hlt2)->accessibleName(), "Verfügbare Halterungen: Aufmontiert");
    EXPECT_EQ(view->widget(page2.hlt3)->accessibleName(), "Verfügbare Halterungen: Unterlauf");
    EXPECT_EQ(view->widget(page2.trnkera)->accessibleName(), "Tarnstufe gegenüber MAD-Systemen");
    // A frame says its own caption, or that of the box heading it, never the
    // caption of the frame around it.
    EXPECT_EQ(view->widget(page2.Frame2)->accessibleName(), "Maschinenpistole");
    EXPECT_EQ(view->widget(page2.modusframe)->accessibleName(), "Feuermodus");
    EXPECT_EQ(view->widget(page2.sheetFrame)->accessibleName(), "Werte der Waffe");
    auto* fke = find<QLineEdit>(page2.fke);
    EXPECT_TRUE(fke->isReadOnly());
    EXPECT_EQ(fke->text(), "1,5");
    // Page 2 takes page 1's place; 15 twips are one pixel.
    EXPECT_EQ(view->window(page2)->pos(), view->window(w.form1())->pos());
    EXPECT_EQ(page2.left(), w.form1().left());
}

// Clicks the push button or option named `name` in the window of `form`,
// as the user does with the mouse.
template <class T = QPushButton>
void clickIn(View& view, forms::Form& form, const char* name) {
    QWidget* window = view.window(form);
    ASSERT_NE(window, nullptr) << form.name() << " has no window";
    ASSERT_TRUE(window->isVisible()) << form.name() << " is not shown";
    auto* button = window->findChild<T*>(QString::fromUtf8(name));
    ASSERT_NE(button, nullptr) << form.name() << " has no " << name;
    ASSERT_TRUE(button->isEnabled()) << name << " on " << form.name() << " is disabled";
    QTest::mouseClick(button, Qt::LeftButton);
    settle();
}

TEST_F(WizardView, WalkThroughTheWindowsSavesEighteenLines) {
    const auto path = std::filesystem::temp_directory_path() / "ferrolith-view-walk.txt";
    std::filesystem::remove(path);
    saveDialog.answers.push_back(path.string());

    clickIn(*view, w.frmAbout(), "cmdOK");
    clickIn<QRadioButton>(*view, w.form1(), "Option9");  // "Sturmgewehr"
    clickIn(*view, w.form1(), "Command1");
    // Each page's window holds all its content: none is cut at the edge.
    auto holdsItsContent = [this](forms::Form& page) {
        QWidget* window = view->window(page);
        EXPECT_GE(window->width(), window->sizeHint().width()) << page.name();
        EXPECT_GE(window->height(), window->sizeHint().height()) << page.name();
    };
    holdsItsContent(w.form2());
    clickIn(*view, w.form2(), "Weiter1");
    holdsItsContent(w.form3());
    clickIn(*view, w.form3(), "Command2");
    holdsItsContent(w.form4());
    clickIn(*view, w.form4(), "Command2");
    clickIn(*view, w.form12(), "Command2");
    ASSERT_TRUE(w.form5.loaded());
    EXPECT_FALSE(view->window(w.form12())->isVisible());
    clickIn(*view, w.form5(), "cmdSave");

    ASSERT_EQ(saveDialog.filters.size(), 1u);
    ASSERT_TRUE(std::filesystem::exists(path));
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    int lines = 0;
    for (std::size_t i = 0; (i = bytes.find("\r\n", i)) != std::string::npos; i += 2) ++lines;
    EXPECT_EQ(lines, 18);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_TRUE(messages.shown.empty());
    std::filesystem::remove(path);
}

TEST_F(WizardView, MountDialogLocksPage5AndItsChoiceEmptiesTheMountField) {
    toPage1();
    w.runtime().userClick(w.form1().option(9));  // "Sturmgewehr"
    w.runtime().userClick(w.form1().Command1);
    w.runtime().userClick(w.form2().Weiter1);
    w.runtime().userClick(w.form3().Command2);
    w.runtime().userClick(w.form4().Command2);
    settle();
    ferrolith::SensorPage& page5 = w.form12();
    QWidget* page5Window = view->window(page5);
    ASSERT_TRUE(page5Window->isVisible());
    EXPECT_EQ(find<QLineEdit>(page5.hlt2)->text(), "Aufmontiert");

    auto* item = find<QCheckBox>(page5.ultraschall);
    ASSERT_NE(item, nullptr);
    QTest::mouseClick(item, Qt::LeftButton);
    settle();
    EXPECT_EQ(item->checkState(), Qt::Checked);
    ferrolith::MountDialog& dialog = page5.dialogOf(page5.ultraschall);
    QWidget* dialogWindow = view->window(dialog);
    ASSERT_NE(dialogWindow, nullptr);
    EXPECT_TRUE(dialogWindow->isVisible());
    EXPECT_FALSE(page5Window->isEnabled());

    QTest::mouseClick(find<QCheckBox>(dialog.aufmontiert), Qt::LeftButton);
    auto* ok = find<QPushButton>(dialog.ok);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "&OK");
    QTest::mouseClick(ok, Qt::LeftButton);
    settle();

    EXPECT_FALSE(dialogWindow->isVisible());
    EXPECT_TRUE(page5Window->isEnabled());
    EXPECT_TRUE(page5Window->isVisible());
    EXPECT_EQ(find<QLineEdit>(page5.hlt2)->text(), "");

    clickIn(*view, page5, "Command2");  // "&Weiter"
    ASSERT_TRUE(w.form5.loaded());
    ferrolith::CompletionPage& page6 = w.form5();
    EXPECT_TRUE(view->window(page6)->isVisible());
    QWidget* mount = view->widget(page6.hlt2);
    ASSERT_NE(mount, nullptr);
    EXPECT_TRUE(mount->isHidden());
    EXPECT_FALSE(view->widget(page6.hlt3)->isHidden());
}

// Page 6 is built only when it is first shown; until then the other pages
// count with its fixed client area of 11175 by 10695 twips.
TEST_F(WizardView, PagesTakePage6sHeightBeforeItIsShown) {
    toPage1();
    w.runtime().userClick(w.form1().option(7));  // "Taser": page 2 loads every later page, page 6 too
    w.runtime().userClick(w.form1().Command1);
    settle();
    ASSERT_TRUE(w.form5.loaded());
    EXPECT_EQ(view->window(w.form2())->height(), 10695 / 15);
}

// A window built when it is first shown comes up as if it had been built
// when its form loaded: the fields are named after the texts they had then.
TEST_F(WizardView, Page6ShownLateNamesItsFieldsAsLoadedAndTakesPage5sPlace) {
    toPage1();
    w.runtime().userClick(w.form1().option(9));  // "Sturmgewehr"
    w.runtime().userClick(w.form1().Command1);
    w.runtime().userClick(w.form2().Weiter1);  // loads page 6, hidden
    w.runtime().userClick(w.form3().Command2);
    w.runtime().userClick(w.form4().Command2);
    settle();
    ferrolith::SensorPage& page5 = w.form12();
    QTest::mouseClick(find<QCheckBox>(page5.ultraschall), Qt::LeftButton);
    ferrolith::MountDialog& dialog = page5.dialogOf(page5.ultraschall);
    QTest::mouseClick(find<QCheckBox>(dialog.aufmontiert), Qt::LeftButton);
    QTest::mouseClick(find<QPushButton>(dialog.ok), Qt::LeftButton);
    settle();
    clickIn(*view, page5, "Command2");

    ferrolith::CompletionPage& page6 = w.form5();
    QWidget* window = view->window(page6);
    ASSERT_TRUE(window->isVisible());
    EXPECT_EQ(page6.hlt2.text(), "");
    EXPECT_EQ(view->widget(page6.hlt2)->accessibleName(), "Verfügbare Halterungen: Aufmontiert");
    EXPECT_EQ(view->widget(page6.hlt3)->accessibleName(), "Verfügbare Halterungen: Unterlauf");
    EXPECT_EQ(window->pos(), view->window(page5)->pos());
    EXPECT_EQ(window->size(), view->window(page5)->size());
    EXPECT_EQ(QApplication::focusWidget(), view->widget(page6.waffenname));
}

// A page is built only when it is first shown; until then it lends the other
// pages the size it measures without a window. That measure must be the size
// its window asks for: checked on every page of every class as it arrives and
// after a few ticks that show and hide options.
TEST_F(WizardView, PagesMeasuredWithoutAWindowAskForTheSizeOfTheirWindow) {
    const auto askedFor = [](QWidget* window) {
        for (QWidget* child : window->findChildren<QWidget*>()) child->updateGeometry();
        for (QLayout* layout : window->findChildren<QLayout*>()) layout->invalidate();
        return window->sizeHint();
    };
    for (int option = 1; option <= 14; ++option) {
        ferrolith::Wizard walk;
        View walkView(walk.runtime());
        walk.runtime().setPorts(&messages, &saveDialog, &end);
        walk.start();
        walk.runtime().userClick(walk.frmAbout().cmdOK);
        walk.runtime().userClick(walk.form1().option(option));
        walk.runtime().userClick(walk.form1().Command1);
        // One measure for the whole walk, as the view keeps one; its sizes
        // are its own, so a size the windows share wrongly shows.
        ferrolith::view::TextSizes sizes;
        ferrolith::view::PageMeasure measure(sizes);
        forms::Form* form = &walk.form2();
        for (int page = 2; page <= 5 && form && form->shown(); ++page) {
            for (int ticks = 0; ticks <= 3; ++ticks) {
                settle();
                ASSERT_TRUE(walkView.window(*form) && walkView.window(*form)->isVisible()) << form->name();
                EXPECT_EQ(measure.measure(*form), askedFor(walkView.window(*form)))
                    << "class " << option << ", " << form->name() << " after " << ticks << " ticks";
                for (forms::Control* c : form->controls()) {
                    auto* box = c->kind() == forms::ControlKind::CheckBox ? static_cast<forms::CheckBox*>(c) : nullptr;
                    if (box && box->acceptsInput() && box->value() == 0 && !box->name().starts_with("smart") &&
                        box->name() != "ultraschall" && box->name() != "entfernungsmesser" &&
                        box->name() != "sichtgerät" && box->name() != "laserziel" && box->name() != "laser") {
                        walk.runtime().userClick(*box);
                        break;
                    }
                }
            }
            // Forward, unless a tick drove FKE below 0.
            forms::Button* forward = static_cast<forms::Button*>(form->find(page == 2 ? "Weiter1" : "Command2"));
            if (!forward->acceptsInput() || page == 5) break;
            // The next page measured while hidden too: its next measure
            // must not keep what this one found.
            if (page == 2 && walk.form3.loaded()) measure.measure(walk.form3());
            if (page == 3 && walk.form4.loaded()) measure.measure(walk.form4());
            if (page == 4 && walk.form12.loaded()) measure.measure(walk.form12());
            walk.runtime().userClick(*forward);
            form = page == 2 ? static_cast<forms::Form*>(&walk.form3())
                 : page == 3 ? static_cast<forms::Form*>(&walk.form4())
                             : static_cast<forms::Form*>(&walk.form12());
        }
    }
}

// A small form of every generic kind, outside the wizard.
// Each mount dialog tabs in its own order and opens with the first of it
// focused; three of them may be resized, and their buttons stay inside.
TEST_F(WizardView, MountDialogsKeyOrderFocusAndBorder) {
    toPage1();
    w.runtime().userClick(w.form1().option(9));  // "Sturmgewehr"
    const char* const choicesFirst[] = {"aufmontiert", "unterlauf", "ok", "cancel"};
    const char* const okThenTop[] = {"ok", "aufmontiert", "unterlauf", "cancel"};
    const char* const okThenUnderbarrel[] = {"ok", "unterlauf", "aufmontiert", "cancel"};
    const struct {
        forms::FormSlot<ferrolith::MountDialog>* dialog;
        const char* const* order;
        bool sizable;
    } rows[] = {{&w.form6, choicesFirst, false},     {&w.form7, okThenTop, false},
                {&w.form8, okThenUnderbarrel, true}, {&w.form9, okThenUnderbarrel, true},
                {&w.form10, okThenUnderbarrel, true}, {&w.form11, okThenUnderbarrel, false}};
    for (const auto& row : rows) {
        ferrolith::MountDialog& dialog = (*row.dialog)();
        w.runtime().dispatch("test", [&] { dialog.show(); });
        settle();
        QWidget* window = view->window(dialog);
        ASSERT_TRUE(window && window->isVisible()) << dialog.name();
        QStringList order;
        QWidget* at = window->focusWidget();
        ASSERT_NE(at, nullptr) << dialog.name();
        for (int steps = 0; order.size() < 4 && steps < 50; ++steps, at = at->nextInFocusChain())
            if ((at->focusPolicy() & Qt::TabFocus) && at->isVisible() && !order.contains(at->objectName()))
                order << at->objectName();
        EXPECT_EQ(order, (QStringList{row.order[0], row.order[1], row.order[2], row.order[3]})) << dialog.name();
        EXPECT_EQ(window->minimumSize() != window->maximumSize(), row.sizable) << dialog.name();
        if (row.sizable) {
            for (QSize size : {window->minimumSize(), window->minimumSize() * 3}) {
                window->resize(size);
                settle();
                for (const forms::Control* c : std::initializer_list<const forms::Control*>{&dialog.ok, &dialog.cancel}) {
                    QWidget* button = view->widget(*c);
                    const QRect place(button->mapTo(window, QPoint()), button->size());
                    EXPECT_TRUE(window->rect().contains(place)) << c->name();
                }
            }
        }
        w.runtime().dispatch("test", [&] { dialog.hide(); });
    }
}

struct Sample : forms::Form {
    explicit Sample(forms::Runtime& runtime)
        : forms::Form(runtime, "Sample", "Probe"),
          frame(*this, "frame", "Rahmen"),
          box(*this, "box", "&Kasten", &frame),
          level(*this, "level", {"01", "02", "03"}, "16 Stufen", &frame),
          name(*this, "name", ""),
          ok(*this, "ok", "&OK") {
        level.sameRow = true;
        name.readOnly = false;
        name.acceptsChar = [](char32_t c) { return c >= U'0' && c <= U'9'; };
        box.onClick = [this] { ++boxClicks; };
        box.onMouseMove = [this] { box.setToolTip("1 DP"); };
        level.onClick = [this] { ++picks; };
        name.onChange = [this] { ++edits; };
        onClose = [this] { ++closes; };
    }
    forms::Frame frame;
    forms::CheckBox box;
    forms::ListBox level;
    forms::TextField name;
    forms::Button ok;
    int boxClicks = 0, picks = 0, edits = 0, closes = 0;
};

class GenericView : public WindowCheck {
protected:
    void SetUp() override {
        view = std::make_unique<View>(runtime);
        runtime.setPorts(&messages, nullptr, nullptr);
        runtime.dispatch("test", [this] { slot().show(); });
        window = view->window(slot());
    }
    void TearDown() override {
        view.reset();
        WindowCheck::TearDown();
    }
    forms::Runtime runtime;
    forms::FakeMessageBox messages;
    forms::FormSlot<Sample> slot{runtime, [this] { return std::make_unique<Sample>(runtime); }};
    std::unique_ptr<View> view;
    QWidget* window = nullptr;
};

TEST_F(GenericView, ModelChangesReachTheWidgetsWithoutEchoingBack) {
    Sample& s = slot();
    auto* box = window->findChild<QCheckBox*>("box");
    ASSERT_NE(box, nullptr);
    s.box.setValue(1);
    EXPECT_EQ(box->checkState(), Qt::Checked);
    s.box.setValue(2);
    EXPECT_EQ(box->checkState(), Qt::PartiallyChecked);
    s.box.setCaption("Neu");
    s.box.setEnabled(false);
    settle();
    EXPECT_EQ(box->text(), "Neu");
    EXPECT_FALSE(box->isEnabled());
    // Each setValue ran the handler once; the view sent nothing back.
    EXPECT_EQ(s.boxClicks, 2);

    s.level.setText("02");
    auto* level = window->findChild<QComboBox*>("level");
    EXPECT_EQ(level->currentText(), "02");
    EXPECT_EQ(s.picks, 0);

    s.name.setText("42");
    EXPECT_EQ(window->findChild<QLineEdit*>("name")->text(), "42");
    EXPECT_EQ(s.edits, 1);

    s.setCaption("Andere Probe");
    EXPECT_EQ(window->windowTitle(), "Andere Probe");
    s.hide();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(GenericView, UserInputGoesThroughTheRuntimeAndTheModelDecides) {
    Sample& s = slot();
    auto* box = window->findChild<QCheckBox*>("box");
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(s.box.value(), 1);
    EXPECT_EQ(s.boxClicks, 1);

    // A handler that refuses the tick wins over what Qt drew.
    s.box.onClick = [&s] { s.box.setValue(0); };
    QTest::mouseClick(box, Qt::LeftButton);  // 1 -> 0, handler leaves it at 0
    QTest::mouseClick(box, Qt::LeftButton);  // 0 -> 1, handler sets 0 again
    EXPECT_EQ(s.box.value(), 0);
    EXPECT_EQ(box->checkState(), Qt::Unchecked);

    // Input that the model does not take leaves the widget as the model has it.
    runtime.endProgram();
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(box->checkState(), Qt::Unchecked);
}

TEST_F(GenericView, ListsShowTheirTextAndTakePicksAndFieldsFilterCharacters) {
    Sample& s = slot();
    // A list shows a text that is no item, and a pick runs the handler once.
    auto* level = window->findChild<QComboBox*>("level");
    EXPECT_FALSE(level->isEditable());
    EXPECT_EQ(level->placeholderText(), "16 Stufen");
    EXPECT_EQ(level->currentIndex(), -1);
    emit level->activated(2);
    EXPECT_EQ(s.level.text(), "03");
    EXPECT_EQ(s.picks, 1);
    EXPECT_EQ(level->currentText(), "03");

    // Only the characters the field accepts get through.
    auto* name = window->findChild<QLineEdit*>("name");
    QTest::keyClicks(name, "a1b2");
    EXPECT_EQ(s.name.text(), "12");
    EXPECT_EQ(s.edits, 2);
}

TEST_F(GenericView, ToolTipComesFromTheModelOnMouseMove) {
    auto* box = window->findChild<QCheckBox*>("box");
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), box->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(box, &move);
    EXPECT_EQ(slot().box.toolTip(), "1 DP");
    EXPECT_EQ(box->toolTip(), "1 DP");
}

TEST_F(GenericView, ListsAreNamedByTheirBoxAndCaptionsKeepMnemonics) {
    EXPECT_EQ(window->findChild<QComboBox*>("level")->accessibleName(), "Kasten");
    EXPECT_EQ(window->findChild<QCheckBox*>("box")->text(), "&Kasten");
    EXPECT_EQ(window->findChild<QPushButton*>("ok")->text(), "&OK");
}

TEST_F(GenericView, CloseBoxAndMovesAreRequestsToTheModel) {
    window->close();
    EXPECT_EQ(slot().closes, 1);
    EXPECT_TRUE(slot.loaded());

    window->move(QPoint(100, 60));
    settle();
    EXPECT_EQ(slot().left(), 1500);
    EXPECT_EQ(slot().top(), 900);

    // The model's own position moves the window and does not come back.
    runtime.dispatch("test", [this] {
        slot().setLeft(3000);
        slot().setTop(1500);
    });
    settle();
    EXPECT_EQ(window->pos(), QPoint(200, 100));
    EXPECT_EQ(slot().left(), 3000);
    EXPECT_EQ(slot().top(), 1500);
}

TEST_F(GenericView, UnloadingTheFormRemovesItsWindow) {
    QPointer<QWidget> gone = window;
    runtime.dispatch("test", [this] { slot.unload(); });
    settle();
    EXPECT_TRUE(gone.isNull());
    EXPECT_FALSE(slot.loaded());
}

// Two pages with a design sheet, one of them with a wide extra row.
struct SheetPage : forms::Form, ferrolith::DesignSheet {
    SheetPage(forms::Runtime& runtime, const char* name, const char* extra)
        : forms::Form(runtime, name, name),
          ferrolith::DesignSheet(*this, ferrolith::page2SheetTexts, "Frame1"),
          note(*this, "note", extra) {}
    forms::Label note;
};

TEST_F(WindowCheck, PagesWithADesignSheetShareOneSize) {
    forms::Runtime runtime;
    View view(runtime);
    auto wide = [&runtime] { return std::make_unique<SheetPage>(runtime, "Wide", "Eine recht lange Zeile, die eine Seite breiter macht als die andere"); };
    auto narrow = [&runtime] { return std::make_unique<SheetPage>(runtime, "Narrow", "kurz"); };
    forms::FormSlot<SheetPage> first(runtime, wide);
    forms::FormSlot<SheetPage> second(runtime, narrow);
    runtime.dispatch("test", [&] {
        first().show();
        second().show();
    });
    QWidget* a = view.window(first());
    QWidget* b = view.window(second());
    EXPECT_EQ(a->size(), b->size());
    EXPECT_GE(a->width(), a->sizeHint().width());
    // The sheet fields carry their labels as names here too.
    EXPECT_EQ(view.widget(second().kpd)->accessibleName(), "Rückstoßkompensation:");
    EXPECT_EQ(view.widget(second().Gurt)->accessibleName(), "Lademechanismus: Gurt");
}

// The save dialog speaks German (Qt's translation is installed and loaded)
// and shows the filter's description as the filter gives it.
TEST(QtPorts, SaveDialogSpeaksGermanAndShowsTheFilterAsGiven) {
    EXPECT_EQ(ferrolith::view::qtFileFilter("Textdateien (*.txt)|*.txt"), "Textdateien (*.txt) (*.txt)");
    EXPECT_EQ(ferrolith::view::qtFileFilter("Text|*.txt;*.text|Alle|*.*"), "Text (*.txt *.text);;Alle (*.*)");
    ASSERT_TRUE(ferrolith::view::speakGerman()) << "Qt's German translation is not installed";
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    ferrolith::view::prepareSaveDialog(dialog, "Textdateien (*.txt)|*.txt", "");
    auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(types, nullptr);
    ASSERT_EQ(types->count(), 1);
    EXPECT_EQ(types->itemText(0), "Textdateien (*.txt)");
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialog.windowTitle(), "Speichern unter");
    EXPECT_EQ(dialog.labelText(QFileDialog::Reject), "Abbrechen");
}

}  // namespace

// Captions share their sizes between widgets of one class, font and text; a
// widget whose size depends on more than that works out its own. Each case
// asks a sharing widget after another has filled the shared entry and
// compares it with a plain Qt widget in the same state.
TEST(SharedTextSizes, AWidgetGetsTheSizesAPlainWidgetInItsStateWouldAskFor) {
    using ferrolith::view::SharingSizes;
    ferrolith::view::TextSizes sizes;
    QFont small = QApplication::font();
    small.setPointSizeF(6.5);
    QWidget field;
    const auto same = [](const QWidget& shared, const QWidget& plain, const char* what) {
        EXPECT_EQ(shared.sizeHint(), plain.sizeHint()) << what;
        EXPECT_EQ(shared.minimumSizeHint(), plain.minimumSizeHint()) << what;
    };
    const QString text = QStringLiteral("Gas&ventil mit langer Beschriftung");
    SharingSizes<QCheckBox> first(&sizes);
    first.setText(text);
    (void)first.sizeHint();
    (void)first.minimumSizeHint();

    // A font made smaller to fit a place, after the size was asked for.
    SharingSizes<QCheckBox> smaller(&sizes);
    QCheckBox plainSmaller;
    smaller.setText(text);
    (void)smaller.sizeHint();
    for (QAbstractButton* b : {static_cast<QAbstractButton*>(&smaller), static_cast<QAbstractButton*>(&plainSmaller)}) {
        b->setText(text);
        b->setFont(small);
    }
    same(smaller, plainSmaller, "check box with a smaller font");

    SharingSizes<QRadioButton> option(&sizes);
    QRadioButton plainOption;
    option.setText(text);
    plainOption.setText(text);
    same(option, plainOption, "option button with the check box's text");

    SharingSizes<QLabel> label(&sizes);
    label.setText(text);
    (void)label.sizeHint();
    SharingSizes<QLabel> withBuddy(&sizes);
    QLabel plainWithBuddy;
    for (QLabel* l : {static_cast<QLabel*>(&withBuddy), &plainWithBuddy}) {
        l->setText(text);
        l->setBuddy(&field);
    }
    same(withBuddy, plainWithBuddy, "label whose mnemonic is shown");

    SharingSizes<QLabel> renamed(&sizes);
    QLabel plainRenamed;
    renamed.setText(text);
    (void)renamed.sizeHint();
    renamed.setText(QStringLiteral("kurz"));
    plainRenamed.setText(QStringLiteral("kurz"));
    same(renamed, plainRenamed, "label given another text");

    SharingSizes<QLabel> picture(&sizes);
    QLabel plainPicture;
    QPixmap pixmap(40, 30);
    pixmap.fill(Qt::black);
    for (QLabel* l : {static_cast<QLabel*>(&picture), &plainPicture}) {
        l->setText(text);
        l->setPixmap(pixmap);
    }
    same(picture, plainPicture, "picture");
}

// A label that tries fonts until its text fits is measured from the fonts'
// metrics; that must be the size the label itself asks for in each font, and
// a label that is not plain must be left to ask itself.
TEST(SharedTextSizes, APlainLabelIsMeasuredAsItWouldMeasureItself) {
    QWidget field;
    for (const char* text : {"Rückstoßkompensation:", "Endgültiger Preis:", "( FKE: 2,5  |  DP:130 )", "Nuyen", "kg"}) {
        for (double points : {9.0, 8.5, 7.0, 5.5}) {
            QLabel label(QString::fromUtf8(text));
            QFont font = label.font();
            font.setPointSizeF(points);
            const QSize worked = ferrolith::view::plainLabelSize(label, font);
            label.setFont(font);
            EXPECT_EQ(worked, label.sizeHint()) << text << " at " << points << " pt";
        }
    }
    QLabel mnemonic(QStringLiteral("&Name:"));
    mnemonic.setBuddy(&field);
    QLabel framed(QStringLiteral("Name:"));
    framed.setFrameShape(QFrame::Box);
    for (QLabel* notPlain : {&mnemonic, &framed})
        EXPECT_FALSE(ferrolith::view::plainLabelSize(*notPlain, notPlain->font()).isValid()) << notPlain->text().toStdString();
}
