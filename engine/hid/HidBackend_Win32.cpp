#include "engine/hid/HidBackend_Win32.h"

#include "engine/hid/HidHandle_Win32.h"
#include "engine/hid/HidSdi_Win32.h"

#include <setupapi.h>

#include <cstddef>
#include <cwchar>

namespace {

class DeviceInfoList
{
public:
    explicit DeviceInfoList(const GUID &interfaceClass)
        : list(SetupDiGetClassDevsW(&interfaceClass, nullptr, nullptr,
                                    DIGCF_PRESENT | DIGCF_DEVICEINTERFACE))
    {
    }
    ~DeviceInfoList()
    {
        if (isValid())
            SetupDiDestroyDeviceInfoList(list);
    }
    DeviceInfoList(const DeviceInfoList &) = delete;
    DeviceInfoList &operator=(const DeviceInfoList &) = delete;

    bool isValid() const { return list != INVALID_HANDLE_VALUE; }
    HDEVINFO get() const { return list; }

private:
    const HDEVINFO list;
};

std::string narrowText(const wchar_t *text, std::size_t length)
{
    if (length == 0 || length > 0x7FFFFFFF)
        return std::string();
    const int size =
            WideCharToMultiByte(CP_THREAD_ACP, 0, text, int(length), nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return std::string();
    std::string narrow(std::size_t(size), '\0');
    WideCharToMultiByte(CP_THREAD_ACP, 0, text, int(length), &narrow[0], size, nullptr, nullptr);
    return narrow;
}

std::wstring wideText(const std::string &text)
{
    if (text.empty() || text.size() > 0x7FFFFFFF)
        return std::wstring();
    const int size =
            MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(), int(text.size()), nullptr, 0);
    if (size <= 0)
        return std::wstring();
    std::wstring wide(std::size_t(size), L'\0');
    MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(), int(text.size()), &wide[0], size);
    return wide;
}

// The interface's device path; fills `device` with the device it belongs to.
std::string interfacePath(HDEVINFO list, SP_DEVICE_INTERFACE_DATA &interfaceData,
                          SP_DEVINFO_DATA &device)
{
    DWORD required = 0;
    SetupDiGetDeviceInterfaceDetailW(list, &interfaceData, nullptr, 0, &required, nullptr);
    if (required <= sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W))
        return std::string();
    std::vector<std::uint64_t> storage((required + sizeof(std::uint64_t) - 1)
                                       / sizeof(std::uint64_t));
    auto *detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W *>(storage.data());
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
    if (!SetupDiGetDeviceInterfaceDetailW(list, &interfaceData, detail, required, nullptr, &device))
        return std::string();
    const std::size_t capacity =
            (required - offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_W, DevicePath)) / sizeof(wchar_t);
    return narrowText(detail->DevicePath, wcsnlen(detail->DevicePath, capacity));
}

// The texts of a REG_MULTI_SZ list, never looking past its end.
std::vector<std::string> multiStringParts(const std::vector<wchar_t> &list)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start < list.size() && list[start] != L'\0') {
        std::size_t end = start;
        while (end < list.size() && list[end] != L'\0')
            ++end;
        parts.push_back(narrowText(&list[start], end - start));
        start = end + 1;
    }
    return parts;
}

std::vector<std::string> hardwareIds(HDEVINFO list, SP_DEVINFO_DATA &device)
{
    DWORD type = 0;
    DWORD required = 0;
    SetupDiGetDeviceRegistryPropertyW(list, &device, SPDRP_HARDWAREID, &type, nullptr, 0,
                                      &required);
    if (required == 0)
        return {};
    std::vector<wchar_t> ids(required / sizeof(wchar_t) + 1, L'\0');
    if (!SetupDiGetDeviceRegistryPropertyW(list, &device, SPDRP_HARDWAREID, &type,
                                           reinterpret_cast<BYTE *>(ids.data()), required, nullptr)
        || type != REG_MULTI_SZ)
        return {};
    return multiStringParts(ids);
}

bool queryDevice(HANDLE handle, HidAttributes &attributes, HidCapabilities &capabilities)
{
    PHIDP_PREPARSED_DATA preparsed = nullptr;
    if (!HidD_GetPreparsedData(handle, &preparsed))
        return false;
    HIDD_ATTRIBUTES systemAttributes{};
    systemAttributes.Size = sizeof systemAttributes;
    HIDP_CAPS systemCapabilities{};
    const bool described = HidD_GetAttributes(handle, &systemAttributes)
            && HidP_GetCaps(preparsed, &systemCapabilities) == HIDP_STATUS_SUCCESS;
    HidD_FreePreparsedData(preparsed);
    if (!described)
        return false;
    attributes.vendorId = systemAttributes.VendorID;
    attributes.productId = systemAttributes.ProductID;
    capabilities.usagePage = systemCapabilities.UsagePage;
    capabilities.inputReportLength = systemCapabilities.InputReportByteLength;
    capabilities.outputReportLength = systemCapabilities.OutputReportByteLength;
    return true;
}

} // namespace

std::vector<HidInterface> HidBackend_Win32::enumerateInterfaces()
{
    GUID hidClass;
    HidD_GetHidGuid(&hidClass);
    const DeviceInfoList list(hidClass);
    if (!list.isValid())
        return {};
    std::vector<HidInterface> found;
    SP_DEVICE_INTERFACE_DATA interfaceData{};
    interfaceData.cbSize = sizeof interfaceData;
    for (DWORD i = 0;
         SetupDiEnumDeviceInterfaces(list.get(), nullptr, &hidClass, i, &interfaceData); ++i) {
        SP_DEVINFO_DATA device{};
        device.cbSize = sizeof device;
        const std::string path = interfacePath(list.get(), interfaceData, device);
        if (!path.empty())
            found.push_back({path, hardwareIds(list.get(), device)});
    }
    return found;
}

std::unique_ptr<IHidHandle> HidBackend_Win32::open(const std::string &path)
{
    const std::wstring widePath = wideText(path);
    if (widePath.empty())
        return nullptr;
    const HANDLE handle = CreateFileW(widePath.c_str(), GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_OVERLAPPED, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return nullptr;
    HidAttributes attributes;
    HidCapabilities capabilities;
    if (!queryDevice(handle, attributes, capabilities)) {
        CloseHandle(handle);
        return nullptr;
    }
    return std::make_unique<HidHandle_Win32>(handle, attributes, capabilities);
}
