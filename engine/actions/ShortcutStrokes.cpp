#include "engine/actions/ShortcutStrokes.h"

#include "engine/actions/ShortcutText.h"

ShortcutStrokes::ShortcutStrokes()
{
    entries.reserve(kCapacity);
}

std::shared_ptr<const ShortcutStrokes::Strokes> ShortcutStrokes::strokes(const QString &hotkeyText,
                                                                         bool pressed, bool hotkeySync)
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        for (const Entry &entry : entries) {
            if (entry.pressed == pressed && entry.hotkeySync == hotkeySync && entry.text == hotkeyText)
                return entry.strokes;
        }
    }
    // Read outside the lock: the key-name tables are fixed, so two threads that read the same
    // text at once read the same strokes.
    Entry made{hotkeyText, pressed, hotkeySync,
               std::make_shared<const Strokes>(ShortcutText::keyStrokes(hotkeyText, pressed, hotkeySync))};
    const std::shared_ptr<const Strokes> strokes = made.strokes;
    std::lock_guard<std::mutex> lock(mutex);
    if (entries.size() < kCapacity) {
        entries.push_back(std::move(made));
    } else {
        entries[oldest] = std::move(made);
        oldest = (oldest + 1) % kCapacity;
    }
    return strokes;
}
