#pragma once
// KActivityIndicator: the kit's spinner. start() draws two concentric arcs (a long head arc with
// its gap at the bottom and a short tail arc over the head's start), fades the view in over 0.5 s
// and turns the whole view without end, one turn per duration / speed seconds. stop() fades it
// out over 0.5 s; the arcs and the turning stay, transparent. Colours, thickness and speed take
// effect at the next start(). Make with NSObject::create<KActivityIndicator>(frame). Main thread.

#include "platform/graphics/CGFloat.h"
#include "platform/ui/CAAnimation.h"
#include "platform/ui/CAShapeLayer.h"
#include "platform/ui/UIView.h"

#include <memory>
#include <vector>

namespace tavro {

class KActivityIndicator : public platform::UIView, public platform::CAAnimationDelegate {
public:
    static constexpr double defaultDuration = 4.0;
    static constexpr double fadeDuration = 0.5;

    explicit KActivityIndicator(const platform::CGRect& frame = platform::CGRect());

    // Colour of the long arc; the theme's element colour at creation.
    const platform::UIColorPtr& headColor() const { return m_headColor; }
    void setHeadColor(platform::UIColorPtr color) { m_headColor = std::move(color); }
    // Colour of the short arc; the accent colour at creation.
    const platform::UIColorPtr& tailColor() const { return m_tailColor; }
    void setTailColor(platform::UIColorPtr color) { m_tailColor = std::move(color); }
    // Stroke width of both arcs in points, default 5.
    platform::CGFloat thickness() const { return m_thickness; }
    void setThickness(platform::CGFloat thickness) { m_thickness = thickness; }
    // Speed factor of the turning, default 1.
    float speed() const { return m_speed; }
    void setSpeed(float speed) { m_speed = speed; }

    // Draws the arcs for the current bounds (radius: half the longer side less half the thickness,
    // never below zero), fades in and starts turning; `completionDelegate` (held weakly) gets the
    // turning's callbacks only. Starting again replaces the earlier arcs and turning.
    virtual void start(double duration = defaultDuration,
                       std::weak_ptr<platform::CAAnimationDelegate> completionDelegate = {});
    // Fades out when started; a stopped indicator keeps its opacity.
    virtual void stop();

    bool isSpinning() const { return m_keepSpinning; }

protected:
    void didCreate() override;

private:
    void addArc(double startAngle, double endAngle, const platform::UIColorPtr& color, double radius);
    void fade(double from, double to, const char* tag);

    platform::UIColorPtr m_headColor;
    platform::UIColorPtr m_tailColor;
    platform::CGFloat m_thickness = 5.0;
    float m_speed = 1.0f;
    bool m_keepSpinning = false;
    std::vector<std::weak_ptr<platform::CAShapeLayer>> m_arcs;
};

} // namespace tavro
