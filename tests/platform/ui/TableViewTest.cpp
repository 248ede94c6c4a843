#include "platform/foundation/Bundle.h"
#include "platform/foundation/DebugLog.h"
#include "platform/foundation/NibRegistry.h"
#include "platform/ui/NSLayoutAnchor.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UIEvent.h"
#include "platform/ui/UITableView.h"
#include "platform/ui/UITouch.h"
#include "ViewTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <unistd.h>
#include <set>
#include <string>
#include <vector>

namespace platform {
namespace {

using testsupport::TestWindowView;
using testsupport::ViewTest;

// A cell that records what the table does to it.
class RecordingCell : public UITableViewCell {
public:
    using UITableViewCell::UITableViewCell;

    void setHighlighted(bool highlighted, bool animated) override
    {
        UITableViewCell::setHighlighted(highlighted, animated);
        calls.push_back(highlighted ? "highlight" : "unhighlight");
    }
    void setSelected(bool selected, bool animated) override
    {
        UITableViewCell::setSelected(selected, animated);
        calls.push_back(selected ? "select" : "deselect");
    }
    void prepareForReuse() override
    {
        UITableViewCell::prepareForReuse();
        ++reuseCount;
    }
    CGSize sizeThatFits(CGSize size) const override
    {
        return fittingHeight > 0 ? CGSize{size.width, fittingHeight} : UITableViewCell::sizeThatFits(size);
    }

    std::vector<std::string> calls;
    int reuseCount = 0;
    double fittingHeight = 0;
};

class TestTableSource : public UITableViewDataSource, public UITableViewDelegate {
public:
    int numberOfSections(UITableView&) override { return static_cast<int>(rows.size()); }
    int numberOfRowsInSection(UITableView&, int section) override { return rows.at(static_cast<std::size_t>(section)); }
    std::optional<std::string> titleForHeaderInSection(UITableView&, int section) override
    {
        return static_cast<std::size_t>(section) < titles.size() ? titles[static_cast<std::size_t>(section)]
                                                                 : std::nullopt;
    }
    std::shared_ptr<UITableViewCell> cellForRowAt(UITableView& tableView, const IndexPath& indexPath) override
    {
        asked.push_back(indexPath);
        auto cell = std::dynamic_pointer_cast<RecordingCell>(tableView.dequeueReusableCell("row", indexPath));
        if (cell) {
            cell->textLabel()->setText("Row " + std::to_string(indexPath.row));
            cell->setAccessibilityIdentifier("Cell" + std::to_string(indexPath.section) + "." +
                                             std::to_string(indexPath.row));
            cell->calls.clear();
            if (configure) {
                configure(*cell, indexPath);
            }
        }
        return cell;
    }
    double heightForRowAt(UITableView& tableView, const IndexPath& indexPath) override
    {
        return rowHeight ? rowHeight(indexPath) : UITableViewDelegate::heightForRowAt(tableView, indexPath);
    }
    void willDisplay(UITableView&, UITableViewCell&, const IndexPath& indexPath) override
    {
        displayed.push_back(indexPath);
    }
    void didSelectRowAt(UITableView& tableView, const IndexPath& indexPath) override
    {
        events.push_back("select " + indexPath.description());
        selectedWhileTold = tableView.indexPathForSelectedRow();
    }
    void didDeselectRowAt(UITableView&, const IndexPath& indexPath) override
    {
        events.push_back("deselect " + indexPath.description());
    }

    std::vector<int> rows{100};
    std::vector<std::optional<std::string>> titles;
    std::function<double(const IndexPath&)> rowHeight;
    std::function<void(RecordingCell&, const IndexPath&)> configure;
    std::vector<IndexPath> asked;
    std::vector<IndexPath> displayed;
    std::vector<std::string> events;
    std::optional<IndexPath> selectedWhileTold;
};

class TableViewTest : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        m_window = NSObject::create<TestWindowView>(CGRect(0, 0, 320, 480));
        m_table = NSObject::create<UITableView>(CGRect(0, 0, 320, 300));
        m_window->addSubview(m_table);
        m_table->registerClass(
            [this](const std::string& identifier) -> std::shared_ptr<UITableViewCell> {
                ++m_cellsMade;
                return NSObject::create<RecordingCell>(UITableViewCellStyle::default_, identifier);
            },
            "row");
        m_table->setRowHeight(60);
        m_source = std::make_shared<TestTableSource>();
        m_table->setDataSource(m_source);
        m_table->setDelegate(m_source);
    }

