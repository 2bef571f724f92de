#pragma once

#include "Clock.h"
#include "HostCamera.h"
#include "Settings.h"
#include "TextFile.h"
#include "UserPaths.h"

#include <cstdint>
#include <string>

namespace Quiverstep {

// The plug-in members that the log shows, as they stand at the call.
struct LogValues
{
    double XOffset = 0;
    double YOffset = 0;
    bool bGuiding = false;
    std::int16_t nDitherType = 0;
    double nStepSize = 0;
    double nMaxDitherX = 0;
    std::int32_t nCurrentStep = 0;
    bool bCurrentDirection = false;
};

// The guide log: each call creates its own camera object and opens, appends to and closes
// the file. A failure abandons the rest of the call and is thrown to the caller; the
// camera's Autoguider is then not set back to 0.
class GuideLog
{
public:
    GuideLog(const Settings &settings,
             HostCameraFactory &cameras,
             TextFileSystem &files,
             UserPaths &paths,
             Clock &clock);

    // Refreshes bLog from "Log"; when on, writes the guiding-start header (false) or the
    // image-captured block (true).
    void WriteLogBlock(bool &bLog, bool bImageCaptured, const LogValues &values);
    // One line per correction when bLog is on; the setting is not read.
    void WriteGuideErrorLine(bool bLog, double ErrorX, double ErrorY, double OffsetX, double OffsetY);

    // "yyyy/MM/dd hh:mm:ss AMPM"
    static std::string FormatStamp(const LocalTime &time);
    // "Quiverstep118.log" for version 1.1.8: the log's name in the platform's default places.
    static std::string DefaultLogFileName();

private:
    struct Open;
    Open open();

    const Settings &m_settings;
    HostCameraFactory &m_cameras;
    TextFileSystem &m_files;
    UserPaths &m_paths;
    Clock &m_clock;
};

} // namespace Quiverstep
