#pragma once

#include <QWidget>

namespace Ui {
class VMenuItem;
}

// An icon and a text in one row.
class VMenuItem : public QWidget
{
    Q_OBJECT

public:
    explicit VMenuItem(QWidget *parent = nullptr);
    ~VMenuItem() override;

private:
    Ui::VMenuItem *ui;
};
