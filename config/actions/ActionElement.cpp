#include "config/actions/ActionElement.h"

#include "config/actions/TabletExecAction.h"
#include "config/actions/TabletKeyboardAction.h"
#include "config/actions/TabletMediaAction.h"
#include "config/actions/TabletMiscAction.h"
#include "config/actions/TabletMouseAction.h"
#include "config/xml/XmlValue.h"

#include <memory>

namespace {

const QString kActionTag = QStringLiteral("Action");
const QString kTypeAttribute = QStringLiteral("type");
const QString kTipAttribute = QStringLiteral("tip");
const QString kModeAttribute = QStringLiteral("mode");
const QString kEventAttribute = QStringLiteral("event");
const QString kToolAttribute = QStringLiteral("tool");
const QString kPathAttribute = QStringLiteral("path");
const QString kTextMode = QStringLiteral("text");
const QString kHotkeyMode = QStringLiteral("hotkey");
const QChar kToolSeparator = QLatin1Char(';');

// ---- reading

void replaceFirst(QString &text, const QString &from, const QString &to)
{
    const int position = text.indexOf(from);
    if (position >= 0)
        text.replace(position, from.size(), to);
}

// Key names of another desktop system read as their Windows names; the order of the steps
// lets "Command+Command+C" become "Ctrl+Ctrl+C".
QString keyCombinationFromFile(const QString &stored)
{
    QString combination = stored.trimmed();
    replaceFirst(combination, QStringLiteral("Command"), QStringLiteral("Ctrl"));
    replaceFirst(combination, QStringLiteral("Option"), QStringLiteral("Alt"));
    replaceFirst(combination, QStringLiteral("Command"), QStringLiteral("Ctrl"));
    return combination;
}

TabletActionPtr readKeyboardAction(const QDomElement &element, const QString &tip)
{
    const int mode = element.attribute(kModeAttribute) == kTextMode
            ? TabletKeyboardAction::TypedText
            : TabletKeyboardAction::KeyCombination;
    // A text to type is kept exactly as stored, white space and all.
    const QString text = mode == TabletKeyboardAction::TypedText
            ? element.text()
            : keyCombinationFromFile(element.text());
    return std::make_shared<TabletKeyboardAction>(tip, text, mode);
}

std::uint32_t readEvent(const QDomElement &element, std::uint32_t lastEvent)
{
    bool ok = false;
    const std::uint32_t event = XmlValue::toUInt32(element.attribute(kEventAttribute), &ok);
    return ok && event >= 1 && event <= lastEvent ? event : 0;
}

QStringList readTools(const QDomElement &element)
{
    return element.attribute(kToolAttribute).split(kToolSeparator, Qt::SkipEmptyParts);
}

TabletActionPtr readActionOfType(const QString &type, const QDomElement &element,
                                 const QString &tip)
{
    if (type == QLatin1String("keyboard") || type == QLatin1String("key"))
        return readKeyboardAction(element, tip);
    if (type == QLatin1String("mouse"))
        return std::make_shared<TabletMouseAction>(
                tip, readEvent(element, TabletMouseAction::kLastEvent));
    if (type == QLatin1String("misc"))
        return std::make_shared<TabletMiscAction>(
                tip, readEvent(element, TabletMiscAction::kLastEvent), readTools(element));
    if (type == QLatin1String("exec"))
        return std::make_shared<TabletExecAction>(tip, element.attribute(kPathAttribute));
    if (type == QLatin1String("media"))
        return std::make_shared<TabletMediaAction>(
                tip, readEvent(element, TabletMediaAction::kLastEvent));
    return nullptr;
}

// ---- writing

// The XML parser drops text that is nothing but white space, so such a text (a typed space,
// say) goes into a CDATA section, which the parser keeps and QDomElement::text() reads the same.
// Only white space goes there: a CDATA section cannot hold "]]>".
QDomNode textNode(QDomDocument &document, const QString &text)
{
    if (!text.isEmpty() && text.trimmed().isEmpty())
        return document.createCDATASection(text);
    return document.createTextNode(text);
}

void writeKeyboardFields(QDomDocument &document, const TabletKeyboardAction &action,
                         QDomElement &element)
{
    element.setAttribute(kModeAttribute, action.typesText() ? kTextMode : kHotkeyMode);
    element.appendChild(textNode(document, action.text));
}

void writeEvent(std::uint32_t event, QDomElement &element)
{
    element.setAttribute(kEventAttribute, QString::number(event));
}

void writeMiscFields(const TabletMiscAction &action, QDomElement &element)
{
    writeEvent(action.event, element);
    if (action.event == TabletMiscAction::CustomTool)
        element.setAttribute(kToolAttribute, action.tools.join(kToolSeparator));
}

void writeOwnFields(QDomDocument &document, const TabletAction &action, QDomElement &element)
{
    if (const auto *keyboard = dynamic_cast<const TabletKeyboardAction *>(&action))
        writeKeyboardFields(document, *keyboard, element);
    else if (const auto *mouse = dynamic_cast<const TabletMouseAction *>(&action))
        writeEvent(mouse->event, element);
    else if (const auto *misc = dynamic_cast<const TabletMiscAction *>(&action))
        writeMiscFields(*misc, element);
    else if (const auto *exec = dynamic_cast<const TabletExecAction *>(&action))
        element.setAttribute(kPathAttribute, exec->path);
    else if (const auto *media = dynamic_cast<const TabletMediaAction *>(&action))
        writeEvent(media->event, element);
}

} // namespace

TabletActionPtr readActionElement(const QDomElement &element)
{
    const QString type = element.attribute(kTypeAttribute).toLower();
    return readActionOfType(type, element, element.attribute(kTipAttribute));
}

QDomElement writeActionElement(QDomDocument &document, const TabletActionPtr &action,
                               QDomElement &parent)
{
    if (!action)
        return QDomElement();
    QDomElement element = document.createElement(kActionTag);
    element.setAttribute(kTypeAttribute, action->typeName);
    element.setAttribute(kTipAttribute, action->tip);
    writeOwnFields(document, *action, element);
    parent.appendChild(element);
    return element;
}
