#include "app/app_state.h"

#include "ui/main_window.h"
#include "ui/toolkit.h"

namespace vt {

void (*shutdownObserver)() = nullptr;

AppState& App()
{
    static AppState state;
    return state;
}

namespace {

template <typename T>
void Release(T& value)
{
    T().swap(value);
}

// Does nothing; kept as the place for work that must precede the window.
int StartupRoutine() { return 0; }

} // namespace

void ShutdownCleanup()
{
    AppState& app = App();
    Release(app.installDir);
    Release(app.lastCopiedName);
    Release(app.seenPaths);
    for (std::string& dir : app.sourceDirs)
        Release(dir);
    Release(app.sourceDirs);
    Release(app.browsedPath);
    if (shutdownObserver)
        shutdownObserver();
}

void ExitProgram() { ui::Exit(0); }

int ProgramEntry()
{
    ui::InitializeToolkit();
    App().sourceDirs.clear();
    ui::SetExitCleanup(ShutdownCleanup);
    StartupRoutine();
    if (!ui::CreateMainWindow())
        return 0;
    ui::RunMessageLoop();
    return 0;
}

} // namespace vt
