#pragma once

#include <QWidget>

class QListWidgetItem;
class VRichItem;

namespace Ui {
class VRichList;
}

// A titled box of equally high rows that grows to fit them: each added row makes the box, its
// frame and its list one row higher, so the list never scrolls.
class VRichList : public QWidget
{
    Q_OBJECT

public:
    VRichList(const QString &title, QWidget *parent = nullptr);
    // A list without a title row, for the option dialogs: it neither scrolls sideways nor lets
    // rows be dragged, and it scrolls by pixels.
    explicit VRichList(QWidget *parent = nullptr);
    ~VRichList() override;

    void addItem(VRichItem *item);
    // The settings page's language row, which is not a VRichItem but is stacked the same way.
    void addLanguageItem(QWidget *item);
    void setTitle(const QString &title);
    void setListBelowTitle(bool below);

private:
    void setUpList();
    void appendRow(QWidget *row);

    Ui::VRichList *ui;
};
