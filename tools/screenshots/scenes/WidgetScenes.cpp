// The widget gallery: the settings window's own widgets in their states and the standard controls
// under the base sheet, on one card.
#include "ScreenshotScene.h"

#include "ui/widgets/VHSlider.h"
#include "ui/widgets/VIndicatorBox.h"
#include "ui/widgets/VLabel.h"
#include "ui/widgets/VRichButton.h"
#include "ui/widgets/VRichItem.h"
#include "ui/widgets/VRichList.h"
#include "ui/widgets/VSwitchButton.h"
#include "ui/widgets/VUnitEdit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace {

void applyBaseSheet()
{
    QFile file(QStringLiteral(":/res/qss/normal/qss-BaseWidget.qss"));
    if (file.open(QIODevice::ReadOnly))
        qApp->setStyleSheet(QString::fromUtf8(file.readAll()));
}

QLabel *sectionTitle(const QString &text)
{
    auto *label = new QLabel(text);
    label->setProperty("textRole", QStringLiteral("section"));
    return label;
}

QLabel *caption(const QString &text)
{
    auto *label = new QLabel(text);
    label->setProperty("textRole", QStringLiteral("caption"));
    return label;
}

// Shows a widget as if the pointer were over it.
template <typename Widget>
Widget *hovered(Widget *widget)
{
    widget->setAttribute(Qt::WA_UnderMouse);
    return widget;
}

QWidget *settingRows()
{
    auto *column = new QWidget;
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);

    auto *pen = new VRichList(QStringLiteral("Pen Feature"));
    auto *tilt = new VRichItem(VRichItem::Switch, QStringLiteral("Pen tilt data"),
                               QStringLiteral("When enabled, output pen tilt Angle data"));
    tilt->setChecked(true);
    pen->addItem(tilt);
    pen->addItem(new VRichItem(VRichItem::Switch, QStringLiteral("Tablet auto rotation"),
                               QStringLiteral("Tablet follows the OS screen orientation")));
    auto *sync = new VRichItem(VRichItem::Switch, QStringLiteral("Hotkey synchronized response"),
                               QStringLiteral("Syncs with user key actions (disabled)"));
    sync->setChecked(true);
    sync->setDisabled(true);
    pen->addItem(sync);
    layout->addWidget(pen);

    auto *backup = new VRichList(QStringLiteral("Backup & Restore"));
    backup->addItem(new VRichItem(VRichItem::Arrow, QStringLiteral("Export Settings"),
                                  QStringLiteral("Backup current settings")));
    auto *link = new VRichItem(VRichItem::Link, QStringLiteral("Diagnose"),
                               QStringLiteral("Check the current data status of the tablet"));
    backup->addItem(link);
    backup->addItem(new VRichItem(4, QStringLiteral("Plain row"),
                                  QStringLiteral("A row with nothing to click")));
    layout->addWidget(backup);
    layout->addStretch();
    return column;
}

QWidget *keyRowsAndValues()
{
    auto *column = new QWidget;
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);

    layout->addWidget(sectionTitle(QStringLiteral("Key rows")));
    auto *key = new VRichButton;
    key->setFixedSize(320, 64);
    key->setTexts(QStringLiteral("[ K1 ]"), QStringLiteral("Brush"), QStringLiteral("Ctrl+B"));
    key->setIcon(QPixmap(QStringLiteral(":/res/image/comm/32x32/hotkey_32x32.png")));
    layout->addWidget(key);
    auto *button = new VRichButton;
    button->setFixedSize(320, 64);
    button->setTexts(QStringLiteral("Button 1"), QString(), QStringLiteral("Right Click"));
    button->hideIcon();
    layout->addWidget(button);

    layout->addSpacing(16);
    layout->addWidget(sectionTitle(QStringLiteral("Values")));
    auto *numbers = new QHBoxLayout;
    numbers->setSpacing(8);
    auto *x = new VUnitEdit;
    x->setRange(0, 3840);
    x->setValue(1920);
    x->setUnit(QStringLiteral("pixels"));
    auto *y = new VUnitEdit;
    y->setRange(0, 2160);
    y->setValue(1080);
    y->setCaption(QStringLiteral("Y"));
    y->setUnit(QStringLiteral("pixels"));
    auto *off = new VUnitEdit;
    off->setValue(12);
    off->setCaption(QStringLiteral("W"));
    off->setEnabled(false);
    for (VUnitEdit *edit : {x, y, off}) {
        edit->setFixedSize(112, 26);
        numbers->addWidget(edit);
    }
    numbers->addStretch();
    layout->addLayout(numbers);

    auto *slider = new VHSlider(Qt::Horizontal);
    slider->setRange(0, 100);
    slider->setValue(60);
    slider->setFixedWidth(320);
    layout->addWidget(slider);

    auto *switches = new QHBoxLayout;
    switches->setSpacing(8);
    struct SwitchState
    {
        bool checked;
        bool hover;
        bool enabled;
    };
    for (const SwitchState &state : {SwitchState{true, false, true}, SwitchState{false, false, true},
                                     SwitchState{true, true, true}, SwitchState{false, true, true},
                                     SwitchState{true, false, false},
                                     SwitchState{false, false, false}}) {
        auto *toggle = new VSwitchButton;
        toggle->setFixedSize(48, 26);
        toggle->setChecked(state.checked);
        toggle->setSwitchEnabled(state.enabled);
        if (state.hover)
            hovered(toggle);
        switches->addWidget(toggle);
    }
    switches->addStretch();
    layout->addLayout(switches);

    auto *pictures = new QHBoxLayout;
    auto *indicator = new VIndicatorBox;
    indicator->setFixedSize(160, 110);
    indicator->setFirstLine(QPoint(12, 20), QPoint(150, 20));
    indicator->setSecondLine(QPoint(12, 20), QPoint(12, 98));
    pictures->addWidget(indicator);
    auto *turned = new VLabel(QStringLiteral("Pressure"));
    turned->setFixedSize(24, 110);
    pictures->addWidget(turned);
    pictures->addStretch();
    layout->addLayout(pictures);
    layout->addStretch();
    return column;
}

