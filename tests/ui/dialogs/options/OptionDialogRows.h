#pragma once

#include "ui/widgets/VRichItem.h"
#include "ui/widgets/VSwitchButton.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWidget>

// The rows of an option dialog as a user meets them: found by their title, switched by a click on
// their switch, activated by a click on the row.
namespace OptionDialogRows {

inline VRichItem *row(QWidget &dialog, const QString &title)
{
    for (VRichItem *item : dialog.findChildren<VRichItem *>()) {
        const auto *label = item->findChild<QLabel *>(QStringLiteral("riLabelTitle"));
        if (label && label->text() == title)
            return item;
    }
    return nullptr;
}

inline QStringList titles(QWidget &dialog)
{
    QStringList found;
    for (VRichItem *item : dialog.findChildren<VRichItem *>())
        found << item->findChild<QLabel *>(QStringLiteral("riLabelTitle"))->text();
    return found;
}

inline void flip(VRichItem *item)
{
    QTest::mouseClick(item->findChild<VSwitchButton *>(), Qt::LeftButton);
}

inline void activate(VRichItem *item)
{
    item->findChild<QPushButton *>(QStringLiteral("riBtnMain"))->click();
}

} // namespace OptionDialogRows
