#pragma once
// The layout primitive of the framework's screens: a view is first placed by its frame, then
// pinned where it stands, edge by edge. Each call freezes the gap its frame shows at that moment
// into one required constraint (relation equal, multiplier 1). Leading and trailing are measured
// from the frames' left and right edges. Main thread.

#include "platform/graphics/CGFloat.h"
#include "platform/ui/NSLayoutAttribute.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UILayoutGuide.h"
#include "platform/ui/UIView.h"

namespace tavro {

// With a toView, top and bottom swap and leading and trailing swap; without one, and for every
// other attribute, the attribute itself.
platform::NSLayoutAttribute getOppositeAttribute(platform::NSLayoutAttribute attribute, bool hasToView);
platform::NSLayoutAttribute getOppositeAttribute(platform::NSLayoutAttribute attribute,
                                                 const platform::UIViewPtr& toView);

// The gap, in points, between currentView's frame (C) and toView's frame (T), or the parent's
// frame when there is no toView (P: only its size is read; a null parent counts as zero size):
//   top: C.minY - T.maxY | C.minY        bottom: T.minY - C.maxY | P.height - C.maxY
//   leading: C.minX - T.maxX | C.minX    trailing: T.minX - C.maxX | P.width - C.maxX
// 0 for any other attribute. A toView deeper in the parent's subtree has T taken in the parent's
// space, so the gap is a true distance for it as for a sibling.
platform::CGFloat getConstantBetween(platform::NSLayoutAttribute attribute, const platform::UIViewPtr& parentView,
                                     const platform::UIViewPtr& toView, const platform::UIViewPtr& currentView);

// Makes, installs and returns the constraint that keeps `currentView`'s `attribute` where its
// frame shows it now:
// - width / height: the frame's width (height) as a constant, installed on currentView;
// - otherwise, with S its superview, O the opposite attribute and K the measured gap, installed on
//   S: bottom/trailing with a toView: toView.O = currentView.attribute + K; bottom without a
//   toView but with a bottom guide: guide.top = currentView.bottom (+ 0); bottom/trailing
//   otherwise: S.attribute = currentView.attribute + K; any other attribute:
//   currentView.attribute = (toView or S).O + K.
// The top guide is accepted and ignored; the autoresizing-translation flag is never touched.
// A toView below a sibling is measured in S's space. A currentView without a superview (for
// edges), or a toView outside S's subtree, is a misuse: one debug line, and an inactive
// constraint relating the view to itself is returned. A null currentView gives null (logged).
platform::NSLayoutConstraintPtr addConstraintOn(const platform::UIViewPtr& currentView,
                                                platform::NSLayoutAttribute attribute,
                                                const platform::UIViewPtr& toView = nullptr,
                                                const platform::UILayoutGuidePtr& bottomLayoutSupport = nullptr,
                                                const platform::UILayoutGuidePtr& topLayoutSupport = nullptr);

} // namespace tavro
