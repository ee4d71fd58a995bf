#include "ui/dialogs/actions/VHotkeyPreviewDlg.h"

#include "config/actions/TabletKeyboardAction.h"
#include "config/actions/TabletMediaAction.h"
#include "config/actions/TabletMouseAction.h"
#include "ui/widgets/VTitleBar.h"

#include <QLabel>
#include <QTextDocument>
#include <QToolBox>

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <memory>

namespace {

using PageText = VHotkeyPreviewDlg::PageText;

TabletActionPtr keys(const QString &tip, const char *text)
{
    return std::make_shared<TabletKeyboardAction>(tip, QLatin1String(text), TabletKeyboardAction::KeyCombination);
}

QStringList linesOf(const PageText &page)
{
    QStringList lines;
    for (const VHotkeyPreviewDlg::LineGroup &group : page.groups) {
        if (!group.heading.isEmpty())
            lines << QStringLiteral("# ") + group.heading;
        lines << group.lines;
    }
    return lines;
}

HotkeyConfigure bindings()
{
    HotkeyConfigure hotkey;
    hotkey.keys = {{1, keys(QStringLiteral("Undo"), "Ctrl+Z")}, {2, nullptr}};
    hotkey.virtualKeys = {{3, keys(QString(), "B")}};
    DialConfigure dial;
    dial.pairs = {ActionPair(keys(QString(), "["), keys(QString(), "]")),
                  ActionPair(std::make_shared<TabletMouseAction>(QString(), TabletMouseAction::WheelUp), nullptr)};
    dial.index = 1;
    hotkey.dials[1] = dial;
    hotkey.dials[4] = DialConfigure();
    hotkey.touches = {{2, std::make_shared<TabletMediaAction>(QStringLiteral("<b>loud</b>"), TabletMediaAction::VolumeUp)}};
    return hotkey;
}

} // namespace

TEST(VHotkeyPreviewDlg, ListsEveryKeyDialPairAndTouchSegmentWithItsActionAndTip)
{
    const HotkeyConfigure hotkey = bindings();
    const auto pages = VHotkeyPreviewDlg::pageTexts(hotkey.keys, hotkey.virtualKeys, hotkey.dials, hotkey.touches);
    ASSERT_EQ(pages.size(), 3u);
    const QString volumeUp = hotkey.touches.at(2)->displayText();
    const QString wheelUp = hotkey.dials.at(1).pairs[1].first->displayText();
    const struct {
        const char *what;
        QString title;
        QStringList lines;
    } expected[] = {
        {"keys", QStringLiteral("Key(3)"),
         {QStringLiteral("  [K1] Ctrl+Z  (Undo)"), QStringLiteral("  [K2] Invalid  "), QStringLiteral("  [K3] B  ")}},
        {"dials", QStringLiteral("Dial(2)"),
         {QStringLiteral("#   Dial-1"), QStringLiteral("     [Action-1] [ | ]"),
          QStringLiteral("   *[Action-2] ") + wheelUp + QStringLiteral(" | Invalid"), QStringLiteral("#   Dial-2")}},
        {"touch", QStringLiteral("Touch(1)"), {QStringLiteral("  [F2] ") + volumeUp + QStringLiteral("  (<b>loud</b>)")}},
    };
    for (int page = 0; page < 3; ++page) {
        SCOPED_TRACE(expected[page].what);
        EXPECT_EQ(pages[page].title, expected[page].title);
        EXPECT_EQ(linesOf(pages[page]), expected[page].lines);
    }
}

TEST(VHotkeyPreviewDlg, WithoutBindingsThePagesAreEmpty)
{
    const auto pages = VHotkeyPreviewDlg::pageTexts({}, {}, {}, {});
    const QString titles[] = {QStringLiteral("Key(0)"), QStringLiteral("Dial(0)"), QStringLiteral("Touch(0)")};
    for (int page = 0; page < 3; ++page) {
        EXPECT_EQ(pages[page].title, titles[page]);
        EXPECT_TRUE(linesOf(pages[page]).isEmpty());
    }
}

TEST(VHotkeyPreviewDlg, WhileHiddenOnlyTheTitleChangesAndAPageThatDoesNotExistSelectsTheFirst)
{
    VHotkeyPreviewDlg dialog;
    auto *toolBox = dialog.findChild<QToolBox *>(QStringLiteral("toolBox"));
    auto *title = dialog.findChild<VTitleBar *>(QStringLiteral("hpdWidgetTitle"));
    dialog.setPreviewSource(bindings(), 1, true, QStringLiteral("All Applications"));
    EXPECT_EQ(title->title(), QStringLiteral("Hotkey Preview (All Applications)"));
    EXPECT_EQ(toolBox->count(), 0);

    dialog.show();
    AppProfile krita;
    krita.keys = bindings().keys;
    const struct {
        int page;
        bool rebuild;
        int expectedCurrent;
    } cases[] = {{2, true, 2}, {1, false, 1}, {3, false, 1}, {4, true, 0}, {-1, true, 0}, {3, true, 0}, {2, false, 2}};
    for (const auto &entry : cases) {
        SCOPED_TRACE(testing::Message() << "page " << entry.page << (entry.rebuild ? " rebuilt" : ""));
        dialog.setPreviewProfile(krita, entry.page, entry.rebuild, QStringLiteral("Krita"));
        ASSERT_EQ(toolBox->count(), 3);
        EXPECT_EQ(toolBox->currentIndex(), entry.expectedCurrent);
        EXPECT_EQ(toolBox->itemText(0), QStringLiteral("Key(2)"));
        EXPECT_EQ(toolBox->itemText(1), QStringLiteral("Dial(0)"));
    }
    EXPECT_EQ(title->title(), QStringLiteral("Hotkey Preview (Krita)"));
}

TEST(VHotkeyPreviewDlg, ShowsTipsAsPlainText)
{
    VHotkeyPreviewDlg dialog;
    dialog.show();
    dialog.setPreviewSource(bindings(), 2, true, QStringLiteral("All Applications"));
    const QString line = QStringLiteral("  [F2] ") + bindings().touches.at(2)->displayText() + QStringLiteral("  (<b>loud</b>)");
    QLabel *shown = nullptr;
    for (QLabel *label : dialog.findChildren<QLabel *>()) {
        if (label->text() == line)
            shown = label;
    }
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->textFormat(), Qt::PlainText);
    QTextDocument toolTip;
    toolTip.setHtml(shown->toolTip());
    EXPECT_EQ(toolTip.toPlainText(), line);
}
