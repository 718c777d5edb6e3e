#include "forms/Runtime.h"

#include "forms/Number.h"

#include <algorithm>
#include <optional>

namespace forms {

namespace {
// Stand-ins until the view or a test plugs in real ports.
struct SilentMessages : MessageBoxPort {
    void show(const std::string&, const std::string&, MessageIcon) override {}
};
struct NoSaveDialog : SaveDialogPort {
    std::optional<std::string> askSavePath(const std::string&, const std::string&) override { return std::nullopt; }
};
SilentMessages silentMessages;
NoSaveDialog noSaveDialog;
}  // namespace

Runtime::Runtime() : messages_(&silentMessages), saveDialog_(&noSaveDialog) {}

Runtime::~Runtime() = default;

void Runtime::setPorts(MessageBoxPort* messages, SaveDialogPort* saveDialog, ProgramEndPort* end) {
    messages_ = messages ? messages : &silentMessages;
    saveDialog_ = saveDialog ? saveDialog : &noSaveDialog;
    end_ = end;
}

void Runtime::endProgram() {
    if (ended_) return;
    ended_ = true;
    if (end_) end_->endProgram();
}

std::string Runtime::faultMessage(const std::string& source, const std::exception& fault) {
    if (auto* nan = dynamic_cast<const NotANumber*>(&fault)) {
        return "Das Feld \"" + nan->field() + "\" enthält keine Zahl (\"" + nan->text() +
               "\"). Die Aktion \"" + source + "\" wurde abgebrochen.";
    }
    return "Bei der Aktion \"" + source + "\" ist ein Fehler aufgetreten: " + fault.what();
}

void Runtime::dispatch(const std::string& source, const Handler& handler) {
    if (ended_) return;
    ++depth_;
    try {
        handler();
    } catch (const std::exception& fault) {
        messages_->show(faultMessage(source, fault), productName, MessageIcon::Warning);
    }
    --depth_;
    if (depth_ == 0) retired_.clear();
}

void Runtime::userClick(CheckBox& box) {
    if (!box.acceptsInput()) return;
    dispatch(box.name(), [&box] { box.setValue(box.value() == 0 ? 1 : 0); });
}

void Runtime::userClick(OptionButton& option) {
    if (!option.acceptsInput()) return;
    dispatch(option.name(), [&option] { option.choose(); });
}

void Runtime::userClick(Button& button) {
    if (!button.acceptsInput()) return;
    dispatch(button.name(), [&button] {
        if (button.onClick) button.onClick();
    });
}

void Runtime::userClick(Frame& frame) {
    if (!frame.acceptsInput()) return;
    dispatch(frame.name(), [&frame] {
        if (frame.onClick) frame.onClick();
    });
}

void Runtime::userClick(MenuItem& item) {
    if (!item.acceptsInput()) return;
    dispatch(item.name(), [&item] {
        if (item.onClick) item.onClick();
    });
}

void Runtime::userClick(Label& label) {
    if (!label.acceptsInput()) return;
    dispatch(label.name(), [&label] {
        if (label.onClick) label.onClick();
    });
}

void Runtime::userPick(ListBox& list, const std::string& item) {
    if (!list.acceptsInput()) return;
    if (std::find(list.items().begin(), list.items().end(), item) == list.items().end()) return;
    dispatch(list.name(), [&list, &item] { list.pick(item); });
}

namespace {
// Decodes UTF-8 to code points; a broken sequence yields nothing.
std::optional<std::u32string> decodeUtf8(const std::string& text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        int extra = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
        if (extra < 0 || i + extra >= text.size()) return std::nullopt;
        char32_t cp = extra == 0 ? c : (c & (0x3F >> extra));
        for (int k = 1; k <= extra; ++k) {
            unsigned char cc = static_cast<unsigned char>(text[i + k]);
            if ((cc & 0xC0) != 0x80) return std::nullopt;
            cp = (cp << 6) | (cc & 0x3F);
        }
        out += cp;
        i += extra + 1;
    }
    return out;
}
}  // namespace

void Runtime::userType(TextField& field, const std::string& text) {
    if (!field.acceptsInput() || field.readOnly) return;
    if (field.acceptsChar) {
        auto chars = decodeUtf8(text);
        if (!chars) return;
        for (char32_t c : *chars)
            if (!field.acceptsChar(c)) return;
    }
    dispatch(field.name(), [&field, &text] { field.setText(text); });
}

void Runtime::userMouseMove(Control& control) {
    if (!control.visible() || !control.onMouseMove) return;
    dispatch(control.name(), control.onMouseMove);
}

void Runtime::userMouseDown(Control& control) {
    if (!control.visible() || !control.onMouseDown) return;
    dispatch(control.name(), control.onMouseDown);
}

void Runtime::userClose(Form& form) {
    if (!form.closable) return;
    dispatch(form.name(), [&form] {
        if (form.onClose) form.onClose();
    });
}

void Runtime::userMove(Form& form, int left, int top) {
    dispatch(form.name(), [&] {
        form.setLeft(left);
        form.setTop(top);
    });
}

void Runtime::userKey(Form& form, bool escape) {
    if (!form.enabled()) return;
    for (Control* c : form.controls()) {
        if (c->kind() != ControlKind::Button) continue;
        auto* button = static_cast<Button*>(c);
        if (escape ? button->isCancel : button->isDefault) {
            userClick(*button);
            return;
        }
    }
}

void Runtime::notifyLoaded(Form& form) {
    if (observer_) observer_->formLoaded(form);
}

void Runtime::retire(std::unique_ptr<Form> form) {
    if (observer_) observer_->formUnloaded(*form);
    if (depth_ == 0)
        form.reset();
    else
        retired_.push_back(std::move(form));
}

void Runtime::notifyForm(Form& form) {
    if (observer_) observer_->formChanged(form);
}

void Runtime::notifyControl(Control& control) {
    if (observer_) observer_->controlChanged(control);
}

}  // namespace forms
