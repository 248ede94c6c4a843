#pragma once
// TAVRORequestPaymentDetailsViewController: the "Additional Settings" editor of the
// request-payment flow, pushed by the QR screen's details button (with the bar hidden). A title,
// a close control, a form (the payment scroll view) with the amount row, the reset row and eight
// switch rows for the request's optional fields, and a full-width UPDATE button.
//
// Edits go into a working copy of the nine editable fields; UPDATE writes them into the session's
// request, marks the request sub-session updated, shows the bar and pops. UPDATE is enabled
// exactly when the text each row last reported passes its field's rule and the payload UPDATE
// would write fits, passes the payload validator and carries every row shown on (and none that
// is off); a text refused only because the data was over the limit is kept, and counts once the
// limit is relieved. The close control pops without writing. A row still being edited when UPDATE
// is pressed is ended first, so its text is judged and kept before the commit, and UPDATE is
// judged again. Leaving by either control stops listening to the keyboard.
//
// Make with NSObject::create<TAVRORequestPaymentDetailsViewController>(). Main thread only.

#include "TavroMerchantSDK/Common/CellView/TAVROCellViewProtocol.h"
#include "TavroMerchantSDK/controls/KPrimaryButton.h"
#include "TavroMerchantSDK/controls/KViewControllerWithGSM.h"
#include "TavroMerchantSDK/core/TavroPaymentRequest.h"
#include "TavroMerchantSDK/screens/TAVROPaymentScrollView.h"
#include "platform/foundation/Notification.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UITextField.h"
#include "platform/ui/UIViewController.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tavro {

class TAVRORequestPaymentDetailsViewController : public platform::UIViewController,
                                                 public KViewControllerWithGSM,
                                                 public TAVROCellViewProtocol {
public:
    static constexpr platform::CGFloat titleHeight = 30;
    static constexpr platform::CGFloat titleMarginX = 40;
    static constexpr platform::CGFloat titleMarginY = 30;
    static constexpr platform::CGFloat closeButtonSide = 30;
    static constexpr platform::CGFloat updateButtonHeight = 60;
    static constexpr const char* darkTextColorHex = "#15195A";
    // The bottom of an edited row ends this far above the keyboard.
    static constexpr platform::CGFloat keyboardClearance = 70;

    TAVRORequestPaymentDetailsViewController();
    ~TAVRORequestPaymentDetailsViewController() override;

    // Stored for the banner protocol only.
    const std::function<void()>& animationClosure() const override { return m_animationClosure; }
    void setAnimationClosure(std::function<void()> closure) override { m_animationClosure = std::move(closure); }

    // --- views (present once the view is loaded) ---
    const std::shared_ptr<platform::UILabel>& titleLabel() const { return m_titleLabel; }
    const std::shared_ptr<platform::UIButton>& closeButton() const { return m_closeButton; }
    const std::shared_ptr<TAVROPaymentScrollView>& scrollView() const { return m_scrollView; }
    const std::shared_ptr<KPrimaryButton>& updateButton() const { return m_updateButton; }

    // --- editing state ---
    // The working copy of the amount and the eight optional fields.
    const std::shared_ptr<TavroPaymentRequest>& request() const { return m_request; }
    // Per row kind (CellType raw value): whether its last reported text passes its field's rule,
    // the additional-data limit aside; UPDATE needs them all.
    const std::array<bool, TAVROPaymentScrollView::slotCount>& varIsValid() const { return m_varIsValid; }
    // The field being edited, for keeping it above the keyboard.
    const std::shared_ptr<platform::UITextField>& currentTextField() const { return m_currentTextField; }

    // --- life cycle ---
    // White root view, then the title, close control, form and UPDATE button.
    void loadView() override;
    // Wires the two buttons and starts listening to the keyboard.
    void viewDidLoad() override;
    // Re-applies the form's computed content size.
    void viewDidLayoutSubviews() override;

    virtual void addTitle();
    virtual void addCloseButton();
    // The form over the session request's values; its limit check runs on a clone of the request.
    virtual void addScrollView();
    virtual void addUpdateButton();

    // --- actions ---
    // Ends any editing and judges UPDATE again; if it is still enabled writes the edits into the
    // session's request, marks it updated, shows the bar and pops.
    virtual void updateButtonPressed();
    // Shows the bar and pops; nothing is written.
    virtual void closeViewContoller();
    // The amount and the eight optional fields into the session's request (which must exist).
    // The amount row's value replaces the session's amount only when it differs by value from
    // that amount cut to the currency's digits; otherwise the host's text stays, absent included.
    virtual void updateSessionVar();
    // The nine editable fields from the session's request into the working copy.
    virtual void updateVCVar();
    // UPDATE is enabled exactly when every row kind is valid and writesWhatIsShown().
    void validateUpdateButton();
    // Writes one field of the working copy from a row's text.
    void updateCellVar(CellType cellType, const std::optional<std::string>& dataString);
    void registerNotificationsForKeyboard();
    // Scrolls the edited row above the keyboard when the keyboard would cover it: its bottom
    // keyboardClearance above the band; the field itself, where the room above the band holds it,
    // no higher than the form's top.
    void keyboardWillShow(const platform::Notification& notification);
    // The content size from the rows' frames again.
    void keyboardDidHide(const platform::Notification& notification);

    // --- as the form's owner ---
    bool isVaildData(TAVROCellView&, const std::optional<std::string>&) override { return true; }
    void cellViewType(CellType cellType, const std::optional<std::string>& dataString, bool isVaild) override;
    void touchedTextField(CellType cellType, const std::shared_ptr<platform::UITextField>& textField) override;
    // Shows the message in an error banner on the next main-queue turn, if the screen is still there.
    void showGSMError(const std::string& message) override;
    // The form's limit check: over the limit UPDATE is off; within it, validateUpdateButton().
    void disableUpdateButton() override;
    void enableUpdateButton() override;

private:
    // Writes the amount and the eight optional fields of the working copy into `target`, as UPDATE
    // writes them into the session's request.
    void writeEdits(TavroPaymentRequest& target) const;
    // Whether the working copy's additional data fits, each switch row is on exactly when the
    // working copy holds a value for it, and the payload UPDATE would write passes the payload
    // validator and carries every value. Leaves the shared payload parser alone.
    bool writesWhatIsShown() const;
    // The ten row models, from the session's request.
    std::vector<TAVROPaymentCellModelPtr> makeRowModels() const;
    // Reset: the optional fields out of the working copy and the form, the form's limit check
    // back on the session's request without them.
    void resetOptionalFields(bool isVaild, const std::optional<std::string>& dataString);
    void removeKeyboardObservers();
    // Shows the bar and pops, no longer listening to the keyboard.
    void leave();

    std::function<void()> m_animationClosure;
    std::shared_ptr<platform::UILabel> m_titleLabel;
    std::shared_ptr<platform::UIButton> m_closeButton;
    std::shared_ptr<TAVROPaymentScrollView> m_scrollView;
    std::shared_ptr<KPrimaryButton> m_updateButton;
    std::shared_ptr<TavroPaymentRequest> m_request;
    std::array<bool, TAVROPaymentScrollView::slotCount> m_varIsValid;
    std::shared_ptr<platform::UITextField> m_currentTextField;
    std::vector<std::shared_ptr<platform::NotificationObserverToken>> m_keyboardObservers;
};

} // namespace tavro
