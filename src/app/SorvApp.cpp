#include "app/SorvApp.h"

#include "app/DesktopEntry.h"
#include "app/DocManager.h"
#include "app/MainFrame.h"
#include "app/RecentFileList.h"
#include "app/ViewPrinter.h"
#include "cli/ViewerArguments.h"
#include "gfx/FontSubstitutions.h"

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QPrinter>
#include <QTranslator>

#include <clocale>

namespace {
constexpr int kRecentFiles = 4;
}  // namespace

CSorvApp::CSorvApp() = default;
CSorvApp::~CSorvApp() = default;

void CSorvApp::InitInstance(const QStringList& files)
{
    Q_INIT_RESOURCE(sorv);
    QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QCoreApplication::setApplicationName(QStringLiteral("Sorv"));
    m_pRecentFiles = std::make_unique<CRecentFileList>(kRecentFiles);
    m_pDocManager = std::make_unique<CDocManager>();
    m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    CViewPrinter::UsePdfWithoutPrinters(*m_pPrinter);

    m_pMainFrame = std::make_unique<CMainFrame>(*m_pDocManager, *m_pRecentFiles, *m_pPrinter);
    // A desktop entry that cannot be written costs only the file association.
    CDesktopEntry::Register(QCoreApplication::applicationFilePath());

    // Shown first so that the chart windows are sized to the client area.
    // A file that cannot be read is reported; the others still open.
    m_pMainFrame->show();
    for (const QString& file : files)
        m_pMainFrame->OpenDocumentFile(file);
}

int RunViewer(int argc, char** argv)
{
    ViewerArguments args = SplitViewerArguments(argc, argv);
    int toolkitCount = args.ToolkitCount();
    QApplication app(toolkitCount, args.toolkit.data());
    // Numbers are read and written the same way in every locale.
    std::setlocale(LC_NUMERIC, "C");
    InstallFontSubstitutions();
    // The toolkit's own dialogs (files, printing, colours, message buttons)
    // speak the user's language where a translation is installed.
    QTranslator toolkitTexts;
    if (toolkitTexts.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&toolkitTexts);

    // What Qt left of the arguments before "--" is not its own: files as well.
    QStringList files = QApplication::arguments();
    files.removeFirst();
    for (const std::string& file : args.files)
        files.append(QFile::decodeName(file.c_str()));
    CSorvApp theApp;
    theApp.InitInstance(files);
    return QApplication::exec();
}
