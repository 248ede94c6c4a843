#include "TavroMerchantSDK/controls/TAVROSupportedNetwork.h"

#include "TavroMerchantSDK/core/TavroSession.h"
#include "TavroMerchantSDK/support/UIImageExtensions.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UIScreen.h"

namespace tavro {

using platform::CGRect;
using platform::NSObject;
using platform::UIView;

TAVROSupportedNetwork::TAVROSupportedNetwork(const CGRect& frame) : UIView(frame) {}

void TAVROSupportedNetwork::didCreate()
{
    UIView::didCreate();
    setupView();
}

void TAVROSupportedNetwork::setupView()
{
    auto ownLogo = tavroImage("network_logo_tavro");
    const auto& configured = TavroSession::sharedSession()->internalConfiguration()->supportedNetworkImage();
    m_images = configured ? *configured : std::vector<platform::UIImagePtr>{ownLogo};
    setClipsToBounds(true);
    setBackgroundColor(platform::UIColor::white());
}

void TAVROSupportedNetwork::prepareView(std::vector<platform::UIImagePtr> images)
{
    m_images = std::move(images);
    prepareView();
}

void TAVROSupportedNetwork::prepareView()
{
    m_rowHeight = frame().height();
    bool moreAlreadyThere = m_moreImage && m_images.size() > moreCellIndex && m_images[moreCellIndex] == m_moreImage;
    if (m_images.size() >= std::size_t(maxCellInRow) && !moreAlreadyThere) {
        m_moreImage = tavroImage("icon_more");
        m_images.insert(m_images.begin() + moreCellIndex, m_moreImage);
    }
    auto subviews = this->subviews();
    for (const auto& subview : subviews)
        subview->removeFromSuperview();
    CGRect oneRow = frame();
    setFrame(CGRect(oneRow.origin.x, oneRow.origin.y, oneRow.width(), m_rowHeight));

    double width = frame().width();
    double screenWidth = platform::UIScreen::main()->bounds().width();
    double cellWidth = (screenWidth - cellGap * (maxCellInRow + 1)) / maxCellInRow;
    m_rows = {NSObject::create<UIView>(CGRect(width / 2, 0, 0, m_rowHeight)),
              NSObject::create<UIView>(CGRect(width / 2, m_rowHeight, 0, m_rowHeight))};
    addSubview(m_rows[0]);
    addSubview(m_rows[1]);

    std::weak_ptr<TAVROSupportedNetwork> weakSelf = sharedFromThis<TAVROSupportedNetwork>();
    int cell = 0;
    double x = 0;
    for (const auto& image : m_images) {
        const auto& row = cell < maxCellInRow ? m_rows[0] : m_rows[1];
        if (cell == int(moreCellIndex)) {
            auto more = NSObject::create<platform::UIButton>(CGRect(x, 0, cellWidth, m_rowHeight));
            more->addTarget(
                weakSelf,
                [](const std::shared_ptr<void>& target, platform::UIControl&) {
                    static_cast<TAVROSupportedNetwork*>(target.get())->moreClicked(false);
                },
                platform::UIControlEvents::touchUpInside);
            more->setAccessibilityIdentifier("Supported_Network_More_Button");
            row->addSubview(more);
        }
        auto logo = NSObject::create<platform::UIImageView>(CGRect(x, 0, cellWidth, m_rowHeight));
        logo->setContentMode(platform::UIViewContentMode::scaleAspectFit);
        logo->setUserInteractionEnabled(false);
        logo->setImage(image);
        row->addSubview(logo);
        CGRect grown = row->frame();
        row->setFrame(CGRect(grown.origin.x, grown.origin.y, grown.width() + cellWidth + cellGap, grown.height()));
        ++cell;
        x = cell == maxCellInRow ? 0 : x + cellWidth + cellGap;
    }
    m_rows[0]->setCenter({width / 2, m_rowHeight * 0.5});
    m_rows[1]->setCenter({width / 2, m_rowHeight * 1.5});
}

void TAVROSupportedNetwork::moreClicked(bool immediately)
{
    if (m_heightCon.expired()) {
        for (const auto& constraint : constraints()) {
            if (constraint->firstAttribute() == platform::NSLayoutAttribute::height) {
                m_heightCon = constraint;
                break;
            }
        }
    }
    auto height = m_heightCon.lock();
    if (!height)
        return;
    height->setConstant(m_isExpanded ? m_rowHeight : 2 * m_rowHeight);
    m_isExpanded = !m_isExpanded;
    if (immediately)
        return;
    auto superview = this->superview();
    std::weak_ptr<UIView> weakLayoutRoot = superview ? superview : sharedFromThis<UIView>();
    UIView::animate(0.25, [weakLayoutRoot] {
        if (auto root = weakLayoutRoot.lock())
            root->layoutIfNeeded();
    });
}

} // namespace tavro
