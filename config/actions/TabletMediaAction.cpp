#include "config/actions/TabletMediaAction.h"

#include <utility>

TabletMediaAction::TabletMediaAction(QString tip, std::uint32_t event)
    : TabletAction(Media, QStringLiteral("media"), std::move(tip))
    , event(event)
{
}

QString TabletMediaAction::displayText() const
{
    switch (event) {
    case BrowserBack:
        return tr("Browser Back");
    case BrowserForward:
        return tr("Browser Forward");
    case BrowserRefresh:
        return tr("Browser Refresh");
    case BrowserHome:
        return tr("Browser Home");
    case PreviousTrack:
        return tr("Previous Track");
    case NextTrack:
        return tr("Next Track");
    case PlayPause:
        return tr("Play/Pause");
    case VolumeMute:
        return tr("Volume Mute");
    case VolumeDown:
        return tr("Volume -");
    case VolumeUp:
        return tr("Volume +");
    default:
        return tr("Unknown");
    }
}
