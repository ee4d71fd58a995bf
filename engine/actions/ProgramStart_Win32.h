#pragma once

#include <QString>

// Starts `path` through the command interpreter with its window hidden; true when the
// interpreter started (what it then does with the path is not reported back).
bool runProgram(const QString &path);

// runProgram on a thread of its own, so that the caller never waits for the start.
void runProgramDetached(const QString &path);
