#include "shell/start.h"

#include <memory>

#include "framework/Errors.h"
#include "framework/Runtime.h"
#include "shell/HauptF.h"
#include "shell/MainMenuBar.h"
#include "shell/Vemtarix.h"

std::int32_t Hauptroutine() {
    RuntimeInit();
    KlassenRegistrieren();
    _Main();
    Finalisierung();
    return RuntimeExit();
}

void KlassenRegistrieren() {
    RuntimeRegisterClass("Vemtarix", "Application");
    RuntimeRegisterClass("HauptF.HauptF", "Window");
    RuntimeRegisterClass("MainMenuBar.MainMenuBar", "MenuBar");
    MainMenuBarInstanzInitialisieren();
    RuntimeRegisterClass("PolynomT", "Object");
}

std::exception_ptr _CallFunctionWithExceptionHandling(void (*target)(void*), void* argument) {
    try {
        target(argument);
    } catch (const RuntimeException&) {
        return std::current_exception();
    }
    return nullptr;
}

Startablauf Standardablauf() {
    return {_EarlyStartup, _LateStartup, RuntimeRun};
}

void _Main() {
    _Main(Standardablauf());
}

void _Main(const Startablauf& ablauf) {
    try {
        RuntimeSetExceptionHelper(_CallFunctionWithExceptionHandling);
        ablauf.earlyStartup();
        RunFrameworkInitialization(ablauf.lateStartup);
        ablauf.eventLoop();
    } catch (...) {
        // Errors of every class end up here, not only the framework's own.
        RuntimeUnhandledException(std::current_exception());
    }
}

void _EarlyStartup() {
    RuntimeLoadUpDownArrows();
    _InitFileTypes();
    _NewAppInstance();
    _ApplicationAddMenuHandlers();
}

void _InitFileTypes() {}

void _NewAppInstance() {
    auto anwendung = std::make_unique<Vemtarix>();
    anwendung->Constructor();
    anwendung->MenuBar = &MainMenuBar();
    RuntimeRegisterAppObject(std::move(anwendung));
}

void _ApplicationAddMenuHandlers() {}

void _LateStartup() {
    _MakeDefaultView();
}

void _MakeDefaultView() {
    static_cast<void>(HauptF());
}

void Finalisierung() {
    // The application object and the window hold the menu bar without owning it; they let go of
    // it first, so neither keeps a dangling pointer until the framework shuts down.
    if (class MainMenuBar* leiste = MainMenuBarReferenz()) {
        if (Application* anwendung = RuntimeApplication();
            anwendung && anwendung->MenuBar == leiste)
            anwendung->MenuBar = nullptr;
        if (Window* fenster = _GetImplicitWindow("HauptF.HauptF");
            fenster && fenster->GetMenuBar() == leiste)
            fenster->SetMenuBar(nullptr);
    }
    MainMenuBarFreigeben();
}
