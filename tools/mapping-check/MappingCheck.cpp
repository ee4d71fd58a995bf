// mapping_check: the settings window of QZTablet on Wine's monitors and a simulated tablet
// (QZTABLET_SIMULATED_HID, a description without a replay), driven through the mapping page's own
// controls. Each step prints what the page stored and where pen reports fed to the tablet land on
// the virtual HID device (0..32767 over the desktop). Run it with tools/mapping-check/run.sh.
//
// Usage: mapping_check.exe SCENARIO [PEN_DISPLAY_MONITOR]
//   tablet      screens, a part of a screen, a tablet area, rotation 90, Aspect Ratio, Save
//   all         the "All" item over every screen
//   saved       what a new start maps with, after a Save
//   pendisplay  calibration of a pen display by five pen taps (the monitor PEN_DISPLAY_MONITOR,
//               0 when not given, stands in for the pen display: Wine's monitors have no EDID)
#include "app/DataFolderCreation.h"
#include "app/MainWindow.h"
#include "config/configure/ConfigureStore.h"
#include "config/configure/TabletConfigure.h"
#include "config/layout/ModelTables.h"
#include "config/packets/PacketMetaTypes.h"
#include "engine/core/WindowsEnginePlatform_Win32.h"
#include "engine/ddc/DDCInterfaceFactory.h"
#include "engine/ddc/MccsCodes.h"
#include "engine/device/TabletDevice_Win32.h"
#include "engine/display/DisplayManager_Win32.h"
#include "engine/hid/simulated/SimulatedHidBus.h"
#include "ui/dialogs/calibration/CalibrationFactors.h"
#include "ui/dialogs/calibration/VScreenCalibrateDlg.h"
#include "ui/dialogs/display/SystemDdcMonitorAccess_Win32.h"
#include "ui/dialogs/display/VDDCControlDlg.h"
#include "ui/dialogs/display/VScreenDetectDlg.h"
#include "ui/dialogs/options/VMappingOptionDlg.h"
#include "ui/pages/VMappingPanel.h"
#include "ui/widgets/VRichItem.h"
#include "ui/widgets/VTitleBar.h"
#include "ui/widgets/VUnitEdit.h"
#include "ui/widgets/WindowHelpers.h"

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

namespace {

// Wine's monitors as the display manager lists them, with one of them marked as the model's pen
// display (its EDID code), as a real pen display would report itself.
class PenDisplayStandIn : public ScreenStatusListen
{
public:
    PenDisplayStandIn(ScreenStatusListen *system, int monitor, QString code)
        : system(system), monitor(monitor), code(std::move(code))
    {
        connect(system, &ScreenStatusListen::displayChanged, this, &ScreenStatusListen::displayChanged);
    }

