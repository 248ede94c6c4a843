#pragma once
// TAVROCellView: the base of every form row that shows a title above a single-line text field.
// It owns what those rows share: the title (a button, so it can carry the warning icon), the
// 2-point status bar along the bottom edge, the four looks (default, normal, focus, error), the
// validity flag that picks focus or error, the binding of a row model, the keyboard's Done
// toolbar and the text-field callbacks that report to the owner (TAVROCellViewProtocol).
//
// The row never judges its own text: it asks its owner and shows the answer. The base creates no
// text field and no plus button; subclasses make them in their prepareView() and store them with
// setInputTextField() / setPlusBtn().
//
// Make with NSObject::create<T>(frame): the row's prepareView() (the most-derived one) runs at
// once. create<T>(frame, TAVROCellView::fromArchive) stands for a row loaded from an archive: it
// builds nothing until its first constraint pass. Main thread only.

#include "TavroMerchantSDK/Common/CellView/CellType.h"
#include "TavroMerchantSDK/Common/CellView/TAVROCellViewProtocol.h"
#include "TavroMerchantSDK/Common/CellView/TAVROPaymentCellModel.h"
#include "platform/graphics/UIImage.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UITextField.h"
#include "platform/ui/UIView.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tavro {

class TAVROCellView : public platform::UIView, public platform::UITextFieldDelegate {
public:
    struct FromArchive {};
    static constexpr FromArchive fromArchive{};

    explicit TAVROCellView(const platform::CGRect& frame = {});
    TAVROCellView(const platform::CGRect& frame, FromArchive);

    // --- state ---
    // The bound model's isRequired; absent while no model is bound.
    const std::optional<bool>& isRequired() const { return m_isRequired; }
    const std::shared_ptr<platform::UITextField>& inputTextField() const { return m_inputTextField; }
    void setInputTextField(std::shared_ptr<platform::UITextField> field) { m_inputTextField = std::move(field); }
    const std::shared_ptr<platform::UIButton>& plusBtn() const { return m_plusBtn; }
    void setPlusBtn(std::shared_ptr<platform::UIButton> button) { m_plusBtn = std::move(button); }
    // The placeholder ("Optional" localised at first); also written into an existing field.
    const std::string& placehoderString() const { return m_placehoderString; }
    void setPlacehoderString(std::string placeholder);
    // The field's text; also written into an existing field.
    const std::string& inputTextFieldString() const { return m_inputTextFieldString; }
    void setInputTextFieldString(std::string text);
    // Card-number mode: true switches an existing field to the number pad (false changes nothing).
    bool isKoraCardNumberCell() const { return m_isKoraCardNumberCell; }
    void setIsKoraCardNumberCell(bool cardNumber);
    // The bound model (shared with the form). Every assignment binds it: title, field text and
    // caret colour, the owner's report, the plus button and field for pre-filled values, the
    // "Required" placeholder, the field's accessibility identifier ("<kind>TextField"). Binding
    // no model leaves the identifier as it was.
    const TAVROPaymentCellModelPtr& cellObject() const { return m_cellObject; }
    void setCellObject(TAVROPaymentCellModelPtr model);
    // The kind sent with every callback; set by the owner, not taken from the model.
    CellType cellType() const { return m_cellType; }
    void setCellType(CellType type) { m_cellType = type; }

    static constexpr platform::CGFloat zeroValue = 0;
    static constexpr platform::CGFloat leadingValue = 16;
    static constexpr platform::CGFloat gap = 1;
    static constexpr platform::CGFloat statusBarHeight = 2;
    // Distance of the title from the row's top, and its height.
    platform::CGFloat topTitleGap() const { return m_topTitleGap; }
    void setTopTitleGap(platform::CGFloat distance) { m_topTitleGap = distance; }
    platform::CGFloat titleHeight() const { return m_titleHeight; }
    void setTitleHeight(platform::CGFloat height) { m_titleHeight = height; }
    const std::shared_ptr<platform::UIButton>& titleBtn() const { return m_titleBtn; }

    // The title as a localisation key. Setting it derives invaildTitleString and shows the
    // localised title without the icon.
    const std::string& titleString() const { return m_titleString; }
    void setTitleString(std::string title);
    const std::string& invaildTitleString() const { return m_invaildTitleString; }

    const platform::UIColorPtr& backgroundDefaultColor() const { return m_backgroundDefaultColor; }
    void setBackgroundDefaultColor(platform::UIColorPtr color) { m_backgroundDefaultColor = std::move(color); }
    const platform::UIColorPtr& backgroundActiveColor() const { return m_backgroundActiveColor; }
    const platform::UIColorPtr& titleDefaultColor() const { return m_titleDefaultColor; }
    void setTitleDefaultColor(platform::UIColorPtr color) { m_titleDefaultColor = std::move(color); }
    const platform::UIColorPtr& titleErrorColor() const { return m_titleErrorColor; }
    // The warning icon, template-rendered so it takes the title's tint.
    const platform::UIImagePtr& errorImage() const { return m_errorImage; }

