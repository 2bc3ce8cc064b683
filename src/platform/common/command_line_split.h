#pragma once

// Splitting a Windows command line into argv, by the Windows C runtime's rules, so that a
// command written for Windows ("c:\my emu\korvo.exe" -a) reaches a Linux program the same way.

#include <string>
#include <vector>

// The program name (argv[0]) runs to the first blank or tab outside double quotes; its quotes
// only toggle, backslashes are plain. Each later argument ends at a blank or tab outside quotes;
// 2n backslashes before a quote give n backslashes and the quote toggles, 2n+1 give n and a
// literal quote; inside quotes "" is a literal quote; other backslashes are plain. An empty
// pair of quotes is an empty argument. A line that starts with a blank has an empty argv[0].
std::vector<std::string> SplitCommandLine(const std::string& commandLine);
