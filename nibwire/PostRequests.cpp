#include "nibwire/PostRequests.h"

#include "nibwire/WintabTypes.h"

namespace PostRequests {

bool isPostedMessage(std::uint32_t message)
{
    return message == WT_PACKET || message == WT_PROXIMITY || message == WT_CSRCHANGE;
}

std::optional<PostMessageRecord> postable(const std::uint8_t *bytes, std::size_t length)
{
    PostMessageRecord record{};
    if (!bytes || !decodePostMessageRecord(bytes, length, record))
        return std::nullopt;
    if (record.message == kIgnoredMessage || record.window == 0
        || !isPostedMessage(record.message))
        return std::nullopt;
    return record;
}

} // namespace PostRequests
