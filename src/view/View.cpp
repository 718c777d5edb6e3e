#include "view/View.h"

#include "common/DesignSheet.h"
#include "view/FieldEdit.h"
#include "view/FlowLayout.h"
#include "view/FormWindow.h"
#include "view/PageMeasure.h"
#include "view/Text.h"
#include "view/TextSizes.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QTranslator>
#include <QValidator>
#include <QVBoxLayout>

#include <algorithm>

// The resources live in the view library; a static library needs this call
// so that the linker keeps them.
static void initViewResources() { Q_INIT_RESOURCE(resources); }

namespace ferrolith::view {

using forms::Control;
using forms::ControlKind;
using forms::Form;

void loadResources() {
    static const bool loaded = (initViewResources(), true);
    (void)loaded;
}

bool speakGerman() {
    static QTranslator* translator = nullptr;
    const QLocale german(QLocale::German, QLocale::Germany);
    QLocale::setDefault(german);
    if (translator) return true;
    auto* candidate = new QTranslator(QCoreApplication::instance());
    if (!candidate->load(german, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete candidate;
        return false;
    }
    QCoreApplication::installTranslator(candidate);
    translator = candidate;
    return true;
}

namespace {

constexpr int twipsPerPixel = 15;

QString withoutMnemonic(const std::string& caption) {
    QString s = qs(caption);
    s.remove(u'&');
    return s.trimmed();
}

QRect pixels(const forms::TwipsRect& r) {
    return {r.left / twipsPerPixel, r.top / twipsPerPixel, r.width / twipsPerPixel, r.height / twipsPerPixel};
}

// Rejects input that holds a character the field does not accept.
class CharacterFilter : public QValidator {
public:
    CharacterFilter(std::function<bool(char32_t)> accepts, QObject* parent)
        : QValidator(parent), accepts_(std::move(accepts)) {}
    State validate(QString& input, int&) const override {
        for (char32_t c : input.toUcs4())
            if (!accepts_(c)) return Invalid;
        return Acceptable;
    }

private:
    std::function<bool(char32_t)> accepts_;
};

// The controls in keyboard order: the form's own order first, then the rest
// in the order of declaration.
std::vector<Control*> keyOrder(const Form& form) {
    std::vector<Control*> order = form.tabOrder;
    for (Control* c : form.controls())
        if (std::find(order.begin(), order.end(), c) == order.end()) order.push_back(c);
    return order;
}

// Shrinks a widget's font until its text fits the place it was given.
void fitFont(QWidget* w, const QSize& place) {
    QFont font = w->font();
    double size = font.pointSizeF();
    if (size <= 0) return;
    // A text never fits a place of no size at all (the sheet's labels that a
    // page leaves out stand at one): it takes the smallest size at once
    // instead of being measured at every size on the way.
    const auto* label = qobject_cast<QLabel*>(w);
    const auto* button = qobject_cast<QAbstractButton*>(w);
    const bool text = (label && !label->text().isEmpty()) || (button && !button->text().isEmpty());
    if (place.width() <= 0 && place.height() <= 0 && text) {
        while (size > 5.5) size -= 0.5;
        font.setPointSizeF(size);
        if (font != w->font()) w->setFont(font);
        return;
    }
    const auto tooLarge = [&place](QSize hint) {
        return hint.width() > place.width() || hint.height() > place.height() + 2;
    };
    // A plain label is measured from each font's metrics and is given only
    // the font that fits.
    if (label) {
        QSize hint = plainLabelSize(*label, font);
        if (hint.isValid()) {
            while (size > 5.5 && tooLarge(hint)) {
                size -= 0.5;
                font.setPointSizeF(size);
                hint = plainLabelSize(*label, font);
            }
            if (font != w->font()) w->setFont(font);
            return;
        }
    }
    while (size > 5.5 && tooLarge(w->sizeHint())) {
        size -= 0.5;
        font.setPointSizeF(size);
        w->setFont(font);
    }
}

// A widget that is not hidden shows with its window; telling it again to
// show would polish it and lay out its contents there and then.
void showOrHide(QWidget* w, bool visible) {
    if (w->isHidden() == visible) w->setVisible(visible);
}

// Marks a field of fixed width whose font follows the length of its text.
constexpr const char* fitsTextProperty = "ferrolithFitsText";

// A field at a fixed place shows its whole text: a text longer than the field
// takes a smaller font, down to a still readable size; a shorter text gets
// the container's font back.
void fitFieldText(QLineEdit* line) {
    QFont font = line->parentWidget() ? line->parentWidget()->font() : QApplication::font();
    double size = font.pointSizeF();
    if (size <= 0) return;
    // Room for the text: the frame and the inner margin on either side.
    const int room = line->width() - 2 * (line->hasFrame() ? 2 : 0) - 4;
    while (size > 6.0 && QFontMetrics(font).horizontalAdvance(line->text()) > room) {
        size -= 0.5;
        font.setPointSizeF(size);
    }
    if (line->font() != font) line->setFont(font);
}

// What a frame is announced as: its caption, else the caption of the box
// that heads it, else its spoken name; a rule is a dividing line.
QString spokenFrameName(const forms::Frame& frame) {
    if (frame.twips && frame.twips->height == 0) return QStringLiteral("Trennlinie");
    if (!frame.caption().empty()) return withoutMnemonic(frame.caption());
    if (frame.headedBy) return withoutMnemonic(frame.headedBy->caption());
    return qs(frame.spokenName);
}

}  // namespace

// The widgets of a window as the parts of its flow layout.
class View::WidgetParts : public FlowParts {
public:
    explicit WidgetParts(View& view) : view_(view) {}
    QWidget* container(const forms::Frame& frame) override { return view_.widget(frame); }
    void add(QBoxLayout& line, Control& c) override { line.addWidget(view_.widget(c)); }
    void add(QGridLayout& grid, Control& c, int row, int column) override {
        grid.addWidget(view_.widget(c), row, column);
    }

private:
    View& view_;
};

View::View(forms::Runtime& runtime) : runtime_(runtime), textSizes_(std::make_unique<TextSizes>()) {
    loadResources();
    runtime_.setObserver(this);
}

View::~View() {
    if (runtime_.observer() == this) runtime_.setObserver(nullptr);
    for (auto& [form, state] : windows_) {
        state.context.reset();
        delete state.window;
    }
    windows_.clear();
    for (const QPointer<QWidget>& w : dying_) delete w.data();
}

QWidget* View::window(const Form& form) const {
    auto it = windows_.find(&form);
    return it == windows_.end() ? nullptr : it->second.window;
}

QWidget* View::widget(const Control& control) const {
    auto it = bindings_.find(&control);
    return it == bindings_.end() ? nullptr : it->second.widget;
}

QAction* View::action(const Control& control) const {
    auto it = bindings_.find(&control);
    return it == bindings_.end() ? nullptr : it->second.action;
}

void View::closeAll() {
    closing_ = true;
    for (auto& [form, state] : windows_) {
        if (!state.window) continue;
        state.window->allowClose();
        state.window->close();
    }
}

// ---- model to view -------------------------------------------------------

void View::formLoaded(Form& form) {
    WindowState& state = windows_[&form];
    state.context = std::make_unique<QObject>();
    state.isPage = dynamic_cast<DesignSheet*>(&form) != nullptr;
    // Nobody sees a window before it is shown: every window is built when it
    // is first shown. Until then a page lends the other pages the size its
    // window would have.
    // The build names fields after their texts as they are now.
    for (Control* c : form.controls())
        if (c->kind() == ControlKind::TextField) state.loadTexts[c] = static_cast<forms::TextField*>(c)->text();
    if (state.isPage) fitPages();
}

// Builds the window and brings every widget in line with the model.
void View::realise(Form& form, WindowState& state) {
    // The window measures itself from now on. What the page measure keeps
    // of the form waits for the unload: dropping it now would only add to
    // the wait for the window.
    build(form, state);
    state.loadTexts.clear();
    for (Control* c : form.controls()) syncControl(*c);
    if (state.isPage) {
        // Built from the model just now, no size hint of it is out of date.
        state.hint = state.window->sizeHint();
        state.hintStale = false;
        fitPages();
    }
}

void View::formUnloaded(Form& form) {
    if (measure_) measure_->forget(form);
    auto it = windows_.find(&form);
    if (it == windows_.end()) return;
    for (Control* c : form.controls()) {
        auto b = bindings_.find(c);
        if (b == bindings_.end()) continue;
        controlOf_.erase(b->second.widget);
        bindings_.erase(b);
        plainGroups_.erase(std::remove(plainGroups_.begin(), plainGroups_.end(), c), plainGroups_.end());
    }
    WindowState& state = it->second;
    state.context.reset();
    FormWindow* window = state.window;
    windows_.erase(it);
    if (!window) return;
    // The window may be the sender of the event that unloaded its form.
    window->detach();
    window->hide();
    window->deleteLater();
    dying_.emplace_back(window);
}

void View::formChanged(Form& form) {
    auto it = windows_.find(&form);
    if (it == windows_.end()) return;
    if (!it->second.window) {
        if (!form.shown()) return;
        realise(form, it->second);
    }
    syncForm(form, it->second);
}

void View::controlChanged(Control& control) {
    if (bindings_.count(&control)) {
        syncControl(control);
        return;
    }
    // A page not built yet asks for another size when its controls change.
    if (auto it = windows_.find(&control.form()); it != windows_.end()) it->second.hintStale = true;
}

void View::syncIfBound(Control* control) {
    if (bindings_.count(control)) syncControl(*control);
}

void View::syncForm(Form& form, WindowState& state) {
    FormWindow* window = state.window;
    window->setWindowTitle(qs(form.caption()));
    window->setEnabled(form.enabled());
    if (form.left() == 0 && form.top() == 0 && !state.everShown && form.shown())
        centre(form, state);
    else if (form.left() != 0 || form.top() != 0 || state.everShown)
        place(state, QPoint(form.left() / twipsPerPixel, form.top() / twipsPerPixel));
    if (form.shown() && !window->isVisible()) {
        if (state.isPage) fitPages();
        keepOnScreen(form, state);
        state.everShown = true;
        window->show();
        window->raise();
        window->activateWindow();
        focusFirst(form);
        state.hintStale = true;  // polished for the screen now
    } else if (!form.shown() && window->isVisible()) {
        window->hide();
    }
}

void View::place(WindowState& state, QPoint framePos) {
    if (state.window->pos() == framePos) return;
    state.placed.push_back(framePos);
    while (state.placed.size() > 8) state.placed.pop_front();
    state.window->move(framePos);
}

// A form that has no place of its own yet opens in the middle of the screen,
// and the model learns that place as if the user had put it there.
void View::centre(Form& form, WindowState& state) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    FormWindow* window = state.window;
    if (!state.isPage) window->adjustSize();
    const QRect area = screen->availableGeometry();
    const QPoint at = area.center() - QPoint(window->width() / 2, window->height() / 2);
    place(state, QPoint(std::max(at.x(), area.left()), std::max(at.y(), area.top())));
    if (!form.closable && form.caption().empty()) return;  // the start window keeps no place
    QTimer::singleShot(0, state.context.get(), [this, &form, window] {
        if (form.left() == 0 && form.top() == 0)
            runtime_.userMove(form, window->x() * twipsPerPixel, window->y() * twipsPerPixel);
    });
}

// A window that would reach past the screen is moved onto it, and the model
// learns the new place as a move of the user's.
void View::keepOnScreen(Form& form, WindowState& state) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    FormWindow* window = state.window;
    const QRect area = screen->availableGeometry();
    const QPoint at(std::max(area.left(), std::min(window->x(), area.right() + 1 - window->width())),
                    std::max(area.top(), std::min(window->y(), area.bottom() + 1 - window->height())));
    if (at == window->pos()) return;
    place(state, at);
    // Told after the running event, which may still set the place itself.
    QTimer::singleShot(0, state.context.get(), [this, &form, window] {
        if (form.left() / twipsPerPixel != window->x() || form.top() / twipsPerPixel != window->y())
            runtime_.userMove(form, window->x() * twipsPerPixel, window->y() * twipsPerPixel);
    });
}

