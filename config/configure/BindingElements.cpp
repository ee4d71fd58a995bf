#include "config/configure/BindingElements.h"

#include "config/actions/ActionElement.h"
#include "config/xml/XmlFile.h"
#include "config/xml/XmlValue.h"

namespace {

const QString kButtonTag = QStringLiteral("Button");
const QString kKeyTag = QStringLiteral("Key");
const QString kDialTag = QStringLiteral("Dial");
const QString kActionPairTag = QStringLiteral("ActionPair");
const QString kTouchTag = QStringLiteral("Touch");
const QString kIdAttribute = QStringLiteral("id");
const QString kVirtualAttribute = QStringLiteral("virtual");
const QString kIndexAttribute = QStringLiteral("index");
const QString kEventAttribute = QStringLiteral("event");
const QString kOrientationAttribute = QStringLiteral("orientation");
const QString kLeft = QStringLiteral("left");
const QString kRight = QStringLiteral("right");
// Touch ids are not kept; every Touch is written with this one.
const QString kWrittenTouchId = QStringLiteral("1");
constexpr int kPairSize = 2;

// A malformed number reads as 0, as every number of these files does.
std::uint16_t number(const QDomElement &element, const QString &attribute)
{
    return XmlValue::toUInt16(element.attribute(attribute));
}

TabletActionPtr firstAction(const QDomElement &element)
{
    return readActionElement(element.firstChildElement());
}

QDomElement appendNumbered(QDomDocument &document, const QString &tag, std::uint16_t id,
                           QDomElement &parent)
{
    QDomElement element = XmlFile::appendElement(document, tag, parent);
    element.setAttribute(kIdAttribute, QString::number(id));
    return element;
}

// The orientation names the side; an Action without one goes by its position in the pair.
TabletActionPtr &sideOf(ActionPair &pair, const QDomElement &action, int position)
{
    const QString orientation = action.attribute(kOrientationAttribute).trimmed().toLower();
    if (orientation == kLeft)
        return pair.first;
    if (orientation == kRight)
        return pair.second;
    return position == 0 ? pair.first : pair.second;
}

void writeKeys(QDomDocument &document, const ActionMap &keys, bool isVirtual, QDomElement &parent)
{
    for (const auto &entry : keys) {
        QDomElement key = appendNumbered(document, kKeyTag, entry.first, parent);
        key.setAttribute(kVirtualAttribute, XmlValue::fromBool(isVirtual));
        writeActionElement(document, entry.second, key);
    }
}

void writeOrientedAction(QDomDocument &document, const TabletActionPtr &action,
                         const QString &orientation, QDomElement &pair)
{
    QDomElement element = writeActionElement(document, action, pair);
    if (!element.isNull())
        element.setAttribute(kOrientationAttribute, orientation);
}

void writeDial(QDomDocument &document, const DialConfigure &dial, QDomElement &element)
{
    element.setAttribute(kIndexAttribute, QString::number(dial.index));
    for (const ActionPair &pair : dial.pairs) {
        QDomElement pairElement = XmlFile::appendElement(document, kActionPairTag, element);
        writeOrientedAction(document, pair.first, kLeft, pairElement);
        writeOrientedAction(document, pair.second, kRight, pairElement);
    }
}

} // namespace

void readButtonElement(const QDomElement &button, ActionMap &buttons)
{
    if (!button.hasAttribute(kIdAttribute))
        return;
    if (TabletActionPtr action = firstAction(button))
        buttons[number(button, kIdAttribute)] = std::move(action);
}

void readKeyElement(const QDomElement &key, ActionMap &keys, ActionMap &virtualKeys)
{
    if (!key.hasAttribute(kIdAttribute))
        return;
    ActionMap &target = XmlValue::toBool(key.attribute(kVirtualAttribute)) ? virtualKeys : keys;
    target[number(key, kIdAttribute)] = firstAction(key);
}

void readDialElement(const QDomElement &dial, DialMap &dials)
{
    if (!dial.hasAttribute(kIdAttribute))
        return;
    DialConfigure configure;
    configure.index = number(dial, kIndexAttribute);
    XmlFile::forEachChildElement(dial, [&configure](const QDomElement &pair) {
        configure.pairs.push_back(readActionPairElement(pair));
    });
    dials[number(dial, kIdAttribute)] = std::move(configure);
}

ActionPair readActionPairElement(const QDomElement &pair)
{
    ActionPair result;
    QDomElement element = pair.firstChildElement();
    for (int position = 0; position < kPairSize && !element.isNull(); ++position) {
        sideOf(result, element, position) = readActionElement(element);
        element = element.nextSiblingElement();
    }
    return result;
}

void readTouchElement(const QDomElement &touch, ActionMap &touches)
{
    if (!touch.hasAttribute(kIdAttribute) || !touch.hasAttribute(kEventAttribute))
        return;
    touches[number(touch, kEventAttribute)] = firstAction(touch);
}

void writeButtonElements(QDomDocument &document, const ActionMap &buttons, QDomElement &parent)
{
    for (const auto &entry : buttons) {
        QDomElement button = appendNumbered(document, kButtonTag, entry.first, parent);
        writeActionElement(document, entry.second, button);
    }
}

void writeKeyElements(QDomDocument &document, const ActionMap &keys, const ActionMap &virtualKeys,
                      QDomElement &parent)
{
    writeKeys(document, keys, false, parent);
    writeKeys(document, virtualKeys, true, parent);
}

void writeDialElements(QDomDocument &document, const DialMap &dials, QDomElement &parent)
{
    for (const auto &entry : dials) {
        QDomElement dial = appendNumbered(document, kDialTag, entry.first, parent);
        writeDial(document, entry.second, dial);
    }
}

void writeTouchElements(QDomDocument &document, const ActionMap &touches, QDomElement &parent)
{
    for (const auto &entry : touches) {
        QDomElement touch = XmlFile::appendElement(document, kTouchTag, parent);
        touch.setAttribute(kIdAttribute, kWrittenTouchId);
        touch.setAttribute(kEventAttribute, QString::number(entry.first));
        writeActionElement(document, entry.second, touch);
    }
}
