#pragma once

#include <QString>

// The command line that starts a program, or opens a document, through the command
// interpreter: the path stays one argument whatever spaces it holds.
QString programCommandLine(const QString &path);
