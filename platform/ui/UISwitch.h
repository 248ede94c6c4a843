#pragma once
// UISwitch: an on/off control, always 51 x 31 points (its frame keeps that size wherever it is put).
//
// A tap (touch up inside) flips the value and sends valueChanged once; setting the value in code
// (setOn) sends nothing.
#include "platform/ui/UIControl.h"

namespace platform {

class UISwitch : public UIControl {
public:
    static constexpr CGFloat width = 51;
    static constexpr CGFloat height = 31;

    explicit UISwitch(const CGRect& frame = CGRect());

    bool isOn() const { return m_on; }
    virtual void setOn(bool on);
    // `animated` changes nothing here but is kept for callers that pass it.
    virtual void setOn(bool on, bool animated);

    // Track colour while on; null: the default green.
    const UIColorPtr& onTintColor() const { return m_onTintColor; }
    void setOnTintColor(UIColorPtr color);
    // Thumb colour; null: the default white.
    const UIColorPtr& thumbTintColor() const { return m_thumbTintColor; }
    void setThumbTintColor(UIColorPtr color);

    CGSize intrinsicContentSize() const override;
    CGSize sizeThatFits(CGSize size) const override;
    void setFrame(const CGRect& frame) override;
    void setBounds(const CGRect& bounds) override;

    void endTracking(UITouch* touch, const std::shared_ptr<UIEvent>& event) override;
    void draw(CGContext& context, const CGRect& rect) override;

private:
    bool m_on = false;
    UIColorPtr m_onTintColor;
    UIColorPtr m_thumbTintColor;
};

} // namespace platform
