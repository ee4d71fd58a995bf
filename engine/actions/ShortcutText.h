#pragma once

#include "engine/output/KeyboardEvent.h"

#include <QString>

#include <vector>

// The hotkey text of a keyboard action ("Ctrl+Shift+Z", "Ctrl+C;Ctrl+V") read as keyboard
// events. Key names are looked up in the usage table; a name it lacks leaves its key at -1.
class ShortcutText
{
public:
    // Delay after each report of a shortcut.
    static constexpr int StrokeDelayMilliseconds = 5;

    // One press event per step, in order; a step without modifiers and known keys is kept.
    static std::vector<KeyboardEvent> steps(const QString &hotkeyText);

    // The events to send, in order, when the control bound to `hotkeyText` is pressed or
    // released. With `hotkeySync` a single step is held while the control is held; otherwise
    // each step is tapped on the press. A sequence of steps runs on the press only, and a lone
    // step with nothing to type sends nothing.
    static std::vector<KeyboardEvent> keyStrokes(const QString &hotkeyText, bool pressed,
                                                 bool hotkeySync);

    static KeyboardEvent parseStep(const QString &step);
};
