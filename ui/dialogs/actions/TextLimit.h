#pragma once

#include <QString>

// The first `limit` UTF-16 units of `text`, one fewer when the cut would split a surrogate pair,
// so the text never ends in half a character.
QString cutToLength(const QString &text, int limit);
