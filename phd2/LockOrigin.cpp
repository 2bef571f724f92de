#include "LockOrigin.h"

#include "GuideBox.h"

#include <cmath>
#include <numbers>

namespace Quiverstep::Phd2 {

namespace {

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

} // namespace

Point LockFor(const LockAnchor &anchor, Point target)
{
    return {anchor.origin.x + (target.x - GuideBox::Centre), anchor.origin.y + (target.y - GuideBox::Centre)};
}

LockAnchor Reanchor(const std::optional<LockAnchor> &anchor,
                    Point newLock,
                    Point currentTarget,
                    double tolerance)
{
    if (anchor
        && std::hypot(newLock.x - anchor->lastTarget.x, newLock.y - anchor->lastTarget.y)
                   <= tolerance)
        return *anchor;
    return {{newLock.x - (currentTarget.x - GuideBox::Centre),
             newLock.y - (currentTarget.y - GuideBox::Centre)},
            newLock};
}

Point AlongRa(Point move, double raAngleDegrees)
{
    const double a = radians(raAngleDegrees);
    const double along = move.x * std::cos(a) + move.y * std::sin(a);
    return {along * std::cos(a), along * std::sin(a)};
}

Point ToMountAxes(Point move, double raAngleDegrees, double decAngleDegrees)
{
    // PHD2 turns the vector by the RA angle, and Dec by it and the axes' deviation from a
    // right angle.
    const double length = std::hypot(move.x, move.y);
    const double theta = std::atan2(move.y, move.x);
    const double ra = radians(raAngleDegrees);
    const double orthogonality = std::remainder(ra - radians(decAngleDegrees) + std::numbers::pi / 2,
                                                2 * std::numbers::pi);
    return {std::cos(theta - ra) * length, std::sin(theta - ra - orthogonality) * length};
}

} // namespace Quiverstep::Phd2
