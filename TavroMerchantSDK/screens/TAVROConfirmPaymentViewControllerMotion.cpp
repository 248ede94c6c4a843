// What moves on the confirm screen: the header collapsing with the form's scrolling, the form
// scrolling the focused row clear of the keyboard, and the spinner on the pay button.

#include "TavroMerchantSDK/screens/TAVROConfirmPaymentViewController.h"

#include "TavroMerchantSDK/core/TavroSession.h"
#include "platform/foundation/DebugLog.h"
#include "platform/ui/UIKeyboardNotifications.h"

namespace tavro {

using platform::CGFloat;

void TAVROConfirmPaymentViewController::scrollViewDidScroll(platform::UIScrollView& scrollView)
{
    if (m_headerHeight <= 0)
        return;
    const CGFloat y = scrollView.contentOffset().y;
    double progress = y / m_headerHeight;
    if (y < 0)
        progress = 0;
    else if (y > m_headerHeight)
        progress = 1;
    updateHeightForProgress(progress);
    m_paymentHeader->updateProgress(progress);
}

void TAVROConfirmPaymentViewController::updateHeightForProgress(double progress)
{
    if (!m_headerHeightConstraint || !m_scrollViewTopConstraint)
        return;
    m_headerHeightConstraint->setConstant(m_scrollViewTopConstraint->constant() + (1 - progress) * m_headerHeight);
    view()->layoutIfNeeded();
}

void TAVROConfirmPaymentViewController::registerNotificationsForKeyboard()
{
    removeKeyboardObservers();
    auto& center = platform::NotificationCenter::defaultCenter();
    std::weak_ptr<TAVROConfirmPaymentViewController> weakSelf = sharedFromThis<TAVROConfirmPaymentViewController>();
    m_keyboardObservers.push_back(center.addObserver(platform::UIKeyboardWillShowNotification,
                                                     [weakSelf](const platform::Notification& notification) {
                                                         if (auto self = weakSelf.lock())
                                                             self->keyboardWillShow(notification);
                                                     }));
    m_keyboardObservers.push_back(center.addObserver(platform::UIKeyboardWillHideNotification,
                                                     [weakSelf](const platform::Notification& notification) {
                                                         if (auto self = weakSelf.lock())
                                                             self->keyboardWillHide(notification);
                                                     }));
}

void TAVROConfirmPaymentViewController::removeKeyboardObservers()
{
    auto& center = platform::NotificationCenter::defaultCenter();
    for (const auto& token : m_keyboardObservers)
        center.removeObserver(token);
    m_keyboardObservers.clear();
}

void TAVROConfirmPaymentViewController::keyboardWillShow(const platform::Notification& notification)
{
    if (!m_touchedTextField || !m_scrollView)
        return;
    const auto keyboard = platform::rectFromUserInfo(notification.userInfo(), platform::UIKeyboardFrameEndUserInfoKey);
    const auto row = m_touchedTextField->superview();
    const auto rowParent = row ? row->superview() : nullptr;
    if (!keyboard || !rowParent) {
        platform::debugLog(keyboard
                               ? "TAVROConfirmPaymentViewController: the focused field sits in no row; not scrolled"
                               : "TAVROConfirmPaymentViewController: keyboard notification without its end frame");
        return;
    }
    const auto rowFrame = view()->convertFrom(row->frame(), rowParent);
    auto visible = view()->bounds();
    visible.size.height -= keyboard->height();
    if (visible.contains(rowFrame))
        return;
    CGFloat distance = (rowFrame.minY() - visible.height()) + rowFrame.height();
    if (m_touchedCellType == CellType::paymentAmount)
        distance += amountRowExtraScroll;
    const bool headerExpanded = m_headerHeightConstraint->constant() == m_paymentHeaderHeight;
    if (headerExpanded && distance < m_paymentHeaderHeight * 0.5)
        distance = m_paymentHeaderHeight * 0.5 + amountRowExtraScroll;
    m_scrollView->scrollClearOfKeyboard(distance, m_touchedTextField, view()->convert(visible, nullptr));
}

void TAVROConfirmPaymentViewController::keyboardWillHide(const platform::Notification& notification)
{
    if (!platform::rectFromUserInfo(notification.userInfo(), platform::UIKeyboardFrameBeginUserInfoKey)) {
        platform::debugLog("TAVROConfirmPaymentViewController: keyboard notification without its begin frame");
        return;
    }
    if (m_touchedCellType == CellType::addTip) {
        std::weak_ptr<PaymentHeaderView> header = m_paymentHeader;
        platform::UIView::animate(0.1, 0, platform::UIViewAnimationOptions::none, [header] {
            if (auto shown = header.lock())
                shown->returnToBeginning();
        });
    }
    switch (TavroSession::sharedSession()->activeSessionType()) {
    case TavroActiveFlow::payFriend:
    case TavroActiveFlow::withdrawCash:
    case TavroActiveFlow::aliasPayFriend:
        if (m_scrollView)
            m_scrollView->setContentOffset({0, 0}, true);
        break;
    default: break;
    }
}

void TAVROConfirmPaymentViewController::showPendingOnPayButton()
{
    // The row being edited reports now, before the button is set, so its report cannot re-title
    // or re-enable it.
    view()->endEditing(true);
    if (!m_payActivityIndicator)
        m_payActivityIndicator = platform::NSObject::create<KActivityIndicator>(
            platform::CGRect(0, 0, payActivityIndicatorSide, payActivityIndicatorSide));
    m_payActivityIndicator->setCenter(m_payButton->center());
    view()->addSubview(m_payActivityIndicator);
    m_payButton->setTitle(std::string(), platform::UIControlState::disabled);
    m_payButton->setEnabled(false);
    m_payActivityIndicator->setHidden(false);
    m_payActivityIndicator->setSpeed(3.0f);
    m_payActivityIndicator->start(4.0);
    view()->setUserInteractionEnabled(false);
}

} // namespace tavro
