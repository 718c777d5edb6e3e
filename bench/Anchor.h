#pragma once
// The yardstick of the page-change benchmark: a bare Qt window that does the
// same visible work as one of the program's windows. The shape of the
// program's window is read once (the widgets of each kind with their texts,
// pictures and visibility, grouped as in the window, the menu bar and the
// size); the anchor then builds a plain window of that shape with ordinary Qt
// layouts, shows it and waits until it is painted.

#include <QSize>
#include <QString>
#include <QStringList>

#include <map>
#include <vector>

class QWidget;

namespace anchor {

struct Node {
    QString kind;  // Qt class name of the widget
    QString text;  // caption, title or text; the resource path for a picture
    QStringList items;  // a list's items
    bool hidden = false;
    bool disabled = false;  // disabled itself, not only through its window
    bool readOnly = false;
    std::vector<Node> children;  // for containers
};

struct Shape {
    QString title;
    QSize size;
    std::vector<QStringList> menus;  // each: the menu's title, then its entries
    Node client;
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
