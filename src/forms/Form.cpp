#include "forms/Form.h"

#include "forms/Runtime.h"

#include <algorithm>
#include <stdexcept>

namespace forms {

std::vector<std::string> words(std::string_view text) {
    std::vector<std::string> result;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        if (end > at) result.emplace_back(text.substr(at, end - at));
        at = end + 1;
    }
    return result;
}

Form::Form(Runtime& runtime, std::string name, std::string caption)
    : runtime_(runtime), name_(std::move(name)), caption_(std::move(caption)) {}

void Form::changed() { runtime_.notifyForm(*this); }

void Form::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    changed();
}

void Form::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    changed();
}

void Form::show() {
    if (shown_) return;
    shown_ = true;
    changed();
}

void Form::hide() {
    if (!shown_) return;
    shown_ = false;
    changed();
}

void Form::setLeft(int left) {
    if (left == left_) return;
    left_ = left;
    changed();
}

void Form::setTop(int top) {
    if (top == top_) return;
    top_ = top;
    changed();
}

Control* Form::find(const std::string& name) const {
    for (Control* c : controls_)
        if (c->name() == name) return c;
    return nullptr;
}

namespace {
template <class T>
T& lookup(const Form& form, const std::string& name, ControlKind kind) {
    Control* c = form.find(name);
    if (!c || c->kind() != kind)
        throw std::logic_error("form " + form.name() + " has no control " + name + " of that kind");
    return static_cast<T&>(*c);
}
}  // namespace

CheckBox& Form::check(const std::string& name) const {
    return lookup<CheckBox>(*this, name, ControlKind::CheckBox);
}
TextField& Form::field(const std::string& name) const {
    return lookup<TextField>(*this, name, ControlKind::TextField);
}
ListBox& Form::list(const std::string& name) const {
    return lookup<ListBox>(*this, name, ControlKind::ListBox);
}

}  // namespace forms
