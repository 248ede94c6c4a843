// Building, opening and closing of the currency picker, and its keyboard handling.
#include "TavroMerchantSDK/Common/ConfirmPayment/View/TAVROCurrencySelectionView.h"

#include "TavroMerchantSDK/core/TavroSession.h"
#include "TavroMerchantSDK/support/StringConstants.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"
#include "TavroMerchantSDK/support/UIImageExtensions.h"

#include "platform/foundation/DebugLog.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/CALayer.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UIKeyboardNotifications.h"
#include "platform/ui/UILabel.h"

namespace tavro {

using platform::CGRect;
using platform::NSObject;
using platform::UIView;

TAVROCurrencySelectionView::TAVROCurrencySelectionView(const CGRect& frame) : UIView(frame) {}

void TAVROCurrencySelectionView::didCreate()
{
    UIView::didCreate();
    setBackgroundColor(colorWithRGBA(0, 0, 0, 0.5));

    auto [recent, currencies] = KCurrencyData::shared()->getCurrencies();
    m_currenciesArr = std::move(currencies);
    m_filteredCurrenciesArr = m_currenciesArr;
    m_recentCurrenciesArr = std::move(recent);
    m_filteredRecentCurrenciesArr = m_recentCurrenciesArr;
    m_currencySearch = CurrencySearchIndex(m_currenciesArr);
    if (m_recentCurrenciesArr)
        m_recentSearch = CurrencySearchIndex(*m_recentCurrenciesArr);

    setupView();
    setupHeaderView();
    setupSearchView();
    setupTableView();
    setupErrorView();
    setupKeyboardNotifications();
    updateErrorView();
}

void TAVROCurrencySelectionView::setupView()
{
    const auto size = bounds().size;
    m_contentView = NSObject::create<UIView>(CGRect(24, 60, size.width - 48, size.height - 120));
    m_contentView->setBackgroundColor(platform::UIColor::white());
    m_contentView->layer()->setCornerRadius(0);
    m_contentView->setClipsToBounds(true);
    addSubview(m_contentView);
    setAlpha(0);
}

void TAVROCurrencySelectionView::setupHeaderView()
{
    const double width = m_contentView->bounds().size.width;
    const auto& configuration = TavroSession::sharedSession()->internalConfiguration();

    auto header = NSObject::create<UIView>(CGRect(0, 0, width, headerHeight));
    header->setBackgroundColor(configuration->backgroundColor());
    m_contentView->addSubview(header);

    auto title = NSObject::create<platform::UILabel>(CGRect(0, 0, width, headerHeight));
    title->setText("Select Currency");
    title->setTextColor(configuration->fontColor());
    title->setTextAlignment(platform::NSTextAlignment::center);
    title->setFont(platform::UIFont::boldSystemFont(20));
    header->addSubview(title);

    auto close = NSObject::create<platform::UIButton>(CGRect(width - headerHeight, 0, headerHeight, headerHeight));
    close->setImage(tavroImage("icon_close")->withRenderingMode(platform::UIImageRenderingMode::alwaysTemplate),
                    platform::UIControlState::normal);
    close->setTintColor(platform::UIColor::white());
    close->addTarget(sharedFromThis<TAVROCurrencySelectionView>(), &TAVROCurrencySelectionView::closeBtnAction,
                     platform::UIControlEvents::touchUpInside);
    header->addSubview(close);

    m_currentY = headerHeight;
}

void TAVROCurrencySelectionView::setupSearchView()
{
    const double width = m_contentView->bounds().size.width;
    auto container = NSObject::create<UIView>(CGRect(0, m_currentY, width, searchHeight));
    m_contentView->addSubview(container);

    auto field = NSObject::create<platform::UITextField>(CGRect(16, 0, width - 32, searchHeight));
    field->setBackgroundColor(platform::UIColor::white());
    field->setBorderStyle(platform::UITextBorderStyle::none);
    field->setAutocorrectionType(platform::UITextAutocorrectionType::no);
    field->setAutocapitalizationType(platform::UITextAutocapitalizationType::none);
    field->addTarget(sharedFromThis<TAVROCurrencySelectionView>(), &TAVROCurrencySelectionView::textFieldDidChange,
                     platform::UIControlEvents::editingChanged);
    field->setDelegate(sharedFromThis<TAVROCurrencySelectionView>());
    field->setPlaceholder(StringConstants::TAVRO_SEARCH());
    field->setFont(platform::UIFont::systemFont(14));
    container->addSubview(field);

    auto separator = NSObject::create<platform::CALayer>();
    separator->setFrame(CGRect(0, 42, width, 2));
    separator->setBackgroundColor(colorWithHexString("#F2F4F8"));
    container->layer()->addSublayer(separator);

    m_currentY += searchHeight;
}

void TAVROCurrencySelectionView::setupTableView()
{
    const auto panel = m_contentView->bounds().size;
    m_tableView = NSObject::create<platform::UITableView>(CGRect(0, m_currentY, panel.width, panel.height - m_currentY),
                                                          platform::UITableViewStyle::plain);
    m_tableView->setDelegate(sharedFromThis<TAVROCurrencySelectionView>());
    m_tableView->setDataSource(sharedFromThis<TAVROCurrencySelectionView>());
    m_tableView->setSeparatorStyle(platform::UITableViewCellSeparatorStyle::none);
    m_contentView->addSubview(m_tableView);
}

void TAVROCurrencySelectionView::setupErrorView()
{
    m_errorView = NSObject::create<UIView>(m_tableView->frame());
    m_errorView->setBackgroundColor(platform::UIColor::white());
    m_contentView->insertSubviewAbove(m_errorView, m_tableView);

    auto message = NSObject::create<platform::UILabel>(CGRect(16, 24, m_errorView->bounds().size.width - 32, 40));
    message->setText("Sorry! We can\u2019t find any currency with that name.");
    message->setTextAlignment(platform::NSTextAlignment::center);
    message->setNumberOfLines(2);
    message->setTextColor(colorWithHexString("#6F7099"));
    message->setFont(platform::UIFont::systemFont(16));
    m_errorView->addSubview(message);
    m_errorView->setHidden(true);
}

void TAVROCurrencySelectionView::setupKeyboardNotifications()
{
    auto& center = platform::NotificationCenter::defaultCenter();
    std::weak_ptr<TAVROCurrencySelectionView> weakSelf = sharedFromThis<TAVROCurrencySelectionView>();
    // Owned by the overlay as well as removed on close, so the observers never outlive it.
    auto owner = std::weak_ptr<const void>(weakSelf);
    m_keyboardObservers.push_back(center.addObserver(
        platform::UIKeyboardDidShowNotification, owner, [weakSelf](const platform::Notification& notification) {
            auto self = weakSelf.lock();
            if (!self)
                return;
            auto end = platform::rectFromUserInfo(notification.userInfo(), platform::UIKeyboardFrameEndUserInfoKey);
            if (!end) {
                platform::debugLog(
                    "TAVROCurrencySelectionView: a keyboard notification without an end frame was ignored");
                return;
            }
            self->m_tableView->setContentInset({0, 0, end->size.height, 0});
        }));
    m_keyboardObservers.push_back(
        center.addObserver(platform::UIKeyboardDidHideNotification, owner, [weakSelf](const platform::Notification&) {
            if (auto self = weakSelf.lock())
                self->m_tableView->setContentInset(platform::UIEdgeInsets::zero());
        }));
}

void TAVROCurrencySelectionView::removeKeyboardObservers()
{
    auto& center = platform::NotificationCenter::defaultCenter();
    for (const auto& token : m_keyboardObservers)
        center.removeObserver(token);
    m_keyboardObservers.clear();
}

void TAVROCurrencySelectionView::show()
{
    UIView::animate(fadeDuration, [this] { setAlpha(1); });
}

void TAVROCurrencySelectionView::hide(std::function<void()> finished)
{
    UIView::animate(
        fadeDuration, [this] { setAlpha(0); }, [finished = std::move(finished)](bool) { finished(); });
}

void TAVROCurrencySelectionView::hideView(const std::string& currency)
{
    // The faded overlay lets touches through, so its owner may close it again before it is gone.
    if (m_isClosing)
        return;
    m_isClosing = true;
    removeKeyboardObservers();
    std::weak_ptr<TAVROCurrencySelectionView> weakSelf = sharedFromThis<TAVROCurrencySelectionView>();
    hide([weakSelf, currency] {
        auto self = weakSelf.lock();
        if (!self)
            return;
        self->removeFromSuperview();
        if (auto delegate = self->currencySelectionDelegate())
            delegate->didCloseSelectionView(currency);
    });
}

void TAVROCurrencySelectionView::closeBtnAction()
{
    hideView(TavroSession::sharedSession()->activeCurrencyCode());
}

} // namespace tavro
