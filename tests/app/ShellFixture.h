#pragma once

// What the window tests of the shell share: a data folder of their own, the
// process-wide state, scripted prompts and the program's window hub (which
// records instead of ending the process).

#include <gtest/gtest.h>

#include "session/AppState.h"
#include "app/ProgramWindows.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFiles.h"

namespace porkane::test {

class ShellTest : public ::testing::Test {
protected:
    ShellTest() : state(folder.path()), windows(state, [this] { ++quitCalls; })
    {
        state.prompts = &prompts;
        state.windows = &windows;
        state.TwipsPerPixelX = 15;
        state.TwipsPerPixelY = 15;
    }

    QString dataFile(const QString &name) const { return folder.file(name); }

    TempFolder folder;
    ScriptedPrompts prompts;
    int quitCalls = 0;
    AppState state;
    ProgramWindows windows;
};

} // namespace porkane::test
