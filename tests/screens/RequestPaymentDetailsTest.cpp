#include "screens/PaymentFormTestSupport.h"

#include "TavroMerchantSDK/Common/CellView/TAVROFXAmountCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROSwitchCellView.h"
#include "TavroMerchantSDK/payload/TLVGenerator.h"
#include "TavroMerchantSDK/payload/TLVMapParser.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/UIKeyboardNotifications.h"
#include "platform/ui/UIKeyboard.h"
#include "platform/ui/UIScreen.h"

#include <random>
#include <span>
#include <utility>

using namespace sessiontest;
using tavro::CellType;

namespace {

using Text = std::optional<std::string>;

std::string repeated(std::string_view unit, int times)
{
    std::string text;
    while (times-- > 0)
        text += unit;
    return text;
}
// One character of two or three code points each: "e" with a combining acute, the Devanagari
// "ni", a Hangul syllable written as conjoining jamo.
constexpr std::string_view kAcuteE = "e\xCC\x81", kNi = "\xE0\xA4\xA8\xE0\xA4\xBF",
                           kJamo = "\xE1\x84\x92\xE1\x85\xA1\xE1\x86\xAB";

class RequestPaymentDetailsTest : public formtest::RequestFlowTest {
protected:
    enum Edit { type, paste, erase, toggle };
    // {row, edit, text typed or pasted (erase: as many backspaces), switch on after, UPDATE after}.
    // A row that is off is switched on before an edit; each row is reached by scrolling and its
    // edit ended with Done.
    using Step = std::tuple<CellType, Edit, std::string, bool, bool>;

    void runSteps(tavro::TAVROPaymentScrollView& form, std::span<const Step> steps)
    {
        for (const auto& [row, edit, text, on, enabled] : steps) {
            SCOPED_TRACE(std::string(tavro::caseName(row)) + " " + text);
            const auto cell = form.switchCell(row);
            const auto field = cell ? cell->inputCell()->inputTextField() : form.amountCellView()->inputTextField();
            form.scrollRectToVisible(form.convertFrom(field->bounds(), field), false);
            if (cell && (edit == toggle || !cell->rightSwitch()->isOn())) {
                form.scrollRectToVisible(cell->frame(), false);
                driver.toggleSwitch(cell->rightSwitch());
                driver.advanceBy(0.6);
                form.scrollRectToVisible(cell->frame(), false);
                ASSERT_EQ(cell->rightSwitch()->isOn(), on);
            }
            if (edit != toggle && !text.empty()) {
                ASSERT_TRUE(driver.focus(field));
                edit == erase ? driver.backspace(text.size()) : edit == paste ? driver.paste(text) : driver.type(text);
                driver.pressDone();
            }
            EXPECT_EQ(updateEnabled(), enabled);
        }
    }
    // {screen width, screen height, keyboard band}
    using Phone = std::tuple<double, double, double>;
    // The editor over a valid request on `phone`, traced by its sizes.
    std::shared_ptr<Editor> openEditorOn(const Phone& phone)
    {
        const auto& [width, height, keyboard] = phone;
        platform::UIScreen::main()->setBounds({0, 0, width, height});
        platform::UIKeyboard::shared().setHeight(keyboard);
        return openEditor(validPaymentRequest());
    }
    // Whether `view` lies between the top of the editor's form and the top of `phone`'s band.
    bool isClear(const platform::UIView& view, const Phone& phone)
    {
        const auto& form = *top<Editor>()->scrollView();
        const auto frame = view.convert(view.bounds(), nullptr);
        return frame.minY() >= form.convert(form.bounds(), nullptr).minY() &&
               frame.maxY() <= std::get<1>(phone) - std::get<2>(phone);
    }
    // The additional-data entries of the payload the session's request shows.
    std::map<std::string, std::string> additionalData()
    {
        return formtest::topLevelEntries(formtest::topLevelEntries(sessionRequest()->getTLV())["62"]);
    }
};

} // namespace

