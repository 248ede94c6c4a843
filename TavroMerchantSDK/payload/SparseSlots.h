#pragma once
// SparseSlots: N optional values of which a parsed payload sets only a few. Absent slots take no
// construction, destruction or comparison work: only the slots set are ever touched, which keeps
// making and dropping a model cheap however many properties it has.

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <optional>
#include <utility>

namespace tavro::detail {

template <typename T, std::size_t N>
class SparseSlots {
public:
    SparseSlots() = default;
    SparseSlots(const SparseSlots& other) { copyFrom(other); }
    SparseSlots(SparseSlots&& other) noexcept { moveFrom(other); }
    SparseSlots& operator=(const SparseSlots& other)
    {
        if (this != &other) {
            clear();
            copyFrom(other);
        }
        return *this;
    }
    SparseSlots& operator=(SparseSlots&& other) noexcept
    {
        if (this != &other) {
            clear();
            moveFrom(other);
        }
        return *this;
    }
    ~SparseSlots() { clear(); }

    // The slot's value; an absent slot reads as one shared empty optional.
    const std::optional<T>& operator[](std::size_t slot) const { return isSet(slot) ? *at(slot) : absent(); }

    void set(std::size_t slot, T value)
    {
        if (isSet(slot)) {
            *at(slot) = std::move(value);
        } else {
            std::construct_at(at(slot), std::move(value));
            mark(slot, true);
        }
    }
    // Sets the slot to a value made from `args`, in place.
    template <typename... Args>
    void assign(std::size_t slot, Args&&... args)
    {
        if (isSet(slot)) {
            at(slot)->emplace(std::forward<Args>(args)...);
        } else {
            std::construct_at(at(slot), std::in_place, std::forward<Args>(args)...);
            mark(slot, true);
        }
    }
    // nullopt clears the slot.
    void set(std::size_t slot, std::optional<T> value)
    {
        if (value) {
            set(slot, std::move(*value));
        } else {
            reset(slot);
        }
    }
    void reset(std::size_t slot)
    {
        if (isSet(slot)) {
            std::destroy_at(at(slot));
            mark(slot, false);
        }
    }

    bool operator==(const SparseSlots& other) const
    {
        if (m_set != other.m_set) {
            return false;
        }
        bool equal = true;
        forEachSet([&](std::size_t slot) { equal = equal && *at(slot) == *other.at(slot); });
        return equal;
    }

private:
    static constexpr std::size_t kWords = (N + 63) / 64;

    static const std::optional<T>& absent() { return kAbsent; }
    static inline constinit const std::optional<T> kAbsent{};

    bool isSet(std::size_t slot) const { return (m_set[slot / 64] >> (slot % 64)) & 1U; }
    void mark(std::size_t slot, bool set)
    {
        const std::uint64_t bit = std::uint64_t{1} << (slot % 64);
        m_set[slot / 64] = set ? (m_set[slot / 64] | bit) : (m_set[slot / 64] & ~bit);
    }
    std::optional<T>* at(std::size_t slot)
    {
        return std::launder(reinterpret_cast<std::optional<T>*>(m_storage[slot].bytes));
    }
    const std::optional<T>* at(std::size_t slot) const
    {
        return std::launder(reinterpret_cast<const std::optional<T>*>(m_storage[slot].bytes));
    }

    template <typename F>
    void forEachSet(F&& f) const
    {
        for (std::size_t word = 0; word < kWords; ++word) {
            for (std::uint64_t bits = m_set[word]; bits != 0; bits &= bits - 1) {
                f(word * 64 + static_cast<std::size_t>(std::countr_zero(bits)));
            }
        }
    }
    void clear()
    {
        forEachSet([&](std::size_t slot) { std::destroy_at(at(slot)); });
        m_set = {};
    }
    void copyFrom(const SparseSlots& other)
    {
        other.forEachSet([&](std::size_t slot) { std::construct_at(at(slot), *other.at(slot)); });
        m_set = other.m_set;
    }
    void moveFrom(SparseSlots& other)
    {
        other.forEachSet([&](std::size_t slot) { std::construct_at(at(slot), std::move(*other.at(slot))); });
        m_set = other.m_set;
    }

    struct Storage {
        alignas(std::optional<T>) unsigned char bytes[sizeof(std::optional<T>)];
    };
    std::array<std::uint64_t, kWords> m_set{};
    std::array<Storage, N> m_storage;
};

} // namespace tavro::detail
