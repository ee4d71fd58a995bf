#pragma once

#include "ui/UILanguage.h"

#include <QDialog>

#include <memory>

namespace Ui {
class VNotDetectedDlg;
}

// Shown by the main window in its place while no tablet is connected.
class VNotDetectedDlg : public QDialog, public UILanguage
{
    Q_OBJECT

public:
    explicit VNotDetectedDlg(QWidget *parent = nullptr);
    ~VNotDetectedDlg() override;

    void retranslate() override;

private:
    std::unique_ptr<Ui::VNotDetectedDlg> ui;
};
