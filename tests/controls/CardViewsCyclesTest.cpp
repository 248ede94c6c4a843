// Creating and dropping the card views many times leaves nothing behind: no view outlives its
// last owner, also with a grid animation still pending (LeakSanitizer checks the rest in the
// sanitize build).
#include "controls/CardViewsTestSupport.h"

#include "TavroMerchantSDK/controls/PaymentHeaderView.h"
#include "TavroMerchantSDK/controls/QRSnapView.h"
#include "TavroMerchantSDK/controls/TAVROCircleNameImageView.h"
#include "TavroMerchantSDK/controls/TAVROSupportedNetwork.h"
#include "TavroMerchantSDK/controls/TavroCardAnatomy.h"
#include "TavroMerchantSDK/support/UIImageDrawingExtensions.h"

#include <functional>

using cardviews::CardViewsTest;
using platform::CGRect;
using platform::NSObject;

namespace {

constexpr int kCycles = 1000;

// Runs `make` kCycles times inside a host view; every view made must be gone once dropped.
void expectNoSurvivors(const std::function<platform::UIViewPtr()>& make)
{
    auto host = NSObject::create<platform::UIView>(CGRect(0, 0, 375, 667));
    std::vector<std::weak_ptr<platform::UIView>> made;
    made.reserve(kCycles);
    for (int i = 0; i < kCycles; ++i) {
        auto view = make();
        host->addSubview(view);
        host->layoutIfNeeded();
        view->removeFromSuperview();
        made.push_back(view);
    }
    std::size_t alive = 0;
    for (const auto& weak : made)
        alive += !weak.expired();
    EXPECT_EQ(alive, 0u);
}

} // namespace

TEST_F(CardViewsTest, CardViewsLeaveNothingBehind)
{
    auto details = NSObject::create<tavro::TavroCardDetails>(
        "1234", "Debit", tavro::imageWithColor(platform::UIColor::yellow(), {40, 20}), platform::UIColor::purple(),
        nullptr, tavro::TavroCardDetails::TavroCardType::rupay);

    expectNoSurvivors([&] {
        auto card = NSObject::create<tavro::TavroCardAnatomy>(CGRect(0, 0, 106, 66));
        card->customizeCardArt(details);
        card->cardAnatomy.lock()->setShowsIssuerLogos(false);
        return card;
    });
    expectNoSurvivors([] {
        auto avatar = NSObject::create<tavro::TAVROCircleNameImageView>(CGRect(0, 0, 40, 40));
        avatar->setName("Asha Rao");
        avatar->setCardImage("network_logo_tavro");
        return avatar;
    });
    expectNoSurvivors([] {
        auto snap = NSObject::create<tavro::QRSnapView>(CGRect(0, 0, 375, 600));
        snap->prepareView();
        return snap;
    });
    expectNoSurvivors([&] {
        auto header = NSObject::create<tavro::PaymentHeaderView>(CGRect(0, 0, 375, 200));
        header->setUpCardView("Debit 1234", details);
        header->updateProgress(0.4);
        header->moveToEnd();
        return header;
    });

    std::vector<platform::UIImagePtr> logos(8, tavro::imageWithColor(platform::UIColor::red(), {48, 30}));
    expectNoSurvivors([&] {
        auto grid = NSObject::create<tavro::TAVROSupportedNetwork>(CGRect(0, 0, 375, 44));
        grid->addConstraint(platform::NSLayoutConstraint::create(grid, platform::NSLayoutAttribute::height,
                                                                 platform::NSLayoutRelation::equal, nullptr,
                                                                 platform::NSLayoutAttribute::notAnAttribute, 1, 44));
        grid->prepareView(logos);
        grid->prepareView();
        grid->moreClicked(false); // its reveal animation is still pending when the grid goes
        return grid;
    });
    EXPECT_GT(platform::UIView::pendingAnimationCount(), 0u);
    driver.advanceBy(1);
    EXPECT_EQ(platform::UIView::pendingAnimationCount(), 0u);
}
