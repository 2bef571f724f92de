// The build with Qt: the plots are painted by the Qt windows' code.
#include "AssessmentPlot.h"
#include "ReportPlot.h"

#include "qt/AssessmentPainter.h"
#include "qt/ReportPainter.h"

namespace Quiverstep {

bool CanDrawPictures()
{
    return true;
}

void WriteReportPlot(const std::string &path, const SessionReport &report)
{
    PaintReportPlot(path, report);
}

void WriteAssessmentPlot(const std::string &path, const Assessment &assessment)
{
    PaintAssessmentPlot(path, assessment);
}

} // namespace Quiverstep
