#include "config/layout/TabletLayoutFile.h"

#include "config/layout/TabletLayoutDial.h"
#include "config/layout/TabletLayoutKey.h"
#include "config/layout/TabletLayoutTouch.h"
#include "config/xml/XmlValue.h"

#include <QDomElement>
#include <QFile>
#include <QStringList>

namespace {

const QString kPenTag = QStringLiteral("PEN");
const QString kButtonTag = QStringLiteral("BUTTON");
const QString kTabletTag = QStringLiteral("TABLET");
const QString kKeyTag = QStringLiteral("KEY");
const QString kDialTag = QStringLiteral("DIAL");
const QString kTouchTag = QStringLiteral("TOUCH");
const QString kVirtualValue = QStringLiteral("TRUE");
const QChar kSeparator = QLatin1Char(',');

constexpr int kRectangleParts = 4;
constexpr std::size_t kRadiusParts = 6;

QString upperTag(const QDomElement &element)
{
    return element.tagName().toUpper();
}

std::int32_t decimal(const QDomElement &element, const QString &name)
{
    return XmlValue::toInt32(element.attribute(name));
}

QRect rectAttribute(const QDomElement &element, const QString &name)
{
    return TabletLayoutFile::rectangle(element.attribute(name));
}

void readButton(const QDomElement &button, TabletLayoutPenPart &pen)
{
    const std::int32_t id = decimal(button, QStringLiteral("id"));
    const QRect rect = rectAttribute(button, QStringLiteral("rect"));
    if (id == 1)
        pen.button1Rect = rect;
    else if (id == 2)
        pen.button2Rect = rect;
}

void readPen(const QDomElement &penElement, TabletLayoutPenPart &pen)
{
    pen.penModel = penElement.attribute(QStringLiteral("model"));
    for (QDomElement child = penElement.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (upperTag(child) == kButtonTag)
            readButton(child, pen);
    }
}

TabletLayoutComponentPtr newKey(const QDomElement &element)
{
    auto key = std::make_shared<TabletLayoutKey>();
    key->radius = TabletLayoutFile::radii(element.attribute(QStringLiteral("radius")));
    key->isVirtual = element.attribute(QStringLiteral("virtual")).toUpper() == kVirtualValue;
    return key;
}

TabletLayoutComponentPtr newDial(const QDomElement &element)
{
    auto dial = std::make_shared<TabletLayoutDial>();
    dial->r = decimal(element, QStringLiteral("r"));
    return dial;
}

TabletLayoutComponentPtr newTouch(const QDomElement &element)
{
    auto touch = std::make_shared<TabletLayoutTouch>();
    touch->event = decimal(element, QStringLiteral("event"));
    return touch;
}

// An empty pointer for tags that are no component.
TabletLayoutComponentPtr readComponent(const QDomElement &element)
{
    const QString tag = upperTag(element);
    TabletLayoutComponentPtr component;
    if (tag == kKeyTag)
        component = newKey(element);
    else if (tag == kDialTag)
        component = newDial(element);
    else if (tag == kTouchTag)
        component = newTouch(element);
    if (component) {
        component->id = decimal(element, QStringLiteral("id"));
        component->rect = rectAttribute(element, QStringLiteral("rect"));
    }
    return component;
}

void readTablet(const QDomElement &tabletElement, TabletLayoutTabletPart &tablet)
{
    tablet.model = tabletElement.attribute(QStringLiteral("model"));
    tablet.vid = XmlValue::toHexUInt16(tabletElement.attribute(QStringLiteral("vid")));
    tablet.pid = XmlValue::toHexUInt16(tabletElement.attribute(QStringLiteral("pid")));
    tablet.workRect = rectAttribute(tabletElement, QStringLiteral("workrect"));
    for (QDomElement child = tabletElement.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (TabletLayoutComponentPtr component = readComponent(child))
            tablet.components.push_back(component);
    }
}

} // namespace

TabletLayoutPtr readLayoutFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    QDomDocument document;
    if (!document.setContent(&file))
        return nullptr;
    return TabletLayoutFile::readDocument(document);
}

namespace TabletLayoutFile {

TabletLayoutPtr readDocument(const QDomDocument &document)
{
    auto layout = std::make_shared<TabletLayout>();
    for (QDomElement child = document.documentElement().firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString tag = upperTag(child);
        if (tag == kPenTag)
            readPen(child, layout->pen);
        else if (tag == kTabletTag)
            readTablet(child, layout->tablet);
    }
    return layout;
}

QRect rectangle(const QString &value)
{
    const QStringList parts = value.split(kSeparator);
    if (parts.size() != kRectangleParts)
        return QRect();
    return QRect(XmlValue::toInt32(parts.at(0)), XmlValue::toInt32(parts.at(1)),
                 XmlValue::toInt32(parts.at(2)), XmlValue::toInt32(parts.at(3)));
}

std::array<double, 6> radii(const QString &value)
{
    std::array<double, 6> result{};
    const QStringList parts = value.split(kSeparator);
    if (std::size_t(parts.size()) != kRadiusParts)
        return result;
    for (std::size_t i = 0; i < kRadiusParts; ++i)
        result[i] = XmlValue::toDouble(parts.at(int(i)));
    return result;
}

} // namespace TabletLayoutFile
