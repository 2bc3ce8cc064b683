#pragma once

// The names under which the GTK backend tags its widgets (g_object_set_data), so that a widget
// can be found again by what it stands for: a control's template id, a window-menu command.

inline constexpr char kControlIdKey[] = "korvlink-control-id";          // on a control's widget
inline constexpr char kSystemMenuKey[] = "korvlink-system-menu";        // on a dialog: its GtkMenu
inline constexpr char kSystemCommandKey[] = "korvlink-system-command";  // on a menu item
inline constexpr char kHelpViewKey[] = "korvlink-help-view";            // on the help window: its text view
