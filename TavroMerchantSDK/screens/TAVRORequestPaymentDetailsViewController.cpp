// The editor's screen: its view tree, its two buttons and leaving.

#include "TavroMerchantSDK/screens/TAVRORequestPaymentDetailsViewController.h"

#include "TavroMerchantSDK/core/TavroSession.h"
#include "TavroMerchantSDK/support/LocalizedString.h"
#include "TavroMerchantSDK/support/StringConstants.h"
#include "TavroMerchantSDK/support/TAVROThemes.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"
#include "TavroMerchantSDK/support/UIImageExtensions.h"
#include "TavroMerchantSDK/support/UIViewConstraintExtensions.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/UINavigationController.h"

namespace tavro {

using platform::CGRect;
using platform::NSLayoutAttribute;
using platform::NSObject;
using OptionalText = std::optional<std::string>;

TAVRORequestPaymentDetailsViewController::TAVRORequestPaymentDetailsViewController()
    : m_request(NSObject::create<TavroPaymentRequest>())
{
    m_varIsValid.fill(true);
}

TAVRORequestPaymentDetailsViewController::~TAVRORequestPaymentDetailsViewController()
{
    removeKeyboardObservers();
}

void TAVRORequestPaymentDetailsViewController::loadView()
{
    platform::UIViewController::loadView();
    view()->setBackgroundColor(platform::UIColor::white());
    addTitle();
    addCloseButton();
    addScrollView();
    addUpdateButton();
}

void TAVRORequestPaymentDetailsViewController::viewDidLoad()
{
    platform::UIViewController::viewDidLoad();
    const auto self = sharedFromThis<TAVRORequestPaymentDetailsViewController>();
    m_closeButton->addTarget(self, &TAVRORequestPaymentDetailsViewController::closeViewContoller,
                             platform::UIControlEvents::touchUpInside);
    m_updateButton->addTarget(self, &TAVRORequestPaymentDetailsViewController::updateButtonPressed,
                              platform::UIControlEvents::touchUpInside);
    registerNotificationsForKeyboard();
}

void TAVRORequestPaymentDetailsViewController::viewDidLayoutSubviews()
{
    platform::UIViewController::viewDidLayoutSubviews();
    if (m_scrollView)
        m_scrollView->setContentSize(m_scrollView->sContentSize());
}

void TAVRORequestPaymentDetailsViewController::addTitle()
{
    const auto width = view()->bounds().width();
    m_titleLabel =
        NSObject::create<platform::UILabel>(CGRect(titleMarginX, titleMarginY, width - 2 * titleMarginX, titleHeight));
    m_titleLabel->setTranslatesAutoresizingMaskIntoConstraints(false);
    m_titleLabel->setTextAlignment(platform::NSTextAlignment::center);
    m_titleLabel->setFont(platform::UIFont::boldSystemFont(20));
    m_titleLabel->setTextColor(colorWithHexString(darkTextColorHex));
    m_titleLabel->setText(StringConstants::REQUEST_FLOW_PAYMENT_DETAIL());
    view()->addSubview(m_titleLabel);
    addConstraintOn(m_titleLabel, NSLayoutAttribute::top);
    addConstraintOn(m_titleLabel, NSLayoutAttribute::leading);
    addConstraintOn(m_titleLabel, NSLayoutAttribute::trailing);
    addConstraintOn(m_titleLabel, NSLayoutAttribute::height);
}

void TAVRORequestPaymentDetailsViewController::addCloseButton()
{
    m_closeButton = NSObject::create<platform::UIButton>(
        CGRect(m_titleLabel->frame().maxX(), titleMarginY, closeButtonSide, closeButtonSide));
    m_closeButton->setTranslatesAutoresizingMaskIntoConstraints(false);
    m_closeButton->setImage(tavroImage("icon_close"), platform::UIControlState::normal);
    view()->addSubview(m_closeButton);
    addConstraintOn(m_closeButton, NSLayoutAttribute::top);
    addConstraintOn(m_closeButton, NSLayoutAttribute::height);
    addConstraintOn(m_closeButton, NSLayoutAttribute::trailing);
    addConstraintOn(m_closeButton, NSLayoutAttribute::width);
}

void TAVRORequestPaymentDetailsViewController::addScrollView()
{
    const auto bounds = view()->bounds();
    const auto top = m_titleLabel->frame().maxY() + titleMarginY;
    m_scrollView = NSObject::create<TAVROPaymentScrollView>(
        CGRect(0, top, bounds.width(), bounds.height() - top - updateButtonHeight));
    m_scrollView->setTranslatesAutoresizingMaskIntoConstraints(false);
    view()->addSubview(m_scrollView);
    m_scrollView->setScreenType(TavroActiveFlow::requestPayment);
    m_scrollView->setPaymentDelegate(weakFromThis<TAVRORequestPaymentDetailsViewController>());
    m_scrollView->setBounces(false);
    if (const auto& request = TavroSession::sharedSession()->requestPaymentSession()->request())
        m_scrollView->setAdditionalRequest(request->clone());
    addConstraintOn(m_scrollView, NSLayoutAttribute::top);
    addConstraintOn(m_scrollView, NSLayoutAttribute::leading);
    addConstraintOn(m_scrollView, NSLayoutAttribute::trailing);
    addConstraintOn(m_scrollView, NSLayoutAttribute::bottom);

    auto models = makeRowModels();
    updateVCVar();
    m_scrollView->prepareView(std::move(models));
}

std::vector<TAVROPaymentCellModelPtr> TAVRORequestPaymentDetailsViewController::makeRowModels() const
{
    const auto request = TavroSession::sharedSession()->requestPaymentSession()->request();
    auto field = [&request](const OptionalText& (TavroPaymentRequest::*getter)() const) -> OptionalText {
        return request ? ((*request).*getter)() : std::nullopt;
    };
    auto model = [](CellType type, std::string_view titleKey, OptionalText value) {
        return NSObject::create<TAVROPaymentCellModel>(type, localizedString(titleKey, ""), std::move(value));
    };
    return {
        model(CellType::paymentAmount, "Request Amount", field(&TavroPaymentRequest::transactionAmount)),
        model(CellType::resetButton, "Additional Settings", localizedString("Reset", "")),
        model(CellType::billNumber, "Bill Number", field(&TavroPaymentRequest::billID)),
        model(CellType::mobileNumber, "Mobile Number", field(&TavroPaymentRequest::mobileNumber)),
        model(CellType::storeID, "Store ID", field(&TavroPaymentRequest::storeID)),
        model(CellType::loyaltyNumber, "Loyalty Number", field(&TavroPaymentRequest::loyaltyNumber)),
        model(CellType::referenceID, "Reference ID", field(&TavroPaymentRequest::referenceID)),
        model(CellType::consumerID, "Consumer ID", field(&TavroPaymentRequest::consumerID)),
        model(CellType::terminalID, "Terminal ID", field(&TavroPaymentRequest::terminalID)),
        model(CellType::paymentPurpose, "Purpose", field(&TavroPaymentRequest::purpose)),
    };
}

void TAVRORequestPaymentDetailsViewController::addUpdateButton()
{
    const auto bounds = view()->bounds();
    m_updateButton =
        NSObject::create<KPrimaryButton>(CGRect(0, m_scrollView->frame().maxY(), bounds.width(), updateButtonHeight));
    m_updateButton->setTranslatesAutoresizingMaskIntoConstraints(false);
    m_updateButton->setTitle(localizedString("UPDATE", ""), platform::UIControlState::normal);
    TAVROThemes::setThemeForButton(*m_updateButton);
    m_updateButton->titleLabel()->setFont(platform::UIFont::boldSystemFont(14));
    m_updateButton->setAccessibilityIdentifier("Update_Payment_Details_Button");
    m_updateButton->setEnabled(false);
    view()->addSubview(m_updateButton);
    addConstraintOn(m_updateButton, NSLayoutAttribute::height);
    addConstraintOn(m_updateButton, NSLayoutAttribute::leading);
    addConstraintOn(m_updateButton, NSLayoutAttribute::trailing);
    addConstraintOn(m_updateButton, NSLayoutAttribute::bottom);
}

void TAVRORequestPaymentDetailsViewController::updateButtonPressed()
{
    // A row still being edited reports its text when editing ends; it may turn UPDATE off.
    if (isViewLoaded())
        view()->endEditing(true);
    validateUpdateButton();
    if (!m_updateButton || !m_updateButton->isEnabled())
        return;
    updateSessionVar();
    TavroSession::sharedSession()->requestPaymentSession()->copyEditsToHostRequest();
    TavroSession::sharedSession()->requestPaymentSession()->setIsUpdated(true);
    leave();
}

void TAVRORequestPaymentDetailsViewController::closeViewContoller()
{
    leave();
}

void TAVRORequestPaymentDetailsViewController::leave()
{
    removeKeyboardObservers();
    auto navigation = navigationController();
    if (!navigation)
        return;
    navigation->setNavigationBarHidden(false, false);
    navigation->popViewController(true);
}

void TAVRORequestPaymentDetailsViewController::validateUpdateButton()
{
    if (!m_updateButton)
        return;
    bool allValid = true;
    for (bool valid : m_varIsValid)
        allValid = allValid && valid;
    m_updateButton->setEnabled(allValid && writesWhatIsShown());
}

void TAVRORequestPaymentDetailsViewController::disableUpdateButton()
{
    if (m_updateButton)
        m_updateButton->setEnabled(false);
}

void TAVRORequestPaymentDetailsViewController::enableUpdateButton()
{
    validateUpdateButton();
}

void TAVRORequestPaymentDetailsViewController::showGSMError(const std::string& message)
{
    std::weak_ptr<TAVRORequestPaymentDetailsViewController> weakSelf =
        sharedFromThis<TAVRORequestPaymentDetailsViewController>();
    platform::DispatchQueue::main().async([weakSelf, message] {
        if (auto self = weakSelf.lock())
            self->showGSM(KGSMView::GSMViewType::error, message, std::nullopt, true);
    });
}

void TAVRORequestPaymentDetailsViewController::touchedTextField(CellType,
                                                                const std::shared_ptr<platform::UITextField>& textField)
{
    m_currentTextField = textField;
}

} // namespace tavro
