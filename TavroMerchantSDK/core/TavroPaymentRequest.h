#pragma once
// TavroPaymentRequest: one merchant as the request-payment flow shows it: identifier, name,
// city, category code, country, currency, an optional tip or convenience-fee rule, other
// networks' identifiers and, once edited on the QR screen, an amount and up to eight
// additional-data fields. Every field is text; an absent optional value differs from empty text.
//
// A request is made from separate values (encoded from its own fields), or from a tag dictionary
// keyed by payload IDs (encoded by the shared payload parser from that dictionary, with the
// request's own amount and additional data added). Held by std::shared_ptr; make with
// NSObject::create<TavroPaymentRequest>(...). Main thread only.

#include "TavroMerchantSDK/core/TavroError.h"
#include "platform/foundation/AnyValue.h"
#include "platform/foundation/NSObject.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tavro {

class TLVMapParser;

class TavroPaymentRequest : public platform::NSObject {
public:
    using OptionalText = std::optional<std::string>;

    // payloadFormatIndicator "01"; pointOfInitiation and postalCode empty text; the tip trio and
    // the amount and additional-data fields absent; every other field empty text.
    TavroPaymentRequest();

    // The sixteen merchant fields in declaration order, stored unchanged (so the optional ones
    // are present, possibly empty). A host without a tip rule passes empty text for the tip trio.
    TavroPaymentRequest(std::string payloadFormatIndicator, std::string pointOfInitiation, std::string tavroMerchantID,
                        std::string merchantName, std::string merchantCategoryCode, std::string cityName,
                        std::string countryCode, std::string currencyCode, std::string tipIndicator,
                        std::string tipAmount, std::string tipPercentage, std::string postalCode,
                        std::string mastercardPan1, std::string mastercardPan2, std::string npciid1,
                        std::string npciid2);

    // A request from a tag dictionary (payload IDs to values, as the payload encoder takes it).
    // The text values under "01", "02", "59", "52", "60", "58", "53", "61", "04", "05", "06" and
    // "07" fill their fields (other kinds of value are ignored); payloadFormatIndicator is "01"
    // and the other merchant fields, the tip trio included, empty text. The request keeps what the
    // encoder reads of the dictionary (TLVGenerator::placeableCopy, so any depth is safe), primes
    // the shared parser with it and marks the session as having seen one.
    explicit TavroPaymentRequest(const platform::AnyValue::Dictionary& tagValueDictionary);

