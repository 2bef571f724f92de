#pragma once

#include <QFrame>
#include <QImage>

#include <cstdint>

namespace Quiverstep {

// A drawing area with a sunken border that keeps what was painted on it: the path grid of
// the simulator and the test form.
class PathCanvas : public QFrame
{
    Q_OBJECT

public:
    explicit PathCanvas(QWidget *parent = nullptr);

    // Clears the drawing to the background.
    void Clear();

    // Paints the cell of guide-box position (x, y): the flash, shown for a moment, then the
    // cell in the path colour with a white border.
    void PaintPosition(double x, double y, std::int32_t pathColour);

    const QImage &image();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void ensureImage();

    QImage m_image;
};

} // namespace Quiverstep
