#pragma once

#include "config/actions/TabletAction.h"

#include <QString>

#include <vector>

// One dial function: the actions of a turn to the left and of a turn to the right; either may be
// empty.
struct DialActionEntry
{
    TabletActionPtr left;
    TabletActionPtr right;
};

// What the dial action dialog edits: the functions of one dial, under a name that titles it.
struct DialActionSelection
{
    QString name;
    // In order; the dialog shows the first four.
    std::vector<DialActionEntry> entries;
    // The caller's number for the dial, carried through unchanged.
    int number = 0;
};
