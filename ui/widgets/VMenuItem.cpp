#include "VMenuItem.h"

#include "ui_VMenuItem.h"

VMenuItem::VMenuItem(QWidget *parent) : QWidget(parent), ui(new Ui::VMenuItem)
{
    ui->setupUi(this);
}

VMenuItem::~VMenuItem()
{
    delete ui;
}
