#pragma once

#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class VTitleBar;
}

class QPushButton;

// The title bar of every frameless window: the title at the left, up to five square buttons at
// the right, dragging moves the window, and the thumbtack keeps it above all others.
class VTitleBar : public QWidget
{
    Q_OBJECT

public:
    enum Button {
        Close = 1,
        Max = 2,
        Min = 4,
        Set = 8,
        Thumbtack = 16,
    };

    explicit VTitleBar(QWidget *parent = nullptr);
    ~VTitleBar() override;

    void setButtons(int flags);
    int buttons() const { return flags; }
    void setTitle(const QString &text);
    QString title() const { return titleText; }
    void setTitleToolTip(bool on);
    void setTitleCentered();
    void setTarget(QWidget *window);
    QWidget *target() const { return targetWindow; }
    void setTransparentStyle();
    bool isStayOnTop() const { return stayOnTop; }

public slots:
    void on_close_clicked();
    void on_min_clicked();
    void on_thumbtack_clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void initButtons();
    void relayoutButtons();
    QWidget *findTarget() const;
    QWidget *dragTarget() const;

    std::unique_ptr<Ui::VTitleBar> ui;
    QWidget *targetWindow = nullptr;
    int flags = Close | Min;
    QString titleText;
    bool dragging = false;
    int lastGlobalX = 0;
    int lastGlobalY = 0;
    bool stayOnTop = false;
};
