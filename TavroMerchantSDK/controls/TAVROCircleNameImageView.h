#pragma once
// TAVROCircleNameImageView: stands for a person or a merchant, either as a grey circle with the
// initials of a name or as a picture from the framework bundle. Which of the two shows is decided
// at every layout pass from the session: initials while the data came from a scanned code or in
// the person-to-person and refund flows, the picture otherwise. Make with
// NSObject::create<TAVROCircleNameImageView>(frame). Main thread only.

#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIImage.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UIView.h"

#include <memory>
#include <string>

namespace tavro {

class TAVROCircleNameImageView : public platform::UIView {
public:
    explicit TAVROCircleNameImageView(const platform::CGRect& frame = platform::CGRect());

    // The person's name; every assignment (also of the same text) shows its initials: the first
    // character of each of the pieces 0 and 1 of the name split at single spaces, case kept
    // ("Anna Maria Lopez" gives "AM"; an empty piece gives nothing, so " John Smith" gives "J").
    const std::string& name() const { return m_name; }
    void setName(std::string name);

    // A framework-bundle image name; every assignment loads that image (an empty image when the
    // bundle has none) into the picture.
    const std::string& cardImage() const { return m_cardImage; }
    void setCardImage(std::string imageName);

    // Colour of the initials; "#6F7099" until assigned.
    const platform::UIColorPtr& titleColor() const { return m_titleColor; }
    void setTitleColor(platform::UIColorPtr color);

    // Chooses the mode from TavroSession::sharedSession() (see the file comment): initials mode is
    // a "#F2F4F8" circle (corner radius half the width) with the label filling the bounds; picture
    // mode is a clear background with the picture filling the bounds, aspect-fit.
    void layoutSubviews() override;

    // The view as it draws now, rendered from its layer; null for a view of zero size.
    platform::UIImagePtr translateToImage() const;

    // The parts, for the rows that show the view and for tests.
    const std::shared_ptr<platform::UILabel>& initialsLabel() const { return m_label; }
    const std::shared_ptr<platform::UIImageView>& pictureView() const { return m_imageView; }

    // Whether the session's state asks for initials rather than the picture.
    static bool showsInitialsForSession();

protected:
    void didCreate() override;

private:
    std::string m_name;
    std::string m_cardImage;
    platform::UIColorPtr m_titleColor;
    std::shared_ptr<platform::UILabel> m_label;
    std::shared_ptr<platform::UIImageView> m_imageView;
};

// The initials of a name as the avatar shows them (see TAVROCircleNameImageView::setName).
std::string circleNameInitials(const std::string& name);

} // namespace tavro
