#pragma once
// TAVROMerchantTLV: the parsed form of one merchant-presented QR payload. One property per
// top-level payload ID "00" to "99", one per sub-ID "6201" to "6214" of the additional-data
// template, and five properties of their own (isTipAvailable, tavroMerchantPAN,
// additionalDataField, primaryID, secondaryID): 119 in all, generated from TagTable.h.
//
// The model holds data only and checks nothing: any text (the empty text included) and any
// dictionary are stored as given. Absent and empty are different states. Each accessor touches
// only its own property.
//
// Every property can also be read and written by name (value / setValue / setProperty). A name
// that is not one of the 119, or a value of the wrong kind, stores nothing and writes one line to
// the debug log.

#include "TavroMerchantSDK/payload/SparseSlots.h"
#include "TavroMerchantSDK/payload/TagTable.h"
#include "platform/foundation/AnyValue.h"

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavro {

// Kinds of model property.
enum class TLVPropertyKind : std::uint8_t { Bool, Text, Dictionary };

// The 119 model properties, in declaration order.
enum class TLVProperty : std::uint8_t {
#define TAVRO_PROPERTY_ENUM_TAG(id, name, Name, Kind) name,
#define TAVRO_PROPERTY_ENUM_EXTRA(name, Name, Kind) name,
    TAVRO_MODEL_PROPERTY_ROWS(TAVRO_PROPERTY_ENUM_TAG, TAVRO_PROPERTY_ENUM_EXTRA)
#undef TAVRO_PROPERTY_ENUM_TAG
#undef TAVRO_PROPERTY_ENUM_EXTRA
};

namespace tlvproperty {

inline constexpr TLVPropertyKind kKinds[] = {
#define TAVRO_PROPERTY_KIND_TAG(id, name, Name, Kind) TLVPropertyKind::Kind,
#define TAVRO_PROPERTY_KIND_EXTRA(name, Name, Kind) TLVPropertyKind::Kind,
    TAVRO_MODEL_PROPERTY_ROWS(TAVRO_PROPERTY_KIND_TAG, TAVRO_PROPERTY_KIND_EXTRA)
#undef TAVRO_PROPERTY_KIND_TAG
#undef TAVRO_PROPERTY_KIND_EXTRA
};

constexpr std::size_t countOfKind(TLVPropertyKind kind)
{
    std::size_t count = 0;
    for (TLVPropertyKind k : kKinds) {
        count += (k == kind) ? 1 : 0;
    }
    return count;
}

constexpr TLVPropertyKind kindOf(TLVProperty property)
{
    return kKinds[static_cast<std::size_t>(property)];
}

// Storage slot of every property: its position among the properties of its own kind. Worked out
// once at compile time, so the stores do not scan the table.
inline constexpr auto kSlots = [] {
    std::array<std::uint8_t, std::size(kKinds)> slots{};
    std::size_t counts[3] = {};
    for (std::size_t i = 0; i < std::size(kKinds); ++i) {
        slots[i] = static_cast<std::uint8_t>(counts[static_cast<std::size_t>(kKinds[i])]++);
    }
    return slots;
}();

// Position of a property among the properties of its own kind (its storage slot).
constexpr std::size_t slotOf(TLVProperty property)
{
    return kSlots[static_cast<std::size_t>(property)];
}

// slotOf as a constant, for the typed accessors.
template <TLVProperty P>
inline constexpr std::size_t kSlot = slotOf(P);

} // namespace tlvproperty

class TAVROMerchantTLV {
public:
    using Dictionary = platform::AnyValue::Dictionary;
    using PropertyKind = TLVPropertyKind;
    using Property = TLVProperty;

    static constexpr std::size_t propertyCount = std::size(tlvproperty::kKinds);
    static constexpr std::size_t textPropertyCount = tlvproperty::countOfKind(PropertyKind::Text);
    static constexpr std::size_t dictionaryPropertyCount = tlvproperty::countOfKind(PropertyKind::Dictionary);

    static constexpr PropertyKind kindOf(Property property) { return tlvproperty::kindOf(property); }
    static constexpr std::size_t slotOf(Property property) { return tlvproperty::slotOf(property); }

    // The property called `name` (exact, case-sensitive); nullopt for any other name.
    static std::optional<Property> propertyNamed(std::string_view name);
    static std::string_view nameOf(Property property);

    // isTipAvailable false, every other property absent.
    TAVROMerchantTLV() = default;
    TAVROMerchantTLV(const TAVROMerchantTLV&) = default;
    TAVROMerchantTLV& operator=(const TAVROMerchantTLV&) = default;
    TAVROMerchantTLV(TAVROMerchantTLV&&) noexcept = default;
    TAVROMerchantTLV& operator=(TAVROMerchantTLV&&) noexcept = default;
    virtual ~TAVROMerchantTLV() = default;

    bool isTipAvailable() const { return m_isTipAvailable; }
    void setIsTipAvailable(bool value) { m_isTipAvailable = value; }

    // Typed accessors, one pair per text or dictionary property: `merchantName()` /
    // `setMerchantName(value)`, `tag26()` / `setTag26(value)`. Writing nullopt clears.
#define TAVRO_ACCESSORS_Bool(name, Name)
#define TAVRO_ACCESSORS_Text(name, Name) \
    const std::optional<std::string>& name() const \
    { \
        return m_texts[tlvproperty::kSlot<Property::name>]; \
    } \
    void set##Name(std::optional<std::string> value) \
    { \
        m_texts.set(tlvproperty::kSlot<Property::name>, std::move(value)); \
    }
#define TAVRO_ACCESSORS_Dictionary(name, Name) \
    const std::optional<Dictionary>& name() const \
    { \
        return m_dictionaries[tlvproperty::kSlot<Property::name>]; \
    } \
    void set##Name(std::optional<Dictionary> value) \
    { \
        m_dictionaries.set(tlvproperty::kSlot<Property::name>, std::move(value)); \
    }
#define TAVRO_ACCESSORS_TAG(id, name, Name, Kind) TAVRO_ACCESSORS_##Kind(name, Name)
#define TAVRO_ACCESSORS_EXTRA(name, Name, Kind) TAVRO_ACCESSORS_##Kind(name, Name)
    TAVRO_MODEL_PROPERTY_ROWS(TAVRO_ACCESSORS_TAG, TAVRO_ACCESSORS_EXTRA)
#undef TAVRO_ACCESSORS_TAG
#undef TAVRO_ACCESSORS_EXTRA
#undef TAVRO_ACCESSORS_Bool
#undef TAVRO_ACCESSORS_Text
#undef TAVRO_ACCESSORS_Dictionary

    // --- access by name ---

    // The property's value: text, dictionary or bool; null when absent. An unknown name gives
    // null and writes one debug line.
    platform::AnyValue value(std::string_view name) const;
    platform::AnyValue value(Property property) const;

    // Writes the property: text for a text property, dictionary for a dictionary property, bool
    // for isTipAvailable; null clears a text or dictionary property. Returns false (nothing
    // stored, one debug line) for an unknown name or a value of another kind.
    bool setValue(std::string_view name, const platform::AnyValue& value);
    bool setValue(Property property, const platform::AnyValue& value);

    // Host-facing by-name setter: like setValue, except that null is refused (it never clears).
    void setProperty(std::string_view key, const platform::AnyValue& value);

    // Every property compared by value.
    bool operator==(const TAVROMerchantTLV& other) const = default;

protected:
    // Direct stores for the decoder; the property must be of the matching kind.
    void storeText(Property property, std::string_view value)
    {
        assert(kindOf(property) == PropertyKind::Text);
        m_texts.assign(slotOf(property), value);
    }
    void storeDictionary(Property property, Dictionary&& value)
    {
        assert(kindOf(property) == PropertyKind::Dictionary);
        m_dictionaries.assign(slotOf(property), std::move(value));
    }

private:
    bool m_isTipAvailable = false;
    detail::SparseSlots<std::string, textPropertyCount> m_texts;
    detail::SparseSlots<Dictionary, dictionaryPropertyCount> m_dictionaries;
};

} // namespace tavro
