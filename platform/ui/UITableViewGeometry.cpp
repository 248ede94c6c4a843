// The table view's data and geometry: counts, heights, where rows and headers lie.
#include "platform/ui/UITableView.h"

#include "platform/foundation/ClassicNumbers.h"
#include "platform/foundation/DebugLog.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

constexpr double plainTitleHeaderHeight = 28;
constexpr double groupedTitleHeaderHeight = 38;
constexpr double groupedSectionSpacing = 18;

bool hasConstraints(const UIView& view)
{
    if (!view.constraints().empty()) {
        return true;
    }
    return std::any_of(view.subviews().begin(), view.subviews().end(),
                       [](const UIViewPtr& subview) { return hasConstraints(*subview); });
}

} // namespace

void UITableView::ensureDataLoaded()
{
    if (m_loadingData) {
        return;
    }
    if (!m_dataLoaded) {
        if (!m_updatingCells) {
            loadData();
        }
        return;
    }
    double width = bounds().width();
    if (width == m_loadedWidth) {
        // The table header or footer may have changed its height since.
        double header = m_tableHeaderView ? m_tableHeaderView->frame().height() : 0;
        double footer = m_tableFooterView ? m_tableFooterView->frame().height() : 0;
        if (header != m_laidOutHeaderHeight || footer != m_laidOutFooterHeight) {
            recomputePositions();
        }
        return;
    }
    // Automatic rows were measured for another width: back to their estimates until shown again.
    m_loadedWidth = width;
    for (int section = 0; section < static_cast<int>(m_sections.size()); ++section) {
        auto& layout = m_sections[section];
        for (std::size_t row = 0; row < layout.rowHeights.size(); ++row) {
            if (layout.automaticRows[row]) {
                layout.measuredRows[row] = false;
                layout.rowHeights[row] = estimatedHeightFor(IndexPath::forRow(static_cast<int>(row), section));
            }
        }
    }
    recomputePositions();
}

void UITableView::loadData()
{
    auto keepAlive = sharedFromThis<UITableView>();
    m_loadingData = true;
    std::vector<SectionLayout> sections;
    auto source = dataSource();
    auto listener = delegate();
    if (source) {
        int sectionCount = std::max(0, source->numberOfSections(*this));
        sections.resize(static_cast<std::size_t>(sectionCount));
        for (int section = 0; section < sectionCount; ++section) {
            auto& layout = sections[static_cast<std::size_t>(section)];
            layout.title = source->titleForHeaderInSection(*this, section);
            if (listener) {
                layout.headerView = listener->viewForHeaderInSection(*this, section);
            }
            int rows = std::max(0, source->numberOfRowsInSection(*this, section));
            layout.rowTops.assign(static_cast<std::size_t>(rows), 0);
            layout.rowHeights.assign(static_cast<std::size_t>(rows), 0);
            layout.automaticRows.assign(static_cast<std::size_t>(rows), false);
            layout.measuredRows.assign(static_cast<std::size_t>(rows), false);
            for (int row = 0; row < rows; ++row) {
                bool automatic = false;
                layout.rowHeights[static_cast<std::size_t>(row)] =
                    rowHeightFor(IndexPath::forRow(row, section), automatic);
                layout.automaticRows[static_cast<std::size_t>(row)] = automatic;
            }
            layout.headerHeight = headerHeightFor(section, layout);
            if (!layout.headerView && layout.headerHeight > 0 && layout.title && !layout.title->empty()) {
                layout.headerView = makeTitleHeaderView(*layout.title);
            }
        }
    }
    m_sections = std::move(sections);
    m_loadingData = false;
    m_dataLoaded = true;
    m_loadedWidth = bounds().width();

    // Cells, headers and a selection left from before that no longer have a row are dropped.
    for (auto it = m_visibleCells.begin(); it != m_visibleCells.end();) {
        if (isValid(it->first)) {
            ++it;
            continue;
        }
        auto cell = it->second;
        it = m_visibleCells.erase(it);
        recycle(cell);
    }
    for (const auto& [section, header] : m_visibleHeaders) {
        header->removeFromSuperview();
    }
    m_visibleHeaders.clear();
    if (m_selectedRow && !isValid(*m_selectedRow)) {
        m_selectedRow.reset();
    }
    recomputePositions();
}

