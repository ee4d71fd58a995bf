#pragma once

#include <QCoreApplication>
#include <QString>

#include <memory>

// What a pen button, an express key, a dial turn or a touch segment does when it fires.
// Actions are immutable once built and shared between bindings; readers down-cast by `type`.
class TabletAction
{
    Q_DECLARE_TR_FUNCTIONS(TabletAction)

public:
    enum Type : int {
        Keyboard = 1,
        Mouse = 2,
        Misc = 3,
        Exec = 4,
        Media = 5,
    };

    TabletAction(int type, QString typeName, QString tip);
    TabletAction(const TabletAction &) = default;
    TabletAction &operator=(const TabletAction &) = delete;
    virtual ~TabletAction();

    // The user-visible text of the action, in the interface language.
    virtual QString displayText() const;

    const int type;
    const QString typeName;
    const QString tip;
};

using TabletActionPtr = std::shared_ptr<TabletAction>;
