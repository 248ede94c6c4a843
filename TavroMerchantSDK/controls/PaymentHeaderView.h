#pragma once
// PaymentHeaderView: the collapsing header of the confirm screen. It shows the paying card, a
// one-line description with a small star, and a change control. Expanded (progress 0) the three
// are stacked and centred, the upper-cased change title at the bottom; compact (progress 1) they
// sit on one line H / 2 - 15: a 47 x 30 card at the left, the description from x 73, a chevron
// flush right. Progress between the two moves the centres and the card's size linearly; colours,
// titles and images change only at the two ends. The change buttons carry no action of their own:
// the screen wires them. Make with NSObject::create<PaymentHeaderView>(frame). Main thread only.

#include "TavroMerchantSDK/controls/TavroCardAnatomy.h"
#include "TavroMerchantSDK/core/TavroCardDetails.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UIView.h"

#include <memory>
#include <string>

namespace tavro {

class PaymentHeaderView : public platform::UIView {
public:
    // Size of the card when expanded and when compact, in points.
    static constexpr double expandedCardWidth = 106;
    static constexpr double expandedCardHeight = 66;
    static constexpr double compactCardWidth = 47;
    static constexpr double compactCardHeight = 30;

    explicit PaymentHeaderView(const platform::CGRect& frame = platform::CGRect());

    const std::shared_ptr<TavroCardAnatomy>& cardAnatomy() const { return m_cardAnatomy; }
    const std::shared_ptr<platform::UIButton>& changeButton() const { return m_changeButton; }
    // Invisible, over the card, so a tap on the card acts too ("Card_Change_Button").
    const std::shared_ptr<platform::UIButton>& cardChangeButton() const { return m_cardChangeButton; }
    const std::shared_ptr<platform::UILabel>& descriptionLabel() const { return m_descriptionLabel; }
    // Holds the description and the star; they move as one.
    const std::shared_ptr<platform::UIView>& lableBaseView() const { return m_lableBaseView; }
    const std::shared_ptr<platform::UIImageView>& starImageView() const { return m_starImageView; }

    // Hides (true) or shows (false) both change buttons.
    bool hideCardChangeButton() const { return m_hideCardChangeButton; }
    void setHideCardChangeButton(bool hide);

    // The description. Assigning it sizes the label to the text, the star 8 points after it, and
    // the base exactly around both, at most (screen width - card width / 2 - 94) wide (the label
    // then shrinks its font, down to half); the base keeps its centre.
    const std::string& cardText() const { return m_cardText; }
    void setCardText(std::string text);

    // Sets the description, then paints the card from `cardDetail`.
    void setUpCardView(std::string text, const std::shared_ptr<TavroCardDetails>& cardDetail);

    // 0 gives returnToBeginning(), 1 moveToEnd(), anything between a blend of the positions and of
    // the card's size (see the file comment).
    virtual void updateProgress(double progress);
    // The expanded layout, its colours, title and star tint.
    virtual void returnToBeginning();
    // The compact layout in the configuration's font colour, with the chevron for a title.
    virtual void moveToEnd();

    // Changing the width puts the three items back at their expanded centres, whatever the
    // progress; sizes, colours and images stay.
    void setFrame(const platform::CGRect& frame) override;
    void setBounds(const platform::CGRect& bounds) override;

protected:
    void didCreate() override;
    virtual void commonInit();

    // Where the description sits when expanded: directly above the change button.
    virtual platform::CGPoint descriptionOriginalCenter() const;
    // Where the card sits when expanded: 10 points above the description.
    virtual platform::CGPoint cardOriginalCenter() const;

private:
    void recentreForWidthChange(double previousWidth);
    platform::CGPoint expandedChangeCenter() const;
    platform::CGPoint compactChangeCenter() const;
    platform::CGPoint compactDescriptionCenter() const;
    platform::CGPoint compactCardCenter() const;
    void setCardSize(double width, double height);

    std::shared_ptr<TavroCardAnatomy> m_cardAnatomy;
    std::shared_ptr<platform::UILabel> m_descriptionLabel;
    std::shared_ptr<platform::UIView> m_lableBaseView;
    std::shared_ptr<platform::UIImageView> m_starImageView;
    std::shared_ptr<platform::UIButton> m_changeButton;
    std::shared_ptr<platform::UIButton> m_cardChangeButton;
    bool m_hideCardChangeButton = false;
    std::string m_cardText;
};

} // namespace tavro
