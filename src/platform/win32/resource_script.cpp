#include "platform/win32/resource_script.h"

#include <cstdint>
#include <cstdio>

#include "platform/win_constants.h"

namespace {

// WS_CHILD: every control of a template is a child window.
constexpr unsigned long kChild = 0x40000000UL;

std::string Hex(unsigned long value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%08lX", value);
    return text;
}

// A C string literal holding exactly `text`'s bytes.
std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (c == '"') {
            quoted += "\"\"";  // the resource compiler's way to write a quote
        } else if (c == '\\') {
            quoted += "\\\\";
        } else if (byte < 0x20 || byte >= 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\%03o", byte);
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string ClassName(ControlKind kind) {
    switch (kind) {
        case ControlKind::kEdit: return "EDIT";
        case ControlKind::kPushButton:
        case ControlKind::kGroupBox: return "BUTTON";
        case ControlKind::kComboBox: return "COMBOBOX";
        case ControlKind::kStaticText:
        case ControlKind::kStaticIcon:
        case ControlKind::kStaticFrame: return "STATIC";
    }
    return "STATIC";
}

std::string Rect(const DialogRect& r) {
    return std::to_string(r.x) + ", " + std::to_string(r.y) + ", " + std::to_string(r.width) + ", " +
           std::to_string(r.height);
}

std::string DialogScript(const DialogTemplate& dialog) {
    std::string script = std::to_string(dialog.id) + (dialog.extended ? " DIALOGEX " : " DIALOG ") +
                         Rect(dialog.rect) + "\n";
    script += "STYLE " + Hex(dialog.style) + "\n";
    if (dialog.exStyle != 0) script += "EXSTYLE " + Hex(dialog.exStyle) + "\n";
    script += "CAPTION " + Quoted(dialog.caption) + "\n";
    script += "FONT " + std::to_string(dialog.fontPoints) + ", " + Quoted(dialog.fontFace) +
              (dialog.extended ? ", 0, 0, 0x1" : "") + "\n";
    script += "BEGIN\n";
    for (const ControlTemplate& control : dialog.controls) {
        // A static icon names its icon resource by number in place of a text.
        const std::string text = control.kind == ControlKind::kStaticIcon && control.icon != nullptr
                                     ? std::to_string(control.icon->id)
                                     : Quoted(control.text);
        script += "    CONTROL " + text + ", " + std::to_string(control.id) + ", " + Quoted(ClassName(control.kind)) +
                  ", " + Hex(control.style | kChild | WS_VISIBLE) + ", " + Rect(control.rect) + "\n";
    }
    return script + "END\n\n";
}

void PutWord(std::string& out, unsigned value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void PutLong(std::string& out, std::uint32_t value) {
    PutWord(out, value & 0xFFFF);
    PutWord(out, value >> 16);
}

std::string RawData(const std::string& bytes) {
    // Bytes as 16-bit words, the last odd byte as a one-byte string.
    std::string data;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const unsigned word = static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8);
        char text[16];
        std::snprintf(text, sizeof text, "0x%04X", word);
        data += (data.empty() ? "    " : ", ") + std::string(text);
    }
    if (bytes.size() % 2 == 1) data += (data.empty() ? "    " : ", ") + Quoted(bytes.substr(bytes.size() - 1));
    return data;
}

int PaletteIndex(char pixel) {
    if (pixel >= '0' && pixel <= '9') return pixel - '0';
    if (pixel >= 'A' && pixel <= 'F') return pixel - 'A' + 10;
    if (pixel >= 'a' && pixel <= 'f') return pixel - 'a' + 10;
    return 0;
}

// One image in the icon file's form: header, palette, colour rows, then the mask, bottom-up.
std::string IconBitmap(const IconImage& image) {
    const int size = image.size;
    const int colourStride = ((size * 4 + 31) / 32) * 4;
    const int maskStride = ((size + 31) / 32) * 4;
    std::string out;
    PutLong(out, 40);
    PutLong(out, static_cast<std::uint32_t>(size));
    PutLong(out, static_cast<std::uint32_t>(size * 2));  // colour and mask together
    PutWord(out, 1);
    PutWord(out, 4);
    PutLong(out, 0);
    PutLong(out, static_cast<std::uint32_t>((colourStride + maskStride) * size));
    PutLong(out, 0);
    PutLong(out, 0);
    PutLong(out, 16);
    PutLong(out, 0);
    for (const unsigned colour : kIconPalette) {
        out += static_cast<char>(colour & 0xFF);
        out += static_cast<char>((colour >> 8) & 0xFF);
        out += static_cast<char>((colour >> 16) & 0xFF);
        out += '\0';
    }
    for (int y = size - 1; y >= 0; --y) {
        std::string row(static_cast<std::size_t>(colourStride), '\0');
        for (int x = 0; x < size; ++x) {
            const char pixel = image.rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            const int index = pixel == '.' ? 0 : PaletteIndex(pixel);
            row[static_cast<std::size_t>(x / 2)] |= static_cast<char>(x % 2 == 0 ? index << 4 : index);
        }
        out += row;
    }
    for (int y = size - 1; y >= 0; --y) {
        std::string row(static_cast<std::size_t>(maskStride), '\0');
        for (int x = 0; x < size; ++x) {
            if (image.rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '.') {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<char>(0x80 >> (x % 8));
            }
        }
        out += row;
    }
    return out;
}

}  // namespace

