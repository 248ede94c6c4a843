#pragma once
// The solver of one view tree, kept between layout passes so that each pass solves only what
// changed. Internal to ConstraintLayoutEngine.
//
// Coordinates: every item (a view or a layout guide) has four variables, the left, top, width and
// height of its alignment rectangle (centre and bounds size, so transforms play no part) in its
// parent's bounds space (a view's superview; a guide's owning view). A constraint is written in
// the space of the nearest common ancestor A of its items: an item's position there is its left
// (top) plus the lefts (tops) of the views between it and A; A's own edges are 0 and its width
// and height. Bounds origins are left out, so a scroll view's content offset never moves its
// constrained content; and a scroll view's far edges, seen from inside, are the content's width
// and height (free variables), so constraints to them size the content, not the scroll view.
//
// Items: views that do not translate their autoresizing mask keep their current frame through
// weak stays wherever nothing else decides it (where two free items decide each other, the one
// earlier in the tree keeps its frame, and sizes keep before positions), and get hugging and
// compression-resistance constraints from their intrinsic content size; views that translate it,
// and the root, are held at their current frame by required equalities. A view whose frame code
// changed gets its stays moved to the new frame.
#include "platform/graphics/CGRect.h"
#include "platform/layout/Solver.h"
#include "platform/ui/NSLayoutConstraint.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

namespace platform {

class UIView;
class UILayoutGuide;

class ConstraintTree {
public:
    // Lays out the tree under `root`, whose frame stays as it is.
    explicit ConstraintTree(const std::shared_ptr<UIView>& root);
    // Fits `root`: its width and height are free and pulled towards `target` at the given
    // priorities; nothing is written to the views.
    ConstraintTree(const std::shared_ptr<UIView>& root, CGSize target, UILayoutPriority horizontalPriority,
                   UILayoutPriority verticalPriority);
    ~ConstraintTree();
    ConstraintTree(const ConstraintTree&) = delete;
    ConstraintTree& operator=(const ConstraintTree&) = delete;

    bool isFor(const UIView& root) const;
    // The root died or is no longer the top of its tree.
    bool isStale() const;

    // Brings the solver up to date and, unless fitting, writes the solved frames: engine frames of
    // views, layout frames of guides.
    void update();
    // Fitting: the solved size of the root, on the pixel grid.
    CGSize fittedSize() const;

private:
    struct Node {
        UIView* view = nullptr;
        UILayoutGuide* guide = nullptr;
        explicit operator bool() const { return view || guide; }
        const NSObject* key() const;
        Node parent() const;
        friend bool operator==(const Node&, const Node&) = default;
    };

    enum class Mode { unset, fixed, free, fittingRoot };

    struct Item {
        Node node;
        std::weak_ptr<NSObject> object;
        layout::Variable left, top, width, height;
        Mode mode = Mode::unset;
        // fixed: the frame the pins hold; a pin that could not go in is empty
        CGRect pinnedFrame;
        std::array<std::optional<layout::Constraint>, 4> pins;
        bool pinFailureReported = false;
        // free items: the frame the stays hold; for views also the frame seen at the last pass
        // and the frame last solved
        CGRect stayFrame;
        std::array<bool, 4> stayed{}; // left, top, width, height
        CGRect lastSeen;
        std::optional<CGRect> lastSolved;
        // free views: intrinsic size constraints and what they were made from, and the view's
        // intrinsic size stamp when they were (none: not read yet)
        CGSize intrinsic{-1, -1};
        std::optional<std::uint64_t> intrinsicStamp;
        std::array<float, 4> intrinsicPriorities{};
        std::vector<layout::Constraint> intrinsicConstraints;
        std::array<bool, 2> intrinsicHolds{}; // both hugging and resistance went in: width, height
        // fitting root: its own constraints
        std::vector<layout::Constraint> rootConstraints;
        // scroll views seen from inside: the content's extent
        bool isScrollView = false;
        std::optional<layout::Variable> contentWidth;
        std::optional<layout::Variable> contentHeight;
        std::uint64_t mark = 0;
        std::uint64_t order = 0; // when it first joined the current pass
    };

