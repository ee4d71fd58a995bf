#include "ui/dialogs/VMappingOptionDlg.h"

#include "OptionDialogRows.h"

#include <QLabel>
#include <QPointer>

#include <gtest/gtest.h>

using namespace OptionDialogRows;

namespace {

std::vector<MonitorInfo> twoMonitors()
{
    std::vector<MonitorInfo> monitors(2);
    monitors[0].deviceName = "\\\\.\\DISPLAY1";
    monitors[1].index = 1;
    monitors[1].deviceName = "\\\\.\\DISPLAY2";
    return monitors;
}

// Records what the dialog asks of the display side.
struct DisplaySide
{
    VMappingOptionDlg::Services services()
    {
        VMappingOptionDlg::Services given;
        given.monitors = twoMonitors;
        given.showScreenNumber = [this](int number, const MonitorInfo &monitor) {
            auto *window = new QWidget;
            window->show();
            windows.emplace_back(window);
            numbers << QStringLiteral("%1:%2").arg(number).arg(QString::fromStdString(monitor.deviceName));
            return window;
        };
        given.openColorControl = [this](QWidget *, const MonitorInfo &monitor) {
            colorControls << QString::fromStdString(monitor.deviceName);
        };
        return given;
    }

    std::vector<QPointer<QWidget>> windows;
    QStringList numbers;
    QStringList colorControls;
};

} // namespace

TEST(VMappingOptionDlg, TheColourRowIsShownForPenDisplaysAndOpensOnlyASupportedMonitorInTheList)
{
    struct Case
    {
        const char *name;
        bool penDisplay;
        bool colorSupported;
        std::uint32_t monitorIndex;
        QStringList rows;
        QString caption;
        QStringList opened;
    };
    const Case cases[] = {
        {"tablet", false, true, 1, {"Screen Identify"}, QString(), {}},
        {"unsupported screen", true, false, 1, {"Screen Identify", "Color Temperature"},
         "The target screen is not supported", {}},
        {"supported screen", true, true, 1, {"Screen Identify", "Color Temperature"}, "Adjust screen color",
         {"\\\\.\\DISPLAY2"}},
        {"index past the list", true, true, 2, {"Screen Identify", "Color Temperature"}, "Adjust screen color", {}},
    };
    for (const Case &entry : cases) {
        SCOPED_TRACE(entry.name);
        MappingOptions options;
        options.penDisplay = entry.penDisplay;
        options.colorSupported = entry.colorSupported;
        options.monitorIndex = entry.monitorIndex;
        VMappingOptionDlg dialog(options);
        DisplaySide side;
        dialog.setServices(side.services());
        EXPECT_EQ(titles(dialog), entry.rows);
        if (VRichItem *color = row(dialog, QStringLiteral("Color Temperature"))) {
            EXPECT_EQ(color->findChild<QLabel *>(QStringLiteral("riLabelCaption"))->text(), entry.caption);
            EXPECT_EQ(color->isEnabled(), entry.colorSupported);
            activate(color);
        }
        EXPECT_EQ(side.colorControls, entry.opened);
    }
}

TEST(VMappingOptionDlg, IdentifyingWhileTheNumbersShowMakesNoSecondSetAndLaterReplacesThem)
{
    VMappingOptionDlg dialog(MappingOptions{});
    DisplaySide side;
    dialog.setServices(side.services());
    VRichItem *identify = row(dialog, QStringLiteral("Screen Identify"));
    activate(identify);
    activate(identify);
    EXPECT_EQ(side.numbers, (QStringList{"1:\\\\.\\DISPLAY1", "2:\\\\.\\DISPLAY2"}));

    for (const QPointer<QWidget> &window : side.windows)
        window->hide();
    activate(identify);
    EXPECT_EQ(side.numbers.size(), 4);
    EXPECT_FALSE(side.windows[0]) << "the hidden set is deleted";
    EXPECT_FALSE(side.windows[1]);
    EXPECT_TRUE(side.windows[2]);
}

TEST(VMappingOptionDlg, TheRecordComesBackWholeAndNumbersStillShowingOutliveTheDialog)
{
    MappingOptions options;
    options.rotation = 3;
    options.monitorIndex = 1;
    options.kx = 1.1;
    options.monitorRect = QRect(0, 0, 1920, 1080);
    options.deviceMaximumX = 32767;
    DisplaySide side;
    {
        VMappingOptionDlg dialog(options);
        dialog.setServices(side.services());
        activate(row(dialog, QStringLiteral("Screen Identify")));
        const MappingOptions back = dialog.options();
        EXPECT_EQ(back.rotation, 3);
        EXPECT_EQ(back.monitorIndex, 1u);
        EXPECT_EQ(back.kx, 1.1);
        EXPECT_EQ(back.monitorRect, QRect(0, 0, 1920, 1080));
        EXPECT_EQ(back.deviceMaximumX, 32767);
    }
    ASSERT_TRUE(side.windows[0]);
    side.windows[0]->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(side.windows[0]) << "a number that hides after its dialog went is deleted then";
    EXPECT_TRUE(side.windows[1]);
    delete side.windows[1].data();
}
