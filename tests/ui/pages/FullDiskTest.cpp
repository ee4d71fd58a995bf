// Saving and exporting onto a file system that is full: every old file stays byte for byte, and
// the user is told. The tests run in the data folder "qz-full-disk", over which the CTest fixture
// small_disk (tests/support/small-disk.sh) mounts a 256 KiB file system; without one there they
// skip and say why.
#include "config/actions/TabletMouseAction.h"
#include "config/configure/ConfigureStore.h"
#include "config/platform/DataFolders.h"
#include "config/profiles/AppProfile.h"
#include "config/profiles/AppProfileStore.h"
#include "support/QtPrinters.h"
#include "ui/dialogs/messages/VTipMsgboxDlg.h"
#include "ui/pages/VPenPanel.h"
#include "ui/pages/VSettingsPanel.h"
#include "ui/widgets/VRichItem.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

const QString kModel = QStringLiteral("QZ-Pen 6");
const QString kFolderName = QStringLiteral("qz-full-disk");
// Far more than the small file system holds: a folder that takes this much is not on it.
constexpr qint64 kMoreThanTheSmallDisk = 2 * 1024 * 1024;

using Files = QMap<QString, QByteArray>;

class FullDisk : public testing::Test
{
protected:
    void SetUp() override
    {
        previousName = QCoreApplication::applicationName();
#ifdef QZ_SMALL_DISK_HOME
        previousHome = qgetenv("HOME");
        qputenv("HOME", QZ_SMALL_DISK_HOME);
#endif
        QCoreApplication::setApplicationName(kFolderName);
        location = dataLocation();
        emptyLocation();
        const bool small = fill();
        emptyLocation();
        if (!small)
            GTEST_SKIP() << "no small file system at " << location.toStdString()
                         << ": the fixture small_disk mounts one there when the run may mount (as root)";

        const TabletConfigurePtr defaults = loadConfigure(kModel, true, {});
        ASSERT_TRUE(defaults);
        configure = std::make_shared<TabletConfigure>(*defaults);
        setCurrentConfigure(configure);
        AppProfile krita;
        krita.name = QStringLiteral("Krita");
        krita.path = QStringLiteral("C:/Krita.exe");
        krita.buttons[VPenPanel::kUpperButton] =
                std::make_shared<TabletMouseAction>("Krita's", TabletMouseAction::MiddleClick);
        setAppProfiles({krita});
        VTipMsgboxDlg::createInstance();
        VTipMsgboxDlg::instance()->slotShowMessage(QString());
    }

    void TearDown() override
    {
        emptyLocation();
        setAppProfiles({});
        setCurrentConfigure(std::make_shared<TabletConfigure>());
        QCoreApplication::setApplicationName(previousName);
#ifdef QZ_SMALL_DISK_HOME
        qputenv("HOME", previousHome);
#endif
    }

    // Writes one file until the file system takes no more; false when it took more than the
    // small file system holds.
    bool fill() const
    {
        QDir().mkpath(location);
        QFile filler(QDir(location).filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(4096, 'f');
        for (qint64 written = 0; written <= kMoreThanTheSmallDisk; written += block.size()) {
            if (filler.write(block) != block.size())
                return true;
        }
        return false;
    }

    // The folder may be a mount point, which stays.
    void emptyLocation() const
    {
        QDir folder(location);
        for (const QString &entry : folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
            if (!QFile::remove(folder.filePath(entry)))
                QDir(folder.filePath(entry)).removeRecursively();
        }
    }

    // Every file of the data folder with its content, the filler left out.
    Files files() const
    {
        Files found;
        QDirIterator it(location, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            const QString name = QDir(location).relativeFilePath(file.fileName());
            if (name != QLatin1String("filler") && file.open(QIODevice::ReadOnly))
                found.insert(name, file.readAll());
        }
        return found;
    }

    // Stores the configuration, the common settings and the profile while there is room.
    void saveWhileThereIsRoom(int step) const
    {
        configure->pen.step = step;
        ASSERT_TRUE(saveConfigure());
        ASSERT_TRUE(saveAppProfiles());
    }

    QString location;
    TabletConfigurePtr configure;

private:
    QString previousName;
    QByteArray previousHome;
};

} // namespace

TEST_F(FullDisk, SaveOnThePenPageKeepsEveryFileAndSaysNothingWasSaved)
{
    saveWhileThereIsRoom(2);
    const Files before = files();
    ASSERT_EQ(before.size(), 3) << "the model's file, comm.xml and the profile";
    VPenPanel page;
    configure->pen.step = 7;
    configure->common.tilt = !configure->common.tilt;
    appProfiles()[0].path = QStringLiteral("C:/Programs/Krita.exe");
    ASSERT_TRUE(fill());

    page.findChild<QPushButton *>(QStringLiteral("btnOK"))->click();
    QApplication::processEvents();

    EXPECT_EQ(VTipMsgboxDlg::instance()->text(), QStringLiteral("Configuration not saved"));
    EXPECT_EQ(files(), before) << "no file cut short, none left half-written beside";
}

TEST_F(FullDisk, AnExportKeepsTheOldPackageAndSaysItCouldNotBeWritten)
{
    saveWhileThereIsRoom(2);
    const QString package = QDir(location).filePath(QStringLiteral("backup.zlpkg"));
    QStringList messages;
    VSettingsPanel page;
    VSettingsPanel::Prompts prompts;
    prompts.saveFileName = [&package](QWidget *, const QString &, const QString &, const QString &) { return package; };
    prompts.message = [&messages](const QString &title, const QString &text) { messages << title + QLatin1Char(':') + text; };
    page.setPrompts(prompts);
    QPushButton *exportButton = nullptr;
    for (VRichItem *row : page.findChildren<VRichItem *>()) {
        if (row->findChild<QLabel *>(QStringLiteral("riLabelTitle"))->text() == QLatin1String("Export Settings"))
            exportButton = row->findChild<QPushButton *>(QStringLiteral("riBtnMain"));
    }
    ASSERT_TRUE(exportButton);
    exportButton->click();
    ASSERT_EQ(messages, QStringList{QStringLiteral("Export Settings:Settings export completed")});
    saveWhileThereIsRoom(3);
    const Files before = files();
    messages.clear();
    ASSERT_TRUE(fill());

    exportButton->click();

    EXPECT_EQ(messages, QStringList{QStringLiteral("Export Settings:Settings export abort\nCould not be written: ")
                                    + QDir::toNativeSeparators(package)});
    EXPECT_EQ(files(), before) << "the package of the first export, whole";
}
