#include "config/actions/TabletExecAction.h"

#include <utility>

TabletExecAction::TabletExecAction(QString tip, QString path)
    : TabletAction(Exec, QStringLiteral("exec"), std::move(tip))
    , path(std::move(path))
{
}

QString TabletExecAction::displayText() const
{
    return tr("Execute") + QStringLiteral(": ") + path;
}
