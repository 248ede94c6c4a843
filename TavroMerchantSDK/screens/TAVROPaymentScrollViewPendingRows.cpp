// Placeholder until the amount, tip, summary and detail row classes exist: forms skip those rows.
#include "TavroMerchantSDK/screens/TAVROPaymentScrollView.h"
namespace tavro {
void TAVROPaymentScrollView::addMerchantDetailRow(const TAVROPaymentCellModelPtr&, RowPlacement&) {}
void TAVROPaymentScrollView::addPaymentAmountRow(const TAVROPaymentCellModelPtr&, RowPlacement&) {}
void TAVROPaymentScrollView::addTipRow(const TAVROPaymentCellModelPtr&, RowPlacement&) {}
void TAVROPaymentScrollView::addSummaryRow(const TAVROPaymentCellModelPtr&, RowPlacement&) {}
void TAVROPaymentScrollView::keepTipHeightConstraint(platform::NSLayoutConstraintPtr) {}
void TAVROPaymentScrollView::refreshTipAndSummary(CellType) {}
void TAVROPaymentScrollView::updateConsumerSummary() {}
void TAVROPaymentScrollView::resetCurrencyDropDown() {}
}