TEST_F(RequestPaymentDetailsTest, OpensOverTheRequestAndWritesBackOnlyOnUpdate)
{
    auto request = validPaymentRequest();
    request->setBillID("B-1");
    auto editor = openEditor(request);
    ASSERT_TRUE(editor);
    EXPECT_TRUE(navigation()->isNavigationBarHidden());
    EXPECT_FALSE(updateEnabled());
    EXPECT_EQ(editor->updateButton()->frame(), platform::CGRect(0, 607, 375, 60));
    const auto& form = *editor->scrollView();
    EXPECT_EQ(form.switchCell(CellType::billNumber)->inputCell()->inputTextField()->text(), Text("B-1"));
    for (int raw = 7; raw <= 13; ++raw)
        EXPECT_FALSE(form.switchCell(static_cast<CellType>(raw))->rightSwitch()->isOn()) << raw;
    // The limit is checked on a copy of the session's request.
    EXPECT_NE(form.additionalRequest(), sessionRequest());
    EXPECT_EQ(form.additionalRequest()->billID(), Text("B-1"));

    // Closed after edits: nothing written.
    ASSERT_TRUE(driver.toggleSwitch("storeIDSwitch"));
    driver.tap(editor->closeButton());
    driver.advanceBy(0.5);
    EXPECT_FALSE(navigation()->isNavigationBarHidden());
    EXPECT_FALSE(sessionRequest()->storeID());
    EXPECT_FALSE(session()->requestPaymentSession()->isUpdated());

    // A row switched on and left empty is written as "***": the payer enters it.
    editor.reset();
    ASSERT_TRUE(openEditor());
    ASSERT_TRUE(driver.toggleSwitch("storeIDSwitch"));
    ASSERT_TRUE(pressUpdate());
    EXPECT_EQ(sessionRequest()->storeID(), Text("***"));
    EXPECT_EQ(sessionRequest()->billID(), Text("B-1"));
    EXPECT_TRUE(session()->requestPaymentSession()->isUpdated());
}

TEST_F(RequestPaymentDetailsTest, UpdateDuringEditingKeepsTheTypedTextAndRefusesAnInvalidOne)
{
    ASSERT_TRUE(openEditor(validPaymentRequest()));
    ASSERT_TRUE(driver.toggleSwitch("billNumberSwitch"));
    driver.typeInto("billNumberTextField", "INV-9");
    ASSERT_TRUE(driver.focusedTextField());
    ASSERT_TRUE(pressUpdate());
    EXPECT_EQ(sessionRequest()->billID(), Text("INV-9"));

    // 26 characters: the form still enables UPDATE while typing, but ending the edit turns it off.
    session()->requestPaymentSession()->setIsUpdated(false);
    ASSERT_TRUE(openEditor());
    driver.focus(driver.find("billNumberTextField"));
    driver.backspace(5);
    driver.type(std::string(26, 'x'));
    ASSERT_TRUE(updateEnabled());
    EXPECT_FALSE(pressUpdate());
    EXPECT_FALSE(updateEnabled());
    EXPECT_EQ(sessionRequest()->billID(), Text("INV-9"));
    EXPECT_FALSE(session()->requestPaymentSession()->isUpdated());
}

