// The simulated device of every supported model, opened as the program opens a tablet, agrees
// with the model's default configuration and layout, and its reports decode to the components
// of its layout.
#include "config/layout/SupportedModel.h"
#include "config/layout/TabletLayoutFile.h"
#include "config/layout/TabletLayoutKey.h"
#include "config/layout/TabletLayoutTouch.h"
#include "config/xml/XmlValue.h"
#include "engine/decoding/ReportDecoder.h"
#include "engine/device/TabletDevice_Win32.h"
#include "engine/display/PenDisplayCodes.h"
#include "engine/hid/simulated/SimulatedHidBus.h"
#include "engine/hid/simulated/SimulatedHidDescription.h"
#include "engine/support/SourceTreePath.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <algorithm>
#include <set>
#include <string>

namespace {

constexpr std::uint16_t kVendorId = 0x5A4C;

QDir sourceRoot()
{
    return QDir(sourceTreePath(QString()));
}

QString descriptionPath(const QString &model)
{
    return sourceRoot().filePath(QStringLiteral("tools/simulated-hid/models/%1.json").arg(model));
}

QStringList modelNames()
{
    QStringList names;
    for (const SupportedModel &model : supportedModels())
        names << QString::fromUtf8(model.name);
    return names;
}

// The tablet's own interface of a description, with no output log in the source tree.
SimulatedHidDevice tabletInterface(const SimulatedHidDescription::Devices &description)
{
    for (SimulatedHidDevice device : description.devices) {
        if (device.path.find("mi_02") != std::string::npos) {
            device.outputLogPath.clear();
            return device;
        }
    }
    return SimulatedHidDevice();
}

struct Defaults
{
    QString model;
    std::uint16_t vid = 0;
    std::uint16_t pid = 0;
    bool display = false;
    QString identifyCode;
};

Defaults readDefaults(const QString &model)
{
    Defaults defaults;
    QFile file(sourceRoot().filePath(QStringLiteral("res/conf/%1.xml").arg(model)));
    QDomDocument document;
    if (!file.open(QIODevice::ReadOnly) || !document.setContent(&file))
        return defaults;
    const QDomElement tablet = document.documentElement().firstChildElement(QStringLiteral("Tablet"));
    defaults.model = tablet.attribute(QStringLiteral("model"));
    defaults.vid = XmlValue::toHexUInt16(tablet.attribute(QStringLiteral("vid")));
    defaults.pid = XmlValue::toHexUInt16(tablet.attribute(QStringLiteral("pid")));
    defaults.display = XmlValue::toBool(tablet.attribute(QStringLiteral("display")));
    defaults.identifyCode = tablet.firstChildElement(QStringLiteral("Mapping"))
                                    .firstChildElement(QStringLiteral("Screen"))
                                    .firstChildElement()
                                    .attribute(QStringLiteral("code"));
    return defaults;
}

struct Components
{
    int keys = 0;
    int virtualKeys = 0;
    std::set<int> dials;
    std::set<std::pair<int, int>> touches; // id, event
};

Components componentsOf(const TabletLayout &layout)
{
    Components components;
    for (const TabletLayoutComponentPtr &component : layout.tablet.components) {
        if (component->type == TabletLayoutComponent::Key) {
            ++(static_cast<const TabletLayoutKey &>(*component).isVirtual ? components.virtualKeys
                                                                        : components.keys);
        } else if (component->type == TabletLayoutComponent::Dial) {
            components.dials.insert(component->id);
        } else if (component->type == TabletLayoutComponent::Touch) {
            const int event = static_cast<const TabletLayoutTouch &>(*component).event;
            components.touches.insert({component->id, event});
        }
    }
    return components;
}

std::string describe(const std::shared_ptr<TabletPacket> &packet)
{
    if (const auto *key = dynamic_cast<const TabletKeyPacket *>(packet.get()))
        return "key " + std::to_string(key->key) + (key->isVirtual ? " virtual" : "");
    if (const auto *dial = dynamic_cast<const TabletDialPacket *>(packet.get()))
        return "dial " + std::to_string(dial->index) + " direction " + std::to_string(dial->direction);
    if (const auto *touch = dynamic_cast<const TabletTouchPacket *>(packet.get()))
        return "touch " + std::to_string(touch->strip) + " position " + std::to_string(touch->position);
    return packet ? "pen" : "none";
}

std::shared_ptr<TabletPacket> keyReport(std::uint8_t subKind, std::uint32_t bits,
                                        const TabletDeviceInfo &device)
{
    const std::uint8_t report[] = {0x09, 0x42, subKind, 0x01, std::uint8_t(bits), std::uint8_t(bits >> 8),
                                   std::uint8_t(bits >> 16), std::uint8_t(bits >> 24), 0x00};
    return ReportDecoder::decodeReport(report, sizeof report, device).toShared();
}

std::shared_ptr<TabletPacket> touchReport(int position, const TabletDeviceInfo &device)
{
    const std::uint8_t report[] = {0x09, 0x43, 0x01, std::uint8_t(1u << (position - 1)), 0, 0, 0, 0, 0};
    return ReportDecoder::decodeReport(report, sizeof report, device).toShared();
}

class EverySimulatedModel : public testing::Test
{
protected:
    // Loads one model's files; a failed assertion here skips that model only.
    void load(const QString &model)
    {
        const SimulatedHidDescription::Devices description =
                SimulatedHidDescription::readFile(descriptionPath(model));
        ASSERT_EQ(description.error.toStdString(), "");
        ASSERT_EQ(description.devices.size(), 3u);
        const SimulatedHidDevice tablet = tabletInterface(description);
        ASSERT_FALSE(tablet.path.empty());
        ASSERT_EQ(bus->addDevice(tablet), SimulatedHidBus::AddResult::Added);
        TabletDevice_Win32 device(bus);
        ASSERT_TRUE(device.open(tablet.path));
        info = device.info();
        device.close();
        layout = readLayoutFile(sourceRoot().filePath(QStringLiteral("res/layout/%1.xml").arg(model)));
        ASSERT_TRUE(layout);
        components = componentsOf(*layout);
    }