void View::focusFirst(Form& form) {
    for (Control* c : keyOrder(form)) {
        QWidget* w = widget(*c);
        if (w && w->isEnabled() && w->isVisible() && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::ActiveWindowFocusReason);
            return;
        }
    }
}

// Pages 2 to 6 share one size, so the row of pages stays in place: the
// largest that any of them needs. A page's own need is worked out again only
// when something in its window changed since the last time.
void View::fitPages() {
    QSize size = pageSize_;
    for (auto& [form, state] : windows_) {
        if (!state.isPage) continue;
        if (state.hintStale) {
            state.hint = pageHint(*form, state);
            state.hintStale = false;
        }
        size = size.expandedTo(state.hint);
    }
    pageSize_ = size;
    for (auto& [form, state] : windows_)
        if (state.isPage && state.window && state.window->minimumSize() != size) state.window->setFixedSize(size);
}

// The size a page's window asks for. A page not built yet is one laid out at
// fixed places without a menu bar, and asks for its client area.
QSize View::pageHint(const Form& form, WindowState& state) {
    if (!state.window && form.clientTwips) return pixels(*form.clientTwips).size();
    if (!state.window) {
        if (!measure_) measure_ = std::make_unique<PageMeasure>(*textSizes_);
        return measure_->measure(form);
    }
    // A window never shown keeps the size hints from before the set-up:
    // its layouts do not hear of the changes inside its frames.
    for (QWidget* child : state.window->findChildren<QWidget*>()) child->updateGeometry();
    for (QLayout* l : state.window->findChildren<QLayout*>()) l->invalidate();
    return state.window->sizeHint();
}

