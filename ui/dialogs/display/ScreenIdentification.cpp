#include "ui/dialogs/display/ScreenIdentification.h"

#include "ui/dialogs/display/VScreenDetectDlg.h"

ScreenIdentification::ScreenIdentification() = default;

ScreenIdentification::~ScreenIdentification() = default;

void ScreenIdentification::identify(const std::vector<MonitorInfo> &monitors)
{
    if (!numberWindows.empty()) {
        if (numberWindows.front()->isVisible())
            return;
        numberWindows.clear();
    }
    int number = 1;
    for (const MonitorInfo &monitor : monitors) {
        auto window = std::make_unique<VScreenDetectDlg>();
        window->showOnScreen(number++, monitor.systemMonitorRect);
        numberWindows.push_back(std::move(window));
    }
}

std::vector<VScreenDetectDlg *> ScreenIdentification::windows() const
{
    std::vector<VScreenDetectDlg *> shown;
    for (const std::unique_ptr<VScreenDetectDlg> &window : numberWindows)
        shown.push_back(window.get());
    return shown;
}
