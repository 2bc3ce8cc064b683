#pragma once

// The program's resources described once, as data: dialogs and icons. Every backend draws them
// from this (the Windows build as real resources, GTK as widgets and pixbufs, the headless
// backend as an in-memory model). Dialog positions and sizes are dialog units of the dialog's
// font; styles carry the platform's own values.

#include <string>
#include <utility>
#include <vector>

// An icon of 16 colours: each image one hexadecimal digit a pixel, an index into kIconPalette,
// rows top to bottom, '.' for a transparent pixel. This is the artwork's editable source.
struct IconImage {
    int size;
    std::vector<std::string> rows;
};
struct IconArt {
    int id;                         // its resource id
    std::vector<IconImage> images;  // largest first
};
// The standard 16-colour palette, 0xRRGGBB by digit: black, maroon, green, olive, navy,
// purple, teal, silver, grey, red, lime, yellow, blue, fuchsia, aqua, white.
inline constexpr unsigned kIconPalette[16] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

// The executable's version resource.
struct VersionInfo {
    int fileVersion[4];
    int productVersion[4];
    std::string block;  // the string table's language and code page, "040904B0"
    unsigned language;  // the translation entry
    unsigned codePage;
    std::vector<std::pair<std::string, std::string>> strings;  // key, value
};

enum class ControlKind {
    kEdit,         // a single-line text field
    kPushButton,   // BS_DEFPUSHBUTTON marks the default button
    kGroupBox,
    kStaticText,
    kStaticIcon,   // shows ControlTemplate::icon
    kStaticFrame,  // SS_ETCHEDHORZ: an etched line
    kComboBox,     // CBS_DROPDOWN: an editable field with a list; CBS_SORT keeps the list sorted
};

struct DialogRect {
    int x, y, width, height;
};

struct ControlTemplate {
    int id;  // -1: no id
    ControlKind kind;
    std::string text;
    unsigned long style;  // WS_*, ES_*, BS_*, SS_*, CBS_*; WS_CHILD | WS_VISIBLE are implied
    DialogRect rect;
    const IconArt* icon = nullptr;  // kStaticIcon only
};

// One record of a dialog's initialisation data: a message sent to a control as the dialog opens.
struct DialogInitRecord {
    int controlId;
    unsigned message;  // kInitAddString: add `text` to a combo box's list
    std::string text;
};

struct DialogTemplate {
    int id;
    bool extended;               // an extended template (it carries font weight, italic, charset)
    std::string caption;
    unsigned long style;         // WS_*, DS_*
    unsigned long exStyle;       // WS_EX_*
    DialogRect rect;             // position 0, 0: centred when it opens
    std::string fontFace;
    int fontPoints;
    std::vector<ControlTemplate> controls;  // in tab order
    std::vector<DialogInitRecord> initData;

    const ControlTemplate* FindControl(int controlId) const {
        for (const ControlTemplate& control : controls) {
            if (control.id == controlId) return &control;
        }
        return nullptr;
    }
};
