// The build without Qt: the gui command and the plots say that there are no windows.
#include "AssessmentPlot.h"
#include "GuiCommands.h"
#include "ReportPlot.h"

namespace Quiverstep {

bool CanDrawPictures()
{
    return false;
}

void WriteReportPlot(const std::string &, const SessionReport &)
{
    throw UsageError(std::string("--plot: ") + NoWindows);
}

void WriteAssessmentPlot(const std::string &, const Assessment &)
{
    throw UsageError(std::string("--plot: ") + NoWindows);
}

void AddGuiCommands(CLI::App &app, CommandContext &)
{
    CLI::App *gui = app.add_subcommand("gui", std::string("Not available: ") + NoWindows);
    gui->allow_extras();
    gui->callback([] { throw UsageError(std::string("gui: ") + NoWindows); });
}

} // namespace Quiverstep
