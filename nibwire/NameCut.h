#pragma once
// Where a context name in a code page of single- and double-byte characters may be cut to fit its
// field: never between the two bytes of one character.
#include <cstddef>
#include <functional>

namespace NameCut {

using LeadBytePredicate = std::function<bool(unsigned char)>;

// The length of the longest head of `text` (its first `length` bytes) with at most `maxBytes`
// bytes and `maxCharacters` characters that ends on a character's end. A lead byte makes a
// character with the byte after it; a lead byte with nothing after it is no character and is
// left out.
std::size_t fittingLength(const char *text, std::size_t length, std::size_t maxBytes,
                          std::size_t maxCharacters, const LeadBytePredicate &isLeadByte);

} // namespace NameCut
