#include <windows.h>

#include "app/app_state.h"
#include "ui/toolkit.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    vt::ui::Shutdown(vt::ProgramEntry());
}
