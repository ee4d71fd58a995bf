#include "config/language/TabletLanguage.h"

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>

#include <iterator>

namespace {

// Indexed by language id.
const char *const kTranslationFiles[] = {
    "en.qm", "zh_CN.qm", "zh_TW.qm", "fr.qm", "de.qm", "it.qm",
    "ja.qm", "ko.qm",    "ru.qm",    "es.qm", "pt.qm",
};

// The tips of the compiled-in default actions.
const char *const kWords[] = {
    QT_TRANSLATE_NOOP("TabletLanguage", "Zoom In"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Zoom Out"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Undo"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Redo"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Brush"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Eraser"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Hand Tool"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Pen"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Wheel Up"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Wheel Down"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Pen/Eraser"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Right Click"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Keyboard"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Mouse"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Device"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Application"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Media"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Change Dial Action"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Smaller Brush"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Larger Brush"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Pan"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Middle Click"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Save"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Switch Monitor"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Eyedropper"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Select All"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Copy"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Cut"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Paste"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Hide Panels"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Tool Cycle"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Ctrl"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Shift"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Alt"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Previous Track"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Play/Pause"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Next Track"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Volume Mute"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Volume -"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Volume +"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Browser Back"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Browser Forward"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Browser Home"),
    QT_TRANSLATE_NOOP("TabletLanguage", "Calculator"),
};

constexpr int kEnglish = 0;
constexpr int kSimplifiedChinese = 1;
constexpr int kTraditionalChinese = 2;
constexpr int kFrench = 3;
constexpr int kGerman = 4;
constexpr int kItalian = 5;
constexpr int kJapanese = 6;
constexpr int kKorean = 7;
constexpr int kRussian = 8;
constexpr int kSpanish = 9;
constexpr int kPortuguese = 10;

} // namespace

TabletLanguage &TabletLanguage::instance()
{
    static TabletLanguage language;
    return language;
}

// The translator leaves the application when it is destroyed, if the application still exists.
TabletLanguage::~TabletLanguage() = default;

QString TabletLanguage::translationPath(int id)
{
    const bool known = id >= 0 && id < int(std::size(kTranslationFiles));
    return QStringLiteral(":/res/lang/") + QLatin1String(kTranslationFiles[known ? id : kEnglish]);
}

bool TabletLanguage::setLanguage(int id)
{
    return setLanguageFromFile(id, translationPath(id));
}

bool TabletLanguage::setLanguageFromFile(int id, const QString &path)
{
    if (!QFile::exists(path))
        return false;
    languageId = id;
    auto loaded = std::make_unique<QTranslator>();
    if (!loaded->load(path))
        return false;
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    if (!QCoreApplication::installTranslator(loaded.get()))
        return false;
    translator = std::move(loaded);
    rebuildWordTable();
    emit languageChanged(id);
    return true;
}

int TabletLanguage::language() const
{
    return languageId;
}

QStringList TabletLanguage::actionWords()
{
    QStringList english;
    for (const char *word : kWords)
        english << QString::fromLatin1(word);
    return english;
}

QString TabletLanguage::translateWord(const QString &word) const
{
    std::lock_guard<std::mutex> lock(wordsMutex);
    return words.value(word, word);
}

void TabletLanguage::rebuildWordTable()
{
    // Translated outside the lock: the engine worker only ever waits for the swap.
    QMap<QString, QString> translated;
    for (const char *word : kWords)
        translated.insert(QString::fromLatin1(word), tr(word));
    std::lock_guard<std::mutex> lock(wordsMutex);
    words.swap(translated);
}

int TabletLanguage::systemLanguageIndex()
{
    const QLocale system = QLocale::system();
    return languageIndexFor(system.language(), system.country());
}

int TabletLanguage::languageIndexFor(QLocale::Language language, QLocale::Country country)
{
    switch (language) {
    // A locale without a language.
    case QLocale::AnyLanguage:
        return kPortuguese;
    case QLocale::Chinese:
        return country == QLocale::China ? kSimplifiedChinese : kTraditionalChinese;
    case QLocale::French:
        return kFrench;
    case QLocale::German:
        return kGerman;
    case QLocale::Italian:
        return kItalian;
    case QLocale::Japanese:
        return kJapanese;
    case QLocale::Korean:
        return kKorean;
    case QLocale::Russian:
        return kRussian;
    case QLocale::Spanish:
        return kSpanish;
    default:
        return kEnglish;
    }
}
