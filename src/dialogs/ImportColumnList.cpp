#include "dialogs/ImportColumnList.h"

#include "read/ColumnPicks.h"
#include "read/ReadFailure.h"

#include <algorithm>
#include <climits>

CImportColumnList::CImportColumnList(QWidget* parent) : QListWidget(parent)
{
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setMaximumHeight(80);
    connect(this, &QListWidget::itemChanged, this, &CImportColumnList::useChanged);
}

void CImportColumnList::SetColumns(const QStringList& names, const std::vector<ColumnPick>& use)
{
    const QSignalBlocker blocker(this);
    clear();
    const int count = std::min(int(names.size()), kMaxColumns);
    m_bCapped = names.size() > kMaxColumns;
    std::vector<char> used;
    ReadFailure failure;
    std::vector<std::string> header;
    for (const QString& name : names)
        header.push_back(name.toStdString());
    if (!ResolveColumnPicks(use, header, std::size_t(names.size()), used, failure))
        used.assign(std::size_t(names.size()), 1);
    for (int c = 0; c < count; ++c) {
        const QString text = names.at(c).isEmpty() ? QString::number(c + 1)
                                                   : QStringLiteral("%1: %2").arg(c + 1).arg(names.at(c));
        auto* item = new QListWidgetItem(text, this);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        item->setCheckState(used[std::size_t(c)] ? Qt::Checked : Qt::Unchecked);
    }
}

std::vector<ColumnPick> CImportColumnList::Use() const
{
    std::vector<ColumnPick> use;
    bool all = true;
    for (int c = 0; c < count(); ++c) {
        if (item(c)->checkState() != Qt::Checked) {
            all = false;
            continue;
        }
        if (!use.empty() && use.back().last == c - 1)
            use.back().last = c;
        else
            use.push_back({c, c, {}});
    }
    if (all)
        return {};
    // The columns without a check box are read.
    if (m_bCapped && !use.empty() && use.back().last == count() - 1)
        use.back().last = INT_MAX;
    else if (m_bCapped)
        use.push_back({count(), INT_MAX, {}});
    return use;
}
