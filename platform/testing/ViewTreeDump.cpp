#include "platform/testing/ViewTreeDump.h"

#include "platform/foundation/ClassicNumbers.h"
#include "platform/testing/ViewQuery.h"

#include <sstream>

namespace platform {

namespace {

// A text quoted, with the characters that would break the one-line form escaped.
void writeQuoted(std::ostream& out, const std::string& text)
{
    out << '"';
    for (char ch : text) {
        switch (ch) {
        case '"': out << "\\\""; break;
        case '\\': out << "\\\\"; break;
        case '\n': out << "\\n"; break;
        default: out << ch;
        }
    }
    out << '"';
}

void describe(std::ostream& out, const UIView& view, int depth)
{
    out << std::string(std::size_t(depth) * 2, ' ') << view.className() << ' ' << view.frame();
    if (view.isHidden())
        out << " hidden";
    if (view.alpha() != 1.0)
        out << " alpha=" << view.alpha();
    if (const auto& identifier = view.accessibilityIdentifier()) {
        out << " id=";
        writeQuoted(out, *identifier);
    }
    if (auto text = visibleText(view)) {
        out << " text=";
        writeQuoted(out, *text);
    }
    out << '\n';
    for (const auto& subview : view.subviews())
        describe(out, *subview, depth + 1);
}

} // namespace

std::string describeViewTree(const UIViewPtr& root)
{
    if (!root)
        return "(no view)\n";
    std::ostringstream out = classicStream();
    describe(out, *root, 0);
    return out.str();
}

} // namespace platform
