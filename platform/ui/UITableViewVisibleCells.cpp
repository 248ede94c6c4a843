// The table view's cells on screen: which rows are visible, getting and measuring their cells,
// placing cells and headers, scrolling to rows.
#include "platform/ui/UITableView.h"

#include "platform/foundation/DebugLog.h"

#include <algorithm>
#include <set>

namespace platform {

namespace {

// Measuring automatic rows moves the rows below them; the visible set settles within a few rounds.
constexpr int maximumMeasuringRounds = 8;

} // namespace

void UITableView::layoutSubviews()
{
    UIScrollView::layoutSubviews();
    updateVisibleCells();
}

void UITableView::contentOffsetDidChange()
{
    setNeedsLayout();
}

void UITableView::updateVisibleCells()
{
    if (m_updatingCells || m_loadingData) {
        return;
    }
    auto keepAlive = sharedFromThis<UITableView>();
    ensureDataLoaded();
    m_updatingCells = true;
    auto source = dataSource();
    std::vector<IndexPath> newlyShown;
    for (int round = 0; round < maximumMeasuringRounds; ++round) {
        auto wanted = rowsIntersecting(bounds());
        std::set<IndexPath> wantedSet(wanted.begin(), wanted.end());
        // Rows that left first, so their cells can be dequeued for the rows that came.
        for (auto it = m_visibleCells.begin(); it != m_visibleCells.end();) {
            if (wantedSet.count(it->first)) {
                ++it;
                continue;
            }
            auto cell = it->second;
            it = m_visibleCells.erase(it);
            recycle(cell);
        }
        bool moved = false;
        for (const auto& indexPath : wanted) {
            auto found = m_visibleCells.find(indexPath);
            if (found == m_visibleCells.end()) {
                auto cell = source ? source->cellForRowAt(*this, indexPath) : nullptr;
                if (!m_dataLoaded || !isValid(indexPath)) {
                    if (cell) {
                        recycle(cell);
                    }
                    break; // the data source reloaded meanwhile
                }
                if (!cell) {
                    if (source) {
                        debugLog("UITableView: the data source gave no cell for the row " + indexPath.description());
                    }
                    continue;
                }
                cell->setSeparator(m_separatorStyle == UITableViewCellSeparatorStyle::singleLine, m_separatorColor);
                if (m_selectedRow == indexPath) {
                    cell->setSelected(true, false);
                }
                found = m_visibleCells.emplace(indexPath, cell).first;
                newlyShown.push_back(indexPath);
            }
            auto& layout = m_sections[static_cast<std::size_t>(indexPath.section)];
            auto row = static_cast<std::size_t>(indexPath.row);
            if (layout.automaticRows[row] && !layout.measuredRows[row]) {
                double height = measureCell(*found->second);
                layout.measuredRows[row] = true;
                if (height != layout.rowHeights[row]) {
                    layout.rowHeights[row] = height;
                    moved = true;
                }
            }
        }
        if (!m_dataLoaded || !moved) {
            break;
        }
        recomputePositions();
    }

    auto listener = delegate();
    // Cells at the back, so section headers stay over them.
    for (const auto& [indexPath, cell] : m_visibleCells) {
        cell->setFrame(rowRect(indexPath));
        if (cell->superview().get() != this) {
            if (listener && std::find(newlyShown.begin(), newlyShown.end(), indexPath) != newlyShown.end()) {
                listener->willDisplay(*this, *cell, indexPath);
            }
            insertSubview(cell, 0);
        }
    }
    placeHeaders(bounds());
    placeTableHeaderAndFooter();
    m_updatingCells = false;
    if (!m_dataLoaded) {
        updateVisibleCells(); // reloaded by a callback: fill with the new data
    }
}

void UITableView::placeHeaders(const CGRect& visible)
{
    // Plain tables keep a section's header pinned at the top of the visible area while the
    // section scrolls under it, until the section's end pushes it up and away.
    bool pins = m_style == UITableViewStyle::plain;
    double pinTop = visible.minY() + contentInset().top;
    std::map<int, UIViewPtr> shown;
    for (int section = 0; section < static_cast<int>(m_sections.size()); ++section) {
        const auto& layout = m_sections[static_cast<std::size_t>(section)];
        if (!layout.headerView || layout.headerHeight <= 0) {
            continue;
        }
        double sectionEnd = layout.rowTops.empty() ? layout.headerTop + layout.headerHeight
                                                   : layout.rowTops.back() + layout.rowHeights.back();
        double top = layout.headerTop;
        if (pins && top < pinTop) {
            top = std::max(layout.headerTop, std::min(pinTop, sectionEnd - layout.headerHeight));
        }
        CGRect rect{0, top, bounds().width(), layout.headerHeight};
        if (rect.maxY() <= visible.minY() || rect.minY() >= visible.maxY()) {
            continue;
        }
        layout.headerView->setFrame(rect);
        if (layout.headerView->superview().get() != this) {
            addSubview(layout.headerView);
        }
        shown.emplace(section, layout.headerView);
    }
    for (const auto& [section, header] : m_visibleHeaders) {
        if (!shown.count(section)) {
            header->removeFromSuperview();
        }
    }
    m_visibleHeaders = std::move(shown);
}

void UITableView::placeTableHeaderAndFooter()
{
    double width = bounds().width();
    if (m_tableHeaderView) {
        m_tableHeaderView->setFrame({0, 0, width, m_tableHeaderView->frame().height()});
    }
    if (m_tableFooterView) {
        m_tableFooterView->setFrame({0, m_sectionsEnd, width, m_tableFooterView->frame().height()});
    }
}

std::shared_ptr<UITableViewCell> UITableView::cellForRow(const IndexPath& indexPath)
{
    updateVisibleCells();
    auto found = m_visibleCells.find(indexPath);
    return found == m_visibleCells.end() ? nullptr : found->second;
}

std::vector<std::shared_ptr<UITableViewCell>> UITableView::visibleCells()
{
    updateVisibleCells();
    std::vector<std::shared_ptr<UITableViewCell>> cells;
    for (const auto& [indexPath, cell] : m_visibleCells) {
        cells.push_back(cell);
    }
    return cells;
}

std::vector<IndexPath> UITableView::indexPathsForVisibleRows()
{
    updateVisibleCells();
    std::vector<IndexPath> rows;
    for (const auto& [indexPath, cell] : m_visibleCells) {
        rows.push_back(indexPath);
    }
    return rows;
}

UIViewPtr UITableView::headerView(int section)
{
    updateVisibleCells();
    auto found = m_visibleHeaders.find(section);
    return found == m_visibleHeaders.end() ? nullptr : found->second;
}

void UITableView::scrollToRow(const IndexPath& indexPath, UITableViewScrollPosition position, bool animated)
{
    auto keepAlive = sharedFromThis<UITableView>();
    updateVisibleCells();
    if (!isValid(indexPath)) {
        debugLog("UITableView: cannot scroll to the row " + indexPath.description() + ", which does not exist");
        return;
    }
    CGPoint target = offsetShowing(rowRect(indexPath), position);
    setContentOffset(target, animated);
    if (animated) {
        return;
    }
    // Rows measured on the way in may have moved the row: aim once more.
    updateVisibleCells();
    if (isValid(indexPath)) {
        CGPoint corrected = offsetShowing(rowRect(indexPath), position);
        if (!(corrected == target)) {
            setContentOffset(corrected, false);
            updateVisibleCells();
        }
    }
}

} // namespace platform
