#pragma once

#include <QObject>

// Keeps Ctrl+Tab and Shift+Tab from switching the pages of a tab widget whose pages are chosen
// from a menu beside it.
class TabWidgetEventFilter : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override;
};
