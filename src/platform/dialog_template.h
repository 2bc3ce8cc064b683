#pragma once

// A dialog described once, as data: every backend draws it from this (the Windows build as real
// dialog resources, GTK as widgets, the headless backend as an in-memory model). Positions and
// sizes are dialog units of the dialog's font; styles carry the platform's own values.

#include <string>
#include <vector>

enum class ControlKind {
    kEdit,         // a single-line text field
    kPushButton,   // BS_DEFPUSHBUTTON marks the default button
    kGroupBox,
    kStaticText,
    kStaticIcon,   // shows the icon named by ControlTemplate::iconId
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
    int iconId = 0;       // kStaticIcon only
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
