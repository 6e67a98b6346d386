#pragma once
// A data document: the data read from one data file (published whole, shared
// with the drawings that read it), its title and the region that the charts
// show.

#include "doc/DocSnapshot.h"

#include <functional>
#include <memory>
#include <string>

// The title of a document read from path: the file's name.
std::string DocumentTitle(const std::string& path);

class CSorvDoc : public CDocSnapshot {
public:
    // The data of a first read: whole-matrix region.
    void Adopt(std::shared_ptr<const CDocData> data);

    // The data of a new read of the same file; keeps the title and the views'
    // hooks. The region follows the data: the whole matrix stays whole,
    // columns that ended at the last column move with it (their number kept),
    // rows that ended at the last row take the new rows too; any other region
    // stays where it still lies inside the new matrix, else the whole matrix
    // is shown. The views are not told: the caller has each follow the new
    // data as its settings say.
    void Publish(std::shared_ptr<const CDocData> data);

    // The document as a drawing reads it, by value.
    CDocSnapshot Snapshot() const { return *this; }

    // Called after the region or the data changed, so that every view redraws.
    std::function<void()> m_fnUpdateAllViews;

    // The document's title: the file's name.
    const std::string& GetTitle() const { return m_strTitle; }
    void SetTitle(std::string title) { m_strTitle = std::move(title); }

    // Four zeros restore the whole matrix; anything else narrows the region to
    // its intersection with the given one. A result that would be inverted or
    // empty, and any change of an empty document, is refused: the region stays
    // and false is returned. Every view is redrawn after a change.
    bool SetRegion(int x1, int y1, int x2, int y2);

private:
    void ShowWholeMatrix();
    void UpdateAllViews() const;

    std::string m_strTitle;
};
