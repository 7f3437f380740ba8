// The test exes' entry: one application object for the process, as the program has, and no real
// message box that could block a run.

#include "platform/WinApp.h"
#include "tests/support/MessageBoxScript.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    CWinApp app;
    testing::InitGoogleTest(&argc, argv);
    FailOnAnyMessageBox();
    return RUN_ALL_TESTS();
}
