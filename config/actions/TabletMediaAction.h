#pragma once

#include "config/actions/TabletAction.h"

#include <cstdint>

// A media or browser key; event 1..10, 0 when undefined.
class TabletMediaAction : public TabletAction
{
    Q_DECLARE_TR_FUNCTIONS(TabletMediaAction)

public:
    enum Event : std::uint32_t {
        Undefined = 0,
        BrowserBack = 1,
        BrowserForward = 2,
        BrowserRefresh = 3,
        BrowserHome = 4,
        PreviousTrack = 5,
        NextTrack = 6,
        PlayPause = 7,
        VolumeMute = 8,
        VolumeDown = 9,
        VolumeUp = 10,
    };
    static constexpr std::uint32_t kLastEvent = VolumeUp;

    TabletMediaAction(QString tip, std::uint32_t event);

    QString displayText() const override;

    const std::uint32_t event;
};
