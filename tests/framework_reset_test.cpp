// The seam between tests that share one process: RuntimeLeftovers names what a test left behind
// and RuntimeReset undoes it.

#include <gtest/gtest.h>

#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "framework/Runtime.h"
#include "framework/Window.h"
#include "tests/support/FrameworkTestWindow.h"
#include "tests/support/FreshApplication.h"

namespace {

class FrameworkReset : public FreshApplicationTest {};

// Notes its deletion.
class Watched : public TestWindow {
  public:
    explicit Watched(bool& deleted) : deleted_(deleted) {}
    ~Watched() override { deleted_ = true; }

  private:
    bool& deleted_;
};

TEST_F(FrameworkReset, UndoesWhatATestLeftAndKeepsTheProgramsOwnWindows) {
    bool openDeleted = false, closingDeleted = false;
    auto* open = new Watched(openDeleted);
    open->Constructor();
    auto* closing = new Watched(closingDeleted);
    closing->Constructor();
    // Closed inside a handler: deleted only once the event is over.
    CallWithExceptionHandling([closing] { closing->Close(); });
    TestWindow own("EigenesFenster");  // the program's own object, never handed over
    struct App : Application {};
    RuntimeRegisterAppObject(std::make_unique<App>());
    RuntimeSetExceptionHelper([](void (*target)(void*), void* argument) -> std::exception_ptr {
        target(argument);
        return nullptr;
    });
    RuntimeRegisterClass("Vemtarix", "Application");
    Quit(4);

    EXPECT_EQ(
        RuntimeLeftovers(),
        (std::vector<std::string>{"open window TestWindow", "open window EigenesFenster",
                                  "closed windows awaiting deletion", "an application object",
                                  "an exception routine", "registered class Vemtarix", "a Quit"}));
    RuntimeReset();
    EXPECT_EQ(RuntimeLeftovers(), std::vector<std::string>{});
    EXPECT_TRUE(openDeleted);
    EXPECT_TRUE(closingDeleted);
    EXPECT_EQ(RuntimeApplication(), nullptr);
    EXPECT_EQ(RuntimeRegisteredClasses().front().name, "Object");
    EXPECT_EQ(RuntimeRegisteredClasses().back().name, "NilObjectException");
    // Closed, not deleted: its wirings have stopped and the registry no longer finds it.
    EXPECT_TRUE(own.LifeToken().expired());
    EXPECT_EQ(_GetImplicitWindow("EigenesFenster"), nullptr);
}

}  // namespace
