// LanguageSwitch: the language the windows speak, Romanian (the program's own texts) or English
// (a translation built into the program's resources), with Qt's own dialogs and buttons in the
// same language where the system has Qt's translations for it. It owns the translators it
// installs; a switch sends every widget a LanguageChange, on which each window sets its texts
// again. The choice a person makes is kept in the user's settings.
#pragma once

#include <QLocale>
#include <QObject>
#include <QString>

#include <memory>

class QTranslator;

enum class interfaceLanguage { romanian, english };

// The language to start in: a forced one (KELMO_LANG=ro or en), else the one chosen last (the
// settings' "ro" or "en"), else Romanian for a Romanian locale and for the C/POSIX locale, and
// English for any other. Texts that name no language count as not given.
interfaceLanguage startLanguage(const QString& forced, const QString& saved, const QLocale& locale);

// The same for this run: KELMO_LANG, the user's settings and the system's locale.
interfaceLanguage startLanguage();

// The short name a language goes by in KELMO_LANG and the settings.
QString languageCode(interfaceLanguage language);

class LanguageSwitch : public QObject {
    Q_OBJECT
public:
    explicit LanguageSwitch(QObject* parent = nullptr);
    ~LanguageSwitch() override;

    interfaceLanguage current() const { return current_; }

    // Puts the language in place for every window at once. Returns false (and stays in Romanian)
    // when the program's English translation cannot be loaded.
    bool install(interfaceLanguage language);
    // The user's choice: installed and kept in the settings for the next start.
    void choose(interfaceLanguage language);

signals:
    void changed(interfaceLanguage language);

private:
    void removeTranslators();

    interfaceLanguage current_ = interfaceLanguage::romanian;
    std::unique_ptr<QTranslator> program_;
    std::unique_ptr<QTranslator> toolkit_;
};
