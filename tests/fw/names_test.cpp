// The names the framework derives from the executable's path.
#include <gtest/gtest.h>

#include "win_app.h"

namespace {

TEST(Names, ExecutableNameAndHelpFile) {
    struct Row {
        const char* name;
        const char* path;
        const char* exe_name;
        const char* help_file;
    };
    const Row rows[] = {
        {"plain", "C:\\Tools\\Zentrim.exe", "Zentrim", "C:\\Tools\\Zentrim.HLP"},
        {"dot in a folder", "C:\\v1.2\\zentrim.exe", "zentrim", "C:\\v1.2\\zentrim.HLP"},
        {"no extension, dot in a folder", "C:\\v1.2\\zentrim", "zentrim", "C:\\v1.2\\zentrim.HLP"},
        {"two dots", "\\\\server\\share\\zen.trim.exe", "zen.trim",
         "\\\\server\\share\\zen.trim.HLP"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ExeNameFromPath(row.path), row.exe_name);
        EXPECT_EQ(HelpFilePathFromPath(row.path), row.help_file);
    }
}

}  // namespace
