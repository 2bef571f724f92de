#include "ReportPlot.h"

#include "PathCell.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <stdexcept>

namespace Quiverstep {

namespace {

constexpr int Cells = 33;
constexpr int Size = Cells * 24;
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
    return {(cell.x1 + cell.x2) / 2.0, (cell.y1 + cell.y2) / 2.0};
}

} // namespace

bool CanDrawPictures()
{
    return true;
}

void WriteReportPlot(const std::string &path, const SessionReport &report)
{
    QImage image(Size, Size, QImage::Format_RGB32);
    image.fill(Background);
    {
        QPainter painter(&image);

        // A faint grid, so that the 33 by 33 pixel guide box can be read off the picture.
        painter.setPen(QPen(GridColour, 0));
        for (int i = 0; i <= Cells; ++i) {
            const double at = double(Size) * i / Cells;
            painter.drawLine(QPointF(at, 0), QPointF(at, Size));
            painter.drawLine(QPointF(0, at), QPointF(Size, at));
        }

        // Each target as the simulator leaves it: the path colour with a white outline;
        // a target reached again is painted over.
        for (const SessionReport::Image &target : report.images) {
            const CellRect cell = PathCell(Size, Size, target.targetX, target.targetY);
            const QRectF rect(QPointF(cell.x1, cell.y1), QPointF(cell.x2, cell.y2));
            painter.fillRect(rect, pathColour(target.colour));
            painter.setPen(QPen(Qt::white, 0));
            painter.drawRect(rect);
        }

        painter.setRenderHint(QPainter::Antialiasing);
        if (!report.track.empty()) {
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
    }
    if (!image.save(QString::fromStdString(path), "PNG"))
        throw std::runtime_error("cannot write the plot " + path);
}

} // namespace Quiverstep
