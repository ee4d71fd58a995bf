#pragma once

#include <QDialog>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTimer>
#include <QVector>

#include <atomic>
#include <memory>

namespace Ui {
class VTipMsgboxDlg;
}

// One screen as the tip's placement sees it: its whole and its available geometry.
struct TipScreen
{
    QRect geometry;
    QRect available;
};

// A short-lived tip near the bottom of the screen under the pointer ("Configuration saved", the
// name of the action an express key just ran). One per process; any thread may show a text.
class VTipMsgboxDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kMaximumWidth = 640;

    ~VTipMsgboxDlg() override;

    // Creates the process-wide tip when there is none yet; the main window calls it once.
    static void createInstance();
    // The process-wide tip, or null before createInstance.
    static VTipMsgboxDlg *instance();
    // Shows `text` from any thread; does nothing before createInstance.
    static void showTipMessage(const QString &text);

    // The tip's geometry for a label of `labelSize`: centred at the bottom of the available area
    // of the first screen whose geometry holds `cursor` (the primary screen's when none does).
    static QRect tipGeometry(const QVector<TipScreen> &screens, int primaryIndex, const QPoint &cursor,
                             const QSize &labelSize);

    QString text() const;
    int tickCount() const { return ticks; }

signals:
    void showMessage(const QString &text);

public slots:
    void slotShowMessage(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    VTipMsgboxDlg();
    void slotTimeout();

    std::unique_ptr<Ui::VTipMsgboxDlg> ui;
    QTimer timer;
    std::atomic<int> ticks{99};
};
