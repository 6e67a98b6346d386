#include "app/DesktopEntry.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// Quotes a path for the Exec key: reserved characters force quoting, inside
// quotes ", `, $ and \ take a backslash, and every backslash is then doubled
// again because the key's value is itself an escaped string; % doubles.
QString ExecArgument(const QString& path)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool quote = false;
    for (QChar c : path)
        quote = quote || reserved.contains(c);
    QString arg;
    for (QChar c : path) {
        if (c == '%')
            arg += QStringLiteral("%%");
        else if (quote && (c == '"' || c == '`' || c == '$' || c == '\\'))
            arg += QStringLiteral("\\\\") + c;
        else
            arg += c;
    }
    return quote ? '"' + arg + '"' : arg;
}

bool WriteIfChanged(const QString& fileName, const QByteArray& content)
{
    QFile current(fileName);
    if (current.open(QIODevice::ReadOnly) && current.readAll() == content)
        return true;
    if (!QDir().mkpath(QFileInfo(fileName).absolutePath()))
        return false;
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(content);
    return file.commit();
}

QByteArray IconData()
{
    QFile icon(QStringLiteral(":/sorv/sorv.svg"));
    return icon.open(QIODevice::ReadOnly) ? icon.readAll() : QByteArray();
}

}  // namespace

QString CDesktopEntry::Text(const QString& executable)
{
    return QStringLiteral(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=Sorv\n"
               "GenericName=Chart Viewer\n"
               "Comment=Draw charts of numeric text files\n"
               "Exec=%1 %F\n"
               "Icon=sorv\n"
               "Terminal=false\n"
               "MimeType=text/csv;\n"
               "Categories=Office;Viewer;\n")
        .arg(ExecArgument(executable));
}

bool CDesktopEntry::Register(const QString& executable)
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty())
        return false;
    const bool entry = WriteIfChanged(data + "/applications/sorv.desktop", Text(executable).toUtf8());
    const bool icon = WriteIfChanged(data + "/icons/hicolor/scalable/apps/sorv.svg", IconData());
    return entry && icon;
}
