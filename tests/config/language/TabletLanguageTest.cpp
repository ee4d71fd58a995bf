#include "config/language/TabletLanguage.h"
#include "config/actions/TabletMediaAction.h"
#include "config/actions/TabletMiscAction.h"
#include "config/actions/TabletMouseAction.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryFile>
#include <QTranslator>

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <atomic>
#include <set>
#include <thread>
#include <vector>

namespace {

const char *const kFiles[] = {
    "en.qm", "zh_CN.qm", "zh_TW.qm", "fr.qm", "de.qm", "it.qm", "ja.qm", "ko.qm", "ru.qm", "es.qm", "pt.qm",
};

const char *const kWords[] = {
    "Zoom In", "Zoom Out", "Undo", "Redo", "Brush", "Eraser", "Hand Tool", "Pen", "Wheel Up",
    "Wheel Down", "Pen/Eraser", "Right Click", "Keyboard", "Mouse", "Device", "Application",
    "Media", "Change Dial Action",
};

struct ContextText
{
    const char *context;
    const char *text;
};

// The texts the actions show, under the classes that translate them.
const ContextText kActionTexts[] = {
    {"TabletKeyboardAction", "Invalid"},
    {"TabletExecAction", "Execute"},
    {"TabletMouseAction", "Left Click"},
    {"TabletMouseAction", "Middle Click"},
    {"TabletMouseAction", "Right Click"},
    {"TabletMouseAction", "Left Double Click"},
    {"TabletMouseAction", "Wheel Up"},
    {"TabletMouseAction", "Wheel Down"},
    {"TabletMouseAction", "Ctrl + Wheel Up"},
    {"TabletMouseAction", "Ctrl + Wheel Down"},
    {"TabletMouseAction", "Undefined"},
    {"TabletMiscAction", "Switch Monitor"},
    {"TabletMiscAction", "Pen/Eraser"},
    {"TabletMiscAction", "Custom Tool"},
    {"TabletMiscAction", "Change Dial Action"},
    {"TabletMediaAction", "Browser Back"},
    {"TabletMediaAction", "Browser Forward"},
    {"TabletMediaAction", "Browser Refresh"},
    {"TabletMediaAction", "Browser Home"},
    {"TabletMediaAction", "Previous Track"},
    {"TabletMediaAction", "Next Track"},
    {"TabletMediaAction", "Play/Pause"},
    {"TabletMediaAction", "Volume Mute"},
    {"TabletMediaAction", "Volume -"},
    {"TabletMediaAction", "Volume +"},
    {"TabletMediaAction", "Unknown"},
};

constexpr int kEnglish = 0;
constexpr int kGerman = 4;
constexpr int kJapanese = 6;
constexpr int kPortuguese = 10;

QString resourceOf(int id)
{
    return QStringLiteral(":/res/lang/") + QLatin1String(kFiles[id]);
}

// Every test leaves the process in English, as it found it.
class TabletLanguageTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(language().setLanguage(kEnglish)); }
    void TearDown() override { language().setLanguage(kEnglish); }

    static TabletLanguage &language() { return TabletLanguage::instance(); }
};

} // namespace

TEST(TabletLanguagePaths, EachIdNamesItsTranslation)
{
    for (int id = 0; id < int(std::size(kFiles)); ++id)
        EXPECT_EQ(TabletLanguage::translationPath(id), resourceOf(id)) << id;
}

TEST(TabletLanguagePaths, AnUnknownIdNamesTheEnglishTranslation)
{
    EXPECT_EQ(TabletLanguage::translationPath(42), QStringLiteral(":/res/lang/en.qm"));
    EXPECT_EQ(TabletLanguage::translationPath(11), QStringLiteral(":/res/lang/en.qm"));
    EXPECT_EQ(TabletLanguage::translationPath(-1), QStringLiteral(":/res/lang/en.qm"));
}

TEST(TabletLanguageResources, EveryTranslationIsCompiledInAndLoads)
{
    for (const char *file : kFiles) {
        const QString path = QStringLiteral(":/res/lang/") + QLatin1String(file);
        QTranslator translator;
        EXPECT_TRUE(QFile::exists(path)) << file;
        EXPECT_TRUE(translator.load(path)) << file;
        EXPECT_FALSE(translator.isEmpty()) << file;
    }
}

