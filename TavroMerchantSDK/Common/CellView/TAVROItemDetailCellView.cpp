#include "TavroMerchantSDK/Common/CellView/TAVROItemDetailCellView.h"

#include "TavroMerchantSDK/core/TavroSession.h"
#include "TavroMerchantSDK/support/StringConstants.h"
#include "TavroMerchantSDK/support/base/StringExtensions.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"
#include "TavroMerchantSDK/support/UIViewConstraintExtensions.h"
#include "platform/graphics/UIFont.h"

#include <algorithm>

namespace tavro {

using platform::CGRect;
using platform::NSLayoutAttribute;

TAVROItemDetailCellView::TAVROItemDetailCellView(const CGRect& frame) : UIView(frame) {}

void TAVROItemDetailCellView::didCreate()
{
    UIView::didCreate();
    m_circleView = NSObject::create<TAVROCircleNameImageView>();
}

void TAVROItemDetailCellView::setName(std::string name)
{
    if (name == m_name)
        return;
    m_name = std::move(name);
    m_circleView->setName(m_name);
    refreshAvatar();
}

void TAVROItemDetailCellView::setCardImage(std::string imageName)
{
    if (imageName == m_cardImage)
        return;
    m_cardImage = std::move(imageName);
    m_circleView->setCardImage(m_cardImage);
    refreshAvatar();
}

void TAVROItemDetailCellView::setCellObject(TAVROPaymentCellModelPtr model)
{
    m_cellObject = std::move(model);
    setupData();
}

void TAVROItemDetailCellView::prepareView()
{
    if (m_imageView)
        return;
    const auto size = frame().size;
    const auto side = size.height - 2 * margin;

    m_imageView = NSObject::create<platform::UIImageView>(CGRect(margin, margin, side, side));
    m_imageView->setTranslatesAutoresizingMaskIntoConstraints(false);
    addSubview(m_imageView);
    addConstraintOn(m_imageView, NSLayoutAttribute::top);
    addConstraintOn(m_imageView, NSLayoutAttribute::bottom);
    addConstraintOn(m_imageView, NSLayoutAttribute::leading);
    addConstraintOn(m_imageView, NSLayoutAttribute::width);

    const auto labelX = margin + side + margin;
    const auto labelWidth = size.width - labelX - margin;
    m_itemTitleLbl = NSObject::create<platform::UILabel>(CGRect(labelX, margin, labelWidth, side / 2));
    m_itemTitleLbl->setFont(platform::UIFont::systemFont(16));
    m_itemTitleLbl->setTextColor(colorWithHexString("#15195A"));
    addSubview(m_itemTitleLbl);
    m_itemTitleLbl->setTranslatesAutoresizingMaskIntoConstraints(false);

    m_itemDescriptionLbl = NSObject::create<platform::UILabel>(CGRect(labelX, margin + side / 2, labelWidth, side / 2));
    m_itemDescriptionLbl->setFont(platform::UIFont::systemFont(12));
    m_itemDescriptionLbl->setTextColor(colorWithHexString("#6F7099"));
    m_itemDescriptionLbl->setNumberOfLines(2);
    addSubview(m_itemDescriptionLbl);

    refreshAvatar();
    m_itemDescriptionLbl->setTranslatesAutoresizingMaskIntoConstraints(false);
    setupData();
}

void TAVROItemDetailCellView::addConstraintForImageView(const platform::UIViewPtr& view)
{
    addConstraintOn(view, NSLayoutAttribute::top);
    addConstraintOn(view, NSLayoutAttribute::bottom);
    addConstraintOn(view, NSLayoutAttribute::leading);
    addConstraintOn(view, NSLayoutAttribute::width);
}

void TAVROItemDetailCellView::addConstraintForTitle(const platform::UIViewPtr& view)
{
    addConstraintOn(view, NSLayoutAttribute::top);
    addConstraintOn(view, NSLayoutAttribute::leading, m_imageView);
    addConstraintOn(view, NSLayoutAttribute::trailing);
    addConstraintOn(view, NSLayoutAttribute::height);
}

void TAVROItemDetailCellView::addConstraintForDescription(const platform::UIViewPtr& view)
{
    addConstraintOn(view, NSLayoutAttribute::top, m_itemTitleLbl);
    addConstraintOn(view, NSLayoutAttribute::leading, m_imageView);
    addConstraintOn(view, NSLayoutAttribute::trailing);
    addConstraintOn(view, NSLayoutAttribute::bottom);
}

void TAVROItemDetailCellView::updateConstraints()
{
    UIView::updateConstraints();
    if (m_didSetConstraints)
        return;
    m_didSetConstraints = true;
    if (!m_imageView)
        prepareView();
    addConstraintForTitle(m_itemTitleLbl);
    addConstraintForDescription(m_itemDescriptionLbl);
}

void TAVROItemDetailCellView::layoutSubviews()
{
    UIView::layoutSubviews();
    if (!m_imageView)
        prepareView();
    refreshAvatar();
}

void TAVROItemDetailCellView::refreshAvatar()
{
    // Rows lower than twice the margin have no room for an avatar.
    const auto side = std::max<platform::CGFloat>(0, bounds().size.height - 2 * margin);
    m_circleView->setBounds(CGRect(0, 0, side, side));
    // Off screen, so no pass of a window lays the avatar out: its mode follows the session now.
    m_circleView->setNeedsLayout();
    m_circleView->layoutIfNeeded();
    if (m_imageView)
        m_imageView->setImage(m_circleView->translateToImage());
}

void TAVROItemDetailCellView::setTitleText(const std::string& text)
{
    if (m_itemTitleLbl)
        m_itemTitleLbl->setText(text);
}

void TAVROItemDetailCellView::setDescriptionText(const std::string& text)
{
    if (m_itemDescriptionLbl)
        m_itemDescriptionLbl->setText(text);
}

void TAVROItemDetailCellView::setupData()
{
    const auto& session = TavroSession::sharedSession();
    const auto flow = session->activeSessionType();
    const auto& model = m_cellObject;

    // A person's or merchant's name over a second line: the model's `title` and `description`.
    const auto showNamed = [&](const std::optional<std::string>& title, const std::optional<std::string>& description) {
        if (!model)
            return;
        if (title) {
            setTitleText(*title);
            setName(*title);
        }
        if (description)
            setDescriptionText(*description);
    };
    // An ID grouped in fours over the kind of ID (`kind` when given) and the network.
    const auto showId = [&](const std::string& id, const std::string* kind) {
        setTitleText(creditCardFormat(id));
        if (kind)
            m_listItemSubDesc = *kind;
        updateItemCell(id);
    };

    if (flow == TavroActiveFlow::payFriend || flow == TavroActiveFlow::aliasPayFriend) {
        showNamed(model ? model->titleName() : std::nullopt, model ? model->value() : std::nullopt);
    } else if (flow == TavroActiveFlow::refundPayment || session->isScanned()) {
        showNamed(model ? model->merchantName() : std::nullopt, model ? model->merchantCity() : std::nullopt);
    } else if (flow == TavroActiveFlow::payMerchantAlias) {
        if (model && model->merchantName()) {
            setName(*model->merchantName());
            setDescriptionText("");
            setCardImage("network_logo_tavro");
            setTitleText(*model->merchantName());
        } else if (model && model->merchantId()) {
            showId(*model->merchantId(), &StringConstants::MERCHANT_ID());
        } else {
            setTitleText("");
        }
    } else if (model && model->merchantId()) {
        const std::string* kind = nullptr;
        if (flow == TavroActiveFlow::withdrawCash)
            kind = &StringConstants::AGENT_ID();
        else if (flow == TavroActiveFlow::payMerchant)
            kind = &StringConstants::MERCHANT_ID();
        showId(*model->merchantId(), kind);
    }
}

void TAVROItemDetailCellView::updateItemCell(std::string_view merchantId)
{
    if (merchantId.starts_with('4')) {
        setDescriptionText(m_listItemSubDesc);
        setCardImage("network_logo_tavro");
    } else if (merchantId.starts_with('5')) {
        setDescriptionText(StringConstants::MASTERCARD_PREFIX() + m_listItemSubDesc);
        setCardImage("network_logo_mastercard");
    } else if (merchantId.starts_with('6')) {
        setDescriptionText(StringConstants::RUPAY_PREFIX() + m_listItemSubDesc);
        setCardImage("network_logo_rupay");
    } else {
        setDescriptionText(m_listItemSubDesc);
        setCardImage("card_placeholder");
    }
}

} // namespace tavro
