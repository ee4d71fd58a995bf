#pragma once

#include "engine/display/MonitorInfo.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <vector>

class QScreen;

// Watches the screens and emits displayChanged once a new layout has settled: every monitor
// shows a picture again, or ten seconds have passed.
class ScreenStatusListen : public QObject
{
    Q_OBJECT

public:
    explicit ScreenStatusListen(QObject *parent = nullptr);

    // Follows the application's screens from now on; does nothing when already following.
    void start();

    // The monitors of the desktop, with screenshots when asked for.
    virtual std::vector<MonitorInfo> enumerateMonitors(bool withScreenshots) = 0;
    // Turns a pen display to orientation 0..3 (quarter turns); false where displays cannot turn.
    virtual bool setDisplayOrientation(const MonitorInfo &, int) { return false; }

    int tick() const { return tick_; }
    bool isSettling() const { return timer_.isActive(); }

signals:
    void displayChanged();

public slots:
    void slotScreenAdded(QScreen *screen);
    void slotScreenRemoved(QScreen *screen);
    void slotPrimaryScreenChanged(QScreen *screen);
    void slotVirtualGeometryChanged(const QRect &geometry);
    void slotTimeout();

private:
    void restartSettling();
    void followPrimaryScreen(QScreen *screen);

    QPointer<QScreen> primaryScreen_;
    QTimer timer_;
    int tick_ = 0;
};
