#pragma once

#include <QLocale>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <mutex>

class QTranslator;

// The interface language: installs the chosen translation, keeps the translated action words
// and announces every change. One object per process (`instance`), living on the GUI thread;
// translateWord may also be called from the engine worker.
class TabletLanguage : public QObject
{
    Q_OBJECT

public:
    static TabletLanguage &instance();

    // Installs the language of `id` (an unknown id uses English); true on success.
    bool setLanguage(int id);
    // Installs the translation file at `path` as the language `id`; setLanguage names the file.
    bool setLanguageFromFile(int id, const QString &path);
    int language() const;
    // The translation of one of the action words, or the word itself when it is not one.
    QString translateWord(const QString &word) const;
    // The action words in English: every tip of the compiled-in default actions.
    static QStringList actionWords();
    // The language id that suits the system locale.
    static int systemLanguageIndex();
    // The language id for a locale's language and country (the rule of systemLanguageIndex).
    static int languageIndexFor(QLocale::Language language, QLocale::Country country);
    // The translation resource of a language id; English for an unknown id.
    static QString translationPath(int id);

signals:
    void languageChanged(int id);

private:
    TabletLanguage() = default;
    ~TabletLanguage() override;

    void rebuildWordTable();

    std::unique_ptr<QTranslator> translator;
    mutable std::mutex wordsMutex;
    QMap<QString, QString> words;
    int languageId = 0;
};
