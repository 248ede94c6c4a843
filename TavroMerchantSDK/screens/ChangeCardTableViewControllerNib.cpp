#include "TavroMerchantSDK/screens/ChangeCardTableViewControllerNib.h"

#include "TavroMerchantSDK/Common/CellView/ChangeCardTableViewCell.h"
#include "TavroMerchantSDK/screens/ChangeCardTableViewController.h"
#include "TavroMerchantSDK/support/KUIViewLoading.h"
#include "TavroMerchantSDK/support/KUtilsClassBundle.h"
#include "TavroMerchantSDK/support/StringConstants.h"
#include "platform/foundation/NibRegistry.h"
#include "platform/foundation/ResetForTesting.h"
#include "platform/ui/UIScreen.h"

#include <typeindex>

namespace tavro {

namespace {

using platform::NSObject;
using platform::UIViewAutoresizing;

platform::NibRegistry::TopLevelObjects buildController(const std::shared_ptr<void>& owner)
{
    auto root = NSObject::create<platform::UIView>(platform::UIScreen::main()->bounds());
    root->setBackgroundColor(platform::UIColor::white());
    auto table = NSObject::create<platform::UITableView>(root->bounds());
    table->setAutoresizingMask(UIViewAutoresizing::flexibleWidth | UIViewAutoresizing::flexibleHeight);
    table->setSeparatorStyle(platform::UITableViewCellSeparatorStyle::none);
    root->addSubview(table);

    // A controller's nib receives its owner as the controller itself.
    auto controller = owner ? std::dynamic_pointer_cast<ChangeCardTableViewController>(
                                  std::static_pointer_cast<platform::UIViewController>(owner))
                            : nullptr;
    if (controller) {
        controller->setView(root);
        controller->tableView = table;
        table->setDataSource(std::static_pointer_cast<platform::UITableViewDataSource>(controller));
        table->setDelegate(std::static_pointer_cast<platform::UITableViewDelegate>(controller));
    }
    return {nibObject(root)};
}

void registerControllerNib()
{
    platform::NibRegistry::registerNib(bundleForClass(std::type_index(typeid(ChangeCardTableViewCell))),
                                       StringConstants::CHANGE_CARDS_CONTROLLER(), buildController);
}

} // namespace

void ensureChangeCardsControllerNibRegistered()
{
    static const bool registered = [] {
        registerControllerNib();
        // A test reset empties the nib registry; the list's nib comes back with it.
        platform::registerResetForTesting(registerControllerNib);
        return true;
    }();
    (void)registered;
}

} // namespace tavro
