// The base row's text-field callbacks and the keyboard's Done toolbar.

#include "TavroMerchantSDK/Common/CellView/TAVROCellView.h"

#include "TavroMerchantSDK/support/StringConstants.h"
#include "platform/ui/UIBarButtonItem.h"
#include "platform/ui/UIToolbar.h"

namespace tavro {

void TAVROCellView::textFieldDidChange(platform::UITextField& field)
{
    auto delegate = cellViewDelegate();
    if (!delegate)
        return;
    setIsVaildCell(delegate->isVaildData(*this, field.text()));
}

bool TAVROCellView::textFieldShouldBeginEditing(platform::UITextField& field)
{
    if (m_isVaildCell)
        focusStateTheme();
    else
        errorStateTheme();
    if (auto delegate = cellViewDelegate())
        delegate->touchedTextField(m_cellType, field.sharedFromThis<platform::UITextField>());
    return true;
}

void TAVROCellView::textFieldDidEndEditing(platform::UITextField& field)
{
    if (m_isVaildCell)
        normalStateTheme();
    else
        errorStateTheme();
    reportValue(field.text(), m_isVaildCell);
}

bool TAVROCellView::textFieldShouldReturn(platform::UITextField&)
{
    endEditing(true);
    return false;
}

void TAVROCellView::addDoneButtonOn(const std::shared_ptr<platform::UITextField>& field)
{
    if (!field)
        return;
    auto toolbar = NSObject::create<platform::UIToolbar>();
    auto flexibleSpace = platform::UIBarButtonItem::flexibleSpace();
    flexibleSpace->setTarget(weakFromThis<TAVROCellView>());
    auto done =
        platform::UIBarButtonItem::withTitle(StringConstants::TAVRO_DONE_TITLE(), platform::UIBarButtonItemStyle::done);
    done->setTargetAction(field, &platform::UITextField::resignFirstResponder);
    toolbar->setItems({flexibleSpace, done});
    toolbar->sizeToFit();
    field->setInputAccessoryView(toolbar);
}

void TAVROCellView::addDoneButtonOnNumpad(const std::shared_ptr<platform::UITextField>& field)
{
    addDoneButtonOn(field);
}

} // namespace tavro
