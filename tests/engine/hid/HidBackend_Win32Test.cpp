#include "engine/hid/HidBackend_Win32.h"

#include "engine/hid/HidPathEnumeration.h"
#include "engine/hid/ProgramHidBackend_Win32.h"
#include "engine/hid/simulated/SimulatedHidBus.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gmock/gmock.h>

#include <iostream>
#include <sstream>

using testing::HasSubstr;

namespace {

// Standard error captured for the lifetime of the object.
class CapturedErrors
{
public:
    CapturedErrors() : previous(std::cerr.rdbuf(captured.rdbuf())) {}
    ~CapturedErrors() { std::cerr.rdbuf(previous); }
    std::string text() const { return captured.str(); }

private:
    std::ostringstream captured;
    std::streambuf *const previous;
};

// Sets the variable for the lifetime of the object, then restores what was there.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char *name, const QByteArray &value)
        : name(name),
          wasSet(qEnvironmentVariableIsSet(name)),
          before(qgetenv(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnvironment()
    {
        if (wasSet)
            qputenv(name, before);
        else
            qunsetenv(name);
    }

private:
    const char *const name;
    const bool wasSet;
    const QByteArray before;
};

} // namespace

TEST(HidBackend_Win32, EnumeratesThePresentInterfacesWithoutCrashing)
{
    HidBackend_Win32 backend;

    const std::vector<HidInterface> found = backend.enumerateInterfaces();

    for (const HidInterface &hid : found)
        EXPECT_FALSE(hid.path.empty());
    enumerateHidPaths(backend, "");
    enumerateTabletHidPaths(backend, 0x5A4C);
}

TEST(HidBackend_Win32, OpeningEveryPresentInterfaceEitherFailsOrTellsItsCapabilities)
{
    HidBackend_Win32 backend;

    // A USB device's path spells its vendor and product ids, which the opened handle must tell.
    const QRegularExpression ids(QStringLiteral("vid_([0-9a-f]{4})&pid_([0-9a-f]{4})"),
                                 QRegularExpression::CaseInsensitiveOption);
    for (const HidInterface &hid : backend.enumerateInterfaces()) {
        SCOPED_TRACE(hid.path);
        const std::unique_ptr<IHidHandle> handle = backend.open(hid.path);
        if (!handle)
            continue;
        EXPECT_NE(handle->capabilities().usagePage, 0);
        const QRegularExpressionMatch spelled = ids.match(QString::fromStdString(hid.path));
        if (spelled.hasMatch()) {
            EXPECT_EQ(handle->attributes().vendorId, spelled.captured(1).toUShort(nullptr, 16));
            EXPECT_EQ(handle->attributes().productId, spelled.captured(2).toUShort(nullptr, 16));
        }
        handle->close();
    }
}

TEST(HidBackend_Win32, OpeningAPathThatDoesNotExistFailsCleanly)
{
    HidBackend_Win32 backend;

    EXPECT_FALSE(backend.open("\\\\?\\hid#vid_5a4c&pid_0064&mi_02#0&0&0&0000#{4d1e55b2-f16f-11cf-"
                              "88cb-001111000030}"));
    EXPECT_FALSE(backend.open(""));
}

TEST(HidBackend_Win32, OpeningAFileThatIsNotAHidDeviceFailsAndLetsGoOfTheFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("plain.bin"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a device");
    file.close();
    HidBackend_Win32 backend;

    EXPECT_FALSE(backend.open(QDir::toNativeSeparators(path).toStdString()));

    EXPECT_TRUE(QFile::remove(path)) << "the file is still open";
}

TEST(ProgramHidBackend_Win32, WithoutTheVariableTheProgramUsesTheSystemHid)
{
    const ScopedEnvironment unset("QZTABLET_SIMULATED_HID", QByteArray());

    EXPECT_TRUE(std::dynamic_pointer_cast<HidBackend_Win32>(createProgramHidBackend()));
}

TEST(ProgramHidBackend_Win32, WithASoundDescriptionTheProgramUsesTheSimulatedBus)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bus.json"));
    QFile description(path);
    ASSERT_TRUE(description.open(QIODevice::WriteOnly));
    description.write(R"({"devices": [{"path": "\\\\?\\hid#vid_5a4c&pid_0064&mi_02#1",
                                       "vendorId": "0x5A4C", "productId": 100}]})");
    description.close();
    const ScopedEnvironment set("QZTABLET_SIMULATED_HID", path.toLocal8Bit());
    const CapturedErrors errors;

    const std::shared_ptr<IHidBackend> backend = createProgramHidBackend();

    ASSERT_TRUE(std::dynamic_pointer_cast<SimulatedHidBus>(backend));
    EXPECT_EQ(enumerateTabletHidPaths(*backend, 0x5A4C).size(), 1u);
}

TEST(ProgramHidBackend_Win32, AMalformedDescriptionGoesToStandardErrorAndTheSystemHidIsUsed)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bus.json"));
    QFile description(path);
    ASSERT_TRUE(description.open(QIODevice::WriteOnly));
    description.write("{\"devices\": [{\"path\": \"p\"}]}");
    description.close();
    const ScopedEnvironment set("QZTABLET_SIMULATED_HID", path.toLocal8Bit());
    const CapturedErrors errors;

    const std::shared_ptr<IHidBackend> backend = createProgramHidBackend();

    EXPECT_TRUE(std::dynamic_pointer_cast<HidBackend_Win32>(backend));
    EXPECT_THAT(errors.text(), HasSubstr("devices[0].vendorId is missing"));
    EXPECT_THAT(errors.text(), HasSubstr("using the system's HID devices"));
}