TEST(TabletLanguageResources, EveryTranslationHoldsTheWordsAndTheActionTexts)
{
    for (const char *file : kFiles) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(QStringLiteral(":/res/lang/") + QLatin1String(file)));
        for (const char *word : kWords)
            EXPECT_FALSE(translator.translate("TabletLanguage", word).isEmpty()) << file << ' ' << word;
        for (const ContextText &text : kActionTexts)
            EXPECT_FALSE(translator.translate(text.context, text.text).isEmpty())
                    << file << ' ' << text.context << ' ' << text.text;
    }
}

// A default action's tip is its title on the pages, so each one must follow the language.
TEST(TabletLanguageResources, EveryTipOfTheDefaultConfigurationsIsAWordOfEveryLanguage)
{
    const QDir defaults(QStringLiteral(":/res/conf"));
    const QStringList configurations = defaults.entryList({QStringLiteral("*.xml")}, QDir::Files);
    ASSERT_FALSE(configurations.isEmpty());
    const QRegularExpression tipAttribute(QStringLiteral("tip=\"([^\"]*)\""));
    std::set<QString> tips;
    for (const QString &name : configurations) {
        QFile file(defaults.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        auto matches = tipAttribute.globalMatch(QString::fromUtf8(file.readAll()));
        while (matches.hasNext())
            tips.insert(matches.next().captured(1));
    }
    const QStringList words = TabletLanguage::actionWords();
    for (const QString &tip : tips)
        EXPECT_TRUE(words.contains(tip)) << tip.toStdString();

    for (const char *file : kFiles) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(QStringLiteral(":/res/lang/") + QLatin1String(file)));
        for (const QString &word : words)
            EXPECT_FALSE(translator.translate("TabletLanguage", word.toLatin1().constData()).isEmpty())
                    << file << ' ' << word.toStdString();
    }
}

TEST(TabletLanguageResources, EnglishKeepsTheWords)
{
    QTranslator translator;
    ASSERT_TRUE(translator.load(QStringLiteral(":/res/lang/en.qm")));
    for (const char *word : kWords)
        EXPECT_EQ(translator.translate("TabletLanguage", word), QString::fromLatin1(word));
}

TEST(TabletLanguageResources, TheOtherLanguagesTranslateTheWords)
{
    for (int id = 1; id < int(std::size(kFiles)); ++id) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(resourceOf(id)));
        std::set<QString> translations;
        int kept = 0;
        for (const char *word : kWords) {
            const QString translated = translator.translate("TabletLanguage", word);
            kept += translated == QString::fromLatin1(word);
            translations.insert(translated);
        }
        // A few words are the same in some languages ("Mouse" in Italian, "Application" in French).
        EXPECT_LE(kept, 2) << kFiles[id];
        EXPECT_EQ(translations.size(), std::size(kWords)) << kFiles[id] << ": two words share a translation";
    }
}

TEST_F(TabletLanguageTest, PortugueseIsLanguageTen)
{
    ASSERT_TRUE(language().setLanguage(kPortuguese));
    EXPECT_EQ(language().language(), kPortuguese);
    EXPECT_EQ(language().translateWord(QStringLiteral("Undo")), QStringLiteral("Desfazer"));
}

TEST_F(TabletLanguageTest, AnUnknownIdInstallsEnglishAndKeepsTheId)
{
    ASSERT_TRUE(language().setLanguage(kGerman));
    ASSERT_TRUE(language().setLanguage(42));
    EXPECT_EQ(language().language(), 42);
    EXPECT_EQ(language().translateWord(QStringLiteral("Undo")), QStringLiteral("Undo"));
    EXPECT_EQ(TabletMouseAction(QString(), TabletMouseAction::LeftClick).displayText(), QStringLiteral("Left Click"));
}

