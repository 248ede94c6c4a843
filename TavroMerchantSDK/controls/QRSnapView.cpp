#include "TavroMerchantSDK/controls/QRSnapView.h"

#include "TavroMerchantSDK/support/UIColorExtensions.h"
#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/Locale.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/UILabel.h"

namespace tavro {

using platform::CGRect;
using platform::NSObject;

namespace {

// Layout of the share card, in points.
const double& xOrigin()
{
    static const double value = 32;
    return value;
}
const double& yOrigin()
{
    static const double value = 24;
    return value;
}
const double& widthPadding()
{
    static const double value = 2 * xOrigin();
    return value;
}
const double& heightPAdding()
{
    static const double value = 72;
    return value;
}

constexpr double kStripHeight = 48;
constexpr double kDateLineGap = 16;
constexpr double kDateLineHeight = 20;

// In a right-to-left locale the date stands in a first-strong isolate, so that the English words
// before it do not split it when the line is laid out.
std::string formattedDate(platform::Date date)
{
    platform::DateFormatter formatter;
    formatter.setDateFormat("dd MMM yyyy, h:mm a");
    formatter.setAMSymbol("AM");
    formatter.setPMSymbol("PM");
    auto text = formatter.string(date);
    if (!platform::Locale::current().isRightToLeft())
        return text;
    return "\u2068" + text + "\u2069";
}

} // namespace

QRSnapView::QRSnapView(const CGRect& frame) : platform::UIView(frame) {}

std::string QRSnapView::generatedOnText(platform::Date date)
{
    return "Generated on " + formattedDate(date);
}

std::string QRSnapView::getCurrentDate() const
{
    return formattedDate(platform::Date::now());
}

void QRSnapView::prepareView()
{
    // A second call rebuilds rather than stacking a second card.
    auto built = subviews();
    for (const auto& subview : built)
        subview->removeFromSuperview();
    double width = frame().width();
    double height = frame().height();
    setBackgroundColor(colorWithHexString("#15195A"));
    setHidden(true);

    auto card = NSObject::create<platform::UIView>(
        CGRect(xOrigin(), yOrigin(), width - widthPadding(), height - heightPAdding()));
    card->setBackgroundColor(platform::UIColor::white());
    addSubview(card);
    double cardWidth = card->frame().width();
    double cardHeight = card->frame().height();

    auto dateLine = NSObject::create<platform::UILabel>(
        CGRect(xOrigin(), yOrigin() + cardHeight + kDateLineGap, cardWidth, kDateLineHeight));
    dateLine->setFont(platform::UIFont::boldSystemFont(12));
    dateLine->setTextColor(platform::UIColor::white());
    dateLine->setTextAlignment(platform::NSTextAlignment::center);
    dateLine->setText("Generated on " + getCurrentDate());
    addSubview(dateLine);

    auto strip = NSObject::create<platform::UIView>(CGRect(0, cardHeight - kStripHeight, cardWidth, kStripHeight));
    strip->setBackgroundColor(colorWithHexString("#F2F4F8"));
    card->addSubview(strip);

    auto hint = NSObject::create<platform::UILabel>(CGRect(16, 0, cardWidth - 32, kStripHeight));
    hint->setTextAlignment(platform::NSTextAlignment::center);
    hint->setFont(platform::UIFont::systemFont(12));
    hint->setAdjustsFontSizeToFitWidth(true);
    hint->setTextColor(colorWithHexString("#003EA9"));
    hint->setNumberOfLines(1);
    hint->setText("Save as image and load it from your photo library to pay.");
    strip->addSubview(hint);

    m_qrImageView = NSObject::create<platform::UIImageView>(CGRect(0, 0, cardWidth, cardHeight - kStripHeight));
    m_qrImageView->setContentMode(platform::UIViewContentMode::scaleAspectFit);
    card->addSubview(m_qrImageView);
}

} // namespace tavro