    // The bar's track along the bottom edge, and the coloured bar in it (0 wide while hidden).
    const platform::UIViewPtr& statusBarBaseView() const { return m_statusBarBaseView; }
    const platform::UIViewPtr& colorStatusBar() const { return m_colorStatusBar; }
    bool didSetConstraints() const { return m_didSetConstraints; }

    std::shared_ptr<TAVROCellViewProtocol> cellViewDelegate() const { return m_cellViewDelegate.lock(); }
    void setCellViewDelegate(std::weak_ptr<TAVROCellViewProtocol> delegate)
    {
        m_cellViewDelegate = std::move(delegate);
    }

    // The owner's last verdict. Every assignment shows the focus look (true) or the error look.
    bool isVaildCell() const { return m_isVaildCell; }
    void setIsVaildCell(bool valid);

    // --- building ---
    // Builds the status bar and the title, once; subclasses build their field after calling it.
    virtual void prepareView();
    virtual void addConstraintForStatusBar(const platform::UIViewPtr& view);
    virtual void addConstraintForTitleBar(const platform::UIViewPtr& view);
    // For rows with a field and a trailing button (the plus button, the chevron): the button at the
    // trailing edge between title and status bar, its width fixed ...
    void addConstraintForPlusBtn(const platform::UIViewPtr& view);
    // ... and the field between title and status bar, from its leading inset to the button.
    void addConstraintForTextField(const platform::UIViewPtr& view);
    // The entry field of such a row, left of a square button of side `buttonSide`, under the title:
    // the Done toolbar, the placeholder text in grey, dark 16-point text. Not yet added to the row.
    std::shared_ptr<platform::UITextField> makeEntryField(platform::CGFloat buttonSide);
    // First pass only: builds what is missing, then pins the status bar and the title.
    void updateConstraints() override;

    // --- looks ---
    // The localised `text` as the title; with `isError` after the red warning icon in red.
    virtual void setTitle(std::string_view text, bool isError);
    // Grows the coloured bar to the row's width (0.25 s); nothing when it is already shown.
    virtual void showStatusBar();
    // Shrinks it to zero width (0.25 s); nothing when it is already hidden.
    virtual void hideStatusBar();
    virtual void defaultStateTheme();
    virtual void normalStateTheme();
    virtual void focusStateTheme();
    virtual void errorStateTheme();

    // --- keyboard and field callbacks ---
    // A toolbar with a Done button that resigns `field`, as its input accessory view.
    virtual void addDoneButtonOn(const std::shared_ptr<platform::UITextField>& field);
    // Asks the owner about the field's text and shows the answer; nothing without an owner.
    virtual void textFieldDidChange(platform::UITextField& field);
    bool textFieldShouldBeginEditing(platform::UITextField& field) override;
    void textFieldDidEndEditing(platform::UITextField& field) override;
    // Ends editing (forced) and refuses the return key, so it never inserts anything.
    bool textFieldShouldReturn(platform::UITextField& field) override;
    virtual void addDoneButtonOnNumpad(const std::shared_ptr<platform::UITextField>& field);
    // The localised "Set [Default Label]" with the localised label put in.
    virtual std::string localizedSetString(std::string_view labelString) const;

protected:
    // Runs prepareView() for rows made by frame.
    void didCreate() override;
    // The title a focused row shows, chosen by the active flow.
    std::string focusTitle() const;
    // Sends cellViewType(kind, field text, validity) to the owner, if any.
    void reportValue(const std::optional<std::string>& text, bool valid);

private:
    bool m_builtAtCreation = true;
    std::optional<bool> m_isRequired;
    std::shared_ptr<platform::UITextField> m_inputTextField;
    std::shared_ptr<platform::UIButton> m_plusBtn;
    std::string m_placehoderString;
    std::string m_inputTextFieldString;
    bool m_isKoraCardNumberCell = false;
    TAVROPaymentCellModelPtr m_cellObject;
    CellType m_cellType = CellType::none;
    platform::CGFloat m_topTitleGap = 10;
    std::shared_ptr<platform::UIButton> m_titleBtn;
    platform::CGFloat m_titleHeight = 26;
    std::string m_titleString;
    std::string m_invaildTitleString;
    platform::UIColorPtr m_backgroundDefaultColor;
    platform::UIColorPtr m_backgroundActiveColor;
    platform::UIColorPtr m_titleDefaultColor;
    platform::UIColorPtr m_titleErrorColor;
    platform::UIImagePtr m_errorImage;
    platform::UIViewPtr m_statusBarBaseView;
    platform::UIViewPtr m_colorStatusBar;
    bool m_didSetConstraints = false;
    std::weak_ptr<TAVROCellViewProtocol> m_cellViewDelegate;
    bool m_isVaildCell = true;
};

} // namespace tavro
