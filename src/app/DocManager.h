#pragma once
// Owns the open documents and knows the chart windows of each, how each was
// read, whether it follows its file and whether it follows its latest data.
// A document lives while it has a window; closing its last window destroys it.

#include "read/ReadRequest.h"

#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class CFileWatch;
class CDocData;
class CSorvDoc;
class CSorvView;
struct CAxesFollow;

class CDocManager {
public:
    CDocManager();
    ~CDocManager();
    CDocManager(const CDocManager&) = delete;
    CDocManager& operator=(const CDocManager&) = delete;

    // The open document read from path, if any (never one of standard input).
    CSorvDoc* FindDocument(const QString& path) const;
    // Takes a document read for request, mark where the read stopped; it
    // lives while it has a window.
    CSorvDoc* AddDocument(std::unique_ptr<CSorvDoc> doc, const ReadRequest& request, const ReadMark& mark = {});
    // How doc was read: its file and the import options.
    const ReadRequest* GetRequest(const CSorvDoc* doc) const;
    bool IsOpen(const CSorvDoc* doc) const { return FindEntry(doc) != nullptr; }

    // The one way a document's data changes after it was opened: doc
    // publishes data read again or appended to (drawings in flight keep
    // theirs), the views' axes that were the document's follow its new range
    // and region (its last columns while it follows its latest data), and all
    // of them are drawn again, each keeping its other settings. mark is where
    // the read stopped.
    void ReplaceDocument(CSorvDoc& doc, std::shared_ptr<const CDocData> data, const ReadMark& mark);
    // Where the last read of doc's file stopped.
    const ReadMark* GetMark(const CSorvDoc* doc) const;

    // Automatic update: the file is watched and onChanged(doc) is called
    // after it changed.
    void SetAutoUpdate(CSorvDoc* doc, bool on);
    bool IsAutoUpdate(const CSorvDoc* doc) const;
    std::function<void(CSorvDoc*)> m_fnFileChanged;

    // Following the latest data (a document read from a file): the region
    // shows the last columns columns (every column for 0) now and after every
    // new read, the windows' H axes with it, and the file is watched. A zoom
    // or a region chosen by the user ends it; automatic update stays.
    void FollowLatest(CSorvDoc* doc, int columns);
    void StopFollowing(const CSorvDoc* doc);
    bool IsFollowing(const CSorvDoc* doc) const;
    // The document read from path next starts following its last columns.
    void FollowWhenOpened(const QString& path, int columns);

    void AddView(CSorvDoc* doc, CSorvView* view);
    // Forgets the view; the document goes with its last view.
    void RemoveView(CSorvView* view);
    // The views of doc in the order they were opened.
    std::vector<CSorvView*> GetViews(const CSorvDoc* doc) const;
    int GetDocumentCount() const { return int(m_docs.size()); }

private:
    struct Entry {
        std::unique_ptr<CSorvDoc> doc;
        ReadRequest request;
        QString path;   // canonical; empty for standard input
        std::vector<CSorvView*> views;
        std::unique_ptr<CFileWatch> watch;
        std::optional<int> followColumns;  // following the latest data
        ReadMark mark;
    };
    Entry* FindEntry(const CSorvDoc* doc);
    const Entry* FindEntry(const CSorvDoc* doc) const;
    // After doc took new data: a document that follows its latest data shows
    // its last columns, and every window's H axis follows them.
    void KeepFollowing(CSorvDoc& doc, std::vector<CAxesFollow>& follow);

    std::vector<Entry> m_docs;
    std::map<QString, int> m_followWhenOpened;  // canonical paths
};
