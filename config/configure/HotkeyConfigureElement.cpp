#include "config/configure/HotkeyConfigureElement.h"

#include "config/configure/BindingElements.h"
#include "config/xml/XmlAttribute.h"
#include "config/xml/XmlFile.h"
#include "config/xml/XmlValue.h"

#include <QStringList>

namespace {

const QString kHotkeyTag = QStringLiteral("Hotkey");
const QString kKeyTag = QStringLiteral("Key");
const QString kDialTag = QStringLiteral("Dial");
const QString kTouchTag = QStringLiteral("Touch");
const QString kFeatureAttribute = QStringLiteral("feature");
const QString kAppAttribute = QStringLiteral("app");
const QString kDialSensitivityAttribute = QStringLiteral("dial-sensitivity");
const QString kKeyFeature = QStringLiteral("key");
const QString kDialFeature = QStringLiteral("dial");
const QString kTouchFeature = QStringLiteral("touch");
const QChar kFeatureSeparator = QLatin1Char(',');

void readFeatures(const QString &features, HotkeyConfigure &configure)
{
    configure.hasKeys = features.contains(kKeyFeature);
    configure.hasDial = features.contains(kDialFeature);
    configure.hasTouch = features.contains(kTouchFeature);
}

QString features(const HotkeyConfigure &configure)
{
    QStringList words;
    if (configure.hasKeys)
        words << kKeyFeature;
    if (configure.hasDial)
        words << kDialFeature;
    if (configure.hasTouch)
        words << kTouchFeature;
    return words.join(kFeatureSeparator);
}

void readBinding(const QDomElement &element, HotkeyConfigure &configure)
{
    if (element.tagName() == kKeyTag)
        readKeyElement(element, configure.keys, configure.virtualKeys);
    else if (element.tagName() == kDialTag)
        readDialElement(element, configure.dials);
    else if (element.tagName() == kTouchTag)
        readTouchElement(element, configure.touches);
}

} // namespace

void readHotkeyConfigure(const QDomElement &hotkey, HotkeyConfigure &configure)
{
    if (hotkey.hasAttribute(kFeatureAttribute))
        readFeatures(hotkey.attribute(kFeatureAttribute), configure);
    XmlAttribute::readBool(hotkey, kAppAttribute, configure.appHotkeys);
    XmlAttribute::readBool(hotkey, kDialSensitivityAttribute, configure.dialSensitivity);
    XmlFile::forEachChildElement(
            hotkey, [&configure](const QDomElement &child) { readBinding(child, configure); });
}

QDomElement writeHotkeyConfigure(QDomDocument &document, const HotkeyConfigure &configure,
                                 QDomElement &parent)
{
    QDomElement hotkey = XmlFile::appendElement(document, kHotkeyTag, parent);
    hotkey.setAttribute(kFeatureAttribute, features(configure));
    hotkey.setAttribute(kAppAttribute, XmlValue::fromBool(configure.appHotkeys));
    hotkey.setAttribute(kDialSensitivityAttribute, XmlValue::fromBool(configure.dialSensitivity));
    writeKeyElements(document, configure.keys, configure.virtualKeys, hotkey);
    writeDialElements(document, configure.dials, hotkey);
    writeTouchElements(document, configure.touches, hotkey);
    return hotkey;
}