    // --- fields, in declaration order ---
    const std::string& payloadFormatIndicator() const { return m_payloadFormatIndicator; }
    void setPayloadFormatIndicator(std::string value) { m_payloadFormatIndicator = std::move(value); }
    const OptionalText& pointOfInitiation() const { return m_pointOfInitiation; }
    void setPointOfInitiation(OptionalText value) { m_pointOfInitiation = std::move(value); }
    const std::string& tavroMerchantID() const { return m_tavroMerchantID; }
    void setTavroMerchantID(std::string value) { m_tavroMerchantID = std::move(value); }
    const std::string& merchantName() const { return m_merchantName; }
    void setMerchantName(std::string value) { m_merchantName = std::move(value); }
    const std::string& merchantCategoryCode() const { return m_merchantCategoryCode; }
    void setMerchantCategoryCode(std::string value) { m_merchantCategoryCode = std::move(value); }
    const std::string& cityName() const { return m_cityName; }
    void setCityName(std::string value) { m_cityName = std::move(value); }
    const std::string& countryCode() const { return m_countryCode; }
    void setCountryCode(std::string value) { m_countryCode = std::move(value); }
    const std::string& currencyCode() const { return m_currencyCode; }
    void setCurrencyCode(std::string value) { m_currencyCode = std::move(value); }
    // "01", "02" (fixed fee), "03" (percentage fee), empty or absent.
    const OptionalText& tipIndicator() const { return m_tipIndicator; }
    void setTipIndicator(OptionalText value) { m_tipIndicator = std::move(value); }
    const OptionalText& tipAmount() const { return m_tipAmount; }
    void setTipAmount(OptionalText value) { m_tipAmount = std::move(value); }
    const OptionalText& tipPercentage() const { return m_tipPercentage; }
    void setTipPercentage(OptionalText value) { m_tipPercentage = std::move(value); }
    const OptionalText& postalCode() const { return m_postalCode; }
    void setPostalCode(OptionalText value) { m_postalCode = std::move(value); }
    const std::string& mastercardPan1() const { return m_mastercardPan1; }
    void setMastercardPan1(std::string value) { m_mastercardPan1 = std::move(value); }
    const std::string& mastercardPan2() const { return m_mastercardPan2; }
    void setMastercardPan2(std::string value) { m_mastercardPan2 = std::move(value); }
    const std::string& npciid1() const { return m_npciid1; }
    void setNpciid1(std::string value) { m_npciid1 = std::move(value); }
    const std::string& npciid2() const { return m_npciid2; }
    void setNpciid2(std::string value) { m_npciid2 = std::move(value); }
    // Decimal text ("150.00"); written to the payload only when it is plain decimal text above 0.
    const OptionalText& transactionAmount() const { return m_transactionAmount; }
    void setTransactionAmount(OptionalText value) { m_transactionAmount = std::move(value); }
    const OptionalText& billID() const { return m_billID; }
    void setBillID(OptionalText value) { m_billID = std::move(value); }
    const OptionalText& mobileNumber() const { return m_mobileNumber; }
    void setMobileNumber(OptionalText value) { m_mobileNumber = std::move(value); }
    const OptionalText& storeID() const { return m_storeID; }
    void setStoreID(OptionalText value) { m_storeID = std::move(value); }
    const OptionalText& loyaltyNumber() const { return m_loyaltyNumber; }
    void setLoyaltyNumber(OptionalText value) { m_loyaltyNumber = std::move(value); }
    const OptionalText& referenceID() const { return m_referenceID; }
    void setReferenceID(OptionalText value) { m_referenceID = std::move(value); }
    const OptionalText& consumerID() const { return m_consumerID; }
    void setConsumerID(OptionalText value) { m_consumerID = std::move(value); }
    const OptionalText& terminalID() const { return m_terminalID; }
    void setTerminalID(OptionalText value) { m_terminalID = std::move(value); }
    const OptionalText& purpose() const { return m_purpose; }
    void setPurpose(OptionalText value) { m_purpose = std::move(value); }

    // What the encoder reads of the dictionary this request was made from; nullopt for a request
    // made from values.
    const std::optional<platform::AnyValue::Dictionary>& tagValueDictionary() const { return m_tagValueDictionary; }

    // A new, independent request. One made from a tag dictionary is made again from that
    // dictionary (re-priming the shared parser), then takes this request's amount and
    // additional data; any other is copy().
    std::shared_ptr<TavroPaymentRequest> clone() const;
    // A new, independent request with exactly this request's 25 fields and dictionary: nothing is
    // rebuilt from the dictionary, and the shared parser is left alone.
    std::shared_ptr<TavroPaymentRequest> copy() const;
    // Sets transactionAmount and the eight additional-data fields to `other`'s.
    void setAmountAndAdditionalData(const TavroPaymentRequest& other);

    // Null when the request may start the flow, else an error holding the message of the first
    // failing rule. Every field is checked in declaration order: its text must be valid UTF-8
    // without control characters, and a field with a rule of its own must pass that rule; a
    // failing field reports its rule's message, or "Payload field <name> not valid" when it has
    // none. For a request made from a tag dictionary whose fields pass, the shared parser's
    // verdict on that dictionary follows: its own error object, or the code "0" when it produced
    // no payload. Last, the payload this request would show must pass the payload validator and
    // carry every value set on the request that it writes (fields 2 to 25; 17 to 25 for a
    // tag-dictionary request), and a positive amount must have no digit past its currency's
    // minor unit as its amounts are shown (INR "100.999", CLF "12.34567"). Else the error holds
    // the validator's codes in the validator's step order, each once: for a value left out,
    // "16"/"17" as the amount rule judges its text, "45" for additional data, "50" for "04" to
    // "07"; "17" for an amount finer than its currency; exactly "0" when the point of initiation
    // is left out. An absent or empty amount, and one of zero or less ("0", "-5"), is neither
    // written nor refused. Changes no shared state beyond re-priming the shared parser with a
    // tag-dictionary request's own dictionary.
    std::shared_ptr<TavroError> validate() const;

    // --- payload ---