double UITableView::rowHeightFor(const IndexPath& indexPath, bool& automatic)
{
    auto listener = delegate();
    double height = listener ? listener->heightForRowAt(*this, indexPath) : m_rowHeight;
    if (height == UITableViewAutomaticDimension) {
        automatic = true;
        return estimatedHeightFor(indexPath);
    }
    automatic = false;
    if (!std::isfinite(height) || height < 0) {
        debugLog("UITableView: the row " + indexPath.description() + " has the invalid height " +
                 classicNumber(height) + "; using 0");
        return 0;
    }
    return height;
}

double UITableView::estimatedHeightFor(const IndexPath& indexPath)
{
    auto listener = delegate();
    double estimate = listener ? listener->estimatedHeightForRowAt(*this, indexPath) : m_estimatedRowHeight;
    return std::isfinite(estimate) && estimate > 0 ? estimate : defaultRowHeight;
}

double UITableView::headerHeightFor(int section, const SectionLayout& layout)
{
    auto listener = delegate();
    double height = listener ? listener->heightForHeaderInSection(*this, section) : m_sectionHeaderHeight;
    if (height != UITableViewAutomaticDimension) {
        return std::isfinite(height) && height >= 0 ? height : 0;
    }
    bool plain = m_style == UITableViewStyle::plain;
    if (layout.headerView) {
        double own = layout.headerView->frame().height();
        return own > 0 ? own : (plain ? plainTitleHeaderHeight : groupedTitleHeaderHeight);
    }
    if (layout.title && !layout.title->empty()) {
        return plain ? plainTitleHeaderHeight : groupedTitleHeaderHeight;
    }
    return plain ? 0 : groupedSectionSpacing;
}

UIViewPtr UITableView::makeTitleHeaderView(const std::string& title) const
{
    bool plain = m_style == UITableViewStyle::plain;
    auto header = NSObject::create<UIView>(CGRect(0, 0, bounds().width(), plainTitleHeaderHeight));
    header->setBackgroundColor(plain ? UIColor::create(247 / 255.0, 247 / 255.0, 247 / 255.0) : UIColor::clear());
    auto label = NSObject::create<UILabel>();
    label->setText(title);
    label->setFont(plain ? UIFont::boldSystemFont(17) : UIFont::systemFont(13));
    label->setTextColor(plain ? UIColor::black() : UIColor::colorWithWhite(0.43));
    label->setAutoresizingMask(UIViewAutoresizing::flexibleWidth | UIViewAutoresizing::flexibleHeight);
    label->setFrame(CGRect(15, 0, std::max(0.0, bounds().width() - 30), plainTitleHeaderHeight));
    header->addSubview(label);
    return header;
}

void UITableView::recomputePositions()
{
    m_laidOutHeaderHeight = m_tableHeaderView ? m_tableHeaderView->frame().height() : 0;
    m_laidOutFooterHeight = m_tableFooterView ? m_tableFooterView->frame().height() : 0;
    double y = m_laidOutHeaderHeight;
    for (auto& layout : m_sections) {
        layout.headerTop = y;
        y += layout.headerHeight;
        for (std::size_t row = 0; row < layout.rowHeights.size(); ++row) {
            layout.rowTops[row] = y;
            y += layout.rowHeights[row];
        }
    }
    m_sectionsEnd = y;
    setContentSize({bounds().width(), y + m_laidOutFooterHeight});
}

double UITableView::measureCell(UITableViewCell& cell) const
{
    double width = bounds().width();
    CGRect frame = cell.frame();
    cell.setFrame({0, frame.minY(), width, frame.height()});
    cell.layoutIfNeeded();
    double height;
    if (hasConstraints(cell)) {
        const auto& content = cell.contentView();
        height = content->systemLayoutSizeFitting({content->bounds().width(), 0}).height;
    } else {
        height = cell.sizeThatFits({width, 0}).height;
    }
    return std::isfinite(height) && height >= 0 ? height : UITableViewCell::defaultHeight;
}

