#pragma once

#include "engine/core/AppLogic.h"
#include "engine/core/EnginePlatform.h"

#include <QByteArray>
#include <QMainWindow>
#include <QString>
#include <QSystemTrayIcon>
#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

namespace Ui {
class MainWindow;
}

class IKeyboardDriverInterface;
class QAction;
class QLabel;
class QListWidgetItem;
class QMenu;
class ScreenStatusListen;
class VHotkeyPanel;
class VMappingPanel;
class VNotDetectedDlg;
class VPenPanel;
class VSettingsPanel;

// The settings window and the owner of the engine: lists the connected tablets, loads the chosen
// one's configuration and hands the engine a private copy of it, hosts the settings pages, keeps
// the tray icon, and gives way to the no-device dialog while no tablet is connected. Closing it
// only hides it; Exit in the tray menu ends the program.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // The text a second start of the program sends to the first.
    static const char kInstanceMessage[];

    // Runs the application dialog modally over `parent` and returns its result code.
    using ApplicationDialog = std::function<int(QWidget *parent)>;

    // The engine runs on `platform`, completed with the application profiles, the translation of
    // action words and the tip where it has none.
    explicit MainWindow(EnginePlatform platform, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The one main window of the process, or null before it exists.
    static MainWindow *instance();

    AppLogic &appLogic() { return logic; }
    VNotDetectedDlg *notDetectedDialog() const { return notDetected.get(); }
    void setApplicationDialog(ApplicationDialog dialog) { applicationDialog = std::move(dialog); }

    // Gives the engine a deep copy of the current configuration.
    void applyConfigureFromPanel();
    void reopenDevices();
    void refreshDeviceList();
    // Shows the window while a tablet is listed, the no-device dialog otherwise.
    void updateVisibility();
    // What the window does when the displays changed and when the machine resumed.
    void displayChanged();
    void powerResumed();

public slots:
    void slotTabletStatusChanged(bool state);
    void slotPenDataChanged(const QVariant &wrapper);
    void slotComponentDataChanged(const QVariant &wrapper);
    void slotLanguageChanged(int type);
    void on_menuMain_currentItemChanged(QListWidgetItem *current, QListWidgetItem *previous);
    void on_menuSettings_currentItemChanged(QListWidgetItem *current, QListWidgetItem *previous);
    void on_menuMain_itemClicked(QListWidgetItem *item);
    void on_menuSettings_itemClicked(QListWidgetItem *item);
    void on_comboDevices_currentIndexChanged(int index);
    void slotAppCurrentIndexChanged(int index);
    void slotAppOptionsActivated(int index);
    void slotSetClipboardAndPaste(const QString &text);
    void slotReceivedMessage(quint32 instanceId, QByteArray message);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool nativeEvent(const QByteArray &eventType, void *message, long *result) override;

private:
    void setUpLanguage();
    void setUpWindowStyle();
    void setUpPages();
    void setUpMenus();
    void setUpTray();
    void connectEngine();
    void retranslateTexts();
    void bringUp();
    void showFromTray();
    void slotTrayActivated(QSystemTrayIcon::ActivationReason reason);
    void slotExit();
    void showMainMenuPage();
    void showSettingsMenuPage();
    void showFirstPage();
    void showUnknownModel(const QString &model);
    void setPagesEditable(bool editable);
    void retranslateUnknownModelNotice();

    std::unique_ptr<Ui::MainWindow> ui;
    ScreenStatusListen *const displays;
    const std::shared_ptr<IKeyboardDriverInterface> keyboard;
    const std::function<std::vector<ProcessEntry>()> runningProcesses;
    AppLogic logic;
    VPenPanel *penPanel = nullptr;
    VHotkeyPanel *hotkeyPanel = nullptr;
    VMappingPanel *mappingPanel = nullptr;
    VSettingsPanel *settingsPanel = nullptr;
    std::unique_ptr<VNotDetectedDlg> notDetected;
    std::vector<QWidget *> mainMenuPages;
    std::vector<QWidget *> settingsMenuPages;
    // Over the pages while the selected tablet's model has no configuration (`unknownModel`).
    QLabel *unknownModelNotice = nullptr;
    QString unknownModel;
    QSystemTrayIcon *trayIcon = nullptr;
    QMenu *trayMenu = nullptr;
    QAction *actionShowWindow = nullptr;
    QAction *actionExit = nullptr;
    ApplicationDialog applicationDialog;
    bool quitRequested = false;
};
