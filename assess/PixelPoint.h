#pragma once

namespace Quiverstep {

// A position in pixels: a dither target in guide-box pixels, or an image's offset in
// imaging-camera pixels.
struct PixelPoint
{
    double x = 0;
    double y = 0;

    friend bool operator==(const PixelPoint &, const PixelPoint &) = default;
};

} // namespace Quiverstep
