#pragma once

#include "presenters/WindowPresenter.h"

#include "EnvironmentRig.h"
#include "HeadlessUserInterface.h"
#include "Spiral.h"

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace Quiverstep {

// A window's controls as plain values by id, an untouched one empty, and its message boxes
// and questions recorded, in order, answered from `answers` (none left: No). A list keeps a
// selection as a list box does: removing an entry drops it. A canvas's painting is recorded in
// `events`. No window opens over it.
class TestView : public WindowView
{
public:
    std::string Text(int control) const override { return valueOr(texts, control, {}); }
    void SetText(int control, const std::string &text) override { texts[control] = text; }
    int CheckState(int control) const override { return valueOr(checks, control, 0); }
    void SetCheckState(int control, int state) override { checks[control] = state; }
    std::vector<std::string> Entries(int control) const override
    {
        return valueOr(entries, control, {});
    }
    void SetEntries(int control, const std::vector<std::string> &shown) override
    {
        entries[control] = shown, selected[control] = -1;
    }
    void InsertEntry(int control, int index, const std::string &text) override
    {
        entries[control].insert(entries[control].begin() + index, text);
    }
    void RemoveEntry(int control, int index) override
    {
        entries.at(control).erase(entries.at(control).begin() + index), selected[control] = -1;
    }
    int Selected(int control) const override { return valueOr(selected, control, -1); }
    void Select(int control, int index) override { selected[control] = index; }
    void ClearPath(int) override { events.push_back("clear"); }
    void PaintPosition(int, double x, double y, std::int32_t colour) override
    {
        events.push_back("paint " + std::to_string(int(x)) + "," + std::to_string(int(y))
                         + (colour == ColourBlue  ? " blue"
                            : colour == ColourRed ? " red"
                                                  : " ?"));
    }
    void SetCaption(const std::string &text) override { caption = text; }
    void StartTimer(int timer, int milliseconds) override { timers[timer] = milliseconds; }
    void StopTimer(int timer) override { timers.erase(timer); }
    void OpenModal(WindowPresenter &) override {}
    void Close(bool accepted) override { closed = accepted; }
    void ShowMessage(const std::string &text) override { messages.push_back("message: " + text); }
    bool AskYesNo(const std::string &text) override
    {
        messages.push_back("question: " + text);
        const bool answer = !answers.empty() && answers.front();
        if (!answers.empty())
            answers.pop_front();
        return answer;
    }

    std::map<int, std::string> texts;
    std::map<int, int> checks;
    std::map<int, std::vector<std::string>> entries;
    std::map<int, int> selected;
    std::vector<std::string> messages; // "message: TEXT" or "question: TEXT"
    std::vector<std::string> events;   // "clear", "paint X,Y blue", and the test's own
    std::deque<bool> answers;
    std::string caption;
    std::map<int, int> timers;  // the running ones and their intervals
    std::optional<bool> closed; // accepted or not, once closed

private:
    template<typename Value>
    static Value valueOr(const std::map<int, Value> &values, int control, const Value &absent)
    {
        const auto found = values.find(control);
        return found == values.end() ? absent : found->second;
    }
};

// A presenter test over a store in memory and an environment of test doubles.
using PresenterTest = EnvironmentRig<HeadlessUserInterface>;

} // namespace Quiverstep
