#include "ui/dialogs/diagnosis/VDiagnoseDlg.h"

#include "app/MainWindow.h"
#include "config/configure/ConfigureStore.h"
#include "config/packets/TabletComponentPacketWrapper.h"
#include "config/packets/TabletPenPacketWrapper.h"
#include "config/support/IsolatedDataLocation.h"
#include "engine/hid/simulated/SimulatedHidBus.h"
#include "engine/support/SimulatedTablet.h"
#include "support/QtPrinters.h"

#include <QApplication>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

QString text(VDiagnoseDlg &dialog, const char *box)
{
    return dialog.findChild<QTextEdit *>(QLatin1String(box))->toPlainText();
}

QVariant penData(std::uint32_t status, std::uint8_t button2, std::uint8_t button1)
{
    TabletPenPacketWrapper wrapper(TabletPenPacket(status, 1200, 3400, 560, 0, 0, button2, button1, 0), {});
    wrapper.trace = {10, 20, -30, 40, 50, 60};
    return QVariant::fromValue(wrapper);
}

template <typename Packet>
QVariant componentData(const Packet &packet)
{
    return QVariant::fromValue(TabletComponentPacketWrapper(packet));
}

} // namespace

TEST(VDiagnoseDlg, TheDataBoxShowsTheLastPenPositionOrControlEventWhileShown)
{
    const char *const pen = "Pen x:1200 y:3400 p:560 b:%1\nInput ix:10 iy:20 ex:-30 ey:40 wx:50 wy:60";
    const struct {
        bool shown;
        QVariant data;
        QString text;
    } cases[] = {
        {true, penData(TabletPenPacket::TipDown, 1, 0), QString::fromLatin1(pen).arg(2)},
        {true, penData(TabletPenPacket::Hovering, 1, 1), QString::fromLatin1(pen).arg(1)},
        {true, penData(TabletPenPacket::Hovering, 0, 0), QString::fromLatin1(pen).arg(0)},
        {true, penData(TabletPenPacket::OutOfRange, 0, 0), QStringLiteral("before")},
        {true, componentData(TabletKeyPacket(3, 1, 0)), QStringLiteral("Key id:3 pressed")},
        {true, componentData(TabletKeyPacket(0, 0, 0)), QStringLiteral("Key id:0 release")},
        {true, componentData(TabletDialPacket(1, 1)), QStringLiteral("Dial id:1 left")},
        {true, componentData(TabletDialPacket(2, 2)), QStringLiteral("Dial id:2 right")},
        {true, componentData(TabletDialPacket(1, 0)), QStringLiteral("Dial id:1 switch")},
        {true, componentData(TabletTouchPacket(0, 5)), QStringLiteral("Touch gesture id:5")},
        {true, QVariant::fromValue(TabletComponentPacketWrapper()), QString()},
        {false, penData(TabletPenPacket::TipDown, 0, 0), QStringLiteral("before")},
        {false, componentData(TabletKeyPacket(3, 1, 0)), QStringLiteral("before")},
    };
    VDiagnoseDlg dialog;
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.text.toStdString());
        dialog.setVisible(entry.shown);
        dialog.findChild<QTextEdit *>(QStringLiteral("editData"))->setPlainText(QStringLiteral("before"));
        dialog.slotPenDataChanged(entry.data);
        dialog.slotComponentDataChanged(entry.data);
        EXPECT_EQ(text(dialog, "editData"), entry.text);
    }
}

// The dialog that the settings page makes reports on the main window's engine and follows it.
TEST(VDiagnoseDlg, ItReportsOnTheMainWindowsEngineAndFollowsItsPen)
{
    const char path[] = "\\\\?\\hid#vid_5a4c&pid_0064&mi_02#8&1111&0&0000";
    auto bus = std::make_shared<SimulatedHidBus>();
    bus->addDevice(simulatedTablet(path, "QZ-Pen 6"));
    EnginePlatform platform;
    platform.hid = bus;
    auto window = std::make_unique<MainWindow>(std::move(platform));
    VDiagnoseDlg dialog;

    dialog.updateInformation();
    EXPECT_TRUE(text(dialog, "editInfo").endsWith(QStringLiteral("\nDevice: QZ-Pen 6, 0x64, [ver]{QZP6-A}, [size]{30480 x 20320}")))
            << text(dialog, "editInfo").toStdString();

    dialog.show();
    const std::vector<std::uint8_t> tipDown = {0x09, 0x41, 0xa1, 0x98, 0x3a, 0x10, 0x27, 0x7e, 0x03, 0, 0, 0x0a, 0xfb};
    for (int attempt = 0; attempt < 200 && text(dialog, "editData").isEmpty(); ++attempt) {
        bus->feedReport(path, tipDown);
        QTest::qWait(10);
    }
    EXPECT_TRUE(text(dialog, "editData").startsWith(QStringLiteral("Pen x:15000 y:10000 p:894 b:0\nInput ix:")))
            << text(dialog, "editData").toStdString();
    window.reset();
    QApplication::processEvents();
    setCurrentConfigure(std::make_shared<TabletConfigure>());
}
