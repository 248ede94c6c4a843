#include "platform/ui/UITableViewDelegate.h"

#include "platform/ui/UITableView.h"

namespace platform {

double UITableViewDelegate::heightForRowAt(UITableView& tableView, const IndexPath&)
{
    return tableView.rowHeight();
}

double UITableViewDelegate::estimatedHeightForRowAt(UITableView& tableView, const IndexPath&)
{
    return tableView.estimatedRowHeight();
}

double UITableViewDelegate::heightForHeaderInSection(UITableView& tableView, int)
{
    return tableView.sectionHeaderHeight();
}

} // namespace platform
