#pragma once
// Start-up, event loop and shutdown of the application.

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class MenuBar;

class Application {
  public:
    virtual ~Application() = default;
    class MenuBar* MenuBar = nullptr;  // shared with the main window; not owned
};

enum class Platform { Desktop, Offscreen };

// Starts the framework (the Qt application object). The program's command-line arguments are
// ignored, Qt's own included. Tests and benchmarks pass Platform::Offscreen.
void RuntimeInit(Platform platform = Platform::Desktop);
// Shuts the framework down; the result is the process's exit code (the code given to Quit).
std::int32_t RuntimeExit();

// Class registration: the name and base class of every class of the program and of the
// framework, in the order of registration. Nothing reads it but checks and diagnostics.
void RuntimeRegisterClass(std::string_view name, std::string_view baseClass);
struct RegisteredClass {
    std::string name;
    std::string baseClass;
};
const std::vector<RegisteredClass>& RuntimeRegisteredClasses();

// The exception routine: calls target(argument) and returns the RuntimeException that escaped
// it, or nullptr when it ended normally; any other error passes on.
using ExceptionHelper = std::exception_ptr (*)(void (*target)(void*), void* argument);
void RuntimeSetExceptionHelper(ExceptionHelper helper);
// Makes the control class UpDownArrows available (it stands for a plug-in of the framework).
void RuntimeLoadUpDownArrows();
void RuntimeRegisterAppObject(std::unique_ptr<Application> application);
Application* RuntimeApplication();
// Completes the framework's initialisation, then calls `lateStartup` back.
void RunFrameworkInitialization(const std::function<void()>& lateStartup);
// The event loop; returns when the application quits.
void RuntimeRun();
// The handler for unhandled errors: shows the error through the dialog host and returns.
void RuntimeUnhandledException(std::exception_ptr error);
// Ends the event loop with the given exit code.
void Quit(std::int32_t exitCode = 0);
// Delivers pending events (tests use it to let a repaint or a click settle).
void ProcessEvents();

// The seam for tests, which run one after another in one process: RuntimeReset brings the
// running framework back to where RuntimeInit left it. It delivers the pending events, closes
// every window (the ones the framework owns are deleted; the program's own stay, closed),
// releases the application object, forgets the exception routine, the program's classes and a
// Quit that was asked for, and empties the clipboard. Qt keeps running. Not inside a handler.
void RuntimeReset();
// What RuntimeReset would undo, one line each ("open window HauptF.HauptF", ...); empty when
// the framework is as RuntimeInit left it.
std::vector<std::string> RuntimeLeftovers();
