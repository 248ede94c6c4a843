#pragma once
// UITableViewDataSource: what a table view asks of the object that owns its rows. Held weakly by
// the table. Counts are read when the data loads (the first layout, or reloadData); cells are asked
// only for rows that become visible.
#include "platform/ui/IndexPath.h"

#include <memory>
#include <optional>
#include <string>

namespace platform {

class UITableView;
class UITableViewCell;

class UITableViewDataSource {
public:
    virtual ~UITableViewDataSource() = default;

    // Default 1. Negative answers count as 0.
    virtual int numberOfSections(UITableView& /*tableView*/) { return 1; }
    // Negative answers count as 0.
    virtual int numberOfRowsInSection(UITableView& tableView, int section) = 0;
    // The cell for a visible row (usually from dequeueReusableCell). A null answer is logged and the
    // row stays empty.
    virtual std::shared_ptr<UITableViewCell> cellForRowAt(UITableView& tableView, const IndexPath& indexPath) = 0;
    // The section's header text; none (the default) or an empty text gives a plain table no header.
    virtual std::optional<std::string> titleForHeaderInSection(UITableView& /*tableView*/, int /*section*/)
    {
        return std::nullopt;
    }
};

} // namespace platform