// UPDATE follows what the rows show: a shown row whose text its field refuses keeps it off, a row
// refused only because the data was over the limit counts again once the limit is relieved, a row
// switched off is let go whatever the limit, and the values committed are the ones shown. Each row
// is reached by scrolling and ended with Done.
TEST_F(RequestPaymentDetailsTest, UpdateOnlyWhileEveryShownRowPassesAndTheDataFits)
{
    using Entries = std::map<std::string, std::string>;
    struct Session {
        Text amount, referenceID; // the host's
        std::vector<Step> steps;
        std::string writtenAmount; // "" when absent
        Entries written;
    };
    const Session sessions[] = {
        {"123456789",
         std::nullopt,
         {
             {CellType::billNumber, type, std::string(26, 'b'), true, false},
             {CellType::mobileNumber, paste, "+9198765432101234567890", true, false},
             {CellType::storeID, type, std::string(26, 's'), true, false},
             {CellType::loyaltyNumber, type, "", true, false},
             {CellType::referenceID, type, "", false, false}, // refused: the data would pass the limit
             {CellType::billNumber, erase, "x", true, false},
             {CellType::storeID, erase, "x", true, true},
             {CellType::loyaltyNumber, type, "L12345678901", true, false}, // over the limit
             {CellType::paymentAmount, erase, "x", true, false},
             {CellType::billNumber, erase, "xx", true, true}, // the limit relieved
         },
         "12345678.9",
         {{"01", std::string(23, 'b')}, {"02", "+9198765432101234567890"}, {"03", std::string(25, 's')},
          {"04", "L12345678901"}}},
        {std::nullopt,
         "REF-123",
         {
             {CellType::consumerID, toggle, "", true, true},
             {CellType::consumerID, toggle, "", false, true}, // under the limit
             {CellType::billNumber, toggle, "", true, true},
             {CellType::mobileNumber, toggle, "", true, true},
             {CellType::storeID, toggle, "", true, true},
             {CellType::loyaltyNumber, toggle, "", true, true},
             {CellType::billNumber, type, std::string(25, 'b'), true, true},
             {CellType::mobileNumber, type, std::string(25, 'm'), true, true},
             {CellType::storeID, type, std::string(25, 's'), true, false},
             {CellType::loyaltyNumber, type, std::string(25, 'l'), true, false},
             {CellType::referenceID, toggle, "", false, false}, // the rest is still over the limit
             {CellType::loyaltyNumber, erase, std::string(25, 'x'), true, true},
         },
         "",
         {{"01", std::string(25, 'b')}, {"02", std::string(25, 'm')}, {"03", std::string(25, 's')}, {"04", "***"}}},
        {std::nullopt,
         std::nullopt,
         {
             {CellType::billNumber, type, std::string(25, 'b'), true, true},
             {CellType::mobileNumber, type, std::string(25, 'm'), true, true},
             {CellType::storeID, type, std::string(25, 's'), true, true},
             {CellType::loyaltyNumber, type, "L12345", true, true}, // 97 of 99
             {CellType::referenceID, toggle, "", false, true},      // refused: "***" would make 104
         },
         "",
         {{"01", std::string(25, 'b')}, {"02", std::string(25, 'm')}, {"03", std::string(25, 's')}, {"04", "L12345"}}},
    };
    for (const auto& s : sessions) {
        auto request = validPaymentRequest();
        request->setTransactionAmount(s.amount);
        request->setReferenceID(s.referenceID);
        auto editor = openEditor(request);
        ASSERT_TRUE(editor);
        runSteps(*editor->scrollView(), s.steps);
        editor.reset();
        ASSERT_TRUE(pressUpdate());
        EXPECT_EQ(formtest::topLevelEntries(sessionRequest()->getTLV())["54"], s.writtenAmount);
        EXPECT_EQ(additionalData(), s.written);
        EXPECT_FALSE(request->referenceID());
        endFlow();
    }
}

// The optional fields count code points, as the payload does: every QR shown validates and holds
// no more of a text than was entered.
TEST_F(RequestPaymentDetailsTest, OptionalFieldsCountCodePointsAsThePayloadDoes)
{
    // {edit, text, bill number written ("": UPDATE stays off)}
    const std::tuple<Edit, std::string, std::string> cases[] = {
        {type, repeated(kAcuteE, 20), ""},     // 13 typed: 26 code points
        {paste, repeated(kAcuteE, 20), "***"}, // 40: refused whole
        {type, repeated(kNi, 13), ""},
        {paste, repeated(kNi, 13), ""},
        {type, repeated(kJamo, 9), repeated(kJamo, 8)}, // the ninth would make 27
        {paste, repeated(kJamo, 9), "***"},
        {paste, std::string(25, 'a'), std::string(25, 'a')},
    };
    for (const auto& [edit, text, written] : cases) {
        auto editor = openEditor(validPaymentRequest());
        ASSERT_TRUE(editor);
        const Step step{CellType::billNumber, edit, text, true, !written.empty()};
        runSteps(*editor->scrollView(), {&step, 1});
        editor.reset();
        EXPECT_EQ(pressUpdate(), !written.empty());
        EXPECT_EQ(tavro::TLVGenerator::tlvValidation(sessionRequest()->getTLV()), std::vector<std::string>{});
        EXPECT_EQ(additionalData()["01"], written);
        endFlow();
    }
}

