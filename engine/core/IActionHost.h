#pragma once

#include <QPoint>
#include <QString>

// What actions reach of the engine that runs them: its signals to the window, its pen-tool
// state, the current device and the pointer. Called on the worker thread and, for actions run
// from the window, on the GUI thread at the same time.
class IActionHost
{
public:
    virtual ~IActionHost() = default;

    virtual void requestScreenSwitch() = 0;
    // The window moves `dial` on to its next action pair.
    virtual void requestDialActionSwitch(int dial) = 0;
    // The window puts `text` on the clipboard and pastes it.
    virtual void requestPaste(const QString &text) = 0;

    // The pen/eraser switch has made the pen erase.
    virtual bool eraserMode() const = 0;
    // Inverts the eraser mode and marks a tool change for the next pen report; returns the
    // new eraser mode.
    virtual bool switchPenTool() = 0;

    // Express keys of the current device that act as its dial; 0 without a device.
    virtual int dialKeyCount() const = 0;
    // Where the last pointer event went; false when none was sent yet.
    virtual bool lastPointerPosition(QPoint &position) const = 0;
    // The cursor in the 0..32767 range of absolute reports; (-1, -1) without monitors.
    virtual QPoint cursorToNormalized() const = 0;
};