std::string DialogInitData(const DialogTemplate& dialog) {
    std::string data;
    for (const DialogInitRecord& record : dialog.initData) {
        PutWord(data, static_cast<unsigned>(record.controlId));
        PutWord(data, record.message);
        PutLong(data, static_cast<std::uint32_t>(record.text.size() + 1));
        data += record.text;
        data += '\0';
    }
    PutWord(data, 0);
    return data;
}

std::string IconFile(const IconArt& art) {
    std::string directory, images;
    PutWord(directory, 0);
    PutWord(directory, 1);
    PutWord(directory, static_cast<unsigned>(art.images.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * art.images.size());
    for (const IconImage& image : art.images) {
        const std::string bitmap = IconBitmap(image);
        directory += static_cast<char>(image.size >= 256 ? 0 : image.size);
        directory += static_cast<char>(image.size >= 256 ? 0 : image.size);
        directory += static_cast<char>(16);  // colours
        directory += '\0';
        PutWord(directory, 1);
        PutWord(directory, 4);
        PutLong(directory, static_cast<std::uint32_t>(bitmap.size()));
        PutLong(directory, offset);
        offset += static_cast<std::uint32_t>(bitmap.size());
        images += bitmap;
    }
    return directory + images;
}

std::string ResourceScript(const ResourceScriptInput& input) {
    std::string script = "// Generated at build time from the program's resource data. Do not edit.\n\n";
    for (const auto& [art, fileName] : input.icons) {
        script += std::to_string(art->id) + " ICON " + Quoted(fileName) + "\n";
    }
    script += "\n";
    for (const DialogTemplate* dialog : input.dialogs) {
        script += DialogScript(*dialog);
        if (!dialog->initData.empty()) {
            script += std::to_string(dialog->id) + " 240\nBEGIN\n" + RawData(DialogInitData(*dialog)) + "\nEND\n\n";
        }
    }
    script += "STRINGTABLE\nBEGIN\n";
    for (const auto& [id, text] : input.strings) script += "    " + std::to_string(id) + ", " + Quoted(text) + "\n";
    script += "END\n\n";

    const VersionInfo& v = input.version;
    const auto version = [](const int (&parts)[4]) {
        return std::to_string(parts[0]) + "," + std::to_string(parts[1]) + "," + std::to_string(parts[2]) + "," +
               std::to_string(parts[3]);
    };
    script += "1 VERSIONINFO\nFILEVERSION " + version(v.fileVersion) + "\nPRODUCTVERSION " + version(v.productVersion) +
              "\nFILEFLAGSMASK 0x3F\nFILEFLAGS 0x0\nFILEOS 0x4\nFILETYPE 0x1\nFILESUBTYPE 0x0\nBEGIN\n"
              "    BLOCK \"StringFileInfo\"\n    BEGIN\n        BLOCK " + Quoted(v.block) + "\n        BEGIN\n";
    for (const auto& [key, value] : v.strings) {
        script += "            VALUE " + Quoted(key) + ", " + Quoted(value + std::string(1, '\0')) + "\n";
    }
    script += "        END\n    END\n    BLOCK \"VarFileInfo\"\n    BEGIN\n        VALUE \"Translation\", " +
              Hex(v.language) + ", " + std::to_string(v.codePage) + "\n    END\nEND\n";
    return script;
}
