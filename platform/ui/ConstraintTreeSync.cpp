// One tree's solver: reading the tree's constraints and keeping the solver in step with them.
#include "platform/foundation/DebugLog.h"
#include "platform/ui/ConstraintTree.h"
#include "platform/ui/UILayoutGuide.h"
#include "platform/ui/UIView.h"

#include <algorithm>

namespace platform {

void ConstraintTree::collect(UIView& view, std::vector<std::shared_ptr<NSLayoutConstraint>>& found)
{
    if (&view != m_rootView && !view.translatesAutoresizingMaskIntoConstraints()) {
        ensureItem({&view, nullptr});
    }
    const auto& installed = view.constraints();
    found.insert(found.end(), installed.begin(), installed.end());
    for (const auto& guide : view.layoutGuides()) {
        if (guide && guide->owningView().get() != &view) {
            guide->setOwningView(view.sharedFromThis<UIView>());
        }
    }
    for (const auto& subview : view.subviews()) {
        collect(*subview, found);
    }
}

bool ConstraintTree::resolve(const NSLayoutConstraint& constraint, Resolution& resolution) const
{
    auto nodeOf = [](const NSLayoutConstraint::Item& item) -> Node {
        if (auto view = item.view.lock()) {
            return {view.get(), nullptr};
        }
        if (auto guide = item.guide.lock()) {
            return {nullptr, guide.get()};
        }
        return {};
    };
    resolution.first = nodeOf(constraint.m_first);
    resolution.second = {};
    resolution.space = {};
    resolution.firstChain.clear();
    resolution.secondChain.clear();
    resolution.path.clear();
    if (!resolution.first) {
        return false;
    }
    // The first item and its ancestors up to the root; an item outside this tree is not ours.
    std::vector<Node>& up = m_scratchUp;
    up.clear();
    for (Node node = resolution.first; node; node = node.parent()) {
        up.push_back(node);
        if (node.view == m_rootView) {
            break;
        }
    }
    if (up.back().view != m_rootView) {
        return false;
    }
    resolution.path.push_back(resolution.first.key());
    if (!constraint.m_second.present) {
        return true;
    }
    resolution.second = nodeOf(constraint.m_second);
    if (!resolution.second) {
        return false;
    }
    std::vector<Node>& secondUp = m_scratchSecondUp;
    secondUp.clear();
    for (Node node = resolution.second; node; node = node.parent()) {
        auto shared = std::find(up.begin(), up.end(), node);
        if (shared != up.end()) {
            resolution.space = node;
            resolution.firstChain.assign(up.begin() + std::min<std::ptrdiff_t>(1, shared - up.begin()), shared);
            if (!secondUp.empty()) {
                resolution.secondChain.assign(secondUp.begin() + 1, secondUp.end());
            }
            break;
        }
        secondUp.push_back(node);
    }
    if (!resolution.space) {
        return false;
    }
    for (const Node& node : resolution.firstChain) {
        resolution.path.push_back(node.key());
    }
    resolution.path.push_back(nullptr);
    resolution.path.push_back(resolution.space.key());
    resolution.path.push_back(nullptr);
    resolution.path.push_back(resolution.second.key());
    for (const Node& node : resolution.secondChain) {
        resolution.path.push_back(node.key());
    }
    return true;
}

void ConstraintTree::fullSync(UIView& root)
{
    ++m_mark;
    m_staleRecords.clear();
    if (m_fitting) {
        ensureItem({&root, nullptr});
    }
    std::vector<std::shared_ptr<NSLayoutConstraint>> found;
    found.reserve(m_records.size() + 16);
    collect(root, found);

    struct Pending {
        Record* record;
        NSLayoutConstraint* constraint;
        std::optional<layout::Constraint> built; // made only when the constraint must go in
    };
    std::vector<Pending> pending;
    pending.reserve(found.size());
    Resolution resolution;
    for (const auto& constraint : found) {
        // Constraints whose items died or lie outside this tree (e.g. a view since removed) are
        // left out quietly; activation already reports items with no common ancestor.
        if (!constraint || !constraint->isValid() || !resolve(*constraint, resolution)) {
            continue;
        }
        auto [entry, inserted] = m_records.try_emplace(constraint.get());
        Record& record = entry->second;
        if (!inserted && record.source.lock() != constraint) {
            removeBuilt(record); // a dead constraint's record at a reused address
            record = Record{};
        }
        if (record.mark == m_mark) {
            continue; // installed on two views: counted once
        }
        record.source = constraint;
        record.mark = m_mark;
        if (record.path != resolution.path) {
            record.path = resolution.path;
            record.stale = true;
        }
        ensureItem(resolution.first);
        for (const Node& node : resolution.firstChain) {
            ensureItem(node);
        }
        if (resolution.second) {
            ensureItem(resolution.second);
            for (const Node& node : resolution.secondChain) {
                ensureItem(node);
            }
        }
        Pending next{&record, constraint.get(), std::nullopt};
        if (record.stale || !record.built) {
            next.built = build(*constraint, resolution);
        }
        pending.push_back(std::move(next));
    }

    // Out first, so what goes in meets only what stays.
    for (auto entry = m_records.begin(); entry != m_records.end();) {
        if (entry->second.mark != m_mark) {
            forgetRecord(entry->second);
            entry = m_records.erase(entry);
        } else {
            ++entry;
        }
    }
    for (Pending& next : pending) {
        if (next.record->stale && next.record->built) {
            removeBuilt(*next.record);
            m_staysDirty = true;
        }
    }
    for (auto entry = m_items.begin(); entry != m_items.end();) {
        if (entry->second->mark != m_mark) {
            tearDown(*entry->second);
            entry = m_items.erase(entry);
        } else {
            ++entry;
        }
    }
    for (auto& [key, item] : m_items) {
        configure(*item);
    }
    // In creation order, so that of conflicting required constraints the older ones hold.
    std::vector<Pending*> additions;
    for (Pending& next : pending) {
        if (!next.record->built && next.built) {
            additions.push_back(&next);
        }
    }
    std::stable_sort(additions.begin(), additions.end(), [](const Pending* a, const Pending* b) {
        return a->constraint->m_sequence < b->constraint->m_sequence;
    });
    for (Pending* next : additions) {
        addBuilt(*next->record, *next->constraint, std::move(*next->built));
    }
}

void ConstraintTree::takeQueuedChanges()
{
    if (!m_changes) {
        return;
    }
    for (const auto& weak : m_changes->changed) {
        auto constraint = weak.lock();
        if (!constraint) {
            continue;
        }
        auto found = m_records.find(constraint.get());
        if (found == m_records.end() || found->second.source.lock() != constraint || found->second.stale) {
            continue;
        }
        found->second.stale = true;
        m_staleRecords.push_back(&found->second);
    }
    m_changes->changed.clear();
}

bool ConstraintTree::rebuildStaleRecords()
{
    Resolution resolution;
    for (std::size_t index = 0; index < m_staleRecords.size(); ++index) {
        Record& record = *m_staleRecords[index];
        auto constraint = record.source.lock();
        // A moved item changes more than this constraint: leave the rest to a full pass.
        if (!constraint || !resolve(*constraint, resolution) || resolution.path != record.path) {
            m_staleRecords.clear();
            return false;
        }
        removeBuilt(record);
        addBuilt(record, *constraint, build(*constraint, resolution));
    }
    m_staleRecords.clear();
    return true;
}

void ConstraintTree::addBuilt(Record& record, NSLayoutConstraint& constraint, layout::Constraint built)
{
    record.stale = false;
    if (!m_fitting) {
        constraint.m_changeQueue = m_changes;
    }
    if (add(built)) {
        record.built = std::move(built);
        constraint.m_failureReported = false;
        return;
    }
    m_staysDirty = true; // what it would have decided may now be free
    if (!constraint.m_failureReported) {
        constraint.m_failureReported = true;
        debugLog("NSLayoutConstraint: unable to satisfy " + constraint.description() +
                 " together with the other required constraints; dropped");
    }
}

void ConstraintTree::removeBuilt(Record& record)
{
    if (record.built) {
        remove(*record.built);
        record.built.reset();
    }
}

void ConstraintTree::forgetRecord(Record& record)
{
    if (record.built) {
        removeBuilt(record);
        m_staysDirty = true;
    }
    if (auto constraint = record.source.lock();
        constraint && m_changes && constraint->m_changeQueue.lock() == m_changes) {
        constraint->m_changeQueue.reset();
    }
}

} // namespace platform
