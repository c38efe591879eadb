// Runs the window tests on one real main window, or, with --child=MODE, the
// whole program as a child process for the tests of how it ends.
#include <gtest/gtest.h>

#include <cstring>

#include "app/app_state.h"
#include "ui/main_window.h"
#include "ui/toolkit.h"

namespace vt::test {
int RunChild(const std::string& mode, const std::vector<std::string>& args);
}

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strncmp(argv[1], "--child=", 8) == 0)
        return vt::test::RunChild(argv[1] + 8, std::vector<std::string>(argv + 2, argv + argc));

    testing::InitGoogleTest(&argc, argv);
    vt::ui::InitializeToolkit();
    vt::ui::SetExitCleanup(vt::ShutdownCleanup);
    if (!vt::ui::CreateMainWindow()) {
        fprintf(stderr, "the main window could not be created\n");
        return 1;
    }
    return RUN_ALL_TESTS();
}
