#pragma once

#include <QPoint>

#include <functional>

// What the pen handler reads of the engine beside the configuration and the device.
struct PenContext
{
    // The pen/eraser action has switched the pen to erasing.
    bool eraserMode = false;
    // Exchanges the engine's tool-change flag with 0 and returns what it held; asked once for
    // every digitizer event that is built.
    std::function<bool()> takeToolChange;
    // The cursor position in desktop pixels; asked only when a relative stroke starts without
    // a remembered position.
    std::function<QPoint()> cursorPosition;

    bool takeToolChangeFlag() const { return takeToolChange && takeToolChange(); }
    QPoint cursor() const { return cursorPosition ? cursorPosition() : QPoint(); }
};
