#pragma once
// A sheet field: as wide as ten characters or its text, whichever is more,
// so that a column of fields stays compact and a long text is not cut.

#include <QEvent>
#include <QFontMetrics>
#include <QLineEdit>

#include <algorithm>

namespace ferrolith::view {

class FieldEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    QSize sizeHint() const override {
        // Measured once per text and font: the page sizes ask again and again.
        if (hint_.isValid() && hintText_ == text()) return hint_;
        QSize hint = QLineEdit::sizeHint();
        const QFontMetrics fm(font());
        const int frame = hint.width() - fm.horizontalAdvance(QLatin1Char('x')) * 17;
        const int wanted = std::max(fm.horizontalAdvance(QLatin1Char('x')) * 10, fm.horizontalAdvance(text()) + 8);
        hint.setWidth(wanted + std::max(frame, 4));
        hint_ = hint;
        hintText_ = text();
        return hint;
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) hint_ = QSize();
        QLineEdit::changeEvent(event);
    }

private:
    mutable QSize hint_;
    mutable QString hintText_;
};

}  // namespace ferrolith::view
