// A host that takes only the payload codec (TavroMerchantSDK::payload): no window, no drawing.
#include "PayloadCheck.h"

int main()
{
    return checkPayload() ? 0 : 1;
}
