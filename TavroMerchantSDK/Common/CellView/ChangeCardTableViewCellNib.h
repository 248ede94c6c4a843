#pragma once
// The nib "ChangeCardTableViewCell" of the card list, a builder registered in the framework
// bundle: a 375 x 72 point cell holding a "#F2F4F8" plate inset 16 at the sides and 4 above and
// below; on the plate a 64 x 40 card art, the card type over the last-four line, the primary
// mark (a star) right after the last-four text, and the selection mark (a tick in a blue disc)
// at the trailing edge; a hairline divider along the cell's bottom. The list registers it for
// StringConstants::RID_CHANGE_CARD_CELL() under StringConstants::LIST_ITEM_CHANGE_CARD_CELL().

namespace tavro {

// Registers (or registers again) the nib.
void registerChangeCardCellNib();
// registerChangeCardCellNib() the first time only; later calls do nothing, so a test that
// unregistered the nib keeps it missing.
void ensureChangeCardCellNibRegistered();

} // namespace tavro
