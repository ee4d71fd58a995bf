#include "config/actions/TabletMiscAction.h"

#include <utility>

namespace {

// A custom tool is named after the first few of its tools; longer lists would not fit a button label.
constexpr int kToolsShown = 3;

} // namespace

TabletMiscAction::TabletMiscAction(QString tip, std::uint32_t event, QStringList tools)
    : TabletAction(Misc, QStringLiteral("misc"), std::move(tip))
    , event(event)
    , tools(std::move(tools))
{
}

QString TabletMiscAction::displayText() const
{
    switch (event) {
    case SwitchMonitor:
        return tr("Switch Monitor");
    case PenEraser:
        return tr("Pen/Eraser");
    case CustomTool:
        return customToolText();
    case ChangeDialAction:
        return tr("Change Dial Action");
    default:
        return QString();
    }
}

QString TabletMiscAction::customToolText() const
{
    const QString shownTools = tools.mid(0, kToolsShown).join(QLatin1Char('/'));
    return shownTools.isEmpty() ? tr("Custom Tool") : shownTools;
}
