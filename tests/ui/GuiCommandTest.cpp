#include "WindowTest.h"

#include "CommandLine.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <sstream>

using namespace Quiverstep;

namespace {

using GuiCommandTest = WindowTest;

} // namespace

TEST_F(GuiCommandTest, ScreenshotsOfEveryWindow)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string db = folder.filePath("settings.db").toStdString();
    const std::pair<const char *, QSize> windows[] = {{"settings", {449, 231}},
                                                      {"editor", {445, 414}},
                                                      {"simulator", {456, 292}},
                                                      {"testform", {604, 468}},
                                                      {"message", {384, 171}}};
    for (const auto &[window, size] : windows) {
        const QString picture = folder.filePath(QString(window) + ".png");
        std::istringstream in;
        std::ostringstream out, err;
        EXPECT_EQ(RunCommandLine({"--store", db, "gui", window, "--screenshot", picture.toStdString()},
                                 in,
                                 out,
                                 err),
                  0)
                << window << ": " << err.str();
        EXPECT_EQ(QImage(picture).size(), size) << window;
    }
}

TEST_F(GuiCommandTest, SimulatorRefusesSettingsThatFailTheChecks)
{
    QTemporaryDir folder;
    const std::string db = folder.filePath("settings.db").toStdString();
    std::istringstream in;
    std::ostringstream out, err;
    ASSERT_EQ(RunCommandLine({"--store", db, "store", "set", "Dither Step", "0"}, in, out, err), 0);
    const QString picture = folder.filePath("simulator.png");
    EXPECT_EQ(RunCommandLine(
                      {"--store", db, "gui", "simulator", "--screenshot", picture.toStdString()},
                      in,
                      out,
                      err),
              1);
    EXPECT_EQ(err.str(), "Step Size should be greater than zero\n");
    EXPECT_FALSE(QFile::exists(picture));
}
