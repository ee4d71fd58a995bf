#pragma once

#include "engine/device/TabletDeviceInfo.h"

#include <cstddef>
#include <cstdint>
#include <string>

// How the identity record is read out of the tablet's indexed strings. The device code asks
// the tablet for the strings; these functions only interpret the bytes it got back.
namespace TabletIdentity {

// Text of an indexed string: the low byte of each whole UTF-16 unit, at most 64 units, up to
// the first unit whose low byte is 0. Never reads beyond `size` bytes.
std::string indexedStringText(const std::uint8_t *bytes, std::size_t size);

// Coordinate width from the raw bytes of indexed string 22: 3 when byte 2 is nonzero, else 2.
std::uint16_t coordinateWidthFromString22(const std::uint8_t *bytes, std::size_t size);

// Number of bytes a feature block of coordinate width `width` needs.
std::size_t featureBlockSize(std::uint16_t width);

// Fills the maxima, the key counts and values A to D of `info` from the raw bytes of indexed
// string 20, laid out by `info.coordinateWidth`. False, leaving `info` unchanged, when the width
// is not 1 to 3 or the block is too short.
bool readFeatureBlock(const std::uint8_t *block, std::size_t size, TabletDeviceInfo &info);

bool isPenDisplayProduct(std::uint16_t productId);

// The model of a tablet that reports `product` as its product string: that string, except for
// the model that reports another model's string and is told apart by its product id.
std::string modelName(const std::string &product, std::uint16_t productId);

// Whether the model's highest express keys are the buttons of its dials.
bool keysActAsDial(const std::string &model);

// Renames the product of `info` to its model and sets its dial-key flag; the product name and
// the product id must already be read.
void applyModelTable(TabletDeviceInfo &info);

} // namespace TabletIdentity
