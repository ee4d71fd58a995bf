#include "ui/dialogs/actions/TextLimit.h"

QString cutToLength(const QString &text, int limit)
{
    if (limit <= 0)
        return QString();
    if (text.size() <= limit)
        return text;
    int length = limit;
    if (text.at(length - 1).isHighSurrogate() && text.at(length).isLowSurrogate())
        --length;
    return text.left(length);
}
