#include "TavroMerchantSDK/Common/CellView/ChangeCardTableViewCellNib.h"

#include "TavroMerchantSDK/Common/CellView/ChangeCardTableViewCell.h"
#include "TavroMerchantSDK/support/KUIViewLoading.h"
#include "TavroMerchantSDK/support/KUtilsClassBundle.h"
#include "TavroMerchantSDK/support/ScopedImageContext.h"
#include "TavroMerchantSDK/support/StringConstants.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"
#include "TavroMerchantSDK/support/UIImageExtensions.h"
#include "platform/foundation/NibRegistry.h"
#include "platform/foundation/ResetForTesting.h"
#include "platform/graphics/UIBezierPath.h"
#include "platform/graphics/UIFont.h"

#include <typeindex>

namespace tavro {

namespace {

using platform::CGRect;
using platform::NSLayoutAttribute;
using platform::NSLayoutConstraint;
using platform::NSLayoutRelation;
using platform::NSObject;
using platform::UIViewAutoresizing;

constexpr double kCellWidth = 375;
constexpr double kCellHeight = 72;
constexpr double kSideInset = 16;
constexpr double kVerticalInset = 4;
constexpr double kPadding = 12;
constexpr double kCardWidth = 64;
constexpr double kCardHeight = 40;
constexpr double kTextX = kPadding + kCardWidth + kPadding;
constexpr double kMarkSide = 24;
constexpr double kStarSide = 14;

// The selection mark: a white tick in a "#003EA9" disc.
platform::UIImagePtr selectionTick()
{
    ScopedImageContext image({kMarkSide, kMarkSide}, false);
    if (!image)
        return nullptr;
    image.context().setFillColor(colorWithHexString("#003EA9"));
    platform::UIBezierPath::ovalIn(CGRect(0, 0, kMarkSide, kMarkSide)).fill();
    platform::UIBezierPath tick;
    tick.move({6.5, 12.5});
    tick.addLine({10.5, 16.5});
    tick.addLine({17.5, 8.5});
    tick.setLineWidth(2.5);
    tick.setLineCapStyle(platform::CGLineCap::round);
    tick.setLineJoinStyle(platform::CGLineJoin::round);
    image.context().setStrokeColor(platform::UIColor::white());
    tick.stroke();
    return image.image();
}

std::shared_ptr<platform::UILabel> addLabel(const platform::UIViewPtr& plate, const CGRect& frame, double size,
                                            const char* colour)
{
    auto label = NSObject::create<platform::UILabel>(frame);
    label->setFont(platform::UIFont::systemFont(size));
    label->setTextColor(colorWithHexString(colour));
    plate->addSubview(label);
    return label;
}

platform::NSLayoutConstraintPtr fixed(const std::shared_ptr<NSObject>& view, NSLayoutAttribute attribute, double size)
{
    return NSLayoutConstraint::create(view, attribute, NSLayoutRelation::equal, nullptr,
                                      NSLayoutAttribute::notAnAttribute, 1, size);
}

platform::NibRegistry::TopLevelObjects buildCell(const std::shared_ptr<void>&)
{
    auto cell = NSObject::create<ChangeCardTableViewCell>();
    cell->setFrame(CGRect(0, 0, kCellWidth, kCellHeight));
    const auto& content = cell->contentView();
    content->setFrame(cell->bounds());

    const double plateWidth = kCellWidth - 2 * kSideInset;
    const double plateHeight = kCellHeight - 2 * kVerticalInset;
    auto plate = NSObject::create<platform::UIView>(CGRect(kSideInset, kVerticalInset, plateWidth, plateHeight));
    plate->setTranslatesAutoresizingMaskIntoConstraints(false);
    plate->setBackgroundColor(defaultCellBackgroudColor());
    plate->layer()->setCornerRadius(8);
    content->addSubview(plate);
    // The plate's inset edges and soft height are what make a self-sizing row 72 points high.
    auto plateHeightConstraint = fixed(plate, NSLayoutAttribute::height, plateHeight);
    plateHeightConstraint->setPriority(800);
    plate->addConstraint(plateHeightConstraint);
    content->addConstraints({
        NSLayoutConstraint::create(plate, NSLayoutAttribute::leading, NSLayoutRelation::equal, content,
                                   NSLayoutAttribute::leading, 1, kSideInset),
        NSLayoutConstraint::create(content, NSLayoutAttribute::trailing, NSLayoutRelation::equal, plate,
                                   NSLayoutAttribute::trailing, 1, kSideInset),
        NSLayoutConstraint::create(plate, NSLayoutAttribute::top, NSLayoutRelation::equal, content,
                                   NSLayoutAttribute::top, 1, kVerticalInset),
        NSLayoutConstraint::create(content, NSLayoutAttribute::bottom, NSLayoutRelation::equal, plate,
                                   NSLayoutAttribute::bottom, 1, kVerticalInset),
    });

    auto card = NSObject::create<TavroCardAnatomy>(CGRect(kPadding, kPadding, kCardWidth, kCardHeight));
    plate->addSubview(card);

    const double textWidth = plateWidth - kTextX - kPadding - kMarkSide - kPadding;
    auto type = addLabel(plate, CGRect(kTextX, kPadding, textWidth, 20), 16, "#15195A");
    type->setAutoresizingMask(UIViewAutoresizing::flexibleWidth);

    // The last-four label and the star after it are placed by constraints, so the star follows
    // the label's width.
    auto lastFour = addLabel(plate, CGRect(kTextX, kPadding + 22, 0, 18), 12, "#6F7099");
    lastFour->setTranslatesAutoresizingMaskIntoConstraints(false);
    auto star = NSObject::create<platform::UIImageView>(CGRect(kTextX + 6, kPadding + 24, kStarSide, kStarSide));
    star->setTranslatesAutoresizingMaskIntoConstraints(false);
    star->setContentMode(platform::UIViewContentMode::scaleAspectFit);
    star->setImage(tavroImage("icon_star"));
    plate->addSubview(star);
    auto width = fixed(lastFour, NSLayoutAttribute::width, 0);
    plate->addConstraints({
        NSLayoutConstraint::create(lastFour, NSLayoutAttribute::leading, NSLayoutRelation::equal, plate,
                                   NSLayoutAttribute::leading, 1, kTextX),
        NSLayoutConstraint::create(lastFour, NSLayoutAttribute::top, NSLayoutRelation::equal, plate,
                                   NSLayoutAttribute::top, 1, kPadding + 22),
        NSLayoutConstraint::create(star, NSLayoutAttribute::leading, NSLayoutRelation::equal, lastFour,
                                   NSLayoutAttribute::trailing, 1, 6),
        NSLayoutConstraint::create(star, NSLayoutAttribute::centerY, NSLayoutRelation::equal, lastFour,
                                   NSLayoutAttribute::centerY, 1, 0),
    });
    lastFour->addConstraints({width, fixed(lastFour, NSLayoutAttribute::height, 18)});
    star->addConstraints(
        {fixed(star, NSLayoutAttribute::width, kStarSide), fixed(star, NSLayoutAttribute::height, kStarSide)});

    auto tick = NSObject::create<platform::UIImageView>(CGRect(
        plateWidth - kPadding - kMarkSide, (kCellHeight - 2 * kVerticalInset - kMarkSide) / 2, kMarkSide, kMarkSide));
    tick->setAutoresizingMask(UIViewAutoresizing::flexibleLeftMargin);
    tick->setImage(selectionTick());
    plate->addSubview(tick);

    auto divider = NSObject::create<platform::UIView>(CGRect(kSideInset, kCellHeight - 1, plateWidth, 1));
    divider->setAutoresizingMask(UIViewAutoresizing::flexibleWidth | UIViewAutoresizing::flexibleTopMargin);
    divider->setBackgroundColor(colorWithHexString("#B8BACD"));
    content->addSubview(divider);

    cell->transactionCardView = card;
    cell->cardBaseView = plate;
    cell->dividerView = divider;
    cell->cardType = type;
    cell->cardLastFourDigits = lastFour;
    cell->primaryCardImageView = star;
    cell->selectedCardAccessoryImageView = tick;
    cell->lastFourWidthConstraint = width;
    cell->awakeFromNib();
    return {nibObject(cell)};
}

} // namespace

void registerChangeCardCellNib()
{
    platform::NibRegistry::registerNib(bundleForClass(std::type_index(typeid(ChangeCardTableViewCell))),
                                       StringConstants::LIST_ITEM_CHANGE_CARD_CELL(), buildCell);
}

void ensureChangeCardCellNibRegistered()
{
    static const bool registered = [] {
        registerChangeCardCellNib();
        // A test reset empties the nib registry; the cell's nib comes back with it.
        platform::registerResetForTesting(registerChangeCardCellNib);
        return true;
    }();
    (void)registered;
}

} // namespace tavro
