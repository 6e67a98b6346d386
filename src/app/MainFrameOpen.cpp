// The main window's opening of documents: detection and the import dialog,
// reading in a worker thread, reload, automatic update and following the
// latest data.

#include "app/MainFrame.h"

#include "app/AppResources.h"
#include "app/DocLoader.h"
#include "app/DocManager.h"
#include "app/MDIClientWnd.h"
#include "app/ReadProgressPane.h"
#include "app/RecentFileList.h"
#include "app/SorvView.h"
#include "app/StatusBar.h"
#include "dialogs/ImportDlg.h"
#include "dialogs/ReadFailureText.h"
#include "doc/SorvDoc.h"
#include "page/LastColumns.h"
#include "read/FileHead.h"
#include "read/ImportDetect.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>

#include <sys/stat.h>

namespace {

const char* const kLastFolderKey = "Settings/Last Folder";
constexpr int kMessageMs = 10000;
// Reads quicker than this open their windows in the order they were asked for.
constexpr int kKeepOrderMs = 300;

QString PathOf(const ReadRequest& request)
{
    return QFile::decodeName(request.path.c_str());
}

bool IsRegularFile(const QString& path)
{
    struct stat st {};
    return path != QStringLiteral("-") && stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

bool CMainFrame::IsReading() const
{
    return m_pReadPane->IsReading();
}

bool CMainFrame::ShowOpenDocument(const QString& path)
{
    CSorvDoc* open = m_docs.FindDocument(path);
    if (!open)
        return false;
    const std::vector<CSorvView*> views = m_docs.GetViews(open);
    if (!views.empty())
        m_wndMDIClient->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(views.front()->parentWidget()));
    return true;
}

bool CMainFrame::OpenDocumentFile(const QString& path)
{
    if (ShowOpenDocument(path)) {
        m_recent.Add(path, m_docs.GetRequest(m_docs.FindDocument(path))->import);
        UpdateRecentFileMenu();
        return true;
    }
    const std::string head = FileHead(path);
    if (!head.empty() && DetectImport(head).needsDialog)
        ShowImportDialog(path, head);
    else
        OpenDocument({QFile::encodeName(path).toStdString(), std::nullopt});
    return true;
}

void CMainFrame::ImportDocumentFile(const QString& path)
{
    if (!ShowOpenDocument(path))
        ShowImportDialog(path, FileHead(path));
}

std::string CMainFrame::FileHead(const QString& path)
{
    return IsRegularFile(path) ? ReadFileHead(QFile::encodeName(path).toStdString()) : std::string();
}

void CMainFrame::ShowImportDialog(const QString& path, const std::string& head)
{
    auto* dialog = new CImportDlg(QFileInfo(path).fileName(), head, DetectImport(head), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog, path] {
        OpenDocument({QFile::encodeName(path).toStdString(), dialog->Options()});
    });
    dialog->open();
}

void CMainFrame::OpenDocument(const ReadRequest& request, bool fromRecentList)
{
    auto* loader = new CDocLoader(request, this);
    connect(loader, &CDocLoader::finished, this, &CMainFrame::FinishOpening);
    m_opening.emplace_back(loader, fromRecentList);
    m_pReadPane->Watch(loader);
    loader->Start();
    QTimer::singleShot(kKeepOrderMs, this, &CMainFrame::FinishOpening);
    UpdateCommandUI();
}

// Windows come in the order their files were asked for, but a read that
// takes long (and shows its progress) lets the later ones pass. A message
// about one read may run an event loop in which the next ones finish.
void CMainFrame::FinishOpening()
{
    for (std::size_t i = 0; i < m_opening.size();) {
        const auto [loader, fromRecentList] = m_opening[i];
        if (!loader->IsFinished()) {
            if (loader->Elapsed() < kKeepOrderMs)
                return;
            ++i;
            continue;
        }
        m_opening.erase(m_opening.begin() + std::ptrdiff_t(i));
        OnReadFinished(loader, fromRecentList);
        i = 0;
    }
}

void CMainFrame::OnReadFinished(CDocLoader* loader, bool fromRecentList)
{
    loader->deleteLater();
    const ReadRequest& request = loader->Request();
    const ReadOutcome& outcome = loader->Outcome();
    std::unique_ptr<CSorvDoc> doc = loader->TakeDocument();
    UpdateCommandUI();
    if (!doc) {
        const QString path = PathOf(request);
        if (outcome.failure.code == ReadError::Cancelled) {
            m_wndStatusBar->showMessage(tr("%1 の読み込みを中止しました。").arg(DisplayName(request)), kMessageMs);
            return;
        }
        if (fromRecentList) {
            m_recent.Remove(path);
            UpdateRecentFileMenu();
        }
        QMessageBox::warning(this, AppTitle(),
                             tr("%1 を開けません。\n%2").arg(QDir::toNativeSeparators(path), ReadFailureText(outcome.failure)));
        return;
    }
    // Another read of the same file may have finished first.
    if (ShowOpenDocument(PathOf(request)))
        return;
    const ReadRequest opened{request.path, outcome.used};
    CSorvDoc* added = m_docs.AddDocument(std::move(doc), opened, outcome.mark);
    if (request.path != "-") {
        m_recent.Add(PathOf(request), outcome.used);
        UpdateRecentFileMenu();
    }
    CreateChildFrame(*added);
    ShowReadWarnings(DisplayName(request), outcome);
}

