#pragma once
// The error type lives below the payload layer, which creates it; this name stays for includers.

#include "TavroMerchantSDK/support/base/TavroError.h"
