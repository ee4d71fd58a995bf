#include "ui/widgets/VDisplayMappingPanel.h"

#include "ui_VDisplayMappingPanel.h"

VDisplayMappingPanel::VDisplayMappingPanel(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::VDisplayMappingPanel>())
{
    ui->setupUi(this);
    ui->connector->setPanels(ui->display, ui->tablet);
}

VDisplayMappingPanel::~VDisplayMappingPanel() = default;

void VDisplayMappingPanel::setDisplays(ScreenStatusListen *displays)
{
    ui->display->setDisplays(displays);
    ui->connector->refreshDisplays();
}

VMappingConnector *VDisplayMappingPanel::connector() const
{
    return ui->connector;
}

VDisplayPanel *VDisplayMappingPanel::displayPanel() const
{
    return ui->display;
}

VTabletPanel *VDisplayMappingPanel::tabletPanel() const
{
    return ui->tablet;
}
