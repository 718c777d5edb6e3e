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
#include <QSpacerItem>
#include <QVBoxLayout>

namespace anchor {

namespace {

// The widgets of a container that the anchor mirrors: not windows of their
// own, not the menu bar (the window's layout holds that apart).
std::vector<QWidget*> mirroredChildren(QWidget* w) {
    std::vector<QWidget*> result;
    for (QObject* o : w->children()) {
        auto* child = qobject_cast<QWidget*>(o);
        if (child && !child->isWindow() && !qobject_cast<QMenuBar*>(child)) result.push_back(child);
    }
    return result;
}

std::shared_ptr<Arrangement> readArrangement(QLayout* layout, const std::vector<QWidget*>& children) {
    auto a = std::make_shared<Arrangement>();
    a->margins = layout->contentsMargins();
    auto* grid = qobject_cast<QGridLayout*>(layout);
    auto* box = qobject_cast<QBoxLayout*>(layout);
    if (grid) {
        a->kind = Arrangement::Kind::Grid;
        a->horizontalSpacing = grid->horizontalSpacing();
        a->verticalSpacing = grid->verticalSpacing();
        for (int r = 0; r < grid->rowCount(); ++r) a->rowStretch.push_back(grid->rowStretch(r));
        for (int c = 0; c < grid->columnCount(); ++c) a->columnStretch.push_back(grid->columnStretch(c));
    } else if (box) {
        const bool row = box->direction() == QBoxLayout::LeftToRight || box->direction() == QBoxLayout::RightToLeft;
        a->kind = row ? Arrangement::Kind::Row : Arrangement::Kind::Column;
        a->spacing = box->spacing();
    }
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* it = layout->itemAt(i);
        Arrangement::Item item;
        item.alignment = it->alignment();
        if (QWidget* w = it->widget()) {
            item.child = int(std::find(children.begin(), children.end(), w) - children.begin());
        } else if (QLayout* nested = it->layout()) {
            item.nested = readArrangement(nested, children);
        } else if (QSpacerItem* spacer = it->spacerItem()) {
            item.spacer = spacer->sizeHint();
            item.spacerPolicy = spacer->sizePolicy();
        }
        if (grid) grid->getItemPosition(i, &item.row, &item.column, &item.rowSpan, &item.columnSpan);
        if (box) item.stretch = box->stretch(i);
        a->items.push_back(item);
    }
    return a;
}

Node readNode(QWidget* w, const std::map<const QWidget*, QString>& pictures, int& count) {
    Node node;
    node.kind = QString::fromLatin1(w->metaObject()->className());
    node.hidden = w->isHidden();
    node.disabled = w->testAttribute(Qt::WA_ForceDisabled);
    node.place = w->geometry();
    node.minimum = w->minimumSize();
    node.maximum = w->maximumSize();
    if (w->testAttribute(Qt::WA_SetFont)) node.font = w->font();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) node.text = b->text();
    if (auto* l = qobject_cast<QLabel*>(w)) {
        auto picture = pictures.find(w);
        node.text = picture != pictures.end() ? picture->second : l->text();
        if (picture != pictures.end()) node.kind = QStringLiteral("picture");
        node.scaled = l->hasScaledContents();
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
        const std::vector<QWidget*> children = mirroredChildren(w);
        for (QWidget* child : children) {
            ++count;
            node.children.push_back(readNode(child, pictures, count));
        }
        if (w->layout()) node.arrangement = readArrangement(w->layout(), children);
    }
    return node;
}

QWidget* buildNode(const Node& node);

QLayout* buildArrangement(const Arrangement& a, const std::vector<QWidget*>& children) {
    QLayout* layout = nullptr;
    QGridLayout* grid = nullptr;
    QBoxLayout* box = nullptr;
    if (a.kind == Arrangement::Kind::Grid) {
        layout = grid = new QGridLayout;
        grid->setHorizontalSpacing(a.horizontalSpacing);
        grid->setVerticalSpacing(a.verticalSpacing);
    } else {
        layout = box = new QBoxLayout(a.kind == Arrangement::Kind::Row ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
        box->setSpacing(a.spacing);
    }
    layout->setContentsMargins(a.margins);
    for (const Arrangement::Item& item : a.items) {
        if (item.child >= 0 && item.child < int(children.size())) {
            QWidget* w = children[item.child];
            if (grid)
                grid->addWidget(w, item.row, item.column, item.rowSpan, item.columnSpan, item.alignment);
            else
                box->addWidget(w, item.stretch, item.alignment);
        } else if (item.nested) {
            QLayout* nested = buildArrangement(*item.nested, children);
            if (grid)
                grid->addLayout(nested, item.row, item.column, item.rowSpan, item.columnSpan, item.alignment);
            else
                box->addLayout(nested, item.stretch);
        } else {
            auto* spacer = new QSpacerItem(item.spacer.width(), item.spacer.height(),
                                           item.spacerPolicy.horizontalPolicy(), item.spacerPolicy.verticalPolicy());
            if (grid) {
                grid->addItem(spacer, item.row, item.column, item.rowSpan, item.columnSpan, item.alignment);
            } else {
                box->addSpacerItem(spacer);
                box->setStretch(box->count() - 1, item.stretch);
            }
        }
    }
    if (grid) {
        for (std::size_t r = 0; r < a.rowStretch.size(); ++r) grid->setRowStretch(int(r), a.rowStretch[r]);
        for (std::size_t c = 0; c < a.columnStretch.size(); ++c) grid->setColumnStretch(int(c), a.columnStretch[c]);
    }
    return layout;
}

// Builds the children of a container and arranges them as the program does.
void fill(QWidget* container, const Node& node) {
    std::vector<QWidget*> children;
    for (const Node& child : node.children) children.push_back(buildNode(child));
    if (node.arrangement) {
        container->setLayout(buildArrangement(*node.arrangement, children));
        return;
    }
    for (std::size_t i = 0; i < children.size(); ++i) {
        children[i]->setParent(container);
        children[i]->setGeometry(node.children[i].place);
    }
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
        l->setScaledContents(node.scaled);
        w = l;
    } else if (k == QLatin1String("line")) {
        auto* f = new QFrame;
        f->setFrameShape(QFrame::HLine);
        f->setFrameShadow(QFrame::Sunken);
        w = f;
    } else if (k == QLatin1String("QGroupBox")) {
        w = new QGroupBox(node.text);
        fill(w, node);
    } else {
        w = new QWidget;
        fill(w, node);
    }
    if (node.font) w->setFont(*node.font);
    w->setMinimumSize(node.minimum);
    w->setMaximumSize(node.maximum);
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
    shape.client = readNode(window, pictures, shape.widgets);
    return shape;
}

QWidget* buildAndShow(const Shape& shape) {
    auto* window = new QWidget;
    window->setWindowTitle(shape.title);
    fill(window, shape.client);
    if (!shape.menus.empty()) {
        auto* bar = new QMenuBar;
        for (const QStringList& m : shape.menus) {
            QMenu* menu = bar->addMenu(m.front());
            for (qsizetype i = 1; i < m.size(); ++i) menu->addAction(m[i]);
        }
        if (!window->layout()) window->setLayout(new QVBoxLayout);
        window->layout()->setMenuBar(bar);
    }
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
