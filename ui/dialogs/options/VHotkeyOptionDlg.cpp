#include "ui/dialogs/options/VHotkeyOptionDlg.h"

#include "ui/dialogs/options/OptionDialogParts.h"
#include "ui/widgets/VRichItem.h"
#include "ui_VHotkeyOptionDlg.h"

#include <QVBoxLayout>

namespace {

constexpr int kListMargin = 16;
constexpr int kListSpacing = 8;
constexpr int kContainerExtraWidth = 17;
constexpr int kContainerExtraHeight = 9;

// A row of a feature that the model lacks is off and stays off.
void offWhereMissing(VRichItem *row, bool modelHasIt, bool &use)
{
    if (modelHasIt)
        return;
    row->setDisabled(true);
    use = false;
}

} // namespace

VHotkeyOptionDlg::VHotkeyOptionDlg(const HotkeyOptions &given, QWidget *parent)
    : QDialog(parent), options(given), ui(std::make_unique<Ui::VHotkeyOptionDlg>())
{
    ui->setupUi(this);
    prepareOptionDialog(this, ui->hodFrame, ui->hodWidgetTitle,
                        QStringLiteral(":/res/qss/normal/qss-VHotkeyOptionDlg.qss"), tr("More Options"), ui->btnOK);
    ui->btnOK->setText(tr("OK"));
    ui->btnCancel->setText(tr("Cancel"));
    addRows();
    placeListInScrollArea();
}

VHotkeyOptionDlg::~VHotkeyOptionDlg() = default;

void VHotkeyOptionDlg::addRows()
{
    VRichList *list = ui->hodWidgetRichList;
    list->setListBelowTitle(false);
    addSwitchRow(list, tr("Application"), tr("Hotkey specifies the application"), options.appHotkeys,
                 [this](bool on) { options.appHotkeys = on; });
    VRichItem *keys = addSwitchRow(list, tr("Key"), tr("Use the tablet keys "), options.hasKeys,
                                   [this](bool on) { options.hasKeys = on; });
    offWhereMissing(keys, options.modelHasKeys, options.hasKeys);
    VRichItem *dial = addSwitchRow(list, tr("Dial"), tr("Use the tablet dial"), options.hasDial, [this](bool on) {
        options.hasDial = on;
        followDial();
    });
    offWhereMissing(dial, options.modelHasDial, options.hasDial);
    dialSensitivityRow = addSwitchRow(list, tr("Dial Sensitivity"), tr("Adjust Sensitivity of the Dial on the Tablet"),
                                      options.dialSensitivity, [this](bool on) { options.dialSensitivity = on; });
    if (!options.hasDial) {
        dialSensitivityRow->setDisabled(true);
        options.dialSensitivity = false;
    }
    VRichItem *touch = addSwitchRow(list, tr("Touch"), tr("Use the tablet touch"), options.hasTouch,
                                    [this](bool on) { options.hasTouch = on; });
    offWhereMissing(touch, options.modelHasTouch, options.hasTouch);
}

// The sensitivity means something only while the dial is used; switched off with it, it comes
// back off.
void VHotkeyOptionDlg::followDial()
{
    dialSensitivityRow->setDisabled(!options.hasDial);
    options.dialSensitivity = dialSensitivityRow->isChecked();
}

void VHotkeyOptionDlg::placeListInScrollArea()
{
    VRichList *list = ui->hodWidgetRichList;
    auto *container = new QWidget;
    auto *layout = new QVBoxLayout(container);
    layout->setContentsMargins(kListMargin, kListMargin, 0, 0);
    layout->setSpacing(kListSpacing);
    layout->addWidget(list);
    container->setFixedSize(list->width() + kContainerExtraWidth, list->height() + kContainerExtraHeight);
    ui->hoScrollArea->setWidget(container);
}

void VHotkeyOptionDlg::on_btnOK_clicked()
{
    accept();
}

void VHotkeyOptionDlg::on_btnCancel_clicked()
{
    reject();
}