    std::shared_ptr<RecordingCell> cell(int row, int section = 0)
    {
        return std::dynamic_pointer_cast<RecordingCell>(m_table->cellForRow(IndexPath::forRow(row, section)));
    }

    // One finger down and up at `point` (window coordinates), through the window's hit testing.
    void touch(CGPoint down, std::optional<CGPoint> up = std::nullopt)
    {
        auto finger = NSObject::create<UITouch>();
        finger->setLocationInWindow(down);
        finger->setPhase(UITouchPhase::began);
        auto event = NSObject::create<UIEvent>();
        event->addTouch(finger);
        dispatchTouchEvent(m_window, event);
        m_afterTouchDown = cell(1) ? cell(1)->calls : std::vector<std::string>{};
        finger->setLocationInWindow(up.value_or(down));
        if (up) {
            finger->setPhase(UITouchPhase::moved);
            dispatchTouchEvent(m_window, event);
        }
        finger->setPhase(UITouchPhase::ended);
        dispatchTouchEvent(m_window, event);
    }

    std::shared_ptr<TestWindowView> m_window;
    std::shared_ptr<UITableView> m_table;
    std::shared_ptr<TestTableSource> m_source;
    int m_cellsMade = 0;
    std::vector<std::string> m_afterTouchDown;
};

TEST_F(TableViewTest, SectionsStackHeadersAndRowsFromTheTop)
{
    m_source->rows = {2, 30, 1};
    m_source->titles = {"Recently Used", "Currencies", ""};
    m_table->reloadData();

    EXPECT_EQ(m_table->numberOfSections(), 3);
    EXPECT_EQ(m_table->numberOfRows(1), 30);
    EXPECT_EQ(m_table->numberOfRows(7), 0);
    EXPECT_EQ(m_table->rectForHeaderInSection(0), CGRect(0, 0, 320, 28));
    EXPECT_EQ(m_table->rectForRow(IndexPath::forRow(1, 0)), CGRect(0, 88, 320, 60));
    EXPECT_EQ(m_table->rectForHeaderInSection(1), CGRect(0, 148, 320, 28));
    EXPECT_EQ(m_table->rectForRow(IndexPath::forRow(0, 1)), CGRect(0, 176, 320, 60));
    // An empty title makes no header.
    EXPECT_EQ(m_table->rectForHeaderInSection(2).height(), 0);
    EXPECT_EQ(m_table->contentSize(), (CGSize{320, 2 * 28 + 33 * 60}));
    EXPECT_TRUE(m_table->rectForRow(IndexPath::forRow(30, 1)).isNull());
    EXPECT_EQ(m_table->indexPathForRow({100, 180}), IndexPath::forRow(0, 1));

    // The visible headers carry their titles; the far one is not made visible.
    auto header = m_table->headerView(0);
    ASSERT_TRUE(header);
    ASSERT_EQ(header->subviews().size(), 1u);
    auto title = std::dynamic_pointer_cast<UILabel>(header->subviews()[0]);
    ASSERT_TRUE(title);
    EXPECT_EQ(title->text(), "Recently Used");
    EXPECT_TRUE(m_table->headerView(1));
    EXPECT_FALSE(m_table->headerView(2));
    // Headers lie over the cells.
    const auto& subviews = m_table->subviews();
    auto headerAt = std::find(subviews.begin(), subviews.end(), header);
    auto cellAt = std::find(subviews.begin(), subviews.end(), m_table->cellForRow(IndexPath::forRow(0, 0)));
    EXPECT_LT(cellAt, headerAt);
}

