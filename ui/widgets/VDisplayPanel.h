#pragma once

#include "engine/display/ScreenStatusListen.h"
#include "ui/widgets/DisplayMappingInfo.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <vector>

namespace Ui {
class VDisplayPanel;
}

// The desktop's monitors drawn as scaled screenshots, laid out as they stand on the desktop.
class VDisplayPanel : public QWidget
{
    Q_OBJECT

public:
    explicit VDisplayPanel(QWidget *parent = nullptr);
    ~VDisplayPanel() override;

    // Lists the monitors of `displays` (the display manager in the program; not owned) and
    // follows its display changes from now on.
    void setDisplays(ScreenStatusListen *displays);
    ScreenStatusListen *displays() const { return displaySource; }

    // Lists the monitors again; an empty list keeps the thumbnails drawn so far.
    void refresh(bool emitSignal);
    std::vector<DisplayMappingInfo> displayInfos() const { return infos; }

public slots:
    // Every signal of one display change, however many arrive, gives one displayChanged, and
    // none while the displays are still settling: the settled layout comes with a signal of
    // its own.
    void slotDisplayChanged();

signals:
    void displayChanged();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void takeDisplayChange();

    std::unique_ptr<Ui::VDisplayPanel> ui;
    QPointer<ScreenStatusListen> displaySource;
    std::vector<DisplayMappingInfo> infos;
    QTimer pendingChange;
};
