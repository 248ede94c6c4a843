#pragma once
// The one source table of the payload vocabulary. Every payload ID the model knows, with the
// model property that holds it and that property's kind, plus the model properties that have no
// ID of their own. The tag key map, the model's properties and the public tag constants are all
// expanded from these rows, so they cannot drift apart.
//
// Each list macro takes two row macros:
//   TAG(id, name, Name, Kind)   a payload ID and the property that holds it
//   EXTRA(name, Name, Kind)     a model property without a payload ID
// `Name` is `name` with its first letter in upper case (for the setter); `Kind` is one of
// Bool, Text, Dictionary.
//
// The rows are split in three runs so that both declared orders come out of one table:
//   model properties:   ROOT_LOW, ROOT_HIGH, SUB
//   public constants:   ROOT_LOW, SUB, ROOT_HIGH  (ascending text order of the IDs)

#define TAVRO_TAG_ROWS_ROOT_LOW(TAG, EXTRA) \
    EXTRA(isTipAvailable, IsTipAvailable, Bool) \
    TAG("00", payloadFormatIndicator, PayloadFormatIndicator, Text) \
    TAG("01", pointOfInitiation, PointOfInitiation, Text) \
    TAG("02", tavroMerchantID, TavroMerchantID, Text) \
    EXTRA(tavroMerchantPAN, TavroMerchantPAN, Text) \
    TAG("03", aliasID, AliasID, Text) \
    TAG("04", masterCardPAN1, MasterCardPAN1, Text) \
    TAG("05", masterCardPAN2, MasterCardPAN2, Text) \
    TAG("06", npciid1, Npciid1, Text) \
    TAG("07", npciid2, Npciid2, Text) \
    TAG("08", tag08, Tag08, Text) \
    TAG("09", discover1, Discover1, Text) \
    TAG("10", discover2, Discover2, Text) \
    TAG("11", amex1, Amex1, Text) \
    TAG("12", amex2, Amex2, Text) \
    TAG("13", jcb1, Jcb1, Text) \
    TAG("14", jcb2, Jcb2, Text) \
    TAG("15", unionPay1, UnionPay1, Text) \
    TAG("16", unionPay2, UnionPay2, Text) \
    TAG("17", tag17, Tag17, Text) \
    TAG("18", tag18, Tag18, Text) \
    TAG("19", tag19, Tag19, Text) \
    TAG("20", tag20, Tag20, Text) \
    TAG("21", tag21, Tag21, Text) \
    TAG("22", tag22, Tag22, Text) \
    TAG("23", tag23, Tag23, Text) \
    TAG("24", tag24, Tag24, Text) \
    TAG("25", tag25, Tag25, Text) \
    TAG("26", tag26, Tag26, Dictionary) \
    TAG("27", tag27, Tag27, Dictionary) \
    TAG("28", tag28, Tag28, Dictionary) \
    TAG("29", tag29, Tag29, Dictionary) \
    TAG("30", tag30, Tag30, Dictionary) \
    TAG("31", tag31, Tag31, Dictionary) \
    TAG("32", tag32, Tag32, Dictionary) \
    TAG("33", tag33, Tag33, Dictionary) \
    TAG("34", tag34, Tag34, Dictionary) \
    TAG("35", tag35, Tag35, Dictionary) \
    TAG("36", tag36, Tag36, Dictionary) \
    TAG("37", tag37, Tag37, Dictionary) \
    TAG("38", tag38, Tag38, Dictionary) \
    TAG("39", tag39, Tag39, Dictionary) \
    TAG("40", tag40, Tag40, Dictionary) \
    TAG("41", tag41, Tag41, Dictionary) \
    TAG("42", tag42, Tag42, Dictionary) \
    TAG("43", tag43, Tag43, Dictionary) \
    TAG("44", tag44, Tag44, Dictionary) \
    TAG("45", tag45, Tag45, Dictionary) \
    TAG("46", tag46, Tag46, Dictionary) \
    TAG("47", tag47, Tag47, Dictionary) \
    TAG("48", tag48, Tag48, Dictionary) \
    TAG("49", tag49, Tag49, Dictionary) \
    TAG("50", tag50, Tag50, Dictionary) \
    TAG("51", tag51, Tag51, Dictionary) \
    TAG("52", merchantCategoryCode, MerchantCategoryCode, Text) \
    TAG("53", currencyCode, CurrencyCode, Text) \
    TAG("54", transactionAmount, TransactionAmount, Text) \
    TAG("55", tipAndFeeIndicator, TipAndFeeIndicator, Text) \
    TAG("56", convenienceFeeAmount, ConvenienceFeeAmount, Text) \
    TAG("57", convenienceFeePercentage, ConvenienceFeePercentage, Text) \
    TAG("58", countryCode, CountryCode, Text) \
    TAG("59", merchantName, MerchantName, Text) \
    TAG("60", cityName, CityName, Text) \
    TAG("61", postalCode, PostalCode, Text) \
    EXTRA(additionalDataField, AdditionalDataField, Text) \
    TAG("62", additionalDataFieldTemplate, AdditionalDataFieldTemplate, Dictionary)

