#pragma once
// The record of one UIView::animate call, kept for tests in UIView::animationLog().
//
// Animations are not interpolated: the model values change at once, inside the animations block.
// The completion runs on the run-loop clock at delay + duration (finished == true), or in the next
// turn with finished == false when a view the block changed leaves its window first.
#include "platform/ui/UIViewTypes.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace platform {

class UIView;

struct UIViewAnimationRecord {
    std::uint64_t id = 0;
    double duration = 0;
    double delay = 0;
    UIViewAnimationOptions options = UIViewAnimationOptions::none;
    double startTime = 0; // clock time of the animate call
    // The views whose animatable properties (frame, bounds, center, transform, alpha, background
    // colour) the block changed, in the order first touched (weak).
    std::vector<std::weak_ptr<UIView>> views;
    bool hasCompletion = false;
    // Set once the animation is over: true when it ran its course, false when cut short.
    std::optional<bool> finished;

    bool touched(const std::shared_ptr<UIView>& view) const;
};

} // namespace platform
