#pragma once
// The user's desktop entry for this program: it opens ".csv" files (text/csv)
// with the running executable, without making it the default application.

#include <QString>

class CDesktopEntry {
public:
    // The entry's text for an executable.
    static QString Text(const QString& executable);
    // Writes ~/.local/share/applications/sorv.desktop (and the icon beside
    // the user's icons) when missing or different. Returns false on a write error.
    static bool Register(const QString& executable);
};