TEST_F(TableViewTest, TableHeaderAndFooterViewsFrameTheSections)
{
    m_source->rows = {3};
    auto header = NSObject::create<UIView>(CGRect(0, 0, 10, 100));
    auto footer = NSObject::create<UIView>(CGRect(0, 0, 10, 40));
    m_table->setTableHeaderView(header);
    m_table->setTableFooterView(footer);
    m_window->layoutIfNeeded();
    EXPECT_EQ(header->frame(), CGRect(0, 0, 320, 100));
    EXPECT_EQ(m_table->rectForRow(IndexPath::forRow(0, 0)).minY(), 100);
    EXPECT_EQ(footer->frame(), CGRect(0, 280, 320, 40));
    EXPECT_EQ(m_table->contentSize().height, 320);

    // A header that grows pushes the rows and the footer down at the next layout.
    header->setFrame({0, 0, 320, 150});
    m_table->setNeedsLayout();
    m_window->layoutIfNeeded();
    EXPECT_EQ(m_table->rectForRow(IndexPath::forRow(0, 0)).minY(), 150);
    EXPECT_EQ(footer->frame().minY(), 330);

    // Grouped sections without titles are set apart by spacing.
    auto grouped = NSObject::create<UITableView>(CGRect(0, 0, 320, 300), UITableViewStyle::grouped);
    m_source->rows = {1, 1};
    grouped->setDataSource(m_source);
    grouped->setDelegate(m_source);
    grouped->registerClass<RecordingCell>("row");
    EXPECT_EQ(grouped->rectForRow(IndexPath::forRow(0, 1)), CGRect(0, 18 + 44 + 18, 320, 44));
    EXPECT_TRUE(std::dynamic_pointer_cast<RecordingCell>(grouped->cellForRow(IndexPath::forRow(0, 1))));
}

TEST_F(TableViewTest, CellsExistOnlyForVisibleRowsAndAreReusedAfterScrolling)
{
    m_window->layoutIfNeeded();
    EXPECT_EQ(m_source->asked, (std::vector<IndexPath>{{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}}));
    EXPECT_EQ(m_source->displayed, m_source->asked);
    EXPECT_EQ(m_table->indexPathsForVisibleRows().size(), 5u);
    EXPECT_EQ(cell(10), nullptr);
    EXPECT_EQ(cell(-1), nullptr);
    auto second = cell(1);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->frame(), CGRect(0, 60, 320, 60));
    EXPECT_EQ(second->textLabel()->text(), "Row 1");
    EXPECT_EQ(second->superview(), m_table);

    std::set<UITableViewCell*> firstScreen;
    for (const auto& visible : m_table->visibleCells()) {
        firstScreen.insert(visible.get());
    }
    // A row that is partly visible counts.
    m_table->setContentOffset({0, 630});
    auto rows = m_table->indexPathsForVisibleRows();
    EXPECT_EQ(rows, (std::vector<IndexPath>{{0, 10}, {0, 11}, {0, 12}, {0, 13}, {0, 14}, {0, 15}}));
    std::set<UITableViewCell*> secondScreen;
    int reused = 0;
    for (const auto& visible : m_table->visibleCells()) {
        secondScreen.insert(visible.get());
        reused += static_cast<RecordingCell&>(*visible).reuseCount;
    }
    EXPECT_EQ(m_cellsMade, 6);
    EXPECT_EQ(reused, 5);
    for (auto* earlier : firstScreen) {
        EXPECT_TRUE(secondScreen.count(earlier));
    }
    EXPECT_EQ(second->superview(), m_table);
    EXPECT_EQ(cell(1), nullptr);
    EXPECT_EQ(cell(12)->textLabel()->text(), "Row 12");
    EXPECT_EQ(cell(12)->frame(), CGRect(0, 720, 320, 60));

    // The data source is asked only for rows as they appear, never for rows scrolled past.
    EXPECT_EQ(std::count(m_source->asked.begin(), m_source->asked.end(), IndexPath::forRow(7, 0)), 0);

    DebugLogCapture log;
    EXPECT_EQ(m_table->dequeueReusableCell("unknown", IndexPath::forRow(0, 0)), nullptr);
    EXPECT_EQ(m_table->dequeueReusableCell("unknown"), nullptr);
    EXPECT_EQ(log.lines().size(), 1u);
}

