// The painted pictures of the settings window: the tablet picture of a pen tablet and of a pen
// display, upright and turned; the pen picture; the key-capture edit holding a shortcut; and the
// permissions banner.
#include "ScreenshotScene.h"

#include "config/language/TabletLanguage.h"
#include "config/layout/ModelTables.h"
#include "ui/widgets/VHotkeyCaptureEdit.h"
#include "ui/widgets/VMacAccessibilityBanner.h"
#include "ui/widgets/VPenLayoutPanel.h"
#include "ui/widgets/VTabletPanel.h"
#include "ui/widgets/WindowHelpers.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

void useBaseSheet(QWidget *window)
{
    const QString base = readTextFile(QStringLiteral(":/res/qss/normal/qss-BaseWidget.qss"));
    window->setStyleSheet(base
                          + QStringLiteral("\n#pictureScene { background: #F4F4F4; }"
                                           "\n#pictureScene QLabel { font-family:"
                                           " \"Microsoft YaHei\", \"Segoe UI\", \"Noto Sans\","
                                           " \"Noto Sans CJK SC\", Tahoma, sans-serif; }"));
}

QWidget *tabletCard(const QString &model, int quarterTurns)
{
    auto *card = new QFrame;
    card->setObjectName(QStringLiteral("pictureCard"));
    auto *layout = new QVBoxLayout(card);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(8);
    auto *panel = new VTabletPanel;
    panel->setFixedSize(200, 200);
    if (const TabletLayoutPtr tablet = layoutForModel(model))
        panel->setLayout(tablet->tablet);
    panel->setRotation(quarterTurns);
    layout->addWidget(panel);
    layout->addWidget(new QLabel(QStringLiteral("%1, %2°").arg(model).arg(quarterTurns * 90)));
    return card;
}

QWidget *penCard()
{
    auto *card = new QFrame;
    card->setObjectName(QStringLiteral("pictureCard"));
    auto *layout = new QVBoxLayout(card);
    layout->setContentsMargins(16, 16, 16, 16);
    auto *panel = new VPenLayoutPanel;
    panel->setFixedSize(60, 340);
    panel->setPixmap(QPixmap::fromImage(tabletImageForModel(QStringLiteral("p01"))));
    layout->addWidget(panel);
    return card;
}

void press(QWidget *edit, int key, Qt::KeyboardModifiers modifiers)
{
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(edit, &event);
}

QWidget *captureEdits()
{
    auto *box = new QWidget;
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    auto *chord = new VHotkeyCaptureEdit;
    press(chord, Qt::Key_Control, Qt::ControlModifier);
    press(chord, Qt::Key_Shift, Qt::ControlModifier | Qt::ShiftModifier);
    press(chord, Qt::Key_F5, Qt::ControlModifier | Qt::ShiftModifier);
    auto *disabled = new VHotkeyCaptureEdit;
    press(disabled, Qt::Key_7, Qt::KeypadModifier);
    disabled->setEnabled(false);
    for (VHotkeyCaptureEdit *edit : {chord, disabled}) {
        edit->setFixedWidth(200);
        layout->addWidget(edit);
    }
    layout->addStretch();
    return box;
}

QWidget *pictureScene()
{
    if (modelTables().layouts().empty())
        loadModelTables();
    auto *window = new QFrame;
    window->setObjectName(QStringLiteral("pictureScene"));
    auto *grid = new QGridLayout(window);
    grid->setContentsMargins(24, 24, 24, 24);
    grid->setSpacing(24);
    grid->addWidget(tabletCard(QStringLiteral("QZ-Pen 6"), 0), 0, 0);
    grid->addWidget(tabletCard(QStringLiteral("QZ-Pen 6"), 1), 0, 1);
    grid->addWidget(tabletCard(QStringLiteral("QZ-Canvas 13"), 0), 1, 0);
    grid->addWidget(tabletCard(QStringLiteral("QZ-Canvas 13"), 1), 1, 1);
    grid->addWidget(penCard(), 0, 2, 2, 1);
    grid->addWidget(captureEdits(), 0, 3, 2, 1);
    useBaseSheet(window);
    window->setStyleSheet(window->styleSheet()
                          + QStringLiteral("\n#pictureCard { background: #FFFFFF;"
                                           " border: 1px solid #DEE0E3; border-radius: 8px; }"
                                           "\n#pictureCard QLabel { font-size: 11px;"
                                           " color: #646A73; }"));
    return window;
}

// The banner in the interface language `languageId`; the language goes back to English after,
// so that the other scenes keep theirs.
QWidget *bannerScene(int languageId)
{
    TabletLanguage::instance().setLanguage(languageId);
    auto *window = new QFrame;
    window->setObjectName(QStringLiteral("pictureScene"));
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(24, 24, 24, 24);
    auto *banner = new VMacAccessibilityBanner;
    banner->setFixedSize(banner->size());
    layout->addWidget(banner);
    useBaseSheet(window);
    TabletLanguage::instance().setLanguage(0);
    return window;
}

} // namespace

QZ_SCREENSHOT_SCENE(pictures, "pictures", pictureScene)
QZ_SCREENSHOT_SCENE(accessibilityBanner, "accessibility-banner", [] { return bannerScene(0); })
QZ_SCREENSHOT_SCENE(accessibilityBannerChinese, "accessibility-banner-zh_CN",
                    [] { return bannerScene(1); })
QZ_SCREENSHOT_SCENE(accessibilityBannerGerman, "accessibility-banner-de",
                    [] { return bannerScene(4); })
QZ_SCREENSHOT_SCENE(accessibilityBannerRussian, "accessibility-banner-ru",
                    [] { return bannerScene(8); })
