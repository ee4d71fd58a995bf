#pragma once

#include <QWidget>

namespace Ui {
class VSwitchButton;
}

// A painted on/off switch: a pill with a white knob that slides to the side of the state.
// A mouse release (or Space while it has the keyboard focus) flips it and emits stateChanged;
// setChecked changes it silently.
class VSwitchButton : public QWidget
{
    Q_OBJECT

public:
    explicit VSwitchButton(QWidget *parent = nullptr);
    ~VSwitchButton() override;

    void setChecked(bool checked);
    bool isChecked() const;
    void setSwitchEnabled(bool enabled);

signals:
    void stateChanged(bool checked);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void toggle();
    bool looksEnabled() const;

    Ui::VSwitchButton *ui;
    bool checked = false;
    bool switchEnabled = true;
    bool pressed = false;
};
