#pragma once
// Works out the size that the window of a form laid out in rows would ask
// for, without building the window. Pages that are loaded but not shown lend
// the other pages their size this way: frames stand in as group boxes, every
// other control as a layout item measured on one stand-in widget of its kind,
// once per text.

#include "forms/Form.h"

#include <QSize>
#include <QSizePolicy>

#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace ferrolith::view {

class FieldEdit;
class TextSizes;

class PageMeasure {
public:
    // Captions are measured through the shared sizes of the view's windows.
    explicit PageMeasure(TextSizes& sizes);
    ~PageMeasure();
    PageMeasure(const PageMeasure&) = delete;
    PageMeasure& operator=(const PageMeasure&) = delete;

    // The size hint the form's window would have, built now and brought in
    // line with the model.
    QSize measure(const forms::Form& form);
    // Forgets what it keeps of a form that is unloaded.
    void forget(const forms::Form& form);

    // What a layout learns of a widget.
    struct Measured {
        QSize hint;
        QSize minimum;
        QSize maximum;
        Qt::Orientations expanding;
        QSizePolicy::ControlTypes types;
    };
    const Measured& measured(const forms::Control& control);

private:
    class Item;
    class Parts;
    // The window of one form, kept for its next measure: its group boxes and
    // rows need not be made and styled again.
    struct Stand {
        QWidget* window = nullptr;
        QWidget* client = nullptr;
        std::map<const forms::Control*, QGroupBox*> boxes;
        std::vector<Item*> items;  // owned by the rows' layouts
    };

    template <class W>
    W* standIn(W*& slot);
    template <class W>
    W* sharingStandIn(W*& slot);

    TextSizes& sizes_;
    std::unique_ptr<QWidget> room_;  // holds the stand-ins; never shown
    std::map<const forms::Form*, Stand> stands_;
    QCheckBox* check_ = nullptr;
    QRadioButton* option_ = nullptr;
    FieldEdit* field_ = nullptr;
    QLineEdit* edit_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QComboBox* list_ = nullptr;
    QLabel* label_ = nullptr;
    QLabel* picture_ = nullptr;
    QPushButton* button_ = nullptr;
    std::unordered_map<std::string, Measured> cache_;
};

}  // namespace ferrolith::view
