#pragma once
// Owns the open documents and knows the chart windows of each. A document
// lives while it has a window; closing its last window destroys it.

#include <QString>

#include <map>
#include <memory>
#include <vector>

class CSorvDoc;
class CSorvView;

class CDocManager {
public:
    CDocManager();
    ~CDocManager();
    CDocManager(const CDocManager&) = delete;
    CDocManager& operator=(const CDocManager&) = delete;

    // The open document read from path, if any.
    CSorvDoc* FindDocument(const QString& path) const;
    // Reads path into a new document; nullptr and the reason on failure.
    CSorvDoc* OpenDocumentFile(const QString& path, QString& error);

    void AddView(CSorvDoc* doc, CSorvView* view);
    // Forgets the view; the document goes with its last view.
    void RemoveView(CSorvView* view);
    // The views of doc in the order they were opened.
    std::vector<CSorvView*> GetViews(const CSorvDoc* doc) const;
    int GetDocumentCount() const { return int(m_docs.size()); }

private:
    struct Entry {
        std::unique_ptr<CSorvDoc> doc;
        QString path;
        std::vector<CSorvView*> views;
    };
    Entry* FindEntry(const CSorvDoc* doc);
    const Entry* FindEntry(const CSorvDoc* doc) const;

    std::vector<Entry> m_docs;
};
