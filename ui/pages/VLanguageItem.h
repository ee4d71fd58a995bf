#pragma once

#include <QWidget>

namespace Ui {
class VLanguageItem;
}

// The settings row in which the user picks the interface language: a label and a combo box whose
// item index is the language id.
class VLanguageItem : public QWidget
{
    Q_OBJECT

public:
    explicit VLanguageItem(QWidget *parent = nullptr);
    ~VLanguageItem() override;

    // Selects the language when the id names an item; any other id changes nothing.
    void setLanguage(int id);
    int language() const;
    // The label in the language now installed. The language names keep the language that was
    // installed when the row was built.
    void retranslate();

signals:
    void languageChanged(int id);

private slots:
    void on_comboBox_currentIndexChanged(int index);

protected:
    // Swallows the wheel over the combo box, so that scrolling past the row never changes the
    // language.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Ui::VLanguageItem *ui;
};
