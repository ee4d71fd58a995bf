#include "ui/dialogs/diagnosis/DiagnosisReport.h"

#include "support/QtPrinters.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

// The report's lines, with its two colours written as "!{failure}" and "+{success}".
QStringList markedLines(const DiagnosisReport &report)
{
    QString text = report.html();
    text.replace(QStringLiteral("<span style='color:#F54A45;'>"), QStringLiteral("!{"));
    text.replace(QStringLiteral("<span style='color:#34C724;'>"), QStringLiteral("+{"));
    text.replace(QStringLiteral("</span>"), QStringLiteral("}"));
    return text.split(QStringLiteral("<br>"));
}

MonitorInfo monitor(int index, const char *name, QRect systemRect, bool primary)
{
    MonitorInfo info;
    info.index = index;
    info.deviceName = name;
    info.identifier = "QZD1601";
    info.systemMonitorRect = systemRect;
    info.desktopRect = QRect(0, 0, 4480, 1440);
    info.primary = primary;
    return info;
}

} // namespace

TEST(DiagnosisReport, TheDriverLineFollowsTheStatusBitsAndTheInstalledLibraries)
{
    const struct {
        const char *os;
        std::uint32_t status; // 1 pointer, 2 keyboard, 4 Wintab clients
        bool found64;
        const char *line;
    } cases[] = {
        {"Windows 10 10.0.19045  x86_64", 7, true,
         "Driver Status: +{Pointer OK}, +{Keyboard OK}, +{Wintab OK}, Nibwire.dll x86 0.1.0 , Nibwire.dll x64 0.2.0 "},
        {"Windows 10 10.0.19045  x86_64", 7, false,
         "Driver Status: +{Pointer OK}, +{Keyboard OK}, !{Wintab x64 failure}, Nibwire.dll x86 0.1.0 , !{Nibwire.dll x64 not found}"},
        {"Windows 10 10.0.19045  x86_64", 3, true,
         "Driver Status: +{Pointer OK}, +{Keyboard OK}, !{Wintab x86 failure}, Nibwire.dll x86 0.1.0 , Nibwire.dll x64 0.2.0 "},
        {"Windows 10 10.0.19045  i386", 6, false,
         "Driver Status: !{Pointer failure}, +{Keyboard OK}, +{Wintab OK}, Nibwire.dll x86 0.1.0 , !{Nibwire.dll x64 not found}"},
        // The architecture ends the description; at its start it does not count.
        {"x86_64", 5, false,
         "Driver Status: +{Pointer OK}, !{Keyboard failure}, +{Wintab OK}, Nibwire.dll x86 0.1.0 , !{Nibwire.dll x64 not found}"},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.line);
        DiagnosisReport report;
        report.osDescription = QLatin1String(entry.os);
        report.driverStatus = entry.status;
        report.library32 = {true, QStringLiteral("0.1.0")};
        report.library64 = {entry.found64, entry.found64 ? QStringLiteral("0.2.0") : QString()};
        EXPECT_EQ(markedLines(report), (QStringList{QStringLiteral("OS: ") + QLatin1String(entry.os), QLatin1String(entry.line)}));
    }
}

TEST(DiagnosisReport, AWindows10KernelOfBuild22000OrLaterIsWindows11)
{
    const struct {
        const char *type, *version, *kernel, *description;
    } cases[] = {
        {"windows", "10", "10.0.22631", "Windows 11 10.0.22631  x86_64"},
        {"windows", "10", "10.0.22000", "Windows 11 10.0.22000  x86_64"},
        {"windows", "10", "10.0.19045", "Windows 10 10.0.19045  x86_64"},
        {"windows", "8.1", "6.3.22000", "Windows 8.1 6.3.22000  x86_64"},
        {"windows", "10", "10.0.22631.1", "Windows 10 10.0.22631.1  x86_64"},
        {"windows", "10", "10.0.2263x", "Windows 10 10.0.2263x  x86_64"},
        {"osx", "10.15", "19.6.0", "macOS 10.15 19.6.0  x86_64"},
    };
    for (const auto &entry : cases) {
        EXPECT_EQ(DiagnosisReport::describeOs(QLatin1String(entry.type), QLatin1String(entry.version),
                                              QLatin1String(entry.kernel), QStringLiteral("x86_64")),
                  QLatin1String(entry.description));
    }
}

TEST(DiagnosisReport, TheDeviceAndEachScreenHaveALineOfTheirOwnWithEscapedTexts)
{
    DiagnosisReport report;
    report.osDescription = QStringLiteral("Windows <10>");
    report.monitors = {monitor(0, "\\\\.\\DISPLAY1", QRect(0, 0, 2560, 1440), true),
                       monitor(1, "<i>2</i>", QRect(-1920, 120, 1920, 1080), false)};
    EXPECT_EQ(markedLines(report).value(2), QStringLiteral("Screen: [desktop] {0,0,4480x1440}"));

    TabletDeviceInfo device;
    device.product = "<b>Pen</b> & \"%1\"";
    device.productId = 0x5;
    device.string23 = "QZP6-A%2";
    device.maximumX = 30480;
    device.maximumY = 20320;
    report.device = device;
    const QStringList lines = markedLines(report);
    EXPECT_EQ(lines.front(), QStringLiteral("OS: Windows &lt;10&gt;"));
    EXPECT_EQ(lines.mid(2), (QStringList{
            QStringLiteral("Device: &lt;b&gt;Pen&lt;/b&gt; &amp; &quot;%1&quot;, 0x05, [ver]{QZP6-A%2}, [size]{30480 x 20320}"),
            QStringLiteral("Screen: [desktop] {0,0,4480x1440}"),
            QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;screen-1 [name] {\\\\.\\DISPLAY1} [code] {QZD1601} [rect] {0,0,2560x1440} {primary}"),
            QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;screen-2 [name] {&lt;i&gt;2&lt;/i&gt;} [code] {QZD1601} [rect] {-1920,120,1920x1080} ")}));
}
