#pragma once

#include <QString>

// The whole file (or resource) as UTF-8 text; empty when it cannot be opened.
QString readTextFile(const QString &path);
