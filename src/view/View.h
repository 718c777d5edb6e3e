#pragma once
// The Qt view: one top-level window per loaded model form, with widgets bound
// generically to the form's controls. Model changes are applied with the
// widgets' signals blocked; user input goes to the runtime through the
// user-only signals (clicked, activated, textEdited), and the widget is then
// brought back in line with what the model decided.

#include "forms/Runtime.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSize>

#include <deque>
#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

class QAction;
class QMenuBar;
class QWidget;

namespace ferrolith::view {

class FormWindow;
class PageMeasure;
class TextSizes;

// Makes the pictures and the icon of the Qt resources available.
void loadResources();

// Makes Qt's own texts (the save dialog, its questions, standard buttons)
// German, whatever the system's language, and formats by the German
// convention. Returns false when Qt's German translation is not installed.
bool speakGerman();

class View : public QObject, public forms::RuntimeObserver {
public:
    explicit View(forms::Runtime& runtime);
    ~View() override;
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    // The window of a loaded form, or nullptr.
    QWidget* window(const forms::Form& form) const;
    // The widget bound to a control, or nullptr (menu entries have none).
    QWidget* widget(const forms::Control& control) const;
    QAction* action(const forms::Control& control) const;

    // Hides and destroys every window; used at the end of the program.
    void closeAll();

    void formLoaded(forms::Form& form) override;
    void formUnloaded(forms::Form& form) override;
    void formChanged(forms::Form& form) override;
    void controlChanged(forms::Control& control) override;

    // Input from a window, each handed to the runtime.
    void windowClosed(forms::Form& form);
    void windowKey(forms::Form& form, bool escape);
    void windowMoved(forms::Form& form, QPoint framePos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Binding {
        QWidget* widget = nullptr;
        QAction* action = nullptr;
    };
    struct WindowState {
        FormWindow* window = nullptr;
        // Receiver of every connection of the window's widgets; deleting it
        // cuts them all at once when the form unloads.
        std::unique_ptr<QObject> context;
        // Positions the view asked for that the window system has not
        // confirmed yet; their move events are not user moves.
        std::deque<QPoint> placed;
        bool everShown = false;
        bool isPage = false;
        // A page's own size hint, worked out again when it is stale.
        QSize hint;
        bool hintStale = true;
        // The texts of the fields when the form loaded, while the window is
        // not built yet.
        std::unordered_map<const forms::Control*, std::string> loadTexts;
    };

    class WidgetParts;
    void realise(forms::Form& form, WindowState& state);
    void build(forms::Form& form, WindowState& state);
    QWidget* createWidget(forms::Control& control, QObject* context);
    QMenuBar* createMenuBar(forms::Form& form, QObject* context);
    void layOutTwips(forms::Form& form, QWidget* client);
    void nameFields(forms::Form& form);
    std::string textAtLoad(const forms::TextField& field) const;

    void syncForm(forms::Form& form, WindowState& state);
    void syncControl(forms::Control& control);
    void syncIfBound(forms::Control* control);
    void place(WindowState& state, QPoint framePos);
    void centre(forms::Form& form, WindowState& state);
    void keepOnScreen(forms::Form& form, WindowState& state);
    void fitPages();
    QSize pageHint(const forms::Form& form, WindowState& state);
    void focusFirst(forms::Form& form);

    forms::Runtime& runtime_;
    std::map<const forms::Form*, WindowState> windows_;
    std::unordered_map<const forms::Control*, Binding> bindings_;
    std::unordered_map<const QObject*, forms::Control*> controlOf_;
    // Frames that only group controls on a form laid out at fixed places.
    std::vector<const forms::Control*> plainGroups_;
    // Windows of unloaded forms that wait for their deferred deletion.
    std::vector<QPointer<QWidget>> dying_;
    QSize pageSize_;
    // The sizes of captions, shared by the windows and the page measure.
    std::unique_ptr<TextSizes> textSizes_;
    // Measures the pages that are loaded but not built.
    std::unique_ptr<PageMeasure> measure_;
    bool closing_ = false;
};

}  // namespace ferrolith::view
