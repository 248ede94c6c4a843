// Built by the compile_fail_* tests: each DIRECT_CONSTRUCTION case must be refused by the compiler
// (an NSObject subclass is abstract outside NSObject::create); without a case the file compiles.
#include "platform/foundation/NSObject.h"

#include <memory>

namespace {

class Widget : public platform::NSObject {
public:
    explicit Widget(int size) : size(size) {}
    int size;
};

} // namespace

int main()
{
    auto made = platform::NSObject::create<Widget>(1);
#if DIRECT_CONSTRUCTION == 1
    Widget onStack(2);
    return onStack.size;
#elif DIRECT_CONSTRUCTION == 2
    std::unique_ptr<Widget> owned(new Widget(3));
    return owned->size;
#elif DIRECT_CONSTRUCTION == 3
    return std::make_shared<Widget>(4)->size;
#else
    return made->size - 1;
#endif
}
