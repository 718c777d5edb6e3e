#include "view/FlowLayout.h"

#include "common/DesignSheet.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>

namespace ferrolith::view {

using forms::Control;
using forms::ControlKind;

std::map<const forms::Frame*, std::vector<Row>> rowsByContainer(const forms::Form& form) {
    std::map<const forms::Frame*, std::vector<Row>> rows;
    for (Control* c : form.controls()) {
        if (c->kind() == ControlKind::MenuItem) continue;
        auto& list = rows[c->frame()];
        if (list.empty() || !c->sameRow)
            list.push_back({c});
        else
            list.back().push_back(c);
    }
    return rows;
}

bool frameShown(const Control& frame) {
    if (!frame.visible()) return false;
    if (!frame.caption().empty() || frame.form().clientTwips) return true;
    for (const Control* c : frame.form().controls())
        if (c->frame() == &frame && c->visible() && (c->kind() != ControlKind::Frame || frameShown(*c))) return true;
    return false;
}

namespace {

bool onlyButtons(const Row& row) {
    return std::all_of(row.begin(), row.end(), [](Control* c) { return c->kind() == ControlKind::Button; });
}

}  // namespace

// A row that starts with a label puts the label in a first column, so the
// fields after labels line up. Pictures inside a frame stand at its right.
void layOutFlow(const forms::Form& form, QWidget* client, FlowParts& parts) {
    const forms::Frame* sheetFrame = nullptr;
    if (auto* sheet = dynamic_cast<const DesignSheet*>(&form)) sheetFrame = &sheet->sheetFrame;

    for (auto& [frame, rows] : rowsByContainer(form)) {
        QWidget* container = frame ? parts.container(*frame) : client;
        auto* grid = new QGridLayout(container);
        // Compact rows, so that a page of many options still fits a screen.
        grid->setVerticalSpacing(frame == sheetFrame ? 2 : 3);
        if (frame) grid->setContentsMargins(6, 4, 6, 4);
        std::vector<Control*> side;
        // The buttons under a window's content keep to its bottom edge when
        // the window is larger than its content.
        const Row* bottomButtons = !frame && rows.size() > 1 && onlyButtons(rows.back()) ? &rows.back() : nullptr;
        int r = 0;
        for (const Row& row : rows) {
            if (&row == bottomButtons) grid->setRowStretch(r++, 1);
            auto* line = new QHBoxLayout;
            line->setSpacing(frame == sheetFrame ? 4 : 6);
            const bool labelled = row.size() > 1 && row.front()->kind() == ControlKind::Label;
            const bool buttons = onlyButtons(row);
            if (buttons) line->addStretch(1);
            int placed = 0;
            for (Control* c : row) {
                if (frame && c->kind() == ControlKind::Image && row.size() == 1) {
                    side.push_back(c);
                    continue;
                }
                if (labelled && c == row.front()) {
                    parts.add(*grid, *c, r, 0);
                    continue;
                }
                parts.add(*line, *c);
                ++placed;
            }
            if (placed == 0) {
                delete line;
                if (labelled) ++r;
                continue;
            }
            // Frames take the row's width; other controls keep their size.
            const bool frames =
                std::any_of(row.begin(), row.end(), [](Control* c) { return c->kind() == ControlKind::Frame; });
            if (!buttons && !frames) line->addStretch(1);
            if (labelled)
                grid->addLayout(line, r, 1);
            else
                grid->addLayout(line, r, 0, 1, 2);
            ++r;
        }
        if (!side.empty()) {
            auto* column = new QVBoxLayout;
            for (Control* c : side) parts.add(*column, *c);
            column->addStretch(1);
            grid->addLayout(column, 0, 2, std::max(r, 1), 1);
        }
        if (!bottomButtons) grid->setRowStretch(r, 1);
        grid->setColumnStretch(1, 1);
    }
}

}  // namespace ferrolith::view
