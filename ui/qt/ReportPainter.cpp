#include "qt/ReportPainter.h"

#include "qt/PlotFrame.h"

#include "GuideBox.h"
#include "PathPaint.h"
#include "ReportText.h"
#include "Spiral.h"

#include <QPainter>
#include <QPainterPath>

#include <set>

namespace Quiverstep {

namespace {

using GuideBox::Cells;
constexpr int Size = Cells * 24;
constexpr int Left = 80;
constexpr int Top = 56;
constexpr int Bottom = 70;
constexpr int LegendLine = 24;
constexpr int LegendHeight = 3 * LegendLine + 8;
constexpr int Right = 40;
const QColor Background(212, 208, 200);
const QColor GridColour(196, 192, 184);
const QColor TrackColour(255, 150, 0, 220);

// Colour values are 0xBBGGRR.
QColor pathColour(std::int32_t value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

QPointF cellCentre(double x, double y)
{
    const CellRect cell = PathCell(Size, Size, x, y);
    return {Left + (cell.x1 + cell.x2) / 2.0, Top + (cell.y1 + cell.y2) / 2.0};
}

QRectF cellRect(double x, double y)
{
    const CellRect cell = PathCell(Size, Size, x, y);
    return QRectF(QPointF(cell.x1, cell.y1), QPointF(cell.x2, cell.y2)).translated(Left, Top);
}

void drawTargets(QPainter &painter, const SessionReport &report)
{
    // Each target as the simulator leaves it: the path colour with a white outline;
    // a target reached again is painted over.
    for (const SessionReport::Image &target : report.images) {
        const QRectF rect = cellRect(target.targetX, target.targetY);
        painter.fillRect(rect, pathColour(target.colour));
        painter.setPen(QPen(Qt::white, 0));
        painter.drawRect(rect);
    }
}

void drawTrack(QPainter &painter, const SessionReport &report)
{
    if (report.track.empty())
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath track(cellCentre(report.track.front().x, report.track.front().y));
    for (const SessionReport::Point &point : report.track)
        track.lineTo(cellCentre(point.x, point.y));
    painter.setPen(QPen(TrackColour, 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(track);
    painter.setPen(Qt::NoPen);
    painter.setBrush(TrackColour);
    for (const SessionReport::Point &point : report.track)
        painter.drawEllipse(cellCentre(point.x, point.y), 1.8, 1.8);
}

// What the colours of the targets mean, for the colours this night used, and the track;
// one entry a line.
void drawLegend(QPainter &painter, const SessionReport &report, double top)
{
    std::set<std::int32_t> colours;
    for (const SessionReport::Image &image : report.images)
        colours.insert(image.colour);
    SetPlotFont(painter, 13);
    const auto target = [&](std::int32_t colour, const QString &text) {
        if (!colours.contains(colour))
            return;
        const QRectF swatch(Left, top, LegendSwatch, LegendSwatch);
        painter.fillRect(swatch, pathColour(colour));
        DrawLegendText(painter, swatch.topLeft(), text);
        top += LegendLine;
    };
    target(ColourBlue,
           "dither target while the spiral goes out, and on a pattern's 1st, 3rd ... pass");
    target(ColourRed,
           "dither target while the spiral comes in, and on a pattern's 2nd, 4th ... pass");
    painter.setPen(QPen(TrackColour, 1.2));
    painter.drawLine(QPointF(Left, top + LegendSwatch / 2),
                     QPointF(Left + LegendSwatch, top + LegendSwatch / 2));
    painter.setPen(Qt::black);
    DrawLegendText(painter,
                   QPointF(Left, top),
                   "the star's measured track, one point per guide frame");
}

} // namespace

void PaintReportPlot(const std::string &path, const SessionReport &report)
{
    const int width = Left + Size + Right;
    PaintPlot(path, width, Top + Size + Bottom + LegendHeight, [&](QPainter &painter) {
        const QRectF area(Left, Top, Size, Size);
        painter.fillRect(area, Background);

        SetPlotFont(painter, 15, true);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, 0, width, Top - 8),
                         Qt::AlignCenter,
                         QString::fromStdString(ReportTitle(report)));

        // A faint grid, so that the 33 by 33 pixel guide box can be read off the picture.
        painter.setPen(QPen(GridColour, 0));
        for (int i = 0; i <= Cells; ++i) {
            const double at = double(Size) * i / Cells;
            painter.drawLine(QPointF(Left + at, Top), QPointF(Left + at, Top + Size));
            painter.drawLine(QPointF(Left, Top + at), QPointF(Left + Size, Top + at));
        }
        drawTargets(painter, report);
        drawTrack(painter, report);

        // Cell i spans i - 0.5 to i + 0.5: the ticks stand at the pixel positions.
        const PlotFrame frame(area, -0.5, Cells - 0.5, -0.5, Cells - 0.5);
        frame.DrawAxes(painter, 4, "x (guide pixels)", "y (guide pixels)");
        painter.setPen(Qt::black);
        drawLegend(painter, report, Top + Size + Bottom - 8);
    });
}

} // namespace Quiverstep
