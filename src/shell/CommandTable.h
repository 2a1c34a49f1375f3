#pragma once

#include <QString>

#include <vector>

// Commands that only the main window carries; the shared ones are in
// commands/CommandIds.h.
enum ShellCommandId : int {
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,
    ID_WINDOW_CASCADE = 57650,
    ID_WINDOW_TILE = 57651,
    ID_WINDOW_NEXT = 57680,
    ID_WINDOW_PREVIOUS = 57681,
    ID_PREFERENCES = 32821,
};

// What a menu item or toolbar button shows for one command.
struct CommandInfo
{
    int id;
    const char *text; // menu text with its mnemonic
    const char *shortcut; // portable key sequences separated by "; ", may be empty
    const char *prompt; // status-bar prompt
    const char *iconName; // freedesktop icon name, may be empty
    const char *iconFallback; // our own icon in the resources, may be empty
    const char *shortName = ""; // toolbar tooltip; empty: the menu text
};

// Every command of the menus and the toolbar, in no particular order.
const std::vector<CommandInfo> &commandTable();
// The entry of one command, or null.
const CommandInfo *findCommand(int id);
