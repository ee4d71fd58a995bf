#pragma once

#include "config/actions/TabletAction.h"

#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

// Bindings keyed by button, key or touch-event number; an entry may hold no action.
using ActionMap = std::map<std::uint16_t, TabletActionPtr>;

// Control points of the pressure curve, each coordinate 0..1.
struct PressureCurve
{
    QPointF start{0.0, 0.0};
    QPointF middle{0.5, 0.5};
    QPointF end{1.0, 1.0};
};

bool operator==(const PressureCurve &a, const PressureCurve &b);
bool operator!=(const PressureCurve &a, const PressureCurve &b);

struct PenConfigure
{
    static constexpr std::int32_t kMinStep = 1;
    static constexpr std::int32_t kMaxStep = 9;
    static constexpr std::uint32_t kMaxCapacity = 2;

    // The relative-mode speed step as stored in a file: 1..9.
    static std::int32_t clampStep(std::uint16_t stored);
    // A capacity option outside 0..2 falls back to 0.
    static std::uint32_t clampCapacity(std::uint32_t stored);

    PressureCurve curve;
    bool curveEnabled = false;
    bool appHotkeys = false;
    ActionMap buttons;
    bool ink = true;
    bool relative = false;
    std::int32_t step = 5;
    bool gameSupport = false;
    std::uint32_t capacity = 0;
};

// The actions of the two turning directions of a dial: `first` is the one stored as "left".
struct ActionPair
{
    ActionPair() = default;
    ActionPair(TabletActionPtr first, TabletActionPtr second);

    TabletActionPtr first;
    TabletActionPtr second;
};

struct DialConfigure
{
    std::vector<ActionPair> pairs;
    // The pair that the dial runs now.
    std::uint16_t index = 0;
};

struct HotkeyConfigure
{
    ActionMap keys;
    ActionMap virtualKeys;
    std::map<std::uint16_t, DialConfigure> dials;
    // Keyed by the touch event number.
    ActionMap touches;
    bool appHotkeys = false;
    bool hasKeys = false;
    bool hasDial = false;
    bool dialSensitivity = true;
    bool hasTouch = false;
};

struct MappingConfigure
{
    static constexpr double kDefaultScale = 1.0;
    static constexpr double kMinScale = 0.0;
    static constexpr double kMaxScale = 1.2;

    // A scale factor as stored in a file: 0.0..1.2; a value that is not a finite number is
    // malformed and gives the default.
    static double clampScale(double stored);

    std::uint32_t screenIndex = 0;
    QRect absRect;
    QRect part;
    QSize desktopSize{-1, -1};
    QRect dpiRect;
    QRect dpiDesktopRect;
    double kx = kDefaultScale;
    double ky = kDefaultScale;
    double kcx = kDefaultScale;
    double kcy = kDefaultScale;
    std::uint32_t flag = 0;
    std::array<std::uint8_t, 7> code{};
    std::uint32_t id = 0;
    std::int32_t rotation = 0;
    // The used part of the tablet surface, in percent of each axis.
    QRect workArea{0, 0, 100, 100};
};

bool operator==(const MappingConfigure &a, const MappingConfigure &b);
bool operator!=(const MappingConfigure &a, const MappingConfigure &b);

struct CommonConfigure
{
    static constexpr std::uint32_t kLanguageNotChosen = 255;

    std::uint32_t language = kLanguageNotChosen;
    bool tilt = true;
    bool pressureOff = false;
    bool clickOff = false;
    bool orientation = true;
    bool message = true;
    bool hotkeySync = false;
    bool log = false;
};

bool operator==(const CommonConfigure &a, const CommonConfigure &b);
bool operator!=(const CommonConfigure &a, const CommonConfigure &b);

// The whole configuration of one tablet model. Copies share their actions, which never change.
struct TabletConfigure
{
    std::uint16_t version = 0;
    QString model;
    std::uint16_t vid = 0;
    std::uint16_t pid = 0;
    bool display = false;
    PenConfigure pen;
    HotkeyConfigure hotkey;
    MappingConfigure mapping;
    CommonConfigure common;
};

using TabletConfigurePtr = std::shared_ptr<TabletConfigure>;

// The configuration that the settings pages edit. Holds a default configuration from start-up
// on. GUI thread only.
TabletConfigurePtr currentConfigure();
void setCurrentConfigure(TabletConfigurePtr configure);
