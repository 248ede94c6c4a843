#include "screens/PaymentFormTestSupport.h"

#include "TavroMerchantSDK/Common/CellView/TAVROFXAmountCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROSwitchCellView.h"
#include "platform/foundation/NotificationCenter.h"

using namespace sessiontest;
using tavro::CellType;

namespace {

using Text = std::optional<std::string>;

using RequestPaymentDetailsTest = formtest::RequestFlowTest;

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
// refused only because the data was over the limit counts again once the limit is relieved, and
// the values committed are the ones shown. Each row is reached by scrolling and ended with Done.
TEST_F(RequestPaymentDetailsTest, UpdateOnlyWhileEveryShownRowPassesAndTheDataFits)
{
    auto request = validPaymentRequest();
    request->setTransactionAmount("123456789");
    auto editor = openEditor(request);
    ASSERT_TRUE(editor);
    const auto form = editor->scrollView();
    enum Edit { type, paste, erase };
    // {row, edit, text typed or pasted (erase: as many backspaces), switch on after, UPDATE after}
    const std::tuple<CellType, Edit, std::string, bool, bool> steps[] = {
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
    };
    for (const auto& [row, edit, text, on, enabled] : steps) {
        SCOPED_TRACE(std::string(tavro::caseName(row)) + " " + text);
        const auto cell = form->switchCell(row);
        const auto field = cell ? cell->inputCell()->inputTextField() : form->amountCellView()->inputTextField();
        form->scrollRectToVisible(form->convertFrom(field->bounds(), field), false);
        if (cell && !cell->rightSwitch()->isOn()) {
            driver.toggleSwitch(cell->rightSwitch());
            driver.advanceBy(0.6);
            form->scrollRectToVisible(cell->frame(), false);
            ASSERT_EQ(cell->rightSwitch()->isOn(), on);
        }
        if (!text.empty()) {
            ASSERT_TRUE(driver.focus(field));
            edit == erase ? driver.backspace(text.size()) : edit == paste ? driver.paste(text) : driver.type(text);
            driver.pressDone();
        }
        EXPECT_EQ(updateEnabled(), enabled);
    }
    editor.reset();
    ASSERT_TRUE(pressUpdate());
    auto entries = formtest::topLevelEntries(sessionRequest()->getTLV());
    EXPECT_EQ(entries["54"], "12345678.9");
    EXPECT_EQ(formtest::topLevelEntries(entries["62"]),
              (std::map<std::string, std::string>{{"01", std::string(23, 'b')},
                                                  {"02", "+9198765432101234567890"},
                                                  {"03", std::string(25, 's')},
                                                  {"04", "L12345678901"}}));
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
        auto entries = formtest::topLevelEntries(sessionRequest()->getTLV());
        EXPECT_FALSE(formtest::topLevelEntries(entries["62"]).count("01"));
        tavro::TavroMerchantSDK::endTavroFlow();
        finishSlide();
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
    auto editor = openEditor(validPaymentRequest());
    ASSERT_TRUE(editor);
    auto& center = platform::NotificationCenter::defaultCenter();
    const auto observers = center.observerCount();

    const auto& form = editor->scrollView();
    form->scrollRectToVisible(form->switchCell(CellType::paymentPurpose)->frame(), false);
    ASSERT_TRUE(driver.toggleSwitch("paymentPurposeSwitch"));
    driver.advanceBy(0.5);
    ASSERT_TRUE(driver.focus(driver.find("paymentPurposeTextField")));
    driver.advanceBy(0.5);
    const auto field = editor->currentTextField();
    ASSERT_TRUE(field);
    const auto row = editor->view()->convertFrom(field->superview()->frame(), field->superview()->superview());
    EXPECT_DOUBLE_EQ(row.maxY(), 667 - 216 - 70);

    driver.tap(editor->closeButton());
    EXPECT_EQ(center.observerCount(), observers - 2);
}
