#pragma once
// The state every test begins from and leaves behind: the framework as RuntimeInit left it (no
// window open, no application object, no exception routine, only the framework's classes) and
// no menu bar instance. All tests share one process when the binary runs on its own, so a test
// that opens a window or runs the start-up uses a fixture derived from FreshApplicationTest.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Runtime.h"
#include "shell/MainMenuBar.h"
#include "shell/start.h"

// The program's own shutdown step releases the menu bar (and lets the application object and
// the main window let go of it) before the framework forgets the rest.
inline void ResetApplication() {
    Finalisierung();
    RuntimeReset();
}

// What a test left behind that ResetApplication would undo; empty for a test that tidied up.
inline std::vector<std::string> ApplicationLeftovers() {
    std::vector<std::string> left = RuntimeLeftovers();
    if (MainMenuBarReferenz()) left.push_back("the menu bar instance");
    return left;
}

class FreshApplicationTest : public ::testing::Test {
  protected:
    // In the constructor, so that the fixture's own members (a window among them) are made in
    // the fresh state.
    FreshApplicationTest() { ResetApplication(); }
    void TearDown() override { ResetApplication(); }
};
