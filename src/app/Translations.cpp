#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

std::optional<Language> Translations::parse(const QString &name)
{
    const QString code = name.trimmed().left(3).toLower();
    if (code == QLatin1String("zh") || code == QLatin1String("zh_") || code == QLatin1String("zh-"))
        return Language::Chinese;
    if (code == QLatin1String("en") || code == QLatin1String("en_") || code == QLatin1String("en-"))
        return Language::English;
    return std::nullopt;
}

Language Translations::choose(const QString &commandLine, const QString &setting, const QLocale &desktop)
{
    if (const auto chosen = parse(commandLine))
        return *chosen;
    if (const auto chosen = parse(setting))
        return *chosen;
    // The desktop's first language for its programs' texts ($LANGUAGE, else
    // the messages' locale), which may differ from its formats' language.
    const QLocale first(desktop.uiLanguages().value(0, desktop.name()));
    return first.language() == QLocale::Chinese ? Language::Chinese : Language::English;
}

Translations::Translations(Language language)
    : m_language(language)
    , m_before(language::current())
{
    if (language == Language::English) {
        install(QStringLiteral("vesperal_en.qm"), QStringLiteral(":/i18n"));
    } else {
        // Qt's Chinese for the modules whose texts the user sees.
        const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        for (const char *catalogue : {"qtbase_zh_CN.qm", "qtmultimedia_zh_CN.qm", "qtwebengine_zh_CN.qm"})
            install(QLatin1String(catalogue), folder);
    }
    language::setCurrent(language);
}

Translations::~Translations()
{
    for (const auto &translator : m_translators)
        QCoreApplication::removeTranslator(translator.get());
    language::setCurrent(m_before);
}

void Translations::install(const QString &file, const QString &folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, folder)) {
        qWarning("vesperal: no translation %s in %s", qPrintable(file), qPrintable(folder));
        return;
    }
    QCoreApplication::installTranslator(translator.get());
    m_loaded << file;
    m_translators.push_back(std::move(translator));
}