TEST_F(TableViewTest, AutomaticRowsAreMeasuredWhenTheyAppear)
{
    m_table->setRowHeight(UITableViewAutomaticDimension);
    m_table->setEstimatedRowHeight(50);
    m_source->rows = {40};
    m_source->configure = [](RecordingCell& cell, const IndexPath& indexPath) {
        cell.fittingHeight = 30 + indexPath.row;
    };
    m_table->reloadData();
    // Until shown, every row counts at its estimate.
    EXPECT_EQ(m_table->contentSize().height, 40 * 50);

    m_window->layoutIfNeeded();
    // 30 + 31 + ... until the 300-point view is full: rows 0...8 (30+...+38 = 306).
    EXPECT_EQ(m_table->indexPathsForVisibleRows().size(), 9u);
    EXPECT_EQ(m_table->rectForRow(IndexPath::forRow(2, 0)), CGRect(0, 61, 320, 32));
    EXPECT_EQ(m_table->rectForRow(IndexPath::forRow(9, 0)), CGRect(0, 306, 320, 50));
    EXPECT_EQ(m_table->contentSize().height, 306 + 31 * 50);

    // Rows measured by the built-in labels: long wrapping text grows the row, short text keeps 44.
    m_source->configure = [](RecordingCell& cell, const IndexPath& indexPath) {
        cell.fittingHeight = 0;
        cell.textLabel()->setNumberOfLines(0);
        if (indexPath.row == 1) {
            cell.textLabel()->setText(std::string(400, 'w'));
        }
    };
    m_table->reloadData();
    m_window->layoutIfNeeded();
    EXPECT_EQ(m_table->rectForRow(IndexPath::forRow(0, 0)).height(), UITableViewCell::defaultHeight);
    EXPECT_GT(m_table->rectForRow(IndexPath::forRow(1, 0)).height(), 100);
}

TEST_F(TableViewTest, AutomaticRowsFollowTheirContentConstraints)
{
    m_table->setRowHeight(UITableViewAutomaticDimension);
    m_source->rows = {3};
    m_source->configure = [](RecordingCell& cell, const IndexPath& indexPath) {
        auto plate = NSObject::create<UIView>();
        plate->setTranslatesAutoresizingMaskIntoConstraints(false);
        cell.contentView()->addSubview(plate);
        auto plateAnchors = anchors(plate);
        auto contentAnchors = anchors(cell.contentView());
        NSLayoutConstraint::activate({plateAnchors.top.constraintEqualTo(contentAnchors.top, 8),
                                      plateAnchors.bottom.constraintEqualTo(contentAnchors.bottom, -8),
                                      plateAnchors.leading.constraintEqualTo(contentAnchors.leading, 16),
                                      plateAnchors.trailing.constraintEqualTo(contentAnchors.trailing, -16),
                                      plateAnchors.height.constraintEqualToConstant(60 + 10 * indexPath.row)});
    };
    m_table->reloadData();
    m_window->layoutIfNeeded();
    EXPECT_EQ(m_table->rectForRow(IndexPath::forRow(0, 0)).height(), 76);
    EXPECT_EQ(m_table->rectForRow(IndexPath::forRow(2, 0)), CGRect(0, 162, 320, 96));
}

