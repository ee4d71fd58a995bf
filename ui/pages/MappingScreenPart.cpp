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

QString rectangleText(const QRect &rect)
{
    return QStringLiteral("[X:%1, Y:%2,  %3 x %4]").arg(rect.left()).arg(rect.top()).arg(rect.width()).arg(rect.height());
}

// The item's text from its list bracket on, under a new leading word; `keep` characters before
// the bracket stay (the display's number and the space).
QString withLeadingWord(const QString &item, const QString &word, int keep)
{
    const int bracket = item.indexOf(QLatin1Char('['));
    if (bracket <= 2)
        return item;
    return word + item.mid(bracket - keep);
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

ConfigureMonitorList configureMonitors(const std::vector<MonitorInfo> &monitors)
{
    ConfigureMonitorList list;
    for (const MonitorInfo &info : monitors) {
        ConfigureMonitor monitor;
        monitor.index = info.index;
        monitor.monitorRect = info.monitorRect;
        monitor.desktopRect = info.desktopRect;
        monitor.penDisplay = info.penDisplay;
        monitor.primary = info.primary;
        monitor.rotation = info.rotation;
        list.push_back(monitor);
    }
    return list;
}

QString screenItemText(const QString &screenWord, const MonitorInfo &monitor)
{
    return screenWord + QString::number(monitor.index + 1) + QLatin1Char(' ') + rectangleText(monitor.monitorRect);
}

QString allScreensItemText(const QString &allWord, const MonitorInfo &first)
{
    return allWord + QLatin1Char(' ') + rectangleText(first.desktopRect);
}

QString retranslatedScreenItem(const QString &item, const QString &screenWord)
{
    return withLeadingWord(item, screenWord, 2);
}

QString retranslatedAllScreensItem(const QString &item, const QString &allWord)
{
    return withLeadingWord(item, allWord, 1);
}

int nextSingleScreen(int current, int count)
{
    if (count <= 2)
        return -1;
    const int next = current + 1;
    return next >= count - 1 ? 0 : next;
}

std::optional<MonitorInfo> penDisplayToTurn(const std::vector<MonitorInfo> &monitors, const MappingConfigure &mapping)
{
    if (mapping.screenIndex >= monitors.size())
        return std::nullopt;
    const MonitorInfo &monitor = monitors[mapping.screenIndex];
    if (!monitor.penDisplay || monitor.rotation == mapping.rotation)
        return std::nullopt;
    return monitor;
}

} // namespace MappingScreenPart
