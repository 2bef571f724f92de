#include "XdgUserPaths.h"

#include "TempFolderTest.h"

#include <cstdlib>

using namespace Quiverstep;

using XdgUserPathsTest = TempFolderTest;

TEST_F(XdgUserPathsTest, TheLogLivesInTheStateFolderWhichIsMade)
{
    ::setenv("XDG_STATE_HOME", (folder / "state").c_str(), 1);
    XdgUserPaths paths;
    EXPECT_EQ(paths.DefaultLogFiles("Quiverstep118.log"),
              std::vector<std::string>{(folder / "state/Orrerix/Quiverstep118.log").string()});
    EXPECT_TRUE(std::filesystem::is_directory(folder / "state/Orrerix"));

    // A relative or empty setting is ignored, as the XDG rules say.
    ::setenv("XDG_STATE_HOME", "relative", 1);
    ::setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(XdgUserPaths::StateFolder(), "/home/someone/.local/state/Orrerix");
    ::setenv("XDG_CONFIG_HOME", "", 1);
    EXPECT_EQ(XdgUserPaths::ConfigFolder(), "/home/someone/.config/Orrerix");
}
