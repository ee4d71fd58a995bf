#pragma once

#include "ui/UILanguage.h"

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>

namespace Ui {
class VDiagnoseDlg;
}

class AppLogic;
class ScreenStatusListen;

// The diagnosis window: a report of the output drivers, the installed Wintab libraries, the
// tablet and the screens, and below it the last pen position or key, dial or touch event that
// the engine decoded, live while the window is shown. It is shown and hidden, not destroyed,
// between uses.
class VDiagnoseDlg : public QDialog, public UILanguage
{
    Q_OBJECT

public:
    // The folders where the Wintab library of one bitness may be installed.
    using LibraryFolders = std::function<QStringList(bool x64)>;

    explicit VDiagnoseDlg(QWidget *parent = nullptr);
    ~VDiagnoseDlg() override;

    // The engine and the display manager that the dialogs made from now on report on (the main
    // window sets its own before it builds its pages), and where they look for the library (the
    // program sets the system's folders). Without them the report shows no driver, tablet,
    // screen or library.
    static void setEngine(AppLogic *engine, ScreenStatusListen *displays);
    static void setLibraryFolders(LibraryFolders folders);

    // Builds the report afresh.
    void updateInformation();
    void retranslate() override;

public slots:
    // Whether a known build of the library of that bitness is installed; its version when so.
    bool nibwireFileExist(bool x64, QString *version);
    void slotPenDataChanged(const QVariant &wrapper);
    void slotComponentDataChanged(const QVariant &wrapper);
    void on_btnClose_clicked();

private:
    std::unique_ptr<Ui::VDiagnoseDlg> ui;
    QPointer<AppLogic> engine;
    QPointer<ScreenStatusListen> displays;
};
