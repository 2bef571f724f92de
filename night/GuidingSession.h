#pragma once

#include "GuideCameraModel.h"
#include "SessionReport.h"

#include "Clock.h"
#include "SettingsStore.h"
#include "TextFile.h"
#include "UserPaths.h"

#include <cstdint>
#include <functional>

namespace Quiverstep {

// The simulated host: it loads a DitherPlugIn on the given store, starts guiding, raises
// event 22 for every guide frame and event 19 from the imaging camera after every exposure,
// and measures how the star followed the dither targets.
class GuidingSession
{
public:
    struct Options
    {
        int images = 40;
        int framesPerImage = 30; // exposure length in guide frames
        std::uint64_t seed = 1;
        double tolerance = 0.5;           // pixels, on each axis, for "settled"
        GuideCameraModel::Options camera; // its seed and exposure length come from above
    };

    // Called after each image with that image and the number of images of the night.
    using Progress = std::function<void(const SessionReport::Image &, int)>;

    // Throws std::invalid_argument for fewer than 0 images or 1 frame per image.
    GuidingSession(SettingsStore &store,
                   Clock &clock,
                   TextFileSystem &files,
                   UserPaths &paths,
                   Options options);

    SessionReport Run(const Progress &progress = {});

private:
    void describe(SessionReport &report) const;

    SettingsStore &m_store;
    Clock &m_clock;
    TextFileSystem &m_files;
    UserPaths &m_paths;
    Options m_options;
};

} // namespace Quiverstep
