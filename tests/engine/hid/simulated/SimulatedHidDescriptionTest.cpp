#include "engine/hid/simulated/SimulatedHidDescription.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gmock/gmock.h>

#include "support/QtPrinters.h"

using namespace std::chrono_literals;
using testing::ElementsAre;
using testing::HasSubstr;
using Bytes = std::vector<std::uint8_t>;

namespace {

const QDir kNoFolder(QStringLiteral("/nowhere"));

SimulatedHidDescription::Devices parse(const QByteArray &json, const QDir &folder = kNoFolder)
{
    return SimulatedHidDescription::parse(json, folder);
}

// The error of a description with one device whose fields are `fields` (JSON members, no braces).
std::string errorOfDevice(const QByteArray &fields, const QDir &folder = kNoFolder)
{
    const auto result = parse("{\"devices\": [{" + fields + "}]}", folder);
    EXPECT_TRUE(result.devices.empty());
    return result.error.toStdString();
}

// A device with the required fields and `more`.
std::string errorWith(const QByteArray &more, const QDir &folder = kNoFolder)
{
    return errorOfDevice("\"path\": \"p\", \"vendorId\": 1, \"productId\": 2, " + more, folder);
}

std::string reportLinesError(const QByteArray &text, std::size_t longest = 0)
{
    const auto result = SimulatedHidDescription::parseReportLines(text, longest);
    EXPECT_TRUE(result.reports.empty());
    return result.error.toStdString();
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

TEST(SimulatedHidDescription, ReadsEveryFieldOfADevice)
{
    QTemporaryDir folder;
    writeFile(folder.filePath(QStringLiteral("stroke.txt")), "0 09 41 a0\n5 09 41 a1\n");
    const auto result = parse(R"({"devices": [{
        "path": "\\\\?\\hid#vid_5a4c&pid_0064&mi_02#1",
        "hardwareIds": ["HID\\VID_5A4C&PID_0064&MI_02", "HID\\VID_5A4C&UP:FF0A_U:0001"],
        "vendorId": "0x5A4C",
        "productId": 100,
        "usagePage": "0xff0a",
        "inputReportLength": 13,
        "outputReportLength": "0x41",
        "indexedStrings": {"2": "QZ", "20": {"hex": "10 27 ff1f"}},
        "inputReports": "stroke.txt",
        "outputLog": "written.txt"
    }]})",
                              QDir(folder.path()));

    ASSERT_EQ(result.error, QString());
    ASSERT_EQ(result.devices.size(), 1u);
    const SimulatedHidDevice &device = result.devices[0];
    EXPECT_EQ(device.path, "\\\\?\\hid#vid_5a4c&pid_0064&mi_02#1");
    EXPECT_THAT(device.hardwareIds,
                ElementsAre("HID\\VID_5A4C&PID_0064&MI_02", "HID\\VID_5A4C&UP:FF0A_U:0001"));
    EXPECT_EQ(device.vendorId, 0x5A4C);
    EXPECT_EQ(device.productId, 100);
    EXPECT_EQ(device.usagePage, 0xFF0A);
    EXPECT_EQ(device.inputReportLength, 13);
    EXPECT_EQ(device.outputReportLength, 65);
    EXPECT_THAT(device.indexedStrings.at(2), ElementsAre('Q', 0, 'Z', 0, 0, 0));
    EXPECT_THAT(device.indexedStrings.at(20), ElementsAre(0x10, 0x27, 0xFF, 0x1F));
    ASSERT_EQ(device.inputReports.size(), 2u);
    EXPECT_EQ(device.inputReports[1].delay, 5ms);
    EXPECT_THAT(device.inputReports[1].bytes, ElementsAre(0x09, 0x41, 0xA1));
    EXPECT_EQ(device.outputLogPath, folder.filePath(QStringLiteral("written.txt")));
}

