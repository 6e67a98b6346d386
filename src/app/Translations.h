#pragma once
// The language of the user interface. The program's texts are written in
// Japanese; English comes from the translation built into the program. The
// toolkit's own texts (file, print and colour dialogs, message buttons)
// follow --lang, and the user's locale without it.

#include "cli/LanguageOption.h"

#include <QTranslator>

#include <optional>

class QLocale;

class CTranslations {
public:
    // Installs the translations of the language requested, or else of the
    // locale's; they stay installed while this object lives.
    CTranslations(std::optional<UiLanguage> requested, const QLocale& locale);
    CTranslations(const CTranslations&) = delete;
    CTranslations& operator=(const CTranslations&) = delete;

    UiLanguage Language() const { return m_language; }

    // Japanese for a Japanese locale and for the C/POSIX locale, English for any other.
    static UiLanguage LanguageOf(const QLocale& locale);

private:
    UiLanguage m_language;
    QTranslator m_program;
    QTranslator m_toolkit;
};
