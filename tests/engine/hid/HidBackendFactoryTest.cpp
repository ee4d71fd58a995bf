#include "engine/hid/HidBackendFactory.h"

#include "engine/hid/simulated/SimulatedHidBus.h"

#include <QFile>
#include <QTemporaryDir>

#include <gmock/gmock.h>

#include <sstream>

using testing::HasSubstr;
using testing::IsEmpty;

namespace {

class SystemBackendStandIn : public IHidBackend
{
public:
    std::vector<HidInterface> enumerateInterfaces() override { return {}; }
    std::unique_ptr<IHidHandle> open(const std::string &) override { return nullptr; }
};

class HidBackendFactoryTest : public testing::Test
{
protected:
    std::shared_ptr<IHidBackend> choose(const QString &descriptionPath)
    {
        return HidBackendFactory::fromDescription(descriptionPath, makeSystem, messages);
    }

    QString writeDescription(const QByteArray &json)
    {
        const QString path = folder.filePath(QStringLiteral("bus.json"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(json);
        return path;
    }

    bool isSystem(const std::shared_ptr<IHidBackend> &backend) const
    {
        return backend && backend == system;
    }

    QTemporaryDir folder;
    std::ostringstream messages;
    const std::shared_ptr<IHidBackend> system = std::make_shared<SystemBackendStandIn>();
    int systemMade = 0;
    const HidBackendFactory::SystemBackendMaker makeSystem = [this] {
        ++systemMade;
        return system;
    };
};

const QByteArray kOneDevice =
        R"({"devices": [{"path": "\\\\?\\hid#vid_5a4c&pid_0064&mi_02#1", "vendorId": "0x5A4C",
                         "productId": 100, "outputLog": "out.txt"}]})";

} // namespace

TEST_F(HidBackendFactoryTest, WithoutADescriptionTheSystemHidIsUsedQuietly)
{
    EXPECT_TRUE(isSystem(choose(QString())));
    EXPECT_EQ(systemMade, 1);
    EXPECT_THAT(messages.str(), IsEmpty());
}

TEST_F(HidBackendFactoryTest, ASoundDescriptionGivesTheSimulatedBusWithItsDevices)
{
    const QString path = writeDescription(kOneDevice);

    const std::shared_ptr<IHidBackend> backend = choose(path);

    ASSERT_TRUE(std::dynamic_pointer_cast<SimulatedHidBus>(backend));
    ASSERT_EQ(backend->enumerateInterfaces().size(), 1u);
    EXPECT_TRUE(backend->open("\\\\?\\hid#vid_5a4c&pid_0064&mi_02#1"));
    EXPECT_EQ(systemMade, 0);
    EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("out.txt"))));
    EXPECT_THAT(messages.str(), HasSubstr("simulated HID devices from"));
}

TEST_F(HidBackendFactoryTest, AMalformedDescriptionIsReportedWithItsReasonAndTheSystemHidIsUsed)
{
    const QString path = writeDescription(R"({"devices": [{"path": "p", "vendorId": 1}]})");

    EXPECT_TRUE(isSystem(choose(path)));

    EXPECT_EQ(systemMade, 1);
    EXPECT_EQ(messages.str(),
              "QZTABLET_SIMULATED_HID: \"" + path.toStdString()
                      + "\": devices[0].productId is missing; using the system's HID "
                        "devices\n");
}

TEST_F(HidBackendFactoryTest, AnUnreadableDescriptionIsReportedAndTheSystemHidIsUsed)
{
    EXPECT_TRUE(isSystem(choose(folder.filePath(QStringLiteral("absent.json")))));

    EXPECT_THAT(messages.str(), HasSubstr("absent.json\": cannot read: "));
    EXPECT_THAT(messages.str(), HasSubstr("using the system's HID devices"));
}

TEST_F(HidBackendFactoryTest, AnOutputLogThatCannotBeCreatedIsReportedAndTheSystemHidIsUsed)
{
    const QString path = writeDescription(R"({"devices": [{
        "path": "p", "vendorId": 1, "productId": 2, "outputLog": "no/such/folder/out.txt"}]})");

    EXPECT_TRUE(isSystem(choose(path)));

    EXPECT_THAT(messages.str(), HasSubstr("cannot create the output log \""));
    EXPECT_THAT(messages.str(), HasSubstr("no/such/folder/out.txt\" of \"p\""));
}

TEST_F(HidBackendFactoryTest, TheEnvironmentVariableNamesTheDescription)
{
    const QByteArray before = qgetenv(HidBackendFactory::kEnvironmentVariable);
    const bool wasSet = qEnvironmentVariableIsSet(HidBackendFactory::kEnvironmentVariable);
    qputenv(HidBackendFactory::kEnvironmentVariable, writeDescription(kOneDevice).toLocal8Bit());

    const std::shared_ptr<IHidBackend> simulated =
            HidBackendFactory::fromEnvironment(makeSystem, messages);
    qunsetenv(HidBackendFactory::kEnvironmentVariable);
    const std::shared_ptr<IHidBackend> unset =
            HidBackendFactory::fromEnvironment(makeSystem, messages);
    if (wasSet)
        qputenv(HidBackendFactory::kEnvironmentVariable, before);

    EXPECT_TRUE(std::dynamic_pointer_cast<SimulatedHidBus>(simulated));
    EXPECT_TRUE(isSystem(unset));
}
