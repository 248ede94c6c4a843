#pragma once
// QRSnapView: the artwork the request-payment screen turns into the image it shares: a dark-blue
// panel with a white card holding the QR code, a light hint strip at the bottom of the card, and
// the date and time of generation under the card. Built for its frame by prepareView(); hidden
// except while the screen renders it. Make with NSObject::create<QRSnapView>(frame). Main thread.

#include "platform/foundation/Date.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UIView.h"

#include <memory>
#include <string>

namespace tavro {

class QRSnapView : public platform::UIView {
public:
    explicit QRSnapView(const platform::CGRect& frame = platform::CGRect());

    // Null until prepareView() creates it; the screen puts the QR picture into it.
    const std::shared_ptr<platform::UIImageView>& qrImageView() const { return m_qrImageView; }

    // Builds the artwork for the current frame (W x H): background "#15195A", hidden; a white card
    // at (32, 24) of (W - 64) x (H - 72) holding the QR image view over all but its last 48 points
    // and a "#F2F4F8" hint strip in those 48; the date line 16 points under the card. Called once
    // per view; a second call builds it afresh.
    virtual void prepareView();

    // "Generated on " and `date` as "dd MMM yyyy, h:mm a" in the current locale and time zone,
    // the marker always "AM" or "PM"; in a right-to-left locale the date is set between U+2068 and
    // U+2069 (a first-strong isolate) so it reads in one piece after the English words.
    static std::string generatedOnText(platform::Date date);

private:
    std::string getCurrentDate() const;

    std::shared_ptr<platform::UIImageView> m_qrImageView;
};

} // namespace tavro
