#pragma once

#include "config/layout/TabletLayoutTabletPart.h"

#include <QImage>
#include <QRect>
#include <QWidget>

#include <memory>

namespace Ui {
class VTabletPanel;
}

// The picture of the connected tablet model on the mapping page, turned by the chosen rotation,
// with the corners of the tablet's active area marked.
class VTabletPanel : public QWidget
{
    Q_OBJECT

public:
    explicit VTabletPanel(QWidget *parent = nullptr);
    ~VTabletPanel() override;

    using QWidget::setLayout;
    void setLayout(const TabletLayoutTabletPart &layout);
    void setRotation(int quarterTurns);
    int rotation() const;
    // The work area as drawn in the panel, in the panel's coordinates; null without a picture.
    QRect markedRect() const { return marked; }

    // Where a picture is drawn in a panel: at the panel's full width, centred vertically.
    static QRect pictureRect(const QSize &panel, const QSize &picture);
    // The work area (in the picture's pixels) as drawn in the panel, turned by quarter turns
    // about the centre of a square panel.
    static QRect markedArea(const QSize &panel, const QSize &picture, const QRect &workArea,
                            int quarterTurns);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void updateMarkedArea();
    void paintPicture(QPainter &painter) const;
    void paintCorners(QPainter &painter) const;

    std::unique_ptr<Ui::VTabletPanel> ui;
    TabletLayoutTabletPart tabletLayout;
    QImage picture;
    int quarterTurns = 0;
    QRect marked;
};
