#pragma once

// Control and message texts as Windows writes them, turned into what GTK shows.

#include <string>

// A Windows text with '&' mnemonics ("&Help") as a GTK mnemonic text ("_Help"): "&&" is an
// ampersand, an underscore is doubled so that it shows as itself, and a lone '&' at the end
// shows nothing.
std::string GtkMnemonicText(const std::string& windowsText);

// CR LF (and a lone CR) as the line feed GTK breaks lines at.
std::string UnixLineBreaks(const std::string& text);
