#include "qt/AssessmentPainter.h"

#include "qt/PlotFrame.h"

#include "AssessmentText.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace Quiverstep {

namespace {

constexpr int Width = 1000;
constexpr int Left = 80;
constexpr int TitleHeight = 64;
constexpr int HeaderHeight = 62;
constexpr int Positions = 460; // side of the positions panel
constexpr int Square = 300;    // side of the sub-pixel square
constexpr int Gap = 110;       // between the two panels, room for the square's axis
constexpr int AxisHeight = 64; // ticks and label below a panel
constexpr int RefusedHeight = 58;
constexpr int MostLabelledImages = 3; // numbers shown at one position before "... xN"

const QColor PixelColour(70, 130, 200);
const QColor CellColour(70, 160, 70);
const QColor ImageColour(20, 40, 120);
const QColor OrderColour(150, 150, 150);
const QColor GridColour(205, 205, 205);
const QColor LabelGround(255, 255, 255, 190);

using Result = Assessment::Result;

int rowHeight(const Result &result)
{
    return result.refused ? RefusedHeight : HeaderHeight + Positions + AxisHeight;
}

// A tick every 1, 2 or 5 times a power of ten, ten ticks at most.
double tickStep(double span)
{
    for (double power = 1;; power *= 10) {
        for (const double step : {1.0, 2.0, 5.0}) {
            if (span / (step * power) <= 10)
                return step * power;
        }
    }
}

// "3", or "1, 5, 9 ... x10" for a position that several images share.
QString imageNumbers(const std::vector<int> &numbers)
{
    QStringList shown;
    for (std::size_t i = 0; i < numbers.size() && i < MostLabelledImages; ++i)
        shown << QString::number(numbers[i]);
    QString text = shown.join(", ");
    if (numbers.size() > MostLabelledImages)
        text += QString::fromUtf8(" \u2026 \u00d7%1").arg(numbers.size());
    return text;
}

void drawHeader(QPainter &painter, const Result &result, int rank, double top)
{
    const DitherFigures &f = result.figures;
    const auto figure = [](const std::optional<double> &value) {
        return QString::fromStdString(value ? FigureText(*value) : "-");
    };
    SetPlotFont(painter, 16, true);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(Left - 60, top + 22),
                     QString("%1. %2: step %3, max dither %4")
                             .arg(rank)
                             .arg(QString::fromStdString(result.ditherType),
                                  QString::fromStdString(result.stepSize),
                                  QString::fromStdString(result.maxDither)));
    SetPlotFont(painter, 13);
    painter.drawText(QPointF(Left - 60, top + 44),
                     QString("minMove %1   medianMove %2   distinctPixels %3   mostReused %4   "
                             "phaseCoverage %5   excursion %6   settleFrames %7")
                             .arg(figure(f.minMove), figure(f.medianMove))
                             .arg(f.distinctPixels)
                             .arg(f.mostReused)
                             .arg(QString::fromStdString(FigureText(f.PhaseCoverage())),
                                  QString::fromStdString(FigureText(f.excursion)),
                                  figure(f.settleFrames)));
}

