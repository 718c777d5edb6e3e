#pragma once
// The sizes that captions ask for, shared by every window of a view and by
// the measure of pages not built yet. Laying out a text to learn its size is
// most of what a size hint costs, and the same captions are asked for again
// and again: a page is measured while hidden and then built, and pages repeat
// each other's captions.

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QSize>
#include <QString>

#include <deque>
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

// A widget showing a caption whose size hints come from the shared sizes
// when a widget of its class with the same font and text has asked before.
// Only a plain widget shares: one with a style, a least size or a picture of
// its own, or a label whose mnemonic is shown, works out its sizes itself.
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
        if (this->style() != QApplication::style() || !this->minimumSize().isNull()) return nullptr;
        if constexpr (std::is_base_of_v<QLabel, W>) {
            if (!this->pixmap().isNull() || this->wordWrap()) return nullptr;
            // A label with a buddy hides the '&' of its mnemonic.
            if (this->buddy() && this->text().contains(u'&')) return nullptr;
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

}  // namespace ferrolith::view
