#include "ui/dialogs/display/VDDCControlDlg.h"

#include "engine/ddc/MccsCodes.h"
#include "engine/ddc/SimulatedDDCInterface.h"
#include "ui/dialogs/messages/VTipMsgboxDlg.h"
#include "ui/widgets/VTitleBar.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace {

using namespace MccsCodes;

// Two simulated monitors, the second one behind the device name \\.\DISPLAY2. The monitors'
// pauses can be held on other threads; those on the window's thread are counted.
class VDDCControlDlgTest : public testing::Test
{
protected:
    VDDCControlDlgTest()
    {
        DdcMonitorAccess access;
        access.createInterface = [this] {
            ++interfacesMade;
            return std::make_shared<SimulatedDDCInterface>(monitors, [this](std::chrono::milliseconds) { pause(); });
        };
        // \\.\DISPLAY5 is known to the system, but DDC/CI reaches no fifth monitor.
        access.displayIndex = [](const std::string &name) {
            return name == "\\\\.\\DISPLAY2" ? 1 : name == "\\\\.\\DISPLAY5" ? 4 : -1;
        };
        VDDCControlDlg::setMonitorAccess(access);
    }
    ~VDDCControlDlgTest() override
    {
        holdPauses(false);
        VDDCControlDlg::setMonitorAccess({});
    }

    void pause()
    {
        if (std::this_thread::get_id() == windowThread) {
            ++pausesOnTheWindowsThread;
            return;
        }
        std::unique_lock<std::mutex> lock(gate);
        opened.wait(lock, [this] { return !holding; });
    }
    void holdPauses(bool hold)
    {
        {
            std::lock_guard<std::mutex> lock(gate);
            holding = hold;
        }
        opened.notify_all();
    }

    // The monitor reaches `value` for `code` while the window's events run, or the test fails.
    void expectValueSoon(std::uint8_t code, std::uint32_t value, SimulatedDdcMonitor &monitor)
    {
        for (int round = 0; round < 500 && monitor.value(code) != value; ++round)
            QTest::qWait(10);
        EXPECT_EQ(monitor.value(code), value) << "code " << int(code);
    }

    template <typename T>
    T *child(const char *name)
    {
        return dialog.findChild<T *>(QLatin1String(name));
    }

    std::vector<std::shared_ptr<SimulatedDdcMonitor>> monitors{std::make_shared<SimulatedDdcMonitor>(),
                                                               std::make_shared<SimulatedDdcMonitor>()};
    SimulatedDdcMonitor &monitor = *monitors[0];
    const std::thread::id windowThread = std::this_thread::get_id();
    std::atomic<int> pausesOnTheWindowsThread{0};
    int interfacesMade = 0;
    std::mutex gate;
    std::condition_variable opened;
    bool holding = false;
    VDDCControlDlg dialog;
};

} // namespace

TEST_F(VDDCControlDlgTest, OpensWithThePresetTheMonitorReports)
{
    const struct {
        std::uint32_t vcpValue;
        const char *checked;
        bool gains;
    } rows[] = {{kPresetUser1, "radioUser1", true}, {kPreset6500K, "radio65K", false}, {2, nullptr, false}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.vcpValue);
        monitor.setValue(kSelectColorPreset, row.vcpValue, 11);
        VDDCControlDlg opened;
        ASSERT_TRUE(opened.bindMonitor(0));
        for (QRadioButton *radio : opened.findChildren<QRadioButton *>())
            EXPECT_EQ(radio->isChecked(), row.checked && radio->objectName() == QLatin1String(row.checked))
                    << radio->objectName().toStdString();
        EXPECT_EQ(opened.findChild<QSlider *>(QStringLiteral("sliderR"))->isEnabled(), row.gains);
    }
}

TEST_F(VDDCControlDlgTest, EachPresetButtonChoosesItsPresetAndOnlyUserUnlocksTheGains)
{
    const struct {
        const char *radio;
        std::uint32_t vcpValue;
    } rows[] = {{"radioUser1", kPresetUser1}, {"radiosRGB", kPresetSrgb},   {"radio50K", kPreset5000K},
                {"radio65K", kPreset6500K},   {"radio75K", kPreset7500K},   {"radio93K", kPreset9300K}};
    ASSERT_TRUE(dialog.bindMonitor(0));
    for (const auto &row : rows) {
        SCOPED_TRACE(row.radio);
        child<QRadioButton>(row.radio)->click();
        EXPECT_EQ(monitor.value(kSelectColorPreset), row.vcpValue);
        EXPECT_TRUE(child<QRadioButton>(row.radio)->isChecked());
        for (const char *gain : {"sliderR", "sliderG", "sliderB"})
            EXPECT_EQ(child<QSlider>(gain)->isEnabled(), row.vcpValue == kPresetUser1);
    }
}

