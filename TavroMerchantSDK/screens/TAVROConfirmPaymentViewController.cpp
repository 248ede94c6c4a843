// The confirm screen's views, their constraints, its row reports and the card it shows.

#include "TavroMerchantSDK/screens/TAVROConfirmPaymentViewController.h"

#include "TavroMerchantSDK/core/TavroSession.h"
#include "TavroMerchantSDK/support/StringConstants.h"
#include "TavroMerchantSDK/support/TAVROThemes.h"
#include "TavroMerchantSDK/support/TextReplacing.h"
#include "TavroMerchantSDK/support/UIViewConstraintExtensions.h"
#include "platform/foundation/DebugLog.h"
#include "platform/foundation/Text.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/UINavigationController.h"

namespace tavro {

using platform::CGFloat;
using platform::CGRect;
using platform::NSLayoutAttribute;
using platform::NSObject;

TAVROConfirmPaymentViewController::TAVROConfirmPaymentViewController(std::optional<std::string> nibName,
                                                                     std::shared_ptr<platform::Bundle> nibBundle)
    : TavroBaseViewController(std::move(nibName), std::move(nibBundle))
{
}

TAVROConfirmPaymentViewController::~TAVROConfirmPaymentViewController()
{
    removeKeyboardObservers();
}

void TAVROConfirmPaymentViewController::loadView()
{
    TavroBaseViewController::loadView();
    createViews();
}

void TAVROConfirmPaymentViewController::viewDidLoad()
{
    TavroBaseViewController::viewDidLoad();
    setTitle(StringConstants::CONFIRM_PAYMENT_TITLE());
    registerNotificationsForKeyboard();
    m_paymentHeader->returnToBeginning();
    if (m_cards.size() < 2)
        m_paymentHeader->setHideCardChangeButton(true);
}

void TAVROConfirmPaymentViewController::viewDidLayoutSubviews()
{
    TavroBaseViewController::viewDidLayoutSubviews();
    if (!m_scrollView)
        return;
    m_scrollView->setViewController(weakFromThis<TAVROConfirmPaymentViewController>());
    m_scrollView->setDelegate(std::weak_ptr<platform::UIScrollViewDelegate>(
        std::static_pointer_cast<platform::UIScrollViewDelegate>(sharedFromThis<TAVROConfirmPaymentViewController>())));
    m_scrollView->setContentSize(m_scrollView->sContentSize());
}

void TAVROConfirmPaymentViewController::createViews()
{
    const auto root = view();
    root->setBackgroundColor(platform::UIColor::white());
    const CGFloat width = root->frame().width();
    const CGFloat height = root->frame().height();
    const auto self = sharedFromThis<TAVROConfirmPaymentViewController>();

    const CGFloat formBottom = height - m_payButtonHeight;
    m_payButton = NSObject::create<KPrimaryButton>(CGRect(0, formBottom, width, m_payButtonHeight));
    m_payButton->setTranslatesAutoresizingMaskIntoConstraints(false);
    m_payButton->setTitle(platform::text::toUpper(StringConstants::REVIEW_PAYMENT_PAY()),
                          platform::UIControlState::normal);
    TAVROThemes::setThemeForButton(*m_payButton);
    m_payButton->titleLabel()->setFont(platform::UIFont::boldSystemFont(14));
    m_payButton->setAccessibilityIdentifier("PAY_BUTTON");
    m_payButton->addTarget(self, &TAVROConfirmPaymentViewController::payButtonPressed,
                           platform::UIControlEvents::touchUpInside);
    root->addSubview(m_payButton);
    addConstraintForPayButton(m_payButton);
    m_payButton->titleLabel()->setLineBreakMode(platform::NSLineBreakMode::byWordWrapping);
    m_payButton->titleLabel()->setTextAlignment(platform::NSTextAlignment::center);

    const CGFloat formTop = m_paymentHeaderHeight * 0.5;
    m_scrollView = NSObject::create<TAVROPaymentScrollView>(CGRect(0, formTop, width, formBottom - formTop));
    m_scrollView->setViewController(weakFromThis<TAVROConfirmPaymentViewController>());
    m_scrollView->setTranslatesAutoresizingMaskIntoConstraints(false);
    m_scrollView->setPaymentDelegate(weakFromThis<TAVROConfirmPaymentViewController>());
    root->addSubview(m_scrollView);
    m_scrollView->setScreenType(m_screenType);
    addConstraintForScrollView(m_scrollView);

    m_paymentHeader = NSObject::create<PaymentHeaderView>(CGRect(0, 15, width, m_paymentHeaderHeight));
    m_paymentHeader->setTranslatesAutoresizingMaskIntoConstraints(false);
    root->addSubview(m_paymentHeader);
    addConstraintForPaymentHeader(m_paymentHeader);

    // The form starts at the card art's centre as the header laid it out, under the header.
    if (const auto& card = m_paymentHeader->cardAnatomy())
        m_scrollViewTopConstraint->setConstant(card->center().y);
    m_headerHeight = m_headerHeightConstraint->constant() - m_scrollViewTopConstraint->constant();
}

void TAVROConfirmPaymentViewController::addConstraintForPayButton(const std::shared_ptr<KPrimaryButton>& button)
{
    addConstraintOn(button, NSLayoutAttribute::leading);
    addConstraintOn(button, NSLayoutAttribute::trailing);
    addConstraintOn(button, NSLayoutAttribute::bottom, nullptr, bottomLayoutGuide());
    addConstraintOn(button, NSLayoutAttribute::height);
}

void TAVROConfirmPaymentViewController::addConstraintForScrollView(const std::shared_ptr<TAVROPaymentScrollView>& form)
{
    m_scrollViewTopConstraint = addConstraintOn(form, NSLayoutAttribute::top);
    addConstraintOn(form, NSLayoutAttribute::leading);
    addConstraintOn(form, NSLayoutAttribute::trailing);
    addConstraintOn(form, NSLayoutAttribute::bottom, m_payButton);
}

void TAVROConfirmPaymentViewController::addConstraintForPaymentHeader(const std::shared_ptr<PaymentHeaderView>& header)
{
    addConstraintOn(header, NSLayoutAttribute::top);
    addConstraintOn(header, NSLayoutAttribute::leading);
    addConstraintOn(header, NSLayoutAttribute::trailing);
    m_headerHeightConstraint = addConstraintOn(header, NSLayoutAttribute::height);
}

bool TAVROConfirmPaymentViewController::isValidCardIndex(long long index) const
{
    return index >= 0 && static_cast<std::size_t>(index) < m_cards.size();
}

void TAVROConfirmPaymentViewController::setCardIndex(long long index)
{
    if (!isValidCardIndex(index)) {
        platform::debugLog("TAVROConfirmPaymentViewController: card index " + std::to_string(index) +
                           " is not one of the " + std::to_string(m_cards.size()) + " cards; ignored");
        return;
    }
    m_cardIndex = index;
    updateTransactionCard(index);
}

void TAVROConfirmPaymentViewController::updateTransactionCard(long long index)
{
    if (!isValidCardIndex(index)) {
        platform::debugLog("TAVROConfirmPaymentViewController: no card " + std::to_string(index) + " to show");
        return;
    }
    const auto& card = m_cards[static_cast<std::size_t>(index)];
    auto text = replacingOccurrences(StringConstants::TAVRO_CARD_TITLE(), "[Bank Name]", card->cardType());
    text = replacingOccurrences(text, "[Network Name]", card->networkName());
    text = replacingOccurrences(text, "[Four Digit]", card->lastFourDigits());
    loadViewIfNeeded();
    m_paymentHeader->setCardText(std::move(text));
    if (const auto& art = m_paymentHeader->cardAnatomy())
        art->customizeCardArt(card);
}

void TAVROConfirmPaymentViewController::transactionCardChanged(long long index)
{
    if (!isValidCardIndex(index)) {
        platform::debugLog("TAVROConfirmPaymentViewController: the card list chose card " + std::to_string(index) +
                           ", which this screen does not have; ignored");
        return;
    }
    setCardIndex(index);
    TavroSession::sharedSession()->setCardIndex(index);
    updateTransactionCard(index);
    if (auto navigation = navigationController())
        navigation->popViewController(true);
}

bool TAVROConfirmPaymentViewController::isVaildData(TAVROCellView&, const std::optional<std::string>&)
{
    return true;
}

void TAVROConfirmPaymentViewController::cellViewType(CellType cellType, const std::optional<std::string>& dataString,
                                                     bool)
{
    if (cellType != CellType::paymentAmount || !dataString || !m_payButton)
        return;
    m_payButton->setTitle(platform::text::toUpper(StringConstants::REVIEW_PAYMENT_PAY()) + " " + *dataString,
                          platform::UIControlState::normal);
}

void TAVROConfirmPaymentViewController::touchedTextField(CellType cellType,
                                                         const std::shared_ptr<platform::UITextField>& textField)
{
    m_touchedTextField = textField;
    m_touchedCellType = cellType;
}

void TAVROConfirmPaymentViewController::payButtonPressed()
{
    showPendingOnPayButton();
}

} // namespace tavro
