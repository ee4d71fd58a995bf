#pragma once

// The CRC-16 of ISO 3309 (X.25: polynomial 0x1021 reflected, start and final XOR 0xFFFF),
// written out here so that the tests do not check the program's checksums with the function
// the program uses.
#include <QByteArray>

#include <cstdint>

inline std::uint16_t isoCrc16(const QByteArray &bytes)
{
    std::uint16_t crc = 0xFFFF;
    for (const char byte : bytes) {
        crc ^= std::uint8_t(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? std::uint16_t((crc >> 1) ^ 0x8408) : std::uint16_t(crc >> 1);
    }
    return std::uint16_t(crc ^ 0xFFFF);
}
