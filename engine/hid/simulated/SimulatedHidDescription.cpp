#include "engine/hid/simulated/SimulatedHidDescription.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QList>
#include <QRegularExpression>
#include <QStringList>

#include <cmath>

namespace {

constexpr long long kLongestDelay = 24LL * 60 * 60 * 1000;

const QStringList &deviceFields()
{
    static const QStringList fields = {
            QStringLiteral("path"),
            QStringLiteral("hardwareIds"),
            QStringLiteral("vendorId"),
            QStringLiteral("productId"),
            QStringLiteral("usagePage"),
            QStringLiteral("inputReportLength"),
            QStringLiteral("outputReportLength"),
            QStringLiteral("indexedStrings"),
            QStringLiteral("inputReports"),
            QStringLiteral("outputLog"),
    };
    return fields;
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

bool isHexDigits(const QString &text)
{
    for (QChar c : text) {
        if (!c.isDigit() && !(c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f')))
            return false;
    }
    return !text.isEmpty();
}

bool isDecimalDigits(const QString &text)
{
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return !text.isEmpty();
}

bool readHexText(const QString &text, std::uint16_t &number)
{
    if (!text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        return false;
    const QString digits = text.mid(2);
    if (!isHexDigits(digits) || digits.size() > 4)
        return false;
    number = std::uint16_t(digits.toUInt(nullptr, 16));
    return true;
}

bool readUInt16(const QJsonValue &value, std::uint16_t &number)
{
    if (value.isString())
        return readHexText(value.toString(), number);
    if (!value.isDouble())
        return false;
    const double real = value.toDouble();
    if (real < 0 || real > 65535 || real != std::floor(real))
        return false;
    number = std::uint16_t(real);
    return true;
}

QString firstUnknownField(const QJsonObject &object, const QStringList &known)
{
    for (const QString &key : object.keys()) {
        if (!known.contains(key))
            return key;
    }
    return QString();
}

// Reads one device object; `where` names it in errors ("devices[2]").
class DeviceReader
{
public:
    DeviceReader(const QJsonObject &object, const QString &where, const QDir &folder)
        : object(object),
          where(where),
          folder(folder)
    {
    }

    bool read(SimulatedHidDevice &device)
    {
        const QString unknown = firstUnknownField(object, deviceFields());
        if (!unknown.isEmpty())
            return fail(where + QStringLiteral(": unknown field ") + quoted(unknown));
        return readPath(device) && readNumbers(device) && readHardwareIds(device)
                && readIndexedStrings(device) && readInputReports(device) && readOutputLog(device);
    }

    QString error;

private:
    bool fail(const QString &reason)
    {
        error = reason;
        return false;
    }

    QString field(const QString &name) const { return where + QLatin1Char('.') + name; }

    bool readPath(SimulatedHidDevice &device)
    {
        const QJsonValue path = object.value(QStringLiteral("path"));
        if (!path.isString() || path.toString().isEmpty())
            return fail(field(QStringLiteral("path"))
                        + QStringLiteral(" must be a non-empty text"));
        device.path = path.toString().toStdString();
        return true;
    }

    bool readNumber(const QString &name, bool required, std::uint16_t &number)
    {
        const QJsonValue value = object.value(name);
        if (value.isUndefined()) {
            if (required)
                return fail(field(name) + QStringLiteral(" is missing"));
            return true;
        }
        if (!readUInt16(value, number)) {
            return fail(field(name)
                        + QStringLiteral(" must be a number from 0 to 65535, or a text of \"0x\" "
                                         "and up to four hexadecimal digits"));
        }
        return true;
    }

    bool readNumbers(SimulatedHidDevice &device)
    {
        return readNumber(QStringLiteral("vendorId"), true, device.vendorId)
                && readNumber(QStringLiteral("productId"), true, device.productId)
                && readNumber(QStringLiteral("usagePage"), false, device.usagePage)
                && readNumber(QStringLiteral("inputReportLength"), false, device.inputReportLength)
                && readNumber(QStringLiteral("outputReportLength"), false,
                              device.outputReportLength);
    }

    bool readHardwareIds(SimulatedHidDevice &device)
    {
        const QJsonValue ids = object.value(QStringLiteral("hardwareIds"));
        if (ids.isUndefined()) {
            device.hardwareIds.push_back(QStringLiteral("HID\\VID_%1&PID_%2")
                                                 .arg(device.vendorId, 4, 16, QLatin1Char('0'))
                                                 .arg(device.productId, 4, 16, QLatin1Char('0'))
                                                 .toUpper()
                                                 .toStdString());
            return true;
        }
        const QString reason = field(QStringLiteral("hardwareIds"))
                + QStringLiteral(" must be an array of non-empty texts");
        if (!ids.isArray())
            return fail(reason);
        for (const QJsonValue &id : ids.toArray()) {
            if (!id.isString() || id.toString().isEmpty())
                return fail(reason);
            device.hardwareIds.push_back(id.toString().toStdString());
        }
        return true;
    }

    bool readIndexedStrings(SimulatedHidDevice &device)
    {
        const QJsonValue strings = object.value(QStringLiteral("indexedStrings"));
        if (strings.isUndefined())
            return true;
        if (!strings.isObject())
            return fail(field(QStringLiteral("indexedStrings"))
                        + QStringLiteral(" must be an object"));
        const QJsonObject byIndex = strings.toObject();
        for (auto entry = byIndex.begin(); entry != byIndex.end(); ++entry) {
            std::uint32_t index = 0;
            if (!readIndex(entry.key(), index))
                return false;
            if (!readIndexedString(entry.key(), entry.value(), device.indexedStrings[index]))
                return false;
        }
        return true;
    }

    bool readIndex(const QString &key, std::uint32_t &index)
    {
        if (!isDecimalDigits(key) || key.size() > 3 || key.toUInt() > 255) {
            return fail(field(QStringLiteral("indexedStrings")) + QStringLiteral(": ") + quoted(key)
                        + QStringLiteral(" is not an index from 0 to 255"));
        }
        index = key.toUInt();
        return true;
    }

    bool readIndexedString(const QString &key, const QJsonValue &value,
                           std::vector<std::uint8_t> &bytes)
    {
        const QString name = field(QStringLiteral("indexedStrings.")) + quoted(key);
        if (value.isString()) {
            bytes = SimulatedHidDescription::utf16String(value.toString());
            return true;
        }
        const QJsonObject raw = value.toObject();
        if (!value.isObject() || raw.size() != 1 || !raw.value(QStringLiteral("hex")).isString())
            return fail(name
                        + QStringLiteral(" must be a text or an object with one field \"hex\""));
        QString reason;
        if (!SimulatedHidDescription::parseHexBytes(raw.value(QStringLiteral("hex")).toString(),
                                                    bytes, reason))
            return fail(name + QStringLiteral(".hex: ") + reason);
        return true;
    }

    bool readFileName(const QString &name, QString &path)
    {
        const QJsonValue value = object.value(name);
        if (value.isUndefined())
            return true;
        if (!value.isString() || value.toString().isEmpty())
            return fail(field(name) + QStringLiteral(" must be a non-empty file name"));
        path = QDir::cleanPath(folder.absoluteFilePath(value.toString()));
        return true;
    }

    bool readInputReports(SimulatedHidDevice &device)
    {
        QString path;
        if (!readFileName(QStringLiteral("inputReports"), path))
            return false;
        if (path.isEmpty())
            return true;
        const QString name = field(QStringLiteral("inputReports"));
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return fail(name + QStringLiteral(": cannot read ") + quoted(path)
                        + QStringLiteral(": ") + file.errorString());
        SimulatedHidDescription::Reports replay =
                SimulatedHidDescription::parseReportLines(file.readAll(), device.inputReportLength);
        if (!replay.error.isEmpty())
            return fail(name + QStringLiteral(": ") + quoted(path) + QLatin1Char(' ')
                        + replay.error);
        device.inputReports = std::move(replay.reports);
        return true;
    }

    bool readOutputLog(SimulatedHidDevice &device)
    {
        return readFileName(QStringLiteral("outputLog"), device.outputLogPath);
    }

    const QJsonObject object;
    const QString where;
    const QDir folder;
};

QString pathsRepeated(const std::vector<SimulatedHidDevice> &devices)
{
    for (std::size_t later = 1; later < devices.size(); ++later) {
        const QString path = QString::fromStdString(devices[later].path).toUpper();
        for (std::size_t earlier = 0; earlier < later; ++earlier) {
            if (QString::fromStdString(devices[earlier].path).toUpper() == path) {
                return QStringLiteral("devices[%1].path repeats the path of devices[%2]")
                        .arg(later)
                        .arg(earlier);
            }
        }
    }
    return QString();
}

bool parseDelay(const QString &text, long long &milliseconds)
{
    if (!isDecimalDigits(text) || text.size() > 12)
        return false;
    milliseconds = text.toLongLong();
    return milliseconds <= kLongestDelay;
}

// One report line, already trimmed and not a comment.
bool parseReportLine(const QString &line, std::size_t longest, SimulatedInputReport &report,
                     QString &error)
{
    const int split = line.indexOf(QRegularExpression(QStringLiteral("\\s")));
    const QString delay = split < 0 ? line : line.left(split);
    long long milliseconds = 0;
    if (!parseDelay(delay, milliseconds)) {
        error = quoted(delay)
                + QStringLiteral(" is not a number of milliseconds from 0 to %1")
                          .arg(kLongestDelay);
        return false;
    }
    if (split < 0) {
        error = QStringLiteral("no report bytes after the milliseconds");
        return false;
    }
    report.delay = std::chrono::milliseconds(milliseconds);
    if (!SimulatedHidDescription::parseHexBytes(line.mid(split), report.bytes, error))
        return false;
    if (longest != 0 && report.bytes.size() > longest) {
        error = QStringLiteral("%1 bytes, more than the input report length %2")
                        .arg(report.bytes.size())
                        .arg(longest);
        return false;
    }
    return true;
}

} // namespace

SimulatedHidDescription::Devices SimulatedHidDescription::readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Devices failed;
        failed.error = quoted(path) + QStringLiteral(": cannot read: ") + file.errorString();
        return failed;
    }
    Devices read = parse(file.readAll(), QFileInfo(path).absoluteDir());
    if (!read.error.isEmpty())
        read.error = quoted(path) + QStringLiteral(": ") + read.error;
    return read;
}

SimulatedHidDescription::Devices SimulatedHidDescription::parse(const QByteArray &json,
                                                                const QDir &folder)
{
    Devices result;
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        result.error = QStringLiteral("not valid JSON at offset %1: %2")
                               .arg(parseError.offset)
                               .arg(parseError.errorString());
        return result;
    }
    if (!document.isObject()) {
        result.error = QStringLiteral("the top level must be an object with the field \"devices\"");
        return result;
    }
    const QJsonObject top = document.object();
    const QString unknown = firstUnknownField(top, {QStringLiteral("devices")});
    if (!unknown.isEmpty()) {
        result.error = QStringLiteral("unknown field ") + quoted(unknown);
        return result;
    }
    if (!top.value(QStringLiteral("devices")).isArray()) {
        result.error = QStringLiteral("\"devices\" must be an array of device objects");
        return result;
    }
    const QJsonArray devices = top.value(QStringLiteral("devices")).toArray();
    for (int i = 0; i < devices.size(); ++i) {
        const QString where = QStringLiteral("devices[%1]").arg(i);
        if (!devices.at(i).isObject()) {
            result.error = where + QStringLiteral(" must be an object");
            return result;
        }
        DeviceReader reader(devices.at(i).toObject(), where, folder);
        SimulatedHidDevice device;
        if (!reader.read(device)) {
            result.error = reader.error;
            return result;
        }
        result.devices.push_back(std::move(device));
    }
    result.error = pathsRepeated(result.devices);
    if (!result.error.isEmpty())
        result.devices.clear();
    return result;
}

SimulatedHidDescription::Reports SimulatedHidDescription::parseReportLines(const QByteArray &text,
                                                                           std::size_t longest)
{
    Reports result;
    const QList<QByteArray> lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = QString::fromUtf8(lines.at(i)).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        SimulatedInputReport report;
        QString reason;
        if (!parseReportLine(line, longest, report, reason)) {
            result.reports.clear();
            result.error = QStringLiteral("line %1: ").arg(i + 1) + reason;
            return result;
        }
        result.reports.push_back(std::move(report));
    }
    return result;
}

