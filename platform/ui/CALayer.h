#pragma once
// CALayer: a node of the retained drawing tree. Each view owns one layer (the view is its delegate,
// held weakly) and keeps its geometry there; standalone layers (shape layers, masks) hang in the
// same tree.
//
// Geometry: `bounds` is the layer's own coordinate space; `position` is where its `anchorPoint`
// (unit coordinates of the bounds, default (0.5, 0.5)) sits in the superlayer; `transform` is applied
// around the anchor point. `frame` is derived: the bounding box of the transformed bounds in the
// superlayer's space.
//
// render(in:) draws the tree with the layer's own bounds space as user space: background (rounded
// by cornerRadius), contents image, the delegate's or subclass's drawing, sublayers (clipped to the
// rounded bounds when masksToBounds), then the border on top; opacity applies to the whole group;
// a mask layer's alpha masks the whole group. Hidden layers are skipped.
#include "platform/foundation/NSObject.h"
#include "platform/graphics/CGAffineTransform.h"
#include "platform/graphics/CGContext.h"
#include "platform/graphics/CGRect.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIImage.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

class CALayer;
class CAAnimation;

// Draws a layer's content; views implement it (a layer without a delegate draws only its own
// properties).
class CALayerDelegate {
public:
    virtual ~CALayerDelegate() = default;
    // Called inside render(in:) with the context's user space = the layer's bounds space.
    virtual void drawLayer(CALayer& layer, CGContext& context) = 0;
};

// How the contents image is placed in the bounds.
enum class CALayerContentsGravity {
    center,
    top,
    bottom,
    left,
    right,
    topLeft,
    topRight,
    bottomLeft,
    bottomRight,
    resize,           // stretched over the bounds (the default)
    resizeAspect,     // fit inside, aspect kept
    resizeAspectFill, // fill, aspect kept, overflow cropped by masksToBounds only
};

class CALayer : public NSObject {
public:
    CALayer() = default;
    ~CALayer() override;

    static std::shared_ptr<CALayer> layer() { return create<CALayer>(); }

    // --- geometry ---
    CGRect bounds() const { return m_bounds; }
    void setBounds(const CGRect& bounds);
    CGPoint position() const { return m_position; }
    void setPosition(CGPoint position);
    CGPoint anchorPoint() const { return m_anchorPoint; }
    void setAnchorPoint(CGPoint anchor);
    CGAffineTransform affineTransform() const { return m_transform; }
    void setAffineTransform(const CGAffineTransform& transform);
    // Bounding box of the transformed bounds in the superlayer's space.
    CGRect frame() const;
    // Sets position and bounds size so that frame() becomes `frame` (exactly when the transform is
    // identity; for other transforms the bounds size that gives that bounding box, when there is
    // one, else only the position moves).
    void setFrame(const CGRect& frame);

    // Maps points of this layer's bounds space to its superlayer's space (and back).
    CGAffineTransform transformToSuperlayer() const;
    CGPoint convertToSuperlayer(CGPoint point) const;
    CGPoint convertFromSuperlayer(CGPoint point) const;
    // Converts between the bounds spaces of two layers of one tree (through the topmost ancestors
    // when the trees differ). A null layer means the root space of this layer's tree.
    CGPoint convert(CGPoint point, const std::shared_ptr<const CALayer>& to) const;
    CGPoint convertFrom(CGPoint point, const std::shared_ptr<const CALayer>& from) const;
    CGRect convert(const CGRect& rect, const std::shared_ptr<const CALayer>& to) const;
    CGRect convertFrom(const CGRect& rect, const std::shared_ptr<const CALayer>& from) const;
    // Transform from this layer's bounds space to the space of its topmost superlayer's bounds.
    CGAffineTransform transformToRoot() const;

    // --- appearance ---
    UIColorPtr backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(UIColorPtr color);
    double borderWidth() const { return m_borderWidth; }
    void setBorderWidth(double width);
    UIColorPtr borderColor() const { return m_borderColor; } // default opaque black
    void setBorderColor(UIColorPtr color);
    double cornerRadius() const { return m_cornerRadius; }
    void setCornerRadius(double radius);
    bool masksToBounds() const { return m_masksToBounds; }
    void setMasksToBounds(bool masks);
    // 0..1 (clamped); NaN is ignored.
    double opacity() const { return m_opacity; }
    void setOpacity(double opacity);
    bool isHidden() const { return m_hidden; }
    void setHidden(bool hidden);
    bool isOpaque() const { return m_opaque; }
    void setOpaque(bool opaque) { m_opaque = opaque; }
    // A layer whose alpha masks this one (not part of the sublayer tree; owned strongly).
    std::shared_ptr<CALayer> mask() const { return m_mask; }
    void setMask(std::shared_ptr<CALayer> mask);
    UIImagePtr contents() const { return m_contents; }
    void setContents(UIImagePtr image);
    CALayerContentsGravity contentsGravity() const { return m_contentsGravity; }
    void setContentsGravity(CALayerContentsGravity gravity) { m_contentsGravity = gravity; }
    // Pixels per point of drawn content (informational; rendering uses the context's scale).
    double contentsScale() const { return m_contentsScale; }
    void setContentsScale(double scale);
    // Shadow (kept and drawn under the layer's content when opacity > 0).
    UIColorPtr shadowColor() const { return m_shadowColor; }
    void setShadowColor(UIColorPtr color) { m_shadowColor = std::move(color); }
    double shadowOpacity() const { return m_shadowOpacity; }
    void setShadowOpacity(double opacity);
    CGSize shadowOffset() const { return m_shadowOffset; } // default (0, -3)
    void setShadowOffset(CGSize offset) { m_shadowOffset = offset; }
    double shadowRadius() const { return m_shadowRadius; }
    void setShadowRadius(double radius) { m_shadowRadius = radius; }
    const std::optional<std::string>& name() const { return m_name; }
    void setName(std::optional<std::string> name) { m_name = std::move(name); }