void View::syncControl(Control& control) {
    const Binding& b = bindings_.at(&control);
    if (b.action) {
        b.action->setText(qs(control.caption()));
        b.action->setEnabled(control.enabled());
        b.action->setVisible(control.visible());
        return;
    }
    QWidget* w = b.widget;
    if (auto it = windows_.find(&control.form()); it != windows_.end()) it->second.hintStale = true;
    const QSignalBlocker block(w);
    w->setEnabled(control.enabled());
    // Qt tells the widget of a new tip even when the text stays the same.
    if (const QString tip = qs(control.toolTip()); w->toolTip() != tip) w->setToolTip(tip);
    switch (control.kind()) {
    case ControlKind::CheckBox: {
        auto& box = static_cast<forms::CheckBox&>(control);
        auto* q = static_cast<QCheckBox*>(w);
        q->setText(qs(box.caption()));
        q->setTristate(box.value() == 2);
        q->setCheckState(box.value() == 0 ? Qt::Unchecked : box.value() == 1 ? Qt::Checked : Qt::PartiallyChecked);
        break;
    }
    case ControlKind::OptionButton: {
        auto& option = static_cast<forms::OptionButton&>(control);
        auto* q = static_cast<QRadioButton*>(w);
        q->setText(qs(option.caption()));
        q->setChecked(option.value());
        break;
    }
    case ControlKind::TextField: {
        auto& field = static_cast<forms::TextField&>(control);
        const QString text = displayText(field.text());
        if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) {
            edit->setReadOnly(field.readOnly);
            if (edit->toPlainText() != text) edit->setPlainText(text);
        } else {
            auto* line = static_cast<QLineEdit*>(w);
            line->setReadOnly(field.readOnly);
            if (line->text() != text) {
                line->setText(text);
                line->setCursorPosition(0);
                if (line->property(fitsTextProperty).toBool()) fitFieldText(line);
                line->updateGeometry();
            }
        }
        break;
    }
    case ControlKind::ListBox: {
        auto& list = static_cast<forms::ListBox&>(control);
        auto* q = static_cast<QComboBox*>(w);
        const int index = q->findText(qs(list.text()), Qt::MatchExactly);
        // A text that is no item ("0", "16 Stufen") is shown all the same.
        q->setPlaceholderText(index < 0 ? qs(list.text()) : QString());
        q->setCurrentIndex(index);
        if (list.visible()) q->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        break;
    }
    case ControlKind::Label:
        static_cast<QLabel*>(w)->setText(qs(control.caption()));
        break;
    case ControlKind::Frame:
        if (auto* box = qobject_cast<QGroupBox*>(w)) box->setTitle(qs(control.caption()));
        // Without a name of its own a frame would be announced with the
        // caption of the frame around it.
        w->setAccessibleName(spokenFrameName(static_cast<forms::Frame&>(control)));
        break;
    case ControlKind::Button:
        static_cast<QPushButton*>(w)->setText(qs(control.caption()));
        break;
    case ControlKind::Image:
    case ControlKind::MenuItem:
        break;
    }
    if (std::find(plainGroups_.begin(), plainGroups_.end(), &control) == plainGroups_.end())
        showOrHide(w, control.kind() == ControlKind::Frame ? frameShown(control) : control.visible());
    // A change inside untitled frames may empty them or fill them again.
    for (const forms::Frame* f = control.frame(); f; f = f->frame()) {
        auto b = bindings_.find(f);
        if (b == bindings_.end() || !qobject_cast<QGroupBox*>(b->second.widget)) continue;
        if (std::find(plainGroups_.begin(), plainGroups_.end(), f) == plainGroups_.end())
            showOrHide(b->second.widget, frameShown(*f));
    }
}

