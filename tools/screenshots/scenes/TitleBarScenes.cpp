// A title bar with all five buttons, one of them under the pointer: the program's windows show
// at most two of them, and none shows the maximise and settings buttons.
#include "SceneSupport.h"
#include "ScreenshotScene.h"

#include "ui/widgets/VTitleBar.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFrame>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int kPointerTimeout = 5000;
constexpr int kPointerStep = 100;

QWidget *hoveredButton(const char *name)
{
    prepareScene(kEnglish);
    auto *window = new QWidget(nullptr, Qt::FramelessWindowHint);
    window->resize(320, 64);
    auto *frame = new QFrame(window);
    frame->setObjectName(QStringLiteral("sceneFrame"));
    frame->setGeometry(window->rect());
    auto *bar = new VTitleBar(frame);
    bar->resize(frame->width(), 32);
    bar->setButtons(VTitleBar::Close | VTitleBar::Max | VTitleBar::Min | VTitleBar::Set | VTitleBar::Thumbtack);
    bar->setTitle(QString::fromLatin1(name));
    // The real pointer, onto the card and then onto the button until the button sees it enter:
    // the first window of a run takes a while to reach the screen.
    window->show();
    QPushButton *button = bar->findChild<QPushButton *>(QLatin1String(name));
    QElapsedTimer waited;
    waited.start();
    for (int step = 0; !button->underMouse() && waited.elapsed() < kPointerTimeout; ++step) {
        QCursor::setPos(button->mapToGlobal(button->rect().center() + (step % 2 ? QPoint() : QPoint(0, 24))));
        QEventLoop pause;
        QTimer::singleShot(kPointerStep, &pause, &QEventLoop::quit);
        pause.exec();
    }
    return window;
}

} // namespace

QZ_SCREENSHOT_SCENE(titleBarClose, "title-bar-hover-close", [] { return hoveredButton("close"); })
QZ_SCREENSHOT_SCENE(titleBarMax, "title-bar-hover-max", [] { return hoveredButton("max"); })
QZ_SCREENSHOT_SCENE(titleBarMin, "title-bar-hover-min", [] { return hoveredButton("min"); })
QZ_SCREENSHOT_SCENE(titleBarSet, "title-bar-hover-set", [] { return hoveredButton("set"); })
QZ_SCREENSHOT_SCENE(titleBarThumbtack, "title-bar-hover-thumbtack", [] { return hoveredButton("thumbtack"); })
