#include "forms/Controls.h"

#include "forms/Form.h"
#include "forms/Runtime.h"

namespace forms {

Control::Control(Form& form, std::string name, std::string caption, Frame* frame)
    : form_(form), name_(std::move(name)), caption_(std::move(caption)), frame_(frame) {
    form_.add(this);
}

void Control::changed() { form_.runtime().notifyControl(*this); }

void Control::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    changed();
}

void Control::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    changed();
}

void Control::setVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    changed();
}

void Control::setToolTip(std::string toolTip) {
    if (toolTip == toolTip_) return;
    toolTip_ = std::move(toolTip);
    changed();
}

bool Control::acceptsInput() const {
    if (!enabled_ || !visible_ || !form_.enabled()) return false;
    for (const Frame* f = frame_; f; f = f->frame())
        if (!f->enabled() || !f->visible()) return false;
    return true;
}

Image::Image(Form& form, std::string name, std::string resource, Frame* frame)
    : Control(form, std::move(name), "", frame), resource_(std::move(resource)) {}

void CheckBox::setValue(int value) {
    if (value == value_) return;
    value_ = value;
    changed();
    if (onClick) onClick();
}

void OptionButton::choose() {
    for (Control* c : form().controls()) {
        if (c != this && c->kind() == ControlKind::OptionButton && c->frame() == frame()) {
            auto* sibling = static_cast<OptionButton*>(c);
            if (sibling->value_) {
                sibling->value_ = false;
                sibling->changed();
            }
        }
    }
    if (!value_) {
        value_ = true;
        changed();
    }
    if (onClick) onClick();
}

TextField::TextField(Form& form, std::string name, std::string text, Frame* frame)
    : Control(form, std::move(name), "", frame), text_(std::move(text)) {}

void TextField::setText(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    changed();
    if (onChange) onChange();
}

ListBox::ListBox(Form& form, std::string name, std::vector<std::string> items, std::string text,
                 Frame* frame)
    : Control(form, std::move(name), "", frame), items_(std::move(items)), text_(std::move(text)) {}

void ListBox::setText(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    changed();
}

void ListBox::pick(const std::string& item) {
    setText(item);
    if (onClick) onClick();
}

}  // namespace forms