TEST_F(TableViewTest, TouchesHighlightOnDownAndSelectOnUp)
{
    m_window->layoutIfNeeded();
    // Row 1 lies at y 60...120; the touch lands on its text label.
    touch({100, 90});
    EXPECT_EQ(m_afterTouchDown, std::vector<std::string>{"highlight"});
    EXPECT_EQ(cell(1)->calls, (std::vector<std::string>{"highlight", "unhighlight", "select"}));
    EXPECT_TRUE(cell(1)->isSelected());
    EXPECT_FALSE(cell(1)->isHighlighted());
    EXPECT_EQ(m_source->events, std::vector<std::string>{"select [0, 1]"});
    EXPECT_EQ(m_source->selectedWhileTold, IndexPath::forRow(1, 0));

    // Another row: the old one is deselected (and told) first.
    m_table->userTapRow(IndexPath::forRow(3, 0));
    EXPECT_EQ(m_source->events, (std::vector<std::string>{"select [0, 1]", "deselect [0, 1]", "select [0, 3]"}));
    EXPECT_FALSE(cell(1)->isSelected());
    EXPECT_EQ(m_table->indexPathForSelectedRow(), IndexPath::forRow(3, 0));

    // The selected row again: selected again, nothing deselected.
    m_source->events.clear();
    m_table->userTapRow(IndexPath::forRow(3, 0));
    EXPECT_EQ(m_source->events, std::vector<std::string>{"select [0, 3]"});

    // A finger that slides off its row selects nothing and drops the highlight.
    m_source->events.clear();
    cell(1)->calls.clear();
    touch({100, 90}, CGPoint{100, 250});
    EXPECT_EQ(cell(1)->calls, (std::vector<std::string>{"highlight", "unhighlight"}));
    EXPECT_TRUE(m_source->events.empty());

    // Without selection, touches do nothing.
    m_table->setAllowsSelection(false);
    cell(1)->calls.clear();
    touch({100, 90});
    m_table->userTapRow(IndexPath::forRow(2, 0));
    EXPECT_TRUE(cell(1)->calls.empty());
    EXPECT_TRUE(m_source->events.empty());
}

TEST_F(TableViewTest, SelectionInCodeTellsNoOneAndSurvivesScrolling)
{
    m_window->layoutIfNeeded();
    m_table->selectRow(IndexPath::forRow(2, 0), false, UITableViewScrollPosition::none);
    EXPECT_TRUE(cell(2)->isSelected());
    EXPECT_TRUE(m_source->events.empty());
    EXPECT_EQ(m_table->contentOffset(), (CGPoint{0, 0}));

    // Scrolled away and back: the reused cells show the selection only on its row.
    m_table->setContentOffset({0, 1200});
    EXPECT_FALSE(cell(20)->isSelected());
    m_table->setContentOffset({0, 0});
    EXPECT_TRUE(cell(2)->isSelected());
    EXPECT_FALSE(cell(0)->isSelected());

    m_table->deselectRow(IndexPath::forRow(2, 0), false);
    EXPECT_FALSE(cell(2)->isSelected());
    EXPECT_EQ(m_table->indexPathForSelectedRow(), std::nullopt);

    // Selecting with a position scrolls; a row that does not exist is refused.
    m_table->selectRow(IndexPath::forRow(50, 0), false, UITableViewScrollPosition::top);
    EXPECT_EQ(m_table->contentOffset(), (CGPoint{0, 3000}));
    DebugLogCapture log;
    m_table->selectRow(IndexPath::forRow(100, 0), false, UITableViewScrollPosition::top);
    EXPECT_EQ(m_table->indexPathForSelectedRow(), IndexPath::forRow(50, 0));
    EXPECT_EQ(log.lines().size(), 1u);

    // Reloading clears the selection and asks for every visible cell again.
    m_source->asked.clear();
    m_table->reloadData();
    EXPECT_EQ(m_table->indexPathForSelectedRow(), std::nullopt);
    m_window->layoutIfNeeded();
    EXPECT_EQ(m_source->asked.size(), 5u);
}

