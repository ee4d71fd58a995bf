#pragma once

#include "config/layout/TabletLayout.h"

#include <QDomDocument>
#include <QRect>
#include <QString>

#include <array>

// The layout file of a model: a root of any name holding a Pen element (model; Button
// children with id and rect) and a Tablet element (model, vid, pid, workrect; Key, Dial and
// Touch children). Tag names are compared in upper case, so any letter case is accepted.

// A new layout, or an empty pointer when the file cannot be opened or is not XML.
TabletLayoutPtr readLayoutFile(const QString &path);

namespace TabletLayoutFile {

TabletLayoutPtr readDocument(const QDomDocument &document);

// "x,y,w,h" as a rectangle at (x, y) of that size; null unless there are exactly four parts.
QRect rectangle(const QString &value);

// Six numbers separated by ","; all 0 unless there are exactly six.
std::array<double, 6> radii(const QString &value);

} // namespace TabletLayoutFile
