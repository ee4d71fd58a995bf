#pragma once

#include <QPixmap>
#include <QWidget>

#include <memory>

namespace Ui {
class VPenLayoutPanel;
}

// The picture of the pen on the pen page, stretched over the whole panel.
class VPenLayoutPanel : public QWidget
{
    Q_OBJECT

public:
    explicit VPenLayoutPanel(QWidget *parent = nullptr);
    ~VPenLayoutPanel() override;

    void setPixmap(const QPixmap &pixmap);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::unique_ptr<Ui::VPenLayoutPanel> ui;
    QPixmap picture;
};