TEST_F(TableViewTest, ScrollToRowPutsTheRowWhereAsked)
{
    struct Case {
        const char* name;
        UITableViewScrollPosition position;
        double start;
        int row;
        double expected;
    };
    // 100 rows of 60 in a 300-point view: offsets 0...5700.
    const Case cases[] = {
        {"top", UITableViewScrollPosition::top, 0, 20, 1200},
        {"middle", UITableViewScrollPosition::middle, 0, 20, 1200 + 30 - 150},
        {"bottom", UITableViewScrollPosition::bottom, 0, 20, 1260 - 300},
        {"none, below", UITableViewScrollPosition::none, 0, 20, 1260 - 300},
        {"none, above", UITableViewScrollPosition::none, 3000, 20, 1200},
        {"none, visible", UITableViewScrollPosition::none, 1100, 20, 1100},
        {"top, clamped at the end", UITableViewScrollPosition::top, 0, 98, 5700},
        {"bottom, clamped at the start", UITableViewScrollPosition::bottom, 600, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_table->setContentOffset({0, c.start});
        m_table->scrollToRow(IndexPath::forRow(c.row, 0), c.position, false);
        EXPECT_EQ(m_table->contentOffset().y, c.expected);
        EXPECT_TRUE(cell(c.row));
    }

    // Animated, and with a keyboard inset at the bottom.
    m_table->setContentOffset({0, 0});
    m_table->setContentInset({0, 0, 216, 0});
    m_table->scrollToRow(IndexPath::forRow(20, 0), UITableViewScrollPosition::bottom, true);
    loop().advanceBy(UIScrollView::scrollAnimationDuration);
    EXPECT_EQ(m_table->contentOffset().y, 1260 - 300 + 216);

    // A row off screen is scrolled into view before a driver's tap selects it.
    m_table->setContentInset({});
    m_table->setContentOffset({0, 0});
    m_table->userTapRow(IndexPath::forRow(40, 0));
    EXPECT_EQ(m_table->contentOffset().y, 2460 - 300);
    EXPECT_EQ(m_source->events, std::vector<std::string>{"select [0, 40]"});
}

TEST_F(TableViewTest, HoldsDataSourceAndDelegateWeakly)
{
    m_window->layoutIfNeeded();
    std::weak_ptr<TestTableSource> weakSource = m_source;
    m_source.reset();
    EXPECT_TRUE(weakSource.expired());
    m_table->reloadData();
    EXPECT_EQ(m_table->numberOfSections(), 0);
    EXPECT_TRUE(m_table->visibleCells().empty());
    EXPECT_EQ(m_table->contentSize().height, 0);
}

TEST_F(TableViewTest, CellsComeFromRegisteredNibs)
{
    auto directory = std::filesystem::temp_directory_path() / ("table-nibs-" + std::to_string(::getpid()));
    std::filesystem::create_directories(directory);
    auto bundle = Bundle::forPath(directory.string());
    ASSERT_TRUE(bundle);
    int built = 0;
    NibRegistry::registerNib(bundle, "CardCell", [&](const std::shared_ptr<void>&) {
        ++built;
        auto plate = NSObject::create<UIView>();
        auto cell = NSObject::create<RecordingCell>();
        cell->fittingHeight = 80;
        return NibRegistry::TopLevelObjects{std::static_pointer_cast<NSObject>(plate),
                                            std::static_pointer_cast<NSObject>(cell)};
    });
    m_table->registerNib(bundle, "CardCell", "row");
    m_table->setRowHeight(UITableViewAutomaticDimension);
    m_source->rows = {3};
    m_table->reloadData();
    m_window->layoutIfNeeded();
    EXPECT_EQ(built, 3);
    ASSERT_TRUE(cell(2));
    EXPECT_EQ(cell(2)->reuseIdentifier(), "row");
    EXPECT_EQ(cell(2)->accessibilityIdentifier(), "Cell0.2");
    EXPECT_EQ(m_table->rectForRow(IndexPath::forRow(2, 0)), CGRect(0, 160, 320, 80));

    // A nib that is not there gives no cell, and the row stays empty.
    m_table->registerNib(bundle, "Missing", "other");
    DebugLogCapture log;
    EXPECT_EQ(m_table->dequeueReusableCell("other", IndexPath::forRow(0, 0)), nullptr);
    EXPECT_FALSE(log.lines().empty());
    NibRegistry::unregisterNib(bundle, "CardCell");
    std::filesystem::remove_all(directory);
}

} // namespace
} // namespace platform

