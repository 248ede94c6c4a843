#include "TavroMerchantSDK/core/TavroFlowScreens.h"

namespace tavro {

namespace {

TavroFlowScreenMakers& installedMakers()
{
    static TavroFlowScreenMakers makers;
    return makers;
}

} // namespace

void registerTavroFlowScreenMakers(TavroFlowScreenMakers makers)
{
    installedMakers() = std::move(makers);
}

const TavroFlowScreenMakers& tavroFlowScreenMakers()
{
    return installedMakers();
}

} // namespace tavro
