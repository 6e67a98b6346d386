#include "app/DocManager.h"

#include "app/FileWatch.h"
#include "app/SorvView.h"
#include "doc/SorvDoc.h"
#include "page/DocumentAxes.h"
#include "work/WorkerPool.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

QString CanonicalPath(const QString& path)
{
    return path == QStringLiteral("-") ? QString() : QFileInfo(path).canonicalFilePath();
}

}  // namespace

CDocManager::CDocManager() = default;
CDocManager::~CDocManager() = default;

CSorvDoc* CDocManager::FindDocument(const QString& path) const
{
    const QString canonical = CanonicalPath(path);
    for (const Entry& e : m_docs)
        if (!canonical.isEmpty() && e.path == canonical)
            return e.doc.get();
    return nullptr;
}

CSorvDoc* CDocManager::AddDocument(std::unique_ptr<CSorvDoc> doc, const ReadRequest& request)
{
    CSorvDoc* raw = doc.get();
    raw->m_fnUpdateAllViews = [this, raw] {
        for (CSorvView* view : GetViews(raw))
            view->OnUpdate();
    };
    m_docs.push_back({std::move(doc), request, CanonicalPath(QFile::decodeName(request.path.c_str())), {}, {}});
    return raw;
}

const ReadRequest* CDocManager::GetRequest(const CSorvDoc* doc) const
{
    const Entry* e = FindEntry(doc);
    return e ? &e->request : nullptr;
}

void CDocManager::ReplaceDocument(CSorvDoc& doc, const CSorvDoc& fresh)
{
    const std::vector<CSorvView*> views = GetViews(&doc);
    std::vector<CAxesFollow> follow;
    for (CSorvView* view : views)
        follow.push_back(AxesFollowing(view->Settings(), doc));
    std::shared_ptr<const CDocData> old = doc.SharedData();
    doc.Publish(fresh.SharedData());
    for (std::size_t i = 0; i < views.size(); ++i)
        views[i]->OnReload(follow[i]);
    // The old data may be large: it is freed off the window's thread (or by
    // the last drawing that still reads it).
    CWorkerPool::Instance().Post([old = std::move(old)]() mutable { old.reset(); });
}

void CDocManager::SetAutoUpdate(CSorvDoc* doc, bool on)
{
    Entry* e = FindEntry(doc);
    if (!e || e->path.isEmpty() || on == bool(e->watch))
        return;
    e->watch.reset();
    if (!on)
        return;
    e->watch = std::make_unique<CFileWatch>(e->path, nullptr);
    QObject::connect(e->watch.get(), &CFileWatch::changed, [this, doc] {
        if (m_fnFileChanged)
            m_fnFileChanged(doc);
    });
}

bool CDocManager::IsAutoUpdate(const CSorvDoc* doc) const
{
    const Entry* e = FindEntry(doc);
    return e && e->watch;
}

CDocManager::Entry* CDocManager::FindEntry(const CSorvDoc* doc)
{
    for (Entry& e : m_docs)
        if (e.doc.get() == doc)
            return &e;
    return nullptr;
}

const CDocManager::Entry* CDocManager::FindEntry(const CSorvDoc* doc) const
{
    return const_cast<CDocManager*>(this)->FindEntry(doc);
}

void CDocManager::AddView(CSorvDoc* doc, CSorvView* view)
{
    if (Entry* e = FindEntry(doc))
        e->views.push_back(view);
}

void CDocManager::RemoveView(CSorvView* view)
{
    for (auto it = m_docs.begin(); it != m_docs.end(); ++it) {
        auto& views = it->views;
        const auto found = std::find(views.begin(), views.end(), view);
        if (found == views.end())
            continue;
        views.erase(found);
        if (views.empty())
            m_docs.erase(it);
        return;
    }
}

std::vector<CSorvView*> CDocManager::GetViews(const CSorvDoc* doc) const
{
    const Entry* e = FindEntry(doc);
    return e ? e->views : std::vector<CSorvView*>{};
}