namespace platform {
namespace {

TEST(TableViewCellTest, BuiltInStylesPlaceTheirLabelsAndShowSelection)
{
    auto plain = NSObject::create<UITableViewCell>();
    EXPECT_EQ(plain->detailTextLabel(), nullptr);
    EXPECT_EQ(plain->frame(), CGRect(0, 0, 320, 44));

    auto subtitle = NSObject::create<UITableViewCell>(UITableViewCellStyle::subtitle, "s");
    subtitle->setFrame({0, 0, 320, 60});
    subtitle->textLabel()->setText("USD");
    subtitle->detailTextLabel()->setText("United States dollar");
    subtitle->layoutIfNeeded();
    CGRect text = subtitle->textLabel()->frame();
    CGRect detail = subtitle->detailTextLabel()->frame();
    EXPECT_EQ(text.minX(), 15);
    EXPECT_DOUBLE_EQ(detail.minY(), text.maxY());
    EXPECT_NEAR(text.minY() - 0, 60 - detail.maxY(), 1); // centred as a pair

    auto value1 = NSObject::create<UITableViewCell>(UITableViewCellStyle::value1, "v");
    value1->textLabel()->setText("Total");
    value1->detailTextLabel()->setText("12.00");
    value1->setAccessoryType(UITableViewCellAccessoryType::checkmark);
    value1->layoutIfNeeded();
    EXPECT_EQ(value1->contentView()->frame(), CGRect(0, 0, 282, 44));
    EXPECT_DOUBLE_EQ(value1->detailTextLabel()->frame().maxX(), 282 - 15);
    EXPECT_LE(value1->textLabel()->frame().maxX(), value1->detailTextLabel()->frame().minX());

    // The selected background shows while highlighted or selected, unless the style is none.
    const auto& background = value1->selectedBackgroundView();
    EXPECT_TRUE(background->isHidden());
    value1->setHighlighted(true, false);
    EXPECT_FALSE(background->isHidden());
    value1->setHighlighted(false, false);
    value1->setSelected(true, false);
    EXPECT_FALSE(background->isHidden());
    value1->setSelectionStyle(UITableViewCellSelectionStyle::none);
    EXPECT_TRUE(background->isHidden());
    value1->prepareForReuse();
    EXPECT_FALSE(value1->isSelected());
    EXPECT_FALSE(value1->isHighlighted());
}

TEST_F(TableViewTest, PlainSectionHeadersStayPinnedWhileTheirSectionScrolls)
{
    // Section 0: header 0..28, rows to 148. Section 1: header 148..176, rows to 1976. Section 2 after.
    m_source->rows = {2, 30, 1};
    m_source->titles = {"Recently Used", "Currencies", "Other"};
    m_table->reloadData();
    auto scrollTo = [this](double y) {
        m_table->setContentOffset({0, y});
        m_table->layoutIfNeeded();
    };

    scrollTo(100); // section 0's end pushes its header up
    ASSERT_TRUE(m_table->headerView(0));
    EXPECT_EQ(m_table->headerView(0)->frame(), CGRect(0, 100, 320, 28));
    EXPECT_EQ(m_table->headerView(1)->frame().minY(), 148);

    scrollTo(400); // well inside section 1: its header sits at the top of the visible area
    EXPECT_FALSE(m_table->headerView(0));
    ASSERT_TRUE(m_table->headerView(1));
    EXPECT_EQ(m_table->headerView(1)->frame(), CGRect(0, 400, 320, 28));
    EXPECT_EQ(m_table->rectForHeaderInSection(1), CGRect(0, 148, 320, 28)) << "the section's own rectangle stays";
    auto subviews = m_table->subviews();
    EXPECT_EQ(subviews.back(), m_table->headerView(1)) << "drawn over the rows scrolling under it";

    scrollTo(1960); // the end of section 1 pushes its header up; section 2's header follows
    EXPECT_EQ(m_table->headerView(1)->frame().minY(), 1976 - 28);
    ASSERT_TRUE(m_table->headerView(2));
    EXPECT_EQ(m_table->headerView(2)->frame().minY(), 1976);

    m_table->setContentInset({64, 0, 0, 0}); // under a bar: pinned below it
    scrollTo(400);
    EXPECT_EQ(m_table->headerView(1)->frame().minY(), 464);
}

} // namespace
} // namespace platform
