#include "config/actions/ActionElement.h"

#include "config/actions/TabletExecAction.h"
#include "config/actions/TabletKeyboardAction.h"
#include "config/actions/TabletMediaAction.h"
#include "config/actions/TabletMiscAction.h"
#include "config/actions/TabletMouseAction.h"

#include <QDomDocument>

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <memory>
#include <vector>

namespace {

TabletActionPtr readAction(const QString &xml)
{
    QDomDocument document;
    if (!document.setContent(xml))
        ADD_FAILURE() << "not well-formed: " << xml.toStdString();
    return readActionElement(document.documentElement());
}

template<typename Action>
std::shared_ptr<Action> readAs(const QString &xml)
{
    TabletActionPtr action = readAction(xml);
    auto typed = std::dynamic_pointer_cast<Action>(action);
    if (!typed)
        ADD_FAILURE() << "wrong kind of action from " << xml.toStdString();
    return typed;
}

std::shared_ptr<TabletKeyboardAction> readKeyboard(const QString &attributes, const QString &text)
{
    return readAs<TabletKeyboardAction>(
            QStringLiteral("<Action %1>%2</Action>").arg(attributes, text.toHtmlEscaped()));
}

// The written element, in a document of its own with a Key parent.
struct Written
{
    QDomDocument document;
    QDomElement parent;
    QDomElement element;
};

std::unique_ptr<Written> write(const TabletActionPtr &action)
{
    auto written = std::make_unique<Written>();
    written->parent = written->document.createElement(QStringLiteral("Key"));
    written->document.appendChild(written->parent);
    written->element = writeActionElement(written->document, action, written->parent);
    return written;
}

// Writes the actions side by side under one parent, saves the document as the store does,
// parses it again and reads the actions back.
std::vector<TabletActionPtr> roundTrip(const std::vector<TabletActionPtr> &actions,
                                       bool throughUtf8 = false)
{
    QDomDocument document;
    document.appendChild(document.createProcessingInstruction(
            QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"utf-8\"")));
    QDomElement root = document.createElement(QStringLiteral("Configure"));
    document.appendChild(root);
    QDomElement parent = document.createElement(QStringLiteral("ActionPair"));
    root.appendChild(parent);
    for (const TabletActionPtr &action : actions)
        writeActionElement(document, action, parent);

    QDomDocument parsed;
    const bool ok = throughUtf8 ? parsed.setContent(document.toByteArray(4))
                                : parsed.setContent(document.toString(4));
    EXPECT_TRUE(ok);
    std::vector<TabletActionPtr> read;
    const QDomElement readParent = parsed.documentElement().firstChildElement();
    for (QDomElement element = readParent.firstChildElement(); !element.isNull();
         element = element.nextSiblingElement())
        read.push_back(readActionElement(element));
    return read;
}

TabletActionPtr roundTrip(const TabletActionPtr &action, bool throughUtf8 = false)
{
    const std::vector<TabletActionPtr> read = roundTrip(std::vector<TabletActionPtr>{action},
                                                        throughUtf8);
    return read.empty() ? nullptr : read.front();
}

void expectSameAction(const TabletActionPtr &expected, const TabletActionPtr &actual)
{
    ASSERT_TRUE(actual);
    EXPECT_EQ(actual->type, expected->type);
    EXPECT_EQ(actual->typeName, expected->typeName);
    EXPECT_EQ(actual->tip, expected->tip);
    if (auto keyboard = std::dynamic_pointer_cast<TabletKeyboardAction>(expected)) {
        auto read = std::dynamic_pointer_cast<TabletKeyboardAction>(actual);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->text, keyboard->text);
        EXPECT_EQ(read->mode, keyboard->mode);
    } else if (auto mouse = std::dynamic_pointer_cast<TabletMouseAction>(expected)) {
        auto read = std::dynamic_pointer_cast<TabletMouseAction>(actual);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->event, mouse->event);
    } else if (auto misc = std::dynamic_pointer_cast<TabletMiscAction>(expected)) {
        auto read = std::dynamic_pointer_cast<TabletMiscAction>(actual);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->event, misc->event);
        EXPECT_EQ(read->tools, misc->tools);
    } else if (auto exec = std::dynamic_pointer_cast<TabletExecAction>(expected)) {
        auto read = std::dynamic_pointer_cast<TabletExecAction>(actual);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->path, exec->path);
    } else if (auto media = std::dynamic_pointer_cast<TabletMediaAction>(expected)) {
        auto read = std::dynamic_pointer_cast<TabletMediaAction>(actual);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->event, media->event);
    } else {
        ADD_FAILURE() << "unexpected kind " << expected->type;
    }
}