// Values of 0 included: they were read, not missing.
TEST_F(VDDCControlDlgTest, CancelEscapeAndTheCloseButtonWriteTheOpeningValuesBack)
{
    const std::pair<const char *, std::function<void(VDDCControlDlg &)>> closings[] = {
        {"Cancel", [](VDDCControlDlg &d) { d.findChild<QPushButton *>(QStringLiteral("btnCancel"))->click(); }},
        {"Escape", [](VDDCControlDlg &d) { QTest::keyClick(&d, Qt::Key_Escape); }},
        {"close button", [](VDDCControlDlg &d) { d.findChild<QPushButton *>(QStringLiteral("close"))->click(); }},
    };
    for (const auto &[what, close] : closings) {
        SCOPED_TRACE(what);
        const std::pair<std::uint8_t, std::uint32_t> opening[] = {
            {kBrightness, 0}, {kContrast, 30}, {kSelectColorPreset, kPresetUser1},
            {kRedGain, 0},    {kGreenGain, 40}, {kBlueGain, 60}};
        for (const auto &[code, value] : opening)
            monitor.setValue(code, value, code == kSelectColorPreset ? 11 : 100);
        VDDCControlDlg adjusted;
        ASSERT_TRUE(adjusted.bindMonitor(0));
        adjusted.show();
        for (const char *name : {"sliderBrightness", "sliderContrast", "sliderR", "sliderG", "sliderB"})
            adjusted.findChild<QSlider *>(QLatin1String(name))->setValue(80);
        expectValueSoon(kBlueGain, 80, monitor);
        adjusted.findChild<QRadioButton *>(QStringLiteral("radio93K"))->click();

        close(adjusted);

        EXPECT_FALSE(adjusted.isVisible());
        EXPECT_EQ(adjusted.result(), int(QDialog::Rejected));
        for (const auto &[code, value] : opening)
            EXPECT_EQ(monitor.value(code), value) << "code " << int(code);
    }
}

