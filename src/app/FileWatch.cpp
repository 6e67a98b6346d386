#include "app/FileWatch.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace {
constexpr int kSettleMs = 200;

// Device and inode of the file at path; zeros when there is none.
std::pair<quint64, quint64> IdentityOf(const QString& path)
{
    struct stat st {};
    if (stat(QFile::encodeName(path).constData(), &st) != 0)
        return {0, 0};
    return {quint64(st.st_dev), quint64(st.st_ino)};
}
}  // namespace

CFileWatch::CFileWatch(const QString& path, QObject* parent) : QObject(parent), m_path(path)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &CFileWatch::changed);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &CFileWatch::OnFileChanged);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &CFileWatch::OnDirectoryChanged);
    // The folder tells when a file is renamed over this one or written anew.
    m_watcher.addPath(QFileInfo(path).absolutePath());
    Rearm();
}

void CFileWatch::Rearm()
{
    const std::pair<quint64, quint64> identity = IdentityOf(m_path);
    if (identity == m_identity && m_watcher.files().contains(m_path))
        return;
    m_watcher.removePath(m_path);
    m_identity = identity;
    if (identity.second != 0)
        m_watcher.addPath(m_path);
}

// The first change of a burst starts the wait; the others fall into it.
void CFileWatch::OnFileChanged()
{
    Rearm();
    if (!m_settle.isActive())
        m_settle.start();
}

void CFileWatch::OnDirectoryChanged()
{
    const std::pair<quint64, quint64> before = m_identity;
    Rearm();
    if (m_identity != before && m_identity.second != 0 && !m_settle.isActive())
        m_settle.start();
}
