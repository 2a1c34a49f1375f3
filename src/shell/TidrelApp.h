#pragma once

// Process-wide start-up shared by the program, its tests and its tools.
class CTidrelApp
{
public:
    // Before the QApplication exists: what QtWebEngine (without its sandbox
    // when run as root) and the per-user settings need.
    static void prepareProcess();
    // After the QApplication exists and before any window: the program's
    // translations, its icon, the post footer as the feed's description
    // filter, the ring around the focused widget, the guard that keeps the wheel
    // from changing values it only passes over.
    static void initInstance();
};