// ---- building ------------------------------------------------------------

void View::build(Form& form, WindowState& state) {
    Qt::WindowFlags flags = Qt::Window;
    if (!form.closable && form.caption().empty())
        flags = Qt::Dialog | Qt::FramelessWindowHint;  // the start window: no title bar at all
    else if (!form.closable)
        flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    else
        flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
                Qt::WindowCloseButtonHint;
    auto* window = new FormWindow(*this, form, flags);
    window->setObjectName(qs(form.name()));
    state.window = window;

    for (Control* c : form.controls()) {
        if (c->kind() == ControlKind::MenuItem) continue;
        QWidget* w = createWidget(*c, state.context.get());
        w->setObjectName(qs(c->name()));
        if (c->font) {
            QFont font(qs(c->font->family));
            font.setPointSizeF(c->font->points);
            w->setFont(font);
        }
        bindings_[c].widget = w;
        controlOf_[w] = c;
    }

    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    if (QMenuBar* bar = createMenuBar(form, state.context.get())) outer->setMenuBar(bar);
    auto* client = new QWidget;
    outer->addWidget(client);
    if (form.clientTwips) {
        layOutTwips(form, client);
        // A page of fixed places stands in the middle of the shared page size.
        outer->setAlignment(client, Qt::AlignCenter);
    } else {
        WidgetParts parts(*this);
        layOutFlow(form, client, parts);
    }
    // A sizable window may grow, never shrink below what its controls need.
    if (!state.isPage) outer->setSizeConstraint(form.sizable ? QLayout::SetMinimumSize : QLayout::SetFixedSize);
    if (!form.tabOrder.empty()) {
        QWidget* previous = nullptr;
        for (Control* c : keyOrder(form)) {
            QWidget* w = widget(*c);
            if (!w || !(w->focusPolicy() & Qt::TabFocus)) continue;
            if (previous) QWidget::setTabOrder(previous, w);
            previous = w;
        }
    }
    nameFields(form);
}

