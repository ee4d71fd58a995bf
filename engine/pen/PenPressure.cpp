#include "engine/pen/PenPressure.h"

namespace {

constexpr std::uint32_t kHalvedDeviceMaximum = 16383;

void dropPressure(TabletPenPacket &packet)
{
    packet.pressure = 0;
    // 0xA1 becomes 0xA0; 0xC0 stays.
    packet.status &= ~0x0Fu;
}

// Below the threshold the pen counts as hovering.
bool belowActivation(std::uint32_t pressure, double threshold, std::uint32_t scale)
{
    if (scale == 0)
        return false;
    return threshold > static_cast<double>(pressure) / scale;
}

void shapeMeasuredPressure(TabletPenPacket &packet, const PenPressureSettings &settings,
                           std::uint32_t maximumPressure, const PressureLookup &baseTable,
                           const PressureLookup &configuredTable)
{
    std::uint32_t pressure = packet.pressure;
    if (maximumPressure == kHalvedDeviceMaximum)
        pressure >>= 1;
    pressure = baseTable(pressure);
    if (pressure != 0)
        pressure = configuredTable(pressure);
    else
        packet.status = TabletPenPacket::Hovering;
    packet.pressure = static_cast<std::uint16_t>(pressure);

    if (belowActivation(pressure, settings.activationThreshold,
                        PenPressure::pressureScale(maximumPressure))) {
        packet.pressure = 0;
        packet.status = TabletPenPacket::Hovering;
    }
}

} // namespace

PenPressureSettings PenPressureSettings::fromConfigure(const TabletConfigure &configure)
{
    PenPressureSettings settings;
    settings.capacity = configure.pen.capacity;
    settings.tilt = configure.common.tilt;
    settings.activationThreshold = configure.pen.curve.start.x();
    settings.edgeFactors = EdgeFactors::fromMapping(configure.mapping);
    return settings;
}

std::uint32_t PenPressure::pressureScale(std::uint32_t maximumPressure)
{
    return maximumPressure == kHalvedDeviceMaximum ? maximumPressure >> 1 : maximumPressure;
}

void PenPressure::processPenPressure(TabletPenPacket &packet,
                                     const PenPressureSettings &settings,
                                     const PenDeviceLimits &device,
                                     const PressureLookup &baseTable,
                                     const PressureLookup &configuredTable)
{
    if (settings.capacity == PenPressureSettings::NoPressure)
        dropPressure(packet);
    if (!settings.tilt) {
        packet.tiltX = 0;
        packet.tiltY = 0;
    }
    if (packet.pressure != 0) {
        if (settings.capacity == PenPressureSettings::FullOnContact) {
            packet.pressure = device.maximumPressure;
            packet.status = TabletPenPacket::TipDown;
        } else {
            shapeMeasuredPressure(packet, settings, device.maximumPressure, baseTable,
                                  configuredTable);
        }
    }
    if (device.penDisplay)
        EdgeCorrection::correctPosition(packet.x, packet.y, device.maximumX, device.maximumY,
                                        settings.edgeFactors);
}
