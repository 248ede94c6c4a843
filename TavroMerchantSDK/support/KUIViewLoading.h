#pragma once
// Loading a whole view from the nib named after its class, for every view class:
// loadFromNib<KCardAnatomy>() instantiates the nib "KCardAnatomy" of the bundle that holds the
// class and returns its first top-level object as that class.
//
// Nibs hold their top-level objects, and receive their owner, as std::shared_ptr<void> made from
// a std::shared_ptr<NSObject>; nibObject() and nibObjectAs() convert to and from that form.

#include "platform/foundation/DebugLog.h"
#include "platform/foundation/NSObject.h"
#include "platform/ui/UIView.h"

#include <memory>
#include <string>
#include <type_traits>
#include <typeindex>

namespace tavro {

// An object in the form a nib's builder returns it (and receives its owner).
inline std::shared_ptr<void> nibObject(const std::shared_ptr<platform::NSObject>& object)
{
    return object;
}
inline std::shared_ptr<void> nibOwner(const platform::UIViewPtr& view)
{
    return nibObject(std::static_pointer_cast<platform::NSObject>(view));
}

// A top-level object of a nib as a T; null when it is null or not a T.
template <class T>
std::shared_ptr<T> nibObjectAs(const std::shared_ptr<void>& object)
{
    return std::dynamic_pointer_cast<T>(std::static_pointer_cast<platform::NSObject>(object));
}

// The first top-level object of the nib named after `viewClass`, from the bundle that holds the
// class, instantiated with no owner; null (with one debug line) when the nib is missing or empty.
std::shared_ptr<platform::NSObject> loadFirstNibObject(std::type_index viewClass);

// The first top-level object of the nib named after T, as a T. Null, with one debug line, when
// the nib is missing or its first object is not a T.
template <class T>
std::shared_ptr<T> loadFromNib()
{
    static_assert(std::is_base_of_v<platform::UIView, T>, "only views load from nibs");
    auto object = loadFirstNibObject(std::type_index(typeid(T)));
    if (!object)
        return nullptr;
    auto view = std::dynamic_pointer_cast<T>(object);
    if (!view)
        platform::debugLog("loadFromNib: the first object of the nib is a " + object->className() + ", not the class");
    return view;
}

} // namespace tavro
