// Screenshots of another program's window, as the screen shows them.
#include "driver.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>

namespace driver {

namespace {

struct ReleaseDc {
    HWND window;
    void operator()(HDC dc) const { ReleaseDC(window, dc); }
};
struct DeleteDc {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct DeleteObject_ {
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
using WindowDc = std::unique_ptr<std::remove_pointer_t<HDC>, ReleaseDc>;
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, DeleteDc>;
using Bitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, DeleteObject_>;

constexpr int BytesPerPixel = 3;

int strideOf(int width) { return (width * BytesPerPixel + 3) & ~3; }

// A bottom-up 24-bit BMP: the layout every image tool reads.
bool writeBmp(const std::wstring& path, int width, int height, const std::uint8_t* pixels) {
    const auto imageBytes = static_cast<DWORD>(strideOf(width) * height);
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + imageBytes;
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = imageBytes;
    std::ofstream out(std::filesystem::path(path), std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(reinterpret_cast<const char*>(pixels), imageBytes);
    return static_cast<bool>(out);
}

}  // namespace

bool captureClient(HWND window, const std::wstring& path) {
    RECT client{};
    if (!GetClientRect(window, &client)) return false;
    const int width = client.right, height = client.bottom;
    if (width <= 0 || height <= 0) return false;

    WindowDc source(GetDC(window), ReleaseDc{window});
    MemoryDc target(CreateCompatibleDC(source.get()));
    if (!source || !target) return false;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up, as the file stores it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    Bitmap bitmap(CreateDIBSection(target.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) return false;

    const HGDIOBJ previous = SelectObject(target.get(), bitmap.get());
    const bool copied = BitBlt(target.get(), 0, 0, width, height, source.get(), 0, 0, SRCCOPY | CAPTUREBLT);
    GdiFlush();
    SelectObject(target.get(), previous);
    return copied && writeBmp(path, width, height, static_cast<const std::uint8_t*>(bits));
}

}  // namespace driver
