#pragma once

#include "ipc/WintabBridgeRecords.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Puts the 32-byte records of a byte stream back together, however the reads cut it.
class RecordReassembler
{
public:
    // Appends `length` bytes and returns every record they completed, in order, each exactly
    // kPostMessageRecordSize bytes.
    std::vector<std::vector<std::uint8_t>> append(const std::uint8_t *bytes, std::size_t length);

    std::size_t pendingBytes() const { return pending.size(); }
    void clear() { pending.clear(); }

private:
    std::vector<std::uint8_t> pending;
};
