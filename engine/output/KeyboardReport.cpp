#include "engine/output/KeyboardReport.h"

namespace {

constexpr std::uint8_t KeyboardCollection = 4;

struct ModifierMapping
{
    std::uint32_t eventModifier;
    std::uint8_t reportBit;
};

constexpr ModifierMapping modifierMappings[] = {
    {KeyboardEvent::Shift, KeyboardReport::Shift},
    {KeyboardEvent::Ctrl, KeyboardReport::Ctrl},
    {KeyboardEvent::Win, KeyboardReport::Win},
    {KeyboardEvent::Alt, KeyboardReport::Alt},
};

std::uint8_t lowByte(std::int32_t key)
{
    return static_cast<std::uint8_t>(static_cast<std::uint32_t>(key) & 0xFFu);
}

} // namespace

std::uint8_t KeyboardReport::modifierBits(std::uint32_t eventModifiers)
{
    std::uint8_t bits = 0;
    for (const ModifierMapping &mapping : modifierMappings) {
        if (eventModifiers & mapping.eventModifier)
            bits |= mapping.reportBit;
    }
    return bits;
}

std::uint8_t KeyboardReport::stickyAfter(std::uint8_t sticky, const KeyboardEvent &event)
{
    if (!event.isModifierOnly())
        return sticky;
    const std::uint8_t bits = modifierBits(event.modifiers);
    return event.pressed ? static_cast<std::uint8_t>(sticky | bits)
                         : static_cast<std::uint8_t>(sticky & ~bits);
}

HidOutputReport KeyboardReport::build(const KeyboardEvent &event, std::uint8_t sticky)
{
    HidOutputReport report{};
    report[0] = HidOutputReportId;
    report[1] = SubType;
    report[2] = KeyboardCollection;
    if (!event.pressed)
        return report;
    const std::uint8_t own = modifierBits(event.modifiers);
    report[3] = event.modifiers == 0 ? sticky : own;
    report[5] = lowByte(event.key1);
    report[6] = lowByte(event.key2);
    return report;
}
