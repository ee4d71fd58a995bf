#pragma once

#include "engine/display/MonitorInfo.h"
#include "ui/UIConfigure.h"
#include "ui/UILanguage.h"

#include <QWidget>

#include <functional>
#include <vector>

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

    // Where the page reads the displays it maps to (the display manager's list in the program).
    using MonitorSource = std::function<std::vector<MonitorInfo>()>;
    void setMonitorSource(MonitorSource source);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void storeScreenPart();

    MonitorSource monitorSource;
};