const QStringList kTools = {QStringLiteral("Brush"), QStringLiteral("Eraser tool"),
                            QStringLiteral("Smudge & Blur")};

} // namespace

// ---- reading

TEST(ActionElement, TypeIsComparedLowerCased)
{
    struct Row
    {
        const char *type;
        int expected;
    };
    const Row rows[] = {
        {"keyboard", TabletAction::Keyboard}, {"Keyboard", TabletAction::Keyboard},
        {"key", TabletAction::Keyboard},      {"KEY", TabletAction::Keyboard},
        {"mouse", TabletAction::Mouse},       {"Mouse", TabletAction::Mouse},
        {"misc", TabletAction::Misc},         {"MISC", TabletAction::Misc},
        {"exec", TabletAction::Exec},         {"Exec", TabletAction::Exec},
        {"media", TabletAction::Media},       {"MEDIA", TabletAction::Media},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.type);
        const TabletActionPtr action =
                readAction(QStringLiteral("<Action type=\"%1\"/>").arg(QLatin1String(row.type)));
        ASSERT_TRUE(action);
        EXPECT_EQ(action->type, row.expected);
    }
}

TEST(ActionElement, MissingOrUnknownTypeGivesNoAction)
{
    const char *const elements[] = {
        "<Action/>",
        "<Action tip=\"x\" event=\"1\"/>",
        "<Action type=\"\"/>",
        "<Action type=\"pen\"/>",
        "<Action type=\"keys\"/>",
        "<Action type=\" mouse\"/>",
        "<Action type=\"1\"/>",
    };
    for (const char *element : elements) {
        SCOPED_TRACE(element);
        EXPECT_FALSE(readAction(QString::fromUtf8(element)));
    }
}

TEST(ActionElement, NullElementGivesNoAction)
{
    EXPECT_FALSE(readActionElement(QDomElement()));
}

TEST(ActionElement, TipIsCopiedWhenPresentAndEmptyOtherwise)
{
    EXPECT_EQ(readAction(QStringLiteral("<Action type=\"mouse\" tip=\" Undo last \"/>"))->tip,
              QStringLiteral(" Undo last "));
    EXPECT_EQ(readAction(QStringLiteral("<Action type=\"mouse\"/>"))->tip, QString());
}

TEST(ActionElement, KeyboardModeIsTextOnlyWhenWrittenExactlyText)
{
    struct Row
    {
        const char *attributes;
        int mode;
    };
    const Row rows[] = {
        {"type=\"keyboard\" mode=\"text\"", 1},
        {"type=\"keyboard\" mode=\"hotkey\"", 0},
        {"type=\"keyboard\" mode=\"TEXT\"", 0},
        {"type=\"keyboard\" mode=\"Text\"", 0},
        {"type=\"keyboard\" mode=\" text\"", 0},
        {"type=\"keyboard\" mode=\"1\"", 0},
        {"type=\"keyboard\"", 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.attributes);
        const auto action = readKeyboard(QString::fromUtf8(row.attributes), QStringLiteral("a"));
        ASSERT_TRUE(action);
        EXPECT_EQ(action->mode, row.mode);
    }
}

TEST(ActionElement, KeyboardTypeInAnyCaseWithModeTextInCapitalsIsAKeyCombination)
{
    const auto action = readKeyboard(QStringLiteral("type=\"Keyboard\" mode=\"TEXT\""),
                                     QStringLiteral("  Command+S  "));
    ASSERT_TRUE(action);
    EXPECT_EQ(action->mode, 0);
    EXPECT_EQ(action->text, QStringLiteral("Ctrl+S"));
}

