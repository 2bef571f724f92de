#include "SessionReport.h"

#include <algorithm>
#include <cmath>

namespace Quiverstep {

int SessionReport::SettledImages() const
{
    return int(std::count_if(images.begin(), images.end(), [](const Image &image) {
        return image.settleFrames.has_value();
    }));
}

double SessionReport::MeanSettleFrames() const
{
    double sum = 0;
    int count = 0;
    for (const Image &image : images) {
        if (image.settleFrames) {
            sum += *image.settleFrames;
            ++count;
        }
    }
    return count == 0 ? 0 : sum / count;
}

int SessionReport::WorstSettleFrames() const
{
    int worst = 0;
    for (const Image &image : images)
        worst = std::max(worst, image.settleFrames.value_or(0));
    return worst;
}

double SessionReport::RmsError() const
{
    double sumSquares = 0;
    long frames = 0;
    for (const Image &image : images) {
        sumSquares += image.rmsError * image.rmsError * image.frames;
        frames += image.frames;
    }
    return frames == 0 ? 0 : std::sqrt(sumSquares / double(frames));
}

} // namespace Quiverstep
