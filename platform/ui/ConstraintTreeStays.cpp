// One tree's solver: stays, which keep free views where they are, and following frames that code
// changed.
#include "platform/ui/ConstraintTree.h"
#include "platform/ui/ConstraintTreeGeometry.h"
#include "platform/ui/UIView.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace platform {

using constraintgeometry::near;
using constraintgeometry::sameRect;
using constraintgeometry::valuesOf;
using layout::Relation;
using layout::Variable;

namespace {

// The variables of free items, numbered, and the equalities among them.
class Determination {
public:
    void addVariable(const Variable& variable)
    {
        m_index.emplace(variable.identity(), static_cast<std::uint32_t>(m_known.size()));
        m_known.push_back(false);
    }

    // An equality: every variable in it that is not numbered counts as decided already.
    void addEquality(const layout::Expression& expression)
    {
        std::size_t start = m_members.size();
        for (const layout::Term& term : expression.terms()) {
            auto found = m_index.find(term.variable.identity());
            if (found == m_index.end()) {
                continue;
            }
            auto existing = std::find_if(m_members.begin() + static_cast<std::ptrdiff_t>(start), m_members.end(),
                                         [&](const Member& member) { return member.variable == found->second; });
            if (existing != m_members.end()) {
                existing->coefficient += term.coefficient;
            } else {
                m_members.push_back({found->second, term.coefficient});
            }
        }
        // Terms that cancel out (an item related to itself) do not count.
        auto end = std::remove_if(m_members.begin() + static_cast<std::ptrdiff_t>(start), m_members.end(),
                                  [](const Member& member) { return std::fabs(member.coefficient) < 1e-9; });
        m_members.erase(end, m_members.end());
        if (m_members.size() == start) {
            return;
        }
        m_equationStart.push_back(static_cast<std::uint32_t>(start));
    }

    void markKnown(const Variable& variable)
    {
        auto found = m_index.find(variable.identity());
        if (found != m_index.end()) {
            m_seeds.push_back(found->second);
        }
    }

    // Whatever the equalities decide from what is known, until nothing changes.
    void propagate()
    {
        std::size_t equations = m_equationStart.size();
        m_equationStart.push_back(static_cast<std::uint32_t>(m_members.size()));
        // The equations of each variable (compressed rows).
        m_offsets.assign(m_known.size() + 1, 0);
        for (const Member& member : m_members) {
            ++m_offsets[member.variable + 1];
        }
        for (std::size_t index = 1; index < m_offsets.size(); ++index) {
            m_offsets[index] += m_offsets[index - 1];
        }
        m_equationsOf.resize(m_members.size());
        std::vector<std::uint32_t> fill(m_offsets.begin(), m_offsets.end() - 1);
        m_undecided.resize(equations);
        for (std::uint32_t equation = 0; equation < equations; ++equation) {
            m_undecided[equation] = m_equationStart[equation + 1] - m_equationStart[equation];
            for (std::uint32_t at = m_equationStart[equation]; at < m_equationStart[equation + 1]; ++at) {
                m_equationsOf[fill[m_members[at].variable]++] = equation;
            }
        }
        m_work = m_seeds;
        for (std::uint32_t equation = 0; equation < equations; ++equation) {
            if (m_undecided[equation] == 1) {
                m_work.push_back(m_members[m_equationStart[equation]].variable);
            }
        }
        drain();
    }

    // The variable becomes known (a stay will hold it); then propagate() again from it.
    void settle(const Variable& variable)
    {
        auto found = m_index.find(variable.identity());
        if (found != m_index.end()) {
            m_work.push_back(found->second);
            drain();
        }
    }

    bool isKnown(const Variable& variable) const
    {
        auto found = m_index.find(variable.identity());
        return found == m_index.end() || m_known[found->second];
    }

private:
    struct Member {
        std::uint32_t variable;
        double coefficient;
    };

    void drain()
    {
        while (!m_work.empty()) {
            std::uint32_t variable = m_work.back();
            m_work.pop_back();
            if (m_known[variable]) {
                continue;
            }
            m_known[variable] = true;
            for (std::uint32_t at = m_offsets[variable]; at < m_offsets[variable + 1]; ++at) {
                std::uint32_t equation = m_equationsOf[at];
                if (--m_undecided[equation] != 1) {
                    continue;
                }
                for (std::uint32_t member = m_equationStart[equation]; member < m_equationStart[equation + 1];
                     ++member) {
                    if (!m_known[m_members[member].variable]) {
                        m_work.push_back(m_members[member].variable);
                    }
                }
            }
        }
    }

