// Construction, building, constraints and model binding of the base row.

#include "TavroMerchantSDK/Common/CellView/TAVROCellView.h"

#include "TavroMerchantSDK/core/TavroSession.h"
#include "TavroMerchantSDK/support/LocalizedString.h"
#include "TavroMerchantSDK/support/StringConstants.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"
#include "TavroMerchantSDK/support/UIImageExtensions.h"
#include "TavroMerchantSDK/support/UIViewConstraintExtensions.h"
#include "TavroMerchantSDK/support/Utilities.h"
#include "platform/foundation/AttributedStringAttributes.h"

namespace tavro {

using platform::CGRect;
using platform::NSLayoutAttribute;
using platform::UIControlState;

TAVROCellView::TAVROCellView(const CGRect& frame)
    : UIView(frame),
      m_placehoderString(StringConstants::REVIEW_PAYMENT_OPTIONAL()),
      m_inputTextFieldString(StringConstants::REVIEW_PAYMENT_OPTIONAL()),
      m_backgroundDefaultColor(colorWithHexString("#F2F4F8")),
      m_backgroundActiveColor(platform::UIColor::white()),
      m_titleDefaultColor(colorWithHexString("#15195A")),
      m_titleErrorColor(errorRedColor()),
      m_errorImage(tavroImage("icon_warning")->withRenderingMode(platform::UIImageRenderingMode::alwaysTemplate))
{
}

TAVROCellView::TAVROCellView(const CGRect& frame, FromArchive) : TAVROCellView(frame)
{
    m_builtAtCreation = false;
}

void TAVROCellView::didCreate()
{
    UIView::didCreate();
    if (m_builtAtCreation)
        prepareView();
}

void TAVROCellView::prepareView()
{
    if (m_statusBarBaseView)
        return;
    const auto size = frame().size;
    setBackgroundColor(m_backgroundDefaultColor);

    m_statusBarBaseView =
        NSObject::create<platform::UIView>(CGRect(0, size.height - statusBarHeight, size.width, statusBarHeight));
    m_statusBarBaseView->setTranslatesAutoresizingMaskIntoConstraints(false);
    m_statusBarBaseView->setBackgroundColor(platform::UIColor::white());
    m_colorStatusBar = NSObject::create<platform::UIView>(CGRect(0, 0, 0, statusBarHeight));
    m_statusBarBaseView->addSubview(m_colorStatusBar);
    addSubview(m_statusBarBaseView);

    m_titleBtn = NSObject::create<platform::UIButton>(
        CGRect(leadingValue, m_topTitleGap, size.width - 2 * leadingValue, m_titleHeight));
    m_titleBtn->setTranslatesAutoresizingMaskIntoConstraints(false);
    // Taps on the title go through to the row.
    m_titleBtn->setUserInteractionEnabled(false);
    m_titleBtn->titleLabel()->setNumberOfLines(0);
    m_titleBtn->titleLabel()->setLineBreakMode(platform::NSLineBreakMode::byWordWrapping);
    m_titleBtn->titleLabel()->setTextAlignment(platform::NSTextAlignment::center);
    m_titleBtn->setImage(nullptr, UIControlState::normal);
    m_titleBtn->setTitleColor(m_titleDefaultColor, UIControlState::normal);
    m_titleBtn->setTitle(localizedString(m_titleString, ""), UIControlState::normal);
    addSubview(m_titleBtn);
}

void TAVROCellView::addConstraintForStatusBar(const platform::UIViewPtr& view)
{
    addConstraintOn(view, NSLayoutAttribute::bottom);
    addConstraintOn(view, NSLayoutAttribute::leading);
    addConstraintOn(view, NSLayoutAttribute::trailing);
    addConstraintOn(view, NSLayoutAttribute::height);
}

void TAVROCellView::addConstraintForTitleBar(const platform::UIViewPtr& view)
{
    addConstraintOn(view, NSLayoutAttribute::top);
    addConstraintOn(view, NSLayoutAttribute::leading);
    addConstraintOn(view, NSLayoutAttribute::trailing);
    addConstraintOn(view, NSLayoutAttribute::height);
}

void TAVROCellView::addConstraintForPlusBtn(const platform::UIViewPtr& view)
{
    addConstraintOn(view, NSLayoutAttribute::trailing);
    addConstraintOn(view, NSLayoutAttribute::top, titleBtn());
    addConstraintOn(view, NSLayoutAttribute::bottom, statusBarBaseView());
    addConstraintOn(view, NSLayoutAttribute::width);
}

void TAVROCellView::addConstraintForTextField(const platform::UIViewPtr& view)
{
    addConstraintOn(view, NSLayoutAttribute::top, titleBtn());
    addConstraintOn(view, NSLayoutAttribute::bottom, statusBarBaseView());
    addConstraintOn(view, NSLayoutAttribute::leading);
    addConstraintOn(view, NSLayoutAttribute::trailing, plusBtn());
}

std::shared_ptr<platform::UITextField> TAVROCellView::makeEntryField(platform::CGFloat buttonSide)
{
    const auto size = frame().size;
    const auto g = topTitleGap();
    const auto t = titleHeight();
    auto field = NSObject::create<platform::UITextField>(platform::CGRect(
        leadingValue, t + g + gap, size.width - buttonSide - leadingValue - gap, size.height - t - 2 * g - 4));
    field->setTranslatesAutoresizingMaskIntoConstraints(false);
    addDoneButtonOn(field);
    field->setPlaceholder(placehoderString());
    platform::NSAttributedString placeholder(
        placehoderString(), {
                                {platform::NSAttributedStringKey::font, platform::UIFont::systemFont(16)},
                                {platform::NSAttributedStringKey::foregroundColor, colorWithHexString("#6F7099")},
                            });
    field->setAttributedPlaceholder(placeholder);
    field->setTextColor(colorWithHexString("#15195A"));
    field->setFont(platform::UIFont::systemFont(16));
    return field;
}

void TAVROCellView::updateConstraints()
{
    UIView::updateConstraints();
    if (m_didSetConstraints)
        return;
    m_didSetConstraints = true;
    if (!m_statusBarBaseView)
        prepareView();
    addConstraintForStatusBar(m_statusBarBaseView);
    addConstraintForTitleBar(m_titleBtn);
}

void TAVROCellView::setPlacehoderString(std::string placeholder)
{
    m_placehoderString = std::move(placeholder);
    if (m_inputTextField)
        m_inputTextField->setPlaceholder(m_placehoderString);
}

void TAVROCellView::setInputTextFieldString(std::string text)
{
    m_inputTextFieldString = std::move(text);
    if (m_inputTextField)
        m_inputTextField->setText(m_inputTextFieldString);
}

void TAVROCellView::setIsKoraCardNumberCell(bool cardNumber)
{
    m_isKoraCardNumberCell = cardNumber;
    if (cardNumber && m_inputTextField)
        m_inputTextField->setKeyboardType(platform::UIKeyboardType::numberPad);
}

void TAVROCellView::setTitleString(std::string title)
{
    m_titleString = std::move(title);
    m_invaildTitleString = Utilities::localizedInvaildString(m_titleString);
    setTitle(m_titleString, false);
}

void TAVROCellView::setCellObject(TAVROPaymentCellModelPtr model)
{
    m_cellObject = std::move(model);
    const auto& session = TavroSession::sharedSession();
    const auto flow = session->activeSessionType();

    setTitleString(m_cellObject ? m_cellObject->titleName().value_or("") : "");
    if (m_titleBtn)
        m_titleBtn->setTitle(localizedString(m_titleString, ""), UIControlState::normal);

    const std::optional<std::string> value = m_cellObject ? m_cellObject->value() : std::nullopt;
    if (m_inputTextField) {
        m_inputTextField->setText(value);
        m_inputTextField->setTintColor(session->internalConfiguration()->textCaretColor());
    }
    if (cellViewDelegate()) {
        std::optional<std::string> text;
        if (m_inputTextField)
            text = m_inputTextField->text();
        reportValue(text, true);
    }
    if (value && !value->empty() && flow != TavroActiveFlow::refundPayment) {
        if (m_plusBtn)
            m_plusBtn->setHidden(true);
        // In the consumer-side flows a pre-filled value cannot be edited.
        if (flow != TavroActiveFlow::requestPayment && m_inputTextField)
            m_inputTextField->setEnabled(false);
    }
    if (m_cellObject && m_cellObject->isRequired())
        setPlacehoderString(StringConstants::REVIEW_PAYMENT_REQUIRED());
    if (m_inputTextField && m_cellObject)
        m_inputTextField->setAccessibilityIdentifier(std::string(caseName(m_cellObject->cellType())) + "TextField");
    m_isRequired = m_cellObject ? std::optional<bool>(m_cellObject->isRequired()) : std::nullopt;
}

void TAVROCellView::reportValue(const std::optional<std::string>& text, bool valid)
{
    if (auto delegate = cellViewDelegate())
        delegate->cellViewType(m_cellType, text, valid);
}

} // namespace tavro
