#include "StyleSheetResource.h"

#include <QFile>
#include <QWidget>

void applyStyleSheetResource(QWidget *widget, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString sheet = QString::fromUtf8(file.readAll());
    if (!sheet.isEmpty())
        widget->setStyleSheet(sheet);
}
