#pragma once

// A window as it shows on the screen, saved as a PNG file (8-bit RGB, uncompressed deflate
// blocks: small code, no library).

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "windows_test_support.h"

namespace screenshot {

inline std::uint32_t Crc32(const std::string& bytes) {
    static const std::vector<std::uint32_t> table = [] {
        std::vector<std::uint32_t> t(256);
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char c : bytes) crc = table[(crc ^ static_cast<unsigned char>(c)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

inline void PutBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

inline std::string Chunk(const char* type, const std::string& data) {
    std::string chunk;
    PutBigEndian(chunk, static_cast<std::uint32_t>(data.size()));
    const std::string typed = std::string(type) + data;
    chunk += typed;
    PutBigEndian(chunk, Crc32(typed));
    return chunk;
}

// `rgb` holds the rows top to bottom, three bytes a pixel.
inline std::string Png(int width, int height, const std::string& rgb) {
    std::string raw;
    const std::size_t stride = static_cast<std::size_t>(width) * 3;
    for (int y = 0; y < height; ++y) {
        raw += '\0';  // no filter
        raw.append(rgb, static_cast<std::size_t>(y) * stride, stride);
    }
    std::string zlib = "\x78\x01";
    std::uint32_t a = 1, b = 0;
    for (const char c : raw) {
        a = (a + static_cast<unsigned char>(c)) % 65521;
        b = (b + a) % 65521;
    }
    for (std::size_t at = 0; at < raw.size() || at == 0; at += 65535) {
        const std::size_t length = std::min<std::size_t>(65535, raw.size() - at);
        zlib += static_cast<char>(at + length >= raw.size() ? 1 : 0);
        zlib += static_cast<char>(length & 0xFF);
        zlib += static_cast<char>(length >> 8);
        zlib += static_cast<char>(~length & 0xFF);
        zlib += static_cast<char>((~length >> 8) & 0xFF);
        zlib.append(raw, at, length);
        if (raw.empty()) break;
    }
    PutBigEndian(zlib, (b << 16) | a);

    std::string header;
    PutBigEndian(header, static_cast<std::uint32_t>(width));
    PutBigEndian(header, static_cast<std::uint32_t>(height));
    header += std::string("\x08\x02\x00\x00\x00", 5);
    return std::string("\x89PNG\r\n\x1a\n", 8) + Chunk("IHDR", header) + Chunk("IDAT", zlib) + Chunk("IEND", "");
}

// Saves what the screen shows where `window` is, once the window has painted itself.
inline bool Save(HWND window, const std::string& path) {
    // Wine: a window that is active may still show an inactive caption (the first window of a
    // process does); tell it once more that it is active.
    if (GetForegroundWindow() == window) SendMessageA(window, WM_NCACTIVATE, TRUE, 0);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT rect = {};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return false;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, previous);

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::string bgrx(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4, '\0');
    const int rows = GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), bgrx.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (rows != height) return false;

    std::string rgb;
    rgb.reserve(bgrx.size() / 4 * 3);
    for (std::size_t i = 0; i < bgrx.size(); i += 4) {
        rgb += bgrx[i + 2];
        rgb += bgrx[i + 1];
        rgb += bgrx[i];
    }
    return WriteWholeFile(path, Png(width, height, rgb));
}

}  // namespace screenshot