    std::vector<MonitorInfo> enumerateMonitors(bool withScreenshots) override
    {
        std::vector<MonitorInfo> monitors = system->enumerateMonitors(withScreenshots);
        if (monitor >= 0 && monitor < int(monitors.size())) {
            MonitorInfo &marked = monitors[std::size_t(monitor)];
            marked.identifier = code.toStdString();
            marked.penDisplay = true;
            marked.penDisplaySecondFlag = true;
        }
        return monitors;
    }
    bool setDisplayOrientation(const MonitorInfo &info, int orientation) override
    {
        return system->setDisplayOrientation(info, orientation);
    }

private:
    ScreenStatusListen *system;
    int monitor;
    QString code;
};

void say(const QString &line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

QString rectText(const QRect &rect)
{
    return QStringLiteral("(%1, %2, %3 x %4)").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

bool waitUntil(const std::function<bool()> &done, int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > milliseconds)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    return true;
}

void settle(int milliseconds)
{
    waitUntil([] { return false; }, milliseconds);
}

// The simulated tablet's pen interface and the virtual device, found on the bus by their paths.
struct SimulatedPen
{
    std::shared_ptr<SimulatedHidBus> bus;
    std::string penPath;
    std::string virtualPath;
    int coordinateBytes = 2;
    std::uint32_t maximumX = 0;
    std::uint32_t maximumY = 0;

    void feed(std::uint8_t status, std::uint32_t x, std::uint32_t y, std::uint16_t pressure) const
    {
        std::vector<std::uint8_t> report = {9, 'A', status};
        for (const std::uint32_t value : {x, y}) {
            for (int byte = 0; byte < coordinateBytes; ++byte)
                report.push_back(std::uint8_t(value >> (8 * byte)));
        }
        report.push_back(std::uint8_t(pressure));
        report.push_back(std::uint8_t(pressure >> 8));
        bus->feedReport(penPath, report);
    }

    // Where a pen touching the tablet at (x, y) (fractions of the tablet) lands on the virtual
    // device; (-1, -1) when no report came (a pen outside the tablet area moves nothing).
    QPoint landing(double fractionX, double fractionY) const
    {
        const auto x = std::uint32_t(fractionX * maximumX);
        const auto y = std::uint32_t(fractionY * maximumY);
        const std::size_t before = bus->writtenReports(virtualPath).size();
        feed(0xA1, x, y, 0x0800);
        if (!waitUntil([&] { return bus->writtenReports(virtualPath).size() > before; }, 3000))
            return QPoint(-1, -1);
        const std::vector<std::uint8_t> report = bus->writtenReports(virtualPath).back().bytes;
        return QPoint(report.at(4) | report.at(5) << 8, report.at(6) | report.at(7) << 8);
    }
};

class MappingCheck
{
public:
    MappingCheck(MainWindow &window, SimulatedPen pen) : window(window), pen(std::move(pen))
    {
        page = window.findChild<VMappingPanel *>(QStringLiteral("mappingPanel"));
    }

    bool ready()
    {
        const bool connected =
                waitUntil([this] { return window.appLogic().currentDevice() != nullptr; }, 20000);
        if (!connected)
            return false;
        const TabletDeviceInfo info = window.appLogic().currentDevice()->info();
        pen.maximumX = info.maximumX;
        pen.maximumY = info.maximumY;
        settle(1000);
        say(QStringLiteral("device: %1, maximum %2 x %3, pen display %4")
                    .arg(QString::fromStdString(info.product))
                    .arg(info.maximumX)
                    .arg(info.maximumY)
                    .arg(info.penDisplay ? "yes" : "no"));
        return true;
    }

    void monitors(ScreenStatusListen &displays) const
    {
        for (const MonitorInfo &monitor : displays.enumerateMonitors(false)) {
            say(QStringLiteral("monitor %1: %2 %3 at %4, system %5, pen display %6")
                        .arg(monitor.index)
                        .arg(QString::fromStdString(monitor.deviceName))
                        .arg(QString::fromStdString(monitor.identifier))
                        .arg(rectText(monitor.monitorRect))
                        .arg(rectText(monitor.systemMonitorRect))
                        .arg(monitor.penDisplay ? "yes" : "no"));
        }
        QComboBox *screens = combo("comboScreens");
        for (int item = 0; item < screens->count(); ++item)
            say(QStringLiteral("screen list %1: %2").arg(item).arg(screens->itemText(item)));
    }

    // The tablet's corners and centre, and where they land.
    void landings(const QString &what) const
    {
        const MappingConfigure &mapping = currentConfigure()->mapping;
        say(QStringLiteral("== %1").arg(what));
        say(QStringLiteral("   stored: screenIndex %1, absRect %2, part %3, workArea %4, rotation %5, code %6")
                    .arg(mapping.screenIndex)
                    .arg(rectText(mapping.absRect))
                    .arg(rectText(mapping.part))
                    .arg(rectText(mapping.workArea))
                    .arg(mapping.rotation)
                    .arg(QString::fromLatin1(reinterpret_cast<const char *>(mapping.code.data()), int(mapping.code.size()))));
        const struct
        {
            const char *name;
            double x, y;
        } points[] = {{"top left", 0.02, 0.02}, {"centre", 0.5, 0.5}, {"bottom right", 0.98, 0.98},
                      {"(25 %, 75 %)", 0.25, 0.75}};
        QStringList landed;
        for (const auto &point : points) {
            const QPoint at = pen.landing(point.x, point.y);
            landed << QStringLiteral("%1 -> %2").arg(QLatin1String(point.name))
                              .arg(at.x() < 0 ? QStringLiteral("nothing (outside the tablet area)")
                                              : QStringLiteral("(%1, %2)").arg(at.x()).arg(at.y()));
        }
        say(QStringLiteral("   pen lands: ") + landed.join(QStringLiteral("; ")));
    }

    void chooseScreen(int item) const { combo("comboScreens")->setCurrentIndex(item); }
    void setField(const char *name, int value) const { field(name)->setValue(value); }
    void click(const char *name) const { page->findChild<QPushButton *>(QLatin1String(name))->click(); }
    void chooseRotation(int index) const
    {
        QComboBox *rotation = combo("comboRotation");
        rotation->setCurrentIndex(index);
        emit rotation->activated(index);
    }
    QComboBox *combo(const char *name) const { return page->findChild<QComboBox *>(QLatin1String(name)); }
    VUnitEdit *field(const char *name) const { return page->findChild<VUnitEdit *>(QLatin1String(name)); }

    QString tabletFields() const
    {
        return QStringLiteral("X %1, Y %2, W %3, H %4")
                .arg(field("tabletX")->value())
                .arg(field("tabletY")->value())
                .arg(field("tabletW")->value())
                .arg(field("tabletH")->value());
    }

    void calibrate() const;
    void pictureControl() const;

    MainWindow &window;
    SimulatedPen pen;
    VMappingPanel *page = nullptr;
};

// Five taps where a pen that lands 4 % too wide and 12 pixels right of the centre would put the
// pointer; the pointer is placed by hand, the tip goes down on the simulated tablet.
void MappingCheck::calibrate() const
{
    click("btnCalibrate");
    VScreenCalibrateDlg *overlay = page->calibrationDialog();
    if (!waitUntil([overlay] { return overlay->isVisible(); }, 2000)) {
        say(QStringLiteral("calibration: the overlay did not show"));
        return;
    }
    say(QStringLiteral("calibration overlay at %1").arg(rectText(overlay->geometry())));
    const CalibrationFactors::Points marks = CalibrationFactors::targets(overlay->size());
    const QPoint middle = marks[4];
    for (const QPoint &mark : marks) {
        const QPoint touch(middle.x() + int((mark.x() - middle.x()) * 1.04) + 12, mark.y());
        QCursor::setPos(overlay->mapToGlobal(touch));
        pen.feed(0xA0, pen.maximumX / 2, pen.maximumY / 2, 0);
        settle(100);
        pen.feed(0xA1, pen.maximumX / 2, pen.maximumY / 2, 0x3000);
        settle(650);
        say(QStringLiteral("   tap at %1, %2 (mark %3, %4)")
                    .arg(touch.x())
                    .arg(touch.y())
                    .arg(mark.x())
                    .arg(mark.y()));
    }
    pen.feed(0xA0, pen.maximumX / 2, pen.maximumY / 2, 0);
    settle(500);
    const MappingConfigure &mapping = currentConfigure()->mapping;
    say(QStringLiteral("calibration stored: kx %1, ky %2, kcx %3, kcy %4; overlay %5")
                .arg(mapping.kx)
                .arg(mapping.ky)
                .arg(mapping.kcx)
                .arg(mapping.kcy)
                .arg(overlay->isVisible() ? "still shown" : "closed"));
}

// More Options, then its Color Temperature row: the picture control dialog of the mapped pen
// display over the simulated DDC/CI monitors (QZTABLET_SIMULATED_DDC), left with Cancel.
void MappingCheck::pictureControl() const
{
    QString seen = QStringLiteral("no options dialog");
    QTimer::singleShot(500, [&seen] {
        auto *options = qobject_cast<VMappingOptionDlg *>(QApplication::activeModalWidget());
        if (!options)
            return;
        QStringList rows;
        VRichItem *color = nullptr;
        for (VRichItem *row : options->findChildren<VRichItem *>()) {
            const QString title = row->findChild<QLabel *>(QStringLiteral("riLabelTitle"))->text();
            rows << title + (row->isEnabled() ? QString() : QStringLiteral(" (disabled)"));
            if (title == QLatin1String("Color Temperature"))
                color = row;
        }
        seen = QStringLiteral("options rows: %1; ").arg(rows.join(QStringLiteral(", ")));
        for (VRichItem *row : options->findChildren<VRichItem *>()) {
            if (row->findChild<QLabel *>(QStringLiteral("riLabelTitle"))->text() == QLatin1String("Screen Identify"))
                emit row->activated(0);
        }
        QStringList numbers;
        for (VScreenDetectDlg *number : options->screenNumbers())
            numbers << QStringLiteral("%1 at %2").arg(number->numberText()).arg(rectText(number->geometry()));
        seen += QStringLiteral("Screen Identify shows %1; ").arg(numbers.join(QStringLiteral(", ")));
        QTimer::singleShot(500, [&seen, options] {
            auto *picture = qobject_cast<VDDCControlDlg *>(QApplication::activeModalWidget());
            if (picture) {
                QString preset;
                for (QRadioButton *radio : picture->findChildren<QRadioButton *>()) {
                    if (radio->isChecked())
                        preset = radio->text();
                }
                seen += QStringLiteral("picture dialog \"%1\": brightness %2, contrast %3, preset %4")
                                .arg(picture->findChild<VTitleBar *>()->title())
                                .arg(picture->findChild<QSlider *>(QStringLiteral("sliderBrightness"))->value())
                                .arg(picture->findChild<QSlider *>(QStringLiteral("sliderContrast"))->value())
                                .arg(preset);
                picture->findChild<QPushButton *>(QStringLiteral("btnCancel"))->click();
            } else {
                seen += QStringLiteral("no picture dialog");
            }
            options->findChild<QPushButton *>(QStringLiteral("btnOK"))->click();
        });
        if (color)
            emit color->activated(0);
    });
    click("btnMoreOptions");
    say(QStringLiteral("More Options: ") + seen);
}

void runTablet(MappingCheck &check)
{
    const auto wholeAreas = [&check] {
        check.chooseRotation(0);
        check.click("btnFullScreen");
        check.click("btnFullTablet");
    };
    for (int item = 0; item < check.combo("comboScreens")->count(); ++item) {
        check.chooseScreen(item);
        wholeAreas();
        check.landings(QStringLiteral("screen list item %1, whole screen, whole tablet").arg(item));
    }
    check.chooseScreen(0);
    wholeAreas();
    const int width = check.field("screenW")->value();
    const int height = check.field("screenH")->value();
    check.setField("screenX", width / 2);
    check.setField("screenY", height / 2);
    check.landings(QStringLiteral("part: the lower right quarter of screen 1"));
    wholeAreas();
    check.setField("tabletW", 50);
    check.landings(QStringLiteral("tablet area: the left half of the tablet on the whole screen 1"));
    wholeAreas();
    check.chooseRotation(1);
    check.landings(QStringLiteral("rotation 90 on the whole screen 1 and the whole tablet"));
    wholeAreas();
    check.click("btnAspectRatio");
    say(QStringLiteral("Aspect Ratio at rotation 0: tablet fields %1").arg(check.tabletFields()));
    check.landings(QStringLiteral("Aspect Ratio on the whole screen 1"));
    check.chooseRotation(1);
    check.click("btnAspectRatio");
    say(QStringLiteral("Aspect Ratio at rotation 90: tablet fields %1").arg(check.tabletFields()));
    wholeAreas();
    check.setField("screenX", width / 2);
    check.click("btnOK");
    settle(300);
    const TabletConfigurePtr saved = loadConfigure(currentConfigure()->model, false, ConfigureMonitorList());
    say(QStringLiteral("Save: the file holds part %1, workArea %2, rotation %3")
                .arg(saved ? rectText(saved->mapping.part) : QStringLiteral("nothing"))
                .arg(saved ? rectText(saved->mapping.workArea) : QString())
                .arg(saved ? saved->mapping.rotation : -1));
    check.landings(QStringLiteral("saved: the right half of screen 1, the whole tablet"));
}

void runAll(MappingCheck &check)
{
    QComboBox *screens = check.combo("comboScreens");
    check.chooseScreen(screens->count() - 1);
    check.landings(QStringLiteral("the last item: %1").arg(screens->currentText()));
}

void runPenDisplay(MappingCheck &check)
{
    QComboBox *screens = check.combo("comboScreens");
    say(QStringLiteral("chosen screen: %1; Calibrate %2")
                .arg(screens->currentText())
                .arg(check.page->findChild<QPushButton *>(QStringLiteral("btnCalibrate"))->isEnabled() ? "enabled"
                                                                                                       : "disabled"));
    check.landings(QStringLiteral("pen display before calibration"));
    check.calibrate();
    check.landings(QStringLiteral("pen display after calibration"));
    check.pictureControl();
    check.click("btnOK");
    settle(300);
    const TabletConfigurePtr saved = loadConfigure(currentConfigure()->model, false, ConfigureMonitorList());
    if (saved) {
        say(QStringLiteral("Save: the file holds kx %1, ky %2, kcx %3, kcy %4")
                    .arg(saved->mapping.kx)
                    .arg(saved->mapping.ky)
                    .arg(saved->mapping.kcx)
                    .arg(saved->mapping.kcy));
    }
}

SimulatedPen simulatedPen(const std::shared_ptr<IHidBackend> &backend)
{
    SimulatedPen pen;
    pen.bus = std::dynamic_pointer_cast<SimulatedHidBus>(backend);
    if (!pen.bus)
        return pen;
    for (const HidInterface &device : pen.bus->enumerateInterfaces()) {
        const QString path = QString::fromStdString(device.path).toLower();
        if (path.contains(QLatin1String("virtual_tablet")))
            pen.virtualPath = device.path;
        else if (path.contains(QLatin1String("mi_02")))
            pen.penPath = device.path;
    }
    return pen;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // The data folders of QZTablet itself, so that the program finds what was saved here.
    QCoreApplication::setApplicationName(QStringLiteral("QZTablet"));
    const QStringList arguments = QCoreApplication::arguments();
    const QString scenario = arguments.value(1);
    registerPacketMetaTypes();
    createDataFolders();
    application.setStyleSheet(readTextFile(QStringLiteral(":/res/qss/normal/qss-BaseWidget.qss")));
    loadModelTables();
    VDDCControlDlg::setMonitorAccess(systemDdcMonitorAccess());

    EnginePlatform platform = createWindowsEnginePlatform();
    SimulatedPen pen = simulatedPen(platform.hid);
    if (pen.penPath.empty() || pen.virtualPath.empty()) {
        say(QStringLiteral("mapping_check: QZTABLET_SIMULATED_HID names no simulated tablet"));
        return 2;
    }
    std::unique_ptr<PenDisplayStandIn> standIn;
    if (scenario == QLatin1String("pendisplay")) {
        pen.coordinateBytes = 3;
        standIn = std::make_unique<PenDisplayStandIn>(platform.displays, arguments.value(2, QStringLiteral("0")).toInt(),
                                                      QStringLiteral("ZLV1601"));
        platform.displays = standIn.get();
        // The simulated monitor behind the pen display tells itself apart by its brightness.
        const int monitor = arguments.value(2, QStringLiteral("0")).toInt();
        const auto monitors = DDCInterfaceFactory::simulatedMonitors(monitor + 1);
        if (monitor >= 0 && monitor < int(monitors.size()))
            monitors[std::size_t(monitor)]->setValue(MccsCodes::kBrightness, 33, 100);
    }
    if (arguments.contains(QStringLiteral("--wide")))
        pen.coordinateBytes = 3;
    ScreenStatusListen *displays = platform.displays;
    MainWindow window(std::move(platform));
    window.show();
    MappingCheck check(window, pen);
    if (!check.ready()) {
        say(QStringLiteral("mapping_check: the simulated tablet did not connect"));
        return 1;
    }
    check.monitors(*displays);
    if (scenario == QLatin1String("tablet"))
        runTablet(check);
    else if (scenario == QLatin1String("all"))
        runAll(check);
    else if (scenario == QLatin1String("saved"))
        check.landings(QStringLiteral("as a new start finds it"));
    else if (scenario == QLatin1String("pendisplay"))
        runPenDisplay(check);
    else
        say(QStringLiteral("mapping_check: unknown scenario '%1'").arg(scenario));
    return 0;
}
