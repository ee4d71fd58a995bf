#pragma once

#include "engine/ddc/IDDCInterface.h"
#include "engine/display/MonitorInfo.h"
#include "ui/dialogs/display/DdcMonitorAccess.h"
#include "ui/dialogs/display/DdcWriter.h"

#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class VDDCControlDlg;
}

class QButtonGroup;

// Adjusts a pen display's picture over DDC/CI: brightness, contrast, the colour preset and the
// gains of the user preset. Every change reaches the monitor at once; Confirm makes the monitor
// store its settings, Default restores its factory colours, and Cancel (or closing) writes back
// the values read when the dialog opened.
class VDDCControlDlg : public QDialog
{
    Q_OBJECT

public:
    explicit VDDCControlDlg(QWidget *parent = nullptr);
    ~VDDCControlDlg() override;

    // How every picture dialog reaches the monitors from now on; the program sets the system's.
    static void setMonitorAccess(DdcMonitorAccess access);

    // Runs the dialog for the display of the monitor's device name; when no display has that
    // name, or it does not answer over DDC/CI, nothing opens and a tip says so.
    void openMonitor(const MonitorInfo &monitor);
    // Runs the dialog modally for the display of that index; false when it cannot be opened over
    // DDC/CI (nothing is shown then).
    bool openMonitorAt(int index);
    // Opens the display of that index over DDC/CI and fills the dialog without running it.
    bool bindMonitor(int index);

public slots:
    void slot_colorTempButtonClicked(int id);
    void on_sliderBrightness_valueChanged(int value);
    void on_sliderContrast_valueChanged(int value);
    void on_sliderR_valueChanged(int value);
    void on_sliderG_valueChanged(int value);
    void on_sliderB_valueChanged(int value);
    void on_btnDefault_clicked();
    void on_btnCancel_clicked();
    void on_btnConfirm_clicked();
    void on_sliderR_sliderMoved(int value);
    void on_sliderG_sliderMoved(int value);
    void on_sliderB_sliderMoved(int value);
    void on_sliderR_sliderReleased();
    void on_sliderG_sliderReleased();
    void on_sliderB_sliderReleased();
    void on_sliderBrightness_sliderMoved(int value);
    void on_sliderBrightness_sliderReleased();
    void on_sliderContrast_sliderMoved(int value);
    void on_sliderContrast_sliderReleased();
    // Cancel, Escape and the title bar's close button write the opening values back.
    void reject() override;

private:
    struct Gains
    {
        std::uint32_t red = 0;
        std::uint32_t green = 0;
        std::uint32_t blue = 0;
    };

    std::optional<std::uint32_t> refreshBrightness();
    std::optional<std::uint32_t> refreshContrast();
    std::optional<Gains> refreshGains();
    int refreshPreset();
    void showPreset(int preset);
    void enableGains(bool enabled);
    void showUnsupported();
    void writeSlider(DdcWriter::Control control, int value);
    void restoreOpeningValues();

    std::unique_ptr<Ui::VDDCControlDlg> ui;
    std::shared_ptr<IDDCInterface> ddc;
    // The values read when the monitor was opened; empty for those that could not be read.
    std::optional<std::uint32_t> savedBrightness;
    std::optional<std::uint32_t> savedContrast;
    int savedPreset = IDDCInterface::NoPreset;
    std::optional<Gains> savedGains;
    QButtonGroup *presetGroup = nullptr;
    bool opened = false;
    // Raised while the dialog shows what it read, so that filling a slider writes nothing.
    bool filling = false;
    std::unique_ptr<DdcWriter> writer;
};
