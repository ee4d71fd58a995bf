#include "config/actions/TabletExecAction.h"
#include "config/actions/TabletKeyboardAction.h"
#include "config/actions/TabletMediaAction.h"
#include "config/actions/TabletMiscAction.h"
#include "config/actions/TabletMouseAction.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace {

struct EventText
{
    std::uint32_t event;
    const char *text;
};

// Marks every text with the context it was translated in, so a test sees which texts went
// through the translator and under which class.
class ContextMarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        return QStringLiteral("[%1]%2").arg(QLatin1String(context), QString::fromUtf8(sourceText));
    }
};

class InstalledTranslator
{
public:
    InstalledTranslator() { QCoreApplication::installTranslator(&translator); }
    ~InstalledTranslator() { QCoreApplication::removeTranslator(&translator); }

private:
    ContextMarkingTranslator translator;
};

} // namespace

TEST(TabletAction, EachKindCarriesItsTypeCodeAndXmlName)
{
    struct Row
    {
        std::shared_ptr<TabletAction> action;
        int type;
        const char *typeName;
    };
    const std::vector<Row> rows = {
        {std::make_shared<TabletKeyboardAction>(QString(), QString(), 0), 1, "keyboard"},
        {std::make_shared<TabletMouseAction>(QString(), 0), 2, "mouse"},
        {std::make_shared<TabletMiscAction>(QString(), 0), 3, "misc"},
        {std::make_shared<TabletExecAction>(QString(), QString()), 4, "exec"},
        {std::make_shared<TabletMediaAction>(QString(), 0), 5, "media"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.typeName);
        EXPECT_EQ(row.action->type, row.type);
        EXPECT_EQ(row.action->typeName, QLatin1String(row.typeName));
    }
}

TEST(TabletAction, ConstructorsTakeTheTipFirstThenTheOwnFields)
{
    const TabletKeyboardAction keyboard(QStringLiteral("Undo"), QStringLiteral("Ctrl+Z"), 1);
    EXPECT_EQ(keyboard.tip, QStringLiteral("Undo"));
    EXPECT_EQ(keyboard.text, QStringLiteral("Ctrl+Z"));
    EXPECT_EQ(keyboard.mode, 1);

    const TabletMouseAction mouse(QStringLiteral("Click"), TabletMouseAction::RightClick);
    EXPECT_EQ(mouse.tip, QStringLiteral("Click"));
    EXPECT_EQ(mouse.event, 3u);

    const TabletMiscAction misc(QStringLiteral("Tool"), TabletMiscAction::CustomTool);
    EXPECT_EQ(misc.tip, QStringLiteral("Tool"));
    EXPECT_EQ(misc.event, 3u);
    EXPECT_TRUE(misc.tools.isEmpty());

    const TabletExecAction exec(QStringLiteral("Run"), QStringLiteral("C:/Tools/paint.exe"));
    EXPECT_EQ(exec.tip, QStringLiteral("Run"));
    EXPECT_EQ(exec.path, QStringLiteral("C:/Tools/paint.exe"));

    const TabletMediaAction media(QStringLiteral("Mute"), TabletMediaAction::VolumeMute);
    EXPECT_EQ(media.tip, QStringLiteral("Mute"));
    EXPECT_EQ(media.event, 8u);
}

TEST(TabletAction, BaseActionShowsItsTypeName)
{
    const TabletAction action(7, QStringLiteral("pen"), QStringLiteral("tip"));
    EXPECT_EQ(action.displayText(), QStringLiteral("pen"));
}

TEST(TabletAction, KeyboardActionShowsItsTextInEitherMode)
{
    EXPECT_EQ(TabletKeyboardAction({}, QStringLiteral("Ctrl+Z"), 0).displayText(),
              QStringLiteral("Ctrl+Z"));
    EXPECT_EQ(TabletKeyboardAction({}, QStringLiteral(" hello "), 1).displayText(),
              QStringLiteral(" hello "));
}

TEST(TabletAction, KeyboardActionWithoutTextShowsInvalid)
{
    EXPECT_EQ(TabletKeyboardAction({}, QString(), 0).displayText(), QStringLiteral("Invalid"));
    EXPECT_EQ(TabletKeyboardAction({}, QString(), 1).displayText(), QStringLiteral("Invalid"));
}

TEST(TabletAction, KeyboardModeOneAloneTypesText)
{
    EXPECT_TRUE(TabletKeyboardAction({}, QStringLiteral("a"), 1).typesText());
    EXPECT_FALSE(TabletKeyboardAction({}, QStringLiteral("a"), 0).typesText());
    EXPECT_FALSE(TabletKeyboardAction({}, QStringLiteral("a"), 2).typesText());
}

