#include "engine/PenDisplayCodes.h"

const std::vector<std::string> &penDisplayCodes()
{
    static const std::vector<std::string> codes = {
        "ZLV1301", "ZLV1302", "ZLV1331", "ZLV1561", "ZLV1562", "ZLV1601",
        "ZLV2151", "ZLV2201", "ZLV2202", "ZLV2401", "ZLV2701", "ZLV3201",
    };
    return codes;
}
