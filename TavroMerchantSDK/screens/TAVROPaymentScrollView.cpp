// Building the payment form: one row per model, chained top to bottom, and the content size.

#include "TavroMerchantSDK/screens/TAVROPaymentScrollView.h"

#include "TavroMerchantSDK/Common/CellView/CustomerEntersValue.h"
#include "TavroMerchantSDK/Common/CellView/MessageTemplate.h"
#include "TavroMerchantSDK/Common/CellView/TAVROButtonCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROInputCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROMessageCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROSwitchCellView.h"
#include "TavroMerchantSDK/controls/KCheckboxWithText.h"
#include "TavroMerchantSDK/core/TavroSession.h"
#include "TavroMerchantSDK/support/KDefaultConstants.h"
#include "TavroMerchantSDK/support/StringConstants.h"
#include "TavroMerchantSDK/support/StringMeasuringExtensions.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"
#include "TavroMerchantSDK/support/UIViewConstraintExtensions.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/NSLayoutAnchor.h"

#include <algorithm>

namespace tavro {

using platform::CGFloat;
using platform::CGRect;
using platform::NSLayoutAttribute;
using platform::NSObject;
using platform::UIViewPtr;

namespace {

constexpr CGFloat kInputRowHeight = 70;
constexpr CGFloat kResetRowHeight = 62;
constexpr CGFloat kMessageFontSize = 14;

bool isOptionalFieldKind(CellType type)
{
    const int raw = rawValue(type);
    return (raw >= rawValue(CellType::billNumber) && raw <= rawValue(CellType::optionalNote)) ||
           type == CellType::recipientName || type == CellType::koraCardNumber;
}

} // namespace

TAVROPaymentScrollView::TAVROPaymentScrollView(const CGRect& frame)
    : UIScrollView(frame), m_additionalRequest(NSObject::create<TavroPaymentRequest>())
{
}

void TAVROPaymentScrollView::setAdditionalRequest(std::shared_ptr<TavroPaymentRequest> request)
{
    // The form always checks some request: none means an empty one.
    m_additionalRequest = request ? std::move(request) : NSObject::create<TavroPaymentRequest>();
}

std::shared_ptr<TAVROSwitchCellView> TAVROPaymentScrollView::switchCell(CellType type) const
{
    const auto index = static_cast<std::size_t>(rawValue(type));
    return index < slotCount ? m_switchCells[index] : nullptr;
}

platform::NSLayoutConstraintPtr TAVROPaymentScrollView::switchHeightConstraint(CellType type) const
{
    const auto index = static_cast<std::size_t>(rawValue(type));
    return index < slotCount ? m_switchHeightConstraints[index] : nullptr;
}

void TAVROPaymentScrollView::prepareView(const std::optional<std::vector<TAVROPaymentCellModelPtr>>& paymentCellObjects)
{
    if (!paymentCellObjects)
        return;
    m_paymentCellObjects = *paymentCellObjects;

    RowPlacement place;
    const bool requestSession = TavroSession::sharedSession()->activeSessionType() == TavroActiveFlow::requestPayment;
    place.y = requestSession ? 0 : m_paymentHeaderHeight * 0.5 + 10;
    place.width = frame().width();

    // A row's callbacks may change the list; walk the models as they were handed over.
    const auto models = m_paymentCellObjects;
    for (const auto& model : models) {
        if (model)
            addRow(model, place);
    }

    if (m_lastView)
        addConstraintOn(m_lastView, NSLayoutAttribute::bottom);
    setScrollContentSize();
    setBackgroundColor(platform::UIColor::white());
    checkAdditionalDataLimit();
}

void TAVROPaymentScrollView::addRow(const TAVROPaymentCellModelPtr& model, RowPlacement& place)
{
    const CellType type = model->cellType();
    switch (type) {
    case CellType::none: return;
    case CellType::merchantDetail: addMerchantDetailRow(model, place); return;
    case CellType::message: addMessageRow(model, place); return;
    case CellType::paymentAmount: addPaymentAmountRow(model, place); return;
    case CellType::addTip:
        if (m_screenType != TavroActiveFlow::withdrawCash)
            addTipRow(model, place);
        return;
    case CellType::summary: addSummaryRow(model, place); return;
    case CellType::saveLater: addSaveLaterRow(model, place); return;
    case CellType::resetButton:
        if (isRequestForm())
            addResetRow(place);
        return;
    default: break;
    }
    if (!isOptionalFieldKind(type))
        return;
    if (isRequestForm())
        addSwitchRow(model, place);
    else
        addInputRow(model, place);
}

void TAVROPaymentScrollView::placeRow(const UIViewPtr& row, CellType constraintType)
{
    addSubview(row);
    addConstraintFor(row, constraintType);
    m_lastView = row;
}

void TAVROPaymentScrollView::addMessageRow(const TAVROPaymentCellModelPtr& model, RowPlacement& place)
{
    // Owners always title their message models; an untitled one has nothing to show.
    if (!model->titleName())
        return;
    const auto value = model->value().value_or("");
    const CGFloat rowHeight =
        height(*model->titleName(), place.width, platform::UIFont::systemFont(kMessageFontSize)) + 15;
    auto row = NSObject::create<TAVROMessageCellView>(CGRect(0, place.y, place.width, rowHeight));
    row->setViewController(m_viewController);
    row->setBoaldStr(value);
    // The host's title is filled, never read as a format.
    row->setMessageStr(fillMessageTemplate(*model->titleName(), value));
    placeRow(row, CellType::none);
    place.y += rowHeight;
}

void TAVROPaymentScrollView::addSwitchRow(const TAVROPaymentCellModelPtr& model, RowPlacement& place)
{
    const CellType type = model->cellType();
    const auto& value = model->value();
    const CGFloat rowHeight = value ? switchCellOpenHeight : switchCellClosedHeight;
    auto row = NSObject::create<TAVROSwitchCellView>(CGRect(0, place.y, place.width, rowHeight));
    row->setTranslatesAutoresizingMaskIntoConstraints(false);
    const std::string name(caseName(type));
    row->rightSwitch()->setAccessibilityIdentifier(name + "Switch");
    if (auto field = row->inputCell()->inputTextField())
        field->setAccessibilityIdentifier(name + "TextField");
    m_switchCells[static_cast<std::size_t>(rawValue(type))] = row;
    if (model->titleName())
        row->setTopLeftTitle(*model->titleName());
    if (!value) {
        row->inputCell()->setHidden(true);
        row->msgBG()->setHidden(true);
    } else {
        if (*value != kCustomerEntersValue)
            row->setInputString(*value);
        row->rightSwitch()->setOn(true, false);
        row->inputCell()->setHidden(false);
        row->msgBG()->setHidden(false);
    }
    row->setCellType(type);
    row->inputCell()->setCellType(type);
    row->setSwitchCellDelegate(weakFromThis<TAVROPaymentScrollView>());
    placeRow(row, type);
    place.y += rowHeight;
}

void TAVROPaymentScrollView::addInputRow(const TAVROPaymentCellModelPtr& model, RowPlacement& place)
{
    const CellType type = model->cellType();
    auto row = NSObject::create<TAVROInputCellView>(CGRect(0, place.y, place.width, kInputRowHeight));
    row->setTranslatesAutoresizingMaskIntoConstraints(false);
    row->setCellType(type);
    row->setCellObject(model);
    placeRow(row, CellType::none);
    row->setCellViewDelegate(weakFromThis<TAVROPaymentScrollView>());
    if (type == CellType::koraCardNumber) {
        m_cardCellView = row;
        row->setPlacehoderString(StringConstants::REVIEW_PAYMENT_REQUIRED());
        row->setIsKoraCardNumberCell(true);
    } else if (type == CellType::optionalNote) {
        if (auto plus = row->plusBtn())
            plus->setHidden(true);
        row->setBackgroundDefaultColor(platform::UIColor::white());
        if (auto track = row->statusBarBaseView())
            track->setBackgroundColor(defaultCellBackgroudColor());
        row->setTitleString("");
        row->setPlacehoderString("Optional Note");
    }
    place.y += kInputRowHeight;
}

void TAVROPaymentScrollView::addSaveLaterRow(const TAVROPaymentCellModelPtr& model, RowPlacement& place)
{
    if (!model->titleName())
        return;
    const auto font = platform::UIFont::systemFont(kMessageFontSize);
    const CGFloat textHeight = height(*model->titleName(), place.width, font);
    auto row = NSObject::create<KCheckboxWithText>(CGRect(15, place.y + 15, place.width - 15, textHeight + 15));
    m_saveLaterCellView = row;
    row->setTheme(KUITheme::darkUI);
    row->setTextColor(KDefaultConstants::DARK_UI_COLOR());
    row->setTitle(*model->titleName(), platform::UIControlState::normal);
    row->setTextFont(font);
    row->setSelected(true);
    addSubview(row);
    row->setInputSpacing(15);
    addConstraintFor(row, CellType::none);
    place.y += textHeight + 30;
    m_lastView = row;
}

void TAVROPaymentScrollView::addResetRow(RowPlacement& place)
{
    auto row = NSObject::create<TAVROButtonCellView>(CGRect(0, place.y, place.width, kResetRowHeight));
    row->setCellType(CellType::resetButton);
    row->setButtonCellDelegate(weakFromThis<TAVROPaymentScrollView>());
    placeRow(row, CellType::none);
    place.y += kResetRowHeight;
}

void TAVROPaymentScrollView::addConstraintFor(const UIViewPtr& view, CellType cellType)
{
    if (m_lastView)
        addConstraintOn(view, NSLayoutAttribute::top, m_lastView);
    else
        addConstraintOn(view, NSLayoutAttribute::top);
    addConstraintOn(view, NSLayoutAttribute::leading);
    addConstraintOn(view, NSLayoutAttribute::trailing);
    // Leading and trailing tie a row to the content's edges, which move with the content; the
    // width keeps the rows as wide as the form, so no row's own sizes can narrow the content.
    platform::anchors(view)
        .width
        .constraintEqualTo(platform::anchors(sharedFromThis<platform::UIView>()).width,
                           view->frame().width() - frame().width())
        ->setActive(true);
    auto heightConstraint = addConstraintOn(view, NSLayoutAttribute::height);
    if (cellType == CellType::addTip) {
        keepTipHeightConstraint(heightConstraint);
        return;
    }
    const auto index = static_cast<std::size_t>(rawValue(cellType));
    if (isRequestForm() && index < slotCount)
        m_switchHeightConstraints[index] = std::move(heightConstraint);
}

platform::CGSize TAVROPaymentScrollView::computedContentSize() const
{
    CGRect united;
    for (const auto& subview : subviews())
        united = united.unionWith(subview->frame());
    return united.size;
}

void TAVROPaymentScrollView::setScrollContentSize()
{
    m_sContentSize = computedContentSize();
    setContentSize(m_sContentSize);
}

void TAVROPaymentScrollView::scrollClearOfKeyboard(CGFloat distance, const UIViewPtr& field, const CGRect& room)
{
    const auto fieldFrame = field->convert(field->bounds(), nullptr);
    const CGFloat formTop = convert(bounds(), nullptr).minY();
    if (fieldFrame.height() <= room.maxY() - formTop && fieldFrame.minY() - distance < formTop)
        distance = fieldFrame.minY() - formTop;
    auto offset = contentOffset();
    offset.y = std::max(offset.y + distance, minimumContentOffset().y);
    setContentOffset(offset, true);
}

void TAVROPaymentScrollView::checkAdditionalDataLimit()
{
    const auto [overLimit, full] = m_additionalRequest->getAdditionalTlvValidCount();
    if (auto delegate = paymentDelegate()) {
        if (overLimit) {
            delegate->showGSMError(StringConstants::ADDITIONAL_LIMIT_GSM_ERROR());
            delegate->disableUpdateButton();
        } else {
            delegate->enableUpdateButton();
        }
    }
    for (const auto& row : m_switchCells) {
        if (row)
            row->disableSwitch(full);
    }
}

} // namespace tavro
