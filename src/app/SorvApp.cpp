#include "app/SorvApp.h"

#include "app/DocManager.h"
#include "app/MainFrame.h"
#include "app/RecentFileList.h"
#include "app/ViewPrinter.h"
#include "gfx/FontSubstitutions.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QPrinter>
#include <QSettings>
#include <QTranslator>

#include <clocale>

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

void CSorvApp::InitInstance(const QStringList& files)
{
    Q_INIT_RESOURCE(sorv);
    // ~/.config/Sorv/Sorv.conf
    QCoreApplication::setOrganizationName(QStringLiteral("Sorv"));
    QCoreApplication::setApplicationName(QStringLiteral("Sorv"));
    TakeOverOldSettings();
    m_pRecentFiles = std::make_unique<CRecentFileList>(kRecentFiles);
    m_pDocManager = std::make_unique<CDocManager>();
    m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    CViewPrinter::UsePdfWithoutPrinters(*m_pPrinter);

    m_pMainFrame = std::make_unique<CMainFrame>(*m_pDocManager, *m_pRecentFiles, *m_pPrinter);

    // Shown first so that the chart windows are sized to the client area.
    // A file that cannot be read is reported; the others still open.
    m_pMainFrame->show();
    for (const QString& file : files)
        m_pMainFrame->OpenDocumentFile(file);
}

int RunViewer(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Numbers are read and written the same way in every locale.
    std::setlocale(LC_NUMERIC, "C");
    InstallFontSubstitutions();
    // The toolkit's own dialogs (files, printing, colours, message buttons)
    // speak the user's language where a translation is installed.
    QTranslator toolkitTexts;
    if (toolkitTexts.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&toolkitTexts);

    QStringList files = QApplication::arguments();
    files.removeFirst();
    CSorvApp theApp;
    theApp.InitInstance(files);
    return QApplication::exec();
}
