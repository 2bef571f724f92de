#include "GuideLog.h"

#include "Conversions.h"
#include "GuideBox.h"
#include "SettingKeys.h"
#include "Version.h"

namespace Quiverstep {

namespace {

constexpr std::string_view EndOfLine = "\r\n";

// A log line of fixed texts and camera members. The members are read strictly left to
// right, as the line reads, so the camera sees its reads in a fixed order.
struct Piece
{
    Piece(const char *text)
        : text(text)
    {}
    std::string_view text;
    bool member = false;
};

Piece Member(const char *name)
{
    Piece piece(name);
    piece.member = true;
    return piece;
}

std::string compose(HostCamera &camera, std::initializer_list<Piece> pieces)
{
    std::string line;
    for (const Piece &piece : pieces)
        line += piece.member ? CameraText(camera.Get(piece.text)) : std::string(piece.text);
    return line;
}

} // namespace

struct GuideLog::Open
{
    std::unique_ptr<HostCamera> camera;
    std::unique_ptr<TextStream> stream;

    void line(const std::string &text) { stream->Write(text + std::string(EndOfLine)); }

    // Steps 6 and 7 of every call: close, release the file, reset the camera.
    void finish()
    {
        stream->Close();
        stream.reset();
        camera->Set("Autoguider", 0.0);
        camera.reset();
    }
};

GuideLog::GuideLog(const Settings &settings,
                   HostCameraFactory &cameras,
                   TextFileSystem &files,
                   UserPaths &paths,
                   Clock &clock)
    : m_settings(settings)
    , m_cameras(cameras)
    , m_files(files)
    , m_paths(paths)
    , m_clock(clock)
{}

GuideLog::Open GuideLog::open()
{
    Open o;
    o.camera = m_cameras.Create();
    o.camera->Set("Autoguider", 1.0);
    o.camera->Set("Status", std::string("Writing guide data"));
    if (const auto stored = m_settings.Find(Keys::LogFile)) {
        o.stream = m_files.OpenForAppending(*stored);
        return o;
    }
    // The platform may offer more than one default place; the first that opens is used.
    const std::vector<std::string> candidates = m_paths.DefaultLogFiles(DefaultLogFileName());
    for (std::size_t i = 0; !o.stream && i < candidates.size(); ++i) {
        try {
            o.stream = m_files.OpenForAppending(candidates[i]);
        } catch (const FileError &) {
            if (i + 1 == candidates.size())
                throw;
        }
    }
    if (!o.stream)
        throw FileError("no place for the guide log");
    return o;
}

void GuideLog::WriteLogBlock(bool &bLog, bool bImageCaptured, const LogValues &v)
{
    bLog = LeadingNumber(m_settings.Get(Keys::Log, "False")) != 0;
    if (!bLog)
        return;
    Open o = open();
    HostCamera &c = *o.camera;
    const std::string stamp = FormatStamp(m_clock.Now());
    if (!bImageCaptured) {
        o.line(std::string(46, '-'));
        o.line("Autoguider started at " + stamp);
        o.line("Version = " + VersionText());
        o.line(compose(c,
                       {"Autoguider Backlash: X = ",
                        Member("AutoguiderBacklashXAxis"),
                        " Y = ",
                        Member("AutoguiderBacklashYAxis")}));
        o.line(compose(c,
                       {"Autoguider Calibration: X = ",
                        Member("AutoguiderCalibrationTimeXAxis"),
                        " Y = ",
                        Member("AutoguiderCalibrationTimeYAxis")}));
        o.line(compose(c, {"Autoguider Delay = ", Member("AutoguiderDelayAfterCorrection")}));
        o.line(compose(c, {"Autoguider Exposure = ", Member("AutoguiderExposureTime")}));
        o.line(compose(c, {"Autoguider Max Move = ", Member("AutoguiderMaximumMove")}));
        o.line(compose(c, {"Autoguider Min Move = ", Member("AutoguiderMinimumMove")}));
        o.line(compose(c, {"Autoguider Bin X = ", Member("BinX"), " Y = ", Member("BinY")}));
        o.line(compose(c, {"Delay = ", Member("Delay")}));
        o.line(compose(c,
                       {"Enabled X = ", Member("EnabledXAxis"), " Y = ", Member("enabledyaxis")}));
        o.line(compose(c, {"Exposure Time = ", Member("exposureTime")}));
        o.line(compose(c, {"Reduction = ", Member("ImageReduction")}));
        o.line(compose(c, {"Move Via = ", Member("MoveVia")}));
        o.line(compose(c, {"Reverse X = ", Member("ReverseX")}));
        o.line(compose(c, {"Subframe = ", Member("Subframe")}));
        o.line(compose(c,
                       {"Subframe rect = (",
                        Member("SubframeLeft"),
                        ", ",
                        Member("SubframeTop"),
                        ", ",
                        Member("SubframeRight"),
                        ", ",
                        Member("SubframeBottom"),
                        ")"}));
    } else {
        o.line("----> Image captured at " + stamp);
    }
    o.line(compose(c, {"Guide Star X = ", Member("GuideStarX"), " Y = ", Member("GuideStarY")}));
    o.line(compose(c, {"MoveTo X = ", Member("MoveToX"), " Y = ", Member("MoveToY")}));
    o.line(compose(c, {"Declination = ", Member("TelescopeDeclination")}));
    o.line("Dither Type = " + IntegerToText(v.nDitherType));
    o.line("Offset X = " + RealToText(v.XOffset) + " Y = " + RealToText(v.YOffset));
    o.line("Step Size = " + RealToText(v.nStepSize) + "  Max Dither = " + RealToText(v.nMaxDitherX));
    o.line("Guiding =  " + FlagToText(v.bGuiding));
    o.line("Current Step # = " + IntegerToText(v.nCurrentStep));
    o.line("Current Direction = " + FlagToText(v.bCurrentDirection));
    o.line("");
    o.line("");
    o.finish();
}

void GuideLog::WriteGuideErrorLine(
        bool bLog, double ErrorX, double ErrorY, double OffsetX, double OffsetY)
{
    if (!bLog)
        return;
    Open o = open();
    o.line("Autoguider Error X=" + RealToText(ErrorX + GuideBox::Centre - OffsetX)
           + " Y = " + RealToText(ErrorY + GuideBox::Centre - OffsetY)
           + "  Offset X = " + RealToText(OffsetX) + " Y = " + RealToText(OffsetY));
    o.finish();
}

std::string GuideLog::FormatStamp(const LocalTime &t)
{
    const int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
    char text[64];
    std::snprintf(text,
                  sizeof text,
                  "%04d/%02d/%02d %02d:%02d:%02d %s",
                  t.year,
                  t.month,
                  t.day,
                  hour12,
                  t.minute,
                  t.second,
                  t.hour < 12 ? "AM" : "PM");
    return text;
}

std::string GuideLog::DefaultLogFileName()
{
    return "Quiverstep" + std::to_string(VersionMajor) + std::to_string(VersionMinor)
           + std::to_string(VersionRevision) + ".log";
}

} // namespace Quiverstep
