// The payment form's amount, tip, summary and detail rows, and the totals they keep in step.

#include "TavroMerchantSDK/screens/TAVROPaymentScrollView.h"

#include "TavroMerchantSDK/Common/CellView/TAVROFXAmountCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROFXDropDownCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROItemDetailCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROSummaryCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROTipCellView.h"
#include "TavroMerchantSDK/core/PlainDecimal.h"
#include "TavroMerchantSDK/core/TavroSession.h"
#include "TavroMerchantSDK/support/UIViewConstraintExtensions.h"
#include "TavroMerchantSDK/support/Utilities.h"
#include "platform/ui/NSLayoutAnchor.h"

namespace tavro {

using platform::CGFloat;
using platform::CGRect;
using platform::NSObject;

namespace {

constexpr CGFloat kAmountRowHeight = 98;
constexpr CGFloat kTipRowHeight = 70;
constexpr CGFloat kDetailRowHeight = 91;
constexpr CGFloat kShortDetailRowHeight = 70;

} // namespace

void TAVROPaymentScrollView::addMerchantDetailRow(const TAVROPaymentCellModelPtr& model, RowPlacement& place)
{
    const auto& value = model->value();
    const CGFloat rowHeight =
        (!value || value->find("...") != std::string::npos) ? kShortDetailRowHeight : kDetailRowHeight;
    // The detail row always heads the form.
    m_lastView = nullptr;
    auto row = NSObject::create<TAVROItemDetailCellView>(CGRect(0, place.y, place.width, rowHeight));
    row->setTranslatesAutoresizingMaskIntoConstraints(false);
    addSubview(row);
    addConstraintFor(row, CellType::none);
    platform::anchors(row)
        .centerX.constraintEqualTo(platform::anchors(sharedFromThis<platform::UIView>()).centerX)
        ->setActive(true);
    m_lastView = row;
    row->setCellType(CellType::merchantDetail);
    row->setCellObject(model);
    place.y += rowHeight;
}

void TAVROPaymentScrollView::addPaymentAmountRow(const TAVROPaymentCellModelPtr& model, RowPlacement& place)
{
    auto container = NSObject::create<platform::UIView>(CGRect(0, place.y, place.width, kAmountRowHeight));
    addSubview(container);
    container->setBackgroundColor(platform::UIColor::white());
    addConstraintFor(container, CellType::none);
    m_lastView = container;

    const CGFloat dropDownWidth = m_isCurrencyLocked ? 90 : 110;
    const CGFloat containerWidth = container->frame().width();
    const CGFloat containerHeight = container->frame().height();
    auto dropDown = NSObject::create<TAVROFXDropDownCellView>(
        CGRect(containerWidth - dropDownWidth + 2, 0, dropDownWidth - 2, containerHeight), m_isCurrencyLocked);
    dropDown->setDropDownCellDelegate(weakFromThis<TAVROPaymentScrollView>());
    dropDown->setCellType(CellType::paymentAmount);
    dropDown->setInputTextFieldString(model->currencyString());
    dropDown->setTitleString("");
    container->addSubview(dropDown);
    m_currencyDropDownCell = dropDown;

    auto amount =
        NSObject::create<TAVROFXAmountCellView>(CGRect(0, 0, containerWidth - dropDownWidth, containerHeight));
    container->addSubview(amount);
    amount->setCellViewDelegate(weakFromThis<TAVROPaymentScrollView>());
    amount->setCellType(CellType::paymentAmount);
    amount->setCellObject(model);
    m_amountCellView = amount;

    if (model->value()) {
        if (model->value()->empty())
            model->setValue(std::string("0"));
        // The model holds the amount as its currency shows it ("2000,00" where the comma is the
        // decimal separator); a plain decimal is read as it stands.
        const auto currencyCode = TavroSession::sharedSession()->activeCurrencyCode();
        auto number = readPlainDecimal(*model->value());
        if (!number) {
            if (const auto plain = Utilities::plainAmountText(model->value(), currencyCode))
                number = readPlainDecimal(*plain);
        }
        if (number) {
            const auto components = Utilities::getISOCurrencyComponents(*number, currencyCode);
            amount->setAmount(components.formattedAmount, components.currencyCode);
        }
    }
    place.y += kAmountRowHeight;
}

void TAVROPaymentScrollView::addTipRow(const TAVROPaymentCellModelPtr& model, RowPlacement& place)
{
    auto row = NSObject::create<TAVROTipCellView>(CGRect(0, place.y, place.width, kTipRowHeight));
    row->setTranslatesAutoresizingMaskIntoConstraints(false);
    m_tipCellView = row;
    row->setCellType(CellType::addTip);
    row->setCellObject(model);
    addSubview(row);
    addConstraintFor(row, CellType::addTip);
    m_lastView = row;
    row->setCellViewDelegate(weakFromThis<TAVROPaymentScrollView>());
    place.y += kTipRowHeight;
}

void TAVROPaymentScrollView::keepTipHeightConstraint(platform::NSLayoutConstraintPtr constraint)
{
    if (m_tipCellView)
        m_tipCellView->setHeightConstraint(std::move(constraint));
}

void TAVROPaymentScrollView::addSummaryRow(const TAVROPaymentCellModelPtr& model, RowPlacement& place)
{
    CGFloat rowHeight = 0;
    switch (m_screenType) {
    case TavroActiveFlow::payMerchant: rowHeight = 80; break;
    case TavroActiveFlow::refundPayment: rowHeight = 126; break;
    case TavroActiveFlow::withdrawCash:
        if (m_serviceFee == "0")
            return;
        rowHeight = 80;
        break;
    default: return;
    }
    auto row = NSObject::create<TAVROSummaryCellView>(CGRect(0, place.y, place.width, rowHeight));
    m_summaryCellView = row;
    row->setTranslatesAutoresizingMaskIntoConstraints(false);
    row->setCellType(m_screenType);
    row->setCellObject(model);
    addSubview(row);
    addConstraintFor(row, CellType::none);
    m_lastView = row;
    updateSummary();
    place.y += rowHeight;
}

void TAVROPaymentScrollView::refreshTipAndSummary(CellType cellType)
{
    if ((cellType == CellType::paymentAmount || cellType == CellType::addTip) &&
        m_screenType != TavroActiveFlow::payFriend)
        updateSummary();
    if (cellType != CellType::paymentAmount || !m_tipCellView)
        return;
    m_tipCellView->calculateTips();
    if (!m_summaryCellView)
        return;
    const auto amountModel = modelAt(3);
    std::optional<std::string> tipText;
    if (const auto& field = m_tipCellView->inputTextField())
        tipText = field->text();
    m_summaryCellView->updateCellWith(amountModel ? amountModel->value() : std::nullopt, tipText,
                                      TavroSession::sharedSession()->activeCurrencyCode());
}

void TAVROPaymentScrollView::updateConsumerSummary()
{
    // The pay flows' forms hold the amount fourth, the tip fifth and the fee and summary sixth.
    const auto amountModel = modelAt(3);
    const auto tipModel = modelAt(4);
    const auto feeModel = modelAt(5);
    const auto currency = TavroSession::sharedSession()->activeCurrencyCode();

    TAVROPaymentCellModelPtr chosen;
    if (tipModel && tipModel->value() && !tipModel->value()->empty()) {
        chosen = tipModel;
    } else if (feeModel) {
        const auto indicator = feeModel->tipAndFeeIndicator().value_or("");
        std::optional<double> fee;
        if (indicator == "03" && feeModel->convenienceFeePercentage() && amountModel && amountModel->value()) {
            const double percentage = readPlainDecimal(*feeModel->convenienceFeePercentage()).value_or(0);
            fee = Utilities::getCurrency(amountModel->value()).amount * percentage / 100;
        } else if (indicator == "02" && feeModel->convenienceFeeAmount()) {
            // A fee that is not a number leaves the value as it was.
            fee = readPlainDecimal(*feeModel->convenienceFeeAmount());
        }
        if (fee)
            feeModel->setValue(Utilities::currencyString(*fee, currency));
        chosen = feeModel;
    }
    if (m_summaryCellView)
        m_summaryCellView->updateCellWith(amountModel ? amountModel->value() : std::nullopt,
                                          chosen ? chosen->value() : std::nullopt, currency);
}

void TAVROPaymentScrollView::resetCurrencyDropDown()
{
    if (m_currencyDropDownCell)
        m_currencyDropDownCell->resetCell();
}

} // namespace tavro
