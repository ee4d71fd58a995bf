#pragma once

#include <QIcon>
#include <QString>

// A running or chosen program as the application picker and the foreground detection see it.
struct ProcessEntry
{
    QString name;
    // Full path of the executable.
    QString path;
    // Null unless whoever listed the program gave it one.
    QIcon icon;
};