QWidget* View::createWidget(Control& control, QObject* context) {
    switch (control.kind()) {
    case ControlKind::CheckBox: {
        auto& box = static_cast<forms::CheckBox&>(control);
        auto* q = new SharingSizes<QCheckBox>(textSizes_.get());
        q->setMouseTracking(true);
        q->installEventFilter(this);
        // Qt has already toggled the box; the model decides what it shows.
        connect(q, &QCheckBox::clicked, context, [this, &box] {
            Control* c = &box;
            runtime_.userClick(box);
            syncIfBound(c);
        });
        return q;
    }
    case ControlKind::OptionButton: {
        auto& option = static_cast<forms::OptionButton&>(control);
        auto* q = new SharingSizes<QRadioButton>(textSizes_.get());
        q->setAutoExclusive(false);  // the model clears the other options
        connect(q, &QRadioButton::clicked, context, [this, &option] {
            Control* c = &option;
            runtime_.userClick(option);
            syncIfBound(c);
        });
        return q;
    }
    case ControlKind::TextField: {
        auto& field = static_cast<forms::TextField&>(control);
        if (field.multiLine) {
            auto* q = new QPlainTextEdit;
            q->setLineWrapMode(QPlainTextEdit::WidgetWidth);
            q->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            q->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            if (field.readOnly) {
                q->setFocusPolicy(Qt::NoFocus);
                QPalette p = q->palette();
                p.setColor(QPalette::Base, p.color(QPalette::Window));
                q->setPalette(p);
            }
            connect(q, &QPlainTextEdit::textChanged, context, [this, &field, q] {
                Control* c = &field;
                QString text = q->toPlainText();
                if (field.acceptsChar) {
                    QString kept;
                    for (char32_t ch : text.toUcs4())
                        if (ch == U'\n' || field.acceptsChar(ch)) kept += QString::fromUcs4(&ch, 1);
                    text = kept;
                }
                text.replace(u'\n', QStringLiteral("\r\n"));
                runtime_.userType(field, text.toStdString());
                syncIfBound(c);
            });
            return q;
        }
        QLineEdit* q = field.readOnly ? new FieldEdit : new QLineEdit;
        if (field.centred) q->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        if (field.readOnly) {
            // Only code writes a locked field: no tab stop, shown on the
            // window's background.
            q->setFocusPolicy(Qt::NoFocus);
            QPalette p = q->palette();
            p.setColor(QPalette::Base, p.color(QPalette::Window));
            q->setPalette(p);
        }
        if (field.acceptsChar) q->setValidator(new CharacterFilter(field.acceptsChar, q));
        connect(q, &QLineEdit::textEdited, context, [this, &field](const QString& text) {
            Control* c = &field;
            runtime_.userType(field, text.toStdString());
            syncIfBound(c);
        });
        return q;
    }
    case ControlKind::ListBox: {
        auto& list = static_cast<forms::ListBox&>(control);
        auto* q = new QComboBox;
        q->setEditable(false);
        qsizetype longest = qs(list.text()).size();
        for (const std::string& item : list.items()) {
            q->addItem(qs(item));
            longest = std::max(longest, qs(item).size());
        }
        q->setMinimumContentsLength(int(longest));
        // A hidden list gets its way of measuring when it is first shown:
        // setting it makes Qt build the list's drop-down at once.
        if (list.visible()) q->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        // The model's text stands in the box like an item, not greyed.
        QPalette p = q->palette();
        p.setColor(QPalette::PlaceholderText, p.color(QPalette::ButtonText));
        q->setPalette(p);
        connect(q, &QComboBox::activated, context, [this, &list](int index) {
            Control* c = &list;
            if (index >= 0 && index < int(list.items().size())) {
                const std::string item = list.items()[index];
                runtime_.userPick(list, item);
            }
            syncIfBound(c);
        });
        return q;
    }
    case ControlKind::Label: {
        auto* q = new SharingSizes<QLabel>(textSizes_.get());
        // A click on a label with a handler goes to the model.
        if (static_cast<forms::Label&>(control).onClick) q->installEventFilter(this);
        return q;
    }
    case ControlKind::Frame: {
        // A frame placed with no height is a rule across its container.
        if (control.twips && control.twips->height == 0) {
            auto* rule = new QFrame;
            rule->setFrameShape(QFrame::HLine);
            rule->setFrameShadow(QFrame::Sunken);
            return rule;
        }
        return new QGroupBox;
    }
    case ControlKind::Button: {
        auto& button = static_cast<forms::Button&>(control);
        auto* q = new QPushButton;
        q->setAutoDefault(false);
        q->setDefault(button.isDefault);
        connect(q, &QPushButton::clicked, context, [this, &button] { runtime_.userClick(button); });
        return q;
    }
    case ControlKind::Image: {
        auto& image = static_cast<forms::Image&>(control);
        auto* q = new QLabel;
        q->setPixmap(QPixmap(qs(image.resource())));
        return q;
    }
    case ControlKind::MenuItem:
        break;
    }
    return new QWidget;
}

