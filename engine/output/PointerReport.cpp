#include "engine/output/PointerReport.h"

#include <algorithm>

namespace {

constexpr std::uint8_t AbsoluteMouseCollection = 1;
constexpr std::uint8_t PenCollection = 2;
constexpr std::uint8_t RelativeMouseCollection = 3;
constexpr std::uint8_t LeavingState = 0xC0;
constexpr int MaxRelativeMotion = 127;

HidOutputReport emptyReport(std::uint8_t subType, std::uint8_t collection)
{
    HidOutputReport report{};
    report[0] = HidOutputReportId;
    report[1] = subType;
    report[2] = collection;
    return report;
}

void putLittleEndian16(HidOutputReport &report, std::size_t at, std::uint32_t value)
{
    report[at] = static_cast<std::uint8_t>(value & 0xFFu);
    report[at + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFFu);
}

std::uint8_t lowByte(std::uint32_t value)
{
    return static_cast<std::uint8_t>(value & 0xFFu);
}

bool holdsTip(int mode)
{
    return mode == 1 || mode == 3;
}

std::uint32_t buttonCodeOf(const MousePointerEvent &event, int mode)
{
    return event.pressed ? event.button : static_cast<std::uint32_t>(mode);
}

} // namespace

HidOutputReport PointerReport::pen(const DigitizerPointerEvent &event, int mode)
{
    HidOutputReport report = emptyReport(PenReport, PenCollection);
    putLittleEndian16(report, 4, event.x);
    putLittleEndian16(report, 6, event.y);
    if (event.status == LeavingState || event.leave) {
        report[3] = Leaving;
        return report;
    }
    std::uint8_t status = InRange | (event.status & Tip);
    std::uint16_t pressure = event.pressure & PressureMask;
    if (event.eraser) {
        status |= Eraser;
        if (pressure != 0)
            status |= ErasingContact;
    }
    if (holdsTip(mode)) {
        pressure = PressureMask;
        status |= static_cast<std::uint8_t>(mode);
    }
    report[3] = status;
    putLittleEndian16(report, 8, pressure);
    report[10] = lowByte(event.tiltX);
    report[11] = lowByte(event.tiltY);
    return report;
}

HidOutputReport PointerReport::absoluteMouse(const MousePointerEvent &event, int mode,
                                             bool buttonsSwapped)
{
    HidOutputReport report = emptyReport(AbsoluteMouseReport, AbsoluteMouseCollection);
    const MouseButtons buttons = mouseButtons(buttonCodeOf(event, mode), buttonsSwapped);
    report[3] = buttons.buttons;
    putLittleEndian16(report, 4, event.x);
    putLittleEndian16(report, 6, event.y);
    report[8] = static_cast<std::uint8_t>(buttons.wheel);
    return report;
}

HidOutputReport PointerReport::relativeMouse(const MousePointerEvent &event, int mode,
                                             bool buttonsSwapped)
{
    HidOutputReport report = emptyReport(RelativeMouseReport, RelativeMouseCollection);
    const MouseButtons buttons = mouseButtons(buttonCodeOf(event, mode), buttonsSwapped);
    report[3] = buttons.buttons;
    report[4] = static_cast<std::uint8_t>(relativeMotion(event.x));
    report[5] = static_cast<std::uint8_t>(relativeMotion(event.y));
    report[6] = static_cast<std::uint8_t>(buttons.wheel);
    return report;
}

PointerReport::MouseButtons PointerReport::mouseButtons(std::uint32_t buttonCode,
                                                        bool buttonsSwapped)
{
    MouseButtons result;
    switch (buttonCode) {
    case MousePointerEvent::Left:
        result.buttons = buttonsSwapped ? SecondaryButton : PrimaryButton;
        break;
    case MousePointerEvent::Middle:
        result.buttons = MiddleButton;
        break;
    case MousePointerEvent::Right:
        result.buttons = buttonsSwapped ? PrimaryButton : SecondaryButton;
        break;
    case MousePointerEvent::WheelUp:
        result.wheel = 1;
        break;
    case MousePointerEvent::WheelDown:
        result.wheel = -1;
        break;
    default:
        break;
    }
    return result;
}

std::int8_t PointerReport::relativeMotion(std::uint32_t motion)
{
    const std::int64_t signedMotion = static_cast<std::int32_t>(motion);
    const std::int64_t clamped = std::clamp<std::int64_t>(signedMotion, -MaxRelativeMotion,
                                                          MaxRelativeMotion);
    return static_cast<std::int8_t>(clamped);
}
