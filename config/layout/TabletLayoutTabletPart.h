#pragma once

#include "config/layout/TabletLayoutComponent.h"

#include <QRect>
#include <QString>

#include <cstdint>
#include <vector>

struct TabletLayoutTabletPart
{
    std::uint16_t vid = 0;
    std::uint16_t pid = 0;
    QString model;
    // The tablet's active area on the picture.
    QRect workRect;
    // In file order.
    std::vector<TabletLayoutComponentPtr> components;
};
