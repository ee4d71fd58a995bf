#pragma once

#include "config/configure/ConfigureMonitor.h"
#include "ui/UIConfigure.h"
#include "ui/UILanguage.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace Ui {
class VSettingsPanel;
}

class QListWidgetItem;
class VDiagnoseDlg;
class VLanguageItem;
class VRichItem;
class VRichList;

// The page of the driver-wide options: the interface language, pen tilt, automatic rotation with
// the screen, hotkey descriptions and their synchronised response; backing the settings up to a
// package file and restoring them, resetting everything, and the diagnosis. Its sections sit in
// a scroll area beside a sub-menu that jumps to a section and follows the scrolling. Every change
// is written to disk at once.
class VSettingsPanel : public QWidget, public UIConfigure, public UILanguage
{
    Q_OBJECT

public:
    // One row of the page's table: its texts, kind and what it does.
    struct Row;

    // What the page asks of the window that owns the engine.
    struct DeviceHooks
    {
        // The product name of the selected tablet; empty when none is selected.
        std::function<QString()> currentModel;
        // The monitors that a model's fresh defaults are fitted to.
        std::function<ConfigureMonitorList()> monitors;
        // Opens the tablets again and loads the selected one's configuration.
        std::function<void()> reopenDevices;
    };

    // The page's file dialogs and message boxes, replaceable so that tests can answer them.
    struct Prompts
    {
        // The chosen names; empty when the dialog was cancelled.
        std::function<QString(QWidget *parent, const QString &caption, const QString &proposedName,
                              const QString &filter)>
                saveFileName;
        std::function<QString(QWidget *parent, const QString &caption, const QString &filter)> openFileName;
        // True when the user answered Yes.
        std::function<bool(QWidget *parent, const QString &title, const QString &text)> question;
        std::function<void(const QString &title, const QString &text)> message;

        // The program's own dialogs.
        static Prompts dialogs();
    };

    explicit VSettingsPanel(QWidget *parent = nullptr);
    ~VSettingsPanel() override;

    void updateFromConfigure() override;
    void applyConfigure() override;
    void retranslate() override;

    // Hides the diagnosis window, when it is open.
    void hideDiagnosis();

    void setDeviceHooks(DeviceHooks hooks);
    void setPrompts(Prompts prompts);

private slots:
    void on_spSubMenuSettings_itemClicked(QListWidgetItem *item);
    void slotValueChanged(int value);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void setUpSubMenu();
    void setUpSections();
    VRichList *addSection(const char *title);
    VRichItem *addRow(VRichList *section, const Row &row);
    void runRow(const Row &row, VRichItem *item);
    void changeLanguage(int id);
    void exportSettingsPackage();
    void importSettingsPackage();
    void resetSettings();
    void showDiagnosis();

    std::unique_ptr<Ui::VSettingsPanel> ui;
    bool dragging = false;
    int lastDragY = 0;
    std::vector<VRichList *> sections;
    bool menuJump = false;
    VLanguageItem *languageItem = nullptr;
    VRichItem *tiltItem = nullptr;
    VRichItem *orientationItem = nullptr;
    VRichItem *messageItem = nullptr;
    VRichItem *hotkeySyncItem = nullptr;
    std::unique_ptr<VDiagnoseDlg> diagnosis;
    // Each row with the untranslated texts it is translated from again.
    std::vector<std::pair<const Row *, VRichItem *>> translatedRows;
    DeviceHooks deviceHooks;
    Prompts prompts;
};