// Random sessions on fixed seeds, on a request from values and on one from a tag dictionary:
// toggling, typing, pasting, erasing, UPDATE and reopening in any order. After every UPDATE the QR
// validates and carries exactly the rows shown on, each with the text it shows ("***" when
// empty); judging UPDATE never touches the shared payload parser. Seeds 5 and 14 reach a row
// switched off while the data is over the limit.
TEST_F(RequestPaymentDetailsTest, RandomSessionsWriteWhatTheRowsShow)
{
    const std::string texts[] = {"INV-7", std::string(20, 'a'), std::string(25, 'b'), std::string(26, 'z'), "  ",
                                 "***",   repeated(kAcuteE, 20), repeated(kNi, 13),   repeated(kJamo, 9)};
    const platform::AnyValue::Dictionary tags{{"00", "01"}, {"01", "11"}, {"02", "41234568"}, {"52", "5812"},
                                              {"53", "356"}, {"58", "IN"}, {"59", "Tag Shop"},  {"60", "Goa"}};
    auto& parser = tavro::TLVMapParser::shared();
    for (const unsigned seed : {5u, 14u, 27u}) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        const auto pick = [&random](std::size_t count) {
            return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
        };
        const bool fromTags = seed % 2 == 0;
        auto editor = openEditor(fromTags ? platform::NSObject::create<tavro::TavroPaymentRequest>(tags)
                                          : validPaymentRequest());
        parser.setTlvString("untouched");
        for (int step = 0; step < 200 && editor; ++step) {
            SCOPED_TRACE(step);
            auto& form = *editor->scrollView();
            std::vector<std::shared_ptr<tavro::TAVROSwitchCellView>> rows, on;
            for (int raw = 6; raw <= 13; ++raw) {
                rows.push_back(form.switchCell(static_cast<CellType>(raw)));
                if (rows.back()->rightSwitch()->isOn())
                    on.push_back(rows.back());
            }
            const auto action = pick(12);
            if (action < 3 || on.empty()) {
                const auto& cell = rows[pick(rows.size())];
                form.scrollRectToVisible(cell->frame(), false);
                driver.toggleSwitch(cell->rightSwitch());
                driver.advanceBy(0.6);
            } else if (action < 10) {
                const auto& cell = on[pick(on.size())];
                form.scrollRectToVisible(cell->frame(), false);
                if (!driver.focus(cell->inputCell()->inputTextField()))
                    continue;
                const auto& text = texts[pick(std::size(texts))];
                action < 6   ? void(driver.type(text))
                : action < 8 ? void(driver.paste(text))
                             : void(driver.backspace(pick(30)));
                if (pick(2))
                    driver.pressDone();
            } else {
                EXPECT_EQ(parser.tlvString(), "untouched");
                std::map<std::string, std::string> shown;
                for (const auto& row : on) {
                    const auto& text = row->inputCell()->inputTextField()->text();
                    shown["0" + std::to_string(tavro::rawValue(row->cellType()) - 5)] = text.empty() ? "***" : text;
                }
                editor.reset();
                if (action == 10 && pressUpdate()) {
                    EXPECT_EQ(tavro::TLVGenerator::tlvValidation(sessionRequest()->getTLV()), std::vector<std::string>{});
                    EXPECT_EQ(additionalData(), shown);
                } else if (action == 11) {
                    driver.tap(top<Editor>()->closeButton());
                    driver.advanceBy(0.5);
                }
                editor = top<Editor>() ? top<Editor>() : openEditor();
                parser.setTlvString("untouched");
            }
        }
        endFlow();
    }
}

// A row switched off writes nothing, however its editing went before, and takes no keys after.
TEST_F(RequestPaymentDetailsTest, ASwitchedOffRowWritesNothing)
{
    // {typed before switching off, Done before it, typed after}
    const std::tuple<std::string, bool, std::string> orders[] = {
        {"INV-7", true, ""}, {"", false, ""}, {"INV-7", false, ""}, {"INV-7", false, "X"}};
    for (const auto& [before, done, after] : orders) {
        SCOPED_TRACE(before + (done ? " Done, " : ", ") + after);
        auto request = validPaymentRequest();
        ASSERT_TRUE(openEditor(request));
        ASSERT_TRUE(driver.toggleSwitch("billNumberSwitch"));
        driver.advanceBy(0.3);
        if (!before.empty())
            driver.typeInto("billNumberTextField", before);
        if (done)
            driver.pressDone();
        ASSERT_TRUE(driver.toggleSwitch("billNumberSwitch"));
        EXPECT_FALSE(driver.focusedTextField());
        driver.type(after);
        ASSERT_TRUE(pressUpdate());
        EXPECT_FALSE(request->billID());
        EXPECT_FALSE(additionalData().count("01"));
        endFlow();
    }
}

