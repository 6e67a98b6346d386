#include "app/SorvApp.h"

#include "app/DesktopEntry.h"
#include "app/DocManager.h"
#include "app/MainFrame.h"
#include "app/RecentFileList.h"
#include "app/ViewPrinter.h"

#include <QApplication>
#include <QFont>
#include <QPrinter>

#include <clocale>

namespace {
constexpr int kRecentFiles = 4;

// The faces the program asks for, mapped to fonts with the same metrics.
void SubstituteFonts()
{
    QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
}
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

    // A file that cannot be read is reported; the others still open.
    for (const QString& file : files)
        m_pMainFrame->OpenDocumentFile(file);
    m_pMainFrame->show();
}

int RunViewer(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Numbers are read and written the same way in every locale.
    std::setlocale(LC_NUMERIC, "C");
    SubstituteFonts();

    QStringList files = QApplication::arguments();
    files.removeFirst();
    CSorvApp theApp;
    theApp.InitInstance(files);
    return QApplication::exec();
}
