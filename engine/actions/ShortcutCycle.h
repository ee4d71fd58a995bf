#pragma once

#include "engine/actions/ControlBinding.h"

#include <QStringList>

#include <map>
#include <utility>

// The custom tool's round of shortcut texts: which text a tool list sends next. Kept by the
// engine rather than in the action, which is shared and never changes; kept per binding and
// list, so that two controls bound to equal lists each go their own round, and a configuration
// handed over again (with new action objects) goes on where the round was. A list that was
// changed starts again at its first text.
class ShortcutCycle
{
public:
    // The text that `tools` bound at `binding` sends next; empty for an empty list.
    QString current(const ControlBinding &binding, const QStringList &tools) const;
    // That text, and the round moves on to the next one, back to the first after the last.
    QString take(const ControlBinding &binding, const QStringList &tools);

private:
    using Round = std::pair<ControlBinding, QStringList>;

    std::map<Round, int> next;
};
