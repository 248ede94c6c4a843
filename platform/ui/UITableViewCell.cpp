#include "platform/ui/UITableViewCell.h"

#include "platform/ui/UITableViewCellAccessoryView.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace platform {

namespace {

constexpr double sideMargin = 15;
constexpr double verticalMargin = 11;
constexpr double value2CaptionWidth = 67;
constexpr double value2Gap = 6;

UIColorPtr selectedBackgroundColor()
{
    return UIColor::colorWithWhite(0.85);
}

double fittingHeight(const std::shared_ptr<UILabel>& label, double width)
{
    if (!label || !label->text() || label->text()->empty()) {
        return 0;
    }
    return label->sizeThatFits({std::max(0.0, width), std::numeric_limits<double>::max()}).height;
}

double fittingWidth(const std::shared_ptr<UILabel>& label, double height)
{
    if (!label || !label->text()) {
        return 0;
    }
    return label->sizeThatFits({std::numeric_limits<double>::max(), height}).width;
}

} // namespace

UITableViewCell::UITableViewCell(UITableViewCellStyle style, std::optional<std::string> reuseIdentifier)
    : UIView(CGRect(0, 0, 320, defaultHeight)), m_style(style), m_reuseIdentifier(std::move(reuseIdentifier))
{
}

void UITableViewCell::didCreate()
{
    UIView::didCreate();
    CGRect box = bounds();
    m_selectedBackgroundView = NSObject::create<UIView>(box);
    m_selectedBackgroundView->setBackgroundColor(selectedBackgroundColor());
    m_selectedBackgroundView->setHidden(true);
    addSubview(m_selectedBackgroundView);

    m_contentView = NSObject::create<UIView>(box);
    m_contentView->setAutoresizingMask(UIViewAutoresizing::flexibleWidth | UIViewAutoresizing::flexibleHeight);
    addSubview(m_contentView);

    m_separatorView = NSObject::create<UIView>(CGRect(sideMargin, box.height() - 0.5, box.width() - sideMargin, 0.5));
    m_separatorView->setHidden(true);
    m_separatorView->setUserInteractionEnabled(false);
    addSubview(m_separatorView);
}

std::shared_ptr<UILabel> UITableViewCell::textLabel()
{
    if (!m_textLabel) {
        m_textLabel = NSObject::create<UILabel>();
        m_textLabel->setFont(UIFont::systemFont(17));
        m_contentView->addSubview(m_textLabel);
        setNeedsLayout();
    }
    return m_textLabel;
}

std::shared_ptr<UILabel> UITableViewCell::detailTextLabel()
{
    if (m_style == UITableViewCellStyle::default_) {
        return nullptr;
    }
    if (!m_detailTextLabel) {
        m_detailTextLabel = NSObject::create<UILabel>();
        bool subtitle = m_style == UITableViewCellStyle::subtitle;
        m_detailTextLabel->setFont(UIFont::systemFont(subtitle ? 12 : 17));
        m_detailTextLabel->setTextColor(subtitle ? UIColor::black() : UIColor::colorWithWhite(0.56));
        if (m_style == UITableViewCellStyle::value1) {
            m_detailTextLabel->setTextAlignment(NSTextAlignment::right);
        }
        m_contentView->addSubview(m_detailTextLabel);
        setNeedsLayout();
    }
    return m_detailTextLabel;
}

std::shared_ptr<UIImageView> UITableViewCell::imageView()
{
    if (!m_imageView) {
        m_imageView = NSObject::create<UIImageView>();
        m_contentView->addSubview(m_imageView);
        setNeedsLayout();
    }
    return m_imageView;
}

void UITableViewCell::setAccessoryType(UITableViewCellAccessoryType type)
{
    if (type == m_accessoryType) {
        return;
    }
    m_accessoryType = type;
    if (m_accessoryView) {
        m_accessoryView->removeFromSuperview();
        m_accessoryView = nullptr;
    }
    if (type != UITableViewCellAccessoryType::none) {
        m_accessoryView = NSObject::create<UITableViewCellAccessoryView>(type);
        m_accessoryView->setBackgroundColor(UIColor::clear());
        m_accessoryView->setUserInteractionEnabled(false);
        addSubview(m_accessoryView);
    }
    setNeedsLayout();
}

void UITableViewCell::setSelectionStyle(UITableViewCellSelectionStyle style)
{
    m_selectionStyle = style;
    updateSelectedBackground();
}

void UITableViewCell::setHighlighted(bool highlighted, bool)
{
    m_highlighted = highlighted;
    if (m_imageView) {
        m_imageView->setHighlighted(highlighted);
    }
    updateSelectedBackground();
}

void UITableViewCell::setSelected(bool selected, bool)
{
    m_selected = selected;
    updateSelectedBackground();
}

