#pragma once

#include "config/actions/TabletAction.h"

// A key combination such as "Ctrl+Z" (mode 0) or a text typed literally (mode 1).
class TabletKeyboardAction : public TabletAction
{
    Q_DECLARE_TR_FUNCTIONS(TabletKeyboardAction)

public:
    enum Mode : int {
        KeyCombination = 0,
        TypedText = 1,
    };

    TabletKeyboardAction(QString tip, QString text, int mode);

    QString displayText() const override;
    bool typesText() const { return mode == TypedText; }

    const QString text;
    const int mode;
};
