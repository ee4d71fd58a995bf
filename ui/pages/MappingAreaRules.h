#pragma once

#include <QRect>
#include <QSize>

#include <cstdint>
#include <optional>

// The rules the mapping page applies to its two areas.
namespace MappingAreaRules {

// An area field's partner after the field took `value`: the offset and the size of one axis
// together never reach beyond `extent` (the screen's pixels, or 100 percent of the tablet).
int keptPartner(int partner, int value, int extent);

// The tablet area, in percent, with the aspect of the screen area: the whole width and a centred
// band of the height when the screen is wider than the tablet, else the whole height and a
// centred band of the width. The tablet's extents swap at a rotation of 1 or 3 quarter turns.
// Nothing when a side comes out outside 1..100 percent or an extent is 0.
std::optional<QRect> aspectRatioArea(const QSize &screenArea, std::uint32_t tabletMaximumX,
                                     std::uint32_t tabletMaximumY, int rotation);

} // namespace MappingAreaRules