TEST(ActionElement, KeyTypeWithoutModeReadsTheCombination)
{
    const auto action = readKeyboard(QStringLiteral("type=\"key\""), QStringLiteral("Ctrl+-"));
    ASSERT_TRUE(action);
    EXPECT_EQ(action->type, TabletAction::Keyboard);
    EXPECT_EQ(action->typeName, QStringLiteral("keyboard"));
    EXPECT_EQ(action->text, QStringLiteral("Ctrl+-"));
    EXPECT_EQ(action->mode, 0);
}

TEST(ActionElement, KeyCombinationIsTrimmedAndReadsOtherSystemsKeyNamesAsWindowsNames)
{
    struct Row
    {
        const char *stored;
        const char *read;
    };
    const Row rows[] = {
        {"Command+Option+S", "Ctrl+Alt+S"},
        {"Command+Command+C", "Ctrl+Ctrl+C"},
        {"Command+Command+Command+X", "Ctrl+Ctrl+Command+X"},
        {"Option+Option+A", "Alt+Option+A"},
        {"Shift+Option+Command+K", "Shift+Alt+Ctrl+K"},
        {"command+option+s", "command+option+s"},
        {"Options", "Alts"},
        {"  Ctrl+Z \n", "Ctrl+Z"},
        {"\tCommand+Z ", "Ctrl+Z"},
        {"Ctrl+Shift+Z", "Ctrl+Shift+Z"},
        {"", ""},
        {"   ", ""},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.stored);
        const auto action =
                readKeyboard(QStringLiteral("type=\"keyboard\""), QString::fromUtf8(row.stored));
        ASSERT_TRUE(action);
        EXPECT_EQ(action->text, QString::fromUtf8(row.read));
    }
}

TEST(ActionElement, TextToTypeIsKeptExactlyAsStored)
{
    const char *const texts[] = {
        "  Command line\n",
        "Option ",
        "Command+Option+S",
        " a  b ",
        "\tindented",
    };
    for (const char *text : texts) {
        SCOPED_TRACE(text);
        const auto action = readKeyboard(QStringLiteral("type=\"keyboard\" mode=\"text\""),
                                         QString::fromUtf8(text));
        ASSERT_TRUE(action);
        EXPECT_EQ(action->mode, 1);
        EXPECT_EQ(action->text, QString::fromUtf8(text));
    }
}

TEST(ActionElement, KeyboardTextInACdataSectionReadsAsPlainText)
{
    const auto action = readAs<TabletKeyboardAction>(
            QStringLiteral("<Action type=\"keyboard\" mode=\"text\"><![CDATA[ ]]></Action>"));
    ASSERT_TRUE(action);
    EXPECT_EQ(action->text, QStringLiteral(" "));
}

TEST(ActionElement, EventKeepsOnlyTheRangeOfItsKind)
{
    struct Row
    {
        const char *type;
        const char *event; // nullptr: no event attribute
        std::uint32_t expected;
    };
    const Row rows[] = {
        {"mouse", nullptr, 0},   {"mouse", "0", 0},       {"mouse", "1", 1},
        {"mouse", "8", 8},       {"mouse", "9", 0},       {"mouse", "-1", 0},
        {"mouse", "abc", 0},     {"mouse", "2x", 0},      {"mouse", "", 0},
        {"mouse", "4294967297", 0}, {"mouse", "0x3", 0},
        {"misc", nullptr, 0},    {"misc", "1", 1},        {"misc", "4", 4},
        {"misc", "5", 0},        {"misc", "7", 0},
        {"media", nullptr, 0},   {"media", "0", 0},       {"media", "1", 1},
        {"media", "10", 10},     {"media", "11", 0},
    };
    for (const Row &row : rows) {
        const QString event = row.event
                ? QStringLiteral(" event=\"%1\"").arg(QString::fromUtf8(row.event))
                : QString();
        const QString xml = QStringLiteral("<Action type=\"%1\"%2/>")
                                    .arg(QLatin1String(row.type), event);
        SCOPED_TRACE(xml.toStdString());
        const TabletActionPtr action = readAction(xml);
        ASSERT_TRUE(action);
        std::uint32_t read = 0xDEAD;
        if (auto mouse = std::dynamic_pointer_cast<TabletMouseAction>(action))
            read = mouse->event;
        else if (auto misc = std::dynamic_pointer_cast<TabletMiscAction>(action))
            read = misc->event;
        else if (auto media = std::dynamic_pointer_cast<TabletMediaAction>(action))
            read = media->event;
        EXPECT_EQ(read, row.expected);
    }
}

