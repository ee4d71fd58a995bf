#pragma once

#include <QString>

#include <functional>

class QDialog;
class QPushButton;
class QWidget;
class VRichItem;
class VRichList;
class VTitleBar;

// What the three option dialogs share: the frameless window with its shadowed frame and title
// bar, and the switch rows that store their state in the dialog's record.

// Frameless translucent fixed-size window, the style sheet when there is one, the shadow on the
// frame, a title bar with the close button only, and OK as the button that Return presses.
void prepareOptionDialog(QDialog *dialog, QWidget *frame, VTitleBar *titleBar,
                         const QString &styleSheetPath, const QString &title, QPushButton *ok);

// A row of `list`, checked as given; each activation hands the row's state to `store`.
VRichItem *addSwitchRow(VRichList *list, const QString &title, const QString &caption, bool checked,
                        std::function<void(bool)> store);