// The main window's menu as the base sheet draws it, with its pictures.
QWidget *mainMenu()
{
    auto *column = new QWidget;
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(sectionTitle(QStringLiteral("Menu")));
    auto *menu = new QListWidget;
    menu->setObjectName(QStringLiteral("menuMain"));
    menu->setFocusPolicy(Qt::NoFocus);
    menu->setIconSize(QSize(24, 24));
    const QStringList names = {QStringLiteral("Pen"), QStringLiteral("Hot Key"),
                               QStringLiteral("Mapping"), QStringLiteral("Settings")};
    const QStringList pictures = {QStringLiteral("pen"), QStringLiteral("hotkey"),
                                  QStringLiteral("mapping"), QStringLiteral("settings")};
    for (int i = 0; i < names.size(); ++i) {
        auto *item = new QListWidgetItem(
                QIcon(QStringLiteral(":/res/image/comm/32x32/%1_32x32.png").arg(pictures.at(i))),
                names.at(i), menu);
        item->setSizeHint(QSize(140, 48));
    }
    menu->setCurrentRow(0);
    hovered(menu->viewport());
    menu->setFixedSize(192, 4 * 48 + 2);
    layout->addWidget(menu);
    layout->addStretch();
    return column;
}

// One row of buttons in their states: rest, hover, pressed, disabled.
QWidget *buttonStates(const QVariant &primary, bool flat)
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    const QStringList names = {QStringLiteral("Rest"), QStringLiteral("Hover"),
                               QStringLiteral("Pressed"), QStringLiteral("Disabled")};
    for (const QString &name : names) {
        auto *button = new QPushButton(name);
        button->setProperty("primary", primary);
        button->setFlat(flat);
        button->setFixedHeight(32);
        if (name == QLatin1String("Hover"))
            hovered(button);
        else if (name == QLatin1String("Pressed"))
            button->setDown(true);
        else if (name == QLatin1String("Disabled"))
            button->setEnabled(false);
        layout->addWidget(button);
    }
    layout->addStretch();
    return row;
}

