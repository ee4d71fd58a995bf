#pragma once

#include <QWidget>

class QPixmap;

namespace Ui {
class VRichButton;
}

// The row of one bindable key or button: the key's picture, its name and an editable
// description above a button that shows the bound action.
class VRichButton : public QWidget
{
    Q_OBJECT

public:
    explicit VRichButton(QWidget *parent = nullptr);
    ~VRichButton() override;

    void setTexts(const QString &title, const QString &description, const QString &content);
    void setContent(const QString &content);
    void setDescription(const QString &description);
    void setTitle(const QString &title);
    void setIcon(const QPixmap &icon);
    void setIconToolTip(const QString &toolTip);
    void setIconEnabled(bool enabled);
    void setTitleEditEnabled(bool enabled);
    // The layout of a row without a key picture: the content button and the description take
    // the picture's room.
    void hideIcon();
    void retranslatePlaceholder();

signals:
    void clickButton();
    void clickIcon();
    void titleTextFinished(const QString &text);

private slots:
    void on_btnContent_clicked();
    void on_btnIcon_clicked();
    void on_editTitle_editingFinished();
    void on_editTitle_returnPressed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void endTitleEdit();

    Ui::VRichButton *ui;
    bool editingTitle = false;
};
