#include "engine/display/PenDisplayCodes.h"

// A pen display's EDID product code is the USB product id of its tablet interface.
const std::vector<std::string> &penDisplayCodes()
{
    static const std::vector<std::string> codes = {
        "ZLV1201", "ZLV1301", "ZLV1302", "ZLV1331", "ZLV1561", "ZLV1601",
        "ZLV1602", "ZLV2201", "ZLV2202", "ZLV2401", "ZLV2701", "ZLV3201",
    };
    return codes;
}
