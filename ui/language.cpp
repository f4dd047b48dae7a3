#include "ui/language.h"

#include "ui/usersettings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <optional>

namespace {

const QString kLanguageKey = QStringLiteral("language");
const char* const kForcingVariable = "KELMO_LANG";

std::optional<interfaceLanguage> languageNamed(const QString& code)
{
    const QString c = code.trimmed().toLower();
    if (c == QLatin1String("ro"))
        return interfaceLanguage::romanian;
    if (c == QLatin1String("en"))
        return interfaceLanguage::english;
    return std::nullopt;
}

} // namespace

QString languageCode(interfaceLanguage language)
{
    return language == interfaceLanguage::english ? QStringLiteral("en") : QStringLiteral("ro");
}

interfaceLanguage startLanguage(const QString& forced, const QString& saved, const QLocale& locale)
{
    if (const auto chosen = languageNamed(forced))
        return *chosen;
    if (const auto chosen = languageNamed(saved))
        return *chosen;
    const QLocale::Language spoken = locale.language();
    return spoken == QLocale::C || spoken == QLocale::Romanian ? interfaceLanguage::romanian
                                                                : interfaceLanguage::english;
}

interfaceLanguage startLanguage()
{
    const QSettings settings = userSettings();
    return startLanguage(qEnvironmentVariable(kForcingVariable), settings.value(kLanguageKey).toString(),
                         QLocale::system());
}

LanguageSwitch::LanguageSwitch(QObject* parent) : QObject(parent) {}

LanguageSwitch::~LanguageSwitch() { removeTranslators(); }

void LanguageSwitch::removeTranslators()
{
    for (std::unique_ptr<QTranslator>* t : {&program_, &toolkit_}) {
        if (*t)
            QCoreApplication::removeTranslator(t->get());
        t->reset();
    }
}

bool LanguageSwitch::install(interfaceLanguage language)
{
    // Romanian is the program's own language: no translator of ours. Qt's dialogs speak it where
    // the system has Qt's Romanian translation.
    auto program = std::make_unique<QTranslator>();
    if (language == interfaceLanguage::english &&
        !program->load(QStringLiteral(":/i18n/kelmo_en.qm")))
        return false;
    auto toolkit = std::make_unique<QTranslator>();
    const bool toolkitFound = toolkit->load(QStringLiteral("qtbase_") + languageCode(language),
                                            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    removeTranslators();
    if (language == interfaceLanguage::english) {
        program_ = std::move(program);
        QCoreApplication::installTranslator(program_.get());
    }
    if (toolkitFound) {
        toolkit_ = std::move(toolkit);
        QCoreApplication::installTranslator(toolkit_.get());
    }
    const bool change = current_ != language;
    current_ = language;
    if (change)
        emit changed(language);
    return true;
}

void LanguageSwitch::choose(interfaceLanguage language)
{
    if (!install(language))
        return;
    QSettings settings = userSettings();
    settings.setValue(kLanguageKey, languageCode(language));
}
