// The real program, started as a user starts it.

#include "app/MainFrame.h"
#include "platform/Text.h"
#include "tests/e2e/ProgramSession.h"

#include <gtest/gtest.h>

namespace {
class Program : public ProgramSession {};

TEST_F(Program, StartsShowsItsMainWindowAndEndsCleanlyWhenClosed) {
    Start(BuiltProgramPath());
    ASSERT_FALSE(HasFatalFailure()) << "no main window was shown";
    EXPECT_TRUE(WindowText(main) == ToWide(kBannerText)) << Narrow(WindowText(main));
    PostMessageW(main, WM_CLOSE, 0, 0);
    ExpectCleanEnd();
}
} // namespace
