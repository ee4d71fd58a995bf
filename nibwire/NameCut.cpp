#include "nibwire/NameCut.h"

namespace NameCut {

std::size_t fittingLength(const char *text, std::size_t length, std::size_t maxBytes,
                          std::size_t maxCharacters, const LeadBytePredicate &isLeadByte)
{
    // Only a walk from the start tells lead bytes from trail bytes, which may take the same
    // values.
    std::size_t end = 0;
    std::size_t characters = 0;
    while (end < length && characters < maxCharacters) {
        const bool lead = isLeadByte(static_cast<unsigned char>(text[end]));
        if (lead && end + 1 >= length)
            break;
        const std::size_t next = end + (lead ? 2 : 1);
        if (next > maxBytes)
            break;
        end = next;
        ++characters;
    }
    return end;
}

} // namespace NameCut
