// The pattern text and its walk on arbitrary pattern texts and walk positions: every update
// ends inside the box, stores what it can read back, and the pattern list stays dense.
#include "Conversions.h"
#include "DitherUpdateRig.h"
#include "Fuzz.h"
#include "MemoryStore.h"
#include "Pattern.h"
#include "SettingKeys.h"
#include "Spiral.h"
#include "UnseededRandom.h"

#include <algorithm>

using namespace Quiverstep;

namespace {

void checkWalk(FuzzInput &in)
{
    MemoryStore store;
    const Settings settings(store);
    UnseededRandom random;

    const std::string pattern = in.textOr({"Half-step 2x2\\ 0.00,  0.00\\ 0.50,  0.00\\TOP",
                                           "A\\1:2\\3,4\\-5,-6\\BOTTOM",
                                           "A\\1E400,0\\0,-1E400\\top"},
                                          4000);
    settings.Save(Keys::Pattern(2), pattern);
    settings.Save(Keys::DitherType, in.textOr({"2", "2.5", "1.5"}));
    settings.Save(Keys::DitherStep, in.textOr({"1", "0", "2.5", "-3", "1E308", "1E-300"}));
    settings.Save(Keys::MaxDitherX, in.textOr({"4", "0", "1E308"}));
    settings.Save(Keys::CurrentStep,
                  in.textOr({"0", "1", "2147483647", "-2147483648", "2147483646", "-1"}));
    settings.Save(Keys::CurrentDirection, in.textOr({"False", "True"}));

    DitherUpdateRig m;
    const int updates = 1 + int(in.pick(8));
    for (int u = 0; u < updates; ++u) {
        m.Update(settings, random);
        if (m.state.type >= 2) {
            FUZZ_CHECK(m.XOffset >= 2 && m.XOffset <= 30 && m.YOffset >= 2 && m.YOffset <= 30,
                       "a pattern position outside the box");
            FUZZ_CHECK(m.state.currentStep >= 0, "a negative step stays");
            // Stored with 15 significant digits, as the member's text.
            FUZZ_CHECK(settings.Get(Keys::CurrentOffsetX, "") == RealToText(m.XOffset),
                       "the stored X is not the member");
            FUZZ_CHECK(settings.Get(Keys::CurrentOffsetY, "") == RealToText(m.YOffset),
                       "the stored Y is not the member");
            FUZZ_CHECK(StrictFlag(settings.Get(Keys::CurrentDirection, "")) == m.state.currentDirection,
                       "the stored direction is not the member");
            FUZZ_CHECK(StrictNumber(settings.Get(Keys::CurrentStep, "")) == m.state.currentStep,
                       "the stored step is not the member");
        }
    }
}

void checkList(FuzzInput &in)
{
    MemoryStore store;
    const Settings settings(store);
    const std::size_t count = in.pick(6);
    for (std::size_t i = 0; i < count; ++i)
        settings.Save(Keys::Pattern(std::int64_t(i) + 2), in.textOr({"", "A\\1,1\\TOP", "B"}));
    const PatternList before = EnumeratePatterns(settings);
    FUZZ_CHECK(before.nextPattern == std::int32_t(before.patterns.size()) + 2,
               "the list is not dense");

    std::string added = in.text() + "\\" + in.text();
    AddPattern(settings, before.nextPattern, added);
    const PatternList grown = EnumeratePatterns(settings);
    FUZZ_CHECK(grown.nextPattern == before.nextPattern + 1, "adding did not add one");
    FUZZ_CHECK(ReadPattern(settings, before.nextPattern) == added, "the added text changed");

    const std::int32_t victim = 2 + std::int32_t(in.pick(grown.patterns.size()));
    DeletePattern(settings, victim, grown.nextPattern);
    const PatternList shrunk = EnumeratePatterns(settings);
    FUZZ_CHECK(shrunk.nextPattern == grown.nextPattern - 1, "deleting did not remove one");
    for (std::size_t i = 0; i < shrunk.patterns.size(); ++i) {
        const std::size_t from = i + 2 < std::size_t(victim) ? i : i + 1;
        FUZZ_CHECK(shrunk.patterns[i].name == grown.patterns[from].name, "a pattern moved wrongly");
        FUZZ_CHECK(shrunk.patterns[i].body == grown.patterns[from].body, "a pattern changed");
    }
}

void checkFields(FuzzInput &in)
{
    const std::string text = in.text(4000);
    const auto backslashes = std::size_t(std::count(text.begin(), text.end(), '\\'));
    // Step i exists for i from 1 while a backslash follows it.
    for (std::size_t i = 1; i <= backslashes + 1; ++i) {
        const auto field = StepField(text, i);
        FUZZ_CHECK(field.has_value() == (i < backslashes), "a step field is wrongly there");
        if (field) {
            FUZZ_CHECK(field->find('\\') == std::string_view::npos, "a step field holds a \\");
            SplitStep(*field);
        }
    }
    RepeatsFromTop(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput in(data, size);
    static void (*const checks[])(FuzzInput &) = {checkWalk, checkList, checkFields};
    checks[in.pick(3)](in);
    return 0;
}
