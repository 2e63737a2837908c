#include "platform/Convert.h"
#include "platform/qt/ErrorReport.h"

#include "db/dbEngine.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(ErrorReport, ExceptionLeavingAHandlerIsReportedAndTheProgramGoesOn)
{
    setenv("TOLVANE_DIALOGS", "yes", 1);
    testing::internal::CaptureStderr();
    const bool handled = deliverReported([]() -> bool { return StrToInt("abc") == 0; });
    deliverReported([]() -> bool { throw dbException(); });
    const bool normal = deliverReported([] { return true; });
    const std::string echoed = testing::internal::GetCapturedStderr();
    unsetenv("TOLVANE_DIALOGS");

    EXPECT_FALSE(handled);
    EXPECT_TRUE(normal);
    EXPECT_NE(echoed.find("error: 'abc' is not a valid integer value\n"), std::string::npos) << echoed;
    // An exception without a text still gets a report naming it.
    EXPECT_EQ(echoed.find("error: \n"), std::string::npos) << echoed;
    EXPECT_EQ(std::count(echoed.begin(), echoed.end(), '\n'), 2) << echoed;
}

} // namespace
