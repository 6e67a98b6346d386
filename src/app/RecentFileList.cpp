#include "app/RecentFileList.h"

#include "cli/ReadArguments.h"

#include <QFileInfo>
#include <QSettings>

namespace {
const char* const kSection = "Recent File List";

QString Key(int i) { return QStringLiteral("File%1").arg(i + 1); }
QString ImportKey(int i) { return QStringLiteral("Import%1").arg(i + 1); }

const char* const kFirstColumnNames[] = {"data", "labels", "skip"};
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

// "columns=1;delimiter=tab;header=1;first=labels;skip=0;comment=35;decimal-comma=0"
QString CRecentFileList::ImportText(const ImportOptions& o)
{
    return QStringLiteral("columns=%1;delimiter=%2;header=%3;first=%4;skip=%5;comment=%6;decimal-comma=%7")
        .arg(int(o.columns))
        .arg(QString::fromLatin1(DelimiterName(o.delimiter)))
        .arg(int(o.header))
        .arg(QString::fromLatin1(kFirstColumnNames[int(o.firstColumn)]))
        .arg(o.skip)
        .arg(int(static_cast<unsigned char>(o.comment)))
        .arg(int(o.decimalComma));
}

std::optional<ImportOptions> CRecentFileList::ImportFromText(const QString& text)
{
    QHash<QString, QString> fields;
    for (const QString& field : text.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        fields.insert(field.section(QLatin1Char('='), 0, 0), field.section(QLatin1Char('='), 1));
    const std::optional<ImportDelimiter> delimiter = DelimiterFromName(fields.value("delimiter").toStdString());
    int first = -1;
    for (int i = 0; i < 3; ++i)
        if (fields.value("first") == QLatin1String(kFirstColumnNames[i]))
            first = i;
    bool skipOk = false, commentOk = false;
    const int skip = fields.value("skip").toInt(&skipOk);
    const int comment = fields.value("comment").toInt(&commentOk);
    if (!delimiter || first < 0 || !skipOk || skip < 0 || !commentOk || comment < 0 || comment > 127)
        return std::nullopt;
    ImportOptions o;
    o.columns = fields.value("columns") == "1";
    o.delimiter = *delimiter;
    o.header = fields.value("header") == "1";
    o.firstColumn = FirstColumn(first);
    o.skip = skip;
    o.comment = char(comment);
    o.decimalComma = fields.value("decimal-comma") == "1";
    return o;
}
