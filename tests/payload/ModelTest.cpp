#include "TavroMerchantSDK/payload/QRCodeTag.h"
#include "TavroMerchantSDK/payload/TAVROMerchantTLV.h"
#include "TavroMerchantSDK/payload/TagKeyMap.h"
#include "TavroMerchantSDK/payload/TavroQRUtility.h"
#include "platform/foundation/DebugLog.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using platform::AnyValue;
using Dictionary = AnyValue::Dictionary;
using tavro::QRCodeTag;
using tavro::TAVROMerchantTLV;

TEST(TagTableTest, TagKeyMapRows)
{
    const auto& map = tavro::tagKeyMap();
    EXPECT_EQ(map.size(), 114u);
    EXPECT_EQ(map.at("00"), "payloadFormatIndicator");
    EXPECT_EQ(map.at("02"), "tavroMerchantID");
    EXPECT_EQ(map.at("08"), "tag08");
    EXPECT_EQ(map.at("17"), "tag17");
    EXPECT_EQ(map.at("51"), "tag51");
    EXPECT_EQ(map.at("59"), "merchantName");
    EXPECT_EQ(map.at("6201"), "billID");
    EXPECT_EQ(map.at("6209"), "additionalConsumerDataRequest");
    EXPECT_EQ(map.at("6214"), "addDataNpci2");
    EXPECT_EQ(map.at("63"), "crc");
    EXPECT_EQ(map.at("65"), "tag65");
    EXPECT_EQ(map.at("99"), "tag99");
    for (int id = 0; id < 100; ++id) {
        const std::string key = (id < 10 ? "0" : "") + std::to_string(id);
        EXPECT_TRUE(map.contains(key)) << key;
    }
    std::set<std::string> names;
    for (const auto& [id, name] : map) {
        names.insert(name);
        EXPECT_TRUE(TAVROMerchantTLV::propertyNamed(name).has_value()) << name;
    }
    EXPECT_EQ(names.size(), 114u);

    const auto& language = tavro::merchantInformationLanguageTemplateSubTagDictionary();
    EXPECT_EQ(language, (tavro::TagMap{{"00", "languagePreference"},
                                       {"01", "merchantNameAlternateLanguage"},
                                       {"02", "merchantCityAlternateLanguage"}}));
}

TEST(TagTableTest, KeyTagMappingInvertsTheMap)
{
    const auto inverse = tavro::TavroQRUtility::keyTagMapping();
    EXPECT_EQ(inverse.size(), 114u);
    EXPECT_EQ(inverse.at("billID"), "6201");
    EXPECT_EQ(inverse.at("crc"), "63");
    EXPECT_EQ(inverse.at("tavroMerchantID"), "02");
    EXPECT_EQ(inverse.at("tag26"), "26");
    EXPECT_EQ(inverse.at("merchantInformationLanguageTemplate"), "64");
    EXPECT_FALSE(inverse.contains("languagePreference"));
    EXPECT_FALSE(inverse.contains("isTipAvailable"));
}

TEST(TagTableTest, QRCodeTagConstants)
{
    EXPECT_EQ(QRCodeTag::tipAndFeeIndicator, "55");
    EXPECT_EQ(QRCodeTag::additionalDataFieldTemplate, "62");
    EXPECT_EQ(QRCodeTag::billID, "6201");
    EXPECT_EQ(QRCodeTag::tagSixtyTwo10, "6210");
    EXPECT_EQ(QRCodeTag::addDataNpci2, "6214");
    EXPECT_EQ(QRCodeTag::crc, "63");
    EXPECT_EQ(QRCodeTag::merchantInformationLanguageTemplate, "64");
    EXPECT_EQ(QRCodeTag::tag99, "99");

    // Declared in ascending text order of the IDs; each maps back to its own name.
    const auto constants = QRCodeTag::constants();
    ASSERT_EQ(constants.size(), 114u);
    for (std::size_t i = 0; i < constants.size(); ++i) {
        EXPECT_EQ(tavro::tagKeyMap().at(std::string(constants[i].value)), constants[i].name);
        if (i > 0) {
            EXPECT_LT(constants[i - 1].value, constants[i].value);
        }
    }
    EXPECT_EQ(constants.front().name, "payloadFormatIndicator");
    EXPECT_EQ(constants[62].name, "additionalDataFieldTemplate");
    EXPECT_EQ(constants[63].name, "billID");
    EXPECT_EQ(constants[77].name, "crc");
}

TEST(ModelTest, NewModelIsEmpty)
{
    TAVROMerchantTLV model;
    EXPECT_FALSE(model.isTipAvailable());
    EXPECT_EQ(TAVROMerchantTLV::propertyCount, 119u);
    for (std::size_t i = 1; i < TAVROMerchantTLV::propertyCount; ++i) {
        const auto property = static_cast<TAVROMerchantTLV::Property>(i);
        EXPECT_TRUE(model.value(property).isNull()) << TAVROMerchantTLV::nameOf(property);
    }
    EXPECT_EQ(TAVROMerchantTLV::nameOf(TAVROMerchantTLV::Property::isTipAvailable), "isTipAvailable");
    EXPECT_EQ(TAVROMerchantTLV::nameOf(static_cast<TAVROMerchantTLV::Property>(4)), "tavroMerchantPAN");
    EXPECT_EQ(TAVROMerchantTLV::nameOf(static_cast<TAVROMerchantTLV::Property>(65)), "additionalDataFieldTemplate");
    EXPECT_EQ(TAVROMerchantTLV::nameOf(static_cast<TAVROMerchantTLV::Property>(103)), "primaryID");
    EXPECT_EQ(TAVROMerchantTLV::nameOf(static_cast<TAVROMerchantTLV::Property>(118)), "addDataNpci2");
}

