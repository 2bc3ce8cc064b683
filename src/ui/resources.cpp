#include "ui/resources.h"

#include "platform/win_constants.h"
#include "ui/resource.h"

namespace {

// Both dialogs use the same font; positions and sizes are its dialog units.
constexpr char kDialogFont[] = "MS Sans Serif";
constexpr int kDialogFontPoints = 8;

// Two pages, the data file in front of its resource fork (marked with a per cent sign), and an
// arrow that starts something. Colours: 0 black, 4 navy, 6 teal, 7 silver, 8 grey, F white.
// Built on first use, like the other resources: launcher mode never needs them.
const IconArt& Icon() {
    static const IconArt icon{
        IDR_MAINFRAME,
        {
            {32,
             {
                 "...........8888888888888........",
                 "...........87777777777788.......",
                 "...........8777777777778F8......",
                 "...........8777777777778FF8.....",
                 "...........8777777777778FFF8....",
                 "...........8777777777778FFFF8...",
                 "..0000000000000777777778888888..",
                 "..0FFFFFFFFFFF0077777777777778..",
                 "..0FFFFFFFFFFF0707777777777778..",
                 "..0FFFFFFFFFFF0770777744777478..",
                 "..0FFFFFFFFFFF0777077744774778..",
                 "..0FFFFFFFFFFF0777707777747778..",
                 "..0FFFFFFFFFFF0000000777477778..",
                 "..0FFFFFFFFFFFFFFFFF0774774478..",
                 "..0FFFFFFFFFFFFFFFFF0747774478..",
                 "..0FFFFFFFFFFFFFFFFF0777777778..",
                 "..0FF8888888888888FF0777777778..",
                 "..0FFFFFFFFFFFFFFFFF0777777778..",
                 "..0FFFFFFFFFFFFFFFFF0777777778..",
                 "..0FF8888888888888FF0777777778..",
                 "..0FFFFFFFFFFFFFFFFF07777000000.",
                 "..0FFFFFFFFFFFFFFFFF08888066600.",
                 "..0FF8888888888888FF0.....06660.",
                 "..0FFFFFFFFFFFFFFFFF0....066660.",
                 "..0FFFFFFFFFFFFFFFFF0...0666060.",
                 "..0FF88888888FFFFFFF0..06660.00.",
                 "..0FFFFFFFFFFFFFFFFF0.06660.....",
                 "..0FFFFFFFFFFFFFFFFF006660......",
                 "..0FFFFFFFFFFFFFFFFF00660.......",
                 "..0000000000000000000000........",
                 "................................",
                 "................................",
             }},
            {16,
             {
                 "......8888888...",
                 "......87777788..",
                 "......8777778F8.",
                 ".000000077778888",
                 ".0FFFFF007747748",
                 ".0FFFFF070777478",
                 ".0FFFFF000074778",
                 ".0FFFFFFFF047748",
                 ".0F888888F077778",
                 ".0FFFFFFFF077778",
                 ".0F888888F000000",
                 ".0FFFFFFFF006660",
                 ".0F888888F0.0660",
                 ".0FFFFFFFF006060",
                 ".0FFFFFFFF060.00",
                 ".00000000000....",
             }},
        },
    };
    return icon;
}

const DialogTemplate& SetupDialog() {
    static const DialogTemplate dialog{
        IDD_SETUP_DIALOG,
        /*extended=*/true,
        "Korvo Explorer extension",
        WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
        WS_EX_APPWINDOW,
        {0, 0, 290, 188},
        kDialogFont,
        kDialogFontPoints,
        {
            {IDC_EMULATOR_PATH, ControlKind::kEdit, "", WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP, {21, 26, 163, 14}},
            {IDC_BROWSE_EMULATOR, ControlKind::kPushButton, "...", BS_PUSHBUTTON | WS_TABSTOP, {195, 26, 18, 14}},
            {IDC_BROWSE_VIEWER, ControlKind::kPushButton, "...", BS_PUSHBUTTON | WS_TABSTOP, {195, 127, 18, 14}},
            {IDOK, ControlKind::kPushButton, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, {233, 7, 50, 14}},
            {IDCANCEL, ControlKind::kPushButton, "Cancel", BS_PUSHBUTTON | WS_TABSTOP, {233, 29, 50, 14}},
            {IDC_INSTALL, ControlKind::kPushButton, "Install", BS_PUSHBUTTON | WS_TABSTOP, {233, 51, 50, 14}},
            {ID_HELP, ControlKind::kPushButton, "&Help", BS_PUSHBUTTON | WS_TABSTOP, {233, 73, 50, 14}},
            {IDC_STATIC, ControlKind::kGroupBox, "Korvo location and parameters", BS_GROUPBOX, {10, 10, 213, 95}},
            {IDC_STATIC, ControlKind::kStaticText,
             "If you double-click file <any name> in Win95 Explorer, and there is a file with name "
             "%<any name> in the same directory, the file is opened in Korvo.\n\n"
             "Norde uses this naming convention to save resource forks in PC volumes.",
             SS_LEFT | WS_GROUP, {24, 46, 169, 52}},
            {IDC_STATIC, ControlKind::kGroupBox, "Viewer for other documents", BS_GROUPBOX, {10, 112, 213, 65}},
            {IDC_STATIC, ControlKind::kStaticText,
             "Specifies the default viewer for other documents which are not to be opened with Korvo, "
             "and do not have associations in Explorer.",
             SS_LEFT | WS_GROUP, {24, 145, 178, 27}},
            {IDC_STATIC, ControlKind::kStaticIcon, "", SS_ICON, {243, 120, 21, 20}, &Icon()},
            // The height includes the drop-down list. The field does not scroll horizontally.
            {IDC_VIEWER_PATH, ControlKind::kComboBox, "", CBS_DROPDOWN | CBS_SORT | WS_VSCROLL | WS_TABSTOP,
             {21, 127, 163, 53}},
        },
        // The viewer list's presets, added in this order; the sorted list shows them alphabetically.
        {
            {IDC_VIEWER_PATH, kInitAddString, "Wordpad.exe"},
            {IDC_VIEWER_PATH, kInitAddString, "Notepad.exe"},
            {IDC_VIEWER_PATH, kInitAddString, "Write.exe"},
        },
    };
    return dialog;
}

const DialogTemplate& AboutDialog() {
    static const DialogTemplate dialog{
        IDD_ABOUTBOX,
        /*extended=*/false,
        "About Korvo Explorer extension",
        WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
        0,
        {0, 0, 217, 143},
        kDialogFont,
        kDialogFontPoints,
        {
            {IDC_STATIC, ControlKind::kStaticIcon, "", SS_ICON, {11, 14, 20, 20}, &Icon()},
            // Two blanks before "version"; an ampersand here would be shown as it is.
            {IDC_STATIC, ControlKind::kStaticText, "Korvlink  version 1.0.3", SS_LEFT | SS_NOPREFIX | WS_GROUP,
             {39, 13, 96, 8}},
            {IDC_STATIC, ControlKind::kStaticText, "Copyright (C) 2026", SS_LEFT | WS_GROUP, {39, 24, 100, 8}},
            {IDOK, ControlKind::kPushButton, "Nice!", BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, {156, 7, 54, 15}},
            {IDC_STATIC, ControlKind::kStaticText, "The korvlink developers", SS_LEFT | WS_GROUP, {39, 35, 105, 8}},
            {IDC_STATIC, ControlKind::kStaticText,
             "This program comes with no warranty. It changes only the settings you confirm with OK.",
             SS_LEFT | WS_GROUP, {39, 59, 148, 28}},
            {IDC_STATIC, ControlKind::kStaticFrame, "", SS_ETCHEDHORZ, {38, 51, 160, 1}},
            {IDC_STATIC, ControlKind::kStaticText, "and to everyone who keeps old disks alive.", SS_LEFT | WS_GROUP,
             {39, 116, 148, 13}},
            {IDC_STATIC, ControlKind::kStaticText, "Thanks to the people who tested it on their files,",
             SS_LEFT | WS_GROUP, {39, 103, 161, 12}},
            {IDC_STATIC, ControlKind::kStaticFrame, "", SS_ETCHEDHORZ, {38, 93, 160, 1}},
        },
        {},
    };
    return dialog;
}

const VersionInfo& Version() {
    static const VersionInfo version{
        {1, 0, 0, 1},
        {1, 0, 0, 1},
        "040904B0",
        0x0409,
        0x04b0,
        {
            {"CompanyName", ""},
            {"FileDescription", "KORVLINK MFC Application"},
            {"FileVersion", "1, 0, 0, 1"},
            {"InternalName", "KORVLINK"},
            {"LegalTrademarks", ""},
            {"OriginalFilename", "KORVLINK.EXE"},
            {"ProductName", "KORVLINK Application"},
            {"ProductVersion", "1, 0, 0, 1"},
        },
    };
    return version;
}

}  // namespace

const DialogTemplate& SetupDialogTemplate() { return SetupDialog(); }
const DialogTemplate& AboutDialogTemplate() { return AboutDialog(); }

const std::vector<const DialogTemplate*>& AllDialogTemplates() {
    static const std::vector<const DialogTemplate*> all{&AboutDialog(), &SetupDialog()};
    return all;
}

const std::vector<std::pair<int, std::string>>& StringTable() {
    static const std::vector<std::pair<int, std::string>> strings{
        {IDS_ABOUTBOX, "&About korvlink..."},
    };
    return strings;
}

std::string LoadResourceString(int id) {
    for (const auto& [stringId, text] : StringTable()) {
        if (stringId == id) return text;
    }
    return std::string();
}

const VersionInfo& ProgramVersionInfo() { return Version(); }

const IconArt& ProgramIcon() { return Icon(); }
