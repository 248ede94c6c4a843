#pragma once
// UITableViewDelegate: how a table view's rows look and what happens when they are touched. It is
// also the table's scroll-view delegate. Held weakly by the table. Every method has a default.
#include "platform/ui/IndexPath.h"
#include "platform/ui/UIScrollView.h"

#include <memory>

namespace platform {

class UITableView;
class UITableViewCell;

class UITableViewDelegate : public UIScrollViewDelegate {
public:
    // A row's height in points, or UITableViewAutomaticDimension to measure its cell. Default: the
    // table's rowHeight.
    virtual double heightForRowAt(UITableView& tableView, const IndexPath& indexPath);
    // The height assumed for an automatic row until its cell has been measured. Default: the table's
    // estimatedRowHeight.
    virtual double estimatedHeightForRowAt(UITableView& tableView, const IndexPath& indexPath);
    // A section header's height, or UITableViewAutomaticDimension (the header view's height, or the
    // style's height for a title). Default: the table's sectionHeaderHeight.
    virtual double heightForHeaderInSection(UITableView& tableView, int section);
    // A view of the delegate's own for a section header. Default: none (a title header is made from
    // the data source's title).
    virtual std::shared_ptr<UIView> viewForHeaderInSection(UITableView& /*tableView*/, int /*section*/)
    {
        return nullptr;
    }
    // A cell is about to appear for a row (after the data source configured it).
    virtual void willDisplay(UITableView& /*tableView*/, UITableViewCell& /*cell*/, const IndexPath& /*indexPath*/) {}
    // The user selected a row (touch up on it), or selected another row so this one lost its selection.
    virtual void didSelectRowAt(UITableView& /*tableView*/, const IndexPath& /*indexPath*/) {}
    virtual void didDeselectRowAt(UITableView& /*tableView*/, const IndexPath& /*indexPath*/) {}
};

} // namespace platform
