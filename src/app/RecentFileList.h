#pragma once
// The most recently used files, newest first, kept in the application's
// settings under "Recent File List".

#include <QStringList>

class CRecentFileList {
public:
    explicit CRecentFileList(int size);

    // Puts path at the top (once), drops the oldest beyond the size, saves.
    void Add(const QString& path);
    void Remove(const QString& path);
    const QStringList& Files() const { return m_files; }
    int Size() const { return m_nSize; }

private:
    void Load();
    void Save() const;

    int m_nSize;
    QStringList m_files;
};
