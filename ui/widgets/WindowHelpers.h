#pragma once

#include <QColor>
#include <QString>

class QComboBox;
class QTableWidget;
class QWidget;

// The whole file (or resource) as UTF-8 text; empty when it cannot be opened.
QString readTextFile(const QString &path);

// Gives the widget the style sheet at `path` (a resource such as
// ":/res/qss/normal/qss-VRichItem.qss"); a sheet that is missing or empty leaves the widget with
// the sheet it had, so the application's base sheet still reaches it. True when one was set.
bool applyStyleSheet(QWidget *widget, const QString &path);

// A shadow around a frameless window's outer frame.
void addDropShadow(QWidget *widget, const QColor &color, int blurRadius);

// Lets the style sheet reach a combo box's popup list and its items.
void styleComboPopup(QComboBox *combo);

// A one-column list of programs under `header`: whole rows chosen one at a time, nothing edited,
// no focus frame, a thin scroll bar.
void setUpApplicationTable(QTableWidget *table, const QString &header);