    // The payload text: for a request made from a tag dictionary, updateTLV() then the shared
    // parser's text; otherwise getTLVForPlainObject().
    std::string getTLV() const;
    // The whole payload from this request's fields, in declaration order (not ID order), the
    // additional data as template "62", then "6304" and the CRC. Empty and absent fields give no
    // entry; a value over 99 characters (code points) is left out with one debug line.
    std::string getTLVForPlainObject() const;
    // Rewrites the shared parser's text with this request's amount and additional data and a new
    // CRC: the old CRC entry and any top-level "54" and "62" entries are removed first, so
    // repeating it changes nothing. Text that is not a run of whole entries closed by the CRC
    // entry (empty text included) is no payload: it becomes empty, with one debug line, on this
    // call and every later one. A request made from a tag dictionary first primes the parser
    // from its own dictionary.
    void updateTLV() const;
    // `tlvString` + tag + two-digit length + value; unchanged for an absent or empty value, and
    // for one over 99 code points (one debug line).
    std::string addToTLV(const std::string& tlvString, const std::string& tlvTag, const OptionalText& tlvValue) const;
    // Whether the additional data fits template "62": (content over 99 characters, content of 99
    // characters or more). Always (false, false) outside the merchant side.
    std::pair<bool, bool> getAdditionalTlvValidCount() const;
    // The payload validator's verdict on the payload this request would show, built in a parser
    // of its own so that nothing shared changes (the shared parser included), joined by codes for
    // what it leaves out and for an amount finer than its currency's minor unit; null when it
    // passes and carries every value set.
    std::shared_ptr<TavroError> shownPayloadFailure() const;

private:
    // Payload IDs of values set on the request that a payload leaves out: too long to frame, or
    // an amount that is neither a positive plain decimal nor one of zero or less ("0", "-5").
    // Sub-entries of "62" by their full ID ("6201"), the whole template as "62".
    using LeftOutIds = std::vector<std::string>;
    struct WrittenPayload {
        std::string text;
        LeftOutIds leftOut;
    };

    // Hands this request's dictionary to `parser` and lets it encode and judge it.
    void primeParser(TLVMapParser& parser) const;
    // updateTLV() on `parser` in place of the shared one; what it left out of fields 17 to 25.
    LeftOutIds updateTLV(TLVMapParser& parser) const;
    // getTLV() on `parser` in place of the shared one, with what it left out.
    WrittenPayload writePayload(TLVMapParser& parser) const;
    // getTLVForPlainObject(), with what it left out of fields 2 to 25.
    WrittenPayload writePlainPayload() const;
    // validate()'s field rules, in declaration order; null when every field passes.
    std::shared_ptr<TavroError> fieldFailure() const;
    // Codes for `leftOut` and for the amount's precision, in no particular order; exactly "0"
    // when the point of initiation is left out.
    std::vector<std::string> unwrittenValueCodes(const LeftOutIds& leftOut) const;
    // The additional-data template content, each sub-entry framed as the writers do; sub-entries
    // too long to frame are left out and named in `leftOut`.
    std::string additionalDataContent(LeftOutIds& leftOut) const;
    // Appends "54" (when the amount counts) and the "62" template to `payload`.
    void appendAmountAndAdditionalData(std::string& payload, LeftOutIds& leftOut) const;

    std::string m_payloadFormatIndicator = "01";
    OptionalText m_pointOfInitiation;
    std::string m_tavroMerchantID;
    std::string m_merchantName;
    std::string m_merchantCategoryCode;
    std::string m_cityName;
    std::string m_countryCode;
    std::string m_currencyCode;
    OptionalText m_tipIndicator;
    OptionalText m_tipAmount;
    OptionalText m_tipPercentage;
    OptionalText m_postalCode;
    std::string m_mastercardPan1;
    std::string m_mastercardPan2;
    std::string m_npciid1;
    std::string m_npciid2;
    OptionalText m_transactionAmount;
    OptionalText m_billID;
    OptionalText m_mobileNumber;
    OptionalText m_storeID;
    OptionalText m_loyaltyNumber;
    OptionalText m_referenceID;
    OptionalText m_consumerID;
    OptionalText m_terminalID;
    OptionalText m_purpose;

    std::optional<platform::AnyValue::Dictionary> m_tagValueDictionary;
};

} // namespace tavro
