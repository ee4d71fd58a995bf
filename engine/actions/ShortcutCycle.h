#pragma once

#include <QStringList>

#include <map>

// The custom tool's round of shortcut texts: which text a tool list sends next. Kept by the
// engine rather than in the action, which is shared and never changes; keyed by the list, so a
// configuration handed over again (with new action objects) goes on where the round was.
class ShortcutCycle
{
public:
    // The text that `tools` sends next; empty for an empty list.
    QString current(const QStringList &tools) const;
    // Moves on to the next text, back to the first after the last.
    void advance(const QStringList &tools);

private:
    std::map<QStringList, int> next;
};
