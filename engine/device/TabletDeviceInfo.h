#pragma once

#include <cstdint>
#include <string>

// Identity and capabilities of one tablet, read once when the device is opened and copied
// freely afterwards. Texts are narrow: the tablet's indexed strings carry one byte per
// character and device paths are converted with the ANSI code page.
struct TabletDeviceInfo
{
    std::string product;           // indexed string 2
    std::string path;              // device path, lower case as enumerated
    std::string string3;           // indexed string 3
    std::string string23;          // indexed string 23, empty when the tablet has none
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint32_t maximumX = 0;
    std::uint32_t maximumY = 0;
    std::uint16_t coordinateWidth = 0; // bytes per coordinate in pen reports
    std::uint16_t maximumPressure = 0;
    std::uint16_t valueA = 0;
    std::uint16_t valueB = 2;
    std::uint16_t keyCount = 0;     // express keys
    std::uint16_t valueC = 0;
    std::uint16_t valueD = 0;
    std::uint16_t dialKeyCount = 0; // express keys that act as a dial
    bool penDisplay = false;
    // Set for the one model with nine or more express keys whose highest keys still act as
    // its dial; the model table decides which model that is.
    bool keysActAsDialModel = false;
};
