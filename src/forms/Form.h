#pragma once
// A window of the model: caption, position, shown or hidden, enabled, its set-up
// and its controls. Controls are members of the derived form and register here.

#include "forms/Controls.h"

#include <string>
#include <string_view>
#include <vector>

namespace forms {

class Runtime;

// The blank-separated names in a text, in order.
std::vector<std::string> words(std::string_view text);

class Form {
public:
    Form(Runtime& runtime, std::string name, std::string caption);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form() = default;

    // The set-up, run once when the form is created on first use.
    virtual void load() {}
    // Run when code unloads the form, before it leaves its slot.
    virtual void unloading() {}

    Runtime& runtime() const { return runtime_; }
    const std::string& name() const { return name_; }

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool shown() const { return shown_; }
    void show();
    void hide();
    int left() const { return left_; }
    int top() const { return top_; }
    void setLeft(int left);
    void setTop(int top);
    // Takes another window's place, so the row of pages stays in one spot.
    void takePosition(const Form& other) {
        setTop(other.top());
        setLeft(other.left());
    }

    // A window without a close box (the mount dialogs, the start window).
    bool closable = true;
    // A window whose size the user may change; others keep the size of their content.
    bool sizable = false;
    // The keyboard order of the controls that come first; the others follow
    // in the order of declaration. The first that takes input gets the focus
    // when the window is shown.
    std::vector<Control*> tabOrder;
    // The client area in twips, for forms laid out at fixed places.
    std::optional<TwipsRect> clientTwips;

    // Run when the user closes the window with its close box.
    Handler onClose;

    // Every control in the order of declaration.
    const std::vector<Control*>& controls() const { return controls_; }
    Control* find(const std::string& name) const;

    // Lookup by name for the few places that reach into another form by name.
    CheckBox& check(const std::string& name) const;
    TextField& field(const std::string& name) const;
    ListBox& list(const std::string& name) const;

private:
    friend class Control;
    void add(Control* control) { controls_.push_back(control); }
    void changed();

    Runtime& runtime_;
    std::string name_;
    std::string caption_;
    bool enabled_ = true;
    bool shown_ = false;
    int left_ = 0;
    int top_ = 0;
    std::vector<Control*> controls_;
};

}  // namespace forms
