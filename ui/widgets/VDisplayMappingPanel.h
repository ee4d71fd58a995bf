#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class VDisplayMappingPanel;
}

class ScreenStatusListen;
class VDisplayPanel;
class VMappingConnector;
class VTabletPanel;

// The displays above the tablet picture, with the connector over both.
class VDisplayMappingPanel : public QWidget
{
    Q_OBJECT

public:
    explicit VDisplayMappingPanel(QWidget *parent = nullptr);
    ~VDisplayMappingPanel() override;

    // The display panel lists and follows these displays (not owned); the connector takes them.
    void setDisplays(ScreenStatusListen *displays);

    VMappingConnector *connector() const;
    VDisplayPanel *displayPanel() const;
    VTabletPanel *tabletPanel() const;

private:
    std::unique_ptr<Ui::VDisplayMappingPanel> ui;
};
