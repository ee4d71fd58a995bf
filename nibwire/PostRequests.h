#pragma once
// Which post requests from QZTablet's pipe the library passes on to a window.
#include "ipc/WintabBridgeRecords.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace PostRequests {

// A message number that the pipe may carry but that means nothing to a Wintab client.
constexpr std::uint32_t kIgnoredMessage = 1224;

// Only the messages that tell of packets and of the cursor are posted for QZTablet.
bool isPostedMessage(std::uint32_t message);

// The request in `bytes`, or nothing when it is not one whole record, names no window or asks for
// a message that is not posted.
std::optional<PostMessageRecord> postable(const std::uint8_t *bytes, std::size_t length);

} // namespace PostRequests
