#include "Anchor.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QVBoxLayout>

namespace anchor {

namespace {

Node readNode(QWidget* w, const std::map<const QWidget*, QString>& pictures, int& count) {
    Node node;
    node.kind = QString::fromLatin1(w->metaObject()->className());
    node.hidden = w->isHidden();
    node.disabled = w->testAttribute(Qt::WA_ForceDisabled);
    if (auto* b = qobject_cast<QAbstractButton*>(w)) node.text = b->text();
    if (auto* l = qobject_cast<QLabel*>(w)) {
        auto picture = pictures.find(w);
        node.text = picture != pictures.end() ? picture->second : l->text();
        if (picture != pictures.end()) node.kind = QStringLiteral("picture");
    }
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        node.text = e->text();
        node.readOnly = e->isReadOnly();
    }
    if (auto* e = qobject_cast<QPlainTextEdit*>(w)) node.text = e->toPlainText();
    if (auto* g = qobject_cast<QGroupBox*>(w)) node.text = g->title();
    if (auto* c = qobject_cast<QComboBox*>(w))
        for (int i = 0; i < c->count(); ++i) node.items << c->itemText(i);
    if (auto* f = qobject_cast<QFrame*>(w); f && f->frameShape() == QFrame::HLine) node.kind = QStringLiteral("line");
    // The inner widgets of compound widgets belong to them.
    const bool compound = qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w);
    if (!compound) {
        for (QObject* o : w->children()) {
            auto* child = qobject_cast<QWidget*>(o);
            if (!child || child->isWindow() || qobject_cast<QMenuBar*>(child)) continue;
            ++count;
            node.children.push_back(readNode(child, pictures, count));
        }
    }
    return node;
}

QWidget* buildNode(const Node& node);

bool isContainer(const Node& node) {
    return node.kind == QLatin1String("QGroupBox") || node.kind == QLatin1String("QWidget");
}

// A widget at its natural width, at the left of its cell.
QLayout* natural(QWidget* w) {
    auto* line = new QHBoxLayout;
    line->setContentsMargins(0, 0, 0, 0);
    line->addWidget(w);
    line->addStretch(1);
    return line;
}

// Lays the children out in a grid of two columns: a label followed by a
// field stands in one row, anything else takes the whole row; groups take
// the row's width, other widgets keep their natural width.
void layOut(QWidget* container, const Node& node, bool margins) {
    auto* grid = new QGridLayout(container);
    if (!margins) grid->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    for (std::size_t i = 0; i < node.children.size(); ++i) {
        const Node& child = node.children[i];
        QWidget* w = buildNode(child);
        const bool labelled = child.kind == QLatin1String("QLabel") && i + 1 < node.children.size() &&
                              node.children[i + 1].kind.endsWith(QLatin1String("LineEdit"));
        if (labelled) {
            grid->addWidget(w, row, 0);
            grid->addLayout(natural(buildNode(node.children[++i])), row, 1);
        } else if (isContainer(child)) {
            grid->addWidget(w, row, 0, 1, 2);
        } else {
            grid->addLayout(natural(w), row, 0, 1, 2);
        }
        ++row;
    }
    grid->setRowStretch(row, 1);
}

QWidget* buildNode(const Node& node) {
    QWidget* w = nullptr;
    const QString& k = node.kind;
    if (k == QLatin1String("QCheckBox")) {
        w = new QCheckBox(node.text);
    } else if (k == QLatin1String("QRadioButton")) {
        w = new QRadioButton(node.text);
    } else if (k == QLatin1String("QPushButton")) {
        w = new QPushButton(node.text);
    } else if (k.endsWith(QLatin1String("LineEdit")) || k.endsWith(QLatin1String("FieldEdit"))) {
        auto* e = new QLineEdit(node.text);
        e->setReadOnly(node.readOnly);
        if (node.readOnly) {  // drawn on the window's background, as in the program
            QPalette p = e->palette();
            p.setColor(QPalette::Base, p.color(QPalette::Window));
            e->setPalette(p);
        }
        w = e;
    } else if (k == QLatin1String("QPlainTextEdit")) {
        w = new QPlainTextEdit(node.text);
    } else if (k == QLatin1String("QComboBox")) {
        auto* c = new QComboBox;
        c->addItems(node.items);
        w = c;
    } else if (k == QLatin1String("QLabel")) {
        w = new QLabel(node.text);
    } else if (k == QLatin1String("picture")) {
        auto* l = new QLabel;
        l->setPixmap(QPixmap(node.text));
        w = l;
    } else if (k == QLatin1String("line")) {
        auto* f = new QFrame;
        f->setFrameShape(QFrame::HLine);
        f->setFrameShadow(QFrame::Sunken);
        w = f;
    } else if (k == QLatin1String("QGroupBox")) {
        w = new QGroupBox(node.text);
        layOut(w, node, true);
    } else {
        w = new QWidget;
        layOut(w, node, false);
    }
    if (node.hidden) w->hide();
    if (node.disabled) w->setEnabled(false);
    return w;
}

// Records which windows have been painted since the benchmark began.
class PaintWatch : public QObject {
public:
    PaintWatch() { qApp->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
            painted.insert(static_cast<QWidget*>(watched));
        else if (event->type() == QEvent::Hide && watched->isWidgetType())
            painted.remove(static_cast<QWidget*>(watched));
        return false;
    }
    QSet<QWidget*> painted;
};

PaintWatch& watch() {
    static PaintWatch* w = new PaintWatch;
    return *w;
}

}  // namespace

Shape read(QWidget* window, const std::map<const QWidget*, QString>& pictures) {
    Shape shape;
    shape.title = window->windowTitle();
    shape.size = window->size();
    if (auto* bar = window->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly)) {
        for (QAction* top : bar->actions()) {
            QStringList menu{top->text()};
            if (top->menu())
                for (QAction* entry : top->menu()->actions()) menu << entry->text();
            shape.menus.push_back(menu);
        }
    }
    for (QObject* o : window->children()) {
        auto* child = qobject_cast<QWidget*>(o);
        if (!child || child->isWindow() || qobject_cast<QMenuBar*>(child)) continue;
        ++shape.widgets;
        shape.client.children.push_back(readNode(child, pictures, shape.widgets));
    }
    return shape;
}

QWidget* buildAndShow(const Shape& shape) {
    auto* window = new QWidget;
    window->setWindowTitle(shape.title);
    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    if (!shape.menus.empty()) {
        auto* bar = new QMenuBar;
        for (const QStringList& m : shape.menus) {
            QMenu* menu = bar->addMenu(m.front());
            for (qsizetype i = 1; i < m.size(); ++i) menu->addAction(m[i]);
        }
        outer->setMenuBar(bar);
    }
    for (const Node& child : shape.client.children) outer->addWidget(buildNode(child));
    window->setFixedSize(shape.size);
    window->show();
    window->activateWindow();
    waitUntilPainted(window);
    return window;
}

void forgetPaints() { watch().painted.clear(); }

bool waitUntilPainted(QWidget* window) {
    PaintWatch& w = watch();
    QElapsedTimer waited;
    waited.start();
    while (!w.painted.contains(window)) {
        if (waited.elapsed() > 2000) return false;
        QCoreApplication::processEvents();
    }
    return true;
}

}  // namespace anchor