TEST(TabletAction, MouseActionShowsTheTextOfEachEvent)
{
    const EventText rows[] = {
        {0, "Undefined"},        {1, "Left Click"},      {2, "Middle Click"},
        {3, "Right Click"},      {4, "Left Double Click"}, {5, "Wheel Up"},
        {6, "Wheel Down"},       {7, "Ctrl + Wheel Up"}, {8, "Ctrl + Wheel Down"},
        {9, "Undefined"},        {0xFFFFFFFFu, "Undefined"},
    };
    for (const EventText &row : rows) {
        SCOPED_TRACE(row.event);
        EXPECT_EQ(TabletMouseAction({}, row.event).displayText(), QLatin1String(row.text));
    }
}

TEST(TabletAction, MediaActionShowsTheTextOfEachEvent)
{
    const EventText rows[] = {
        {0, "Unknown"},         {1, "Browser Back"},   {2, "Browser Forward"},
        {3, "Browser Refresh"}, {4, "Browser Home"},   {5, "Previous Track"},
        {6, "Next Track"},      {7, "Play/Pause"},     {8, "Volume Mute"},
        {9, "Volume -"},        {10, "Volume +"},      {11, "Unknown"},
        {0xFFFFFFFFu, "Unknown"},
    };
    for (const EventText &row : rows) {
        SCOPED_TRACE(row.event);
        EXPECT_EQ(TabletMediaAction({}, row.event).displayText(), QLatin1String(row.text));
    }
}

TEST(TabletAction, MiscActionShowsTheTextOfEachEventAndNothingForOthers)
{
    const EventText rows[] = {
        {0, ""},
        {1, "Switch Monitor"},
        {2, "Pen/Eraser"},
        {3, "Custom Tool"},
        {4, "Change Dial Action"},
        {5, ""},
        {7, ""},
        {0xFFFFFFFFu, ""},
    };
    for (const EventText &row : rows) {
        SCOPED_TRACE(row.event);
        EXPECT_EQ(TabletMiscAction({}, row.event).displayText(), QLatin1String(row.text));
    }
}

TEST(TabletAction, CustomToolShowsAtMostItsFirstThreeToolsJoinedBySlash)
{
    struct Row
    {
        QStringList tools;
        const char *text;
    };
    const Row rows[] = {
        {{}, "Custom Tool"},
        {{QStringLiteral("Brush")}, "Brush"},
        {{QStringLiteral("a"), QStringLiteral("b")}, "a/b"},
        {{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}, "a/b/c"},
        {{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")},
         "a/b/c"},
        {{QString()}, "Custom Tool"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(TabletMiscAction({}, TabletMiscAction::CustomTool, row.tools).displayText(),
                  QLatin1String(row.text));
    }
}

TEST(TabletAction, ToolsAreShownOnlyForTheCustomToolEvent)
{
    const QStringList tools = {QStringLiteral("a")};
    EXPECT_EQ(TabletMiscAction({}, TabletMiscAction::SwitchMonitor, tools).displayText(),
              QStringLiteral("Switch Monitor"));
}

TEST(TabletAction, ExecActionShowsExecuteFollowedByItsPath)
{
    EXPECT_EQ(TabletExecAction({}, QStringLiteral("C:/Program Files/app.exe")).displayText(),
              QStringLiteral("Execute: C:/Program Files/app.exe"));
    EXPECT_EQ(TabletExecAction({}, QString()).displayText(), QStringLiteral("Execute: "));
}

TEST(TabletAction, FixedTextsGoThroughTheTranslatorUnderTheirClassName)
{
    const InstalledTranslator translator;
    EXPECT_EQ(TabletKeyboardAction({}, QString(), 0).displayText(),
              QStringLiteral("[TabletKeyboardAction]Invalid"));
    EXPECT_EQ(TabletMouseAction({}, 1).displayText(),
              QStringLiteral("[TabletMouseAction]Left Click"));
    EXPECT_EQ(TabletMouseAction({}, 0).displayText(),
              QStringLiteral("[TabletMouseAction]Undefined"));
    EXPECT_EQ(TabletMiscAction({}, 2).displayText(), QStringLiteral("[TabletMiscAction]Pen/Eraser"));
    EXPECT_EQ(TabletMiscAction({}, 3).displayText(),
              QStringLiteral("[TabletMiscAction]Custom Tool"));
    EXPECT_EQ(TabletMediaAction({}, 10).displayText(),
              QStringLiteral("[TabletMediaAction]Volume +"));
    EXPECT_EQ(TabletMediaAction({}, 0).displayText(), QStringLiteral("[TabletMediaAction]Unknown"));
}

TEST(TabletAction, UserTextsAndThePathAreNotTranslated)
{
    const InstalledTranslator translator;
    EXPECT_EQ(TabletKeyboardAction({}, QStringLiteral("Ctrl+Z"), 0).displayText(),
              QStringLiteral("Ctrl+Z"));
    EXPECT_EQ(TabletMiscAction({}, 3, {QStringLiteral("a"), QStringLiteral("b")}).displayText(),
              QStringLiteral("a/b"));
    EXPECT_EQ(TabletExecAction({}, QStringLiteral("app.exe")).displayText(),
              QStringLiteral("[TabletExecAction]Execute: app.exe"));
}
