#include "ui/pages/VLanguageItem.h"

#include "ui/widgets/WindowHelpers.h"
#include "ui_VLanguageItem.h"

#include <QEvent>

namespace {

// Indexed by language id.
const char *const kLanguageNames[] = {
    QT_TRANSLATE_NOOP("VLanguageItem", "English"),
    QT_TRANSLATE_NOOP("VLanguageItem", "Simplified Chinese"),
    QT_TRANSLATE_NOOP("VLanguageItem", "Traditional Chinese"),
    QT_TRANSLATE_NOOP("VLanguageItem", "French"),
    QT_TRANSLATE_NOOP("VLanguageItem", "German"),
    QT_TRANSLATE_NOOP("VLanguageItem", "Italian"),
    QT_TRANSLATE_NOOP("VLanguageItem", "Japanese"),
    QT_TRANSLATE_NOOP("VLanguageItem", "Korean"),
    QT_TRANSLATE_NOOP("VLanguageItem", "Russian"),
    QT_TRANSLATE_NOOP("VLanguageItem", "Spanish"),
    QT_TRANSLATE_NOOP("VLanguageItem", "Portuguese"),
};

} // namespace

VLanguageItem::VLanguageItem(QWidget *parent) : QWidget(parent), ui(new Ui::VLanguageItem)
{
    ui->setupUi(this);
    applyStyleSheet(this, QStringLiteral(":/res/qss/normal/qss-VLanguageItem.qss"));
    styleComboPopup(ui->comboBox);
    retranslate();
    for (const char *name : kLanguageNames)
        ui->comboBox->addItem(tr(name));
    ui->comboBox->installEventFilter(this);
}

VLanguageItem::~VLanguageItem()
{
    delete ui;
}

void VLanguageItem::setLanguage(int id)
{
    if (id >= 0 && id < ui->comboBox->count())
        ui->comboBox->setCurrentIndex(id);
}

int VLanguageItem::language() const
{
    return ui->comboBox->currentIndex();
}

void VLanguageItem::retranslate()
{
    ui->labelUseLanguage->setText(tr("Use this language"));
}

// A cleared combo reports -1, which is no language.
void VLanguageItem::on_comboBox_currentIndexChanged(int index)
{
    if (index >= 0)
        emit languageChanged(index);
}

bool VLanguageItem::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->comboBox && event->type() == QEvent::Wheel)
        return true;
    return QWidget::eventFilter(watched, event);
}
