#pragma once

#include "project/ProjectEditing.h"

class QWidget;

namespace kadro::gui {

// Shows the dialog that fills one kind of project record ("Increase Section", "Increase" or
// "Setup Sub Block") with the given values; on OK the values are written back and true is
// returned.
bool editEntryFields(EntryFields& fields, QWidget* parent);

} // namespace kadro::gui