void UITableViewCell::updateSelectedBackground()
{
    bool shown = (m_highlighted || m_selected) && m_selectionStyle != UITableViewCellSelectionStyle::none;
    m_selectedBackgroundView->setHidden(!shown);
}

void UITableViewCell::prepareForReuse()
{
    if (m_highlighted) {
        setHighlighted(false, false);
    }
    if (m_selected) {
        setSelected(false, false);
    }
}

void UITableViewCell::setSeparator(bool shown, const UIColorPtr& color)
{
    m_separatorView->setHidden(!shown);
    m_separatorView->setBackgroundColor(color);
}

double UITableViewCell::accessoryWidth() const
{
    return UITableViewCellAccessoryView::widthFor(m_accessoryType);
}

CGSize UITableViewCell::sizeThatFits(CGSize size) const
{
    bool hasText = (m_textLabel && m_textLabel->text() && !m_textLabel->text()->empty()) ||
                   (m_detailTextLabel && m_detailTextLabel->text() && !m_detailTextLabel->text()->empty());
    if (!hasText) {
        return {size.width, bounds().height()};
    }
    double width = size.width - accessoryWidth() - 2 * sideMargin;
    if (m_imageView && m_imageView->image()) {
        width -= m_imageView->image()->size().width + sideMargin;
    }
    double textHeight = fittingHeight(m_textLabel, width);
    double detailHeight = 0;
    switch (m_style) {
    case UITableViewCellStyle::subtitle: textHeight += fittingHeight(m_detailTextLabel, width); break;
    case UITableViewCellStyle::value1:
    case UITableViewCellStyle::value2: detailHeight = fittingHeight(m_detailTextLabel, width); break;
    case UITableViewCellStyle::default_: break;
    }
    double content = std::max(textHeight, detailHeight) + 2 * verticalMargin;
    return {size.width, std::max(defaultHeight, std::ceil(content))};
}

void UITableViewCell::layoutSubviews()
{
    UIView::layoutSubviews();
    CGRect box = bounds();
    double accessory = accessoryWidth();
    CGRect content{0, 0, std::max(0.0, box.width() - accessory), box.height()};
    m_contentView->setFrame(content);
    m_selectedBackgroundView->setFrame(box);
    m_separatorView->setFrame({sideMargin, box.height() - 0.5, std::max(0.0, box.width() - sideMargin), 0.5});
    if (m_accessoryView) {
        m_accessoryView->setFrame({box.width() - accessory, 0, accessory, box.height()});
    }
    layoutBuiltInViews(content);
}

void UITableViewCell::layoutBuiltInViews(const CGRect& content)
{
    double x = sideMargin;
    double height = content.height();
    if (m_imageView) {
        CGSize imageSize = m_imageView->image() ? m_imageView->image()->size() : CGSize{};
        imageSize.width = std::min(imageSize.width, height);
        imageSize.height = std::min(imageSize.height, height);
        m_imageView->setFrame({x, (height - imageSize.height) / 2, imageSize.width, imageSize.height});
        if (imageSize.width > 0) {
            x += imageSize.width + sideMargin;
        }
    }
    double available = std::max(0.0, content.width() - x - sideMargin);
    switch (m_style) {
    case UITableViewCellStyle::default_:
        if (m_textLabel) {
            m_textLabel->setFrame({x, 0, available, height});
        }
        break;
    case UITableViewCellStyle::subtitle: {
        double textHeight = fittingHeight(m_textLabel, available);
        double detailHeight = fittingHeight(m_detailTextLabel, available);
        double top = std::max(0.0, (height - textHeight - detailHeight) / 2);
        if (m_textLabel) {
            m_textLabel->setFrame({x, top, available, textHeight});
        }
        if (m_detailTextLabel) {
            m_detailTextLabel->setFrame({x, top + textHeight, available, detailHeight});
        }
        break;
    }
    case UITableViewCellStyle::value1: {
        double detailWidth = std::min(available, fittingWidth(m_detailTextLabel, height));
        if (m_detailTextLabel) {
            m_detailTextLabel->setFrame({x + available - detailWidth, 0, detailWidth, height});
        }
        if (m_textLabel) {
            m_textLabel->setFrame({x, 0, std::max(0.0, available - detailWidth - value2Gap), height});
        }
        break;
    }
    case UITableViewCellStyle::value2: {
        double captionWidth = std::min(available, value2CaptionWidth);
        if (m_textLabel) {
            m_textLabel->setTextAlignment(NSTextAlignment::right);
            m_textLabel->setFrame({x, 0, captionWidth, height});
        }
        if (m_detailTextLabel) {
            double detailX = x + captionWidth + value2Gap;
            m_detailTextLabel->setFrame({detailX, 0, std::max(0.0, content.width() - detailX - sideMargin), height});
        }
        break;
    }
    }
}

} // namespace platform
