#include "screenshot.h"

#include <vector>

namespace driver {

bool SaveWindowPicture(HWND window, const std::string& bmpPath) {
    RECT r;
    if (!GetWindowRect(window, &r)) return false;
    const int width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(dc, bitmap);
    BitBlt(dc, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    SelectObject(dc, old);

    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;  // bottom-up rows, as BMP files keep them
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const DWORD rowBytes = (width * 3 + 3) & ~3;
    std::vector<BYTE> pixels(rowBytes * height);
    bool ok = GetDIBits(dc, bitmap, 0, height, pixels.data(),
                        reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) == height;
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    if (!ok) return false;

    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    HANDLE out = CreateFileA(bmpPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    ok = WriteFile(out, &file, sizeof file, &written, nullptr) &&
         WriteFile(out, &info, sizeof info, &written, nullptr) &&
         WriteFile(out, pixels.data(), static_cast<DWORD>(pixels.size()), &written, nullptr);
    CloseHandle(out);
    return ok;
}

}  // namespace driver
