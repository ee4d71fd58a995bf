#pragma once

// The pen page's options as its options dialog edits them.
struct PenOptions
{
    // The pen buttons follow the application profiles.
    bool appHotkeys = false;
    bool curveEnabled = false;
    // Mouse mode; read only here, the page switches it.
    bool relative = false;
    // Only possible in mouse mode.
    bool gameSupport = false;
};
