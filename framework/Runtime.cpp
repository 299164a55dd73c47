#include "framework/Runtime.h"

#include <QApplication>
#include <QClipboard>
#include <QLibraryInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QTranslator>
#include <clocale>
#include <iterator>
#include <utility>

#include "framework/Dialogs.h"
#include "framework/Errors.h"
#include "framework/Internals.h"
#include "framework/Window.h"

namespace {

struct RuntimeState {
    QtCommandLine commandLine;
    std::unique_ptr<QApplication> app;
    std::unique_ptr<QTranslator> translator;
    std::unique_ptr<Application> application;
    ExceptionHelper helper = nullptr;
    std::vector<RegisteredClass> classes;
    std::int32_t exitCode = 0;
    bool quitRequested = false;
};

RuntimeState& State() {
    static RuntimeState state;
    return state;
}

// The routine used until start-up installs one: a RuntimeException becomes the result, any
// other error passes on.
std::exception_ptr BuiltInHelper(void (*target)(void*), void* argument) {
    try {
        target(argument);
    } catch (const RuntimeException&) {
        return std::current_exception();
    }
    return nullptr;
}

void CallTarget(void* call) {
    (*static_cast<const std::function<void()>*>(call))();
}

// The framework's own classes, which register before the program's.
constexpr std::pair<const char*, const char*> kFrameworkClasses[] = {
    {"Object", ""},
    {"Application", "Object"},
    {"Window", "Object"},
    {"RectControl", "Object"},
    {"TextField", "RectControl"},
    {"TextArea", "RectControl"},
    {"Label", "RectControl"},
    {"PushButton", "RectControl"},
    {"ComboBox", "RectControl"},
    {"Canvas", "RectControl"},
    {"MenuItem", "Object"},
    {"MenuBar", "MenuItem"},
    {"QuitMenuItem", "MenuItem"},
    {"Graphics", "Object"},
    {"MessageDialog", "Object"},
    {"MessageDialogButton", "Object"},
    {"FolderItem", "Object"},
    {"TextOutputStream", "Object"},
    {"TextInputStream", "Object"},
    {"RuntimeException", "Object"},
    {"IOException", "RuntimeException"},
    {"NilObjectException", "RuntimeException"},
};

void RegisterFrameworkClasses() {
    for (const auto& [name, base] : kFrameworkClasses) RuntimeRegisterClass(name, base);
}

}  // namespace

std::exception_ptr RunThroughExceptionRoutine(const std::function<void()>& call) {
    const ExceptionHelper helper = State().helper ? State().helper : BuiltInHelper;
    const HandlerScope running;
    try {
        return helper(CallTarget, const_cast<std::function<void()>*>(&call));
    } catch (...) {
        return std::current_exception();
    }
}

void CallWithExceptionHandling(const std::function<void()>& call) {
    if (std::exception_ptr error = RunThroughExceptionRoutine(call))
        RuntimeUnhandledException(error);
}

void RuntimeInit(Platform platform) {
    RuntimeState& state = State();
    if (state.app) return;
    if (state.classes.empty()) RegisterFrameworkClasses();
    state.quitRequested = false;
    state.exitCode = 0;
    state.commandLine = CommandLineFor(platform);
    if (platform == Platform::Offscreen)
        QLoggingCategory::setFilterRules(QStringLiteral("qt.qpa.*=false"));
    state.app =
        std::make_unique<QApplication>(state.commandLine.argc, state.commandLine.argv.data());
    // Qt sets the C locale from the environment; numbers must never depend on it.
    std::setlocale(LC_NUMERIC, "C");
    DressApplication();
    // Qt's own texts (the file dialogs, a field's context menu) speak German like the program;
    // without the translation files they stay English.
    state.translator = std::make_unique<QTranslator>();
    if (state.translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                               QStringLiteral("_"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(state.translator.get());
}

std::int32_t RuntimeExit() {
    RuntimeState& state = State();
    DestroyAllWindows();
    state.application.reset();
    state.translator.reset();
    state.app.reset();
    return state.exitCode;
}

void RuntimeRegisterClass(std::string_view name, std::string_view baseClass) {
    State().classes.push_back(RegisteredClass{std::string(name), std::string(baseClass)});
}

const std::vector<RegisteredClass>& RuntimeRegisteredClasses() {
    return State().classes;
}

void RuntimeSetExceptionHelper(ExceptionHelper helper) {
    State().helper = helper;
}

void RuntimeLoadUpDownArrows() {
    RuntimeRegisterClass("UpDownArrows", "RectControl");
}

void RuntimeRegisterAppObject(std::unique_ptr<Application> application) {
    State().application = std::move(application);
}

Application* RuntimeApplication() {
    return State().application.get();
}

void RunFrameworkInitialization(const std::function<void()>& lateStartup) {
    if (State().app) QApplication::setApplicationName(QStringLiteral("Vemtarix"));
    lateStartup();  // an error passes on to the caller
}

void RuntimeRun() {
    RuntimeState& state = State();
    // A Quit before the loop (during start-up) is not lost.
    if (state.quitRequested || !state.app) return;
    QApplication::exec();
}

void RuntimeUnhandledException(std::exception_ptr error) {
    std::string text = "Ein unerwarteter Fehler ist aufgetreten";
    try {
        if (error) std::rethrow_exception(error);
    } catch (const std::exception& e) {
        text += std::string(": ") + e.what();
    } catch (...) {
        text += ".";
    }
    try {
        MsgBox(text);
    } catch (...) {
        // Nothing may escape the handler of last resort.
    }
}

void Quit(std::int32_t exitCode) {
    RuntimeState& state = State();
    state.exitCode = exitCode;
    state.quitRequested = true;
    if (state.app) QApplication::exit(exitCode);
}

void ProcessEvents() {
    if (State().app) QApplication::processEvents();
}

void RuntimeReset() {
    RuntimeState& state = State();
    // Queued work (a deferred deletion, an error report after a paint) reaches what it was
    // meant for before the windows go.
    ProcessEvents();
    CloseAllWindows();
    ProcessEvents();
    state.application.reset();
    state.helper = nullptr;
    state.classes.clear();
    RegisterFrameworkClasses();
    state.quitRequested = false;
    state.exitCode = 0;
    if (state.app) QApplication::clipboard()->clear();
}

std::vector<std::string> RuntimeLeftovers() {
    const RuntimeState& state = State();
    std::vector<std::string> left;
    for (const std::string& name : OpenWindowClasses()) left.push_back("open window " + name);
    if (WindowsAwaitDeletion()) left.push_back("closed windows awaiting deletion");
    if (state.application) left.push_back("an application object");
    if (state.helper) left.push_back("an exception routine");
    for (std::size_t i = std::size(kFrameworkClasses); i < state.classes.size(); ++i)
        left.push_back("registered class " + state.classes[i].name);
    if (state.quitRequested) left.push_back("a Quit");
    if (state.app && !QApplication::clipboard()->text().isEmpty())
        left.push_back("text on the clipboard");
    return left;
}
