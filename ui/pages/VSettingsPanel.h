#pragma once

#include "ui/UIConfigure.h"
#include "ui/UILanguage.h"

#include <QWidget>

// The settings page: language, the diagnosis and the configuration package.
class VSettingsPanel : public QWidget, public UIConfigure, public UILanguage
{
    Q_OBJECT

public:
    explicit VSettingsPanel(QWidget *parent = nullptr);
    ~VSettingsPanel() override;

    void updateFromConfigure() override;
    void applyConfigure() override;
    void retranslate() override;

    void hideDiagnosis();

protected:
    void paintEvent(QPaintEvent *event) override;
};
