#pragma once

#include <QLabel>

// A label whose text reads upwards, from the bottom of the label to its top.
class VLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
};