QByteArray SimulatedHidDescription::formatReportLine(long long milliseconds,
                                                     const std::vector<std::uint8_t> &bytes)
{
    const QByteArray raw(reinterpret_cast<const char *>(bytes.data()), int(bytes.size()));
    return QByteArray::number(milliseconds) + ' ' + raw.toHex(' ') + '\n';
}

bool SimulatedHidDescription::parseHexBytes(const QString &text, std::vector<std::uint8_t> &bytes,
                                            QString &error)
{
    bytes.clear();
    const QStringList groups =
            text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    for (const QString &group : groups) {
        if (!isHexDigits(group)) {
            error = quoted(group) + QStringLiteral(" is not hexadecimal");
            return false;
        }
        if (group.size() % 2 != 0) {
            error = quoted(group) + QStringLiteral(" has an odd number of hexadecimal digits");
            return false;
        }
        for (int i = 0; i < group.size(); i += 2)
            bytes.push_back(std::uint8_t(group.mid(i, 2).toUInt(nullptr, 16)));
    }
    if (bytes.empty()) {
        error = QStringLiteral("no bytes");
        return false;
    }
    return true;
}

std::vector<std::uint8_t> SimulatedHidDescription::utf16String(const QString &text)
{
    std::vector<std::uint8_t> bytes;
    for (QChar unit : text) {
        bytes.push_back(std::uint8_t(unit.unicode() & 0xFF));
        bytes.push_back(std::uint8_t(unit.unicode() >> 8));
    }
    bytes.push_back(0);
    bytes.push_back(0);
    return bytes;
}
