#pragma once

#include <QRect>

#include <cstdint>
#include <memory>

// One control of a tablet's layout (express key, dial or touch segment) with its place on the
// model's picture. Readers down-cast by `type`.
class TabletLayoutComponent
{
public:
    enum Type : std::int32_t {
        Key = 1,
        Dial = 2,
        Touch = 3,
    };

    explicit TabletLayoutComponent(std::int32_t type);
    virtual ~TabletLayoutComponent();

    const std::int32_t type;
    std::int32_t id = 0;
    // On the tablet picture, in picture pixels; null when the file gives none.
    QRect rect;
};

using TabletLayoutComponentPtr = std::shared_ptr<TabletLayoutComponent>;
