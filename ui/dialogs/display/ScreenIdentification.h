#pragma once

#include "engine/display/MonitorInfo.h"

#include <memory>
#include <vector>

class VScreenDetectDlg;

// Identifies the monitors: each shows its number, from 1 in list order, for two seconds. The
// number windows belong to this object and go with it, so a dialog that keeps one as a member
// leaves no window behind.
class ScreenIdentification
{
public:
    ScreenIdentification();
    ~ScreenIdentification();

    ScreenIdentification(const ScreenIdentification &) = delete;
    ScreenIdentification &operator=(const ScreenIdentification &) = delete;

    // Shows the numbers over the monitors' system rectangles (where the system places windows);
    // does nothing while the numbers of the last call still show.
    void identify(const std::vector<MonitorInfo> &monitors);

    std::vector<VScreenDetectDlg *> windows() const;

private:
    std::vector<std::unique_ptr<VScreenDetectDlg>> numberWindows;
};
