// The anchor of the start: a bare Qt program that does the program's visible
// work up to page 1. A small frameless start window with its picture, five
// lines of text and "OK"; once it is painted, "OK" is pressed and a window of
// page 1's size follows with a menu, the banner, fourteen option buttons and
// the side picture in a group, two labelled fields and a button. Once that is
// painted the process ends at once, as ferrolith_start does.

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>
#include <unistd.h>

namespace {

const char* const classes[] = {
    "Hold-Out Pistole                ( FKE: 1  |  DP: 25 )",  "Leichte Pistole                  ( FKE: 1.5  |  DP: 90 )",
    "Automatische Pistole        ( FKE: 1  |  DP: 180 )",    "Schwere Pistole               ( FKE: 2  |  DP: 120 )",
    "Maschinenpistole             ( FKE: 1.5  |  DP: 100 )", "Schrotflinte                       ( FKE: 2,5  |  DP:130 )",
    "Taser                                ( FKE: 1  |  DP:200 )", "Sportgewehr                     ( FKE: 2,5  |  DP:125 )",
    "Sturmgewehr                     ( FKE: 3  |  DP:225 )",  "Scharfschützengewehr     ( FKE: 2,5  |  DP:800 )",
    "LMG                                  ( FKE: 4  |  DP:425 )", "MMG                                 ( FKE: 4  |  DP:700 )",
    "SMG                                 ( FKE: 4  |  DP:1000 )", "Sturmkanone                    ( FKE: 4  |  DP:1400 )",
};

QWidget* startWindow() {
    auto* w = new QWidget(nullptr, Qt::Dialog | Qt::FramelessWindowHint);
    w->setFixedSize(344, 357);
    auto* picture = new QLabel(w);
    picture->setPixmap(QPixmap(QStringLiteral(":/images/start.png")));
    picture->setScaledContents(true);
    picture->setGeometry(0, 0, 340, 310);
    const struct {
        const char* text;
        QRect place;
    } lines[] = {{"Version    0.0.7b", {160, 72, 83, 15}},
                 {"© 2026 Ellvarin", {0, 312, 147, 14}},
                 {"Kontakt: ellvarin@ferrolith.example", {0, 328, 153, 17}},
                 {"Alle genannten Marken gehören ihren jeweiligen Inhabern.", {0, 344, 344, 13}},
                 {"v.0.1.3b", {176, 320, 41, 17}}};
    for (const auto& line : lines) new QLabel(QString::fromUtf8(line.text), w);
    int i = 0;
    for (QLabel* l : w->findChildren<QLabel*>())
        if (l != picture) l->setGeometry(lines[i++].place);
    auto* ok = new QPushButton(QStringLiteral("OK"), w);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    ok->setGeometry(256, 312, 84, 23);
    return w;
}

QWidget* page1() {
    auto* w = new QWidget;
    w->setWindowTitle(QStringLiteral("\"Ferrolith\" (by) Ellvarin"));
    auto* outer = new QVBoxLayout(w);
    auto* bar = new QMenuBar;
    QMenu* file = bar->addMenu(QStringLiteral("&Datei"));
    file->addAction(QStringLiteral("&Info"));
    file->addAction(QStringLiteral("&Beenden"));
    outer->setMenuBar(bar);
    auto* banner = new QLabel;
    banner->setPixmap(QPixmap(QStringLiteral(":/images/banner.png")));
    outer->addWidget(banner);
    auto* group = new QGroupBox(QStringLiteral("Wahl des Rahmens"));
    auto* grid = new QGridLayout(group);
    int row = 0;
    for (const char* c : classes) grid->addWidget(new QRadioButton(QString::fromUtf8(c)), row++, 0);
    auto* side = new QLabel;
    side->setPixmap(QPixmap(QStringLiteral(":/images/side.png")));
    grid->addWidget(side, 0, 1, row, 1);
    outer->addWidget(group);
    for (const char* label : {"Freie FKE", "DP gesamt"}) {
        outer->addWidget(new QLabel(QString::fromUtf8(label)));
        auto* field = new QLineEdit(QStringLiteral("0"));
        field->setReadOnly(true);
        outer->addWidget(field);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* next = new QPushButton(QStringLiteral("&Weiter"));
    next->setEnabled(false);
    buttons->addWidget(next);
    outer->addLayout(buttons);
    w->setFixedSize(618, 574);
    return w;
}

class Watch : public QObject {
public:
    explicit Watch(QWidget* start) : start_(start) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint) return false;
        if (watched == start_ && !page1_) {
            QTimer::singleShot(0, start_, [this] { start_->findChild<QPushButton*>(QStringLiteral("ok"))->click(); });
        } else if (page1_ && watched == page1_) {
            QTimer::singleShot(0, [] {
                std::fflush(nullptr);
                _exit(0);
            });
        }
        return false;
    }
    QWidget* start_;
    QWidget* page1_ = nullptr;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setWindowIcon(QIcon(QStringLiteral(":/images/icon.png")));
    QWidget* start = startWindow();
    Watch watch(start);
    app.installEventFilter(&watch);
    QObject::connect(start->findChild<QPushButton*>(QStringLiteral("ok")), &QPushButton::clicked, [&watch, start] {
        watch.page1_ = page1();
        watch.page1_->show();
        start->hide();
    });
    start->show();
    return app.exec();
}