TEST(ActionElement, MouseEventOutsideRangeReadsAsUndefined)
{
    const TabletActionPtr action = readAction(QStringLiteral("<Action type=\"mouse\" event=\"9\"/>"));
    ASSERT_TRUE(action);
    EXPECT_EQ(std::static_pointer_cast<TabletMouseAction>(action)->event, 0u);
    EXPECT_EQ(action->displayText(), QStringLiteral("Undefined"));
}

TEST(ActionElement, MediaEventZeroShowsUnknown)
{
    const TabletActionPtr action = readAction(QStringLiteral("<Action type=\"media\" event=\"0\"/>"));
    ASSERT_TRUE(action);
    EXPECT_EQ(action->displayText(), QStringLiteral("Unknown"));
}

TEST(ActionElement, MiscEventSevenShowsNoText)
{
    const TabletActionPtr action = readAction(QStringLiteral("<Action type=\"misc\" event=\"7\"/>"));
    ASSERT_TRUE(action);
    EXPECT_EQ(action->displayText(), QString());
}

TEST(ActionElement, CustomToolDropsEmptyPartsAndShowsTheFirstThree)
{
    const auto action = readAs<TabletMiscAction>(
            QStringLiteral("<Action type=\"misc\" event=\"3\" tool=\"a;;b;c;d\"/>"));
    ASSERT_TRUE(action);
    EXPECT_EQ(action->tools, (QStringList{QStringLiteral("a"), QStringLiteral("b"),
                                          QStringLiteral("c"), QStringLiteral("d")}));
    EXPECT_EQ(action->displayText(), QStringLiteral("a/b/c"));
}

TEST(ActionElement, CustomToolWithoutToolsShowsCustomTool)
{
    for (const char *xml : {"<Action type=\"misc\" event=\"3\"/>",
                            "<Action type=\"misc\" event=\"3\" tool=\"\"/>",
                            "<Action type=\"misc\" event=\"3\" tool=\";;\"/>"}) {
        SCOPED_TRACE(xml);
        const auto action = readAs<TabletMiscAction>(QString::fromUtf8(xml));
        ASSERT_TRUE(action);
        EXPECT_TRUE(action->tools.isEmpty());
        EXPECT_EQ(action->displayText(), QStringLiteral("Custom Tool"));
    }
}

TEST(ActionElement, ToolsAreReadWhateverTheEvent)
{
    const auto action = readAs<TabletMiscAction>(
            QStringLiteral("<Action type=\"misc\" event=\"1\" tool=\"; x ;y;\"/>"));
    ASSERT_TRUE(action);
    EXPECT_EQ(action->tools, (QStringList{QStringLiteral(" x "), QStringLiteral("y")}));
}

TEST(ActionElement, ExecPathIsCopiedWhenPresentAndEmptyOtherwise)
{
    const auto withPath = readAs<TabletExecAction>(
            QStringLiteral("<Action type=\"exec\" path=\" C:/Program Files/app.exe\"/>"));
    ASSERT_TRUE(withPath);
    EXPECT_EQ(withPath->path, QStringLiteral(" C:/Program Files/app.exe"));
    const auto withoutPath = readAs<TabletExecAction>(QStringLiteral("<Action type=\"exec\"/>"));
    ASSERT_TRUE(withoutPath);
    EXPECT_EQ(withoutPath->path, QString());
}

// ---- writing

