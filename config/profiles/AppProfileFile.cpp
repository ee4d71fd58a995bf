#include "config/profiles/AppProfileFile.h"

#include "config/configure/BindingElements.h"
#include "config/xml/XmlAttribute.h"
#include "config/xml/XmlFile.h"

#include <utility>

namespace {

const QString kRootTag = QStringLiteral("Application");
const QString kHotkeyTag = QStringLiteral("Hotkey");
const QString kButtonTag = QStringLiteral("Button");
const QString kKeyTag = QStringLiteral("Key");
const QString kDialTag = QStringLiteral("Dial");
const QString kTouchTag = QStringLiteral("Touch");
const QString kNameAttribute = QStringLiteral("name");
const QString kPathAttribute = QStringLiteral("path");

void readBinding(const QDomElement &element, AppProfile &profile)
{
    if (element.tagName() == kButtonTag)
        readButtonElement(element, profile.buttons);
    else if (element.tagName() == kKeyTag)
        readKeyElement(element, profile.keys, profile.virtualKeys);
    else if (element.tagName() == kDialTag)
        readDialElement(element, profile.dials);
    else if (element.tagName() == kTouchTag)
        readTouchElement(element, profile.touches);
}

} // namespace

bool readAppProfileDocument(const QDomDocument &document, AppProfile &profile)
{
    const QDomElement root = document.documentElement();
    const QDomElement bindings = root.firstChildElement();
    if (bindings.isNull())
        return false;
    AppProfile read = profile;
    XmlAttribute::readString(root, kNameAttribute, read.name);
    XmlAttribute::readString(root, kPathAttribute, read.path);
    XmlFile::forEachChildElement(
            bindings, [&read](const QDomElement &element) { readBinding(element, read); });
    profile = std::move(read);
    return true;
}

bool readAppProfile(const QString &path, AppProfile &profile)
{
    QDomDocument document;
    return XmlFile::read(path, document) && readAppProfileDocument(document, profile);
}

QDomDocument appProfileDocument(const AppProfile &profile)
{
    QDomDocument document = XmlFile::newDocument();
    QDomElement root = document.createElement(kRootTag);
    root.setAttribute(kNameAttribute, profile.name);
    root.setAttribute(kPathAttribute, profile.path);
    document.appendChild(root);
    QDomElement hotkey = XmlFile::appendElement(document, kHotkeyTag, root);
    writeButtonElements(document, profile.buttons, hotkey);
    writeKeyElements(document, profile.keys, profile.virtualKeys, hotkey);
    writeDialElements(document, profile.dials, hotkey);
    writeTouchElements(document, profile.touches, hotkey);
    return document;
}
