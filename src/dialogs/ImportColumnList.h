#pragma once
// The import dialog's check box for each column of the file: the columns
// left unchecked are left out of the import.

#include "read/ImportOptions.h"

#include <QListWidget>

#include <string>
#include <vector>

class CImportColumnList : public QListWidget {
    Q_OBJECT
public:
    // Columns beyond this many have no check box and are always read.
    static constexpr int kMaxColumns = 1000;

    explicit CImportColumnList(QWidget* parent = nullptr);

    // One check box per column, named by its header name (decoded) if any;
    // the columns that use picks (all when it is empty) are checked.
    void SetColumns(const QStringList& names, const std::vector<ColumnPick>& use);
    // The columns as checked: none when every one is.
    std::vector<ColumnPick> Use() const;

signals:
    void useChanged();

private:
    bool m_bCapped = false;   // the file has columns without a check box
};
