#pragma once

#include "core/Language.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class QTranslator;

// The language the program speaks and the translators that make it so. Our
// texts are written in Chinese: English installs their translation, built
// into the program under :/i18n; Chinese installs Qt's own Chinese, so that
// the toolkit's buttons and dialogs speak it too.
class Translations
{
public:
    // "zh" or "en" in any case, also with a territory ("zh_TW", "en-GB");
    // nothing for anything else.
    static std::optional<Language> parse(const QString &name);

    // The command line's choice, else the setting's, else the desktop's
    // first language for texts: Chinese in any script or territory is
    // Chinese, anything else English.
    // An empty or unknown choice passes to the next.
    static Language choose(const QString &commandLine, const QString &setting, const QLocale &desktop);

    // Installs the language's translators and makes it the one shown; they
    // are taken out again when this goes.
    explicit Translations(Language language);
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    Language language() const { return m_language; }
    // The catalogues loaded, by file name.
    QStringList loaded() const { return m_loaded; }

private:
    void install(const QString &file, const QString &folder);

    Language m_language;
    Language m_before;
    std::vector<std::unique_ptr<QTranslator>> m_translators;
    QStringList m_loaded;
};
