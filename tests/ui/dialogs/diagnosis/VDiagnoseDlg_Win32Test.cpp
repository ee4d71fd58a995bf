#include "ui/dialogs/diagnosis/VDiagnoseDlg.h"

#include "BuildConfig.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextEdit>

#include <gtest/gtest.h>

// The program recognises the library that the nibwire tree built beside it, installed under the
// name applications load.
TEST(VDiagnoseDlg, TheLibraryBuiltWithTheProgramIsAKnownBuild)
{
    const QString built = QStringLiteral("Z:") + QLatin1String(QZ_NIBWIRE_BIN_DIR) + QStringLiteral("/Nibwire.dll");
    QTemporaryDir system;
    ASSERT_TRUE(QFile::copy(built, system.filePath(QStringLiteral("Wintab32.dll")))) << built.toStdString();
    const QString folder = system.path();
    VDiagnoseDlg::setLibraryFolders([folder](bool x64) { return x64 ? QStringList{folder} : QStringList(); });

    VDiagnoseDlg dialog;
    QString version32 = QStringLiteral("before");
    EXPECT_FALSE(dialog.nibwireFileExist(false, &version32));
    EXPECT_EQ(version32, QStringLiteral("before"));
    dialog.updateInformation();
    const QString report = dialog.findChild<QTextEdit *>(QStringLiteral("editInfo"))->toPlainText();
    EXPECT_TRUE(report.contains(QStringLiteral("Nibwire.dll x86 not found, Nibwire.dll x64 %1 ").arg(QLatin1String(BuildConfig::kVersion))))
            << report.toStdString();
    VDiagnoseDlg::setLibraryFolders(nullptr);
}