TEST(ModelTest, TypedAccessorsTouchOnlyTheirOwnProperty)
{
    TAVROMerchantTLV model;
    model.setTavroMerchantID("4111111111111111");
    model.setTipAndFeeIndicator("01");
    EXPECT_FALSE(model.tavroMerchantPAN().has_value());
    EXPECT_FALSE(model.isTipAvailable());

    model.setMerchantName("");
    EXPECT_EQ(model.merchantName(), "");
    model.setMerchantName(std::nullopt);
    EXPECT_FALSE(model.merchantName().has_value());
}

TEST(ModelTest, CopiesMovesAndComparisonsCarryExactlyTheSetValues)
{
    TAVROMerchantTLV model;
    model.setMerchantName("Shop with a name longer than fifteen");
    model.setAddDataNpci2("last"); // the last slot of its kind
    model.setTag26(Dictionary{{"00", "com.example"}});
    model.setPostalCode("");

    TAVROMerchantTLV copy = model;
    EXPECT_EQ(copy, model);
    EXPECT_EQ(copy.merchantName(), "Shop with a name longer than fifteen");
    EXPECT_EQ(copy.postalCode(), "");
    copy.setPostalCode(std::nullopt);
    EXPECT_NE(copy, model) << "absent differs from empty";
    copy.setPostalCode("");
    copy.setTag26(Dictionary{{"00", "other"}});
    EXPECT_NE(copy, model);

    TAVROMerchantTLV moved = std::move(copy);
    EXPECT_EQ(moved.tag26(), (Dictionary{{"00", "other"}}));
    EXPECT_EQ(moved.addDataNpci2(), "last");
    moved = model;
    EXPECT_EQ(moved, model);
    moved.setMerchantName(std::nullopt);
    moved.setMerchantName(std::nullopt); // clearing an absent value is harmless
    EXPECT_FALSE(moved.merchantName().has_value());
    EXPECT_TRUE(model.merchantName().has_value()) << "the copy is independent";
}

TEST(ModelTest, EveryPropertyByName)
{
    TAVROMerchantTLV model;
    for (std::size_t i = 0; i < TAVROMerchantTLV::propertyCount; ++i) {
        const auto property = static_cast<TAVROMerchantTLV::Property>(i);
        const std::string name(TAVROMerchantTLV::nameOf(property));
        SCOPED_TRACE(name);
        AnyValue value;
        switch (TAVROMerchantTLV::kindOf(property)) {
        case TAVROMerchantTLV::PropertyKind::Bool: value = true; break;
        case TAVROMerchantTLV::PropertyKind::Text: value = "v-" + name; break;
        case TAVROMerchantTLV::PropertyKind::Dictionary: value = Dictionary{{"00", name}}; break;
        }
        EXPECT_TRUE(model.setValue(name, value));
        EXPECT_EQ(model.value(name), value);
    }
    // The typed accessors see what was written by name.
    EXPECT_EQ(model.merchantName(), "v-merchantName");
    EXPECT_EQ(model.tag26(), (Dictionary{{"00", "tag26"}}));
    EXPECT_TRUE(model.isTipAvailable());
    // Null clears a text or dictionary property by name.
    EXPECT_TRUE(model.setValue("merchantName", nullptr));
    EXPECT_FALSE(model.merchantName().has_value());
}

TEST(ModelTest, SetPropertyStoresCopies)
{
    TAVROMerchantTLV model;
    model.setProperty("merchantName", "Shop");
    EXPECT_EQ(model.merchantName(), "Shop");

    Dictionary dictionary{{"00", "ab"}};
    model.setProperty("tag26", dictionary);
    dictionary["01"] = "changed";
    EXPECT_EQ(model.tag26(), (Dictionary{{"00", "ab"}}));

    model.setProperty("isTipAvailable", true);
    EXPECT_TRUE(model.isTipAvailable());
}

TEST(ModelTest, MisuseByNameStoresNothingAndLogsOneLine)
{
    TAVROMerchantTLV model;
    model.setMerchantName("Shop");
    model.setTag26(Dictionary{{"00", "ab"}});
    const TAVROMerchantTLV before = model;

    struct Case {
        const char* name;
        AnyValue value;
    };
    const Case cases[] = {
        {"noSuchProperty", "x"},
        {"MerchantName", "x"},          // names are case-sensitive
        {"merchantName", 5},            // a number for text
        {"merchantName", Dictionary{}}, // a dictionary for text
        {"tag26", "text"},              // text for a dictionary
        {"isTipAvailable", "true"},     // text for the boolean
        {"isTipAvailable", 1},          // a number for the boolean
        {"isTipAvailable", nullptr},    // the boolean cannot be cleared
        {"merchantName", nullptr},      // setProperty never clears
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform::DebugLogCapture capture;
        model.setProperty(c.name, c.value);
        EXPECT_EQ(capture.lines().size(), 1u);
        EXPECT_EQ(model, before);
    }

    platform::DebugLogCapture capture;
    EXPECT_FALSE(model.setValue("tag26", "text"));
    EXPECT_TRUE(model.value("noSuchProperty").isNull());
    EXPECT_EQ(capture.lines().size(), 2u);
    EXPECT_EQ(model, before);
}
