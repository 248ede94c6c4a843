// The table view's properties, cell registration and reuse, reloading and selection.
#include "platform/ui/UITableView.h"

#include "platform/foundation/ClassicNumbers.h"
#include "platform/foundation/DebugLog.h"
#include "platform/foundation/NibRegistry.h"

#include <cmath>

namespace platform {

namespace {

// Cells kept per reuse identifier; more than a screenful is never needed.
constexpr std::size_t maximumPooledCells = 64;

bool isValidHeightSetting(double height)
{
    return std::isfinite(height) && (height >= 0 || height == UITableViewAutomaticDimension);
}

std::shared_ptr<UITableViewCell> firstCell(const NibRegistry::TopLevelObjects& objects)
{
    for (const auto& object : objects) {
        auto cell = std::dynamic_pointer_cast<UITableViewCell>(std::static_pointer_cast<NSObject>(object));
        if (cell) {
            return cell;
        }
    }
    return nullptr;
}

} // namespace

UITableView::UITableView(const CGRect& frame, UITableViewStyle style) : UIScrollView(frame), m_style(style) {}

UITableView::~UITableView() = default;

void UITableView::didCreate()
{
    UIScrollView::didCreate();
    setBackgroundColor(m_style == UITableViewStyle::plain ? UIColor::white()
                                                          : UIColor::create(239 / 255.0, 239 / 255.0, 244 / 255.0));
    m_separatorColor = UIColor::create(200 / 255.0, 199 / 255.0, 204 / 255.0);
}

void UITableView::setDataSource(std::weak_ptr<UITableViewDataSource> dataSource)
{
    m_dataSource = std::move(dataSource);
    invalidateData();
}

std::shared_ptr<UITableViewDelegate> UITableView::delegate() const
{
    return std::dynamic_pointer_cast<UITableViewDelegate>(UIScrollView::delegate());
}

void UITableView::setDelegate(std::weak_ptr<UITableViewDelegate> delegate)
{
    UIScrollView::setDelegate(std::weak_ptr<UIScrollViewDelegate>(delegate));
    invalidateData();
}

void UITableView::setRowHeight(double height)
{
    if (!isValidHeightSetting(height)) {
        debugLog("UITableView: ignoring the row height " + classicNumber(height));
        return;
    }
    m_rowHeight = height;
    m_dataLoaded = false;
    setNeedsLayout();
}

void UITableView::setEstimatedRowHeight(double height)
{
    if (!isValidHeightSetting(height)) {
        debugLog("UITableView: ignoring the estimated row height " + classicNumber(height));
        return;
    }
    m_estimatedRowHeight = height;
    m_dataLoaded = false;
    setNeedsLayout();
}

void UITableView::setSectionHeaderHeight(double height)
{
    if (!isValidHeightSetting(height)) {
        debugLog("UITableView: ignoring the section header height " + classicNumber(height));
        return;
    }
    m_sectionHeaderHeight = height;
    m_dataLoaded = false;
    setNeedsLayout();
}

void UITableView::setSeparatorStyle(UITableViewCellSeparatorStyle style)
{
    m_separatorStyle = style;
    for (const auto& [indexPath, cell] : m_visibleCells) {
        cell->setSeparator(style == UITableViewCellSeparatorStyle::singleLine, m_separatorColor);
    }
}

void UITableView::setSeparatorColor(UIColorPtr color)
{
    m_separatorColor = std::move(color);
    setSeparatorStyle(m_separatorStyle);
}

void UITableView::setTableHeaderView(UIViewPtr view)
{
    if (m_tableHeaderView) {
        m_tableHeaderView->removeFromSuperview();
    }
    m_tableHeaderView = std::move(view);
    if (m_tableHeaderView) {
        addSubview(m_tableHeaderView);
    }
    if (m_dataLoaded) {
        recomputePositions();
    }
    setNeedsLayout();
}

void UITableView::setTableFooterView(UIViewPtr view)
{
    if (m_tableFooterView) {
        m_tableFooterView->removeFromSuperview();
    }
    m_tableFooterView = std::move(view);
    if (m_tableFooterView) {
        addSubview(m_tableFooterView);
    }
    if (m_dataLoaded) {
        recomputePositions();
    }
    setNeedsLayout();
}

// --- cells ---

void UITableView::registerClass(CellFactory factory, const std::string& identifier)
{
    if (!factory) {
        m_factories.erase(identifier);
        return;
    }
    m_factories[identifier] = std::move(factory);
}

void UITableView::registerNib(const std::shared_ptr<Bundle>& bundle, const std::string& nibName,
                              const std::string& identifier)
{
    if (!bundle || nibName.empty()) {
        debugLog("UITableView: registering a nib needs a bundle and a nib name");
        return;
    }
    registerClass(
        [bundle, nibName](const std::string&) -> std::shared_ptr<UITableViewCell> {
            auto objects = NibRegistry::instantiate(bundle, nibName);
            if (!objects) {
                return nullptr;
            }
            auto cell = firstCell(*objects);
            if (!cell) {
                debugLog("UITableView: the nib \"" + nibName + "\" holds no table view cell");
            }
            return cell;
        },
        identifier);
}

std::shared_ptr<UITableViewCell> UITableView::makeCell(const std::string& identifier)
{
    auto found = m_factories.find(identifier);
    if (found == m_factories.end()) {
        return nullptr;
    }
    auto factory = found->second; // a copy: the factory may register cells itself
    auto cell = factory(identifier);
    if (cell) {
        cell->setReuseIdentifier(identifier);
    }
    return cell;
}

std::shared_ptr<UITableViewCell> UITableView::dequeueReusableCell(const std::string& identifier)
{
    auto pooled = m_reusePool.find(identifier);
    if (pooled != m_reusePool.end() && !pooled->second.empty()) {
        auto cell = pooled->second.back();
        pooled->second.pop_back();
        cell->prepareForReuse();
        return cell;
    }
    return makeCell(identifier);
}

std::shared_ptr<UITableViewCell> UITableView::dequeueReusableCell(const std::string& identifier,
                                                                  const IndexPath& indexPath)
{
    auto cell = dequeueReusableCell(identifier);
    if (!cell) {
        debugLog("UITableView: no cell could be made for the reuse identifier \"" + identifier + "\" (row " +
                 indexPath.description() + ")");
    }
    return cell;
}

void UITableView::recycle(const std::shared_ptr<UITableViewCell>& cell)
{
    cell->removeFromSuperview();
    const auto& identifier = cell->reuseIdentifier();
    if (!identifier) {
        return;
    }
    auto& pool = m_reusePool[*identifier];
    if (pool.size() < maximumPooledCells) {
        pool.push_back(cell);
    }
}

void UITableView::recycleAllVisible()
{
    auto cells = std::move(m_visibleCells);
    m_visibleCells.clear();
    for (const auto& [indexPath, cell] : cells) {
        recycle(cell);
    }
    for (const auto& [section, header] : m_visibleHeaders) {
        header->removeFromSuperview();
    }
    m_visibleHeaders.clear();
}

// --- data ---

void UITableView::invalidateData()
{
    recycleAllVisible();
    m_sections.clear();
    m_dataLoaded = false;
    setNeedsLayout();
}

void UITableView::reloadData()
{
    auto keepAlive = sharedFromThis<UITableView>();
    recycleAllVisible();
    m_selectedRow.reset();
    m_touchedRow.reset();
    m_sections.clear();
    m_dataLoaded = false;
    // Inside a data-source callback the data loads once that callback is over.
    if (!m_updatingCells && !m_loadingData) {
        loadData();
    }
    setNeedsLayout();
}

int UITableView::numberOfSections()
{
    ensureDataLoaded();
    return static_cast<int>(m_sections.size());
}

int UITableView::numberOfRows(int section)
{
    ensureDataLoaded();
    if (section < 0 || section >= static_cast<int>(m_sections.size())) {
        return 0;
    }
    return static_cast<int>(m_sections[section].rowHeights.size());
}

// --- selection ---

void UITableView::selectRow(const std::optional<IndexPath>& indexPath, bool animated,
                            UITableViewScrollPosition position)
{
    ensureDataLoaded();
    if (indexPath && !isValid(*indexPath)) {
        debugLog("UITableView: cannot select the row " + indexPath->description() + ", which does not exist");
        return;
    }
    if (m_selectedRow && m_selectedRow != indexPath) {
        deselectRow(*m_selectedRow, animated);
    }
    if (!indexPath) {
        return;
    }
    m_selectedRow = indexPath;
    if (auto found = m_visibleCells.find(*indexPath); found != m_visibleCells.end()) {
        found->second->setSelected(true, animated);
    }
    if (position != UITableViewScrollPosition::none) {
        scrollToRow(*indexPath, position, animated);
    }
}

void UITableView::deselectRow(const IndexPath& indexPath, bool animated)
{
    if (m_selectedRow != indexPath) {
        return;
    }
    m_selectedRow.reset();
    if (auto found = m_visibleCells.find(indexPath); found != m_visibleCells.end()) {
        found->second->setSelected(false, animated);
    }
}

} // namespace platform