    // One test process checks every model: a separate process per model costs seconds under Wine.
    template <typename Check>
    void forEveryModel(Check check)
    {
        for (const QString &model : modelNames()) {
            SCOPED_TRACE(model.toStdString());
            bus = std::make_shared<SimulatedHidBus>();
            info = {};
            layout.reset();
            components = {};
            load(model);
            // A model whose files do not load ends the loop; the failure names it.
            if (HasFatalFailure())
                return;
            check(model);
        }
    }

    std::shared_ptr<SimulatedHidBus> bus = std::make_shared<SimulatedHidBus>();
    TabletDeviceInfo info;
    TabletLayoutPtr layout;
    Components components;
};

} // namespace

TEST_F(EverySimulatedModel, IdentifiesAsItsModelWithTheIdsOfItsConfigurationAndLayout)
{
    forEveryModel([&](const QString &model) {
        const Defaults defaults = readDefaults(model);

        EXPECT_EQ(QString::fromStdString(info.product), model);
        EXPECT_EQ(defaults.model, model);
        EXPECT_EQ(info.vendorId, kVendorId);
        EXPECT_EQ(info.vendorId, defaults.vid);
        EXPECT_EQ(info.productId, defaults.pid);
        EXPECT_EQ(info.productId, layout->tablet.pid);
        EXPECT_EQ(info.penDisplay, defaults.display);
        EXPECT_FALSE(info.string3.empty());
    });
}

TEST_F(EverySimulatedModel, CoordinatesAndPressureFitItsReports)
{
    forEveryModel([&](const QString &model) {
        ASSERT_TRUE(info.coordinateWidth == 2 || info.coordinateWidth == 3);
        const std::uint64_t limit = std::uint64_t(1) << (8 * info.coordinateWidth);
        EXPECT_LT(info.maximumX, limit);
        EXPECT_LT(info.maximumY, limit);
        EXPECT_GT(info.maximumX, info.maximumY);
        EXPECT_TRUE(info.maximumPressure == 8191 || info.maximumPressure == 16383) << info.maximumPressure;
    });
}

TEST_F(EverySimulatedModel, EveryExpressKeyAndDialButtonDecodesToItsLayoutComponent)
{
    forEveryModel([&](const QString &model) {
        const int keys = components.keys;
        const int dials = int(components.dials.size());
        EXPECT_EQ(int(info.dialKeyCount), dials);
        ASSERT_LE(keys + dials, 32);
        for (int index = 1; index <= keys + dials; ++index) {
            SCOPED_TRACE(index);
            const std::string expected = index <= keys ? "key " + std::to_string(index)
                                                       : "dial " + std::to_string(index - keys) + " direction 0";
            EXPECT_EQ(describe(keyReport(ReportDecoder::ExpressKeys, 1u << (index - 1), info)), expected);
        }
    });
}

TEST_F(EverySimulatedModel, DialTurnsVirtualKeysAndTouchSegmentsDecodeToItsLayoutComponents)
{
    forEveryModel([&](const QString &model) {
        for (int step = 1; step <= 2 * int(components.dials.size()); ++step) {
            SCOPED_TRACE(step);
            const auto dial = std::dynamic_pointer_cast<TabletDialPacket>(
                    keyReport(ReportDecoder::DialRotation, std::uint32_t(step), info));
            ASSERT_TRUE(dial);
            EXPECT_EQ(components.dials.count(dial->index), 1u);
        }
        EXPECT_EQ(int(info.valueC), components.virtualKeys) << "virtual keys";
        for (int index = 1; index <= info.valueC; ++index) {
            EXPECT_EQ(describe(keyReport(ReportDecoder::VirtualKeys, 1u << (index - 1), info)),
                      "key " + std::to_string(index) + " virtual");
        }
        EXPECT_EQ(std::size_t(info.valueD), components.touches.size()) << "touch segments";
        for (int position = 1; position <= info.valueD; ++position) {
            const auto touch = std::dynamic_pointer_cast<TabletTouchPacket>(touchReport(position, info));
            ASSERT_TRUE(touch);
            EXPECT_EQ(components.touches.count({int(touch->strip), int(touch->position)}), 1u)
                    << "position " << position;
        }
    });
}

TEST(SimulatedModels, EveryPenDisplayHasOneOfTheEdidCodesAndEveryCodeOneDisplay)
{
    std::multiset<std::string> used;
    for (const QString &model : modelNames()) {
        const Defaults defaults = readDefaults(model);
        if (!defaults.display)
            continue;
        const std::string code =
                QStringLiteral("ZLV%1").arg(defaults.pid, 4, 16, QLatin1Char('0')).toUpper().toStdString();
        used.insert(code);
        QStringList bytes;
        for (char c : code)
            bytes << QStringLiteral("%1").arg(int(c), 2, 16, QLatin1Char('0'));
        EXPECT_EQ(defaults.identifyCode, bytes.join(QLatin1Char('-'))) << model.toStdString();
    }
    const std::vector<std::string> &codes = penDisplayCodes();
    EXPECT_EQ(std::multiset<std::string>(codes.begin(), codes.end()), used);
}
