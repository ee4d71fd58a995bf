#pragma once

#include <QPoint>
#include <QWidget>

namespace Ui {
class VIndicatorBox;
}

// Grey lines that lead from a control to its place on a picture: up to two lines and a base
// line along the bottom.
class VIndicatorBox : public QWidget
{
    Q_OBJECT

public:
    struct Line
    {
        QPoint start;
        QPoint end;
    };

    explicit VIndicatorBox(QWidget *parent = nullptr);
    ~VIndicatorBox() override;

    void setFirstLine(const QPoint &start, const QPoint &end);
    void setSecondLine(const QPoint &start, const QPoint &end);

    // A line is drawn only when it runs to the right.
    static bool isDrawn(const Line &line);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Ui::VIndicatorBox *ui;
    Line firstLine;
    Line secondLine;
};
