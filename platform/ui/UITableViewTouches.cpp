// Touches on rows: highlight on touch down, selection on touch up, and the driver's row tap.
#include "platform/ui/UITableView.h"

#include "platform/foundation/DebugLog.h"
#include "platform/ui/UITouch.h"

namespace platform {

std::optional<IndexPath> UITableView::rowForTouch(const UITouch& touch)
{
    if (auto hit = touch.view()) {
        for (const auto& [indexPath, cell] : m_visibleCells) {
            if (hit->isDescendant(*cell)) {
                return indexPath;
            }
        }
    }
    return std::nullopt;
}

void UITableView::touchesBegan(const UITouchList& touches, const std::shared_ptr<UIEvent>&)
{
    if (touches.empty() || m_touchedRow) {
        return;
    }
    if (auto row = rowForTouch(*touches.front())) {
        rowTouchDown(*row);
    }
}

void UITableView::touchesMoved(const UITouchList& touches, const std::shared_ptr<UIEvent>&)
{
    if (touches.empty() || !m_touchedRow) {
        return;
    }
    // A finger that wanders off its row gives the row up.
    auto cell = m_visibleCells.find(*m_touchedRow);
    auto self = sharedFromThis<UIView>();
    if (cell == m_visibleCells.end() || !cell->second->frame().contains(touches.front()->location(self))) {
        cancelRowTouch();
    }
}

void UITableView::touchesEnded(const UITouchList& touches, const std::shared_ptr<UIEvent>&)
{
    if (touches.empty() || !m_touchedRow) {
        return;
    }
    auto row = *m_touchedRow;
    auto self = sharedFromThis<UIView>();
    auto cell = m_visibleCells.find(row);
    if (cell == m_visibleCells.end() || !cell->second->frame().contains(touches.front()->location(self))) {
        cancelRowTouch();
        return;
    }
    rowTouchUp(row);
}

void UITableView::touchesCancelled(const UITouchList&, const std::shared_ptr<UIEvent>&)
{
    cancelRowTouch();
}

void UITableView::rowTouchDown(const IndexPath& indexPath)
{
    if (!m_allowsSelection) {
        return;
    }
    m_touchedRow = indexPath;
    if (auto found = m_visibleCells.find(indexPath); found != m_visibleCells.end()) {
        found->second->setHighlighted(true, false);
    }
}

void UITableView::rowTouchUp(const IndexPath& indexPath)
{
    if (m_touchedRow != indexPath) {
        return;
    }
    m_touchedRow.reset();
    if (auto found = m_visibleCells.find(indexPath); found != m_visibleCells.end()) {
        found->second->setHighlighted(false, false);
    }
    selectByUser(indexPath);
}

void UITableView::cancelRowTouch()
{
    if (!m_touchedRow) {
        return;
    }
    auto row = *m_touchedRow;
    m_touchedRow.reset();
    if (auto found = m_visibleCells.find(row); found != m_visibleCells.end()) {
        found->second->setHighlighted(false, false);
    }
}

void UITableView::selectByUser(const IndexPath& indexPath)
{
    auto keepAlive = sharedFromThis<UITableView>();
    if (!isValid(indexPath)) {
        return;
    }
    if (m_selectedRow && *m_selectedRow != indexPath) {
        IndexPath previous = *m_selectedRow;
        deselectRow(previous, false);
        if (auto listener = delegate()) {
            listener->didDeselectRowAt(*this, previous);
        }
    }
    m_selectedRow = indexPath;
    if (auto found = m_visibleCells.find(indexPath); found != m_visibleCells.end()) {
        found->second->setSelected(true, false);
    }
    if (auto listener = delegate()) {
        listener->didSelectRowAt(*this, indexPath);
    }
}

void UITableView::userTapRow(const IndexPath& indexPath)
{
    auto keepAlive = sharedFromThis<UITableView>();
    updateVisibleCells();
    if (!isValid(indexPath)) {
        debugLog("UITableView: cannot tap the row " + indexPath.description() + ", which does not exist");
        return;
    }
    if (!m_visibleCells.count(indexPath)) {
        scrollToRow(indexPath, UITableViewScrollPosition::none, false);
    }
    cancelRowTouch();
    rowTouchDown(indexPath);
    rowTouchUp(indexPath);
}

} // namespace platform
