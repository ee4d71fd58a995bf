#pragma once
// Which queued packets a retrieval call hands out and where it leaves the read index. Serials run
// from the read index up to the write counter - 1; the packet of serial s lies in ring entry
// s & 0x3FF, so with more than 1024 waiting only the newest 1024 are still there.
#include <cstdint>

namespace PacketRetrieval {

constexpr std::uint32_t kRingSize = 1024;
constexpr std::uint32_t kRingMask = kRingSize - 1;
constexpr std::uint32_t kMaxPacketsPerCall = 32;

inline std::uint32_t ringIndex(std::uint32_t serial) { return serial & kRingMask; }

// The ring entry that relative button changes are measured against.
inline std::uint32_t previousRingIndex(std::uint32_t serial) { return (serial - 1) & kRingMask; }

// Serial of the oldest packet still in the ring, and how many wait from there.
struct Waiting {
    std::uint32_t first = 0;
    std::uint32_t count = 0;
};
Waiting waiting(std::uint32_t readIndex, std::uint32_t writeCounter);

// Packets handed out from serial `first` on (count of them, formatted into the caller's buffer
// when it has one) and the read index that the call leaves behind.
struct Plan {
    std::uint32_t first = 0;
    std::uint32_t count = 0;
    std::uint32_t readIndex = 0;
};

enum class Mode { Get, Peek };

// WTPacketsGet / WTPacketsPeek. With a buffer at most 32 packets; without one Get skips up to
// maxPackets and Peek only counts them.
Plan packets(std::uint32_t readIndex, std::uint32_t writeCounter, int maxPackets, bool hasBuffer,
             Mode mode);

// WTDataGet / WTDataPeek: at most end - begin + 1 of the oldest waiting packets. valid is false
// (and the call answers 0 without touching its count) when end < begin or maxPackets <= 0.
struct DataPlan {
    bool valid = false;
    Plan plan;
};
DataPlan data(std::uint32_t readIndex, std::uint32_t writeCounter, std::uint32_t begin,
              std::uint32_t end, int maxPackets, Mode mode);

// WTPacket: a waiting serial still in the ring is handed out and every older one dropped.
struct SerialPlan {
    bool found = false;
    std::uint32_t readIndex = 0;
};
SerialPlan packet(std::uint32_t readIndex, std::uint32_t writeCounter, std::uint32_t serial);

// WTQueuePacketsEx: the oldest and newest waiting serials; found is false for an empty queue.
struct QueueSpan {
    bool found = false;
    std::uint32_t oldest = 0;
    std::uint32_t newest = 0;
};
QueueSpan queueSpan(std::uint32_t readIndex, std::uint32_t writeCounter);

} // namespace PacketRetrieval
