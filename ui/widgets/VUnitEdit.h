#pragma once

#include <QWidget>

namespace Ui {
class VUnitEdit;
}

// A whole number between a caption ("X") and its unit ("pixels").
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
    // Enables or disables the widget together with its number field.
    void setEnabled(bool enabled);

signals:
    void valueChanged(int value);

private slots:
    void on_editValue_editingFinished();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Ui::VUnitEdit *ui;
};
