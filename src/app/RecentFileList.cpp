#include "app/RecentFileList.h"

#include <QFileInfo>
#include <QSettings>

namespace {
const char* const kSection = "Recent File List";

QString Key(int i) { return QStringLiteral("File%1").arg(i + 1); }
}  // namespace

CRecentFileList::CRecentFileList(int size) : m_nSize(size) { Load(); }

void CRecentFileList::Load()
{
    QSettings settings;
    settings.beginGroup(kSection);
    for (int i = 0; i < m_nSize; ++i) {
        const QString file = settings.value(Key(i)).toString();
        if (!file.isEmpty() && !m_files.contains(file))
            m_files.append(file);
    }
}

void CRecentFileList::Save() const
{
    QSettings settings;
    settings.beginGroup(kSection);
    for (int i = 0; i < m_nSize; ++i) {
        if (i < m_files.size())
            settings.setValue(Key(i), m_files.at(i));
        else
            settings.remove(Key(i));
    }
}

void CRecentFileList::Add(const QString& path)
{
    const QString file = QFileInfo(path).absoluteFilePath();
    m_files.removeAll(file);
    m_files.prepend(file);
    while (m_files.size() > m_nSize)
        m_files.removeLast();
    Save();
}

void CRecentFileList::Remove(const QString& path)
{
    m_files.removeAll(QFileInfo(path).absoluteFilePath());
    Save();
}
