#include "app/SorvApp.h"

#include "app/DocManager.h"
#include "app/MainFrame.h"
#include "app/RecentFileList.h"
#include "app/Translations.h"
#include "app/ViewPrinter.h"
#include "cli/FollowOption.h"
#include "cli/LanguageOption.h"
#include "cli/ReadArguments.h"
#include "gfx/FontSubstitutions.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPrinter>
#include <QSettings>

#include <clocale>
#include <cstdio>

namespace {

constexpr int kRecentFiles = 4;

// The settings that earlier versions kept under another organisation name
// (the recent files) are taken over once, before this program's file exists.
void TakeOverOldSettings()
{
    QSettings settings;
    if (QFileInfo::exists(settings.fileName()))
        return;
    QSettings old(QStringLiteral("Local AppWizard-Generated Applications"), QStringLiteral("Sorv"));
    for (const QString& key : old.allKeys())
        settings.setValue(key, old.value(key));
}

}  // namespace

CSorvApp::CSorvApp() = default;
CSorvApp::~CSorvApp() = default;

void CSorvApp::InitInstance(const QStringList& files, const ReadChoice& read, std::optional<int> follow)
{
    Q_INIT_RESOURCE(sorv);
    // ~/.config/Sorv/Sorv.conf
    QCoreApplication::setOrganizationName(QStringLiteral("Sorv"));
    QCoreApplication::setApplicationName(QStringLiteral("Sorv"));
    // Desktops match the windows to the installed desktop entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.sorv.Sorv"));
    TakeOverOldSettings();
    m_pRecentFiles = std::make_unique<CRecentFileList>(kRecentFiles);
    m_pDocManager = std::make_unique<CDocManager>();
    m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    CViewPrinter::UsePdfWithoutPrinters(*m_pPrinter);

    m_pMainFrame = std::make_unique<CMainFrame>(*m_pDocManager, *m_pRecentFiles, *m_pPrinter);

    // Shown first so that the chart windows are sized to the client area.
    // A file that cannot be read is reported; the others still open.
    m_pMainFrame->show();
    for (const QString& file : files) {
        if (follow)
            m_pDocManager->FollowWhenOpened(file, *follow);
        if (read.import || read.rows)
            m_pMainFrame->OpenDocument({QFile::encodeName(file).toStdString(), read.import});
        else
            m_pMainFrame->OpenDocumentFile(file);
    }
}

namespace {

// The files named, the reading options and --follow; false (the cause
// reported) on a bad option.
bool ReadArguments(QStringList args, QStringList& files, ReadChoice& read, std::optional<int>& follow)
{
    args.removeFirst();
    std::string error;
    if (TakeFollowOption(args, follow, error) && ParseViewerArguments(args, files, read, error))
        return true;
    std::fprintf(stderr, "sorv: %s\n", error.c_str());
    return false;
}

}  // namespace

int RunViewer(int argc, char** argv)
{
    // Checked before the application starts, which needs a display.
    LanguageArguments args;
    std::string error;
    if (!TakeLanguageOption(argc, argv, args, error)) {
        std::fprintf(stderr, "sorv: %s\n", error.c_str());
        return 2;
    }
    QStringList raw;
    for (int i = 0; i < args.RestCount(); ++i)
        raw << QString::fromLocal8Bit(args.rest[std::size_t(i)]);
    QStringList files;
    ReadChoice read;
    std::optional<int> follow;
    if (!ReadArguments(raw, files, read, follow))
        return 2;
    // Qt sees the program name alone: no file name or option value is ever
    // taken as one of its options (its settings come from its environment).
    int toolkitCount = 1;
    char* toolkitArgs[] = {argv[0], nullptr};
    QApplication app(toolkitCount, toolkitArgs);
    // Numbers are read and written the same way in every locale.
    std::setlocale(LC_NUMERIC, "C");
    InstallFontSubstitutions();
    const CTranslations translations(args.language, QLocale::system());

    CSorvApp theApp;
    theApp.InitInstance(files, read, follow);
    return QApplication::exec();
}
