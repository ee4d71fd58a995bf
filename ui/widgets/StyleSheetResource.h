#pragma once

#include <QString>

class QWidget;

// Gives the widget the style sheet stored at path (a resource such as
// ":/res/qss/normal/qss-VRichItem.qss"); a sheet that is missing or empty leaves the widget with
// the sheet it had, so the application's base sheet still reaches it.
void applyStyleSheetResource(QWidget *widget, const QString &path);