TEST(SimulatedHidDescription, LeavesOptionalFieldsAtZeroAndMakesAHardwareIdFromTheIds)
{
    const auto result =
            parse(R"({"devices": [{"path": "p", "vendorId": 23116, "productId": "0xFFFE"}]})");

    ASSERT_EQ(result.error, QString());
    const SimulatedHidDevice &device = result.devices.at(0);
    EXPECT_THAT(device.hardwareIds, ElementsAre("HID\\VID_5A4C&PID_FFFE"));
    EXPECT_EQ(device.usagePage, 0);
    EXPECT_EQ(device.inputReportLength, 0);
    EXPECT_EQ(device.outputReportLength, 0);
    EXPECT_TRUE(device.indexedStrings.empty());
    EXPECT_TRUE(device.inputReports.empty());
    EXPECT_TRUE(device.outputLogPath.isEmpty());
}

TEST(SimulatedHidDescription, AnEmptyHardwareIdListLeavesTheDeviceWithout)
{
    const auto result = parse(
            R"({"devices": [{"path": "p", "vendorId": 1, "productId": 2, "hardwareIds": []}]})");

    ASSERT_EQ(result.error, QString());
    EXPECT_TRUE(result.devices.at(0).hardwareIds.empty());
}

TEST(SimulatedHidDescription, KeepsDevicesInFileOrderAndAcceptsNone)
{
    const auto two = parse(R"({"devices": [{"path": "a", "vendorId": 1, "productId": 2},
                                           {"path": "b", "vendorId": 3, "productId": 4}]})");
    const auto none = parse(R"({"devices": []})");

    ASSERT_EQ(two.devices.size(), 2u);
    EXPECT_EQ(two.devices[0].path, "a");
    EXPECT_EQ(two.devices[1].path, "b");
    EXPECT_EQ(none.error, QString());
    EXPECT_TRUE(none.devices.empty());
}

TEST(SimulatedHidDescription, TextStringsAreUtf16WithATerminatingZero)
{
    EXPECT_THAT(SimulatedHidDescription::utf16String(QStringLiteral("A\u00e9")),
                ElementsAre('A', 0, 0xE9, 0, 0, 0));
    EXPECT_THAT(SimulatedHidDescription::utf16String(QString()), ElementsAre(0, 0));
}

TEST(SimulatedHidDescription, HexBytesAreSpacedPairsOrRunsOfPairs)
{
    Bytes bytes;
    QString error;

    ASSERT_TRUE(SimulatedHidDescription::parseHexBytes(QStringLiteral(" 09 4A\tff 0102 "), bytes,
                                                       error));
    EXPECT_THAT(bytes, ElementsAre(0x09, 0x4A, 0xFF, 0x01, 0x02));
}

TEST(SimulatedHidDescription, MalformedHexBytesSayWhy)
{
    Bytes bytes;
    QString error;

    EXPECT_FALSE(SimulatedHidDescription::parseHexBytes(QStringLiteral("09 4g"), bytes, error));
    EXPECT_EQ(error, QStringLiteral("\"4g\" is not hexadecimal"));
    EXPECT_FALSE(SimulatedHidDescription::parseHexBytes(QStringLiteral("09 123"), bytes, error));
    EXPECT_EQ(error, QStringLiteral("\"123\" has an odd number of hexadecimal digits"));
    EXPECT_FALSE(SimulatedHidDescription::parseHexBytes(QStringLiteral("0x09"), bytes, error));
    EXPECT_EQ(error, QStringLiteral("\"0x09\" is not hexadecimal"));
    EXPECT_FALSE(SimulatedHidDescription::parseHexBytes(QStringLiteral("  "), bytes, error));
    EXPECT_EQ(error, QStringLiteral("no bytes"));
}