// The images in imaging pixels: the pixels they use, shaded by how many images each holds,
// the order as a line, and each position with the numbers of its images.
void drawPositions(QPainter &painter, const DitherFigures &f, const QRectF &area)
{
    const double half = std::max(2.0, std::ceil(f.excursion) + 1);
    const PlotFrame frame(area, -half, half, -half, half);
    painter.save();
    painter.setClipRect(area);
    std::map<std::pair<double, double>, int> imagesOnPixel;
    for (const PixelPoint &p : f.positions)
        ++imagesOnPixel[{std::floor(p.x), std::floor(p.y)}];
    for (const auto &[pixel, images] : imagesOnPixel) {
        QColor colour = PixelColour;
        colour.setAlphaF(0.15 + 0.55 * images / std::max(1, f.mostReused));
        painter.fillRect(QRectF(frame.Map(pixel.first, pixel.second),
                                frame.Map(pixel.first + 1, pixel.second + 1)),
                         colour);
    }
    if (2 * half <= 80) { // the pixel borders, while they are more than lines
        painter.setPen(QPen(GridColour, 0));
        for (double at = -half; at <= half; ++at) {
            painter.drawLine(frame.Map(at, -half), frame.Map(at, half));
            painter.drawLine(frame.Map(-half, at), frame.Map(half, at));
        }
    }
    painter.setRenderHint(QPainter::Antialiasing);
    if (!f.positions.empty()) {
        QPainterPath order(frame.Map(f.positions.front().x, f.positions.front().y));
        for (const PixelPoint &p : f.positions)
            order.lineTo(frame.Map(p.x, p.y));
        painter.setPen(QPen(OrderColour, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(order);
    }
    painter.restore();

    // Every position lies within the frame; only its numbers may reach beyond.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    std::map<std::pair<double, double>, std::vector<int>> numbers;
    for (std::size_t i = 0; i < f.positions.size(); ++i)
        numbers[{f.positions[i].x, f.positions[i].y}].push_back(int(i) + 1);
    SetPlotFont(painter, 11);
    for (const auto &[position, images] : numbers) {
        const QPointF at = frame.Map(position.first, position.second);
        painter.setPen(Qt::NoPen);
        painter.setBrush(images.front() == 1 ? QColor(200, 40, 40) : ImageColour);
        painter.drawEllipse(at, 3.5, 3.5);
        // On a light ground, so that a number stays legible over the path and the grid.
        const QString text = imageNumbers(images);
        const QPointF origin = at + QPointF(5, -5);
        const QFontMetricsF metrics(painter.font());
        painter.setBrush(LabelGround);
        painter.drawRect(QRectF(origin.x() - 1,
                                origin.y() - metrics.ascent(),
                                metrics.horizontalAdvance(text) + 2,
                                metrics.height()));
        painter.setPen(Qt::black);
        painter.drawText(origin, text);
    }
    painter.restore();
    frame.DrawAxes(painter, tickStep(2 * half), "u (imaging pixels)", "v (imaging pixels)");
}

// The sub-pixel square [0, 1) by [0, 1) with its grid, the cells that hold a phase shaded.
void drawSquare(QPainter &painter, const DitherFigures &f, const QRectF &area)
{
    const PlotFrame frame(area, 0, 1, 0, 1);
    constexpr int Grid = DitherFigures::PhaseGrid;
    const double cell = 1.0 / Grid;
    painter.save();
    std::map<std::pair<int, int>, int> imagesInCell;
    for (const PixelPoint &p : f.positions) {
        const PixelPoint within = Phase(p);
        ++imagesInCell[{PhaseCell(within.x), PhaseCell(within.y)}];
    }
    int most = 1;
    for (const auto &[at, images] : imagesInCell)
        most = std::max(most, images);
    for (const auto &[at, images] : imagesInCell) {
        QColor colour = CellColour;
        colour.setAlphaF(0.2 + 0.6 * images / most);
        const double x = at.first * cell;
        const double y = at.second * cell;
        painter.fillRect(QRectF(frame.Map(x, y), frame.Map(x + cell, y + cell)), colour);
    }
    painter.setPen(QPen(GridColour, 1));
    for (int i = 1; i < Grid; ++i) {
        painter.drawLine(frame.Map(i * cell, 0), frame.Map(i * cell, 1));
        painter.drawLine(frame.Map(0, i * cell), frame.Map(1, i * cell));
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ImageColour);
    for (const PixelPoint &p : f.positions) {
        const PixelPoint within = Phase(p);
        painter.drawEllipse(frame.Map(within.x, within.y), 3.5, 3.5);
    }
    painter.restore();
    frame.DrawAxes(painter, cell, "u \u2212 floor(u)", "v \u2212 floor(v)");
}

void drawLegend(QPainter &painter, const DitherFigures &f, QPointF at)
{
    SetPlotFont(painter, 13);
    painter.setPen(Qt::black);
    painter.drawText(at,
                     QString("%1 of %2 cells hold a phase")
                             .arg(f.phaseCells)
                             .arg(DitherFigures::PhaseGrid * DitherFigures::PhaseGrid));
    at += QPointF(0, 16);
    const QRectF swatch(at, QSizeF(LegendSwatch, LegendSwatch));
    QColor cellColour = CellColour;
    cellColour.setAlphaF(0.5);
    painter.fillRect(swatch, cellColour);
    DrawLegendText(painter, swatch.topLeft(), "cell with phases (darker: more)");
    at += QPointF(0, 24);
    QColor pixel = PixelColour;
    pixel.setAlphaF(0.5);
    painter.fillRect(QRectF(at, QSizeF(LegendSwatch, LegendSwatch)), pixel);
    DrawLegendText(painter, at, "imaging pixel with images (darker: more)");
    at += QPointF(0, 24);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ImageColour);
    painter.drawEllipse(at + QPointF(LegendSwatch / 2, LegendSwatch / 2), 3.5, 3.5);
    painter.setPen(Qt::black);
    DrawLegendText(painter, at, "image, numbered in order");
    at += QPointF(0, 24);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 40, 40));
    painter.drawEllipse(at + QPointF(LegendSwatch / 2, LegendSwatch / 2), 3.5, 3.5);
    painter.setPen(Qt::black);
    DrawLegendText(painter, at, "image 1");
}

void drawRefused(QPainter &painter, const Result &result, double top)
{
    SetPlotFont(painter, 14, true);
    painter.setPen(Qt::black);
    const QString name = QString::fromStdString(result.ditherType) + ": ";
    painter.drawText(QPointF(Left - 60, top + 20), name);
    const double x = Left - 60 + QFontMetricsF(painter.font()).horizontalAdvance(name);
    SetPlotFont(painter, 13);
    painter.setPen(QColor(150, 30, 30));
    painter.drawText(QRectF(x, top + 5, Width - 20 - x, RefusedHeight - 5),
                     Qt::TextWordWrap,
                     "refused: " + QString::fromStdString(*result.refused).replace("\r\n", " "));
}

} // namespace

void PaintAssessmentPlot(const std::string &path, const Assessment &assessment)
{
    int height = TitleHeight + 16;
    for (const Result &result : assessment.results)
        height += rowHeight(result);
    PaintPlot(path, Width, height, [&](QPainter &painter) {
        SetPlotFont(painter, 15, true);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(20, 0, Width - 40, TitleHeight),
                         Qt::AlignCenter | Qt::TextWordWrap,
                         QString::fromStdString(AssessmentTitle(assessment)));
        double top = TitleHeight;
        int rank = 0;
        for (const Result &result : assessment.results) {
            if (result.refused) {
                drawRefused(painter, result, top);
            } else {
                drawHeader(painter, result, ++rank, top);
                const QRectF positions(Left, top + HeaderHeight, Positions, Positions);
                drawPositions(painter, result.figures, positions);
                const QRectF square(positions.right() + Gap, positions.top(), Square, Square);
                drawSquare(painter, result.figures, square);
                drawLegend(painter, result.figures, square.bottomLeft() + QPointF(0, 62));
            }
            top += rowHeight(result);
        }
    });
}

} // namespace Quiverstep
