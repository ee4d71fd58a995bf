#include "ui/dialogs/options/VMappingOptionDlg.h"

#include "ui/dialogs/display/VScreenDetectDlg.h"
#include "ui/dialogs/options/OptionDialogRows.h"

#include <QLabel>
#include <QPointer>

#include <gtest/gtest.h>

using namespace OptionDialogRows;

namespace {

std::vector<MonitorInfo> twoMonitors()
{
    std::vector<MonitorInfo> monitors(2);
    monitors[0].deviceName = "\\\\.\\DISPLAY1";
    monitors[0].systemMonitorRect = QRect(0, 0, 1920, 1080);
    monitors[1].index = 1;
    monitors[1].deviceName = "\\\\.\\DISPLAY2";
    monitors[1].systemMonitorRect = QRect(1920, 0, 1280, 1024);
    return monitors;
}

// Records what the dialog asks of the display side.
struct DisplaySide
{
    VMappingOptionDlg::Services services()
    {
        VMappingOptionDlg::Services given;
        given.monitors = twoMonitors;
        given.openColorControl = [this](QWidget *, const MonitorInfo &monitor) {
            colorControls << QString::fromStdString(monitor.deviceName);
        };
        return given;
    }

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

// Each number where the monitor shows it: its text and the window's place on the desktop.
QStringList shownNumbers(const VMappingOptionDlg &dialog)
{
    QStringList shown;
    for (VScreenDetectDlg *window : dialog.screenNumbers()) {
        if (window->isVisible())
            shown << QStringLiteral("%1@%2,%3").arg(window->numberText()).arg(window->x()).arg(window->y());
    }
    return shown;
}

std::vector<QPointer<VScreenDetectDlg>> guarded(const std::vector<VScreenDetectDlg *> &windows)
{
    return std::vector<QPointer<VScreenDetectDlg>>(windows.begin(), windows.end());
}

TEST(VMappingOptionDlg, IdentifyingWhileTheNumbersShowMakesNoSecondSetAndLaterReplacesThem)
{
    VMappingOptionDlg dialog(MappingOptions{});
    DisplaySide side;
    dialog.setServices(side.services());
    VRichItem *identify = row(dialog, QStringLiteral("Screen Identify"));
    activate(identify);
    const std::vector<QPointer<VScreenDetectDlg>> first = guarded(dialog.screenNumbers());
    activate(identify);
    EXPECT_EQ(shownNumbers(dialog), (QStringList{"1@800,712", "2@2400,656"}));
    EXPECT_EQ(guarded(dialog.screenNumbers()), first);

    for (VScreenDetectDlg *window : dialog.screenNumbers())
        window->hide();
    activate(identify);
    EXPECT_EQ(shownNumbers(dialog).size(), 2);
    EXPECT_FALSE(first[0]) << "the hidden set is deleted";
    EXPECT_FALSE(first[1]);
}

TEST(VMappingOptionDlg, TheRecordComesBackWholeAndTheNumbersGoWithTheDialog)
{
    MappingOptions options;
    options.rotation = 3;
    options.monitorIndex = 1;
    options.kx = 1.1;
    options.monitorRect = QRect(0, 0, 1920, 1080);
    options.deviceMaximumX = 32767;
    DisplaySide side;
    std::vector<QPointer<VScreenDetectDlg>> numbers;
    {
        VMappingOptionDlg dialog(options);
        dialog.setServices(side.services());
        activate(row(dialog, QStringLiteral("Screen Identify")));
        numbers = guarded(dialog.screenNumbers());
        const MappingOptions back = dialog.options();
        EXPECT_EQ(back.rotation, 3);
        EXPECT_EQ(back.monitorIndex, 1u);
        EXPECT_EQ(back.kx, 1.1);
        EXPECT_EQ(back.monitorRect, QRect(0, 0, 1920, 1080));
        EXPECT_EQ(back.deviceMaximumX, 32767);
    }
    ASSERT_EQ(numbers.size(), 2u);
    for (const QPointer<VScreenDetectDlg> &number : numbers)
        EXPECT_FALSE(number) << "a number still showing goes with its dialog";
}
