#include "engine/actions/MediaKey.h"

#include "engine/output/KeyboardEvent.h"

#include <array>

bool MediaKey::ofEvent(std::uint32_t code, MediaKey &key)
{
    static const std::array<MediaKey, 10> keys = {{
            {"LEFT", KeyTable::Usage, KeyboardEvent::Alt},
            {"RIGHT", KeyTable::Usage, KeyboardEvent::Alt},
            {"F5", KeyTable::Usage, 0},
            {"HOME", KeyTable::Usage, KeyboardEvent::Alt},
            {"PrevTrack", KeyTable::System, 0},
            {"NextTrack", KeyTable::System, 0},
            {"PlayPause", KeyTable::System, 0},
            {"VolumeMute", KeyTable::System, 0},
            {"VolumeDown", KeyTable::System, 0},
            {"VolumeUp", KeyTable::System, 0},
    }};
    if (code < 1 || code > keys.size())
        return false;
    key = keys[code - 1];
    return true;
}
