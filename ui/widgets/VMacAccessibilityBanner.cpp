#include "ui/widgets/VMacAccessibilityBanner.h"

#include "config/language/TabletLanguage.h"
#include "ui/widgets/WindowHelpers.h"
#include "ui_VMacAccessibilityBanner.h"

#include <QPixmap>

namespace {

constexpr int SimplifiedChinese = 1;
constexpr int TimerIntervalMilliseconds = 1000;

QString pictureSheet(const char *name, int languageId)
{
    const QLatin1String suffix(languageId == SimplifiedChinese ? "cn" : "en");
    return QStringLiteral("#imgFrame {image:url(:/res/image/comm/macOS/%1_%2.png);}")
        .arg(QLatin1String(name), suffix);
}

int interfaceLanguage()
{
    return TabletLanguage::instance().language();
}

} // namespace

VMacAccessibilityBanner::VMacAccessibilityBanner(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::VMacAccessibilityBanner>())
{
    ui->setupUi(this);
    applyStyleSheet(this, QStringLiteral(":/res/qss/normal/qss-VMacAccessibilityBanner.qss"));
    showExclamation();
    ui->imgFrame->setStyleSheet(accessibilityPictureSheet(interfaceLanguage()));
    connect(&timer, &QTimer::timeout, this, &VMacAccessibilityBanner::slotTimeout);
}

VMacAccessibilityBanner::~VMacAccessibilityBanner() = default;

void VMacAccessibilityBanner::setBannerVisible(bool visible)
{
    if (!visible) {
        timer.stop();
        hide();
        return;
    }
    show();
    timer.start(TimerIntervalMilliseconds);
}

void VMacAccessibilityBanner::retranslate()
{
    ui->retranslateUi(this);
    ui->imgFrame->setStyleSheet(accessibilityPictureSheet(interfaceLanguage()));
}

QString VMacAccessibilityBanner::accessibilityPictureSheet(int languageId)
{
    return pictureSheet("privacy_accessibility", languageId);
}

QString VMacAccessibilityBanner::screenRecordingPictureSheet(int languageId)
{
    return pictureSheet("privacy_screen", languageId);
}

void VMacAccessibilityBanner::on_btnAccessibility_clicked()
{
    ui->imgFrame->setStyleSheet(accessibilityPictureSheet(interfaceLanguage()));
}

void VMacAccessibilityBanner::on_btnScreenRecording_clicked()
{
    ui->imgFrame->setStyleSheet(screenRecordingPictureSheet(interfaceLanguage()));
}

void VMacAccessibilityBanner::slotTimeout()
{
}

void VMacAccessibilityBanner::showExclamation()
{
    const QPixmap exclamation(QStringLiteral(":/res/image/comm/macOS/exclaim_64x64.png"));
    if (exclamation.isNull())
        return;
    ui->labExclaim->setPixmap(exclamation.scaled(ui->labExclaim->size(),
                                                 Qt::KeepAspectRatioByExpanding,
                                                 Qt::SmoothTransformation));
}