TEST(SimulatedHidDescription, MalformedJsonSaysWhereAndWhy)
{
    EXPECT_THAT(parse("{\"devices\": [").error.toStdString(),
                HasSubstr("not valid JSON at offset"));
    EXPECT_EQ(parse("[]").error,
              QStringLiteral("the top level must be an object with the field \"devices\""));
    EXPECT_EQ(parse("{\"devices\": [], \"extra\": 1}").error,
              QStringLiteral("unknown field \"extra\""));
    EXPECT_EQ(parse("{}").error, QStringLiteral("\"devices\" must be an array of device objects"));
    EXPECT_EQ(parse("{\"devices\": {}}").error,
              QStringLiteral("\"devices\" must be an array of device objects"));
    EXPECT_EQ(parse("{\"devices\": [1]}").error, QStringLiteral("devices[0] must be an object"));
}

TEST(SimulatedHidDescription, ADeviceWithAnUnknownFieldIsMalformed)
{
    EXPECT_EQ(errorWith("\"vendorID\": 1"), "devices[0]: unknown field \"vendorID\"");
}

TEST(SimulatedHidDescription, ADeviceNeedsANonEmptyTextPath)
{
    const std::string reason = "devices[0].path must be a non-empty text";
    EXPECT_EQ(errorOfDevice("\"vendorId\": 1, \"productId\": 2"), reason);
    EXPECT_EQ(errorOfDevice("\"path\": \"\", \"vendorId\": 1, \"productId\": 2"), reason);
    EXPECT_EQ(errorOfDevice("\"path\": 5, \"vendorId\": 1, \"productId\": 2"), reason);
}

TEST(SimulatedHidDescription, ADeviceNeedsItsVendorAndProductIds)
{
    EXPECT_EQ(errorOfDevice("\"path\": \"p\", \"productId\": 2"), "devices[0].vendorId is missing");
    EXPECT_EQ(errorOfDevice("\"path\": \"p\", \"vendorId\": 1"), "devices[0].productId is missing");
}

TEST(SimulatedHidDescription, NumbersOutsideSixteenBitsOrOfAnotherFormAreMalformed)
{
    const std::string reason = "devices[0].usagePage must be a number from 0 to 65535, or a text "
                               "of \"0x\" and up to four hexadecimal digits";
    for (const char *value : {"65536", "-1", "1.5", "\"0x12345\"", "\"5A4C\"", "\"0x\"", "\"0xZZ\"",
                              "\"12\"", "true", "null", "[1]"}) {
        EXPECT_EQ(errorWith(QByteArray("\"usagePage\": ") + value), reason) << value;
    }
    EXPECT_THAT(errorWith("\"inputReportLength\": -2"),
                HasSubstr("devices[0].inputReportLength must be"));
    EXPECT_THAT(errorWith("\"outputReportLength\": 70000"),
                HasSubstr("devices[0].outputReportLength must be"));
}

TEST(SimulatedHidDescription, HardwareIdsMustBeAnArrayOfNonEmptyTexts)
{
    const std::string reason = "devices[0].hardwareIds must be an array of non-empty texts";
    EXPECT_EQ(errorWith("\"hardwareIds\": \"HID\\\\X\""), reason);
    EXPECT_EQ(errorWith("\"hardwareIds\": [1]"), reason);
    EXPECT_EQ(errorWith("\"hardwareIds\": [\"\"]"), reason);
}

TEST(SimulatedHidDescription, IndexedStringsAreAnObjectByIndexFrom0To255)
{
    EXPECT_EQ(errorWith("\"indexedStrings\": []"), "devices[0].indexedStrings must be an object");
    EXPECT_EQ(errorWith("\"indexedStrings\": {\"256\": \"x\"}"),
              "devices[0].indexedStrings: \"256\" is not an index from 0 to 255");
    EXPECT_EQ(errorWith("\"indexedStrings\": {\"-1\": \"x\"}"),
              "devices[0].indexedStrings: \"-1\" is not an index from 0 to 255");
    EXPECT_EQ(errorWith("\"indexedStrings\": {\"two\": \"x\"}"),
              "devices[0].indexedStrings: \"two\" is not an index from 0 to 255");
}

