#include "config/actions/TabletAction.h"

#include <utility>

TabletAction::TabletAction(int type, QString typeName, QString tip)
    : type(type)
    , typeName(std::move(typeName))
    , tip(std::move(tip))
{
}

TabletAction::~TabletAction() = default;

QString TabletAction::displayText() const
{
    return typeName;
}