TEST_F(RequestPaymentDetailsTest, ResetClearsEveryOptionalFieldButKeepsTheAmount)
{
    auto request = validPaymentRequest();
    request->setTransactionAmount("250.0");
    request->setBillID(std::string(25, 'b'));
    request->setMobileNumber(std::string(25, 'm'));
    request->setStoreID(std::string(25, 's'));
    request->setLoyaltyNumber(std::string(8, 'l')); // the data is full: closed rows are dimmed
    auto editor = openEditor(request);
    ASSERT_TRUE(editor);
    const auto& form = *editor->scrollView();
    ASSERT_FALSE(form.switchCell(CellType::terminalID)->rightSwitch()->isUserInteractionEnabled());

    ASSERT_TRUE(driver.tapText("Reset"));
    driver.advanceBy(0.5);
    EXPECT_FALSE(form.switchCell(CellType::billNumber)->rightSwitch()->isOn());
    EXPECT_TRUE(form.switchCell(CellType::terminalID)->rightSwitch()->isUserInteractionEnabled());
    // The form now measures a request without the earlier values.
    EXPECT_FALSE(form.additionalRequest()->billID());
    EXPECT_FALSE(form.additionalRequest()->loyaltyNumber());
    EXPECT_FALSE(editor->request()->billID());
    editor.reset();

    ASSERT_TRUE(pressUpdate());
    EXPECT_EQ(sessionRequest()->transactionAmount(), Text("250.0"));
    EXPECT_FALSE(sessionRequest()->billID());
    EXPECT_FALSE(sessionRequest()->loyaltyNumber());
    EXPECT_FALSE(formtest::topLevelEntries(sessionRequest()->getTLVForPlainObject()).count("62"));
}

TEST_F(RequestPaymentDetailsTest, KeyboardKeepsTheEditedRowInViewAndIsForgottenOnClose)
{
    // The host reports its band from its own keyboard observer, made before the editor's.
    bool reported = false;
    const auto host = platform::NotificationCenter::defaultCenter().addObserver(
        platform::UIKeyboardWillShowNotification, [&reported](const platform::Notification&) {
            if (!std::exchange(reported, true))
                platform::UIKeyboard::shared().setHeight(320);
        });
    auto editor = openEditor(validPaymentRequest());
    ASSERT_TRUE(editor);
    auto& center = platform::NotificationCenter::defaultCenter();
    const auto observers = center.observerCount();

    // The lowest row lies below the screen; a finger drag begun on a switch reaches it and leaves the
    // switch alone, a drag begun on a text field does not focus it, a tap still toggles.
    EXPECT_FALSE(driver.tap("paymentPurposeSwitch"));
    ASSERT_TRUE(driver.drag(driver.find("storeIDSwitch"), {0, -300}));
    driver.advanceBy(0.5);
    EXPECT_FALSE(driver.find<platform::UISwitch>("storeIDSwitch")->isOn());
    ASSERT_TRUE(driver.toggleSwitch("paymentPurposeSwitch"));
    driver.advanceBy(0.5);
    ASSERT_TRUE(driver.drag(driver.find("paymentPurposeTextField"), {0, -40}));
    EXPECT_FALSE(driver.focusedTextField());
    ASSERT_TRUE(driver.focus(driver.find("paymentPurposeTextField")));
    driver.advanceBy(0.5);
    const auto field = editor->currentTextField();
    ASSERT_TRUE(field);
    const auto row = editor->view()->convertFrom(field->superview()->frame(), field->superview()->superview());
    EXPECT_DOUBLE_EQ(row.maxY(), 667 - 320 - 70);
    // The host's keyboard grows while up: the row clears the new band.
    platform::UIKeyboard::shared().setHeight(400);
    driver.advanceBy(0.5);
    EXPECT_LE(field->convert(field->bounds(), nullptr).maxY(), 667 - 400);

    driver.tap(editor->closeButton());
    EXPECT_EQ(center.observerCount(), observers - 2);
}

