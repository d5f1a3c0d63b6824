#pragma once

#include <windows.h>

#include <vector>

// The two windows' templates as the program must show them: the window's
// caption and client size, and each control in template (z-) order.

struct DialogUnitRect {
    int x, y, width, height;
};

// Style bits are checked as (style & mask) == value, so that both present and
// absent bits can be required.
struct StyleRequirement {
    DWORD mask;
    DWORD value;
};

struct ControlLayout {
    int id;  // -1: no id of its own
    const char* className;
    const char* text;  // UTF-8; nullptr where the wording is free
    DialogUnitRect rect;
    StyleRequirement style;
    StyleRequirement exStyle;
    bool sizedByContent;  // an icon control takes the icon's own size
};

struct DialogLayout {
    const char* caption;  // UTF-8
    int clientWidth, clientHeight;  // dialog units
    std::vector<ControlLayout> controls;
};

const DialogLayout& SearchWindowLayout();
const DialogLayout& AboutWindowLayout();
