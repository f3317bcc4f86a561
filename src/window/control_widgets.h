#pragma once
// One Qt widget per control of the form, by the control's kind, and the drawing of a control's
// state (value, list entries, visibility, label caption and colour) onto its widget.

#include <QWidget>

#include "form/control_table.h"
#include "form/controls.h"

namespace brakefell {

// A new widget for the control, named exactly as the control, with its caption and tooltip.
QWidget* CreateControlWidget(const ControlSpec& entry, QWidget* parent);

// Makes the widget show the control's state without emitting the widget's signals, so that
// drawing a change never reports it back as the user's.
void ShowControlState(QWidget* widget, const ControlState& state);

// The check box value of a widget's state: 0 unchecked, 1 checked, 2 grayed.
int CheckValueOf(Qt::CheckState state);

}  // namespace brakefell