QMenuBar* View::createMenuBar(Form& form, QObject* context) {
    QMenuBar* bar = nullptr;
    std::map<std::string, QMenu*> menus;
    for (Control* c : form.controls()) {
        if (c->kind() != ControlKind::MenuItem) continue;
        auto& item = static_cast<forms::MenuItem&>(*c);
        if (!bar) bar = new QMenuBar;
        QMenu*& menu = menus[item.menu];
        if (!menu) menu = bar->addMenu(qs(item.menu));
        QAction* action = menu->addAction(qs(item.caption()));
        action->setObjectName(qs(item.name()));
        connect(action, &QAction::triggered, context, [this, &item] { runtime_.userClick(item); });
        bindings_[c].action = action;
    }
    return bar;
}

// Forms with a client size in twips place every control at its twips. A
// control's place counts from the frame it stands in when that frame has a
// place of its own, else from the form's client area; a frame without a place
// only groups its controls and is not drawn.
void View::layOutTwips(Form& form, QWidget* client) {
    client->setFixedSize(pixels(*form.clientTwips).size());
    std::vector<std::pair<QWidget*, QRect>> pictures;
    for (Control* c : form.controls()) {
        QWidget* w = widget(*c);
        if (!w) continue;
        QWidget* anchor = client;
        for (const forms::Frame* f = c->frame(); f; f = f->frame()) {
            if (f->twips) {
                anchor = widget(*f);
                break;
            }
        }
        w->setParent(anchor);
        if (c->kind() == ControlKind::Frame && !c->twips) {
            plainGroups_.push_back(c);
            w->hide();
            continue;
        }
        if (!c->twips) {
            w->adjustSize();
            continue;
        }
        const QRect wanted = pixels(*c->twips);
        if (auto* rule = qobject_cast<QFrame*>(w); rule && rule->frameShape() == QFrame::HLine) {
            rule->setGeometry(wanted.x(), wanted.y(), wanted.width(), 2);
            continue;
        }
        // What reaches past its container is cut at the container's edge, so
        // that a text fitted to its place is not cut in the middle.
        const QRect inside = wanted.intersected(QRect(QPoint(), anchor->size()));
        const QRect place = inside.isEmpty() ? wanted : inside;
        w->setGeometry(place);
        if (auto* line = qobject_cast<QLineEdit*>(w)) {
            line->setProperty(fitsTextProperty, true);
            fitFieldText(line);
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->pixmap().isNull()) {
                label->setText(qs(c->caption()));
                // Text drawn over a picture is light, to stand out on it.
                for (auto& [parent, rect] : pictures) {
                    if (parent == anchor && rect.contains(place)) {
                        QPalette p = label->palette();
                        p.setColor(QPalette::WindowText, Qt::white);
                        label->setPalette(p);
                    }
                }
                fitFont(label, place.size());
            } else {
                label->setScaledContents(true);
                pictures.emplace_back(anchor, place);
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            button->setText(qs(c->caption()));
            fitFont(button, place.size());
        }
    }
}