// Amount first, then each optional row switched on and focused while the keyboard stays up: every
// newly focused field comes to rest between the form's top and the keyboard (a row already there
// stays put; on a turned phone the room is shorter than the row), and UPDATE carries everything typed.
TEST_F(RequestPaymentDetailsTest, EachFieldFocusedWhileTheKeyboardIsUpSitsAboveIt)
{
    int alreadyClear = 0;
    for (const auto& phone : {Phone{320, 568, 216}, Phone{320, 568, 260}, Phone{320, 568, 400}, Phone{375, 667, 216},
                              Phone{375, 667, 260}, Phone{414, 896, 336}, Phone{896, 414, 291}}) {
        SCOPED_TRACE(testing::PrintToString(phone));
        auto editor = openEditorOn(phone);
        ASSERT_TRUE(editor);
        auto& form = *editor->scrollView();
        ASSERT_TRUE(driver.focus(form.amountCellView()->inputTextField()));
        driver.type("1250");
        std::map<std::string, std::string> typed;
        for (int raw = 6; raw <= 13; ++raw) {
            SCOPED_TRACE(raw);
            const auto cell = form.switchCell(static_cast<CellType>(raw));
            ASSERT_TRUE(driver.toggleSwitch(cell->rightSwitch()));
            driver.advanceBy(0.6);
            const auto& field = cell->inputCell()->inputTextField();
            const bool clear = isClear(*cell->inputCell(), phone);
            const auto offset = form.contentOffset();
            ASSERT_TRUE(driver.focus(field));
            driver.advanceBy(0.5);
            EXPECT_TRUE(isClear(*field, phone)) << field->convert(field->bounds(), nullptr);
            if (clear) {
                EXPECT_EQ(form.contentOffset(), offset);
                ++alreadyClear;
            }
            driver.type(typed["0" + std::to_string(raw - 5)] = std::to_string(raw * 11));
        }
        editor.reset();
        ASSERT_TRUE(pressUpdate());
        EXPECT_EQ(sessionRequest()->transactionAmount(), Text("12.5"));
        EXPECT_EQ(additionalData(), typed);
        endFlow();
    }
    EXPECT_GT(alreadyClear, 0);
}

// A row left for the customer (switched on, focused, left empty) opens no further when the next
// field is tapped, nor a row when its own field is tapped while it opens: the field keeps the place
// the keyboard gave it. A switch tapped while a field keeps the focus still brings its own row into
// view.
TEST_F(RequestPaymentDetailsTest, AFieldTappedAfterARowLeftEmptyStaysAboveTheKeyboard)
{
    for (const auto& phone : {Phone{320, 568, 260}, Phone{375, 667, 216}}) {
        SCOPED_TRACE(testing::PrintToString(phone));
        auto editor = openEditorOn(phone);
        ASSERT_TRUE(editor);
        auto& form = *editor->scrollView();
        const auto bill = form.switchCell(CellType::billNumber), loyalty = form.switchCell(CellType::loyaltyNumber),
                   purpose = form.switchCell(CellType::paymentPurpose);
        // The last row switched on and its field tapped at once, within the row's opening.
        const auto& last = purpose->inputCell()->inputTextField();
        form.scrollRectToVisible(purpose->frame(), false);
        ASSERT_TRUE(driver.toggleSwitch(purpose->rightSwitch()));
        form.scrollRectToVisible(form.convertFrom(last->bounds(), last), false);
        ASSERT_TRUE(driver.focus(last));
        driver.advanceBy(1);
        EXPECT_TRUE(isClear(*last, phone));

        for (const auto& row : {purpose, loyalty, bill}) {
            form.scrollRectToVisible(row->frame(), false);
            ASSERT_TRUE(driver.toggleSwitch(row->rightSwitch()));
            driver.advanceBy(0.6);
        }
        ASSERT_TRUE(driver.focus(bill->inputCell()->inputTextField()));
        driver.advanceBy(0.5);

        // The control: the field keeps the focus, the switched row comes into view whole.
        form.scrollRectToVisible(purpose->frame(), false);
        ASSERT_TRUE(driver.toggleSwitch(purpose->rightSwitch()));
        driver.advanceBy(1);
        EXPECT_TRUE(form.bounds().contains(purpose->frame())) << form.bounds() << purpose->frame();
        EXPECT_EQ(driver.focusedTextField(), bill->inputCell()->inputTextField());

        const auto& field = loyalty->inputCell()->inputTextField();
        form.scrollRectToVisible(form.convertFrom(field->bounds(), field), false);
        ASSERT_TRUE(driver.focus(field));
        driver.advanceBy(1);
        EXPECT_TRUE(isClear(*field, phone));
        driver.type("Y2");
        editor.reset();
        ASSERT_TRUE(pressUpdate());
        EXPECT_EQ(additionalData(), (std::map<std::string, std::string>{{"01", "***"}, {"04", "Y2"}, {"08", "***"}}));
        endFlow();
    }
}
