#pragma once

#include <QColor>

// The one look of every model and pen picture: flat colours, so the pictures compress well.
namespace PictureStyle {

inline const QColor kBody{0x2b, 0x2e, 0x33};
inline const QColor kBodyEdge{0x45, 0x49, 0x50};
inline const QColor kSurface{0x36, 0x3a, 0x40};
inline const QColor kSurfaceEdge{0x4d, 0x52, 0x5a};
inline const QColor kScreen{0x16, 0x18, 0x1b};
inline const QColor kScreenEdge{0x3d, 0x42, 0x49};
inline const QColor kControl{0x40, 0x44, 0x4b};
inline const QColor kControlEdge{0x5a, 0x60, 0x69};
inline const QColor kPrinted{0x6d, 0x74, 0x7e};
inline const QColor kMark{0x8a, 0x91, 0x9b};
inline const QColor kLight{0x5a, 0xa0, 0xe6};
inline const QColor kSilver{0xa7, 0xad, 0xb5};
inline const QColor kNib{0x1c, 0x1e, 0x21};

constexpr int kBodyPadding = 18;
constexpr double kBodyRadius = 22.0;

} // namespace PictureStyle
