#pragma once
// UITableView: a vertical list of rows in sections, scrolling through a window of cells.
//
// Data: the data source (weak) gives the counts, the header titles and, for each row that becomes
// visible, a cell; the delegate (weak; also the scroll-view delegate) gives heights and header
// views and hears of display and selection. Counts and heights are read when the data loads: at the
// first layout or query, and at once in reloadData. Cells are asked for only when their rows
// become visible.
//
// Geometry: the optional table header view, then each section's header and rows, then the optional
// table footer view, stacked from y 0 in content coordinates; the content size follows. A row of
// automatic height (UITableViewAutomaticDimension) counts with its estimated height until its cell
// is made, and is then measured once per table width: through the content view's constraints when
// the cell has any, else through the cell's sizeThatFits.
//
// Reuse: cells of rows that leave the visible area go to a pool by reuse identifier;
// dequeueReusableCell hands them out again (after prepareForReuse) or makes a new one from the
// class factory or nib registered for the identifier.
//
// Selection: one row at most. A touch on a row highlights its cell; lifting the finger on the same
// row deselects the previous row (didDeselectRowAt), selects this one and calls didSelectRowAt.
// selectRow / deselectRow change the selection without calling the delegate.
#include "platform/foundation/Bundle.h"
#include "platform/ui/IndexPath.h"
#include "platform/ui/UIScrollView.h"
#include "platform/ui/UITableViewCell.h"
#include "platform/ui/UITableViewDataSource.h"
#include "platform/ui/UITableViewDelegate.h"
#include "platform/ui/UITableViewTypes.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

class UITableView : public UIScrollView {
public:
    // Makes a new cell for a registered reuse identifier.
    using CellFactory = std::function<std::shared_ptr<UITableViewCell>(const std::string& reuseIdentifier)>;

    static constexpr double defaultRowHeight = 44;

    explicit UITableView(const CGRect& frame = CGRect(), UITableViewStyle style = UITableViewStyle::plain);
    ~UITableView() override;

    UITableViewStyle style() const { return m_style; }

    std::shared_ptr<UITableViewDataSource> dataSource() const { return m_dataSource.lock(); }
    void setDataSource(std::weak_ptr<UITableViewDataSource> dataSource);
    // The scroll-view delegate when it is a table delegate.
    std::shared_ptr<UITableViewDelegate> delegate() const;
    void setDelegate(std::weak_ptr<UITableViewDelegate> delegate);

    // --- heights (points; UITableViewAutomaticDimension where noted) ---
    // Default 44; may be automatic. Negative values other than automatic, and non-finite ones, are
    // logged and ignored (as for the two below).
    double rowHeight() const { return m_rowHeight; }
    void setRowHeight(double height);
    // Height assumed for unmeasured automatic rows. Default automatic, which means 44.
    double estimatedRowHeight() const { return m_estimatedRowHeight; }
    void setEstimatedRowHeight(double height);
    // Default automatic: the header view's height, or for a title 28 (plain) / 38 (grouped); without
    // either, 0 (plain) / 18 (grouped).
    double sectionHeaderHeight() const { return m_sectionHeaderHeight; }
    void setSectionHeaderHeight(double height);

    // --- appearance and behaviour ---
    UITableViewCellSeparatorStyle separatorStyle() const { return m_separatorStyle; }
    void setSeparatorStyle(UITableViewCellSeparatorStyle style);
    UIColorPtr separatorColor() const { return m_separatorColor; }
    void setSeparatorColor(UIColorPtr color);
    // When false, touches neither highlight nor select rows. Default true.
    bool allowsSelection() const { return m_allowsSelection; }
    void setAllowsSelection(bool allows) { m_allowsSelection = allows; }
    // Shown above the first section / below the last, full width at their own height (owned).
    const UIViewPtr& tableHeaderView() const { return m_tableHeaderView; }
    void setTableHeaderView(UIViewPtr view);
    const UIViewPtr& tableFooterView() const { return m_tableFooterView; }
    void setTableFooterView(UIViewPtr view);

    // --- cells ---
    // Registers (or replaces) how cells for `identifier` are made. A null factory removes it.
    void registerClass(CellFactory factory, const std::string& identifier);
    // Cells of class Cell, made with NSObject::create<Cell>(UITableViewCellStyle::default_, identifier).
    template <class Cell>
    void registerClass(const std::string& identifier)
    {
        registerClass(
            [](const std::string& reuseIdentifier) -> std::shared_ptr<UITableViewCell> {
                return NSObject::create<Cell>(UITableViewCellStyle::default_,
                                              std::optional<std::string>(reuseIdentifier));
            },
            identifier);
    }
    // Cells from the nib `nibName` of `bundle`: the first top-level object that is a
    // UITableViewCell. Nib builders return their top-level objects as std::shared_ptr<NSObject>
    // converted to std::shared_ptr<void>. A missing nib is logged when a cell is needed.
    void registerNib(const std::shared_ptr<Bundle>& bundle, const std::string& nibName, const std::string& identifier);
    // A pooled cell for `identifier` (after prepareForReuse), else a new one from its registration;
    // null when neither exists.
    std::shared_ptr<UITableViewCell> dequeueReusableCell(const std::string& identifier);
    // The same for a row; an identifier with no registration and no pooled cell is a misuse (logged,
    // null).
    std::shared_ptr<UITableViewCell> dequeueReusableCell(const std::string& identifier, const IndexPath& indexPath);

    // --- data ---
    // Drops the visible cells into the pool, clears the selection and measured heights, and reads
    // the counts and heights again at once; cells come at the next layout or query.
    void reloadData();
    int numberOfSections();
    // 0 for a section out of range.
    int numberOfRows(int section);

