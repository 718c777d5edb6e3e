#include "view/PageMeasure.h"

#include "view/FieldEdit.h"
#include "view/FlowLayout.h"
#include "view/Text.h"
#include "view/TextSizes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLayoutItem>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>
#include <functional>

namespace ferrolith::view {

using forms::Control;
using forms::ControlKind;

namespace {

template <class W>
W* setText(W* w, const QString& text) {
    w->setText(text);
    return w;
}

}  // namespace

// A control as the layout sees it: the measures of its widget, or nothing
// while the control is hidden. It reads them again for each measure.
class PageMeasure::Item : public QLayoutItem {
public:
    Item(PageMeasure& measure, const Control& c) : measure_(measure), control_(c) { refresh(); }
    // A hidden control is not measured at all, and one whose words did not
    // change since it was last measured is not looked up again.
    void refresh() {
        shown_ = control_.visible();
        if (!shown_) return;
        const std::string* words = wordsOf(control_);
        if (measuredOnce_ && words && *words == measuredWords_) return;
        measured_ = measure_.measured(control_);
        measuredOnce_ = true;
        if (words) measuredWords_ = *words;
    }
    QSize sizeHint() const override { return shown_ ? measured_.hint : QSize(0, 0); }
    QSize minimumSize() const override { return shown_ ? measured_.minimum : QSize(0, 0); }
    QSize maximumSize() const override { return shown_ ? measured_.maximum : QSize(0, 0); }
    Qt::Orientations expandingDirections() const override { return shown_ ? measured_.expanding : Qt::Orientations(); }
    bool isEmpty() const override { return !shown_; }
    QSizePolicy::ControlTypes controlTypes() const override { return measured_.types; }
    void setGeometry(const QRect& rect) override { rect_ = rect; }
    QRect geometry() const override { return rect_; }

private:
    PageMeasure& measure_;
    const Control& control_;
    // What a control's measure depends on besides its kind, which does not
    // change; nothing for a list, whose items count too.
    static const std::string* wordsOf(const Control& c) {
        switch (c.kind()) {
        case ControlKind::TextField:
            return &static_cast<const forms::TextField&>(c).text();
        case ControlKind::ListBox:
            return nullptr;
        case ControlKind::Image:
            return &static_cast<const forms::Image&>(c).resource();
        default:
            return &c.caption();
        }
    }

