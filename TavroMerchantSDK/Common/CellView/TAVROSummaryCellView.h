#pragma once
// TAVROSummaryCellView: the totals panel at the foot of a payment form. Up to three lines, each a
// caption on the left and an amount on the right (e.g. original transaction, refund amount, total
// after refund), or, in flows without totals, one centred message.
//
// The owner gives the frame, sets cellType (the flow of the hosting screen; it picks the layout)
// and then assigns the row model to cellObject: every assignment rebuilds the labels (the earlier
// ones leave the row) and fills them by the session's active flow. Amounts then come in through
// updateCellWith(...) in the pay flows and updateCellWithAmount(...) in the refund flow. Amount
// texts are "<code> <amount>" in the session's active currency. Numbers the row reads from texts
// (the model's value and fees, the session's service fee) count as 0 when missing or not a
// decimal number. Make with NSObject::create<TAVROSummaryCellView>(frame). Main thread only.

#include "TavroMerchantSDK/Common/CellView/TAVROPaymentCellModel.h"
#include "TavroMerchantSDK/core/TavroActiveFlow.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UIView.h"

#include <optional>
#include <string>

namespace tavro {

class TAVROSummaryCellView : public platform::UIView {
public:
    using UIView::UIView;

    static constexpr platform::CGFloat underlineHeight = 2;
    static constexpr platform::CGFloat labelHeight = 16;
    static constexpr platform::CGFloat margin = 16;
    static constexpr std::string_view lightTextColorHex = "#6F7099";
    static constexpr std::string_view darkTextColorHex = "#15195A";

    // --- labels (absent until built) and their texts ---
    const std::shared_ptr<platform::UILabel>& topLeftLabel() const { return m_topLeftLabel; }
    const std::shared_ptr<platform::UILabel>& topRightLabel() const { return m_topRightLabel; }
    const std::shared_ptr<platform::UILabel>& middleLeftLabel() const { return m_middleLeftLabel; }
    const std::shared_ptr<platform::UILabel>& middleRightLabel() const { return m_middleRightLabel; }
    const std::shared_ptr<platform::UILabel>& bottomLeftLabel() const { return m_bottomLeftLabel; }
    const std::shared_ptr<platform::UILabel>& bottomRightLabel() const { return m_bottomRightLabel; }
    const std::shared_ptr<platform::UILabel>& bottomCenterMsgLabel() const { return m_bottomCenterMsgLabel; }

    // Assigning a title stores it and shows its localised text in its label, if built; the
    // bottom-right one bold and underlined.
    const std::string& topLeftTitle() const { return m_topLeftTitle; }
    void setTopLeftTitle(std::string title);
    const std::string& topRightTitle() const { return m_topRightTitle; }
    void setTopRightTitle(std::string title);
    const std::string& middleLeftTitle() const { return m_middleLeftTitle; }
    void setMiddleLeftTitle(std::string title);
    const std::string& middleRightTitle() const { return m_middleRightTitle; }
    void setMiddleRightTitle(std::string title);
    const std::string& bottomLeftTitle() const { return m_bottomLeftTitle; }
    void setBottomLeftTitle(std::string title);
    const std::string& bottomRightTitle() const { return m_bottomRightTitle; }
    void setBottomRightTitle(std::string title);

    // Held for callers; the row neither sets nor reads them.
    const platform::NSLayoutConstraintPtr& middleLeftTitleConstraint() const { return m_middleLeftTitleConstraint; }
    void setMiddleLeftTitleConstraint(platform::NSLayoutConstraintPtr constraint)
    {
        m_middleLeftTitleConstraint = std::move(constraint);
    }
    const platform::UIViewPtr& underline() const { return m_underline; }
    void setUnderline(platform::UIViewPtr view) { m_underline = std::move(view); }

    bool didSetConstraints() const { return m_didSetConstraints; }
    // The flow whose summary the row shows; set before cellObject.
    TavroActiveFlow cellType() const { return m_cellType; }
    void setCellType(TavroActiveFlow type) { m_cellType = type; }
    // Every assignment (none too) rebuilds and fills the row.
    const TAVROPaymentCellModelPtr& cellObject() const { return m_cellObject; }
    void setCellObject(TAVROPaymentCellModelPtr model);
    // The model carries a convenience fee amount or percentage.
    bool isAdditionalAmount() const;

    // --- building and updates ---
    // Adds the grid lines that cellType shows and emphasises the total line.
    virtual void prepareView();
    // The message label: at the top (isOnlyMessage) or below line 2; its text is composed only
    // in the two pay flows.
    virtual void addBottomMsgLabel(bool isOnlyMessage);
    // Pay flows: recomputes the additional amount and the total from the typed texts, stores the
    // total in the session and returns the text of line 2 (none when line 2 is not built).
    std::optional<std::string> updateCellWith(const std::optional<std::string>& paymentAmount,
                                              const std::optional<std::string>& tipAmout,
                                              const std::string& currencyCode);
    // Refund flow: "- " and the refund amount on line 2, maxRefund - refundAmount on line 3.
    virtual void updateCellWithAmount(double refundAmount, double maxRefund);
    void updateConstraints() override;

private:
    void addTopLeftLabel();
    void addTopRightLabel();
    void addMiddleLeftLabel();
    void addMiddleRightLabel();
    void addBottomLeftLabel();
    void addBottomRightLabel();
    // A label at `frame` on the row, in place of `slot`'s earlier one.
    std::shared_ptr<platform::UILabel> makeLabel(std::shared_ptr<platform::UILabel>& slot,
                                                 const platform::CGRect& frame, const std::string& text);
    void removeLabels();
    void emphasiseLine2();
    void fillByFlow();
    // "<code> <amount>" in the session's active currency.
    static std::string amountText(double amount);

    std::shared_ptr<platform::UILabel> m_topLeftLabel;
    std::string m_topLeftTitle;
    std::shared_ptr<platform::UILabel> m_topRightLabel;
    std::string m_topRightTitle;
    std::shared_ptr<platform::UILabel> m_middleLeftLabel;
    std::string m_middleLeftTitle;
    platform::NSLayoutConstraintPtr m_middleLeftTitleConstraint;
    std::shared_ptr<platform::UILabel> m_middleRightLabel;
    std::string m_middleRightTitle;
    std::shared_ptr<platform::UILabel> m_bottomLeftLabel;
    std::string m_bottomLeftTitle;
    std::shared_ptr<platform::UILabel> m_bottomRightLabel;
    std::string m_bottomRightTitle;
    std::shared_ptr<platform::UILabel> m_bottomCenterMsgLabel;
    platform::UIViewPtr m_underline;
    bool m_didSetConstraints = false;
    TavroActiveFlow m_cellType = TavroActiveFlow::none;
    TAVROPaymentCellModelPtr m_cellObject;
};

} // namespace tavro
