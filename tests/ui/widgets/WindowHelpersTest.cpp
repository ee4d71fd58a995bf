#include "ui/widgets/WindowHelpers.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(ReadTextFile, GivesTheWholeFileAsUtf8TextAndNothingForAMissingOne)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const struct {
        const char *name;
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"plain.qss", "#text { color: #1F2329; }\n", QStringLiteral("#text { color: #1F2329; }\n")},
        {"accents.qss", "/* Schrift \xc3\xa4\xc3\xb6 \xe4\xb8\xad */", QStringLiteral("/* Schrift \u00e4\u00f6 \u4e2d */")},
        {"bom.qss", "\xef\xbb\xbfQLabel {}", QStringLiteral("QLabel {}")},
        {"empty.qss", "", QString()},
    };
    for (const auto &entry : cases) {
        QFile file(folder.filePath(QLatin1String(entry.name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(entry.bytes);
        file.close();
        EXPECT_EQ(readTextFile(file.fileName()), entry.text) << entry.name;
    }
    EXPECT_TRUE(readTextFile(folder.filePath(QStringLiteral("missing.qss"))).isEmpty());
    EXPECT_TRUE(readTextFile(QStringLiteral(":/res/qss/normal/qss-NoSuchClass.qss")).isEmpty());
    EXPECT_FALSE(readTextFile(QStringLiteral(":/res/qss/normal/qss-VTitleBar.qss")).isEmpty())
            << "resource paths read like files";
}

TEST(StyleComboPopup, GivesThePopupAStyledDelegateOwnedByTheComboAndAFramelessWindow)
{
    QPointer<QAbstractItemDelegate> delegate;
    {
        QComboBox combo;
        styleComboPopup(&combo);
        delegate = combo.itemDelegate();
        ASSERT_TRUE(qobject_cast<QStyledItemDelegate *>(delegate));
        EXPECT_EQ(delegate->parent(), &combo);
        const Qt::WindowFlags popupFlags = combo.view()->window()->windowFlags();
        EXPECT_TRUE(popupFlags.testFlag(Qt::FramelessWindowHint));
        EXPECT_TRUE(popupFlags.testFlag(Qt::NoDropShadowWindowHint));
        EXPECT_TRUE(combo.view()->window()->testAttribute(Qt::WA_TranslucentBackground));
    }
    EXPECT_TRUE(delegate.isNull()) << "the delegate goes with its combo box";
}

