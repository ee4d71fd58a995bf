#include "ui/dialogs/options/VMappingOptionDlg.h"

#include "ui/dialogs/options/OptionDialogParts.h"
#include "ui/widgets/VRichItem.h"
#include "ui/widgets/VRichList.h"
#include "ui/widgets/WindowHelpers.h"
#include "ui_VMappingOptionDlg.h"

VMappingOptionDlg::VMappingOptionDlg(const MappingOptions &options, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::VMappingOptionDlg>()), record(options)
{
    ui->setupUi(this);
    prepareOptionDialog(this, ui->modFrame, ui->modWidgetTitle,
                        QStringLiteral(":/res/qss/normal/qss-VMappingOptionDlg.qss"), tr("More Options"), ui->btnOK);
    ui->btnOK->setText(tr("OK"));
    ui->btnCancel->setText(tr("Cancel"));
    ui->modLabelRotation->setText(tr("Rotation"));
    styleComboPopup(ui->modComboRotation);
    ui->modLabelRotation->hide();
    ui->modComboRotation->hide();
    addRows();
}

VMappingOptionDlg::~VMappingOptionDlg() = default;

void VMappingOptionDlg::setServices(Services given)
{
    services = std::move(given);
}

void VMappingOptionDlg::addRows()
{
    VRichList *list = ui->modWidgetRichList;
    list->setTitle(tr("Screen"));
    auto *identify = new VRichItem(VRichItem::Arrow, tr("Screen Identify"), tr("Detect and identify screens"));
    list->addItem(identify);
    connect(identify, &VRichItem::activated, this, [this](int) { identifyScreens(); });
    if (!record.penDisplay)
        return;
    auto *color = new VRichItem(VRichItem::Arrow, tr("Color Temperature"),
                                record.colorSupported ? tr("Adjust screen color")
                                                      : tr("The target screen is not supported"));
    list->addItem(color);
    if (!record.colorSupported) {
        color->setDisabled(true);
        return;
    }
    connect(color, &VRichItem::activated, this, [this](int) { openColorControl(); });
}

std::vector<MonitorInfo> VMappingOptionDlg::monitors() const
{
    return services.monitors ? services.monitors() : std::vector<MonitorInfo>();
}

void VMappingOptionDlg::identifyScreens()
{
    identification.identify(monitors());
}

void VMappingOptionDlg::openColorControl()
{
    const std::vector<MonitorInfo> list = monitors();
    if (!services.openColorControl || record.monitorIndex >= list.size())
        return;
    services.openColorControl(this, list[record.monitorIndex]);
}

void VMappingOptionDlg::on_btnOK_clicked()
{
    accept();
}

void VMappingOptionDlg::on_btnCancel_clicked()
{
    reject();
}

// The combo box stays hidden and empty, so this never stores anything in practice; a shown list
// of rotations would store the chosen one.
void VMappingOptionDlg::on_modComboRotation_currentIndexChanged(int index)
{
    if (index >= 0)
        record.rotation = index;
}
