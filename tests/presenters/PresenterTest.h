#pragma once

#include "presenters/WindowView.h"

#include "FixedClock.h"
#include "FixedUserPaths.h"
#include "HeadlessUserInterface.h"
#include "MemoryStore.h"
#include "MemoryTextFiles.h"
#include "PlugInEnvironment.h"
#include "RecordingCamera.h"
#include "Settings.h"
#include "UnseededRandom.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <string>
#include <vector>

namespace Quiverstep {

// What a window showed: its message boxes and questions, in order, and the answers it is to
// give to the questions.
class RecordingDialogs
{
public:
    std::vector<std::string> messages; // "message: TEXT" or "question: TEXT"
    std::deque<bool> answers;          // for the questions, in order; none left: No

    void Message(const std::string &text) { messages.push_back("message: " + text); }
    bool Question(const std::string &text)
    {
        messages.push_back("question: " + text);
        if (answers.empty())
            return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// A window's controls as plain values by id, and its message boxes recorded. A list keeps a
// selection as a list box does: removing an entry drops it.
template<typename View>
class TestView : public View
{
public:
    std::string Text(int control) const override { return texts.at(control); }
    void SetText(int control, const std::string &text) override { texts[control] = text; }
    int CheckState(int control) const override
    {
        return checks.contains(control) ? checks.at(control) : 0;
    }
    void SetCheckState(int control, int state) override { checks[control] = state; }
    std::vector<std::string> Entries(int control) const override
    {
        return entries.contains(control) ? entries.at(control) : std::vector<std::string>{};
    }
    void SetEntries(int control, const std::vector<std::string> &shown) override
    {
        entries[control] = shown;
        selected[control] = -1;
    }
    void InsertEntry(int control, int index, const std::string &text) override
    {
        entries[control].insert(entries[control].begin() + index, text);
    }
    void RemoveEntry(int control, int index) override
    {
        entries.at(control).erase(entries.at(control).begin() + index);
        selected[control] = -1;
    }
    int Selected(int control) const override
    {
        return selected.contains(control) ? selected.at(control) : -1;
    }
    void Select(int control, int index) override { selected[control] = index; }
    void ShowMessage(const std::string &text) override { dialogs.Message(text); }
    bool AskYesNo(const std::string &text) override { return dialogs.Question(text); }

    std::map<int, std::string> texts;
    std::map<int, int> checks;
    std::map<int, std::vector<std::string>> entries;
    std::map<int, int> selected;
    RecordingDialogs dialogs;
};

// A presenter test over a store in memory and an environment of test doubles.
class PresenterTest : public ::testing::Test
{
protected:
    PresenterTest() { cameras.SetAbsent(true); }

    std::string get(std::string_view key) const { return settings.Get(key, "<absent>"); }

    MemoryStore store;
    Settings settings{store};
    RecordingCameraFactory cameras;
    HeadlessUserInterface ui;
    FixedClock clock;
    UnseededRandom random;
    MemoryTextFiles files;
    FixedUserPaths paths;
    ProcessState process;
    PlugInEnvironment environment{store, cameras, ui, clock, random, files, paths, process};
};

} // namespace Quiverstep
