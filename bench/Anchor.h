#pragma once
// The yardstick of the page-change benchmark: a bare Qt window that does the
// same visible work as one of the program's windows. The shape of the
// program's window is read once (the widgets of each kind with their texts,
// pictures and visibility, and how each container arranges them: the same
// rows, columns, margins, spacings and stretches of plain Qt layouts, or the
// same fixed places, with the menu bar and the size); the anchor then builds a
// plain window of that shape, shows it and waits until it is painted. Every
// widget the program paints is painted by the anchor too, at the same place.

#include <QFont>
#include <QMargins>
#include <QRect>
#include <QSize>
#include <QSizePolicy>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <optional>
#include <vector>

class QWidget;

namespace anchor {

struct Arrangement;

struct Node {
    QString kind;  // Qt class name of the widget
    QString text;  // caption, title or text; the resource path for a picture
    QStringList items;  // a list's items
    bool hidden = false;
    bool disabled = false;  // disabled itself, not only through its window
    bool readOnly = false;
    bool scaled = false;  // a picture stretched to its place
    std::optional<QFont> font;  // a font of its own
    QRect place;  // where it stands in its container
    QSize minimum, maximum;  // the least and greatest size it was given
    std::vector<Node> children;  // for containers
    // How a container arranges its children: a plain Qt layout like the
    // program's, or nothing when they stand at fixed places.
    std::shared_ptr<Arrangement> arrangement;
};

// A plain Qt layout: a grid or a row or column of boxes, with its items.
struct Arrangement {
    enum class Kind { Grid, Row, Column } kind = Kind::Column;
    QMargins margins;
    int spacing = -1, horizontalSpacing = -1, verticalSpacing = -1;
    struct Item {
        int child = -1;  // a widget: its index among the container's children
        std::shared_ptr<Arrangement> nested;  // a layout inside the layout
        QSize spacer;  // else an empty space of this size...
        QSizePolicy spacerPolicy;  // ...that grows like this
        int stretch = 0;
        Qt::Alignment alignment;
        int row = 0, column = 0, rowSpan = 1, columnSpan = 1;  // in a grid
    };
    std::vector<Item> items;
    std::vector<int> rowStretch, columnStretch;
};

struct Shape {
    QString title;
    QSize size;
    std::vector<QStringList> menus;  // each: the menu's title, then its entries
    Node client;  // the window itself: its widgets and their arrangement
    int widgets = 0;
};

// Reads the shape of a window. `pictures` names the resource of each picture
// label, since a pixmap does not remember its file.
Shape read(QWidget* window, const std::map<const QWidget*, QString>& pictures);

// Builds and shows a bare window of the shape and returns when it is painted.
QWidget* buildAndShow(const Shape& shape);

// Starts a timed run: windows painted before it no longer count.
void forgetPaints();
// Processes events until the window has been painted since forgetPaints();
// false if it is not within two seconds.
bool waitUntilPainted(QWidget* window);

}  // namespace anchor
