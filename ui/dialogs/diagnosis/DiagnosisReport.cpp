#include "ui/dialogs/diagnosis/DiagnosisReport.h"

#include "engine/output/DriverInterfaceSet.h"

#include <QStringList>
#include <QSysInfo>

namespace {

constexpr int kFirstWindows11Build = 22000;

QString failure(const QString &text)
{
    return QStringLiteral("<span style='color:#F54A45;'>%1</span>").arg(text);
}

QString success(const QString &text)
{
    return QStringLiteral("<span style='color:#34C724;'>%1</span>").arg(text);
}

QString escaped(const std::string &text)
{
    return QString::fromStdString(text).toHtmlEscaped();
}

QString rectangleText(const QRect &rect)
{
    return QStringLiteral("{%1,%2,%3x%4}").arg(rect.left()).arg(rect.top()).arg(rect.width()).arg(rect.height());
}

QString libraryText(const char *bitness, const InstalledLibrary &library)
{
    const QString name = QStringLiteral("Nibwire.dll %1").arg(QLatin1String(bitness));
    if (!library.found)
        return QStringLiteral(", ") + failure(name + QStringLiteral(" not found"));
    return QStringLiteral(", %1 %2 ").arg(name, library.version.toHtmlEscaped());
}

} // namespace

QString DiagnosisReport::html() const
{
    QStringList lines{QStringLiteral("OS: ") + osDescription.toHtmlEscaped(), driverLine()};
    if (device)
        lines << deviceLine();
    lines << screenLines();
    return lines.join(QStringLiteral("<br>"));
}

QString DiagnosisReport::driverLine() const
{
    QString line = QStringLiteral("Driver Status: ");
    line += driverStatus & DriverInterfaceSet::PointerDriverOpen ? success(QStringLiteral("Pointer OK"))
                                                                 : failure(QStringLiteral("Pointer failure"));
    line += QStringLiteral(", ");
    line += driverStatus & DriverInterfaceSet::KeyboardDriverOpen ? success(QStringLiteral("Keyboard OK"))
                                                                  : failure(QStringLiteral("Keyboard failure"));
    line += QStringLiteral(", ");
    // Without a 64-bit library a 64-bit system's drawing applications get no Wintab, even when
    // 32-bit ones are connected.
    const bool x64System = osDescription.indexOf(QLatin1String("x86_64")) > 0;
    if (!(driverStatus & DriverInterfaceSet::WintabClientsPresent))
        line += failure(QStringLiteral("Wintab x86 failure"));
    else if (x64System && !library64.found)
        line += failure(QStringLiteral("Wintab x64 failure"));
    else
        line += success(QStringLiteral("Wintab OK"));
    line += libraryText("x86", library32);
    line += libraryText("x64", library64);
    return line;
}

// Texts of the device go in last, in one pass, so that a "%1" in a device's name stays as it is.
QString DiagnosisReport::deviceLine() const
{
    return QStringLiteral("Device: %1, 0x%2, [ver]{%3}, [size]{%4 x %5}")
            .arg(escaped(device->product), QStringLiteral("%1").arg(device->productId, 2, 16, QLatin1Char('0')),
                 escaped(device->string23), QString::number(device->maximumX),
                 QString::number(device->maximumY));
}

QStringList DiagnosisReport::screenLines() const
{
    QStringList lines;
    if (monitors.empty())
        return lines;
    lines << QStringLiteral("Screen: [desktop] ") + rectangleText(monitors.front().desktopRect);
    for (const MonitorInfo &monitor : monitors) {
        lines << QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;screen-%1 [name] {%2} [code] {%3} [rect] %4 %5")
                         .arg(QString::number(monitor.index + 1), escaped(monitor.deviceName),
                              escaped(monitor.identifier), rectangleText(monitor.systemMonitorRect),
                              monitor.primary ? QStringLiteral("{primary}") : QString());
    }
    return lines;
}

QString DiagnosisReport::describeOs(QString productType, QString productVersion, const QString &kernelVersion,
                                    const QString &architecture)
{
    if (!productType.isEmpty())
        productType[0] = productType[0].toUpper();
    if (productType.toUpper() == QLatin1String("OSX"))
        productType = QStringLiteral("macOS");
    const QStringList kernelParts = kernelVersion.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    bool isNumber = false;
    const int build = kernelParts.size() == 3 ? kernelParts[2].toInt(&isNumber) : 0;
    if (productVersion == QLatin1String("10") && isNumber && build >= kFirstWindows11Build)
        productVersion = QStringLiteral("11");
    return QStringLiteral("%1 %2 %3  %4").arg(productType, productVersion, kernelVersion, architecture);
}

QString DiagnosisReport::currentOs()
{
    return describeOs(QSysInfo::productType(), QSysInfo::productVersion(), QSysInfo::kernelVersion(),
                      QSysInfo::currentCpuArchitecture());
}
