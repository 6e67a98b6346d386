#include "app/DocManager.h"

#include "app/FileWatch.h"
#include "app/SorvView.h"
#include "doc/SorvDoc.h"
#include "page/DocumentAxes.h"
#include "page/LastColumns.h"
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

CSorvDoc* CDocManager::AddDocument(std::unique_ptr<CSorvDoc> doc, const ReadRequest& request, const ReadMark& mark)
{
    CSorvDoc* raw = doc.get();
    raw->m_fnUpdateAllViews = [this, raw] {
        // A region the user chose ends following the latest data.
        StopFollowing(raw);
        for (CSorvView* view : GetViews(raw))
            view->OnUpdate();
    };
    const QString path = CanonicalPath(QFile::decodeName(request.path.c_str()));
    m_docs.push_back({std::move(doc), request, path, {}, {}, {}, mark});
    if (const auto follow = m_followWhenOpened.extract(path); !follow.empty())
        FollowLatest(raw, follow.mapped());
    return raw;
}

const ReadRequest* CDocManager::GetRequest(const CSorvDoc* doc) const
{
    const Entry* e = FindEntry(doc);
    return e ? &e->request : nullptr;
}

void CDocManager::ReplaceDocument(CSorvDoc& doc, std::shared_ptr<const CDocData> data, const ReadMark& mark)
{
    if (Entry* e = FindEntry(&doc))
        e->mark = mark;
    const std::vector<CSorvView*> views = GetViews(&doc);
    std::vector<CAxesFollow> follow;
    for (CSorvView* view : views)
        follow.push_back(AxesFollowing(view->Settings(), doc));
    std::shared_ptr<const CDocData> old = doc.SharedData();
    doc.Publish(std::move(data));
    KeepFollowing(doc, follow);
    for (std::size_t i = 0; i < views.size(); ++i)
        views[i]->OnReload(follow[i]);
    // The old data may be large: it is freed off the window's thread (or by
    // the last drawing that still reads it).
    CWorkerPool::Instance().Post([old = std::move(old)]() mutable { old.reset(); });
}

const ReadMark* CDocManager::GetMark(const CSorvDoc* doc) const
{
    const Entry* e = FindEntry(doc);
    return e ? &e->mark : nullptr;
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

void CDocManager::FollowLatest(CSorvDoc* doc, int columns)
{
    Entry* e = FindEntry(doc);
    if (!e || e->path.isEmpty())
        return;
    e->followColumns = columns;
    SetAutoUpdate(doc, true);
    ShowLastColumns(*doc, columns);
    for (CSorvView* view : e->views) {
        FollowRegion(view->Settings(), *doc);
        view->OnUpdate();
    }
}

void CDocManager::StopFollowing(const CSorvDoc* doc)
{
    if (Entry* e = FindEntry(doc))
        e->followColumns.reset();
}

bool CDocManager::IsFollowing(const CSorvDoc* doc) const
{
    const Entry* e = FindEntry(doc);
    return e && e->followColumns;
}

void CDocManager::FollowWhenOpened(const QString& path, int columns)
{
    const QString canonical = CanonicalPath(path);
    if (!canonical.isEmpty())
        m_followWhenOpened[canonical] = columns;
}

void CDocManager::KeepFollowing(CSorvDoc& doc, std::vector<CAxesFollow>& follow)
{
    const Entry* e = FindEntry(&doc);
    if (!e || !e->followColumns)
        return;
    ShowLastColumns(doc, *e->followColumns);
    for (CAxesFollow& f : follow)
        f.h = true;
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
    Entry* e = FindEntry(doc);
    if (!e)
        return;
    e->views.push_back(view);
    QObject::connect(view, &CSorvView::zoomedByUser, view, [this, doc] { StopFollowing(doc); });
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
