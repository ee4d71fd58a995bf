#pragma once

// Whether this process has a standard output to write to: a console, a file or a pipe that its
// starter handed over (Wine hands a shell's output to every program it starts).
bool hasStandardOutput();