TEST(SimulatedHidDescription, AnIndexedStringIsATextOrAnObjectWithHex)
{
    const std::string reason =
            "devices[0].indexedStrings.\"2\" must be a text or an object with one field \"hex\"";
    EXPECT_EQ(errorWith("\"indexedStrings\": {\"2\": 5}"), reason);
    EXPECT_EQ(errorWith("\"indexedStrings\": {\"2\": {}}"), reason);
    EXPECT_EQ(errorWith("\"indexedStrings\": {\"2\": {\"hex\": 5}}"), reason);
    EXPECT_EQ(errorWith("\"indexedStrings\": {\"2\": {\"hex\": \"00\", \"text\": \"a\"}}"), reason);
    EXPECT_EQ(
            errorWith("\"indexedStrings\": {\"20\": {\"hex\": \"1\"}}"),
            "devices[0].indexedStrings.\"20\".hex: \"1\" has an odd number of hexadecimal digits");
    EXPECT_EQ(errorWith("\"indexedStrings\": {\"20\": {\"hex\": \"\"}}"),
              "devices[0].indexedStrings.\"20\".hex: no bytes");
}

TEST(SimulatedHidDescription, FileNamesMustBeNonEmptyTexts)
{
    EXPECT_EQ(errorWith("\"outputLog\": \"\""),
              "devices[0].outputLog must be a non-empty file name");
    EXPECT_EQ(errorWith("\"inputReports\": 3"),
              "devices[0].inputReports must be a non-empty file name");
}

TEST(SimulatedHidDescription, AnInputReportFileThatCannotBeReadIsMalformed)
{
    QTemporaryDir folder;
    EXPECT_THAT(errorWith("\"inputReports\": \"absent.txt\"", QDir(folder.path())),
                HasSubstr("devices[0].inputReports: cannot read \""
                          + folder.filePath(QStringLiteral("absent.txt")).toStdString() + "\""));
}

TEST(SimulatedHidDescription, AMalformedLineOfTheInputReportFileNamesFileAndLine)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("stroke.txt"));
    writeFile(path, "# stroke\n0 09 41\nlater 09 41\n");

    EXPECT_EQ(errorWith("\"inputReports\": \"stroke.txt\"", QDir(folder.path())),
              "devices[0].inputReports: \"" + path.toStdString()
                      + "\" line 3: \"later\" is not a number of milliseconds from 0 to 86400000");
}

TEST(SimulatedHidDescription, AReplayedReportLongerThanTheInputReportIsMalformed)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("stroke.txt"));
    writeFile(path, "0 09 41 a0\n");

    EXPECT_EQ(errorWith("\"inputReportLength\": 2, \"inputReports\": \"stroke.txt\"",
                        QDir(folder.path())),
              "devices[0].inputReports: \"" + path.toStdString()
                      + "\" line 1: 3 bytes, more than the input report length 2");
}

TEST(SimulatedHidDescription, TwoDevicesOnOnePathAreMalformedWhateverTheCase)
{
    const auto result = parse(R"({"devices": [{"path": "a", "vendorId": 1, "productId": 2},
                                              {"path": "b", "vendorId": 1, "productId": 2},
                                              {"path": "B", "vendorId": 1, "productId": 2}]})");

    EXPECT_EQ(result.error, QStringLiteral("devices[2].path repeats the path of devices[1]"));
    EXPECT_TRUE(result.devices.empty());
}

TEST(SimulatedHidDescription, AnErrorInALaterDeviceNamesItsIndex)
{
    const auto result = parse(R"({"devices": [{"path": "a", "vendorId": 1, "productId": 2},
                                              {"path": "b", "vendorId": 1}]})");

    EXPECT_EQ(result.error, QStringLiteral("devices[1].productId is missing"));
}

