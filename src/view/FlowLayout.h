#pragma once
// The layout of a form whose controls stand in rows. Each container (the
// form's client area, then every frame) lays out its controls in declaration
// order, one row each unless a control stands in the row before. The same
// layout serves a window's widgets and the stand-ins that only measure it.

#include "forms/Form.h"

#include <map>
#include <vector>

class QBoxLayout;
class QGridLayout;
class QWidget;

namespace ferrolith::view {

// The rows of one container in declaration order: a control starts a new row
// unless it stands in the same row as the one before it.
using Row = std::vector<forms::Control*>;
std::map<const forms::Frame*, std::vector<Row>> rowsByContainer(const forms::Form& form);

// An untitled frame whose controls are all hidden would stand as an empty
// box among the options; it is left out until one of them shows.
bool frameShown(const forms::Control& frame);

// What the layout is made of.
class FlowParts {
public:
    virtual ~FlowParts() = default;
    // The widget that holds a frame's controls.
    virtual QWidget* container(const forms::Frame& frame) = 0;
    virtual void add(QBoxLayout& line, forms::Control& control) = 0;
    virtual void add(QGridLayout& grid, forms::Control& control, int row, int column) = 0;
};

void layOutFlow(const forms::Form& form, QWidget* client, FlowParts& parts);

}  // namespace ferrolith::view