bool UITableView::isValid(const IndexPath& indexPath) const
{
    return indexPath.section >= 0 && indexPath.section < static_cast<int>(m_sections.size()) && indexPath.row >= 0 &&
           indexPath.row < static_cast<int>(m_sections[static_cast<std::size_t>(indexPath.section)].rowHeights.size());
}

CGRect UITableView::rowRect(const IndexPath& indexPath) const
{
    const auto& layout = m_sections[static_cast<std::size_t>(indexPath.section)];
    auto row = static_cast<std::size_t>(indexPath.row);
    return {0, layout.rowTops[row], bounds().width(), layout.rowHeights[row]};
}

std::vector<IndexPath> UITableView::rowsIntersecting(const CGRect& area) const
{
    std::vector<IndexPath> rows;
    for (int section = 0; section < static_cast<int>(m_sections.size()); ++section) {
        const auto& layout = m_sections[static_cast<std::size_t>(section)];
        // The first row that could reach into the area: the last one starting at or above its top.
        auto first = std::upper_bound(layout.rowTops.begin(), layout.rowTops.end(), area.minY());
        std::size_t row =
            first == layout.rowTops.begin() ? 0 : static_cast<std::size_t>(first - layout.rowTops.begin()) - 1;
        for (; row < layout.rowTops.size() && layout.rowTops[row] < area.maxY(); ++row) {
            double height = layout.rowHeights[row];
            if (height > 0 && layout.rowTops[row] + height > area.minY()) {
                rows.push_back(IndexPath::forRow(static_cast<int>(row), section));
            }
        }
    }
    return rows;
}

CGRect UITableView::rectForRow(const IndexPath& indexPath)
{
    ensureDataLoaded();
    return isValid(indexPath) ? rowRect(indexPath) : CGRect::null();
}

CGRect UITableView::rectForHeaderInSection(int section)
{
    ensureDataLoaded();
    if (section < 0 || section >= static_cast<int>(m_sections.size())) {
        return CGRect::null();
    }
    const auto& layout = m_sections[static_cast<std::size_t>(section)];
    return {0, layout.headerTop, bounds().width(), layout.headerHeight};
}

std::optional<IndexPath> UITableView::indexPathForRow(CGPoint point)
{
    ensureDataLoaded();
    for (const auto& indexPath : rowsIntersecting({0, point.y, bounds().width(), 0.0001})) {
        if (rowRect(indexPath).contains({0, point.y})) {
            return indexPath;
        }
    }
    return std::nullopt;
}

std::optional<IndexPath> UITableView::indexPathForCell(const UITableViewCell& cell)
{
    for (const auto& [indexPath, visible] : m_visibleCells) {
        if (visible.get() == &cell) {
            return indexPath;
        }
    }
    return std::nullopt;
}

CGPoint UITableView::offsetShowing(const CGRect& rect, UITableViewScrollPosition position) const
{
    CGPoint offset = contentOffset();
    UIEdgeInsets inset = contentInset();
    double height = bounds().height();
    double visibleHeight = height - inset.top - inset.bottom;
    double top = rect.minY() - inset.top;
    double bottom = rect.maxY() - height + inset.bottom;
    double y = offset.y;
    switch (position) {
    case UITableViewScrollPosition::top: y = top; break;
    case UITableViewScrollPosition::middle: y = rect.midY() - inset.top - visibleHeight / 2; break;
    case UITableViewScrollPosition::bottom: y = bottom; break;
    case UITableViewScrollPosition::none:
        if (rect.minY() < offset.y + inset.top || rect.height() > visibleHeight) {
            y = top;
        } else if (rect.maxY() > offset.y + height - inset.bottom) {
            y = bottom;
        }
        break;
    }
    y = std::clamp(y, minimumContentOffset().y, maximumContentOffset().y);
    return {offset.x, y};
}

} // namespace platform
