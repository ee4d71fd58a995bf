#pragma once

// A display manager whose monitors a test sets: it lists them (with screenshots that show
// content when asked for), counts the listings and records the rotations asked of it.
#include "engine/display/ScreenStatusListen.h"

#include <QColor>
#include <QPixmap>

#include <memory>
#include <string>
#include <utility>
#include <vector>

struct ScriptedMonitor
{
    QRect rect;
    std::string identifier;
    bool penDisplay = false;
    int rotation = 0;
};

// A rectangle as the system reports it at a display scaling of 150 %.
inline QRect logicalRect(const QRect &rect)
{
    return QRect(rect.x() * 2 / 3, rect.y() * 2 / 3, rect.width() * 2 / 3, rect.height() * 2 / 3);
}

// The monitors as the display manager fills them at a scaling of 150 %: the desktop is their
// bounding box (which starts at (0, 0) here).
inline std::vector<MonitorInfo> scriptedMonitors(const std::vector<ScriptedMonitor> &monitors)
{
    QRect desktop(0, 0, 0, 0);
    for (const ScriptedMonitor &monitor : monitors)
        desktop = desktop.united(monitor.rect);
    std::vector<MonitorInfo> infos;
    for (const ScriptedMonitor &monitor : monitors) {
        MonitorInfo info;
        info.index = int(infos.size());
        info.deviceName = "\\\\.\\DISPLAY" + std::to_string(infos.size() + 1);
        info.identifier = monitor.identifier;
        info.monitorRect = monitor.rect;
        info.systemMonitorRect = logicalRect(monitor.rect);
        info.desktopRect = desktop;
        info.logicalMonitorRect = logicalRect(monitor.rect);
        info.virtualScreenRect = logicalRect(desktop);
        info.scale = 1.5;
        info.rotation = monitor.rotation;
        info.penDisplay = monitor.penDisplay;
        info.penDisplaySecondFlag = monitor.penDisplay;
        info.primary = infos.empty();
        infos.push_back(info);
    }
    return infos;
}

class ScriptedDisplays : public ScreenStatusListen
{
public:
    explicit ScriptedDisplays(std::vector<MonitorInfo> list = {}) : monitors(std::move(list)) {}

    std::vector<MonitorInfo> enumerateMonitors(bool withScreenshots) override
    {
        ++listings;
        std::vector<MonitorInfo> listed = monitors;
        if (withScreenshots) {
            for (MonitorInfo &monitor : listed) {
                auto picture = std::make_shared<QPixmap>(640, 360);
                picture->fill(QColor(30, 120, 200));
                monitor.screenshot = std::move(picture);
            }
        }
        return listed;
    }

    bool setDisplayOrientation(const MonitorInfo &monitor, int orientation) override
    {
        rotations.emplace_back(monitor.index, orientation);
        return true;
    }

    std::vector<MonitorInfo> monitors;
    int listings = 0;
    std::vector<std::pair<int, int>> rotations;
};
