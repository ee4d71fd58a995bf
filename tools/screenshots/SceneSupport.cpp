#include "SceneSupport.h"

#include "app/MainWindow.h"
#include "config/language/TabletLanguage.h"
#include "config/layout/ModelTables.h"
#include "engine/hid/simulated/SimulatedHidDescription.h"
#include "engine/support/SimulatedTablet.h"
#include "ui/widgets/WindowHelpers.h"

#include <QApplication>
#include <QDir>

namespace {

std::shared_ptr<SimulatedHidBus> &currentBus()
{
    static std::shared_ptr<SimulatedHidBus> bus;
    return bus;
}

} // namespace

void prepareScene(int language)
{
    if (modelTables().layouts().empty())
        loadModelTables();
    const QString sheet = readTextFile(QStringLiteral(":/res/qss/normal/qss-BaseWidget.qss"));
    if (!sheet.isEmpty())
        qApp->setStyleSheet(sheet);
    TabletLanguage::instance().setLanguage(language);
}

SimulatedHidDevice simulatedPenTablet()
{
    return simulatedTablet("\\\\?\\hid#vid_5a4c&pid_0064&mi_02#8&1111&0&0000", "QZ-Pen 6");
}

std::vector<SimulatedHidDevice> describedTablet(const char *product, const char *productId, const char *block)
{
    const QByteArray description = QStringLiteral(R"({"devices": [{
        "path": "\\\\?\\hid#vid_5a4c&pid_%2&mi_02#8&2a3b4c5d&0&0000",
        "vendorId": "0x5A4C", "productId": "0x%2", "usagePage": "0xFF0A",
        "inputReportLength": 13, "outputReportLength": 13,
        "indexedStrings": {"2": "%1", "3": "SCREENSHOT", "20": {"hex": "%3"}, "22": {"hex": "02 00 00 00"}}
    }]})")
            .arg(QLatin1String(product), QLatin1String(productId), QLatin1String(block))
            .toUtf8();
    return SimulatedHidDescription::parse(description, QDir()).devices;
}

MainWindow *sceneMainWindow(const std::vector<SimulatedHidDevice> &devices, int language,
                            ScreenStatusListen *displays)
{
    currentBus() = std::make_shared<SimulatedHidBus>();
    for (const SimulatedHidDevice &device : devices)
        currentBus()->addDevice(device);
    EnginePlatform platform;
    platform.hid = currentBus();
    platform.displays = displays;
    auto *window = new MainWindow(std::move(platform));
    // The window takes the saved language first; a change afterwards re-translates it.
    TabletLanguage::instance().setLanguage(language);
    return window;
}

std::shared_ptr<SimulatedHidBus> sceneHidBus()
{
    return currentBus();
}
