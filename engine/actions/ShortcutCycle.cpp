#include "engine/actions/ShortcutCycle.h"

QString ShortcutCycle::current(const ControlBinding &binding, const QStringList &tools) const
{
    if (tools.isEmpty())
        return QString();
    const auto found = next.find(Round(binding, tools));
    return tools.value(found == next.end() ? 0 : found->second);
}

QString ShortcutCycle::take(const ControlBinding &binding, const QStringList &tools)
{
    if (tools.isEmpty())
        return QString();
    int &index = next[Round(binding, tools)];
    const QString text = tools.value(index);
    index = index + 1 >= tools.size() ? 0 : index + 1;
    return text;
}
