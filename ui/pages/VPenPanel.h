#pragma once

#include "ui/UIConfigure.h"
#include "ui/UILanguage.h"

#include <QWidget>

class QComboBox;
class QVariant;

// The pen page: the pen buttons, the pressure curve and the pen options.
class VPenPanel : public QWidget, public UIConfigure, public UILanguage
{
    Q_OBJECT

public:
    explicit VPenPanel(QWidget *parent = nullptr);
    ~VPenPanel() override;

    void updateFromConfigure() override;
    void applyConfigure() override;
    void retranslate() override;

    QComboBox *applicationCombo() const { return comboSpecApp; }
    void fillApplicationCombo();
    void updatePenData(const QVariant &wrapper);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QComboBox *comboSpecApp;
};