TEST(ActionElement, NullActionWritesNothing)
{
    const auto written = write(nullptr);
    EXPECT_TRUE(written->element.isNull());
    EXPECT_FALSE(written->parent.hasChildNodes());
}

TEST(ActionElement, WrittenElementIsTheActionChildOfTheParent)
{
    const auto written = write(std::make_shared<TabletMouseAction>(QString(), 1));
    ASSERT_FALSE(written->element.isNull());
    EXPECT_EQ(written->element.tagName(), QStringLiteral("Action"));
    EXPECT_EQ(written->parent.childNodes().count(), 1);
    EXPECT_EQ(written->parent.firstChildElement(), written->element);
}

TEST(ActionElement, ReturnedElementTakesTheCallersOwnAttributes)
{
    const auto written = write(std::make_shared<TabletMouseAction>(QString(), 1));
    written->element.setAttribute(QStringLiteral("orientation"), QStringLiteral("left"));
    EXPECT_EQ(written->parent.firstChildElement().attribute(QStringLiteral("orientation")),
              QStringLiteral("left"));
}

TEST(ActionElement, TypeNameAndTipAreAlwaysWritten)
{
    const auto written = write(std::make_shared<TabletExecAction>(QString(), QString()));
    EXPECT_EQ(written->element.attribute(QStringLiteral("type")), QStringLiteral("exec"));
    EXPECT_TRUE(written->element.hasAttribute(QStringLiteral("tip")));
    EXPECT_TRUE(written->element.hasAttribute(QStringLiteral("path")));
}

TEST(ActionElement, KeyboardModeIsWrittenTextOrHotkey)
{
    struct Row
    {
        int mode;
        const char *written;
    };
    const Row rows[] = {{1, "text"}, {0, "hotkey"}, {2, "hotkey"}, {-1, "hotkey"}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.mode);
        const auto written = write(
                std::make_shared<TabletKeyboardAction>(QString(), QStringLiteral("Ctrl+Z"), row.mode));
        EXPECT_EQ(written->element.attribute(QStringLiteral("mode")), QLatin1String(row.written));
        EXPECT_EQ(written->element.text(), QStringLiteral("Ctrl+Z"));
        EXPECT_FALSE(written->element.hasAttribute(QStringLiteral("event")));
    }
}

TEST(ActionElement, KeyboardModeOtherThanTextReadsBackAsZero)
{
    const TabletActionPtr read =
            roundTrip(std::make_shared<TabletKeyboardAction>(QString(), QStringLiteral("Ctrl+Z"), 5));
    ASSERT_TRUE(read);
    EXPECT_EQ(std::static_pointer_cast<TabletKeyboardAction>(read)->mode, 0);
}

TEST(ActionElement, EventIsWrittenInDecimal)
{
    const std::vector<TabletActionPtr> actions = {
        std::make_shared<TabletMouseAction>(QString(), 8),
        std::make_shared<TabletMiscAction>(QString(), 4),
        std::make_shared<TabletMediaAction>(QString(), 10),
        std::make_shared<TabletMediaAction>(QString(), 0xFFFFFFFFu),
    };
    const char *const expected[] = {"8", "4", "10", "4294967295"};
    for (std::size_t i = 0; i < actions.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(write(actions[i])->element.attribute(QStringLiteral("event")),
                  QLatin1String(expected[i]));
    }
}

TEST(ActionElement, ToolsAreWrittenJoinedBySemicolonOnlyForTheCustomTool)
{
    const QStringList tools = {QStringLiteral("a"), QStringLiteral("b")};
    const auto custom = write(std::make_shared<TabletMiscAction>(QString(), 3, tools));
    EXPECT_EQ(custom->element.attribute(QStringLiteral("tool")), QStringLiteral("a;b"));

    const auto otherEvent = write(std::make_shared<TabletMiscAction>(QString(), 1, tools));
    EXPECT_FALSE(otherEvent->element.hasAttribute(QStringLiteral("tool")));

    const auto noTools = write(std::make_shared<TabletMiscAction>(QString(), 3));
    EXPECT_TRUE(noTools->element.hasAttribute(QStringLiteral("tool")));
    EXPECT_EQ(noTools->element.attribute(QStringLiteral("tool")), QString());
}

