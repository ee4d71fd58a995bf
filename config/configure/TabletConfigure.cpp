#include "config/configure/TabletConfigure.h"

#include <QtGlobal>

#include <cmath>
#include <tuple>
#include <utility>

namespace {

// Made on first use, so that no static initialiser of another file can meet it unmade.
TabletConfigurePtr &currentConfigureSlot()
{
    static TabletConfigurePtr current = std::make_shared<TabletConfigure>();
    return current;
}

} // namespace

bool operator==(const PressureCurve &a, const PressureCurve &b)
{
    return a.start == b.start && a.middle == b.middle && a.end == b.end;
}

bool operator!=(const PressureCurve &a, const PressureCurve &b)
{
    return !(a == b);
}

std::int32_t PenConfigure::clampStep(std::uint16_t stored)
{
    return qBound(kMinStep, static_cast<std::int32_t>(stored), kMaxStep);
}

std::uint32_t PenConfigure::clampCapacity(std::uint32_t stored)
{
    return stored > kMaxCapacity ? 0 : stored;
}

ActionPair::ActionPair(TabletActionPtr first, TabletActionPtr second)
    : first(std::move(first)), second(std::move(second))
{
}

double MappingConfigure::clampScale(double stored)
{
    if (!std::isfinite(stored))
        return kDefaultScale;
    return qBound(kMinScale, stored, kMaxScale);
}

bool operator==(const MappingConfigure &a, const MappingConfigure &b)
{
    return std::tie(a.screenIndex, a.absRect, a.part, a.desktopSize, a.dpiRect, a.dpiDesktopRect,
                    a.kx, a.ky, a.kcx, a.kcy, a.flag, a.code, a.id, a.rotation, a.workArea)
        == std::tie(b.screenIndex, b.absRect, b.part, b.desktopSize, b.dpiRect, b.dpiDesktopRect,
                    b.kx, b.ky, b.kcx, b.kcy, b.flag, b.code, b.id, b.rotation, b.workArea);
}

bool operator!=(const MappingConfigure &a, const MappingConfigure &b)
{
    return !(a == b);
}

bool operator==(const CommonConfigure &a, const CommonConfigure &b)
{
    return std::tie(a.language, a.tilt, a.pressureOff, a.clickOff, a.orientation, a.message,
                    a.hotkeySync, a.log)
        == std::tie(b.language, b.tilt, b.pressureOff, b.clickOff, b.orientation, b.message,
                    b.hotkeySync, b.log);
}

bool operator!=(const CommonConfigure &a, const CommonConfigure &b)
{
    return !(a == b);
}

TabletConfigurePtr currentConfigure()
{
    return currentConfigureSlot();
}

void setCurrentConfigure(TabletConfigurePtr configure)
{
    currentConfigureSlot() = std::move(configure);
}
