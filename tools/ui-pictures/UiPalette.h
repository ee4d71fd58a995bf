#pragma once

#include <QColor>
#include <QStringList>

// The settings window's palette and font stack, as its style sheets use them.
namespace UiPalette {

inline const QColor kAccent{0x3B, 0x99, 0xFE};
inline const QColor kAccentStrong{0x13, 0x67, 0xFE};
inline const QColor kAccentTint{0xEB, 0xF5, 0xFF};
inline const QColor kPanel{0xF4, 0xF4, 0xF4};
inline const QColor kSurface{0xFF, 0xFF, 0xFF};
inline const QColor kBorder{0xDE, 0xE0, 0xE3};
inline const QColor kText{0x1F, 0x23, 0x29};
inline const QColor kSecondaryText{0x64, 0x6A, 0x73};
inline const QColor kDisabled{0xBB, 0xBF, 0xC4};
inline const QColor kError{0xF5, 0x4A, 0x45};

inline QStringList fontFamilies()
{
    return {QStringLiteral("Microsoft YaHei"), QStringLiteral("Segoe UI"),
            QStringLiteral("Noto Sans"), QStringLiteral("Noto Sans CJK SC"),
            QStringLiteral("Tahoma")};
}

} // namespace UiPalette
