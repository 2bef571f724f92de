#include "qt/PlotFrame.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <memory>
#include <stdexcept>

namespace Quiverstep {

namespace {

const QColor AxisColour(60, 60, 60);
constexpr double TickLength = 5;

QtMessageHandler previousHandler = nullptr;

// The offscreen platform looks for the session's runtime folder, which a shell without a
// desktop session lacks; the warning says nothing about the picture.
void withoutRuntimeFolderWarning(QtMsgType type,
                                 const QMessageLogContext &context,
                                 const QString &message)
{
    if (message.startsWith("QStandardPaths: XDG_RUNTIME_DIR not set"))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

QString tickText(double value)
{
    return QString::number(std::abs(value) < 1e-9 ? 0.0 : value, 'g', 6);
}

} // namespace

PlotFrame::PlotFrame(const QRectF &area, double xMin, double xMax, double yMin, double yMax)
    : m_area(area)
    , m_xMin(xMin)
    , m_xMax(xMax)
    , m_yMin(yMin)
    , m_yMax(yMax)
{}

QPointF PlotFrame::Map(double x, double y) const
{
    return {m_area.left() + (x - m_xMin) / (m_xMax - m_xMin) * m_area.width(),
            m_area.top() + (y - m_yMin) / (m_yMax - m_yMin) * m_area.height()};
}

void PlotFrame::DrawAxes(QPainter &painter,
                         double tickStep,
                         const QString &xLabel,
                         const QString &yLabel) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(AxisColour, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(m_area);
    SetPlotFont(painter, 12);
    const QFontMetricsF metrics(painter.font());

    for (double x = std::ceil(m_xMin / tickStep - 1e-9) * tickStep; x <= m_xMax + 1e-9;
         x += tickStep) {
        const double at = Map(x, m_yMin).x();
        painter.drawLine(QPointF(at, m_area.bottom()), QPointF(at, m_area.bottom() + TickLength));
        const QString text = tickText(x);
        painter.drawText(QPointF(at - metrics.horizontalAdvance(text) / 2,
                                 m_area.bottom() + TickLength + metrics.ascent() + 2),
                         text);
    }
    double widestTick = 0;
    for (double y = std::ceil(m_yMin / tickStep - 1e-9) * tickStep; y <= m_yMax + 1e-9;
         y += tickStep) {
        const double at = Map(m_xMin, y).y();
        painter.drawLine(QPointF(m_area.left() - TickLength, at), QPointF(m_area.left(), at));
        const QString text = tickText(y);
        const double width = metrics.horizontalAdvance(text);
        widestTick = std::max(widestTick, width);
        painter.drawText(QPointF(m_area.left() - TickLength - 3 - width,
                                 at + metrics.ascent() / 2 - 1),
                         text);
    }

    SetPlotFont(painter, 13);
    const QFontMetricsF labels(painter.font());
    painter.drawText(QPointF(m_area.center().x() - labels.horizontalAdvance(xLabel) / 2,
                             m_area.bottom() + TickLength + metrics.height() + labels.ascent() + 4),
                     xLabel);
    painter.translate(m_area.left() - TickLength - 8 - widestTick - labels.descent(),
                      m_area.center().y() + labels.horizontalAdvance(yLabel) / 2);
    painter.rotate(-90);
    painter.drawText(QPointF(0, 0), yLabel);
    painter.restore();
}

void PaintPlot(const std::string &path,
               int width,
               int height,
               const std::function<void(QPainter &)> &paint)
{
    // An application of its own ends with the picture, so that the font machinery it set up
    // is released again.
    std::unique_ptr<QGuiApplication> application;
    if (!QCoreApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen"); // a picture needs no display
        static bool quiet = false;
        if (!quiet) {
            previousHandler = qInstallMessageHandler(withoutRuntimeFolderWarning);
            quiet = true;
        }
        static int argc = 1;
        static char name[] = "quiverstep";
        static char *argv[] = {name, nullptr};
        application = std::make_unique<QGuiApplication>(argc, argv);
    }
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        paint(painter);
    }
    if (!picture.save(QString::fromStdString(path), "PNG"))
        throw std::runtime_error("cannot write the plot " + path);
}

void SetPlotFont(QPainter &painter, int pixelSize, bool bold)
{
    QFont font = painter.font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    painter.setFont(font);
}

double DrawLegendText(QPainter &painter, const QPointF &swatch, const QString &text)
{
    const QFontMetricsF metrics(painter.font());
    const double x = swatch.x() + LegendSwatch + 6;
    painter.drawText(QPointF(x, swatch.y() + LegendSwatch / 2 + metrics.ascent() / 2 - 1), text);
    return x + metrics.horizontalAdvance(text) + 24;
}

} // namespace Quiverstep
