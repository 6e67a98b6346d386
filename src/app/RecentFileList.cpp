#include "app/RecentFileList.h"

#include "cli/ReadArguments.h"
#include "read/ColumnPicks.h"

#include <QFileInfo>
#include <QSettings>
#include <QUrl>

#include <algorithm>
#include <iterator>

namespace {
const char* const kSection = "Recent File List";

QString Key(int i) { return QStringLiteral("File%1").arg(i + 1); }
QString ImportKey(int i) { return QStringLiteral("Import%1").arg(i + 1); }

// In the order of FirstColumn.
const char* const kFirstColumnNames[] = {"data", "labels", "skip", "x", "auto"};

// A whole number from min on, or none.
std::optional<int> NumberField(const QHash<QString, QString>& fields, const QString& key, int min, int absent)
{
    if (!fields.contains(key))
        return absent;
    bool ok = false;
    const int n = fields.value(key).toInt(&ok);
    return ok && n >= min ? std::optional<int>(n) : std::nullopt;
}
}  // namespace

CRecentFileList::CRecentFileList(int size) : m_nSize(size) { Load(); }

void CRecentFileList::Load()
{
    QSettings settings;
    settings.beginGroup(kSection);
    for (int i = 0; i < m_nSize; ++i) {
        const QString file = settings.value(Key(i)).toString();
        if (file.isEmpty() || m_files.contains(file))
            continue;
        m_files.append(file);
        const QString import = settings.value(ImportKey(i)).toString();
        if (ImportFromText(import))
            m_imports.insert(file, import);
    }
}

void CRecentFileList::Save() const
{
    QSettings settings;
    settings.beginGroup(kSection);
    for (int i = 0; i < m_nSize; ++i) {
        const QString file = i < m_files.size() ? m_files.at(i) : QString();
        if (!file.isEmpty())
            settings.setValue(Key(i), file);
        else
            settings.remove(Key(i));
        if (m_imports.contains(file))
            settings.setValue(ImportKey(i), m_imports.value(file));
        else
            settings.remove(ImportKey(i));
    }
}

void CRecentFileList::Add(const QString& path, const std::optional<ImportOptions>& import)
{
    const QString file = QFileInfo(path).absoluteFilePath();
    m_files.removeAll(file);
    m_files.prepend(file);
    while (m_files.size() > m_nSize)
        m_imports.remove(m_files.takeLast());
    if (import)
        m_imports.insert(file, ImportText(*import));
    else
        m_imports.remove(file);
    Save();
}

void CRecentFileList::Remove(const QString& path)
{
    const QString file = QFileInfo(path).absoluteFilePath();
    m_files.removeAll(file);
    m_imports.remove(file);
    Save();
}

std::optional<ImportOptions> CRecentFileList::ImportOptionsOf(const QString& path) const
{
    return ImportFromText(m_imports.value(QFileInfo(path).absoluteFilePath()));
}

// "columns=1;delimiter=tab;header=auto;first=x;x-column=0;x-index=0;x-row=0;use=1%2C3-;skip=0;comment=35;
// decimal-comma=0": columns and rows from 1 (0: none), the columns read as the command line writes them.
QString CRecentFileList::ImportText(const ImportOptions& o)
{
    // Joined, not filled in with arg(): the encoded columns hold percent signs.
    const QStringList fields = {
        QStringLiteral("columns=%1").arg(int(o.columns)),
        QStringLiteral("delimiter=%1").arg(QString::fromLatin1(DelimiterName(o.delimiter))),
        QStringLiteral("header=%1").arg(o.detectHeader ? QStringLiteral("auto") : QString::number(int(o.header))),
        QStringLiteral("first=%1").arg(QString::fromLatin1(kFirstColumnNames[int(o.firstColumn)])),
        QStringLiteral("x-column=%1").arg(o.xColumn + 1),
        QStringLiteral("x-index=%1").arg(int(o.xIndex)),
        QStringLiteral("x-row=%1").arg(o.xRow + 1),
        QStringLiteral("use=") + QString::fromLatin1(QUrl::toPercentEncoding(QString::fromStdString(FormatColumnPicks(o.use)))),
        QStringLiteral("skip=%1").arg(o.skip),
        QStringLiteral("comment=%1").arg(int(static_cast<unsigned char>(o.comment))),
        QStringLiteral("decimal-comma=%1").arg(int(o.decimalComma)),
    };
    return fields.join(QLatin1Char(';'));
}

std::optional<ImportOptions> CRecentFileList::ImportFromText(const QString& text)
{
    QHash<QString, QString> fields;
    for (const QString& field : text.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        fields.insert(field.section(QLatin1Char('='), 0, 0), field.section(QLatin1Char('='), 1));
    const std::optional<ImportDelimiter> delimiter = DelimiterFromName(fields.value("delimiter").toStdString());
    const auto name = std::find(std::begin(kFirstColumnNames), std::end(kFirstColumnNames), fields.value("first"));
    const std::optional<int> skip = NumberField(fields, "skip", 0, -1), comment = NumberField(fields, "comment", 0, -1);
    const std::optional<int> xColumn = NumberField(fields, "x-column", 0, 0), xRow = NumberField(fields, "x-row", 0, 0);
    const std::string use = QUrl::fromPercentEncoding(fields.value("use").toLatin1()).toStdString();
    ImportOptions o;
    if (!delimiter || name == std::end(kFirstColumnNames) || !skip || *skip < 0 || !comment || *comment < 0
        || *comment > 127 || !xColumn || !xRow || (!use.empty() && !ParseColumnPicks(use, o.use)))
        return std::nullopt;
    o.columns = fields.value("columns") == "1";
    o.delimiter = *delimiter;
    o.header = fields.value("header") == "1";
    o.detectHeader = fields.value("header") == "auto";
    o.firstColumn = FirstColumn(name - std::begin(kFirstColumnNames));
    o.xColumn = *xColumn - 1;
    o.xIndex = fields.value("x-index") == "1";
    o.xRow = *xRow - 1;
    o.skip = *skip;
    o.comment = char(*comment);
    o.decimalComma = fields.value("decimal-comma") == "1";
    return o;
}
