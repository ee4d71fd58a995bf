#pragma once

#include "engine/output/KeyboardEvent.h"

#include <QString>

#include <cstddef>
#include <memory>
#include <mutex>
#include <vector>

// The key strokes of shortcut texts (ShortcutText::keyStrokes), read once per text and kept, so
// that a control bound to a shortcut costs no parsing and no allocation when it is pressed
// again. Keeps the strokes of the last kCapacity texts; any thread.
class ShortcutStrokes
{
public:
    using Strokes = std::vector<KeyboardEvent>;

    static constexpr std::size_t kCapacity = 64;

    ShortcutStrokes();

    std::shared_ptr<const Strokes> strokes(const QString &hotkeyText, bool pressed, bool hotkeySync);

private:
    struct Entry
    {
        QString text;
        bool pressed = false;
        bool hotkeySync = false;
        std::shared_ptr<const Strokes> strokes;
    };

    std::mutex mutex;
    std::vector<Entry> entries;
    // The entry that a new text replaces once all are taken.
    std::size_t oldest = 0;
};
