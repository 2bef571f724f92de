#pragma once

#include <QRectF>
#include <QString>

#include <functional>
#include <string>

class QPainter;

namespace Quiverstep {

// A plot area within a picture: data coordinates to picture pixels, x to the right and y
// downwards as in the guide box and on the camera chips, and its labelled axes.
class PlotFrame
{
public:
    PlotFrame(const QRectF &area, double xMin, double xMax, double yMin, double yMax);

    QPointF Map(double x, double y) const;

    // The frame, a tick with its number every `tickStep` along both axes, and the axis
    // labels below and to the left.
    void DrawAxes(QPainter &painter,
                  double tickStep,
                  const QString &xLabel,
                  const QString &yLabel) const;

private:
    QRectF m_area;
    double m_xMin;
    double m_xMax;
    double m_yMin;
    double m_yMax;
};

// Paints a white picture of the given size with `paint` and saves it as PNG; throws
// std::runtime_error when the file cannot be written. The text on it needs a Qt application:
// without one in the process, one runs on the offscreen platform (no display) while it paints.
void PaintPlot(const std::string &path,
               int width,
               int height,
               const std::function<void(QPainter &)> &paint);

// Sets the painter's font to the given pixel size, bold or not.
void SetPlotFont(QPainter &painter, int pixelSize, bool bold = false);

// The side of a legend entry's swatch, which the caller paints.
inline constexpr double LegendSwatch = 16;

// Writes a legend entry's text beside its swatch, whose top left corner is `swatch`;
// returns the x at which the next entry may start.
double DrawLegendText(QPainter &painter, const QPointF &swatch, const QString &text);

} // namespace Quiverstep
