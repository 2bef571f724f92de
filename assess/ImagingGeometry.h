#pragma once

namespace Quiverstep {

// How the imaging camera sees a move of the guide star, and how fast the host makes it.
struct ImagingGeometry
{
    double scale = 1;        // imaging pixels per guide pixel
    double angleDegrees = 0; // rotation of the imaging camera against the guide camera
    double maxMove = 1;      // the host's largest guide move per frame, in guide pixels
};

} // namespace Quiverstep
