#pragma once
// The most recently used files, newest first, with the import options each
// was opened with, kept in the application's settings under "Recent File List".

#include "read/ImportOptions.h"

#include <QHash>
#include <QStringList>

#include <optional>

class CRecentFileList {
public:
    explicit CRecentFileList(int size);

    // Puts path at the top (once) with its import options (none: the default
    // reader), drops the oldest beyond the size, saves.
    void Add(const QString& path, const std::optional<ImportOptions>& import = std::nullopt);
    void Remove(const QString& path);
    const QStringList& Files() const { return m_files; }
    // The options path was last opened with; none for the default reader.
    std::optional<ImportOptions> ImportOptionsOf(const QString& path) const;
    int Size() const { return m_nSize; }

    // The options as the settings keep them, and back (none for a text that
    // is empty or not understood).
    static QString ImportText(const ImportOptions& o);
    static std::optional<ImportOptions> ImportFromText(const QString& text);

private:
    void Load();
    void Save() const;

    int m_nSize;
    QStringList m_files;
    QHash<QString, QString> m_imports;   // file -> ImportText, for files that were imported
};
