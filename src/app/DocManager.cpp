#include "app/DocManager.h"

#include "app/ReadFailureText.h"

#include "app/SorvView.h"
#include "doc/SorvDoc.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

CDocManager::CDocManager() = default;
CDocManager::~CDocManager() = default;

CSorvDoc* CDocManager::FindDocument(const QString& path) const
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    for (const Entry& e : m_docs)
        if (!canonical.isEmpty() && e.path == canonical)
            return e.doc.get();
    return nullptr;
}

CSorvDoc* CDocManager::OpenDocumentFile(const QString& path, QString& error)
{
    auto doc = std::make_unique<CSorvDoc>();
    std::string english;  // the command line's words; the window says it in its own
    if (!doc->ReadFile(QFile::encodeName(path).toStdString(), english)) {
        error = ReadFailureText(doc->GetReadFailure());
        return nullptr;
    }
    CSorvDoc* raw = doc.get();
    raw->m_fnStopAllViews = [this, raw] {
        for (CSorvView* view : GetViews(raw))
            view->StopDrawing();
    };
    raw->m_fnUpdateAllViews = [this, raw] {
        for (CSorvView* view : GetViews(raw))
            view->Invalidate();
    };
    m_docs.push_back({std::move(doc), QFileInfo(path).canonicalFilePath(), {}});
    return raw;
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