// Names the fields for assistive tools after the label that leads their row
// (or stands alone in the row above). Further fields after the same label add
// their designer text when it holds words; a field's spoken name, where the
// model gives one, says it instead. A level list takes the caption of the
// check box before it in its row. Frames are named as they sync.
void View::nameFields(Form& form) {
    // Pictures hold no words; without a name they would be announced with the
    // caption of their frame.
    for (Control* c : form.controls())
        if (c->kind() == ControlKind::Image) widget(*c)->setAccessibleName(QStringLiteral("Bild"));
    for (auto& [frame, rows] : rowsByContainer(form)) {
        const Control* labelAbove = nullptr;
        for (const Row& row : rows) {
            const Control* label = nullptr;
            const Control* box = nullptr;
            int named = 0;
            if (row.front()->kind() != ControlKind::Label && labelAbove) label = labelAbove;
            for (Control* c : row) {
                if (c->kind() == ControlKind::Label && !label) label = c;
                if (c->kind() == ControlKind::CheckBox) box = c;
                QWidget* w = widget(*c);
                if (c->kind() == ControlKind::ListBox && (box || label)) {
                    w->setAccessibleName(withoutMnemonic((box ? box : label)->caption()));
                } else if (c->kind() == ControlKind::TextField && label) {
                    QString name = withoutMnemonic(label->caption());
                    if (named == 0) {
                        if (auto* l = qobject_cast<QLabel*>(widget(*label))) l->setBuddy(w);
                    } else {
                        const QString text = qs(textAtLoad(*static_cast<forms::TextField*>(c))).trimmed();
                        const bool wordy = std::any_of(text.begin(), text.end(), [](QChar ch) { return ch.isLetter(); });
                        if (wordy) name += u' ' + text;
                    }
                    w->setAccessibleName(c->spokenName.empty() ? name : qs(c->spokenName));
                    ++named;
                }
            }
            labelAbove = row.size() == 1 && row.front()->kind() == ControlKind::Label ? row.front() : nullptr;
        }
    }
}

