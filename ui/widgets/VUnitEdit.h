#pragma once

#include <QWidget>

namespace Ui {
class VUnitEdit;
}

// A whole number between a caption ("X") and its unit ("pixels"). Enabling or disabling the widget
// reaches its number field the way Qt passes it to children; the field is never switched on its
// own, which would keep it disabled after the widget was enabled again.
class VUnitEdit : public QWidget
{
    Q_OBJECT

public:
    explicit VUnitEdit(QWidget *parent = nullptr);
    ~VUnitEdit() override;

    void setValue(int value);
    int value() const;
    void setRange(int minimum, int maximum);
    void setCaption(const QString &caption);
    void setUnit(const QString &unit);

signals:
    void valueChanged(int value);

private slots:
    void on_editValue_editingFinished();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Ui::VUnitEdit *ui;
};
