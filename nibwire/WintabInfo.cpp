#include "nibwire/WintabInfo.h"

#include <cstring>

namespace WintabInfo {

namespace {

constexpr std::uint32_t kNameBytesNarrow = LCNAMELEN;
constexpr std::uint32_t kNameBytesWide = LCNAMELEN * 2;

std::uint32_t nameBytes(Text text)
{
    return text == Text::Wide ? kNameBytesWide : kNameBytesNarrow;
}

void writeBytes(void *output, const void *data, std::size_t size)
{
    std::memcpy(output, data, size);
}

std::uint32_t writeU32(void *output, std::uint32_t value)
{
    if (output)
        writeBytes(output, &value, sizeof value);
    return 4;
}

std::uint32_t writeU16(void *output, std::uint16_t value)
{
    if (output)
        writeBytes(output, &value, sizeof value);
    return 2;
}

std::uint32_t writeByte(void *output, std::uint8_t value)
{
    if (output)
        writeBytes(output, &value, 1);
    return 1;
}

std::uint32_t writeAxes(void *output, const AXIS *axes, std::size_t count)
{
    const std::uint32_t size = std::uint32_t(count * sizeof(AXIS));
    if (output)
        writeBytes(output, axes, size);
    return size;
}

// Writes text with its terminator (at most 40 characters including it) and returns the bytes
// written.
std::uint32_t writeText(void *output, const char *text, Text width)
{
    std::size_t length = std::strlen(text);
    if (length > LCNAMELEN - 1)
        length = LCNAMELEN - 1;
    if (width == Text::Narrow) {
        auto *out = static_cast<char *>(output);
        std::memcpy(out, text, length);
        out[length] = '\0';
        return std::uint32_t(length + 1);
    }
    auto *out = static_cast<unsigned char *>(output);
    for (std::size_t i = 0; i <= length; ++i) {
        const char16_t c = i < length ? char16_t(static_cast<unsigned char>(text[i])) : u'\0';
        std::memcpy(out + i * 2, &c, 2);
    }
    return std::uint32_t(2 * (length + 1));
}

std::uint32_t interfaceItem(std::uint32_t index, void *output, Text text)
{
    switch (index) {
    case 0:
        return text == Text::Wide ? 112 : 72;
    case IFC_WINTABID:
        if (!output)
            return nameBytes(text);
        return writeText(output, "WINTAB", text);
    case IFC_SPECVERSION:
    case IFC_IMPLVERSION:
        return writeU16(output, 0x0104);
    case IFC_NDEVICES:
        return writeU32(output, 1);
    case IFC_NCURSORS:
        return writeU32(output, 2);
    case IFC_NCONTEXTS:
        return writeU32(output, 16);
    case IFC_CTXOPTIONS:
        return writeU32(output, CXO_MARGIN | CXO_MGNINSIDE | CXO_CSRMESSAGES | CXO_MESSAGES | CXO_PEN
                                    | CXO_SYSTEM);
    case IFC_CTXSAVESIZE:
    case IFC_NEXTENSIONS:
        return output ? 0 : 4;
    case IFC_NMANAGERS:
        return writeU32(output, 1);
    default:
        return 0;
    }
}

std::uint32_t statusItem(std::uint32_t index, void *output, const Sources &sources)
{
    switch (index) {
    case 0:
        return 32;
    case STA_CONTEXTS:
        return writeU32(output, sources.openContexts);
    case STA_SYSCTXS:
    case STA_MANAGERS:
    case STA_SYSTEM:
        return writeU32(output, 1);
    case STA_PKTRATE:
        return writeU32(output, 200);
    case STA_PKTDATA:
        return writeU32(output, PK_BUTTONS | PK_X | PK_Y);
    case STA_BUTTONUSE:
    case STA_SYSBTNUSE:
        return writeU32(output, 7);
    default:
        return 0;
    }
}

std::uint32_t contextItem(std::uint32_t index, void *output, Text text, const LOGCONTEXTA &context,
                          const LOGCONTEXTW &wide)
{
    if (index == 0) {
        if (text == Text::Narrow) {
            if (output)
                writeBytes(output, &context, sizeof context);
            return sizeof(LOGCONTEXTA);
        }
        if (output)
            writeBytes(output, &wide, sizeof wide);
        return sizeof(LOGCONTEXTW);
    }
    if (index == CTX_NAME) {
        if (output) {
            if (text == Text::Narrow)
                writeBytes(output, context.lcName, kNameBytesNarrow);
            else
                writeBytes(output, wide.lcName, kNameBytesWide);
        }
        return nameBytes(text);
    }
    if (index <= CTX_MAX) {
        if (output) {
            const auto *fields = reinterpret_cast<const unsigned char *>(&context.lcOptions);
            writeBytes(output, fields + (index - CTX_OPTIONS) * 4, 4);
        }
        return 4;
    }
    return 0;
}

constexpr std::uint32_t kResolution5080 = 0x13D80000;
constexpr std::uint32_t kResolution3600 = 0x0E100000;

std::uint32_t deviceItem(std::uint32_t index, void *output, Text text, const LOGCONTEXTA &context)
{
    switch (index) {
    case 0:
        return text == Text::Wide ? 336 : 296;
    case DVC_NAME:
        if (!output)
            return nameBytes(text);
        std::memset(output, 0, nameBytes(text));
        return writeText(output, "Generic Tablet", text);
    case DVC_HARDWARE:
        return writeU32(output, HWC_HARDPROX | HWC_PHYSID_CURSORS);
    case DVC_NCSRTYPES:
        return writeU32(output, 2);
    case DVC_FIRSTCSR:
        return writeU32(output, 1);
    case DVC_PKTRATE:
        return writeU32(output, context.lcPktRate);
    case DVC_PKTDATA:
        return writeU32(output, context.lcPktData);
    case DVC_PKTMODE:
        return writeU32(output, context.lcPktMode);
    case DVC_CSRDATA:
        return writeU32(output, 1024);
    case DVC_XMARGIN:
        return writeU32(output, 0);
    case DVC_YMARGIN:
        return writeU32(output, 125);
    case DVC_ZMARGIN:
        return writeU32(output, 1);
    case DVC_X: {
        const AXIS axis{0, context.lcInExtX, TU_INCHES, kResolution5080};
        return writeAxes(output, &axis, 1);
    }
    case DVC_Y: {
        const AXIS axis{0, context.lcInExtY, TU_INCHES, kResolution5080};
        return writeAxes(output, &axis, 1);
    }
    case DVC_Z:
        if (!output)
            return sizeof(AXIS);
        std::memset(output, 0, sizeof(AXIS));
        return 0;
    case DVC_NPRESSURE: {
        const AXIS axis{0, 8191, TU_NONE, 0};
        return writeAxes(output, &axis, 1);
    }
    case DVC_ORIENTATION: {
        const AXIS axes[3] = {{0, 3600, TU_CIRCLE, kResolution3600},
                              {0, 900, TU_CIRCLE, kResolution3600},
                              {0, 0, TU_NONE, 0}};
        return writeAxes(output, axes, 3);
    }
    case DVC_ROTATION:
        return output ? 0 : 3 * sizeof(AXIS);
    default:
        return 0;
    }
}

std::uint32_t cursorItem(std::uint32_t cursor, std::uint32_t index, void *output, Text text)
{
    switch (index) {
    case 0:
        return 2048;
    case CSR_NAME:
        if (!output)
            return nameBytes(text);
        if (cursor == 0) {
            std::memset(output, 0, nameBytes(text));
            return 0;
        }
        return writeText(output, cursor == 1 ? "Pressure Stylus" : "Eraser", text);
    case CSR_ACTIVE:
        return writeU32(output, 1);
    case CSR_PKTDATA:
        return writeU32(output, 0x15FF);
    case CSR_BUTTONS:
        return writeByte(output, 3);
    case CSR_BUTTONBITS:
        return writeByte(output, 7);
    case CSR_BTNNAMES: {
        constexpr std::uint32_t size = 41;
        if (output) {
            auto *out = static_cast<char *>(output);
            std::memset(out, 0, size);
            std::memcpy(out, "Lower Barrel Button", 19);
            std::memcpy(out + 20, "Upper Barrel Button", 19);
        }
        return size;
    }
    case CSR_BUTTONMAP: {
        unsigned char map[32];
        for (int i = 0; i < 32; ++i)
            map[i] = static_cast<unsigned char>(i);
        if (output)
            writeBytes(output, map, sizeof map);
        return sizeof map;
    }
    case CSR_SYSBTNMAP: {
        unsigned char map[32] = {1, 4, 7};
        if (output)
            writeBytes(output, map, sizeof map);
        return sizeof map;
    }
    case CSR_NPBUTTON:
        return cursor == 1 ? writeByte(output, 0) : 0;
    case CSR_NPBTNMARKS: {
        if (cursor != 1)
            return 0;
        const std::uint32_t marks[2] = {0, 1};
        if (output)
            writeBytes(output, marks, sizeof marks);
        return sizeof marks;
    }
    case CSR_NPRESPONSE: {
        std::uint32_t response[256];
        for (std::uint32_t i = 0; i < 256; ++i)
            response[i] = i;
        if (output)
            writeBytes(output, response, sizeof response);
        return sizeof response;
    }
    case CSR_PHYSID:
        return writeU32(output, 0xF00 + cursor);
    case CSR_TYPE:
        if (cursor == 0)
            return 0;
        return writeU32(output, cursor == 1 ? 0x822 : 0x82A);
    default:
        return 0;
    }
}

} // namespace

std::uint32_t answer(std::uint32_t category, std::uint32_t index, void *output, Text text,
                     const Sources &sources)
{
    LOGCONTEXTA noContext;
    std::memset(&noContext, 0, sizeof noContext);
    LOGCONTEXTW noWideContext;
    std::memset(&noWideContext, 0, sizeof noWideContext);
    const LOGCONTEXTA &context = sources.defaultContext ? *sources.defaultContext : noContext;
    const LOGCONTEXTW &wide
            = sources.wideDefaultContext ? *sources.wideDefaultContext : noWideContext;
    switch (category) {
    case 0:
        return 2048;
    case WTI_INTERFACE:
        return interfaceItem(index, output, text);
    case WTI_STATUS:
        return statusItem(index, output, sources);
    // The default contexts of device 0 (the only device) are the library's default contexts.
    case WTI_DEFCONTEXT:
    case WTI_DEFSYSCTX:
    case WTI_DDCTXS:
    case WTI_DSCTXS:
        return contextItem(index, output, text, context, wide);
    case WTI_DEVICES:
        return deviceItem(index, output, text, context);
    case WTI_CURSORS:
    case WTI_CURSORS + 1:
    case WTI_CURSORS + 2:
        return cursorItem(category - WTI_CURSORS, index, output, text);
    default:
        return 0;
    }
}

} // namespace WintabInfo
