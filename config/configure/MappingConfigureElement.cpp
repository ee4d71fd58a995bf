#include "config/configure/MappingConfigureElement.h"

#include "config/xml/XmlAttribute.h"
#include "config/xml/XmlFile.h"
#include "config/xml/XmlValue.h"

#include <QStringList>

namespace {

const QString kMappingTag = QStringLiteral("Mapping");
const QString kScreenTag = QStringLiteral("Screen");
const QString kIdentifyTag = QStringLiteral("Identify");
const QString kAdditionTag = QStringLiteral("Addition");
const QString kWorkTag = QStringLiteral("Work");
const QString kIndexAttribute = QStringLiteral("index");
const QString kPartAttribute = QStringLiteral("part");
const QString kKxAttribute = QStringLiteral("kx");
const QString kKyAttribute = QStringLiteral("ky");
const QString kKcxAttribute = QStringLiteral("kcx");
const QString kKcyAttribute = QStringLiteral("kcy");
const QString kFlagAttribute = QStringLiteral("flag");
const QString kCodeAttribute = QStringLiteral("code");
const QString kIdAttribute = QStringLiteral("id");
const QString kAbsRectAttribute = QStringLiteral("absrect");
const QString kDesktopSizeAttribute = QStringLiteral("desktopsize");
const QString kDpiRectAttribute = QStringLiteral("dpirect");
const QString kDpiDesktopSizeAttribute = QStringLiteral("dpidesktopsize");
const QString kRotationAttribute = QStringLiteral("rotation");
const QChar kListSeparator = QLatin1Char(',');
const QChar kCodeSeparator = QLatin1Char('-');
constexpr int kRectNumbers = 4;
constexpr int kScaleDecimals = 5;
constexpr int kHexBase = 16;

// ---- reading

// "x,y,w,h"; anything but four parts leaves the rectangle as it was.
void readRect(const QDomElement &element, const QString &name, QRect &rect)
{
    const QStringList parts = element.attribute(name).split(kListSeparator);
    if (parts.size() != kRectNumbers)
        return;
    rect = QRect(XmlValue::toInt32(parts[0]), XmlValue::toInt32(parts[1]),
                 XmlValue::toInt32(parts[2]), XmlValue::toInt32(parts[3]));
}

void readScale(const QDomElement &element, const QString &name, double &scale)
{
    scale = MappingConfigure::kDefaultScale;
    if (element.hasAttribute(name))
        scale = MappingConfigure::clampScale(XmlValue::toDouble(element.attribute(name)));
}

// Seven hexadecimal bytes joined by "-"; any other count leaves the code as it was.
void readCode(const QString &value, std::array<std::uint8_t, 7> &code)
{
    const QStringList parts = value.split(kCodeSeparator);
    if (parts.size() != static_cast<int>(code.size()))
        return;
    for (std::size_t i = 0; i < code.size(); ++i) {
        bool ok = false;
        const uint byte = parts[static_cast<int>(i)].trimmed().toUInt(&ok, kHexBase);
        code[i] = ok && byte <= 0xff ? static_cast<std::uint8_t>(byte) : 0;
    }
}

// The identification sits in Screen's first child element, whatever its name.
void readIdentify(const QDomElement &identify, MappingConfigure &configure)
{
    XmlAttribute::readUInt32(identify, kFlagAttribute, configure.flag);
    if (identify.hasAttribute(kCodeAttribute))
        readCode(identify.attribute(kCodeAttribute), configure.code);
    XmlAttribute::readUInt32(identify, kIdAttribute, configure.id);
}

void readScreen(const QDomElement &screen, MappingConfigure &configure)
{
    if (screen.hasAttribute(kIndexAttribute))
        configure.screenIndex = XmlValue::toUInt16(screen.attribute(kIndexAttribute));
    readRect(screen, kPartAttribute, configure.part);
    readScale(screen, kKxAttribute, configure.kx);
    readScale(screen, kKyAttribute, configure.ky);
    readScale(screen, kKcxAttribute, configure.kcx);
    readScale(screen, kKcyAttribute, configure.kcy);
    readIdentify(screen.firstChildElement(), configure);
}

void readWork(const QDomElement &work, MappingConfigure &configure)
{
    readRect(work, kPartAttribute, configure.workArea);
    XmlAttribute::readInt32(work, kRotationAttribute, configure.rotation);
}

// ---- writing

QString rectText(const QRect &rect)
{
    return QStringLiteral("%1,%2,%3,%4")
            .arg(rect.x())
            .arg(rect.y())
            .arg(rect.width())
            .arg(rect.height());
}

QString sizeText(const QSize &size)
{
    return QStringLiteral("%1,%2").arg(size.width()).arg(size.height());
}

QString scaleText(double scale)
{
    return QString::number(scale, 'f', kScaleDecimals);
}

QString codeText(const std::array<std::uint8_t, 7> &code)
{
    QStringList bytes;
    for (std::uint8_t byte : code)
        bytes << QStringLiteral("%1").arg(uint{byte}, 2, kHexBase, QLatin1Char('0'));
    return bytes.join(kCodeSeparator);
}

void writeIdentify(QDomDocument &document, const MappingConfigure &configure, QDomElement &screen)
{
    QDomElement identify = XmlFile::appendElement(document, kIdentifyTag, screen);
    identify.setAttribute(kFlagAttribute, QString::number(configure.flag));
    identify.setAttribute(kCodeAttribute, codeText(configure.code));
    identify.setAttribute(kIdAttribute, QString::number(configure.id));
}

void writeAddition(QDomDocument &document, const MappingConfigure &configure, QDomElement &screen)
{
    QDomElement addition = XmlFile::appendElement(document, kAdditionTag, screen);
    addition.setAttribute(kAbsRectAttribute, rectText(configure.absRect));
    addition.setAttribute(kDesktopSizeAttribute, sizeText(configure.desktopSize));
    addition.setAttribute(kDpiRectAttribute, rectText(configure.dpiRect));
    addition.setAttribute(kDpiDesktopSizeAttribute, sizeText(configure.dpiDesktopRect.size()));
}

void writeScreen(QDomDocument &document, const MappingConfigure &configure, QDomElement &mapping)
{
    QDomElement screen = XmlFile::appendElement(document, kScreenTag, mapping);
    screen.setAttribute(kIndexAttribute, QString::number(configure.screenIndex));
    screen.setAttribute(kPartAttribute, rectText(configure.part));
    screen.setAttribute(kKxAttribute, scaleText(configure.kx));
    screen.setAttribute(kKyAttribute, scaleText(configure.ky));
    screen.setAttribute(kKcxAttribute, scaleText(configure.kcx));
    screen.setAttribute(kKcyAttribute, scaleText(configure.kcy));
    writeIdentify(document, configure, screen);
    writeAddition(document, configure, screen);
}

void writeWork(QDomDocument &document, const MappingConfigure &configure, QDomElement &mapping)
{
    QDomElement work = XmlFile::appendElement(document, kWorkTag, mapping);
    work.setAttribute(kPartAttribute, rectText(configure.workArea));
    work.setAttribute(kRotationAttribute, QString::number(configure.rotation));
}

} // namespace

void readMappingConfigure(const QDomElement &mapping, MappingConfigure &configure)
{
    XmlFile::forEachChildElement(mapping, [&configure](const QDomElement &child) {
        if (child.tagName() == kScreenTag)
            readScreen(child, configure);
        else if (child.tagName() == kWorkTag)
            readWork(child, configure);
    });
}

QDomElement writeMappingConfigure(QDomDocument &document, const MappingConfigure &configure,
                                  QDomElement &parent)
{
    QDomElement mapping = XmlFile::appendElement(document, kMappingTag, parent);
    writeScreen(document, configure, mapping);
    writeWork(document, configure, mapping);
    return mapping;
}
