#include "engine/display/DisplaySettling.h"

#include <QImage>

namespace DisplaySettling {

bool showsContent(const QImage &screenshot)
{
    constexpr int kMinimumSide = 301;
    if (screenshot.isNull() || screenshot.width() < kMinimumSide || screenshot.height() < kMinimumSide)
        return false;
    for (int i = 100; i < 300; ++i) {
        if (screenshot.pixel(i, i) & 0xFFFFFF)
            return true;
    }
    return false;
}

bool hasSettled(int monitorsShowingContent, int monitorCount, int tick)
{
    return monitorsShowingContent == monitorCount || tick >= kMaxTicks;
}

} // namespace DisplaySettling
