#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace {

QLocale LocaleOf(UiLanguage language)
{
    return QLocale(language == UiLanguage::Japanese ? QLocale::Japanese : QLocale::English);
}

}  // namespace

CTranslations::CTranslations(std::optional<UiLanguage> requested, const QLocale& locale)
    : m_language(requested.value_or(LanguageOf(locale)))
{
    // Japanese is the language of the sources: it needs no translation.
    if (m_language == UiLanguage::English) {
        if (m_program.load(QStringLiteral(":/i18n/sorv_en.qm")))
            QCoreApplication::installTranslator(&m_program);
        else
            qWarning("sorv: the English translation is missing; the interface stays Japanese");
    }
    const QLocale toolkit = requested ? LocaleOf(*requested) : locale;
    if (m_toolkit.load(toolkit, QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_toolkit);
}

UiLanguage CTranslations::LanguageOf(const QLocale& locale)
{
    const QLocale::Language language = locale.language();
    return language == QLocale::Japanese || language == QLocale::C ? UiLanguage::Japanese : UiLanguage::English;
}