    // Where a constraint's items sit: their nearest common ancestor and the views between.
    struct Resolution {
        Node first;
        Node second;
        Node space;
        std::vector<Node> firstChain;  // strictly between first and space
        std::vector<Node> secondChain; // strictly between second and space
        std::vector<const NSObject*> path;
    };

    struct Record {
        std::weak_ptr<NSLayoutConstraint> source;
        std::vector<const NSObject*> path;
        std::optional<layout::Constraint> built; // present while in the solver
        std::uint64_t mark = 0;
        bool stale = true; // must be (re)built
    };

    // --- syncing with the tree (ConstraintTreeSync.cpp) ---
    void fullSync(UIView& root);
    void collect(UIView& view, std::vector<std::shared_ptr<NSLayoutConstraint>>& found);
    bool resolve(const NSLayoutConstraint& constraint, Resolution& resolution) const;
    void takeQueuedChanges();
    // False when a record's items moved, which needs a full sync.
    bool rebuildStaleRecords();
    void addBuilt(Record& record, NSLayoutConstraint& constraint, layout::Constraint built);
    void removeBuilt(Record& record);
    void forgetRecord(Record& record);

    // --- items (ConstraintTreeItems.cpp) ---
    Item& ensureItem(Node node);
    Item& itemFor(Node node);
    Mode desiredMode(const Item& item) const;
    void configure(Item& item);
    void setUpMode(Item& item);
    void tearDownMode(Item& item);
    void tearDown(Item& item);
    void pin(Item& item, const CGRect& frame);
    void syncIntrinsicSize(Item& item);
    // Re-reads the intrinsic sizes of the free views invalidated since the last pass.
    void syncInvalidatedIntrinsicSizes();
    void clearIntrinsicSize(Item& item);
    const layout::Variable& contentExtent(Item& item, bool horizontal);
    layout::Expression attributeExpression(Item& item, NSLayoutAttribute attribute, bool ownSpace,
                                           const std::vector<Node>& chain);
    layout::Constraint build(const NSLayoutConstraint& constraint, const Resolution& resolution);

    // --- stays (ConstraintTreeStays.cpp) ---
    // Stays only the free variables that the equalities in the solver leave undecided: a stay on
    // a decided variable changes nothing but costs the solver as much as a constraint. Runs after
    // the constraints went in, when something that decided variables may have gone.
    void placeStays();
    void restay(Item& item, const CGRect& frame);
    // Follows frame changes: re-pins fixed items; re-stays free views that code moved, or, with
    // `settleStays`, every free view whose frame is not where its stays are.
    void scanFrames(bool settleStays);

    // --- solving and writing out (ConstraintTree.cpp) ---
    bool add(const layout::Constraint& constraint);
    void remove(const layout::Constraint& constraint);
    void stay(const layout::Variable& variable);
    void writeFrames();
    static CGRect alignmentFrame(const Node& node);

    std::weak_ptr<UIView> m_root;
    UIView* m_rootView = nullptr;
    bool m_fitting = false;
    CGSize m_fittingTarget;
    UILayoutPriority m_fittingPriorities[2] = {50, 50};

    layout::Solver m_solver;
    bool m_solverChanged = true;
    bool m_synced = false;
    std::uint64_t m_generation = 0;
    std::uint64_t m_intrinsicGeneration = 0;
    std::uint64_t m_mark = 0;
    std::uint64_t m_nextOrder = 0;
    std::unordered_map<const NSObject*, std::unique_ptr<Item>> m_items;
    std::unordered_map<const NSLayoutConstraint*, Record> m_records;
    std::vector<Record*> m_staleRecords;
    bool m_staysDirty = false;
    // Scratch space of resolve(), kept to spare allocations.
    mutable std::vector<Node> m_scratchUp;
    mutable std::vector<Node> m_scratchSecondUp;
    std::shared_ptr<NSLayoutConstraintChangeQueue> m_changes;
};

} // namespace platform
