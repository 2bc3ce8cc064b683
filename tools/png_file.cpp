#include "png_file.h"

#include <algorithm>
#include <cstdint>

namespace {

std::uint32_t Crc32(const std::string& bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= static_cast<unsigned char>(c);
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return crc ^ 0xFFFFFFFFu;
}

void PutBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

void Chunk(std::string& out, const std::string& type, const std::string& data) {
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::string body = type + data;
    out += body;
    PutBigEndian(out, Crc32(body));
}

// A zlib stream of stored (uncompressed) blocks.
std::string Stored(const std::string& raw) {
    std::string out = "\x78\x01";
    std::size_t at = 0;
    do {
        const std::size_t length = std::min<std::size_t>(raw.size() - at, 65535);
        const bool last = at + length == raw.size();
        out += static_cast<char>(last ? 1 : 0);
        out += static_cast<char>(length & 0xFF);
        out += static_cast<char>(length >> 8);
        out += static_cast<char>(~length & 0xFF);
        out += static_cast<char>((~length >> 8) & 0xFF);
        out.append(raw, at, length);
        at += length;
    } while (at < raw.size());
    std::uint32_t a = 1, b = 0;
    for (const char c : raw) {
        a = (a + static_cast<unsigned char>(c)) % 65521;
        b = (b + a) % 65521;
    }
    PutBigEndian(out, (b << 16) | a);
    return out;
}

int Digit(char pixel) {
    if (pixel >= '0' && pixel <= '9') return pixel - '0';
    if (pixel >= 'A' && pixel <= 'F') return pixel - 'A' + 10;
    return pixel >= 'a' && pixel <= 'f' ? pixel - 'a' + 10 : 0;
}

}  // namespace

std::string IconPng(const IconImage& image, int scale) {
    const int size = image.size * scale;
    std::string raw;
    for (int y = 0; y < size; ++y) {
        raw += '\0';  // no filter
        const std::string& row = image.rows[static_cast<std::size_t>(y / scale)];
        for (int x = 0; x < size; ++x) {
            const char pixel = row[static_cast<std::size_t>(x / scale)];
            const unsigned colour = pixel == '.' ? 0 : kIconPalette[Digit(pixel)];
            raw += static_cast<char>((colour >> 16) & 0xFF);
            raw += static_cast<char>((colour >> 8) & 0xFF);
            raw += static_cast<char>(colour & 0xFF);
            raw += static_cast<char>(pixel == '.' ? 0 : 0xFF);
        }
    }
    std::string header;
    PutBigEndian(header, static_cast<std::uint32_t>(size));
    PutBigEndian(header, static_cast<std::uint32_t>(size));
    header += std::string("\x08\x06\0\0\0", 5);  // 8 bits, RGBA, deflate, no filter, no interlace
    std::string png = "\x89PNG\r\n\x1A\n";
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", Stored(raw));
    Chunk(png, "IEND", "");
    return png;
}
