#pragma once

#include "ui/UILanguage.h"
#include "ui/dialogs/calibration/CalibrationScreen.h"
#include "ui/dialogs/calibration/CalibrationTaps.h"

#include <QDialog>
#include <QPoint>
#include <QVariant>

#include <cstdint>
#include <functional>
#include <memory>

namespace Ui {
class VScreenCalibrateDlg;
}

class AppLogic;

// Calibrates a pen display: an overlay over the whole display shows five marks one after the
// other, takes the pointer's position each time the pen tip touches down, and reports the four
// correction factors through calibrateFinish. Cancel reports the neutral factors (1.0 each).
class VScreenCalibrateDlg : public QDialog, public UILanguage
{
    Q_OBJECT

public:
    using Clock = std::function<std::uint64_t()>;
    using PointerPosition = std::function<QPoint()>;

    explicit VScreenCalibrateDlg(QWidget *parent = nullptr);
    ~VScreenCalibrateDlg() override;

    // The engine whose pen data the calibration dialogs made from now on follow; the main window
    // sets its own.
    static void setPenDataSource(AppLogic *engine);

    // Covers the screen's monitor rectangle and shows the overlay.
    void showOnScreen(CalibrationScreen screen);
    CalibrationScreen screen() const { return calibrationScreen; }

    // Milliseconds of the steady clock, and the pointer in desktop coordinates (QCursor's).
    void setClock(Clock clock);
    void setPointerPosition(PointerPosition position);

    void retranslate() override;

signals:
    void calibrateFinish(double kx, double ky, double kcx, double kcy);

public slots:
    void on_btnCancel_clicked();
    // A pen packet of the engine (a TabletPenPacketWrapper).
    void slotPenDataChanged(const QVariant &wrapper);
    // Escape cancels as the Cancel button does.
    void reject() override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void tap(CalibrationTaps::PenState state);
    void finish(const QPoint &lastPoint);
    void restart();

    std::unique_ptr<Ui::VScreenCalibrateDlg> ui;
    CalibrationTaps taps;
    CalibrationScreen calibrationScreen;
    Clock clock;
    PointerPosition pointerPosition;
};
