#include "win32/PathPicture.h"

#include "win32/Win32WindowView.h"

#include "PathPaint.h"

namespace Quiverstep {

namespace {

constexpr wchar_t WindowClass[] = L"QuiverstepPicture";

} // namespace

PathPicture::PathPicture(HWND parent, int id, int left, int top, int width, int height)
{
    static const bool registered = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &PathPicture::windowProc;
        windowClass.hInstance = ModuleInstance();
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = WindowClass;
        return RegisterClassW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    (void) registered;
    m_hwnd = CreateWindowExW(WS_EX_CLIENTEDGE,
                             WindowClass,
                             L"",
                             WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                             left,
                             top,
                             width,
                             height,
                             parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             ModuleInstance(),
                             this);
    RECT inner{};
    GetClientRect(m_hwnd, &inner);
    m_width = inner.right;
    m_height = inner.bottom;
    const HDC screen = GetDC(m_hwnd);
    m_memory = CreateCompatibleDC(screen);
    m_bitmap = CreateCompatibleBitmap(screen, m_width, m_height);
    ReleaseDC(m_hwnd, screen);
    m_oldBitmap = SelectObject(m_memory, m_bitmap);
    Clear();
}

PathPicture::~PathPicture()
{
    if (m_hwnd && IsWindow(m_hwnd))
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
    SelectObject(m_memory, m_oldBitmap);
    DeleteObject(m_bitmap);
    DeleteDC(m_memory);
}

void PathPicture::Clear()
{
    RECT all{0, 0, m_width, m_height};
    FillRect(m_memory, &all, GetSysColorBrush(COLOR_BTNFACE));
    InvalidateRect(m_hwnd, nullptr, FALSE);
}

void PathPicture::fillCell(const RECT &cell, std::int32_t fill, std::int32_t border)
{
    const auto brush = static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
    SetDCBrushColor(m_memory, COLORREF(fill));
    FillRect(m_memory, &cell, brush);
    SetDCBrushColor(m_memory, COLORREF(border));
    FrameRect(m_memory, &cell, brush);
}

void PathPicture::PaintPosition(double x, double y, std::int32_t pathColour)
{
    const PathPaint plan = PlanPathPaint(m_width, m_height, x, y, pathColour);
    // The plan's edges are inclusive; a RECT's right and bottom are not.
    const RECT cell{plan.cell.left, plan.cell.top, plan.cell.right + 1, plan.cell.bottom + 1};
    fillCell(cell, plan.flashColour, ColourBlack);
    // The flash reaches the screen before the pause, not only the final state.
    RedrawWindow(m_hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    GdiFlush();
    Sleep(FlashMilliseconds);
    fillCell(cell, plan.colour, ColourWhite);
    RedrawWindow(m_hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

LRESULT CALLBACK PathPicture::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(hwnd,
                          GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(
                                  reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams));
    auto *picture = reinterpret_cast<PathPicture *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        const HDC target = BeginPaint(hwnd, &paint);
        if (picture && picture->m_memory)
            BitBlt(target,
                   0,
                   0,
                   picture->m_width,
                   picture->m_height,
                   picture->m_memory,
                   0,
                   0,
                   SRCCOPY);
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1; // the bitmap covers all of it
    case WM_LBUTTONDOWN:
        SetFocus(hwnd);
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

} // namespace Quiverstep
