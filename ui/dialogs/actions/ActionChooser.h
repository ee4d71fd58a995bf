#pragma once

#include "ui/dialogs/actions/VActionSelectDlg.h"

#include <functional>

class QWidget;

// Asks the user for an action: runs the action selection dialog modally over `parent` with
// `selection`, and on OK puts the dialog's result into `selection` and answers true. The pages and
// the dial dialog ask through one of these, so that a test can answer in the user's place.
using ActionChooser = std::function<bool(QWidget *parent, ActionSelection &selection)>;

// The action selection dialog itself.
bool chooseActionInDialog(QWidget *parent, ActionSelection &selection);
