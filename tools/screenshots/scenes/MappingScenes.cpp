// The mapping page in the settings window: a tablet and a pen display, on one and on two screens,
// in English and in the longest languages.
#include "SceneSupport.h"
#include "ScreenshotScene.h"

#include "app/MainWindow.h"
#include "engine/display/ScreenStatusListen.h"
#include "engine/hid/simulated/SimulatedHidDescription.h"
#include "ui/widgets/VUnitEdit.h"

#include <QComboBox>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kMappingPage = 2;

struct SceneMonitor
{
    QRect rect;
    const char *identifier;
    bool penDisplay;
    QColor wallpaper;
};

// A desktop with a wallpaper, a task bar and one window, as a monitor's screenshot shows it.
std::shared_ptr<const QPixmap> desktopPicture(const QSize &size, const QColor &wallpaper)
{
    auto picture = std::make_shared<QPixmap>(size / 3);
    picture->fill(wallpaper);
    QPainter painter(picture.get());
    const int width = picture->width();
    const int height = picture->height();
    painter.fillRect(QRect(0, height - 14, width, 14), QColor(32, 36, 44));
    painter.fillRect(QRect(width / 6, height / 6, width / 2, height / 2), QColor(250, 250, 250));
    painter.fillRect(QRect(width / 6, height / 6, width / 2, 10), QColor(222, 224, 227));
    return picture;
}

// The displays the scene shows, listed as the display manager lists them.
class SceneDisplays : public ScreenStatusListen
{
public:
    explicit SceneDisplays(std::vector<SceneMonitor> list) : monitors(std::move(list)) {}

    std::vector<MonitorInfo> enumerateMonitors(bool withScreenshots) override
    {
        QRect desktop(0, 0, 0, 0);
        for (const SceneMonitor &monitor : monitors)
            desktop = desktop.united(monitor.rect);
        std::vector<MonitorInfo> infos;
        for (const SceneMonitor &monitor : monitors) {
            MonitorInfo info;
            info.index = int(infos.size());
            info.identifier = monitor.identifier;
            info.monitorRect = monitor.rect;
            info.systemMonitorRect = monitor.rect;
            info.desktopRect = desktop;
            info.logicalMonitorRect = monitor.rect;
            info.virtualScreenRect = desktop;
            info.penDisplay = monitor.penDisplay;
            info.penDisplaySecondFlag = monitor.penDisplay;
            info.primary = infos.empty();
            if (withScreenshots)
                info.screenshot = desktopPicture(monitor.rect.size(), monitor.wallpaper);
            infos.push_back(info);
        }
        return infos;
    }

private:
    std::vector<SceneMonitor> monitors;
};

// A tablet (QZ-Pen 6) or a pen display (QZ-Canvas 16) on the simulated bus.
SimulatedHidDevice tablet(bool penDisplay)
{
    const std::uint16_t productId = penDisplay ? 0x1100 : 0x0064;
    const QString name = penDisplay ? QStringLiteral("QZ-Canvas 16") : QStringLiteral("QZ-Pen 6");
    SimulatedHidDevice device;
    device.path = penDisplay ? "\\\\?\\hid#vid_5a4c&pid_1100&mi_02#8&3333&0&0000"
                             : "\\\\?\\hid#vid_5a4c&pid_0064&mi_02#8&1111&0&0000";
    device.hardwareIds = {penDisplay ? "HID\\VID_5A4C&PID_1100&MI_02" : "HID\\VID_5A4C&PID_0064&MI_02"};
    device.vendorId = 0x5A4C;
    device.productId = productId;
    device.usagePage = 0xFF0A;
    device.inputReportLength = 13;
    device.outputReportLength = 13;
    device.indexedStrings[2] = SimulatedHidDescription::utf16String(name);
    device.indexedStrings[3] = SimulatedHidDescription::utf16String(QStringLiteral("QZ_V1.02"));
    std::vector<std::uint8_t> block = {0x10, 0x77, 0x60, 0x4f, 0xff, 0x1f, 0xd8, 0x13, 0x02, 6, 0, 0, 0};
    block.resize(64, 0);
    device.indexedStrings[20] = block;
    device.indexedStrings[22] = {0x02, 0x00, 0x00, 0x00};
    return device;
}

const QColor kBlueWallpaper(86, 140, 196);
const QColor kGreenWallpaper(92, 150, 120);

const std::vector<SceneMonitor> kOneScreen = {{QRect(0, 0, 1920, 1080), "GSM5B7F", false, kBlueWallpaper}};
const std::vector<SceneMonitor> kTwoScreens = {{QRect(0, 0, 1920, 1080), "GSM5B7F", false, kBlueWallpaper},
                                               {QRect(1920, 0, 1920, 1080), "ZLV1601", false, kGreenWallpaper}};
const std::vector<SceneMonitor> kScreenAndPenDisplay = {
        {QRect(0, 0, 2560, 1440), "GSM5B7F", false, kBlueWallpaper},
        {QRect(2560, 360, 1920, 1080), "ZLV1601", true, kGreenWallpaper}};

// The settings window on the mapping page. With `part`, the user has chosen the second screen and
// drawn a part of it and a part of the tablet.
QWidget *mappingPage(const std::vector<SceneMonitor> &monitors, bool penDisplay, bool part, int language)
{
    prepareScene(language);

    static std::unique_ptr<SceneDisplays> displays;
    displays = std::make_unique<SceneDisplays>(monitors);
    MainWindow *window = sceneMainWindow({tablet(penDisplay)}, language, displays.get());
    window->findChild<QListWidget *>(QStringLiteral("menuMain"))->setCurrentRow(kMappingPage);
    if (part) {
        window->findChild<QComboBox *>(QStringLiteral("comboScreens"))->setCurrentIndex(1);
        const struct
        {
            const char *field;
            int value;
        } fields[] = {{"screenX", 480}, {"screenY", 270}, {"screenW", 960}, {"screenH", 540},
                      {"tabletX", 10},  {"tabletY", 10},  {"tabletW", 60},  {"tabletH", 60}};
        for (const auto &entry : fields)
            window->findChild<VUnitEdit *>(QLatin1String(entry.field))->setValue(entry.value);
    }
    return window;
}

} // namespace

QZ_SCREENSHOT_SCENE(mappingTabletOneScreen, "mapping-tablet-one-screen",
                    [] { return mappingPage(kOneScreen, false, false, kEnglish); })
QZ_SCREENSHOT_SCENE(mappingTabletTwoScreens, "mapping-tablet-two-screens",
                    [] { return mappingPage(kTwoScreens, false, true, kEnglish); })
QZ_SCREENSHOT_SCENE(mappingTabletTwoScreensGerman, "mapping-tablet-two-screens-de",
                    [] { return mappingPage(kTwoScreens, false, true, kGerman); })
QZ_SCREENSHOT_SCENE(mappingTabletTwoScreensRussian, "mapping-tablet-two-screens-ru",
                    [] { return mappingPage(kTwoScreens, false, true, kRussian); })
QZ_SCREENSHOT_SCENE(mappingTabletOneScreenJapanese, "mapping-tablet-one-screen-ja",
                    [] { return mappingPage(kOneScreen, false, false, kJapanese); })
QZ_SCREENSHOT_SCENE(mappingPenDisplayOneScreen, "mapping-pen-display-one-screen",
                    [] { return mappingPage(kOneScreen, true, false, kEnglish); })
QZ_SCREENSHOT_SCENE(mappingPenDisplayTwoScreens, "mapping-pen-display-two-screens",
                    [] { return mappingPage(kScreenAndPenDisplay, true, false, kEnglish); })
