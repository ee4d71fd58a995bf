#pragma once

#include <QDomDocument>
#include <QDomElement>
#include <QString>

#include <functional>

// Whole-file reading and writing of the XML files of the configuration store.
namespace XmlFile {

// An empty document that starts with the declaration every configuration file carries.
QDomDocument newDocument();

// Reads and parses the file (a resource path works too); false when it cannot be opened or is
// not well-formed XML (an empty or cut-short file included).
bool read(const QString &path, QDomDocument &document);

// Writes the document with four-space indentation into a temporary file beside `path` and only
// then replaces `path` with it, so a failed write leaves the old file exactly as it was.
bool write(const QString &path, const QDomDocument &document);

// Creates an element with the tag, appends it under parent and returns it.
QDomElement appendElement(QDomDocument &document, const QString &tag, QDomElement &parent);

// Calls visit for each child element of parent, in document order.
void forEachChildElement(const QDomElement &parent,
                         const std::function<void(const QDomElement &)> &visit);

} // namespace XmlFile