void CMainFrame::ShowReadWarnings(const QString& name, const ReadOutcome& outcome)
{
    QStringList texts;
    for (const ImportWarning& w : outcome.warnings)
        texts << ImportWarningText(w);
    if (!texts.isEmpty())
        m_wndStatusBar->showMessage(name + QStringLiteral(": ") + texts.join(QStringLiteral(" ")));
}

void CMainFrame::ReloadDocument(CSorvDoc* doc, bool append)
{
    const ReadRequest* request = m_docs.GetRequest(doc);
    if (!request || request->path == "-")
        return;
    if (m_reloads.count(doc)) {
        const auto again = m_reloadAgain.find(doc);
        m_reloadAgain[doc] = append && (again == m_reloadAgain.end() || again->second);
        return;
    }
    auto* loader = new CDocLoader(*request, this);
    if (append)
        loader->AppendTo(doc->SharedData(), *m_docs.GetMark(doc));
    m_reloads[doc] = loader;
    connect(loader, &CDocLoader::finished, this, [this, loader, doc] { OnReloadFinished(loader, doc); });
    m_pReadPane->Watch(loader);
    loader->Start();
    UpdateCommandUI();
}

void CMainFrame::OnReloadFinished(CDocLoader* loader, CSorvDoc* doc)
{
    loader->deleteLater();
    m_reloads.erase(doc);
    const QString name = DisplayName(loader->Request());
    const ReadOutcome& outcome = loader->Outcome();
    std::unique_ptr<CSorvDoc> fresh = loader->TakeDocument();
    if (fresh || loader->AppendedData()) {
        m_docs.ReplaceDocument(*doc, fresh ? fresh->SharedData() : loader->AppendedData(), outcome.mark);
        m_wndStatusBar->showMessage(tr("%1 を読み込み直しました。").arg(name), kMessageMs);
        ShowReadWarnings(name, outcome);
    } else if (outcome.failure.code != ReadError::None) {
        m_wndStatusBar->showMessage(
            tr("%1 を読み込み直せません (表示はそのままです): %2").arg(name, ReadFailureText(outcome.failure)));
    }
    if (const auto again = m_reloadAgain.find(doc); again != m_reloadAgain.end()) {
        const bool append = again->second;
        m_reloadAgain.erase(again);
        ReloadDocument(doc, append);
    }
    UpdateCommandUI();
}

void CMainFrame::OnAutoUpdate()
{
    CSorvDoc* doc = &GetActiveView()->GetDocument();
    m_docs.SetAutoUpdate(doc, !m_docs.IsAutoUpdate(doc));
}

void CMainFrame::OnFollowLatest()
{
    CSorvDoc* doc = &GetActiveView()->GetDocument();
    if (m_docs.IsFollowing(doc))
        m_docs.StopFollowing(doc);
    else
        m_docs.FollowLatest(doc, ColumnsToFollow(*doc));
}

// ---- the Open and Import commands ----

void CMainFrame::ChooseFiles(const QString& title, const std::function<void(const QString&)>& chosen)
{
    auto* dialog = new QFileDialog(this, title);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setFileMode(QFileDialog::ExistingFiles);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setNameFilters(OpenDialogFilters());
    // The filter box shows the filters as the program names them; the toolkit
    // filters by its own syntax, which it takes by position.
    if (auto* box = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))) {
        const QStringList names = OpenDialogFilterNames();
        for (int i = 0; i < box->count() && i < names.size(); ++i)
            box->setItemText(i, names.at(i));
    }
    const QString folder = QSettings().value(kLastFolderKey).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        dialog->setDirectory(folder);
    connect(dialog, &QFileDialog::filesSelected, this, [chosen](const QStringList& files) {
        if (!files.isEmpty())
            QSettings().setValue(kLastFolderKey, QFileInfo(files.first()).absolutePath());
        for (const QString& file : files)
            chosen(file);
    });
    dialog->open();
}

void CMainFrame::OnFileOpen()
{
    ChooseFiles(OpenDialogTitle(), [this](const QString& file) { OpenDocumentFile(file); });
}

void CMainFrame::OnFileImport()
{
    ChooseFiles(tr("ｲﾝﾎﾟｰﾄ"), [this](const QString& file) { ImportDocumentFile(file); });
}