TEST_F(VDDCControlDlgTest, EveryWayOfMovingASliderWritesTheMonitorAGainOf0Included)
{
    monitor.setValue(kSelectColorPreset, kPresetUser1, 11);
    ASSERT_TRUE(dialog.bindMonitor(0));
    dialog.show();
    auto *brightness = child<QSlider>("sliderBrightness");
    auto *red = child<QSlider>("sliderR");
    const std::pair<const char *, std::function<void()>> moves[] = {
        {"key", [brightness] { QTest::keyClick(brightness, Qt::Key_Right); }},
        {"wheel",
         [brightness] {
             QWheelEvent wheel(QPointF(10, 10), brightness->mapToGlobal(QPoint(10, 10)), QPoint(), QPoint(0, 120),
                               Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
             QApplication::sendEvent(brightness, &wheel);
         }},
        {"groove click",
         [brightness] { QTest::mouseClick(brightness, Qt::LeftButton, {}, QPoint(brightness->width() - 2, 16)); }},
        {"drag",
         [brightness] {
             brightness->setSliderDown(true);
             brightness->setSliderPosition(5);
             brightness->setSliderDown(false);
         }},
    };
    for (const auto &[what, move] : moves) {
        SCOPED_TRACE(what);
        const int before = brightness->value();
        move();
        EXPECT_NE(brightness->value(), before);
        expectValueSoon(kBrightness, std::uint32_t(brightness->value()), monitor);
    }
    red->setSliderDown(true);
    red->setSliderPosition(0);
    red->setSliderDown(false);
    expectValueSoon(kRedGain, 0, monitor);
}

TEST_F(VDDCControlDlgTest, ASliderMovingNeverWaitsForTheMonitorWhichGetsOnlyTheLatestValue)
{
    ASSERT_TRUE(dialog.bindMonitor(0));
    auto *brightness = child<QSlider>("sliderBrightness");
    holdPauses(true);
    brightness->setValue(10);
    expectValueSoon(kBrightness, 10, monitor);
    for (int value = 11; value <= 60; ++value)
        brightness->setValue(value);
    EXPECT_EQ(pausesOnTheWindowsThread, 0);
    holdPauses(false);
    expectValueSoon(kBrightness, 60, monitor);
    std::vector<std::uint32_t> written;
    for (const SimulatedDdcMonitor::VcpWrite &write : monitor.writes())
        written.push_back(write.value);
    EXPECT_EQ(written, (std::vector<std::uint32_t>{10, 60}));
}

TEST_F(VDDCControlDlgTest, DefaultRestoresTheFactoryColoursAndRereadsEveryGroup)
{
    monitor.setValue(kSelectColorPreset, kPresetUser1, 11);
    monitor.setValue(kRedGain, 10, 100);
    monitor.setValue(kBrightness, 70, 100);
    ASSERT_TRUE(dialog.bindMonitor(0));
    monitor.setValue(kBrightness, 20, 100);

    child<QPushButton>("btnDefault")->click();

    EXPECT_EQ(monitor.writes().back().code, kRestoreFactoryColorDefaults);
    EXPECT_EQ(child<QSlider>("sliderR")->value(), 50);
    EXPECT_EQ(child<QSlider>("sliderBrightness")->value(), 20);
    EXPECT_TRUE(child<QRadioButton>("radio65K")->isChecked());
    EXPECT_FALSE(child<QSlider>("sliderR")->isEnabled());
}

TEST_F(VDDCControlDlgTest, ConfirmWritesTheLastValueAndMakesTheMonitorStoreIt)
{
    ASSERT_TRUE(dialog.bindMonitor(0));
    dialog.show();
    holdPauses(true);
    child<QSlider>("sliderContrast")->setValue(10);
    child<QSlider>("sliderContrast")->setValue(90);
    holdPauses(false);
    child<QPushButton>("btnConfirm")->click();
    EXPECT_EQ(monitor.savedValue(kContrast), 90u);
    EXPECT_EQ(dialog.result(), int(QDialog::Accepted));
}

TEST_F(VDDCControlDlgTest, AMonitorWithoutBrightnessLeavesOnlyCancel)
{
    monitor.setFailingCode(kBrightness, true);
    ASSERT_TRUE(dialog.bindMonitor(0));
    EXPECT_EQ(child<VTitleBar>("ddcdWidgetTitle")->title(), QStringLiteral("*DDC/CI - Display adapter/slot not supported"));
    for (const char *name : {"groupBoxBrightness", "groupBoxColorTemp", "groupBoxRGBGain", "btnConfirm", "btnDefault"})
        EXPECT_FALSE(child<QWidget>(name)->isEnabled()) << name;
    EXPECT_TRUE(child<QPushButton>("btnCancel")->isEnabled());
}

TEST_F(VDDCControlDlgTest, OpensTheDisplayWhoseDeviceNameMatches)
{
    monitors[1]->setValue(kBrightness, 77, 100);
    MonitorInfo second;
    second.index = 0;
    second.deviceName = "\\\\.\\DISPLAY2";
    int shown = -1;
    QTimer::singleShot(0, &dialog, [this, &shown] {
        shown = child<QSlider>("sliderBrightness")->value();
        child<QPushButton>("btnCancel")->click();
    });
    dialog.openMonitor(second);
    EXPECT_EQ(shown, 77);
}

TEST_F(VDDCControlDlgTest, ADisplayNotFoundOrNotAnsweringOpensNothingAndATipSaysSo)
{
    const struct {
        const char *what;
        const char *deviceName;
        int interfaces;
    } rows[] = {
        {"no display of that name", "\\\\.\\DISPLAY7", 0},
        {"no answer over DDC/CI", "\\\\.\\DISPLAY5", 1},
    };
    VTipMsgboxDlg::createInstance();
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        VTipMsgboxDlg::instance()->slotShowMessage(QString());
        interfacesMade = 0;
        MonitorInfo monitor;
        monitor.deviceName = row.deviceName;

        dialog.openMonitor(monitor);

        EXPECT_EQ(interfacesMade, row.interfaces);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(VTipMsgboxDlg::instance()->text(),
                  QStringLiteral("The display could not be found; its picture cannot be adjusted."));
    }
    EXPECT_FALSE(dialog.openMonitorAt(2));
}