    Measured measured_;
    bool shown_ = false;
    bool measuredOnce_ = false;
    std::string measuredWords_;
    QRect rect_;
};

// Frames are the form's group boxes; the other controls become measured
// items, which the stand keeps for the next measure.
class PageMeasure::Parts : public FlowParts {
public:
    Parts(PageMeasure& measure, Stand& stand) : measure_(measure), stand_(stand) {}
    QWidget* container(const forms::Frame& frame) override { return stand_.boxes.at(&frame); }
    void add(QBoxLayout& line, Control& c) override {
        if (c.kind() == ControlKind::Frame)
            line.addWidget(stand_.boxes.at(&c));
        else
            line.addItem(item(c));
    }
    void add(QGridLayout& grid, Control& c, int row, int column) override {
        if (c.kind() == ControlKind::Frame)
            grid.addWidget(stand_.boxes.at(&c), row, column);
        else
            grid.addItem(item(c), row, column);
    }

private:
    Item* item(const Control& c) { return stand_.items.emplace_back(new Item(measure_, c)); }
    PageMeasure& measure_;
    Stand& stand_;
};

PageMeasure::PageMeasure(TextSizes& sizes) : sizes_(sizes), room_(std::make_unique<QWidget>()) {}

PageMeasure::~PageMeasure() {
    for (auto& [form, stand] : stands_) delete stand.window;
}

void PageMeasure::forget(const forms::Form& form) {
    auto it = stands_.find(&form);
    if (it == stands_.end()) return;
    delete it->second.window;
    stands_.erase(it);
}

// Made when first needed: most pages need only a few kinds.
template <class W>
W* PageMeasure::standIn(W*& slot) {
    if (!slot) slot = new W(room_.get());
    return slot;
}

// A caption's stand-in learns its sizes from the windows and lends them its own.
template <class W>
W* PageMeasure::sharingStandIn(W*& slot) {
    if (!slot) slot = new SharingSizes<W>(&sizes_, room_.get());
    return slot;
}

QSize PageMeasure::measure(const forms::Form& form) {
    Stand& stand = stands_[&form];
    for (auto& [frame, box] : stand.boxes) {
        box->setTitle(qs(frame->caption()));
        box->setVisible(frameShown(*frame));
    }
    if (!stand.window) {
        stand.window = new QWidget;
        auto* outer = new QVBoxLayout(stand.window);
        outer->setContentsMargins(0, 0, 0, 0);
        outer->setSpacing(0);
        stand.client = new QWidget;
        outer->addWidget(stand.client);
        for (Control* c : form.controls()) {
            if (c->kind() != ControlKind::Frame) continue;
            auto* box = stand.boxes[c] = new QGroupBox(stand.window);
            box->setTitle(qs(c->caption()));
            box->setVisible(frameShown(*c));
        }
        Parts parts(*this, stand);
        layOutFlow(form, stand.client, parts);
    } else {
        // The rows stay as they are, since which control stands where does
        // not change; what the controls ask for is read again, and every
        // layout forgets what it worked out from the old figures.
        for (Item* item : stand.items) item->refresh();
        for (QLayout* layout : stand.window->findChildren<QLayout*>()) layout->invalidate();
    }
    stand.client->updateGeometry();
    for (auto& [frame, box] : stand.boxes) box->updateGeometry();
    stand.window->layout()->invalidate();
    return stand.window->sizeHint();
}

// The stand-in of the control's kind takes the control's texts, and the
// layout's own questions are asked of it; once for each kind and text.
const PageMeasure::Measured& PageMeasure::measured(const Control& c) {
    // The key is made first; the stand-in takes the control's texts only
    // when the key is new.
    std::string key(1, static_cast<char>('a' + static_cast<int>(c.kind())));
    std::function<QWidget*()> standInFor;
    switch (c.kind()) {
    case ControlKind::CheckBox:
        key += c.caption();
        standInFor = [this, &c] { return setText(sharingStandIn(check_), qs(c.caption())); };
        break;
    case ControlKind::OptionButton:
        key += c.caption();
        standInFor = [this, &c] { return setText(sharingStandIn(option_), qs(c.caption())); };
        break;
    case ControlKind::Label:
        key += c.caption();
        standInFor = [this, &c] { return setText(sharingStandIn(label_), qs(c.caption())); };
        break;
    case ControlKind::Button: {
        const bool isDefault = static_cast<const forms::Button&>(c).isDefault;
        key += (isDefault ? 'd' : 'n') + c.caption();
        standInFor = [this, &c, isDefault] {
            if (!button_) standIn(button_)->setAutoDefault(false);
            button_->setDefault(isDefault);
            return setText(button_, qs(c.caption()));
        };
        break;
    }
    case ControlKind::TextField: {
        const auto& field = static_cast<const forms::TextField&>(c);
        key += (field.multiLine ? 'm' : field.readOnly ? 'r' : 'w') + field.text();
        if (field.multiLine)
            standInFor = [this, &field] {
                standIn(text_)->setPlainText(displayText(field.text()));
                return text_;
            };
        else if (field.readOnly)
            standInFor = [this, &field] { return setText(standIn(field_), displayText(field.text())); };
        else
            standInFor = [this, &field] { return setText(standIn(edit_), displayText(field.text())); };
        break;
    }
    case ControlKind::ListBox: {
        const auto& list = static_cast<const forms::ListBox&>(c);
        qsizetype longest = qs(list.text()).size();
        bool isItem = false;
        for (const std::string& item : list.items()) {
            longest = std::max(longest, qs(item).size());
            isItem = isItem || item == list.text();
        }
        // A text that is no item ("0", "16 Stufen") is shown all the same.
        const QString placeholder = isItem ? QString() : qs(list.text());
        key += std::to_string(longest) + '|' + placeholder.toStdString();
        standInFor = [this, longest, placeholder] {
            if (!list_) {
                standIn(list_)->setEditable(false);
                list_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            }
            list_->setMinimumContentsLength(int(longest));
            list_->setPlaceholderText(placeholder);
            return list_;
        };
        break;
    }
    case ControlKind::Image: {
        const auto& image = static_cast<const forms::Image&>(c);
        key += image.resource();
        standInFor = [this, &image] {
            standIn(picture_)->setPixmap(QPixmap(qs(image.resource())));
            return picture_;
        };
        break;
    }
    case ControlKind::Frame:
    case ControlKind::MenuItem:
        break;
    }
    if (auto found = cache_.find(key); found != cache_.end()) return found->second;
    Measured m;
    if (standInFor) {
        const QWidgetItem probe(standInFor());
        m = {probe.sizeHint(), probe.minimumSize(), probe.maximumSize(), probe.expandingDirections(),
             probe.controlTypes()};
    }
    return cache_[key] = m;
}

}  // namespace ferrolith::view
