#pragma once
// NSObject: the root of the platform's object classes (responders, views, layers, controllers).
//
// Objects are made in two phases: NSObject::create<T>(args...) constructs a T held by a shared_ptr,
// then calls the virtual didCreate() so the most-derived setup runs, as the UI toolkit's
// initialisers do. A subclass that overrides didCreate() calls its base's first.
//
// create() is the only way to make one: every NSObject subclass is abstract outside it (see
// createdType below), so `UIView view;`, `new UIView` and `std::make_shared<UIView>()` do not
// compile, and no object can miss its didCreate() or its shared owner.
#include <memory>
#include <string>
#include <type_traits>
#include <typeindex>
#include <typeinfo>
#include <utility>

namespace platform {

class NSObject : public std::enable_shared_from_this<NSObject> {
    // Only NSObject can make a key, so no subclass can implement createdType() itself.
    class CreationKey {
        friend class NSObject;
        CreationKey() = default;
    };
    template <class T>
    class Created;

public:
    virtual ~NSObject() = default;
    NSObject(const NSObject&) = delete;
    NSObject& operator=(const NSObject&) = delete;

    template <class T, class... A>
    static std::shared_ptr<T> create(A&&... args)
    {
        static_assert(std::is_base_of_v<NSObject, T>, "create() makes NSObject subclasses");
        std::shared_ptr<T> object(new Created<T>(std::forward<A>(args)...));
        static_cast<NSObject&>(*object).didCreate();
        return object;
    }

    // The class this object was created as (the T of create<T>()). Use it, never typeid(*object),
    // to look a class up by its type: the dynamic type is create()'s private wrapper.
    std::type_index classType() const { return std::type_index(createdType(CreationKey())); }

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

private:
    // Implemented only by Created<T>, the final class create() instantiates; a subclass cannot
    // implement it (it cannot name CreationKey), so it stays abstract everywhere else.
    virtual const std::type_info& createdType(CreationKey) const = 0;
};

template <class T>
class NSObject::Created final : public T {
public:
    template <class... A>
    explicit Created(A&&... args) : T(std::forward<A>(args)...)
    {
    }

private:
    const std::type_info& createdType(CreationKey) const override { return typeid(T); }
};

// The demangled, fully qualified name of a type ("platform::UIView"); the mangled name itself
// when it cannot be demangled.
std::string demangledTypeName(const char* mangledName);

// The demangled name of a type without namespaces or template arguments' namespaces stripped
// ("platform::UIView" -> "UIView").
std::string unqualifiedClassName(const char* mangledName);

} // namespace platform
