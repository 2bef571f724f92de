#include "qt/PathCanvas.h"

#include "PathPaint.h"

#include <QPainter>
#include <QThread>

namespace Quiverstep {

namespace {

QColor toColor(std::int32_t colour)
{
    const Rgb rgb = ColourChannels(colour);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

} // namespace

PathCanvas::PathCanvas(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::StrongFocus);
}

void PathCanvas::ensureImage()
{
    // The drawing fills the frame inside its border.
    const QSize size = contentsRect().size();
    if (m_image.size() != size) {
        m_image = QImage(size, QImage::Format_RGB32);
        m_image.fill(palette().color(QPalette::Button));
    }
}

const QImage &PathCanvas::image()
{
    ensureImage();
    return m_image;
}

void PathCanvas::Clear()
{
    ensureImage();
    m_image.fill(palette().color(QPalette::Button));
    update();
}

void PathCanvas::PaintPosition(double x, double y, std::int32_t pathColour)
{
    ensureImage();
    const PathPaint plan = PlanPathPaint(m_image.width(), m_image.height(), x, y, pathColour);
    const QRect cell(QPoint(plan.cell.left, plan.cell.top),
                     QPoint(plan.cell.right, plan.cell.bottom));
    auto paint = [&](std::int32_t fill, std::int32_t border) {
        QPainter painter(&m_image);
        painter.fillRect(cell, toColor(fill));
        painter.setPen(QPen(toColor(border), 0));
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
    };
    paint(plan.flashColour, ColourBlack);
    // Show the flash before the pause; the window would otherwise only ever see the end.
    repaint();
    QThread::msleep(FlashMilliseconds);
    paint(plan.colour, ColourWhite);
    update();
}

void PathCanvas::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    ensureImage();
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), m_image);
}

} // namespace Quiverstep
