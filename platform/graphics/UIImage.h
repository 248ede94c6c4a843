#pragma once
// An immutable image: a bitmap (CGImage) with a scale (pixels per point), or a CIImage rasterised when
// drawn, or nothing at all (the empty image, size zero). Held as UIImagePtr
// (std::shared_ptr<const UIImage>); an optional image is a null UIImagePtr. The "with" operations
// return new images sharing the same pixels.

#include "platform/graphics/CGBlendMode.h"
#include "platform/graphics/CGImage.h"
#include "platform/graphics/CGRect.h"
#include "platform/graphics/CIImage.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

class Bundle;

enum class UIImageRenderingMode {
    automatic,      // as the place that shows it decides (image views: original)
    alwaysOriginal, // the image's own colours
    alwaysTemplate, // only its alpha counts; it is drawn in the tint colour
};

enum class UIImageOrientation {
    up,
    upMirrored, // drawn mirrored left to right
};

class UIImage;
using UIImagePtr = std::shared_ptr<const UIImage>;

class UIImage {
public:
    // The empty image: no bitmap, size zero, scale 1. Each call makes a new object.
    static UIImagePtr create();
    // A bitmap image; `scale` (pixels per point) must be positive, else 1 is used. Null bitmap: nullptr.
    static UIImagePtr fromCGImage(CGImagePtr bitmap, double scale = 1.0,
                                  UIImageOrientation orientation = UIImageOrientation::up);
    // An image drawn from a CIImage: its size in points is the extent's size divided by `scale`;
    // it has no CGImage. Null image: nullptr.
    static UIImagePtr fromCIImage(CIImagePtr image, double scale = 1.0,
                                  UIImageOrientation orientation = UIImageOrientation::up);
    // Decodes PNG bytes. Undecodable bytes: nullptr and one debug line.
    static UIImagePtr fromPNGData(std::string_view bytes, double scale = 1.0);
    // Loads a PNG file; a name ending in "@2x" or "@3x" (before ".png") sets the scale.
    // A missing file: nullptr. An undecodable one: nullptr and one debug line the first time;
    // later loads refuse it unread until the file changes.
    static UIImagePtr contentsOfFile(const std::string& path);
    // Looks up `name` in the directory `bundleDirectory`: "name@Nx.png" for the screen's scale N first,
    // then the lower scales down to "name.png", then the higher ones (up to 3x). A ".png" extension on the
    // name is allowed. Not found or empty name: nullptr. A corrupt file: nullptr, refused as
    // contentsOfFile() does.
    static UIImagePtr named(const std::string& name, const std::string& bundleDirectory, double screenScale);
    // The same lookup in a bundle (its localisation folders first, then its top level).
    static UIImagePtr named(const std::string& name, const Bundle& bundle, double screenScale);

    // Size in points (pixels / scale); zero for the empty image.
    CGSize size() const;
    double scale() const { return m_scale; }
    // The bitmap; null for the empty image and for images made from a CIImage.
    const CGImagePtr& cgImage() const { return m_cgImage; }
    const CIImagePtr& ciImage() const { return m_ciImage; }
    // True when there is nothing to draw.
    bool isEmpty() const { return !m_cgImage && !m_ciImage; }

    UIImageRenderingMode renderingMode() const { return m_renderingMode; }
    UIImagePtr withRenderingMode(UIImageRenderingMode mode) const;
    UIImageOrientation imageOrientation() const { return m_orientation; }
    // The same pixels drawn mirrored left to right (always).
    UIImagePtr withHorizontallyFlippedOrientation() const;
    // The same image, marked to be mirrored only where the interface runs right to left.
    UIImagePtr imageFlippedForRightToLeftLayoutDirection() const;
    bool flipsForRightToLeftLayoutDirection() const { return m_flipsForRightToLeft; }

    // The pixels as they appear when drawn at the image's scale (orientation applied; a CIImage is
    // rasterised, nearest-neighbour, once and kept). Null for the empty image.
    CGImagePtr renderedBitmap() const;
    int pixelWidth() const;
    int pixelHeight() const;
    // A pixel of renderedBitmap(); transparent black outside it.
    RGBA8 pixelAt(int x, int y) const;

    // PNG bytes of renderedBitmap(); none for the empty image.
    std::optional<std::string> pngData() const;
    // Writes pngData() to `path`; false (with one debug line) when there is nothing to write or the file
    // cannot be written.
    bool writePNG(const std::string& path) const;

    // Draws the image upright into the current context, stretched over `rect` (points).
    // Without a current context: one debug line, nothing drawn.
    void draw(const CGRect& rect) const;
    void draw(const CGRect& rect, CGBlendMode blendMode, double alpha) const;
    void draw(CGPoint at) const;

    UIImage() = default;

private:
    CGImagePtr m_cgImage;
    CIImagePtr m_ciImage;
    double m_scale = 1.0;
    UIImageRenderingMode m_renderingMode = UIImageRenderingMode::automatic;
    UIImageOrientation m_orientation = UIImageOrientation::up;
    bool m_flipsForRightToLeft = false;
    mutable CGImagePtr m_rendered; // cache of renderedBitmap()
};

} // namespace platform
