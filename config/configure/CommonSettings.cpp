#include "config/configure/CommonSettings.h"

#include "config/language/TabletLanguage.h"
#include "config/platform/DataFolders.h"
#include "config/xml/XmlAttribute.h"
#include "config/xml/XmlFile.h"
#include "config/xml/XmlValue.h"

namespace {

const QString kRootTag = QStringLiteral("Genercal");
const QString kLanguageTag = QStringLiteral("Language");
const QString kPenTag = QStringLiteral("Pen");
const QString kTabletTag = QStringLiteral("Tablet");
const QString kApplicationTag = QStringLiteral("Application");
const QString kIdAttribute = QStringLiteral("id");
const QString kTiltAttribute = QStringLiteral("tilt");
const QString kPressureAttribute = QStringLiteral("pressure");
const QString kClickAttribute = QStringLiteral("click");
const QString kOrientationAttribute = QStringLiteral("orientation");
const QString kMessageAttribute = QStringLiteral("message");
const QString kHotkeySyncAttribute = QStringLiteral("hotkeySync");
const QString kLogAttribute = QStringLiteral("log");
constexpr std::uint32_t kLastLanguage = 10;

std::uint32_t systemLanguage()
{
    return static_cast<std::uint32_t>(TabletLanguage::systemLanguageIndex());
}

void readLanguage(const QDomElement &language, CommonConfigure &record,
                  std::uint32_t systemLanguage)
{
    if (!language.hasAttribute(kIdAttribute))
        return;
    const std::uint32_t id = XmlValue::toUInt16(language.attribute(kIdAttribute));
    record.language = id > kLastLanguage ? systemLanguage : id;
}

// The file stores whether pressure and click are on; the record whether they are off.
void readSwitchedOff(const QDomElement &element, const QString &name, bool &off)
{
    if (element.hasAttribute(name))
        off = !XmlValue::toBool(element.attribute(name));
}

void readPen(const QDomElement &pen, CommonConfigure &record)
{
    XmlAttribute::readBool(pen, kTiltAttribute, record.tilt);
    readSwitchedOff(pen, kPressureAttribute, record.pressureOff);
    readSwitchedOff(pen, kClickAttribute, record.clickOff);
}

void readApplication(const QDomElement &application, CommonConfigure &record)
{
    XmlAttribute::readBool(application, kMessageAttribute, record.message);
    XmlAttribute::readBool(application, kHotkeySyncAttribute, record.hotkeySync);
    XmlAttribute::readBool(application, kLogAttribute, record.log);
}

} // namespace

bool readCommonSettings(const QDomElement &root, CommonConfigure &record,
                        std::uint32_t systemLanguage)
{
    XmlFile::forEachChildElement(root, [&](const QDomElement &child) {
        if (child.tagName() == kLanguageTag)
            readLanguage(child, record, systemLanguage);
        else if (child.tagName() == kPenTag)
            readPen(child, record);
        else if (child.tagName() == kTabletTag)
            XmlAttribute::readBool(child, kOrientationAttribute, record.orientation);
        else if (child.tagName() == kApplicationTag)
            readApplication(child, record);
    });
    return true;
}

bool readCommonSettings(const QDomElement &root, CommonConfigure &record)
{
    return readCommonSettings(root, record, systemLanguage());
}

void writeCommonSettings(QDomDocument &document, QDomElement &root, const CommonConfigure &record)
{
    QDomElement language = XmlFile::appendElement(document, kLanguageTag, root);
    language.setAttribute(kIdAttribute, QString::number(record.language));

    QDomElement pen = XmlFile::appendElement(document, kPenTag, root);
    pen.setAttribute(kTiltAttribute, XmlValue::fromBool(record.tilt));
    pen.setAttribute(kPressureAttribute, XmlValue::fromBool(!record.pressureOff));
    pen.setAttribute(kClickAttribute, XmlValue::fromBool(!record.clickOff));

    QDomElement tablet = XmlFile::appendElement(document, kTabletTag, root);
    tablet.setAttribute(kOrientationAttribute, XmlValue::fromBool(record.orientation));

    QDomElement application = XmlFile::appendElement(document, kApplicationTag, root);
    application.setAttribute(kMessageAttribute, XmlValue::fromBool(record.message));
    application.setAttribute(kHotkeySyncAttribute, XmlValue::fromBool(record.hotkeySync));
    application.setAttribute(kLogAttribute, XmlValue::fromBool(record.log));
}

QDomDocument commonSettingsDocument(const CommonConfigure &record)
{
    QDomDocument document = XmlFile::newDocument();
    QDomElement root = document.createElement(kRootTag);
    document.appendChild(root);
    writeCommonSettings(document, root, record);
    return document;
}

bool loadCommonSettings(CommonConfigure &record)
{
    return loadCommonSettings(commonSettingsPath(), record);
}

bool loadCommonSettings(const QString &path, CommonConfigure &record)
{
    QDomDocument document;
    if (!XmlFile::read(path, document))
        return false;
    const QDomElement root = document.documentElement();
    if (root.tagName() != kRootTag)
        return false;
    return readCommonSettings(root, record);
}

bool saveCommonSettings(const CommonConfigure &record)
{
    return saveCommonSettings(commonSettingsPath(), record);
}

bool saveCommonSettings(const QString &path, const CommonConfigure &record)
{
    return XmlFile::write(path, commonSettingsDocument(record));
}