TEST_F(TabletLanguageTest, AWordOutsideTheTableIsReturnedAsItIs)
{
    ASSERT_TRUE(language().setLanguage(kGerman));
    EXPECT_EQ(language().translateWord(QStringLiteral("Ctrl+Shift+Z")), QStringLiteral("Ctrl+Shift+Z"));
    EXPECT_EQ(language().translateWord(QString()), QString());
    EXPECT_EQ(language().translateWord(QStringLiteral("undo")), QStringLiteral("undo"));
}

TEST_F(TabletLanguageTest, AChangeTranslatesTheWordTableAgain)
{
    ASSERT_TRUE(language().setLanguage(kGerman));
    EXPECT_EQ(language().translateWord(QStringLiteral("Undo")), QStringLiteral("Rückgängig"));
    EXPECT_EQ(language().translateWord(QStringLiteral("Change Dial Action")), QStringLiteral("Drehrad-Aktion wechseln"));

    ASSERT_TRUE(language().setLanguage(kJapanese));
    EXPECT_EQ(language().translateWord(QStringLiteral("Undo")), QStringLiteral("元に戻す"));
    EXPECT_EQ(language().translateWord(QStringLiteral("Eraser")), QStringLiteral("消しゴム"));
}

TEST_F(TabletLanguageTest, EveryLanguageFillsTheWholeWordTable)
{
    for (int id = 0; id < int(std::size(kFiles)); ++id) {
        ASSERT_TRUE(language().setLanguage(id)) << id;
        QTranslator translator;
        ASSERT_TRUE(translator.load(resourceOf(id)));
        for (const char *word : kWords)
            EXPECT_EQ(language().translateWord(QString::fromLatin1(word)), translator.translate("TabletLanguage", word))
                    << kFiles[id] << ' ' << word;
    }
}

TEST_F(TabletLanguageTest, TheInstalledLanguageTranslatesTheActionTexts)
{
    ASSERT_TRUE(language().setLanguage(kGerman));
    EXPECT_EQ(TabletMouseAction(QString(), TabletMouseAction::LeftClick).displayText(), QStringLiteral("Linksklick"));
    EXPECT_EQ(TabletMediaAction(QString(), 7).displayText(), QStringLiteral("Wiedergabe/Pause"));
    EXPECT_EQ(TabletMiscAction(QString(), 3).displayText(), QStringLiteral("Eigenes Werkzeug"));
}

TEST_F(TabletLanguageTest, AChangeIsAnnouncedWithTheId)
{
    QSignalSpy changes(&language(), &TabletLanguage::languageChanged);
    ASSERT_TRUE(language().setLanguage(kPortuguese));
    ASSERT_TRUE(language().setLanguage(42));
    ASSERT_EQ(changes.size(), 2);
    EXPECT_EQ(changes.at(0).at(0).toInt(), kPortuguese);
    EXPECT_EQ(changes.at(1).at(0).toInt(), 42);
}

TEST_F(TabletLanguageTest, AMissingTranslationChangesNothing)
{
    ASSERT_TRUE(language().setLanguage(kGerman));
    QSignalSpy changes(&language(), &TabletLanguage::languageChanged);

    EXPECT_FALSE(language().setLanguageFromFile(kJapanese, QStringLiteral(":/res/lang/missing.qm")));

    EXPECT_EQ(language().language(), kGerman);
    EXPECT_EQ(language().translateWord(QStringLiteral("Undo")), QStringLiteral("Rückgängig"));
    EXPECT_EQ(TabletMouseAction(QString(), TabletMouseAction::LeftClick).displayText(), QStringLiteral("Linksklick"));
    EXPECT_TRUE(changes.isEmpty());
}

TEST_F(TabletLanguageTest, AFileThatIsNoTranslationKeepsThePreviousOneInstalled)
{
    QTemporaryFile notATranslation;
    ASSERT_TRUE(notATranslation.open());
    notATranslation.write("not a translation");
    notATranslation.close();
    ASSERT_TRUE(language().setLanguage(kGerman));
    QSignalSpy changes(&language(), &TabletLanguage::languageChanged);

    EXPECT_FALSE(language().setLanguageFromFile(kJapanese, notATranslation.fileName()));

    // The id is taken before the file is known to load.
    EXPECT_EQ(language().language(), kJapanese);
    EXPECT_EQ(language().translateWord(QStringLiteral("Undo")), QStringLiteral("Rückgängig"));
    EXPECT_EQ(TabletMouseAction(QString(), TabletMouseAction::LeftClick).displayText(), QStringLiteral("Linksklick"));
    EXPECT_TRUE(changes.isEmpty());
}

