#pragma once

#include "ui/UIConfigure.h"
#include "ui/UILanguage.h"

#include <QWidget>

// The mapping page: the tablet area and the screen area it drives.
class VMappingPanel : public QWidget, public UIConfigure, public UILanguage
{
    Q_OBJECT

public:
    explicit VMappingPanel(QWidget *parent = nullptr);
    ~VMappingPanel() override;

    void updateFromConfigure() override;
    void applyConfigure() override;
    void retranslate() override;

    // Follows a rotation of the mapped screen after a display change.
    void checkScreenRotation();

protected:
    void paintEvent(QPaintEvent *event) override;
};
