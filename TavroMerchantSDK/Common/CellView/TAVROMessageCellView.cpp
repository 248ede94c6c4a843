#include "TavroMerchantSDK/Common/CellView/TAVROMessageCellView.h"

#include "TavroMerchantSDK/support/StringMeasuringExtensions.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"
#include "TavroMerchantSDK/support/UIImageExtensions.h"
#include "TavroMerchantSDK/support/UIViewConstraintExtensions.h"
#include "TavroMerchantSDK/support/Utilities.h"
#include "platform/foundation/Text.h"
#include "platform/ui/UIAlertController.h"
#include "platform/ui/UITapGestureRecognizer.h"

namespace tavro {

using platform::CGRect;
using platform::NSLayoutAttribute;
using platform::UIControlState;

namespace {

constexpr platform::CGFloat kFontSize = 12;
constexpr const char* kTextColor = "#15195A";

} // namespace

TAVROMessageCellView::TAVROMessageCellView(const CGRect& frame) : UIView(frame) {}

TAVROMessageCellView::TAVROMessageCellView(const CGRect& frame, FromArchive) : UIView(frame), m_buildAtCreation(false)
{
}

void TAVROMessageCellView::didCreate()
{
    UIView::didCreate();
    if (m_buildAtCreation)
        prepareView();
}

void TAVROMessageCellView::prepareView()
{
    if (m_messageBtn)
        return;
    const auto size = frame().size;
    setBackgroundColor(defaultCellBackgroudColor());
    m_messageBtn = NSObject::create<platform::UIButton>(CGRect(0, 2, size.width, size.height - 4));
    addSubview(m_messageBtn);
    m_messageBtn->setBackgroundColor(platform::UIColor::white());
    m_messageBtn->addTarget(sharedFromThis<TAVROMessageCellView>(), &TAVROMessageCellView::showMessage,
                            platform::UIControlEvents::touchUpInside);
    m_messageBtn->setImage(
        tavroImage("icon_warning")->withRenderingMode(platform::UIImageRenderingMode::alwaysTemplate),
        UIControlState::normal);
    m_messageBtn->setTintColor(infoColor());
    m_messageBtn->imageView()->setContentMode(platform::UIViewContentMode::scaleAspectFit);
    m_messageBtn->setTitleColor(colorWithHexString(kTextColor), UIControlState::normal);
    // Word wrapping makes the title run over as many lines as the message needs.
    m_messageBtn->titleLabel()->setNumberOfLines(0);
    m_messageBtn->titleLabel()->setLineBreakMode(platform::NSLineBreakMode::byWordWrapping);
    m_messageBtn->titleLabel()->setTextAlignment(platform::NSTextAlignment::center);
    m_messageBtn->titleLabel()->setFont(platform::UIFont::systemFont(kFontSize));
    Utilities::changeContentHorizontalAlignment(m_messageBtn);
    m_messageBtn->setTitleEdgeInsets({0, 25, 0, 15});
    m_messageBtn->setImageEdgeInsets({0, 15, 0, 0});
    makeBold();
    m_messageBtn->setTranslatesAutoresizingMaskIntoConstraints(false);
}

void TAVROMessageCellView::updateConstraints()
{
    UIView::updateConstraints();
    if (m_didSetConstraints)
        return;
    m_didSetConstraints = true;
    if (!m_messageBtn)
        prepareView();
    addConstraintForMessageBtn(m_messageBtn);
}

void TAVROMessageCellView::addConstraintForMessageBtn(const platform::UIViewPtr& view)
{
    addConstraintOn(view, NSLayoutAttribute::bottom);
    addConstraintOn(view, NSLayoutAttribute::leading);
    addConstraintOn(view, NSLayoutAttribute::trailing);
    addConstraintOn(view, NSLayoutAttribute::top);
}

void TAVROMessageCellView::setBoaldStr(std::string bold)
{
    m_boaldStr = std::move(bold);
    makeBold();
}

void TAVROMessageCellView::setMessageStr(std::string message)
{
    m_messageStr = std::move(message);
    makeBold();
}

platform::NSMutableAttributedString TAVROMessageCellView::addBoldText(const std::string& fullString,
                                                                      const std::vector<std::string>& boldPartsOfString,
                                                                      const platform::UIFontPtr& font,
                                                                      const platform::UIFontPtr& boldFont) const
{
    using platform::NSAttributedStringKey;
    const auto color = colorWithHexString(kTextColor);
    platform::NSMutableAttributedString result(fullString, {
                                                               {NSAttributedStringKey::font, font},
                                                               {NSAttributedStringKey::foregroundColor, color},
                                                           });
    for (const auto& part : boldPartsOfString) {
        if (part.empty())
            continue;
        const auto location = result.utf16().find(platform::text::toUtf16(part));
        if (location == std::u16string::npos)
            continue;
        result.addAttributes({{NSAttributedStringKey::font, boldFont}, {NSAttributedStringKey::foregroundColor, color}},
                             {location, platform::text::utf16Length(part)});
    }
    return result;
}

void TAVROMessageCellView::makeBold()
{
    if (!m_messageBtn)
        return;
    if (m_boaldStr.empty()) {
        m_messageBtn->setAttributedTitle(std::nullopt, UIControlState::normal);
        m_messageBtn->setTitle(m_messageStr, UIControlState::normal);
        return;
    }
    m_messageBtn->setAttributedTitle(addBoldText(m_messageStr, {m_boaldStr}, platform::UIFont::systemFont(kFontSize),
                                                 platform::UIFont::boldSystemFont(kFontSize)),
                                     UIControlState::normal);
}

void TAVROMessageCellView::showMessage()
{
    auto controller = viewController();
    if (!controller)
        return;
    auto alert = platform::UIAlertController::create(std::string(), std::string(recipientNameWarning),
                                                     platform::UIAlertControllerStyle::alert);
    std::weak_ptr<TAVROMessageCellView> weakSelf = sharedFromThis<TAVROMessageCellView>();
    std::weak_ptr<platform::UIAlertController> weakAlert = alert;
    controller->present(alert, true, [weakSelf, weakAlert] {
        auto self = weakSelf.lock();
        auto shown = weakAlert.lock();
        if (!self || !shown)
            return;
        auto surroundings = shown->view()->superview();
        if (!surroundings)
            return;
        surroundings->setUserInteractionEnabled(true);
        auto tap = NSObject::create<platform::UITapGestureRecognizer>();
        tap->addTarget(self, &TAVROMessageCellView::dismissMessage);
        surroundings->addGestureRecognizer(tap);
    });
}

void TAVROMessageCellView::dismissMessage()
{
    // Only what the screen presents goes; the screen itself never does.
    auto controller = viewController();
    if (controller && controller->presentedViewController())
        controller->dismiss(true);
}

platform::CGFloat TAVROMessageCellView::titleHeight() const
{
    if (!m_messageBtn)
        return 0;
    return height(m_messageStr, m_messageBtn->frame().size.width, m_messageBtn->titleLabel()->font());
}

} // namespace tavro
