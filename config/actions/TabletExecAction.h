#pragma once

#include "config/actions/TabletAction.h"

// Starts a program.
class TabletExecAction : public TabletAction
{
    Q_DECLARE_TR_FUNCTIONS(TabletExecAction)

public:
    TabletExecAction(QString tip, QString path);

    QString displayText() const override;

    const QString path;
};
