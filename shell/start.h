#pragma once
// Start-up and shutdown of the process, step by step. The main routine runs them in order:
//   RuntimeInit, KlassenRegistrieren, _Main, Finalisierung, RuntimeExit.
// Each step is a function of its own so that a test can run the start-up as far as the shown
// main window without entering the event loop.

#include <cstdint>
#include <exception>

// The process's main routine; its result is the exit code. The program takes no arguments.
std::int32_t Hauptroutine();

// Registers the program's classes (name and base class) after the framework's own.
void KlassenRegistrieren();

// The exception routine handed to the framework: runs target(argument); a RuntimeException that
// escapes becomes the result, any other error passes on; nullptr when the target ends normally.
std::exception_ptr _CallFunctionWithExceptionHandling(void (*target)(void*), void* argument);

// The steps that _Main runs inside its catch. Tests replace single steps.
struct Startablauf {
    void (*earlyStartup)();
    void (*lateStartup)();
    void (*eventLoop)();
};
Startablauf Standardablauf();

// Installs the exception routine, runs the early start-up, the framework's initialisation with
// the late start-up as callback and the event loop. Whatever error comes out of them goes to
// the framework's handler for unhandled errors, after which _Main returns normally.
void _Main();
void _Main(const Startablauf& ablauf);

void _EarlyStartup();
void _InitFileTypes();
// Creates the application object, gives it the menu bar and hands it to the framework.
void _NewAppInstance();
void _ApplicationAddMenuHandlers();
void _LateStartup();
// Opens the main window; no reference to it is kept.
void _MakeDefaultView();

// Releases the menu bar's single instance.
void Finalisierung();
