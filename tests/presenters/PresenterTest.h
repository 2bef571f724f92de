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
