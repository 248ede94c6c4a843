#include "TavroMerchantSDK/controls/CardAnatomyNibs.h"

#include "TavroMerchantSDK/controls/KCardAnatomy.h"
#include "TavroMerchantSDK/controls/TavroCardAnatomy.h"
#include "TavroMerchantSDK/support/KUIViewLoading.h"
#include "TavroMerchantSDK/support/KUtilsClassBundle.h"
#include "platform/foundation/ResetForTesting.h"
#include "platform/foundation/NibRegistry.h"

#include <mutex>
#include <typeindex>
#include <vector>

namespace tavro {

using platform::CGRect;
using platform::NibRegistry;
using platform::NSLayoutAttribute;
using platform::NSLayoutConstraint;
using platform::NSLayoutRelation;
using platform::NSObject;
using platform::UIImageView;
using platform::UIView;
using platform::UIViewPtr;

namespace {

// The card as drawn in the nib; the content is pinned to the card's edges, so these only seed
// the first frames.
constexpr double kDesignWidth = 106;
constexpr double kDesignHeight = 66;
constexpr double kMargin = 6;
constexpr double kIssuerHeightShare = 0.24;
constexpr double kIssuerStartWidth = 24;
constexpr double kSmallLogoHeightShare = 0.22;
constexpr double kLargeLogoHeightShare = 0.32;
// The brand logo's artwork is 48 x 30 points.
constexpr double kLogoAspect = 48.0 / 30.0;

platform::NSLayoutConstraintPtr pin(const UIViewPtr& view, NSLayoutAttribute attribute, const UIViewPtr& to,
                                    double constant = 0)
{
    return NSLayoutConstraint::create(view, attribute, NSLayoutRelation::equal, to, attribute, 1, constant);
}

platform::NSLayoutConstraintPtr heightShare(const UIViewPtr& view, const UIViewPtr& of, double share)
{
    return NSLayoutConstraint::create(view, NSLayoutAttribute::height, NSLayoutRelation::equal, of,
                                      NSLayoutAttribute::height, share, 0);
}

platform::NSLayoutConstraintPtr fixedWidth(const UIViewPtr& view, double width)
{
    return NSLayoutConstraint::create(view, NSLayoutAttribute::width, NSLayoutRelation::equal, nullptr,
                                      NSLayoutAttribute::notAnAttribute, 1, width);
}

std::shared_ptr<UIImageView> addImageView(const UIViewPtr& content, platform::UIViewContentMode mode)
{
    auto imageView = NSObject::create<UIImageView>();
    imageView->setTranslatesAutoresizingMaskIntoConstraints(false);
    imageView->setContentMode(mode);
    imageView->setClipsToBounds(true);
    content->addSubview(imageView);
    return imageView;
}

NibRegistry::TopLevelObjects buildKCardAnatomyNib(const std::shared_ptr<void>& owner)
{
    auto content = NSObject::create<UIView>(CGRect(0, 0, kDesignWidth, kDesignHeight));
    auto background = addImageView(content, platform::UIViewContentMode::scaleAspectFill);
    auto left = addImageView(content, platform::UIViewContentMode::scaleAspectFit);
    auto right = addImageView(content, platform::UIViewContentMode::scaleAspectFit);
    auto logo = addImageView(content, platform::UIViewContentMode::scaleAspectFit);

    auto leftWidth = fixedWidth(left, kIssuerStartWidth);
    auto rightWidth = fixedWidth(right, kIssuerStartWidth);
    content->addConstraints({
        pin(background, NSLayoutAttribute::top, content),
        pin(background, NSLayoutAttribute::bottom, content),
        pin(background, NSLayoutAttribute::left, content),
        pin(background, NSLayoutAttribute::right, content),
        pin(left, NSLayoutAttribute::top, content, kMargin),
        pin(left, NSLayoutAttribute::left, content, kMargin + 2),
        heightShare(left, content, kIssuerHeightShare),
        pin(right, NSLayoutAttribute::top, content, kMargin),
        pin(right, NSLayoutAttribute::right, content, -kMargin - 2),
        heightShare(right, content, kIssuerHeightShare),
        pin(logo, NSLayoutAttribute::right, content, -kMargin - 2),
        pin(logo, NSLayoutAttribute::bottom, content, -kMargin),
        NSLayoutConstraint::create(logo, NSLayoutAttribute::width, NSLayoutRelation::equal, logo,
                                   NSLayoutAttribute::height, kLogoAspect, 0),
    });
    left->addConstraint(leftWidth);
    right->addConstraint(rightWidth);
    auto small = heightShare(logo, content, kSmallLogoHeightShare);
    auto large = heightShare(logo, content, kLargeLogoHeightShare);

    if (auto card = nibObjectAs<KCardAnatomy>(owner)) {
        card->backgroundImageView = background;
        card->leftIssuerImageView = left;
        card->rightIssuerImageView = right;
        card->koraImageView = logo;
        card->leftIssuerWidthConstraint = leftWidth;
        card->rightIssuerWidthConstraint = rightWidth;
        card->smallKoraHeightConstraint = small;
        card->largeKoraHeightConstraint = large;
        // Issuer logos show at first, so the small logo height is the installed one.
        card->addConstraint(small);
    }
    return {nibObject(content)};
}

NibRegistry::TopLevelObjects buildTavroCardAnatomyNib(const std::shared_ptr<void>& owner)
{
    auto root = NSObject::create<UIView>(CGRect(0, 0, kDesignWidth, kDesignHeight));
    auto card = NSObject::create<KCardAnatomy>(CGRect(0, 0, kDesignWidth, kDesignHeight));
    root->addSubview(card);
    root->addConstraints({pin(card, NSLayoutAttribute::top, root), pin(card, NSLayoutAttribute::bottom, root),
                          pin(card, NSLayoutAttribute::left, root), pin(card, NSLayoutAttribute::right, root)});
    if (auto wrapper = nibObjectAs<TavroCardAnatomy>(owner)) {
        wrapper->view = root;
        wrapper->cardAnatomy = card;
    }
    return {nibObject(root)};
}

} // namespace

void registerCardAnatomyNibs()
{
    NibRegistry::registerNib(bundleForClass(std::type_index(typeid(KCardAnatomy))), "KCardAnatomy",
                             buildKCardAnatomyNib);
    NibRegistry::registerNib(bundleForClass(std::type_index(typeid(TavroCardAnatomy))), "TavroCardAnatomy",
                             buildTavroCardAnatomyNib);
}

void ensureCardAnatomyNibsRegistered()
{
    static std::once_flag registered;
    std::call_once(registered, [] {
        registerCardAnatomyNibs();
        // A test reset empties the nib registry; the card nibs come back with it.
        platform::registerResetForTesting(registerCardAnatomyNibs);
    });
}

} // namespace tavro
