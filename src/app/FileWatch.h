#pragma once
// Watches one file for changes, also when a program replaces it by renaming
// a new file over it or deletes and writes it anew, and tells once a burst of
// changes has settled (at most once in 200 ms). The system reports the
// changes: nothing polls while the file stays as it is.

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <utility>

class CFileWatch : public QObject {
    Q_OBJECT
public:
    CFileWatch(const QString& path, QObject* parent);

signals:
    void changed();

private:
    // Watches the file that now has the path, when it is another than the one watched.
    void Rearm();
    void OnFileChanged();
    void OnDirectoryChanged();

    QString m_path;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    std::pair<quint64, quint64> m_identity{0, 0};   // device and inode of the file watched
};