// A field's text when its form loaded, also for a window built later.
std::string View::textAtLoad(const forms::TextField& field) const {
    auto state = windows_.find(&field.form());
    if (state != windows_.end())
        if (auto text = state->second.loadTexts.find(&field); text != state->second.loadTexts.end()) return text->second;
    return field.text();
}

// ---- view to model -------------------------------------------------------

bool View::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseMove || type == QEvent::MouseButtonPress) {
        auto it = controlOf_.find(watched);
        if (it != controlOf_.end()) {
            Control* c = it->second;
            if (c->kind() == ControlKind::Label) {
                if (type == QEvent::MouseButtonPress) runtime_.userClick(static_cast<forms::Label&>(*c));
            } else if (type == QEvent::MouseMove) {
                runtime_.userMouseMove(*c);
            } else {
                runtime_.userMouseDown(*c);
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void View::windowClosed(Form& form) {
    if (!closing_) runtime_.userClose(form);
}

void View::windowKey(Form& form, bool escape) { runtime_.userKey(form, escape); }

void View::windowMoved(Form& form, QPoint framePos) {
    auto it = windows_.find(&form);
    if (it == windows_.end() || closing_) return;
    auto& placed = it->second.placed;
    auto mine = std::find(placed.begin(), placed.end(), framePos);
    if (mine != placed.end()) {
        placed.erase(placed.begin(), mine + 1);
        return;
    }
    if (form.left() / twipsPerPixel == framePos.x() && form.top() / twipsPerPixel == framePos.y()) return;
    runtime_.userMove(form, framePos.x() * twipsPerPixel, framePos.y() * twipsPerPixel);
}

}  // namespace ferrolith::view
