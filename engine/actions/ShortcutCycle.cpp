#include "engine/actions/ShortcutCycle.h"

QString ShortcutCycle::current(const QStringList &tools) const
{
    if (tools.isEmpty())
        return QString();
    const auto found = next.find(tools);
    const int index = found == next.end() ? 0 : found->second;
    return tools.value(index < tools.size() ? index : 0);
}

void ShortcutCycle::advance(const QStringList &tools)
{
    if (tools.isEmpty())
        return;
    int &index = next[tools];
    index = index + 1 >= tools.size() ? 0 : index + 1;
}
