#pragma once

#include <QDialog>
#include <QRect>
#include <QTimer>

#include <memory>

namespace Ui {
class VScreenDetectDlg;
}

// A large number near the bottom of one monitor for two seconds, so that the user can tell the
// monitors apart. It hides itself; its owner deletes it.
class VScreenDetectDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kShowMilliseconds = 2000;
    static constexpr int kBottomDistance = 128;

    explicit VScreenDetectDlg(QWidget *parent = nullptr);
    ~VScreenDetectDlg() override;

    // Shows `number` centred horizontally on `monitor`, its bottom kBottomDistance above the
    // monitor's, and hides it again after kShowMilliseconds.
    void showOnScreen(int number, const QRect &monitor);

    QString numberText() const;

private:
    std::unique_ptr<Ui::VScreenDetectDlg> ui;
    // A child, so that it goes with the window.
    QTimer timer;
};
