#include "ui/pages/MappingScreenPart.h"

#include <algorithm>

namespace MappingScreenPart {

namespace {

bool choosesAll(const std::vector<MonitorInfo> &monitors, int index)
{
    return monitors.size() >= 2 && index == int(monitors.size());
}

void writeCode(MappingConfigure &mapping, const std::string &text)
{
    std::copy_n(text.begin(), mapping.code.size(), mapping.code.begin());
}

QString allScreensCode(std::uint16_t vendorId)
{
    return QStringLiteral("ALL%1").arg(vendorId, 4, 16, QLatin1Char('0')).toUpper();
}

} // namespace

int screenCount(const std::vector<MonitorInfo> &monitors)
{
    const int displays = int(monitors.size());
    return displays >= 2 ? displays + 1 : displays;
}

QRect screenRect(const std::vector<MonitorInfo> &monitors, int index)
{
    if (choosesAll(monitors, index))
        return monitors.front().desktopRect;
    if (index < 0 || index >= int(monitors.size()))
        return {};
    return monitors[std::size_t(index)].monitorRect;
}

QRect fittedArea(const QRect &storedPart, const QSize &screen)
{
    const QRect whole(QPoint(0, 0), screen);
    const QRect covered = storedPart.intersected(whole);
    return covered.width() <= 0 || covered.height() <= 0 ? whole : covered;
}

void store(MappingConfigure &mapping, const std::vector<MonitorInfo> &monitors, int index, const QRect &area,
           std::uint16_t vendorId)
{
    if (index < 0 || index >= screenCount(monitors))
        return;
    const bool all = choosesAll(monitors, index);
    const MonitorInfo &record = all ? monitors.front() : monitors[std::size_t(index)];
    mapping.screenIndex = std::uint32_t(index);
    mapping.absRect = screenRect(monitors, index);
    mapping.part = area;
    mapping.desktopSize = record.desktopRect.size();
    mapping.dpiRect = all ? record.virtualScreenRect : record.logicalMonitorRect;
    mapping.dpiDesktopRect = record.virtualScreenRect;
    mapping.flag = 0;
    if (all)
        writeCode(mapping, allScreensCode(vendorId).toStdString());
    else if (record.identifier.size() >= mapping.code.size())
        writeCode(mapping, record.identifier);
}

} // namespace MappingScreenPart
