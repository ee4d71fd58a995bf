#include "engine/actions/ActionRunner.h"

#include "config/actions/TabletKeyboardAction.h"
#include "engine/support/ActionJournal.h"

#include <QLoggingCategory>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

QStringList loggedActions;

// A shortcut pressed and released, and no action at all, with the logging rules given.
QStringList logOfOneShortcut(const QString &rules)
{
    loggedActions.clear();
    QLoggingCategory::setFilterRules(rules);
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &context, const QString &text) {
        if (qstrcmp(context.category, "qz.actions") == 0)
            loggedActions << text;
    });
    ActionJournal journal;
    JournalServices fakes(journal);
    JournalHost host(journal);
    ActionRunner runner(fakes.services(), host);
    TabletConfigure configure;
    configure.common.message = false;
    const auto save = std::make_shared<TabletKeyboardAction>("Save", "Ctrl+S", TabletKeyboardAction::KeyCombination);
    runner.runAction(save, true, configure);
    runner.runAction(save, false, configure);
    runner.runAction(nullptr, true, configure);
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QString());
    return loggedActions;
}

} // namespace

TEST(ActionLog, SaysEachActionRunWhenItsInfoLevelIsOnAndNothingOtherwise)
{
    EXPECT_EQ(logOfOneShortcut("qz.actions.info=true"),
              (QStringList{"keyboard action \"Save\" (Ctrl+S) pressed", "keyboard action \"Save\" (Ctrl+S) released"}));
    EXPECT_EQ(logOfOneShortcut(QString()), QStringList());
}
