#include "engine/display/ScreenStatusListen.h"

#include "engine/display/DisplaySettling.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

ScreenStatusListen::ScreenStatusListen(QObject *parent)
    : QObject(parent)
{
    connect(&timer_, &QTimer::timeout, this, &ScreenStatusListen::slotTimeout);
}

void ScreenStatusListen::start()
{
    if (primaryScreen_)
        return;
    auto *application = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    if (!application)
        return;
    connect(application, &QGuiApplication::screenAdded, this, &ScreenStatusListen::slotScreenAdded);
    connect(application, &QGuiApplication::screenRemoved, this, &ScreenStatusListen::slotScreenRemoved);
    connect(application, &QGuiApplication::primaryScreenChanged, this,
            &ScreenStatusListen::slotPrimaryScreenChanged);
    followPrimaryScreen(QGuiApplication::primaryScreen());
}

void ScreenStatusListen::slotScreenAdded(QScreen *)
{
    restartSettling();
}

void ScreenStatusListen::slotScreenRemoved(QScreen *)
{
    restartSettling();
}

void ScreenStatusListen::slotPrimaryScreenChanged(QScreen *screen)
{
    followPrimaryScreen(screen);
    restartSettling();
}

void ScreenStatusListen::slotVirtualGeometryChanged(const QRect &)
{
    restartSettling();
}

void ScreenStatusListen::slotTimeout()
{
    ++tick_;
    const std::vector<MonitorInfo> monitors = enumerateMonitors(true);
    int showingContent = 0;
    for (const MonitorInfo &monitor : monitors) {
        if (monitor.screenshot && DisplaySettling::showsContent(monitor.screenshot->toImage()))
            ++showingContent;
    }
    if (DisplaySettling::hasSettled(showingContent, int(monitors.size()), tick_)) {
        timer_.stop();
        emit displayChanged();
    }
}

void ScreenStatusListen::restartSettling()
{
    tick_ = 0;
    timer_.start(DisplaySettling::kTickMilliseconds);
}

void ScreenStatusListen::followPrimaryScreen(QScreen *screen)
{
    if (primaryScreen_)
        disconnect(primaryScreen_, &QScreen::virtualGeometryChanged, this,
                   &ScreenStatusListen::slotVirtualGeometryChanged);
    primaryScreen_ = screen;
    if (screen)
        connect(screen, &QScreen::virtualGeometryChanged, this,
                &ScreenStatusListen::slotVirtualGeometryChanged);
}
