#pragma once

#include <optional>

namespace Quiverstep::Phd2 {

// A position on PHD2's guide camera, in its pixels.
struct Point
{
    double x = 0;
    double y = 0;
};

// Where the walk sits on the guide camera: a target (x, y) of the guide box puts the lock at
// origin + (x - 16, y - 16). `lastTarget` is the lock the last dither set.
struct LockAnchor
{
    Point origin;
    Point lastTarget;
};

// The tolerance within which a new lock counts as the last target when no dither has given
// one yet.
inline constexpr double DefaultLockTolerance = 1.5;

// The lock that the guide box target gives.
Point LockFor(const LockAnchor &anchor, Point target);

// A new lock from a guiding start or a client: where it lies within `tolerance` of the last
// target, the anchor stays; elsewhere (another star, a meridian flip) the walk's current
// target is put at the new lock.
LockAnchor Reanchor(const std::optional<LockAnchor> &anchor,
                    Point newLock,
                    Point currentTarget,
                    double tolerance);

// The part of a lock move along the RA axis, whose angle on the camera is `raAngleDegrees`.
Point AlongRa(Point move, double raAngleDegrees);

// A lock move on the camera in the mount's RA and Dec axes, as PHD2 converts it.
Point ToMountAxes(Point move, double raAngleDegrees, double decAngleDegrees);

} // namespace Quiverstep::Phd2
