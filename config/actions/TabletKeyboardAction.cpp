#include "config/actions/TabletKeyboardAction.h"

#include <utility>

TabletKeyboardAction::TabletKeyboardAction(QString tip, QString text, int mode)
    : TabletAction(Keyboard, QStringLiteral("keyboard"), std::move(tip))
    , text(std::move(text))
    , mode(mode)
{
}

QString TabletKeyboardAction::displayText() const
{
    return text.isEmpty() ? tr("Invalid") : text;
}
