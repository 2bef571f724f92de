#pragma once

#include "HostCamera.h"

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace Quiverstep {

// A substitute for the host's camera: it records every access in order as a line
// ("camera: GuideErrorX -> 0.5"), returns the values set for it (0 for a member never set),
// and can be told to fail on creation or on any one member.
class RecordingCameraFactory : public HostCameraFactory
{
public:
    using Recorder = std::function<void(const std::string &)>;
    explicit RecordingCameraFactory(Recorder recorder = {});

    std::unique_ptr<HostCamera> Create() override;

    void SetValue(const std::string &member, CameraValue value);
    void SetAbsent(bool absent) { m_absent = absent; }
    void FailMember(const std::string &member);
    // Without kept lines and without a recorder, accesses build no line at all: the
    // benchmarks and the soak run measure the plug-in, not the recording.
    void KeepLines(bool keep) { m_keepLines = keep; }

    const std::vector<std::string> &lines() const { return m_lines; }
    void clearLines() { m_lines.clear(); }
    int liveCameras() const { return m_live; }

private:
    friend class RecordingCamera;
    bool recording() const { return m_keepLines || m_recorder; }
    void record(const std::string &line);

    Recorder m_recorder;
    std::vector<std::string> m_lines;
    std::map<std::string, CameraValue> m_values; // by folded name
    std::set<std::string> m_failing;             // folded names
    bool m_absent = false;
    bool m_keepLines = true;
    int m_live = 0;
};

class RecordingCamera : public HostCamera
{
public:
    explicit RecordingCamera(RecordingCameraFactory &factory);
    ~RecordingCamera() override;

    CameraValue Get(std::string_view member) override;
    void Set(std::string_view member, const CameraValue &value) override;
    void Move(double fromX, double fromY, double &toX, double &toY) override;

private:
    void check(std::string_view member);

    RecordingCameraFactory &m_factory;
};

} // namespace Quiverstep
