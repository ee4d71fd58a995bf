#pragma once

#include "engine/ddc/IDDCInterface.h"
#include "engine/display/ScreenStatusListen.h"

#include <QPixmap>

#include <memory>

// The monitors of the desktop as the system's display configuration describes them, with the
// maker's pen displays recognised, display rotation and screen grabs. One per process.
class DisplayManager_Win32 : public ScreenStatusListen
{
    Q_OBJECT

public:
    static DisplayManager_Win32 *instance();

    std::vector<MonitorInfo> enumerateMonitors(bool withScreenshots) override;

    // Rotates a pen display to orientation 0..3 (quarter turns); false for any other monitor or
    // when the system refuses.
    bool setDisplayOrientation(const MonitorInfo &monitor, int orientation) override;

    // Grabs a rectangle of the desktop (width or height 0 or less: to the edge); true when a
    // picture came back.
    bool grabScreen(QPixmap &picture, int x, int y, int width, int height);

    // A new DDC/CI interface, not yet bound to a monitor: the system's, or simulated monitors
    // when QZTABLET_SIMULATED_DDC asks for them.
    std::shared_ptr<IDDCInterface> createDDCInterface();

private:
    DisplayManager_Win32() = default;
    void addScreenshots(std::vector<MonitorInfo> &monitors, const QRect &desktop);
};
