#include "ui/dialogs/options/VPenOptionDlg.h"

#include "ui/dialogs/options/OptionDialogParts.h"
#include "ui/widgets/VRichItem.h"
#include "ui_VPenOptionDlg.h"

VPenOptionDlg::VPenOptionDlg(const PenOptions &options, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::VPenOptionDlg>()), record(options)
{
    ui->setupUi(this);
    prepareOptionDialog(this, ui->podFrame, ui->podWidgetTitle,
                        QStringLiteral(":/res/qss/normal/qss-VPenOptionDlg.qss"), tr("More Options"), ui->btnOK);
    ui->btnOK->setText(tr("OK"));
    ui->btnCancel->setText(tr("Cancel"));
    addRows();
}

VPenOptionDlg::~VPenOptionDlg() = default;

void VPenOptionDlg::addRows()
{
    VRichList *list = ui->podWidgetRichList;
    list->setListBelowTitle(false);
    addSwitchRow(list, tr("Application"), tr("Hotkey specifies the application"), record.appHotkeys,
                 [this](bool on) { record.appHotkeys = on; });
    addSwitchRow(list, tr("Pressure Curve"), tr("Use the pressure curve panel"), record.curveEnabled,
                 [this](bool on) { record.curveEnabled = on; });
    VRichItem *game = addSwitchRow(list, tr("FPS Game Support"), tr("Only available in mouse mode on Windows"),
                                   record.gameSupport, [this](bool on) { record.gameSupport = on; });
    if (!record.relative) {
        game->setDisabled(true);
        record.gameSupport = false;
    }
}

void VPenOptionDlg::on_btnOK_clicked()
{
    accept();
}

void VPenOptionDlg::on_btnCancel_clicked()
{
    reject();
}
