#pragma once

#include <windows.h>

#include <cstdint>

namespace Quiverstep {

// The drawing area of the simulator and the test form: a sunken box that keeps what was
// painted on it in a bitmap of its inner size, so that the path stays when it is covered.
class PathPicture
{
public:
    // Creates the area as a child of parent at the given (already scaled) rectangle.
    PathPicture(HWND parent, int id, int left, int top, int width, int height);
    ~PathPicture();
    PathPicture(const PathPicture &) = delete;
    PathPicture &operator=(const PathPicture &) = delete;

    void Clear();
    // Paints the cell of position (x, y) as the path shows a reached position: a flash in
    // the complement of the path colour with a black border, a pause, then the path colour
    // with a white border.
    void PaintPosition(double x, double y, std::int32_t pathColour);

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void fillCell(const RECT &cell, std::int32_t fill, std::int32_t border);

    HWND m_hwnd = nullptr;
    HDC m_memory = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
    int m_width = 0;
    int m_height = 0;
};

} // namespace Quiverstep
