#include "app/WindowCentring.h"

QPoint centredWindowPosition(const QRect &screen, const QSize &window)
{
    const QPoint centre = screen.center();
    return QPoint(centre.x() - window.width() / 2, centre.y() - window.height() / 2);
}
