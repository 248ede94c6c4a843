#pragma once
// Notification names of multi-line text views. The toolkit has no text view yet; code that reacts to
// any text change (a session's time-out) observes these names already.
#include <string>

namespace platform {

// Posted by a text view after its text changed; the notification's object is the text view.
inline const std::string UITextViewTextDidChange = "UITextViewTextDidChangeNotification";

} // namespace platform
