#include "TavroMerchantSDK/controls/KSoftSize.h"

namespace tavro {

std::shared_ptr<platform::NSLayoutConstraint> activateSoftSize(const platform::UIViewPtr& view,
                                                               platform::NSLayoutAttribute attribute, double constant)
{
    auto constraint = platform::NSLayoutConstraint::create(view, attribute, platform::NSLayoutRelation::equal, nullptr,
                                                           platform::NSLayoutAttribute::notAnAttribute, 1, constant);
    constraint->setPriority(kSoftSizePriority);
    constraint->setActive(true);
    return constraint;
}

} // namespace tavro
