#pragma once

// The express-key page's options as its options dialog edits them. The model's flags are read
// only: a feature the model lacks can be neither used nor switched on.
struct HotkeyOptions
{
    // Key, dial and touch bindings follow the application profiles.
    bool appHotkeys = false;
    bool modelHasKeys = false;
    bool hasKeys = false;
    bool modelHasDial = false;
    bool hasDial = false;
    bool dialSensitivity = false;
    bool modelHasTouch = false;
    bool hasTouch = false;
};
