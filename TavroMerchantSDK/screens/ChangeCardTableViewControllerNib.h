#pragma once
// The nib "ChangeCardTableViewController" of the card list, a builder registered in the framework
// bundle: a white root view the size of the main screen holding a plain table that fills it, with
// no separators (the rows draw their own divider). Instantiated with a ChangeCardTableViewController
// as owner, it becomes the owner's view, its tableView outlet, and makes the owner the table's data
// source and delegate.

namespace tavro {

// Registers the nib the first time only (and again after every test reset).
void ensureChangeCardsControllerNibRegistered();

} // namespace tavro
