#pragma once

#include "engine/display/MonitorInfo.h"
#include "ui/dialogs/display/ScreenIdentification.h"
#include "ui/dialogs/options/MappingOptions.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <vector>

namespace Ui {
class VMappingOptionDlg;
}

// The mapping page's "More Options": identifying the screens and, for a pen display, its
// picture settings. It carries the page's record and gives it back unchanged.
class VMappingOptionDlg : public QDialog
{
    Q_OBJECT

public:
    // The display side that the mapping page lends the dialog.
    struct Services
    {
        // The monitors in the display manager's order.
        std::function<std::vector<MonitorInfo>()> monitors;
        // Runs the picture control dialog of `monitor` over `parent`.
        std::function<void(QWidget *parent, const MonitorInfo &monitor)> openColorControl;
    };

    VMappingOptionDlg(const MappingOptions &options, QWidget *parent = nullptr);
    ~VMappingOptionDlg() override;

    void setServices(Services services);
    MappingOptions options() const { return record; }

    // Shows every monitor's number, unless the numbers are still showing. The number windows go
    // with the dialog.
    void identifyScreens();
    void openColorControl();
    std::vector<VScreenDetectDlg *> screenNumbers() const { return identification.windows(); }

private slots:
    void on_btnOK_clicked();
    void on_btnCancel_clicked();
    void on_modComboRotation_currentIndexChanged(int index);

private:
    void addRows();
    std::vector<MonitorInfo> monitors() const;

    std::unique_ptr<Ui::VMappingOptionDlg> ui;
    MappingOptions record;
    Services services;
    ScreenIdentification identification;
};
