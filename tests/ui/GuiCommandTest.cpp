#include "WindowTest.h"

#include "CommandLine.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <sstream>

using namespace Quiverstep;

using GuiCommandTest = WindowTest;

TEST_F(GuiCommandTest, ScreenshotsOfEveryWindowButOfASimulatorOnSettingsThatFailTheChecks)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string db = folder.filePath("settings.db").toStdString();
    std::istringstream in;
    std::ostringstream out, err;
    const auto screenshot = [&](const char *window, const QString &picture) {
        return RunCommandLine({"--store", db, "gui", window, "--screenshot", picture.toStdString()},
                              in,
                              out,
                              err);
    };
    const std::pair<const char *, QSize> windows[] = {{"settings", {449, 231}},
                                                      {"editor", {445, 414}},
                                                      {"simulator", {456, 292}},
                                                      {"testform", {604, 468}},
                                                      {"message", {384, 171}}};
    for (const auto &[window, size] : windows) {
        const QString picture = folder.filePath(QString(window) + ".png");
        EXPECT_EQ(screenshot(window, picture), 0) << window << ": " << err.str();
        EXPECT_EQ(QImage(picture).size(), size) << window;
    }
    ASSERT_EQ(RunCommandLine({"--store", db, "store", "set", "Dither Step", "0"}, in, out, err), 0);
    err.str("");
    const QString refused = folder.filePath("refused.png");
    EXPECT_EQ(screenshot("simulator", refused), 1);
    EXPECT_EQ(err.str(), "Step Size should be greater than zero\n");
    EXPECT_FALSE(QFile::exists(refused));
}
