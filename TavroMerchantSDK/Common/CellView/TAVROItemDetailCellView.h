#pragma once
// TAVROItemDetailCellView: the row that says who the other party of a payment is: a square
// avatar at the left, a title line and a description of up to two lines to its right. Display
// only: it reports nothing and takes no input.
//
// What it shows depends on the session's active flow and isScanned: a person's or merchant's
// name over a second line of text (initials in the avatar), or a merchant or agent ID grouped in
// fours over a network label, with a network logo chosen by the ID's first digit.
//
// The avatar is drawn by an off-screen TAVROCircleNameImageView that the row renders into its own
// image view. The view tree is built from the row's frame on the first constraint or layout pass;
// a model bound before that only sets name, cardImage and listItemSubDesc, and the labels are
// filled when they are built. Make with NSObject::create<TAVROItemDetailCellView>(frame).
// Main thread only.

#include "TavroMerchantSDK/Common/CellView/CellType.h"
#include "TavroMerchantSDK/Common/CellView/TAVROPaymentCellModel.h"
#include "TavroMerchantSDK/controls/TAVROCircleNameImageView.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UIView.h"

#include <memory>
#include <string>
#include <string_view>

namespace tavro {

class TAVROItemDetailCellView : public platform::UIView {
public:
    explicit TAVROItemDetailCellView(const platform::CGRect& frame = {});

    // The row's margin; every gap of the row is this wide.
    static constexpr platform::CGFloat margin = 16;

    // Present once the view tree is built.
    const std::shared_ptr<platform::UILabel>& itemTitleLbl() const { return m_itemTitleLbl; }
    const std::shared_ptr<platform::UILabel>& itemDescriptionLbl() const { return m_itemDescriptionLbl; }
    const std::shared_ptr<platform::UIImageView>& imageView() const { return m_imageView; }
    // The label of the kind of ID shown ("Merchant ID" or "Agent ID", localised); the description
    // in ID mode.
    const std::string& listItemSubDesc() const { return m_listItemSubDesc; }
    void setListItemSubDesc(std::string text) { m_listItemSubDesc = std::move(text); }
    bool didSetConstraints() const { return m_didSetConstraints; }

    // The name whose initials the avatar shows; a new value redraws the avatar.
    const std::string& name() const { return m_name; }
    void setName(std::string name);
    // A framework-bundle image for the avatar; a new value redraws the avatar.
    const std::string& cardImage() const { return m_cardImage; }
    void setCardImage(std::string imageName);

    // Set by the host; the row does not read it.
    CellType cellType() const { return m_cellType; }
    void setCellType(CellType type) { m_cellType = type; }

    // The row's model (shared with the form). Every assignment, also of the same model, runs
    // setupData(); texts the model has no field for stay as they were.
    const TAVROPaymentCellModelPtr& cellObject() const { return m_cellObject; }
    void setCellObject(TAVROPaymentCellModelPtr model);

    // The off-screen avatar, for tests.
    const std::shared_ptr<TAVROCircleNameImageView>& circleView() const { return m_circleView; }

    // Builds the image view (pinned top, bottom, leading 16 and a fixed width H - 32) and the two
    // labels from the current frame, then setupData(). Once.
    virtual void prepareView();
    virtual void addConstraintForImageView(const platform::UIViewPtr& view);
    // Title: top 16, 16 after the image, trailing 16, fixed height (H - 32) / 2.
    virtual void addConstraintForTitle(const platform::UIViewPtr& view);
    // Description: under the title, 16 after the image, trailing 16, bottom 16.
    virtual void addConstraintForDescription(const platform::UIViewPtr& view);
    // Fills the texts, name, cardImage and listItemSubDesc from the model, the active flow and
    // isScanned. Safe before the labels exist.
    virtual void setupData();

    // First pass only: builds the tree if needed, then pins the two labels.
    void updateConstraints() override;
    // Builds the tree if needed and redraws the avatar.
    void layoutSubviews() override;

protected:
    void didCreate() override;

private:
    // Description and cardImage chosen by the ID's first character.
    void updateItemCell(std::string_view merchantId);
    void setTitleText(const std::string& text);
    void setDescriptionText(const std::string& text);
    // Sizes the avatar to the row and shows its rendering in the image view.
    void refreshAvatar();

    std::shared_ptr<platform::UILabel> m_itemTitleLbl;
    std::shared_ptr<platform::UILabel> m_itemDescriptionLbl;
    std::shared_ptr<platform::UIImageView> m_imageView;
    std::string m_listItemSubDesc;
    std::shared_ptr<TAVROCircleNameImageView> m_circleView;
    bool m_didSetConstraints = false;
    std::string m_name;
    std::string m_cardImage;
    CellType m_cellType = CellType::none;
    TAVROPaymentCellModelPtr m_cellObject;
};

} // namespace tavro
