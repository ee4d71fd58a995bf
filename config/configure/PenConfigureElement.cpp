#include "config/configure/PenConfigureElement.h"

#include "config/configure/BindingElements.h"
#include "config/xml/XmlAttribute.h"
#include "config/xml/XmlFile.h"
#include "config/xml/XmlValue.h"

#include <QStringList>

namespace {

const QString kPenTag = QStringLiteral("Pen");
const QString kHotkeyTag = QStringLiteral("Hotkey");
const QString kButtonTag = QStringLiteral("Button");
const QString kCurveTag = QStringLiteral("Curve");
const QString kPointerTag = QStringLiteral("Pointer");
const QString kAppAttribute = QStringLiteral("app");
const QString kParamAttribute = QStringLiteral("param");
const QString kEnableAttribute = QStringLiteral("enable");
const QString kInkAttribute = QStringLiteral("ink");
const QString kRelativeAttribute = QStringLiteral("relative");
const QString kStepAttribute = QStringLiteral("step");
const QString kGameSupportAttribute = QStringLiteral("gamesupport");
const QString kCapacityAttribute = QStringLiteral("capacity");
const QChar kSeparator = QLatin1Char(',');
constexpr int kCurveNumbers = 4;
constexpr int kCurveDecimals = 3;

void readHotkey(const QDomElement &hotkey, PenConfigure &configure)
{
    XmlAttribute::readBool(hotkey, kAppAttribute, configure.appHotkeys);
    XmlFile::forEachChildElement(hotkey, [&configure](const QDomElement &child) {
        if (child.tagName() == kButtonTag)
            readButtonElement(child, configure.buttons);
    });
}

// The file keeps four of the six coordinates: start x, middle x and y, end y. The other two read
// as 0, the end's x included; that is the stored format, not a slip.
void readCurveParam(const QString &param, PressureCurve &curve)
{
    const QStringList parts = param.split(kSeparator);
    if (parts.size() != kCurveNumbers)
        return;
    curve.start = QPointF(XmlValue::toDouble(parts[0]), 0.0);
    curve.middle = QPointF(XmlValue::toDouble(parts[1]), XmlValue::toDouble(parts[2]));
    curve.end = QPointF(0.0, XmlValue::toDouble(parts[3]));
}

void readCurve(const QDomElement &curve, PenConfigure &configure)
{
    if (curve.hasAttribute(kParamAttribute))
        readCurveParam(curve.attribute(kParamAttribute), configure.curve);
    XmlAttribute::readBool(curve, kEnableAttribute, configure.curveEnabled);
}

void readPointer(const QDomElement &pointer, PenConfigure &configure)
{
    XmlAttribute::readBool(pointer, kInkAttribute, configure.ink);
    XmlAttribute::readBool(pointer, kRelativeAttribute, configure.relative);
    XmlAttribute::readBool(pointer, kGameSupportAttribute, configure.gameSupport);
    if (pointer.hasAttribute(kStepAttribute))
        configure.step = PenConfigure::clampStep(
                XmlValue::toUInt16(pointer.attribute(kStepAttribute)));
    if (pointer.hasAttribute(kCapacityAttribute))
        configure.capacity = PenConfigure::clampCapacity(
                XmlValue::toUInt32(pointer.attribute(kCapacityAttribute)));
}

QString curveNumber(double value)
{
    return QString::number(value, 'f', kCurveDecimals);
}

QString curveParam(const PressureCurve &curve)
{
    return QStringList{curveNumber(curve.start.x()), curveNumber(curve.middle.x()),
                       curveNumber(curve.middle.y()), curveNumber(curve.end.y())}
            .join(kSeparator);
}

void writeHotkey(QDomDocument &document, const PenConfigure &configure, QDomElement &pen)
{
    QDomElement hotkey = XmlFile::appendElement(document, kHotkeyTag, pen);
    hotkey.setAttribute(kAppAttribute, XmlValue::fromBool(configure.appHotkeys));
    writeButtonElements(document, configure.buttons, hotkey);
}

void writeCurve(QDomDocument &document, const PenConfigure &configure, QDomElement &pen)
{
    QDomElement curve = XmlFile::appendElement(document, kCurveTag, pen);
    curve.setAttribute(kParamAttribute, curveParam(configure.curve));
    curve.setAttribute(kEnableAttribute, XmlValue::fromBool(configure.curveEnabled));
}

void writePointer(QDomDocument &document, const PenConfigure &configure, QDomElement &pen)
{
    QDomElement pointer = XmlFile::appendElement(document, kPointerTag, pen);
    pointer.setAttribute(kInkAttribute, XmlValue::fromBool(configure.ink));
    pointer.setAttribute(kRelativeAttribute, XmlValue::fromBool(configure.relative));
    pointer.setAttribute(kStepAttribute, QString::number(configure.step));
    pointer.setAttribute(kGameSupportAttribute, XmlValue::fromBool(configure.gameSupport));
    pointer.setAttribute(kCapacityAttribute, QString::number(configure.capacity));
}

} // namespace

void readPenConfigure(const QDomElement &pen, PenConfigure &configure)
{
    XmlFile::forEachChildElement(pen, [&configure](const QDomElement &child) {
        if (child.tagName() == kHotkeyTag)
            readHotkey(child, configure);
        else if (child.tagName() == kCurveTag)
            readCurve(child, configure);
        else if (child.tagName() == kPointerTag)
            readPointer(child, configure);
    });
}

QDomElement writePenConfigure(QDomDocument &document, const PenConfigure &configure,
                              QDomElement &parent)
{
    QDomElement pen = XmlFile::appendElement(document, kPenTag, parent);
    writeHotkey(document, configure, pen);
    writeCurve(document, configure, pen);
    writePointer(document, configure, pen);
    return pen;
}