    std::unordered_map<const void*, std::uint32_t> m_index;
    std::vector<bool> m_known;
    std::vector<Member> m_members;
    std::vector<std::uint32_t> m_equationStart;
    std::vector<std::uint32_t> m_seeds;
    std::vector<std::uint32_t> m_offsets;
    std::vector<std::uint32_t> m_equationsOf;
    std::vector<std::uint32_t> m_undecided;
    std::vector<std::uint32_t> m_work;
};

} // namespace

void ConstraintTree::placeStays()
{
    m_staysDirty = false;
    // Free items in the order they joined the tree's pass (views depth first, then guides):
    // where one free variable decides another, the earlier item keeps its frame.
    std::vector<Item*> freeItems;
    for (auto& [key, entry] : m_items) {
        if (entry->mode == Mode::free) {
            freeItems.push_back(entry.get());
        }
    }
    if (freeItems.empty()) {
        return;
    }
    std::sort(freeItems.begin(), freeItems.end(), [](const Item* a, const Item* b) { return a->order < b->order; });

    Determination determination;
    for (const Item* item : freeItems) {
        for (const Variable* variable : {&item->left, &item->top, &item->width, &item->height}) {
            determination.addVariable(*variable);
        }
    }
    for (const auto& [key, record] : m_records) {
        if (record.built && record.built->relation() == Relation::Equal) {
            determination.addEquality(record.built->expression());
        }
    }
    for (const Item* item : freeItems) {
        const Variable* variables[4] = {&item->left, &item->top, &item->width, &item->height};
        for (std::size_t index = 0; index < 4; ++index) {
            if (item->stayed[index]) {
                determination.markKnown(*variables[index]);
            }
        }
        // Hugging and compression resistance together hold a size at the content's size.
        if (item->intrinsicHolds[0]) {
            determination.markKnown(item->width);
        }
        if (item->intrinsicHolds[1]) {
            determination.markKnown(item->height);
        }
    }
    determination.propagate();

    for (Item* item : freeItems) {
        Variable* variables[4] = {&item->left, &item->top, &item->width, &item->height};
        std::array<double, 4> held = valuesOf(item->stayFrame);
        std::optional<std::array<double, 4>> current;
        // Sizes first: a view tied by one edge moves rather than stretches.
        for (std::size_t index : {2, 3, 0, 1}) {
            if (item->stayed[index] || determination.isKnown(*variables[index])) {
                continue;
            }
            if (!current) {
                current = valuesOf(alignmentFrame(item->node));
            }
            held[index] = (*current)[index];
            variables[index]->setValue(held[index]);
            stay(*variables[index]);
            item->stayed[index] = true;
            determination.settle(*variables[index]);
        }
        item->stayFrame = {held[0], held[1], held[2], held[3]};
    }
}

void ConstraintTree::restay(Item& item, const CGRect& frame)
{
    Variable* variables[4] = {&item.left, &item.top, &item.width, &item.height};
    auto values = valuesOf(frame);
    auto held = valuesOf(item.stayFrame);
    for (std::size_t index = 0; index < 4; ++index) {
        if (item.stayed[index] && !near(values[index], held[index])) {
            variables[index]->setValue(values[index]);
            stay(*variables[index]);
        }
    }
    item.stayFrame = frame;
}

void ConstraintTree::scanFrames(bool settleStays)
{
    for (auto& [key, entry] : m_items) {
        Item& item = *entry;
        if (item.mode != Mode::fixed && !(item.mode == Mode::free && item.node.view)) {
            continue;
        }
        auto alive = item.object.lock();
        if (!alive) {
            continue;
        }
        CGRect frame = alignmentFrame(item.node);
        if (item.mode == Mode::fixed) {
            if (!sameRect(frame, item.pinnedFrame)) {
                pin(item, frame);
            }
            continue;
        }
        // A free view whose frame changed, not by the engine: code placed it, so where nothing
        // else decides, it stays there.
        bool movedByCode = !sameRect(frame, item.lastSeen) && (!item.lastSolved || !sameRect(frame, *item.lastSolved));
        if ((movedByCode || settleStays) && !sameRect(frame, item.stayFrame)) {
            restay(item, frame);
        }
        item.lastSeen = frame;
    }
}

} // namespace platform
