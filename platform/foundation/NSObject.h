#pragma once
// NSObject: the root of the platform's object classes (responders, views, layers, controllers).
//
// Objects are made in two phases: NSObject::create<T>(args...) constructs a T held by a shared_ptr,
// then calls the virtual didCreate() so the most-derived setup runs, as the UI toolkit's
// initialisers do. A subclass that overrides didCreate() calls its base's first. Construct
// NSObject-derived objects only through create(); otherwise didCreate() does not run and
// sharedFromThis() gives null.
#include <memory>
#include <string>
#include <utility>

namespace platform {

class NSObject : public std::enable_shared_from_this<NSObject> {
public:
    virtual ~NSObject() = default;
    NSObject(const NSObject&) = delete;
    NSObject& operator=(const NSObject&) = delete;

    template <class T, class... A>
    static std::shared_ptr<T> create(A&&... args)
    {
        std::shared_ptr<T> object(new T(std::forward<A>(args)...));
        static_cast<NSObject&>(*object).didCreate();
        return object;
    }

    // The most-derived class name without its namespace ("UIView", "TAVROAmountCell").
    virtual std::string className() const;

    // This object as a T; null when it is not a T or not held by a shared_ptr (never throws).
    template <class T = NSObject>
    std::shared_ptr<T> sharedFromThis()
    {
        return std::dynamic_pointer_cast<T>(weak_from_this().lock());
    }
    template <class T = NSObject>
    std::shared_ptr<const T> sharedFromThis() const
    {
        return std::dynamic_pointer_cast<const T>(weak_from_this().lock());
    }
    template <class T = NSObject>
    std::weak_ptr<T> weakFromThis()
    {
        return sharedFromThis<T>();
    }

protected:
    NSObject() = default;
    // The second phase of creation; runs once, right after the constructor, with the object already
    // held by its shared_ptr (sharedFromThis works here, unlike in constructors).
    virtual void didCreate() {}
};

// The demangled, fully qualified name of a type ("platform::UIView"); the mangled name itself
// when it cannot be demangled.
std::string demangledTypeName(const char* mangledName);

// The demangled name of a type without namespaces or template arguments' namespaces stripped
// ("platform::UIView" -> "UIView").
std::string unqualifiedClassName(const char* mangledName);

} // namespace platform
