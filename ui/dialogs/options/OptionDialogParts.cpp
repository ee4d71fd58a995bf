#include "ui/dialogs/options/OptionDialogParts.h"

#include "ui/widgets/VRichItem.h"
#include "ui/widgets/VRichList.h"
#include "ui/widgets/VTitleBar.h"
#include "ui/widgets/WindowHelpers.h"

#include <QDialog>
#include <QPushButton>

namespace {

const QColor kShadowColor(100, 100, 108, 100);
constexpr int kShadowBlur = 10;

} // namespace

void prepareOptionDialog(QDialog *dialog, QWidget *frame, VTitleBar *titleBar,
                         const QString &styleSheetPath, const QString &title, QPushButton *ok)
{
    applyStyleSheet(dialog, styleSheetPath);
    dialog->setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::FramelessWindowHint);
    dialog->setAttribute(Qt::WA_TranslucentBackground);
    addDropShadow(frame, kShadowColor, kShadowBlur);
    titleBar->setButtons(VTitleBar::Close);
    titleBar->setTitle(title);
    ok->setDefault(true);
    ok->setFocus();
}

VRichItem *addSwitchRow(VRichList *list, const QString &title, const QString &caption, bool checked,
                        std::function<void(bool)> store)
{
    auto *row = new VRichItem(VRichItem::Switch, title, caption);
    row->setChecked(checked);
    list->addItem(row);
    QObject::connect(row, &VRichItem::activated, row,
                     [row, store = std::move(store)](int) { store(row->isChecked()); });
    return row;
}
