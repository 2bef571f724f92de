// What a client sends, on the bridge's line handling: whatever the bytes, every answer is one
// JSON message with PHD2's line end, what goes on to PHD2 is whole lines, and a dither that
// the input starts runs to its reply with PHD2 answering.
#include "Fuzz.h"

#include "Bridge.h"
#include "BridgeDoubles.h"

using namespace Quiverstep::Phd2;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    RecordingLinks links;
    ScriptedWalk walk;
    walk.targets.assign(64, Point{17, 15});
    Bridge bridge(links, walk);
    bridge.Phd2Opened();
    bridge.Phd2Line(R"({"Event":"AppState","Host":"h","Inst":1,"State":"Guiding"})" "\r\n");
    bridge.ClientOpened(1);
    bridge.UpstreamLine(1, R"({"Event":"Version","Host":"h","Inst":1})" "\r\n");

    // The input in pieces of its first byte's length, PHD2 answering between them.
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    const std::size_t piece = size ? 1 + std::uint8_t(input[0]) % 64 : 1;
    std::size_t answered = 0;
    for (std::size_t at = size ? 1 : 0; at < size; at += piece) {
        bridge.ClientBytes(1, input.substr(at, piece));
        while (answered < links.toPhd2.size()) {
            const Json request = Json::parse(links.toPhd2[answered++]);
            const std::string method = request["method"];
            const Json result = method == "get_lock_position"      ? Json{100.0, 100.0}
                                : method == "get_calibration_data" ? Json{{"xAngle", 10.0}, {"yAngle", 100.0}}
                                                                   : Json(0);
            bridge.Phd2Line(Line(ResultReply(result, request["id"])));
        }
        bridge.Phd2Line(R"({"Event":"GuideStep","Host":"h","Inst":1,"AvgDist":0.2})" "\r\n");
    }

    for (const std::string &line : links.toClient[1]) {
        FUZZ_CHECK(line.size() >= 2 && line.compare(line.size() - 2, 2, "\r\n") == 0, "an answer without CR LF");
        FUZZ_CHECK(line.find('\n') == line.size() - 1, "an answer of more than one line");
        FUZZ_CHECK(Json::accept(line), "an answer that is no JSON");
    }
    for (const std::string &line : links.toUpstream[1])
        FUZZ_CHECK(line.find('\n') == line.size() - 1, "a forwarded line that is not one line");
    bridge.Phd2Line(R"({"Event":"GuidingStopped","Host":"h","Inst":1})" "\r\n");
    FUZZ_CHECK(!bridge.DitherUnderWay(), "a dither that outlived guiding");
    return 0;
}
