#pragma once

// Readable values in GoogleTest failure messages for the Qt types the tests compare.
#include <QString>

#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
