// The English translation file itself, and the choice of language: every
// message well formed and shown as translated in English and unchanged in
// Japanese; the language of a locale; --lang over the locale; the toolkit's
// own texts following both.

#include "app/Translations.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

#include <optional>

namespace {

struct Message {
    QString context;
    QByteArray source;
    QByteArray comment;
    QString translation;
};

// Every message of the committed translation file.
QList<Message> ReadMessages()
{
    QFile file(QStringLiteral(SORV_TS_FILE));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            messages.append({context, {}, {}, {}});
        } else if (xml.name() == u"source") {
            messages.last().source = xml.readElementText().toUtf8();
        } else if (xml.name() == u"comment") {
            messages.last().comment = xml.readElementText().toUtf8();
        } else if (xml.name() == u"translation") {
            messages.last().translation = xml.readElementText();
        }
    }
    return messages;
}

QStringList Placeholders(const QString& text)
{
    QStringList marks;
    for (const QRegularExpressionMatch& m : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
        marks.append(m.captured());
    marks.sort();
    return marks;
}

// The mnemonics of a text: "&" before a character, "&&" being a plain "&".
int Mnemonics(const QString& text)
{
    return int(text.count('&') - 2 * text.count(QStringLiteral("&&")));
}

QString Shown(const Message& m)
{
    return QCoreApplication::translate(m.context.toUtf8().constData(), m.source.constData(),
                                       m.comment.isEmpty() ? nullptr : m.comment.constData());
}

QString ToolkitCancel()
{
    return QCoreApplication::translate("QPlatformTheme", "Cancel");
}

}  // namespace

Q_DECLARE_METATYPE(std::optional<UiLanguage>)

class TranslationsTest : public QObject {
    Q_OBJECT
private:
    QList<Message> m_messages = ReadMessages();

    void AddMessageRows()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < m_messages.size(); ++i) {
            const Message& m = m_messages[i];
            QTest::addRow("%s: %s %s", qPrintable(m.context), m.source.constData(), m.comment.constData()) << i;
        }
    }

private slots:
    void fileHoldsTheMessages() { QVERIFY(m_messages.size() > 100); }

    // A translation keeps the arguments, the parts (prompt "\n" tool tip), the
    // key hint after a tab and one mnemonic where the source has one.
    void everyMessageIsWellFormed_data() { AddMessageRows(); }
    void everyMessageIsWellFormed()
    {
        QFETCH(int, index);
        const Message& m = m_messages[index];
        const QString source = QString::fromUtf8(m.source);
        QVERIFY(!m.translation.isEmpty());
        QCOMPARE(Placeholders(m.translation), Placeholders(source));
        QCOMPARE(m.translation.count('\n'), source.count('\n'));
        if (source.contains('\t'))
            QCOMPARE(m.translation.section('\t', 1), source.section('\t', 1));
        QVERIFY(Mnemonics(m.translation) <= 1);
        if (Mnemonics(source) == 1)
            QCOMPARE(Mnemonics(m.translation), 1);
    }

    void englishShowsEveryTranslation_data() { AddMessageRows(); }
    void englishShowsEveryTranslation()
    {
        QFETCH(int, index);
        const CTranslations english(UiLanguage::English, QLocale(QStringLiteral("ja_JP")));
        QCOMPARE(Shown(m_messages[index]), m_messages[index].translation);
    }

    // Byte for byte the texts of the sources, whatever the locale says.
    void japaneseShowsEverySourceUnchanged_data() { AddMessageRows(); }
    void japaneseShowsEverySourceUnchanged()
    {
        QFETCH(int, index);
        const std::pair<std::optional<UiLanguage>, QString> choices[] = {
            {UiLanguage::Japanese, "en_US"}, {std::nullopt, "C"}, {std::nullopt, "ja_JP"}};
        for (const auto& [requested, locale] : choices) {
            const CTranslations japanese(requested, QLocale(locale));
            QCOMPARE(Shown(m_messages[index]).toUtf8(), m_messages[index].source);
        }
    }

    void languageOfLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("japanese");
        QTest::newRow("ja_JP") << "ja_JP" << true;
        QTest::newRow("ja") << "ja" << true;
        QTest::newRow("C") << "C" << true;
        QTest::newRow("POSIX") << "POSIX" << true;
        QTest::newRow("en_US") << "en_US" << false;
        QTest::newRow("en_GB") << "en_GB" << false;
        QTest::newRow("de_DE") << "de_DE" << false;
        QTest::newRow("zh_CN") << "zh_CN" << false;
    }
    void languageOfLocale()
    {
        QFETCH(QString, locale);
        QFETCH(bool, japanese);
        QCOMPARE(CTranslations::LanguageOf(QLocale(locale)), japanese ? UiLanguage::Japanese : UiLanguage::English);
    }

    // --lang decides over the locale, for the program and for the toolkit;
    // without it the toolkit speaks the locale's language, English or not.
    void requestAndLocale_data()
    {
        QTest::addColumn<std::optional<UiLanguage>>("requested");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("japanese");
        QTest::addColumn<QString>("cancel");
        const std::optional<UiLanguage> none;
        QTest::newRow("ja_JP") << none << "ja_JP" << true << "キャンセル";
        QTest::newRow("C") << none << "C" << true << "Cancel";
        QTest::newRow("en_US") << none << "en_US" << false << "Cancel";
        QTest::newRow("de_DE") << none << "de_DE" << false << "Abbrechen";
        QTest::newRow("--lang ja in en_US") << std::optional(UiLanguage::Japanese) << "en_US" << true << "キャンセル";
        QTest::newRow("--lang ja in de_DE") << std::optional(UiLanguage::Japanese) << "de_DE" << true << "キャンセル";
        QTest::newRow("--lang en in ja_JP") << std::optional(UiLanguage::English) << "ja_JP" << false << "Cancel";
        QTest::newRow("--lang en in de_DE") << std::optional(UiLanguage::English) << "de_DE" << false << "Cancel";
    }
    void requestAndLocale()
    {
        QFETCH(std::optional<UiLanguage>, requested);
        QFETCH(QString, locale);
        QFETCH(bool, japanese);
        QFETCH(QString, cancel);
        {
            const CTranslations translations(requested, QLocale(locale));
            QCOMPARE(translations.Language(), japanese ? UiLanguage::Japanese : UiLanguage::English);
            QCOMPARE(QCoreApplication::translate("AppResources", "ﾌｧｲﾙ(&F)"),
                     japanese ? QString("ﾌｧｲﾙ(&F)") : QString("&File"));
            QCOMPARE(ToolkitCancel(), cancel);
        }
        // Gone with the object.
        QCOMPARE(ToolkitCancel(), QString("Cancel"));
        QCOMPARE(QCoreApplication::translate("AppResources", "ﾌｧｲﾙ(&F)"), QString("ﾌｧｲﾙ(&F)"));
    }
};

QTEST_MAIN(TranslationsTest)
#include "TranslationsTest.moc"
