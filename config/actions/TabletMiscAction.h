#pragma once

#include "config/actions/TabletAction.h"

#include <QStringList>

#include <cstdint>

// Driver functions: switch the screen, toggle pen and eraser, a custom tool, change the dial action.
class TabletMiscAction : public TabletAction
{
    Q_DECLARE_TR_FUNCTIONS(TabletMiscAction)

public:
    enum Event : std::uint32_t {
        Undefined = 0,
        SwitchMonitor = 1,
        PenEraser = 2,
        CustomTool = 3,
        ChangeDialAction = 4,
    };
    static constexpr std::uint32_t kLastEvent = ChangeDialAction;

    TabletMiscAction(QString tip, std::uint32_t event, QStringList tools = {});

    QString displayText() const override;

    const std::uint32_t event;
    // Tool names of a custom tool (event 3), in their stored order.
    const QStringList tools;

private:
    QString customToolText() const;
};
