#include "config/configure/ConfigureFile.h"

#include "config/configure/CommonSettings.h"
#include "config/configure/HotkeyConfigureElement.h"
#include "config/configure/MappingConfigureElement.h"
#include "config/configure/PenConfigureElement.h"
#include "config/xml/XmlAttribute.h"
#include "config/xml/XmlFile.h"
#include "config/xml/XmlValue.h"

#include <memory>

namespace {

const QString kRootTag = QStringLiteral("Configure");
const QString kPenTag = QStringLiteral("Pen");
const QString kTabletTag = QStringLiteral("Tablet");
const QString kHotkeyTag = QStringLiteral("Hotkey");
const QString kMappingTag = QStringLiteral("Mapping");
const QString kVersionAttribute = QStringLiteral("version");
const QString kModelAttribute = QStringLiteral("model");
const QString kVidAttribute = QStringLiteral("vid");
const QString kPidAttribute = QStringLiteral("pid");
const QString kDisplayAttribute = QStringLiteral("display");
constexpr std::uint16_t kWrittenVersion = 3;

// Unlike the other booleans of the file, display is compared without trimming.
void readDisplay(const QDomElement &tablet, bool &display)
{
    if (tablet.hasAttribute(kDisplayAttribute))
        display = tablet.attribute(kDisplayAttribute).toLower() == QLatin1String("true");
}

void readTablet(const QDomElement &tablet, TabletConfigure &configure)
{
    XmlAttribute::readString(tablet, kModelAttribute, configure.model);
    XmlAttribute::readHexUInt16(tablet, kVidAttribute, configure.vid);
    XmlAttribute::readHexUInt16(tablet, kPidAttribute, configure.pid);
    readDisplay(tablet, configure.display);
    XmlFile::forEachChildElement(tablet, [&configure](const QDomElement &child) {
        if (child.tagName() == kHotkeyTag)
            readHotkeyConfigure(child, configure.hotkey);
        else if (child.tagName() == kMappingTag)
            readMappingConfigure(child, configure.mapping);
    });
}

QString usbId(std::uint16_t id)
{
    return QStringLiteral("0x%1").arg(uint{id}, 4, 16, QLatin1Char('0'));
}

// The display flag is a property of the model, taken from the compiled-in defaults; it is not
// written to the user's file.
void writeTablet(QDomDocument &document, const TabletConfigure &configure, QDomElement &root)
{
    QDomElement tablet = XmlFile::appendElement(document, kTabletTag, root);
    tablet.setAttribute(kModelAttribute, configure.model);
    tablet.setAttribute(kVidAttribute, usbId(configure.vid));
    tablet.setAttribute(kPidAttribute, usbId(configure.pid));
    writeHotkeyConfigure(document, configure.hotkey, tablet);
    writeMappingConfigure(document, configure.mapping, tablet);
}

} // namespace

TabletConfigurePtr readConfigureDocument(const QDomDocument &document)
{
    const QDomElement root = document.documentElement();
    if (root.tagName() != kRootTag)
        return nullptr;
    auto configure = std::make_shared<TabletConfigure>();
    XmlAttribute::readHexUInt16(root, kVersionAttribute, configure->version);
    XmlFile::forEachChildElement(root, [&configure](const QDomElement &child) {
        if (child.tagName() == kPenTag)
            readPenConfigure(child, configure->pen);
        else if (child.tagName() == kTabletTag)
            readTablet(child, *configure);
    });
    return configure;
}

QDomDocument configureDocument(const TabletConfigure &configure)
{
    QDomDocument document = XmlFile::newDocument();
    QDomElement root = document.createElement(kRootTag);
    root.setAttribute(kVersionAttribute, QString::number(kWrittenVersion));
    document.appendChild(root);
    writePenConfigure(document, configure.pen, root);
    writeTablet(document, configure, root);
    return document;
}

TabletConfigurePtr readConfigureFile(const QString &path, const QString &commonPath)
{
    QDomDocument document;
    if (!XmlFile::read(path, document))
        return nullptr;
    TabletConfigurePtr configure = readConfigureDocument(document);
    if (configure && !commonPath.isEmpty())
        loadCommonSettings(commonPath, configure->common);
    return configure;
}
