#pragma once
// The sizes that captions ask for, shared by every window of a view and by
// the measure of pages not built yet. Laying out a text to learn its size is
// most of what a size hint costs, and the same captions are asked for again
// and again: a page is measured while hidden and then built, and pages repeat
// each other's captions.

#include <QAbstractButton>
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QSize>
#include <QString>
#include <QStyle>
#include <QTextDocument>

#include <deque>
#include <type_traits>
#include <unordered_map>

namespace ferrolith::view {

class TextSizes {
public:
    struct Sizes {
        QSize hint;
        QSize minimum;  // invalid until asked for
    };
    // The entry of a widget class, font and text; a new one is empty. It
    // stays where it is for the life of the sizes.
    Sizes& entry(const char* widgetClass, const QFont& font, const QString& text) {
        for (Bucket& b : buckets_)
            if (b.widgetClass == widgetClass && b.font == font) return b.sizes[text];
        return buckets_.emplace_back(Bucket{widgetClass, font, {}}).sizes[text];
    }

private:
    // The few fonts in use each have their own texts.
    struct Bucket {
        const char* widgetClass;
        QFont font;
        std::unordered_map<QString, Sizes> sizes;
    };
    std::deque<Bucket> buckets_;
};

// A label whose size follows from its font and text alone: no picture, rich
// or selectable text, wrapping, frame, margin, indent or least size of its
// own, and no mnemonic that it shows (a label with a buddy hides its '&').
inline bool isPlainLabel(const QLabel& label) {
    const QString text = label.text();
    return label.pixmap().isNull() && !label.wordWrap() && label.margin() == 0 && label.indent() <= 0 &&
           label.frameWidth() == 0 && label.contentsMargins().isNull() && label.minimumSize().isNull() &&
           !(label.buddy() && text.contains(u'&')) &&
           (label.textFormat() == Qt::PlainText || (label.textFormat() == Qt::AutoText && !Qt::mightBeRichText(text))) &&
           !(label.textInteractionFlags() & (Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard | Qt::TextEditable));
}

// A widget showing a caption whose size hints come from the shared sizes
// when a widget of its class with the same font and text has asked before.
// Only a plain widget shares: one with a style, least size, margins or icon
// of its own, or a label that is not plain, works out its sizes itself.
template <class W>
class SharingSizes : public W {
public:
    explicit SharingSizes(TextSizes* sizes, QWidget* parent = nullptr) : W(parent), sizes_(sizes) {}

    QSize sizeHint() const override {
        TextSizes::Sizes* s = shared();
        if (!s) return W::sizeHint();
        if (!s->hint.isValid()) s->hint = W::sizeHint();
        return s->hint;
    }
    QSize minimumSizeHint() const override {
        TextSizes::Sizes* s = shared();
        if (!s) return W::minimumSizeHint();
        if (!s->minimum.isValid()) s->minimum = W::minimumSizeHint();
        return s->minimum;
    }

private:
    TextSizes::Sizes* shared() const {
        if (!sizes_) return nullptr;
        this->ensurePolished();  // polishing may change the font
        if (this->style() != QApplication::style() || !this->minimumSize().isNull() ||
            !this->contentsMargins().isNull())
            return nullptr;
        if constexpr (std::is_base_of_v<QLabel, W>) {
            if (!isPlainLabel(*this)) return nullptr;
        } else if constexpr (std::is_base_of_v<QAbstractButton, W>) {
            if (!this->icon().isNull()) return nullptr;
        }
        // Layouts ask again and again for the same text.
        if (!entry_ || entryText_ != this->text() || entryFont_ != this->font()) {
            entryText_ = this->text();
            entryFont_ = this->font();
            entry_ = &sizes_->entry(W::staticMetaObject.className(), entryFont_, entryText_);
        }
        return entry_;
    }

    TextSizes* sizes_;
    mutable TextSizes::Sizes* entry_ = nullptr;
    mutable QString entryText_;
    mutable QFont entryFont_;
};

// The size a plain label with a text asks for with the given font, worked out
// from the font's metrics as Qt lays out such a label's text: in a box of
// 2000 pixels, aligned as the label is but not centred. It spares a label
// that tries several fonts from being given each of them. Invalid for a
// label without text or one that is not plain.
inline QSize plainLabelSize(const QLabel& label, const QFont& font) {
    const QString text = label.text();
    if (text.isEmpty() || !isPlainLabel(label)) return {};
    const Qt::LayoutDirection direction = text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    const int flags = (int(QStyle::visualAlignment(direction, label.alignment())) | Qt::TextExpandTabs) &
                      ~(Qt::AlignVCenter | Qt::AlignHCenter);
    return QFontMetrics(font).boundingRect(0, 0, 2000, 2000, flags, text).size();
}

}  // namespace ferrolith::view
