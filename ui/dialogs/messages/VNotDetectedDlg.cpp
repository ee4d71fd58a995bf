#include "ui/dialogs/messages/VNotDetectedDlg.h"

#include "ui/widgets/VTitleBar.h"
#include "ui/widgets/WindowHelpers.h"
#include "ui_VNotDetectedDlg.h"

VNotDetectedDlg::VNotDetectedDlg(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::VNotDetectedDlg>())
{
    ui->setupUi(this);
    applyStyleSheet(this, QStringLiteral(":/res/qss/normal/qss-VNotDetectedDlg.qss"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_TranslucentBackground);
    addDropShadow(ui->nddFrame, QColor(100, 100, 108, 100), 10);
    ui->nddWidgetTitle->setButtons(VTitleBar::Close);
    retranslate();
}

VNotDetectedDlg::~VNotDetectedDlg() = default;

void VNotDetectedDlg::retranslate()
{
    ui->retranslateUi(this);
    ui->nddWidgetTitle->setTitle(windowTitle());
}
