#include "DitherFigures.h"

#include "GuideBox.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <set>
#include <utility>

namespace Quiverstep {

namespace {

// Quarter turns are exact: a camera turned by 90 degrees moves whole pixels onto whole pixels,
// which the cosine of pi / 2 in floating point would not.
std::pair<double, double> cosineAndSine(double degrees)
{
    double turn = std::fmod(degrees, 360.0);
    if (turn < 0)
        turn += 360;
    if (turn == 0)
        return {1, 0};
    if (turn == 90)
        return {0, 1};
    if (turn == 180)
        return {-1, 0};
    if (turn == 270)
        return {0, -1};
    const double radians = turn * std::numbers::pi / 180;
    return {std::cos(radians), std::sin(radians)};
}

double phase(double coordinate)
{
    const double fraction = coordinate - std::floor(coordinate);
    // Just below a whole number, the subtraction can round up to 1.
    return fraction < 1 ? fraction : std::nextafter(1.0, 0.0);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Guide frames to move the star by (dx, dy) at most maxMove per frame on each axis.
double framesToSettle(double dx, double dy, double maxMove)
{
    const double quotient = std::max(std::abs(dx), std::abs(dy)) / maxMove;
    // A quotient a rounding error above a whole number (0.3 / 0.1) needs that many frames.
    return std::ceil(quotient - quotient * 1e-12);
}

} // namespace

PixelPoint ImagingOffset(const PixelPoint &target, const ImagingGeometry &geometry)
{
    const auto [cosine, sine] = cosineAndSine(geometry.angleDegrees);
    const double dx = target.x - GuideBox::Centre;
    const double dy = target.y - GuideBox::Centre;
    // Adding 0 turns a negative zero into 0, which prints as such.
    return {geometry.scale * (dx * cosine - dy * sine) + 0.0,
            geometry.scale * (dx * sine + dy * cosine) + 0.0};
}

PixelPoint Phase(const PixelPoint &position)
{
    return {phase(position.x), phase(position.y)};
}

int PhaseCell(double phase)
{
    return std::clamp(int(phase * DitherFigures::PhaseGrid), 0, DitherFigures::PhaseGrid - 1);
}

DitherFigures ComputeDitherFigures(const std::vector<PixelPoint> &targets,
                                   const ImagingGeometry &geometry)
{
    DitherFigures figures;
    std::map<std::pair<double, double>, int> imagesOnPixel;
    std::set<std::pair<int, int>> cells;
    for (const PixelPoint &target : targets) {
        const PixelPoint position = ImagingOffset(target, geometry);
        figures.positions.push_back(position);
        const int images = ++imagesOnPixel[{std::floor(position.x), std::floor(position.y)}];
        figures.mostReused = std::max(figures.mostReused, images);
        const PixelPoint within = Phase(position);
        cells.insert({PhaseCell(within.x), PhaseCell(within.y)});
        figures.excursion = std::max(
                {figures.excursion, std::abs(position.x), std::abs(position.y)});
    }
    figures.distinctPixels = int(imagesOnPixel.size());
    figures.phaseCells = int(cells.size());

    if (targets.size() < 2)
        return figures;
    std::vector<double> moves;
    double frames = 0;
    for (std::size_t i = 1; i < targets.size(); ++i) {
        const PixelPoint &from = figures.positions[i - 1];
        const PixelPoint &to = figures.positions[i];
        moves.push_back(std::hypot(to.x - from.x, to.y - from.y));
        frames += framesToSettle(targets[i].x - targets[i - 1].x,
                                 targets[i].y - targets[i - 1].y,
                                 geometry.maxMove);
    }
    figures.minMove = *std::min_element(moves.begin(), moves.end());
    figures.medianMove = median(moves);
    figures.settleFrames = frames / double(moves.size());
    return figures;
}

} // namespace Quiverstep
