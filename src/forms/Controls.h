#pragma once
// The controls of a form. They hold all state of a design; code that changes a
// value runs the control's handler at once, nested, exactly like a user's change,
// but only when the value really changed.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace forms {

class Form;
class Frame;

// A place in twips (1/1440 inch; 15 twips are one pixel at 96 dpi).
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

enum class ControlKind { CheckBox, OptionButton, TextField, ListBox, Label, Frame, Button, Image, MenuItem };

using Handler = std::function<void()>;

class Control {
public:
    Control(Form& form, std::string name, std::string caption, Frame* frame = nullptr);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    virtual ControlKind kind() const = 0;

    const std::string& name() const { return name_; }
    Form& form() const { return form_; }
    // The frame the control stands in, or nullptr for the form itself.
    Frame* frame() const { return frame_; }

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool visible() const { return visible_; }
    void setVisible(bool visible);
    const std::string& toolTip() const { return toolTip_; }
    void setToolTip(std::string toolTip);

    // Mouse handlers; the view forwards moves and presses over the control.
    Handler onMouseMove;
    Handler onMouseDown;

    // Takes user input only while enabled and visible on an enabled form.
    bool acceptsInput() const;

    // Layout hints for the view. Controls of a frame (or of the form) are laid
    // out in declaration order, one row each, unless sameRow puts a control to
    // the right of the one before it. A form whose controls carry twips is
    // laid out at those places instead.
    bool sameRow = false;
    std::optional<TwipsRect> twips;
    // A font of the control's own; otherwise it takes its window's font.
    struct Font {
        std::string family;
        double points = 0;
    };
    std::optional<Font> font;
    // What assistive tools read out for the control where neither its caption
    // nor the label of its row says what it is.
    std::string spokenName;

protected:
    void changed();

private:
    Form& form_;
    std::string name_;
    std::string caption_;
    Frame* frame_;
    bool enabled_ = true;
    bool visible_ = true;
    std::string toolTip_;
};

class Frame : public Control {
public:
    using Control::Control;
    ControlKind kind() const override { return ControlKind::Frame; }
    Handler onClick;
    // The check box that heads a frame without a caption of its own; the
    // frame is announced by that box's caption.
    const Control* headedBy = nullptr;
};

class Label : public Control {
public:
    using Control::Control;
    ControlKind kind() const override { return ControlKind::Label; }
    Handler onClick;
};

// A picture of our own resources, named by its resource path.
class Image : public Control {
public:
    Image(Form& form, std::string name, std::string resource, Frame* frame = nullptr);
    ControlKind kind() const override { return ControlKind::Image; }
    const std::string& resource() const { return resource_; }

private:
    std::string resource_;
};

class Button : public Control {
public:
    using Control::Control;
    ControlKind kind() const override { return ControlKind::Button; }
    Handler onClick;
    // Enter and Esc on the form act as a click on this button.
    bool isDefault = false;
    bool isCancel = false;
};

// An entry of the form's menu bar, under the menu captioned `menu`.
class MenuItem : public Control {
public:
    MenuItem(Form& form, std::string name, std::string menu, std::string caption)
        : Control(form, std::move(name), std::move(caption)), menu(std::move(menu)) {}
    ControlKind kind() const override { return ControlKind::MenuItem; }
    const std::string menu;
    Handler onClick;
};

// Check box with the values 0 (unticked), 1 (ticked) and 2 (greyed).
class CheckBox : public Control {
public:
    using Control::Control;
    ControlKind kind() const override { return ControlKind::CheckBox; }
    int value() const { return value_; }
    // Runs onClick, nested, only when the value changes.
    void setValue(int value);
    bool ticked() const { return value_ == 1; }
    Handler onClick;

private:
    int value_ = 0;
};

// Option buttons in one frame (or on the form itself) form one group:
// choosing one clears the others.
class OptionButton : public Control {
public:
    using Control::Control;
    ControlKind kind() const override { return ControlKind::OptionButton; }
    bool value() const { return value_; }
    // Choosing runs onClick; clearing a sibling runs nothing.
    void choose();
    Handler onClick;

private:
    bool value_ = false;
};

class TextField : public Control {
public:
    TextField(Form& form, std::string name, std::string text, Frame* frame = nullptr);
    ControlKind kind() const override { return ControlKind::TextField; }
    const std::string& text() const { return text_; }
    // Runs onChange, nested, only when the text changes.
    void setText(std::string text);
    // Read-only for the user, never for code.
    bool readOnly = true;
    bool multiLine = false;
    // Shown centred in its box instead of left-aligned.
    bool centred = false;
    // Characters the user may type; empty accepts anything.
    std::function<bool(char32_t)> acceptsChar;
    Handler onChange;

private:
    std::string text_;
};

// Pick-only drop-down list of level items such as "01".."16".
class ListBox : public Control {
public:
    ListBox(Form& form, std::string name, std::vector<std::string> items, std::string text,
            Frame* frame = nullptr);
    ControlKind kind() const override { return ControlKind::ListBox; }
    const std::vector<std::string>& items() const { return items_; }
    const std::string& text() const { return text_; }
    // Code sets the text and runs nothing.
    void setText(std::string text);
    // A user's pick: sets the text, then runs onClick.
    void pick(const std::string& item);
    Handler onClick;

private:
    std::vector<std::string> items_;
    std::string text_;
};

}  // namespace forms
