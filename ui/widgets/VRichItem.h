#pragma once

#include <QWidget>

namespace Ui {
class VRichItem;
}

// One row of a settings list: a title, a caption under it and, by kind, a switch or a picture at
// the right. A row button covers the whole row, so a click anywhere in it activates the row.
class VRichItem : public QWidget
{
    Q_OBJECT

public:
    enum Kind { Switch = 1, Arrow = 2, Link = 3 };

    VRichItem(int kind, const QString &title, const QString &caption, QWidget *parent = nullptr);
    ~VRichItem() override;

    int kind() const;
    bool isChecked() const;
    void setChecked(bool checked);
    void setTitle(const QString &title);
    void setCaption(const QString &caption);
    // Disabling a row also switches its switch off, silently.
    void setDisabled(bool disabled);

signals:
    void activated(int kind);

private slots:
    void on_riBtnMain_clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    // Presses and releases beside the row's controls stop here and never reach the list.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Ui::VRichItem *ui;
    int rowKind;
};
