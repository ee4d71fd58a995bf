#pragma once

#include <QRect>
#include <QString>

struct TabletLayoutPenPart
{
    // Id of the pen picture (p01, p02, ...).
    QString penModel;
    // The barrel buttons on the pen picture; null when the file gives none.
    QRect button1Rect;
    QRect button2Rect;
};
