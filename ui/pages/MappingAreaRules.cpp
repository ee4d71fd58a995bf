#include "ui/pages/MappingAreaRules.h"

#include <utility>

namespace MappingAreaRules {

namespace {

constexpr int kWholeTablet = 100;

bool inPercentRange(int side)
{
    return side >= 1 && side <= kWholeTablet;
}

} // namespace

int keptPartner(int partner, int value, int extent)
{
    return partner + value > extent ? extent - value : partner;
}

std::optional<QRect> aspectRatioArea(const QSize &screenArea, std::uint32_t tabletMaximumX,
                                     std::uint32_t tabletMaximumY, int rotation)
{
    double tabletX = tabletMaximumX;
    double tabletY = tabletMaximumY;
    if (rotation == 1 || rotation == 3)
        std::swap(tabletX, tabletY);
    if (screenArea.width() <= 0 || screenArea.height() <= 0 || tabletX <= 0 || tabletY <= 0)
        return std::nullopt;
    const double screen = double(screenArea.width()) / screenArea.height();
    if (screen >= tabletX / tabletY) {
        const int height = int(tabletX / screen / tabletY * kWholeTablet + 0.5);
        if (!inPercentRange(height))
            return std::nullopt;
        return QRect(0, (kWholeTablet - height) / 2, kWholeTablet, height);
    }
    const int width = int(tabletY * screen / tabletX * kWholeTablet + 0.5);
    if (!inPercentRange(width))
        return std::nullopt;
    return QRect((kWholeTablet - width) / 2, 0, width, kWholeTablet);
}

} // namespace MappingAreaRules