QWidget *standardControls()
{
    auto *column = new QWidget;
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);

    layout->addWidget(sectionTitle(QStringLiteral("Buttons")));
    layout->addWidget(caption(QStringLiteral("Primary, secondary and text buttons")));
    layout->addWidget(buttonStates(true, false));
    layout->addWidget(buttonStates(QVariant(), false));
    layout->addWidget(buttonStates(QVariant(), true));

    layout->addSpacing(16);
    layout->addWidget(sectionTitle(QStringLiteral("Inputs")));
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(8);
    auto *combo = new QComboBox;
    combo->addItems({QStringLiteral("All Applications"), QStringLiteral("Painter"),
                     QStringLiteral("Edit Options...")});
    grid->addWidget(combo, 0, 0);
    auto *comboHover = hovered(new QComboBox);
    comboHover->addItem(QStringLiteral("Hover"));
    grid->addWidget(comboHover, 0, 1);
    auto *comboOff = new QComboBox;
    comboOff->addItem(QStringLiteral("Disabled"));
    comboOff->setEnabled(false);
    grid->addWidget(comboOff, 0, 2);
    auto *edit = new QLineEdit(QStringLiteral("Description"));
    grid->addWidget(edit, 1, 0);
    auto *editFocus = new QLineEdit(QStringLiteral("Keyboard focus"));
    QTimer::singleShot(0, editFocus, [editFocus] {
        editFocus->activateWindow();
        editFocus->setFocus(Qt::TabFocusReason);
    });
    grid->addWidget(editFocus, 1, 1);
    auto *editOff = new QLineEdit(QStringLiteral("Disabled"));
    editOff->setEnabled(false);
    grid->addWidget(editOff, 1, 2);
    auto *spin = new QSpinBox;
    spin->setRange(0, 8192);
    spin->setValue(4096);
    grid->addWidget(spin, 2, 0);
    auto *spinHover = hovered(new QSpinBox);
    spinHover->setValue(5);
    grid->addWidget(spinHover, 2, 1);
    auto *spinOff = new QSpinBox;
    spinOff->setEnabled(false);
    grid->addWidget(spinOff, 2, 2);
    layout->addLayout(grid);

    auto *checks = new QGridLayout;
    checks->setHorizontalSpacing(16);
    auto *on = new QCheckBox(QStringLiteral("Checked"));
    on->setChecked(true);
    checks->addWidget(on, 0, 0);
    checks->addWidget(new QCheckBox(QStringLiteral("Unchecked")), 0, 1);
    auto *checkOff = new QCheckBox(QStringLiteral("Disabled"));
    checkOff->setChecked(true);
    checkOff->setEnabled(false);
    checks->addWidget(checkOff, 0, 2);
    auto *radio = new QRadioButton(QStringLiteral("Selected"));
    radio->setChecked(true);
    checks->addWidget(radio, 1, 0);
    checks->addWidget(new QRadioButton(QStringLiteral("Not selected")), 1, 1);
    auto *radioOff = new QRadioButton(QStringLiteral("Disabled"));
    radioOff->setEnabled(false);
    checks->addWidget(radioOff, 1, 2);
    layout->addLayout(checks);

    auto *slider = new QSlider(Qt::Horizontal);
    slider->setValue(35);
    layout->addWidget(slider);

    auto *list = new QListWidget;
    // Latin, Chinese and Cyrillic names, to see the font stack reach every script.
    list->addItems({QStringLiteral("Painter"), QStringLiteral("Sketch Studio"),
                    QString::fromUtf8("画图工作室"), QString::fromUtf8("Фоторедактор")});
    list->setCurrentRow(1);
    list->setFixedHeight(4 * 42 + 2);
    layout->addWidget(list);
    layout->addStretch();
    return column;
}

QWidget *gallery()
{
    applyBaseSheet();
    auto *window = new QWidget;
    window->setObjectName(QStringLiteral("galleryWindow"));
    window->setStyleSheet(QStringLiteral("#galleryWindow { background-color: #F4F4F4; }"));
    window->setAttribute(Qt::WA_StyledBackground);
    auto *outer = new QVBoxLayout(window);
    outer->setContentsMargins(24, 24, 24, 24);
    auto *card = new QFrame;
    card->setObjectName(QStringLiteral("galleryFrame"));
    outer->addWidget(card);
    auto *columns = new QHBoxLayout(card);
    columns->setContentsMargins(24, 24, 24, 24);
    columns->setSpacing(24);
    columns->addWidget(settingRows());
    columns->addWidget(keyRowsAndValues());
    columns->addWidget(mainMenu());
    columns->addWidget(standardControls(), 1);
    window->resize(1640, 680);
    return window;
}

} // namespace

// The tray menu, as the tray shows it.
QWidget *trayMenu()
{
    applyBaseSheet();
    auto *menu = new QMenu;
    menu->addAction(QIcon(QStringLiteral(":/res/image/comm/showwindow_24x24.png")),
                    QStringLiteral("Show Window(&S)"));
    menu->addAction(QIcon(QStringLiteral(":/res/image/comm/exit_24x24.png")),
                    QStringLiteral("Exit(&X)"));
    menu->setActiveAction(menu->actions().first());
    return menu;
}

QZ_SCREENSHOT_SCENE(widgetGallery, "widget-gallery", gallery)
QZ_SCREENSHOT_SCENE(trayMenu, "tray-menu", trayMenu)