TEST(SimulatedHidDescription, ReadingAFileNamesItInItsErrors)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bus.json"));
    writeFile(path, "{\"devices\": 0}");
    const QString absent = folder.filePath(QStringLiteral("absent.json"));

    EXPECT_EQ(SimulatedHidDescription::readFile(path).error,
              "\"" + path + "\": \"devices\" must be an array of device objects");
    EXPECT_THAT(SimulatedHidDescription::readFile(absent).error.toStdString(),
                HasSubstr("\"" + absent.toStdString() + "\": cannot read: "));
}

TEST(SimulatedHidDescription, ReadingAFileTakesRelativeNamesFromItsFolder)
{
    QTemporaryDir folder;
    QDir(folder.path()).mkdir(QStringLiteral("sub"));
    const QString path = folder.filePath(QStringLiteral("sub/bus.json"));
    writeFile(path, R"({"devices": [{"path": "p", "vendorId": 1, "productId": 2,
                                     "outputLog": "../out.txt"}]})");

    const auto result = SimulatedHidDescription::readFile(path);

    ASSERT_EQ(result.error, QString());
    EXPECT_EQ(result.devices.at(0).outputLogPath, folder.filePath(QStringLiteral("out.txt")));
}

TEST(SimulatedHidDescription, ReportLinesCarryADelayAndBytesAndSkipBlankAndCommentLines)
{
    const auto result = SimulatedHidDescription::parseReportLines(
            "# hover\n\n  0 09 41 a0\r\n12\t09 41 a1 \n# end\n250 0941");

    ASSERT_EQ(result.error, QString());
    ASSERT_EQ(result.reports.size(), 3u);
    EXPECT_EQ(result.reports[0].delay, 0ms);
    EXPECT_THAT(result.reports[0].bytes, ElementsAre(0x09, 0x41, 0xA0));
    EXPECT_EQ(result.reports[1].delay, 12ms);
    EXPECT_THAT(result.reports[1].bytes, ElementsAre(0x09, 0x41, 0xA1));
    EXPECT_EQ(result.reports[2].delay, 250ms);
    EXPECT_THAT(result.reports[2].bytes, ElementsAre(0x09, 0x41));
}

TEST(SimulatedHidDescription, AnEmptyReportFileHasNoReports)
{
    const auto result = SimulatedHidDescription::parseReportLines("");

    EXPECT_EQ(result.error, QString());
    EXPECT_TRUE(result.reports.empty());
}

TEST(SimulatedHidDescription, MalformedReportLinesNameTheLineAndTheReason)
{
    EXPECT_EQ(reportLinesError("0 09\n5"), "line 2: no report bytes after the milliseconds");
    EXPECT_EQ(reportLinesError("-5 09"),
              "line 1: \"-5\" is not a number of milliseconds from 0 to 86400000");
    EXPECT_EQ(reportLinesError("1.5 09"),
              "line 1: \"1.5\" is not a number of milliseconds from 0 to 86400000");
    EXPECT_EQ(reportLinesError("86400001 09"),
              "line 1: \"86400001\" is not a number of milliseconds from 0 to 86400000");
    EXPECT_EQ(reportLinesError("# a\n\n3 09 4"),
              "line 3: \"4\" has an odd number of hexadecimal digits");
    EXPECT_EQ(reportLinesError("3 09 zz"), "line 1: \"zz\" is not hexadecimal");
    EXPECT_EQ(reportLinesError("3 09 41 a0", 2),
              "line 1: 3 bytes, more than the input report length 2");
}

TEST(SimulatedHidDescription, AFormattedReportLineReadsBackAsTheSameNumberAndBytes)
{
    const QByteArray line = SimulatedHidDescription::formatReportLine(1234, {0x09, 0x0A, 0xFF});

    EXPECT_EQ(line, QByteArray("1234 09 0a ff\n"));
    const auto back = SimulatedHidDescription::parseReportLines(line);
    ASSERT_EQ(back.reports.size(), 1u);
    EXPECT_EQ(back.reports[0].delay, 1234ms);
    EXPECT_THAT(back.reports[0].bytes, ElementsAre(0x09, 0x0A, 0xFF));
}