// ---- round trips

TEST(ActionElement, EveryKindReadsBackWithAllItsFields)
{
    const std::vector<TabletActionPtr> actions = {
        std::make_shared<TabletKeyboardAction>(QStringLiteral("Undo"), QStringLiteral("Ctrl+Z"), 0),
        std::make_shared<TabletKeyboardAction>(QStringLiteral("Sign"),
                                               QStringLiteral("  Command line\n"), 1),
        std::make_shared<TabletKeyboardAction>(QString(), QString(), 0),
        std::make_shared<TabletMouseAction>(QStringLiteral("Click"), 1),
        std::make_shared<TabletMouseAction>(QString(), 8),
        std::make_shared<TabletMouseAction>(QString(), 0),
        std::make_shared<TabletMiscAction>(QStringLiteral("Next screen"), 1),
        std::make_shared<TabletMiscAction>(QString(), 2),
        std::make_shared<TabletMiscAction>(QStringLiteral("Tools"), 3, kTools),
        std::make_shared<TabletMiscAction>(QString(), 3),
        std::make_shared<TabletMiscAction>(QString(), 4),
        std::make_shared<TabletExecAction>(QStringLiteral("<Paint & \"draw\">"),
                                           QStringLiteral("C:/Program Files/Paint & Co/paint.exe")),
        std::make_shared<TabletExecAction>(QString(), QString()),
        std::make_shared<TabletMediaAction>(QStringLiteral("Louder"), 10),
        std::make_shared<TabletMediaAction>(QString(), 1),
        std::make_shared<TabletMediaAction>(QString(), 0),
    };
    for (bool throughUtf8 : {false, true}) {
        SCOPED_TRACE(throughUtf8 ? "UTF-8 bytes" : "string");
        const std::vector<TabletActionPtr> read = roundTrip(actions, throughUtf8);
        ASSERT_EQ(read.size(), actions.size());
        for (std::size_t i = 0; i < actions.size(); ++i) {
            SCOPED_TRACE(actions[i]->displayText().toStdString());
            expectSameAction(actions[i], read[i]);
        }
    }
}

TEST(ActionElement, TextToTypeReadsBackExactlyWhateverItsWhiteSpace)
{
    const QString texts[] = {
        QStringLiteral("  Command line\n"),
        QStringLiteral(" "),
        QStringLiteral("   "),
        QStringLiteral("\t"),
        QStringLiteral("\n"),
        QStringLiteral(" \r\n "),
        QStringLiteral("line one\r\nline two"),
        QStringLiteral("a\rb"),
        QStringLiteral("\n\nindented\n    "),
        QStringLiteral("x]]>y"),
        QStringLiteral("<&>\"'"),
        QStringLiteral("Command+Option+S"),
        QString::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC "),
        QString(),
    };
    for (bool throughUtf8 : {false, true}) {
        for (const QString &text : texts) {
            SCOPED_TRACE(QStringLiteral("%1 [%2]")
                                 .arg(throughUtf8 ? QStringLiteral("UTF-8") : QStringLiteral("string"),
                                      text.toHtmlEscaped())
                                 .toStdString());
            const auto action = std::make_shared<TabletKeyboardAction>(QString(), text, 1);
            expectSameAction(action, roundTrip(action, throughUtf8));
        }
    }
}

TEST(ActionElement, KeyCombinationInOtherSystemsNamesChangesOnlyWhenReadBack)
{
    const auto action =
            std::make_shared<TabletKeyboardAction>(QString(), QStringLiteral("Command+Option+S"), 0);
    EXPECT_EQ(write(action)->element.text(), QStringLiteral("Command+Option+S"));
    const TabletActionPtr read = roundTrip(action);
    ASSERT_TRUE(read);
    EXPECT_EQ(std::static_pointer_cast<TabletKeyboardAction>(read)->text,
              QStringLiteral("Ctrl+Alt+S"));
}