    // --- geometry (content coordinates) ---
    // Null for a row or section out of range.
    CGRect rectForRow(const IndexPath& indexPath);
    CGRect rectForHeaderInSection(int section);
    // The row under `point`, if any.
    std::optional<IndexPath> indexPathForRow(CGPoint point);
    // The row a visible cell shows.
    std::optional<IndexPath> indexPathForCell(const UITableViewCell& cell);

    // --- visible rows (brought up to date with the current offset first) ---
    // Null unless the row is visible.
    std::shared_ptr<UITableViewCell> cellForRow(const IndexPath& indexPath);
    // In row order.
    std::vector<std::shared_ptr<UITableViewCell>> visibleCells();
    std::vector<IndexPath> indexPathsForVisibleRows();
    // The header view of a visible section header; null otherwise.
    UIViewPtr headerView(int section);
    // Scrolls so the row is at `position` (none: as little as needed), within the scrollable range.
    // A row out of range is logged and ignored.
    void scrollToRow(const IndexPath& indexPath, UITableViewScrollPosition position, bool animated);

    // --- selection ---
    const std::optional<IndexPath>& indexPathForSelectedRow() const { return m_selectedRow; }
    // Selects the row (none: clears the selection) without telling the delegate, scrolling it to
    // `position` unless that is none. A row out of range is logged and ignored.
    void selectRow(const std::optional<IndexPath>& indexPath, bool animated, UITableViewScrollPosition position);
    void deselectRow(const IndexPath& indexPath, bool animated);
    // What a user's tap on the row does (highlight, then select and tell the delegate), scrolling
    // it into view first when needed. For drivers; real touches reach the table through its cells.
    void userTapRow(const IndexPath& indexPath);

    void touchesBegan(const UITouchList& touches, const std::shared_ptr<UIEvent>& event) override;
    void touchesMoved(const UITouchList& touches, const std::shared_ptr<UIEvent>& event) override;
    void touchesEnded(const UITouchList& touches, const std::shared_ptr<UIEvent>& event) override;
    void touchesCancelled(const UITouchList& touches, const std::shared_ptr<UIEvent>& event) override;

    void layoutSubviews() override;

protected:
    void didCreate() override;
    void contentOffsetDidChange() override;

private:
    struct SectionLayout {
        std::optional<std::string> title;
        UIViewPtr headerView; // the delegate's, or one made for the title
        double headerTop = 0;
        double headerHeight = 0;
        std::vector<double> rowTops;
        std::vector<double> rowHeights;
        std::vector<bool> automaticRows;
        std::vector<bool> measuredRows; // automatic rows whose cell was measured at the loaded width
    };

    // Data and geometry.
    // Forgets the cells and the geometry; they are made again at the next layout or query.
    void invalidateData();
    void ensureDataLoaded();
    void loadData();
    void recomputePositions();
    bool isValid(const IndexPath& indexPath) const;
    double rowHeightFor(const IndexPath& indexPath, bool& automatic);
    double estimatedHeightFor(const IndexPath& indexPath);
    double headerHeightFor(int section, const SectionLayout& layout);
    UIViewPtr makeTitleHeaderView(const std::string& title) const;
    double measureCell(UITableViewCell& cell) const;
    std::vector<IndexPath> rowsIntersecting(const CGRect& area) const;
    CGRect rowRect(const IndexPath& indexPath) const;
    CGPoint offsetShowing(const CGRect& rect, UITableViewScrollPosition position) const;

    // Cells on screen.
    void updateVisibleCells();
    void recycle(const std::shared_ptr<UITableViewCell>& cell);
    void recycleAllVisible();
    void placeHeaders(const CGRect& visible);
    void placeTableHeaderAndFooter();
    std::shared_ptr<UITableViewCell> makeCell(const std::string& identifier);

    // Touches and user selection.
    std::optional<IndexPath> rowForTouch(const UITouch& touch);
    void rowTouchDown(const IndexPath& indexPath);
    void rowTouchUp(const IndexPath& indexPath);
    void cancelRowTouch();
    void selectByUser(const IndexPath& indexPath);

    UITableViewStyle m_style;
    std::weak_ptr<UITableViewDataSource> m_dataSource;
    double m_rowHeight = defaultRowHeight;
    double m_estimatedRowHeight = UITableViewAutomaticDimension;
    double m_sectionHeaderHeight = UITableViewAutomaticDimension;
    UITableViewCellSeparatorStyle m_separatorStyle = UITableViewCellSeparatorStyle::singleLine;
    UIColorPtr m_separatorColor;
    bool m_allowsSelection = true;
    UIViewPtr m_tableHeaderView;
    UIViewPtr m_tableFooterView;

    std::map<std::string, CellFactory> m_factories;
    std::map<std::string, std::vector<std::shared_ptr<UITableViewCell>>> m_reusePool;

    bool m_dataLoaded = false;
    double m_loadedWidth = -1;
    bool m_loadingData = false;
    std::vector<SectionLayout> m_sections;
    double m_sectionsEnd = 0; // where the last section ends (the table footer's top)
    // The table header and footer heights the positions were computed with.
    double m_laidOutHeaderHeight = 0;
    double m_laidOutFooterHeight = 0;
    std::map<IndexPath, std::shared_ptr<UITableViewCell>> m_visibleCells;
    std::map<int, UIViewPtr> m_visibleHeaders;
    bool m_updatingCells = false;

    std::optional<IndexPath> m_selectedRow;
    std::optional<IndexPath> m_touchedRow;
};

} // namespace platform