#define TAVRO_TAG_ROWS_SUB(TAG, EXTRA) \
    TAG("6201", billID, BillID, Text) \
    TAG("6202", mobileNumber, MobileNumber, Text) \
    TAG("6203", storeID, StoreID, Text) \
    TAG("6204", loyaltyNumber, LoyaltyNumber, Text) \
    TAG("6205", referenceID, ReferenceID, Text) \
    TAG("6206", consumerID, ConsumerID, Text) \
    TAG("6207", terminalID, TerminalID, Text) \
    TAG("6208", purpose, Purpose, Text) \
    TAG("6209", additionalConsumerDataRequest, AdditionalConsumerDataRequest, Text) \
    TAG("6210", tagSixtyTwo10, TagSixtyTwo10, Text) \
    TAG("6211", addDataMasterCard1, AddDataMasterCard1, Text) \
    TAG("6212", addDataMasterCard2, AddDataMasterCard2, Text) \
    TAG("6213", addDataNpci1, AddDataNpci1, Text) \
    TAG("6214", addDataNpci2, AddDataNpci2, Text)

#define TAVRO_TAG_ROWS_ROOT_HIGH(TAG, EXTRA) \
    TAG("63", crc, Crc, Text) \
    TAG("64", merchantInformationLanguageTemplate, MerchantInformationLanguageTemplate, Dictionary) \
    TAG("65", tag65, Tag65, Text) \
    TAG("66", tag66, Tag66, Text) \
    TAG("67", tag67, Tag67, Text) \
    TAG("68", tag68, Tag68, Text) \
    TAG("69", tag69, Tag69, Text) \
    TAG("70", tag70, Tag70, Text) \
    TAG("71", tag71, Tag71, Text) \
    TAG("72", tag72, Tag72, Text) \
    TAG("73", tag73, Tag73, Text) \
    TAG("74", tag74, Tag74, Text) \
    TAG("75", tag75, Tag75, Text) \
    TAG("76", tag76, Tag76, Text) \
    TAG("77", tag77, Tag77, Text) \
    TAG("78", tag78, Tag78, Text) \
    TAG("79", tag79, Tag79, Text) \
    TAG("80", tag80, Tag80, Dictionary) \
    TAG("81", tag81, Tag81, Dictionary) \
    TAG("82", tag82, Tag82, Dictionary) \
    TAG("83", tag83, Tag83, Dictionary) \
    TAG("84", tag84, Tag84, Dictionary) \
    TAG("85", tag85, Tag85, Dictionary) \
    TAG("86", tag86, Tag86, Dictionary) \
    TAG("87", tag87, Tag87, Dictionary) \
    TAG("88", tag88, Tag88, Dictionary) \
    TAG("89", tag89, Tag89, Dictionary) \
    TAG("90", tag90, Tag90, Dictionary) \
    TAG("91", tag91, Tag91, Dictionary) \
    TAG("92", tag92, Tag92, Dictionary) \
    TAG("93", tag93, Tag93, Dictionary) \
    TAG("94", tag94, Tag94, Dictionary) \
    TAG("95", tag95, Tag95, Dictionary) \
    TAG("96", tag96, Tag96, Dictionary) \
    TAG("97", tag97, Tag97, Dictionary) \
    TAG("98", tag98, Tag98, Dictionary) \
    TAG("99", tag99, Tag99, Dictionary) \
    EXTRA(primaryID, PrimaryID, Text) \
    EXTRA(secondaryID, SecondaryID, Text)

// Model properties in declaration order (119 rows).
#define TAVRO_MODEL_PROPERTY_ROWS(TAG, EXTRA) \
    TAVRO_TAG_ROWS_ROOT_LOW(TAG, EXTRA) \
    TAVRO_TAG_ROWS_ROOT_HIGH(TAG, EXTRA) \
    TAVRO_TAG_ROWS_SUB(TAG, EXTRA)

// Payload IDs in ascending text order of the IDs (114 TAG rows; EXTRA rows interleaved).
#define TAVRO_TAG_ROWS_BY_ID(TAG, EXTRA) \
    TAVRO_TAG_ROWS_ROOT_LOW(TAG, EXTRA) \
    TAVRO_TAG_ROWS_SUB(TAG, EXTRA) \
    TAVRO_TAG_ROWS_ROOT_HIGH(TAG, EXTRA)

// Row macros that expand to nothing, for lists that take only one kind of row.
#define TAVRO_TAG_ROW_IGNORED(id, name, Name, Kind)
#define TAVRO_EXTRA_ROW_IGNORED(name, Name, Kind)
