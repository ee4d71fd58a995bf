#include "engine/actions/ProgramCommand.h"

QString programCommandLine(const QString &path)
{
    return QStringLiteral("cmd.exe /c \"%1\"").arg(path);
}
