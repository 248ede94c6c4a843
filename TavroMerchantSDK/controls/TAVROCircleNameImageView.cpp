#include "TavroMerchantSDK/controls/TAVROCircleNameImageView.h"

#include "TavroMerchantSDK/core/TavroSession.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"
#include "TavroMerchantSDK/support/UIImageDrawingExtensions.h"
#include "TavroMerchantSDK/support/UIImageExtensions.h"
#include "platform/foundation/NSObject.h"
#include "platform/foundation/Text.h"
#include "platform/graphics/UIFont.h"

namespace tavro {

using platform::NSObject;
using platform::UIColor;

namespace {

constexpr const char* kInitialsColor = "#6F7099";
constexpr const char* kCircleColor = "#F2F4F8";

} // namespace

std::string circleNameInitials(const std::string& name)
{
    std::string initials;
    std::size_t start = 0;
    // Only pieces 0 and 1 count; an empty piece still takes its place.
    for (int piece = 0; piece < 2 && start <= name.size(); ++piece) {
        std::size_t end = name.find(' ', start);
        std::string_view word =
            std::string_view(name).substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!word.empty()) {
            if (auto first = platform::text::graphemeAt(word, 0))
                initials += *first;
        }
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return initials;
}

TAVROCircleNameImageView::TAVROCircleNameImageView(const platform::CGRect& frame)
    : platform::UIView(frame), m_titleColor(colorWithHexString(kInitialsColor))
{
}

void TAVROCircleNameImageView::didCreate()
{
    platform::UIView::didCreate();
    m_label = NSObject::create<platform::UILabel>();
    m_imageView = NSObject::create<platform::UIImageView>();
    setClipsToBounds(true);
    m_label->setFont(platform::UIFont::systemFont(14));
    m_label->setMinimumScaleFactor(0.5);
    m_label->setAdjustsFontSizeToFitWidth(true);
    m_label->setTextColor(colorWithHexString(kInitialsColor));
    m_label->setTextAlignment(platform::NSTextAlignment::center);
    addSubview(m_label);
    addSubview(m_imageView);
}

void TAVROCircleNameImageView::setName(std::string name)
{
    m_name = std::move(name);
    m_label->setText(circleNameInitials(m_name));
}

void TAVROCircleNameImageView::setCardImage(std::string imageName)
{
    m_cardImage = std::move(imageName);
    m_imageView->setImage(tavroImage(m_cardImage));
}

void TAVROCircleNameImageView::setTitleColor(platform::UIColorPtr color)
{
    m_titleColor = std::move(color);
    m_label->setTextColor(m_titleColor);
}

bool TAVROCircleNameImageView::showsInitialsForSession()
{
    const auto& session = TavroSession::sharedSession();
    if (session->isScanned())
        return true;
    switch (session->activeSessionType()) {
    case TavroActiveFlow::payMerchantAlias:
    case TavroActiveFlow::payFriend:
    case TavroActiveFlow::refundPayment:
    case TavroActiveFlow::aliasPayFriend: return true;
    default: return false;
    }
}

void TAVROCircleNameImageView::layoutSubviews()
{
    platform::UIView::layoutSubviews();
    if (showsInitialsForSession()) {
        setBackgroundColor(colorWithHexString(kCircleColor));
        layer()->setCornerRadius(bounds().width() * 0.5);
        m_label->setFrame(bounds());
        m_label->setHidden(false);
        m_imageView->setHidden(true);
    } else {
        setBackgroundColor(UIColor::clear());
        m_imageView->setFrame(bounds());
        m_imageView->setContentMode(platform::UIViewContentMode::scaleAspectFit);
        m_label->setHidden(true);
        m_imageView->setHidden(false);
    }
}

platform::UIImagePtr TAVROCircleNameImageView::translateToImage() const
{
    return tavro::translateToImage(layer());
}

} // namespace tavro
