#pragma once

#include "engine/device/TabletDeviceInfo.h"
#include "engine/display/MonitorInfo.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

// One bitness of the Wintab library as the lookup found it installed: a known build and its
// version, or nothing usable.
struct InstalledLibrary
{
    bool found = false;
    QString version;
};

// The diagnosis dialog's report of the system: the operating system, the output drivers, the
// installed Wintab libraries, the connected tablet and the screens, as HTML. Texts that come
// from the tablet or the monitors are escaped, since a device may name itself anything.
class DiagnosisReport
{
public:
    QString osDescription;
    // DriverInterfaceSet's status bits.
    std::uint32_t driverStatus = 0;
    InstalledLibrary library32;
    InstalledLibrary library64;
    std::optional<TabletDeviceInfo> device;
    std::vector<MonitorInfo> monitors;

    QString html() const;

    // "<product type> <version> <kernel>  <architecture>"; a Windows 10 kernel of build 22000
    // or later is Windows 11, which still calls itself 10.
    static QString describeOs(QString productType, QString productVersion, const QString &kernelVersion,
                              const QString &architecture);
    // The same of the system this program runs on.
    static QString currentOs();

private:
    QString driverLine() const;
    QString deviceLine() const;
    QStringList screenLines() const;
};
