#include "engine/device/TabletIdentity.h"

#include "engine/core/LittleEndian.h"

#include "config/layout/SupportedModel.h"

#include <algorithm>

namespace TabletIdentity {

namespace {

constexpr std::size_t kMaximumTextUnits = 64;
constexpr std::uint16_t kFirstPenDisplayProductId = 4097;

bool isCoordinateWidth(std::uint16_t width)
{
    return width >= 1 && width <= 3;
}

} // namespace

std::string indexedStringText(const std::uint8_t *bytes, std::size_t size)
{
    std::string text;
    const std::size_t units = std::min(size / 2, kMaximumTextUnits);
    for (std::size_t unit = 0; unit < units; ++unit) {
        const std::uint8_t lowByte = bytes[unit * 2];
        if (lowByte == 0)
            break;
        text.push_back(static_cast<char>(lowByte));
    }
    return text;
}

std::uint16_t coordinateWidthFromString22(const std::uint8_t *bytes, std::size_t size)
{
    return size > 2 && bytes[2] != 0 ? 3 : 2;
}

std::size_t featureBlockSize(std::uint16_t width)
{
    return 2 * std::size_t(width) + 9;
}

bool readFeatureBlock(const std::uint8_t *block, std::size_t size, TabletDeviceInfo &info)
{
    const std::uint16_t w = info.coordinateWidth;
    if (!isCoordinateWidth(w) || size < featureBlockSize(w))
        return false;
    const std::uint8_t *tail = block + 2 * w;
    info.maximumX = readLittleEndian(block, w);
    info.maximumY = readLittleEndian(block + w, w);
    info.maximumPressure = static_cast<std::uint16_t>(readLittleEndian(tail, 2));
    info.valueA = static_cast<std::uint16_t>(readLittleEndian(tail + 2, 2));
    info.valueB = tail[4];
    info.keyCount = tail[5];
    info.valueD = tail[6];
    info.dialKeyCount = tail[7];
    info.valueC = tail[8];
    return true;
}

bool isPenDisplayProduct(std::uint16_t productId)
{
    return productId >= kFirstPenDisplayProductId;
}

std::string modelName(const std::string &product, std::uint16_t productId)
{
    if (productId != kSharedProductId)
        return product;
    for (const SupportedModel &model : supportedModels()) {
        if (model.sharedProduct && product == model.sharedProduct)
            return model.name;
    }
    return product;
}

bool keysActAsDial(const std::string &model)
{
    for (const SupportedModel &entry : supportedModels()) {
        if (model == entry.name)
            return entry.keysActAsDial;
    }
    return false;
}

void applyModelTable(TabletDeviceInfo &info)
{
    info.product = modelName(info.product, info.productId);
    info.keysActAsDialModel = keysActAsDial(info.product);
}

} // namespace TabletIdentity