    // --- tree ---
    std::shared_ptr<CALayer> superlayer() const { return m_superlayer.lock(); }
    const std::vector<std::shared_ptr<CALayer>>& sublayers() const { return m_sublayers; }
    // Adding a layer already elsewhere moves it. Adding a layer to itself or to one of its own
    // sublayers is logged and ignored.
    void addSublayer(const std::shared_ptr<CALayer>& layer);
    // `index` is clamped to 0...count.
    void insertSublayer(const std::shared_ptr<CALayer>& layer, std::size_t index);
    // Sibling not a sublayer: the layer goes to the end (above) or the start (below).
    void insertSublayerAbove(const std::shared_ptr<CALayer>& layer, const std::shared_ptr<CALayer>& sibling);
    void insertSublayerBelow(const std::shared_ptr<CALayer>& layer, const std::shared_ptr<CALayer>& sibling);
    void replaceSublayer(const std::shared_ptr<CALayer>& old, const std::shared_ptr<CALayer>& replacement);
    void removeFromSuperlayer();
    bool isDescendant(const CALayer& ancestor) const;

    // --- content ---
    std::shared_ptr<CALayerDelegate> delegate() const { return m_delegate.lock(); }
    void setDelegate(std::weak_ptr<CALayerDelegate> delegate) { m_delegate = std::move(delegate); }
    void setNeedsDisplay() { m_needsDisplay = true; }
    bool needsDisplay() const { return m_needsDisplay; }
    // Draws the tree under this layer, this layer's bounds space being the context's user space
    // (its own position and transform are not applied).
    void render(CGContext& context);
    // Draws this layer's own content (not background, border or sublayers). The default asks the
    // delegate; subclasses (shape layers) draw themselves.
    virtual void draw(CGContext& context);

    // --- animations ---
    // Adds a copy of `animation` (null: logged, ignored). A key replaces the animation under that key
    // (the old one stops with finished == false); without a key the animation cannot be looked up.
    void add(const std::shared_ptr<CAAnimation>& animation, const std::optional<std::string>& key = std::nullopt);
    void removeAnimation(const std::string& key);
    void removeAllAnimations();
    // The added copy under `key`, if any is still attached.
    std::shared_ptr<CAAnimation> animation(const std::string& key) const;
    // Keys of the attached keyed animations, in the order they were added.
    std::vector<std::string> animationKeys() const;
    // Every attached animation (keyed or not), in the order they were added.
    std::vector<std::shared_ptr<CAAnimation>> allAnimations() const;

private:
    struct AttachedAnimation;
    void renderLayerContent(CGContext& context);
    void renderShadow(CGContext& context);
    void drawContentsImage(CGContext& context);
    void detachAnimation(const std::shared_ptr<CAAnimation>& animation, bool finished);
    void stopAnimationNaturally(const std::shared_ptr<CAAnimation>& animation);
    void removeFromSublayersOf(CALayer& parent);

    CGRect m_bounds;
    CGPoint m_position;
    CGPoint m_anchorPoint{0.5, 0.5};
    CGAffineTransform m_transform;
    UIColorPtr m_backgroundColor;
    double m_borderWidth = 0;
    UIColorPtr m_borderColor = UIColor::black();
    double m_cornerRadius = 0;
    bool m_masksToBounds = false;
    double m_opacity = 1;
    bool m_hidden = false;
    bool m_opaque = false;
    std::shared_ptr<CALayer> m_mask;
    UIImagePtr m_contents;
    CALayerContentsGravity m_contentsGravity = CALayerContentsGravity::resize;
    double m_contentsScale = 1;
    UIColorPtr m_shadowColor = UIColor::black();
    double m_shadowOpacity = 0;
    CGSize m_shadowOffset{0, -3};
    double m_shadowRadius = 3;
    std::optional<std::string> m_name;

    std::weak_ptr<CALayer> m_superlayer;
    std::vector<std::shared_ptr<CALayer>> m_sublayers;
    std::weak_ptr<CALayerDelegate> m_delegate;
    bool m_needsDisplay = false;
    std::vector<std::shared_ptr<AttachedAnimation>> m_animations;
};

} // namespace platform
