#pragma once

#include "ui/UIConfigure.h"
#include "ui/UILanguage.h"

#include <QWidget>

class QComboBox;
class QVariant;

// The express-key page: the bindings of keys, dials and touch controls per application.
class VHotkeyPanel : public QWidget, public UIConfigure, public UILanguage
{
    Q_OBJECT

public:
    explicit VHotkeyPanel(QWidget *parent = nullptr);
    ~VHotkeyPanel() override;

    void updateFromConfigure() override;
    void applyConfigure() override;
    void retranslate() override;

    QComboBox *applicationCombo() const { return comboSpecApp; }
    void fillApplicationCombo();
    void updateComponentData(const QVariant &wrapper);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QComboBox *comboSpecApp;
};
