#pragma once
// UILabel: a view that shows read-only text, plain or attributed.
//
// Plain and attributed text are two views of one content: setting `text` makes the attributed
// text that text with no attributes of its own (the label's font and colour apply); setting
// `attributedText` makes `text` its characters. Runs of an attributed text without a font or colour
// take the label's.
//
// Size: the intrinsic size is the text's size on one line, or, when numberOfLines is not 1,
// wrapped at preferredMaxLayoutWidth (else at the current width when there is one); sizes are
// rounded up to whole points. Drawing uses the same measurement, so text measured to fit is drawn
// without truncation.
#include "platform/foundation/NSAttributedString.h"
#include "platform/graphics/LabelText.h"
#include "platform/graphics/NSTextAlignment.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/UIView.h"

#include <optional>
#include <string>

namespace platform {

class UILabel : public UIView {
public:
    explicit UILabel(const CGRect& frame = CGRect());

    const std::optional<std::string>& text() const { return m_text; }
    virtual void setText(std::optional<std::string> text);
    // The attributed form of the content (none when there is no text).
    std::optional<NSAttributedString> attributedText() const;
    virtual void setAttributedText(std::optional<NSAttributedString> text);

    // Never null. Default: the system font of 17; setting null restores it.
    const UIFontPtr& font() const { return m_font; }
    virtual void setFont(UIFontPtr font);
    // Never null. Default black; setting null restores it.
    const UIColorPtr& textColor() const { return m_textColor; }
    virtual void setTextColor(UIColorPtr color);
    NSTextAlignment textAlignment() const { return m_alignment; }
    void setTextAlignment(NSTextAlignment alignment);
    // 0: as many lines as needed. Negative values are logged and ignored. Default 1.
    int numberOfLines() const { return m_numberOfLines; }
    void setNumberOfLines(int lines);
    NSLineBreakMode lineBreakMode() const { return m_lineBreakMode; }
    void setLineBreakMode(NSLineBreakMode mode);
    // Single-line text wider than the label is drawn smaller, down to minimumScaleFactor of the
    // font size (0: no lower limit).
    bool adjustsFontSizeToFitWidth() const { return m_adjustsFontSize; }
    void setAdjustsFontSizeToFitWidth(bool adjusts);
    // 0...1 (clamped).
    double minimumScaleFactor() const { return m_minimumScaleFactor; }
    void setMinimumScaleFactor(double factor);
    // Width at which multi-line text wraps for the intrinsic size; 0: the current width.
    CGFloat preferredMaxLayoutWidth() const { return m_preferredMaxLayoutWidth; }
    void setPreferredMaxLayoutWidth(CGFloat width);
    bool isEnabled() const { return m_enabled; }
    // A disabled label draws its text greyed.
    void setEnabled(bool enabled);

    CGSize intrinsicContentSize() const override;
    // The text's size within `size.width` (multi-line labels wrap there), rounded up.
    CGSize sizeThatFits(CGSize size) const override;
    void setFrame(const CGRect& frame) override;
    void setBounds(const CGRect& bounds) override;

    // The factor by which the font is drawn in the current bounds (1 unless shrinking to fit).
    double fontScaleForCurrentBounds() const;
    // The rectangle the text occupies within `bounds` when limited to `lines` (0: no limit) and to the
    // whole lines that fit the height of `bounds` (at least one).
    CGRect textRect(const CGRect& bounds, int lines) const;

    void draw(CGContext& context, const CGRect& rect) override;
    // Draws the text into `rect` (the bounds, for a plain label).
    virtual void drawText(CGContext& context, const CGRect& rect);

protected:
    // The line limit used for measuring and drawing; subclasses may widen it.
    virtual int maximumLines() const { return m_numberOfLines; }
    LabelTextStyle textStyle(double fontScale = 1) const;
    // Called after anything that changes the text's size (content, font, lines, line breaks).
    virtual void textMetricsDidChange() {}
    // The content as an attributed string (empty when there is none).
    const NSAttributedString& content() const { return m_content; }

private:
    void contentDidChange();
    CGSize measure(CGFloat maxWidth) const;
    double measureFontScale(CGFloat available) const;

    // The font scale found for shrinking to fit, kept until the text, font, line settings, fitting
    // settings or width change: finding it takes several measurements.
    struct FittedScale {
        bool valid = false;
        CGFloat width = 0;
        double scale = 1;
    };

    std::optional<std::string> m_text;
    bool m_hasAttributes = false; // set through setAttributedText
    NSAttributedString m_content;
    UIFontPtr m_font;
    UIColorPtr m_textColor;
    NSTextAlignment m_alignment = NSTextAlignment::natural;
    int m_numberOfLines = 1;
    NSLineBreakMode m_lineBreakMode = NSLineBreakMode::byTruncatingTail;
    bool m_adjustsFontSize = false;
    double m_minimumScaleFactor = 0;
    CGFloat m_preferredMaxLayoutWidth = 0;
    bool m_enabled = true;
    mutable FittedScale m_fittedScale;
};

} // namespace platform
