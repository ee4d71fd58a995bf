#include "config/xml/XmlFile.h"

#include "config/xml/WholeFile.h"

#include <QFile>

namespace XmlFile {

namespace {

constexpr int kIndent = 4;

} // namespace

QDomDocument newDocument()
{
    QDomDocument document;
    document.appendChild(document.createProcessingInstruction(
            QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"utf-8\"")));
    return document;
}

bool read(const QString &path, QDomDocument &document)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return document.setContent(&file);
}

bool write(const QString &path, const QDomDocument &document)
{
    return WholeFile::write(path, document.toByteArray(kIndent));
}

QDomElement appendElement(QDomDocument &document, const QString &tag, QDomElement &parent)
{
    QDomElement element = document.createElement(tag);
    parent.appendChild(element);
    return element;
}

void forEachChildElement(const QDomElement &parent,
                         const std::function<void(const QDomElement &)> &visit)
{
    for (QDomElement child = parent.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement())
        visit(child);
}

} // namespace XmlFile