TEST_F(TabletLanguageTest, TheWorkerMayTranslateWhileTheLanguageChanges)
{
    std::set<QString> allowed;
    for (int id = 0; id < int(std::size(kFiles)); ++id) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(resourceOf(id)));
        allowed.insert(translator.translate("TabletLanguage", "Undo"));
    }
    std::atomic<bool> stop{false};
    std::atomic<int> strangeAnswers{0};
    std::thread worker([&] {
        while (!stop) {
            if (allowed.count(language().translateWord(QStringLiteral("Undo"))) == 0)
                ++strangeAnswers;
        }
    });
    for (int round = 0; round < 20; ++round)
        language().setLanguage(round % int(std::size(kFiles)));
    stop = true;
    worker.join();
    EXPECT_EQ(strangeAnswers, 0);
}

TEST(TabletLanguageSystem, ChineseDependsOnTheCountry)
{
    EXPECT_EQ(TabletLanguage::languageIndexFor(QLocale::Chinese, QLocale::China), 1);
    EXPECT_EQ(TabletLanguage::languageIndexFor(QLocale::Chinese, QLocale::Taiwan), 2);
    EXPECT_EQ(TabletLanguage::languageIndexFor(QLocale::Chinese, QLocale::HongKong), 2);
    EXPECT_EQ(TabletLanguage::languageIndexFor(QLocale::Chinese, QLocale::Singapore), 2);
}

TEST(TabletLanguageSystem, EachTranslatedLanguageWhateverTheCountry)
{
    EXPECT_EQ(TabletLanguage::languageIndexFor(QLocale::French, QLocale::France), 3);
    EXPECT_EQ(TabletLanguage::languageIndexFor(QLocale::French, QLocale::Canada), 3);
    EXPECT_EQ(TabletLanguage::languageIndexFor(QLocale::German, QLocale::Switzerland), 4);
    EXPECT_EQ(TabletLanguage::languageIndexFor(QLocale::Italian, QLocale::Italy), 5);
    EXPECT_EQ(TabletLanguage::languageIndexFor(QLocale::Japanese, QLocale::Japan), 6);
    EXPECT_EQ(TabletLanguage::languageIndexFor(QLocale::Korean, QLocale::SouthKorea), 7);
    EXPECT_EQ(TabletLanguage::languageIndexFor(QLocale::Russian, QLocale::Russia), 8);
    EXPECT_EQ(TabletLanguage::languageIndexFor(QLocale::Spanish, QLocale::Mexico), 9);
}

TEST(TabletLanguageSystem, EveryOtherLanguageIsEnglish)
{
    EXPECT_EQ(TabletLanguage::languageIndexFor(QLocale::English, QLocale::UnitedStates), 0);
    EXPECT_EQ(TabletLanguage::languageIndexFor(QLocale::Dutch, QLocale::Netherlands), 0);
    EXPECT_EQ(TabletLanguage::languageIndexFor(QLocale::C, QLocale::AnyCountry), 0);
    // Portuguese is translated, yet the system's Portuguese is not mapped to it.
    EXPECT_EQ(TabletLanguage::languageIndexFor(QLocale::Portuguese, QLocale::Brazil), 0);
}

TEST(TabletLanguageSystem, NoLanguageIsTen)
{
    EXPECT_EQ(TabletLanguage::languageIndexFor(QLocale::AnyLanguage, QLocale::AnyCountry), 10);
}

TEST(TabletLanguageSystem, TheSystemLocaleGoesThroughTheSameRule)
{
    const QLocale system = QLocale::system();
    EXPECT_EQ(TabletLanguage::systemLanguageIndex(), TabletLanguage::languageIndexFor(system.language(), system.country()));
}
