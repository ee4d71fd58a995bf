#include "ipc/RecordReassembler.h"

std::vector<std::vector<std::uint8_t>> RecordReassembler::append(const std::uint8_t *bytes,
                                                                 std::size_t length)
{
    std::vector<std::vector<std::uint8_t>> records;
    if (!bytes)
        return records;
    for (std::size_t i = 0; i < length; ++i) {
        pending.push_back(bytes[i]);
        if (pending.size() == kPostMessageRecordSize) {
            records.push_back(pending);
            pending.clear();
        }
    }
    return records;
}
