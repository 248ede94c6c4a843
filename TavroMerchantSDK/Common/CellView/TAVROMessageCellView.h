#pragma once
// TAVROMessageCellView: a read-only notice row: a full-width white button with an amber warning
// icon and a message whose bold part (boaldStr, its first occurrence) is drawn in bold. Tapping
// it presents, from viewController, an alert warning that the recipient's name on record may
// differ from the user's contacts; a tap on the dimmed surroundings closes it. The row holds its
// screen weakly: once the screen is gone, taps do nothing.
//
// Make with NSObject::create<TAVROMessageCellView>(frame) (the button is built at once, sized
// from that frame); create<TAVROMessageCellView>(frame, fromArchive) builds on the first
// constraint pass. fillMessageTemplate() (MessageTemplate.h) makes the message from a host text.
// Main thread only.

#include "TavroMerchantSDK/Common/CellView/CellType.h"
#include "TavroMerchantSDK/Common/CellView/TAVROMessageCellViewProtocol.h"
#include "platform/foundation/NSMutableAttributedString.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UIView.h"
#include "platform/ui/UIViewController.h"

#include <memory>
#include <string>
#include <vector>

namespace tavro {

class TAVROMessageCellView : public platform::UIView {
public:
    struct FromArchive {};
    static constexpr FromArchive fromArchive{};

    // The alert's fixed English message.
    static constexpr const char* recipientNameWarning =
        "Recipient name found on record may differ from your contact list.\n\n"
        "If you are unsure, please verify with recipient before sending.";

    explicit TAVROMessageCellView(const platform::CGRect& frame = {});
    TAVROMessageCellView(const platform::CGRect& frame, FromArchive);

    std::shared_ptr<TAVROMessageCellViewProtocol> messageCellViewDelegate() const
    {
        return m_messageCellViewDelegate.lock();
    }
    void setMessageCellViewDelegate(std::weak_ptr<TAVROMessageCellViewProtocol> delegate)
    {
        m_messageCellViewDelegate = std::move(delegate);
    }
    // The screen that presents and dismisses the alert (weak).
    std::shared_ptr<platform::UIViewController> viewController() const { return m_viewController.lock(); }
    void setViewController(std::weak_ptr<platform::UIViewController> controller)
    {
        m_viewController = std::move(controller);
    }
    CellType cellType() const { return m_cellType; }
    void setCellType(CellType type) { m_cellType = type; }
    bool didSetConstraints() const { return m_didSetConstraints; }
    const std::shared_ptr<platform::UIButton>& messageBtn() const { return m_messageBtn; }

    // The part drawn in bold, and the whole message; each assignment re-titles the button.
    const std::string& boaldStr() const { return m_boaldStr; }
    void setBoaldStr(std::string bold);
    const std::string& messageStr() const { return m_messageStr; }
    void setMessageStr(std::string message);

    // Builds the button for the current frame, once.
    virtual void prepareView();
    // First pass only: builds what is missing, then pins the button 2 points inside the top and
    // bottom and flush with the sides.
    void updateConstraints() override;
    virtual void addConstraintForMessageBtn(const platform::UIViewPtr& view);
    // The full text in `font`, with the first occurrence of each non-empty part in `boldFont`,
    // all in the row's text colour.
    virtual platform::NSMutableAttributedString addBoldText(const std::string& fullString,
                                                            const std::vector<std::string>& boldPartsOfString,
                                                            const platform::UIFontPtr& font,
                                                            const platform::UIFontPtr& boldFont) const;
    // The button's title from messageStr and boaldStr (plain while boaldStr is empty).
    virtual void makeBold();
    // The button's action: presents the alert from viewController, if it still exists.
    virtual void showMessage();
    // Dismisses what viewController presents, if it still exists.
    virtual void dismissMessage();
    // Height of messageStr at the button's width in its title font.
    virtual platform::CGFloat titleHeight() const;

protected:
    void didCreate() override;

private:
    bool m_buildAtCreation = true;
    std::weak_ptr<TAVROMessageCellViewProtocol> m_messageCellViewDelegate;
    std::weak_ptr<platform::UIViewController> m_viewController;
    CellType m_cellType = CellType::none;
    bool m_didSetConstraints = false;
    std::shared_ptr<platform::UIButton> m_messageBtn;
    std::string m_boaldStr;
    std::string m_messageStr;
};

} // namespace tavro
