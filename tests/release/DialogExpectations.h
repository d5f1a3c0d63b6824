#pragma once

#include "DialogTemplateEx.h"
#include "Hex.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

namespace pe {

// Failure messages show a rectangle as the tables give it.
inline void PrintTo(const DialogRect& rect, std::ostream* out)
{
    *out << rect.x << ", " << rect.y << ", " << rect.cx << ", " << rect.cy;
}

}  // namespace pe

// A style field that takes one value among several (a control's type, a text's
// alignment): the bits under `mask` must equal `value`.
struct StyleValue {
    std::uint32_t mask = 0;
    std::uint32_t value = 0;
};

// One row of a template's table of controls: what the control must be, and the
// style bits that must be set and clear for the behaviour that the row lists.
struct ExpectedControl {
    const char* row;
    std::uint32_t id;
    std::u16string windowClass;
    std::optional<pe::NameOrOrdinal> text;  // nothing where the wording is ours to choose
    pe::DialogRect rect;
    StyleValue kind;
    std::uint32_t styleSet = 0;
    std::uint32_t styleClear = 0;
    std::uint32_t exStyleSet = 0;
    std::uint32_t exStyleClear = 0;
};

// The id of a control that has none, -1 in the template's 32-bit field.
inline constexpr std::uint32_t kNoId = 0xFFFFFFFF;

// The release program's dialog template `id` under Arabic (Egypt); throws when it is absent.
pe::DialogTemplateEx ReleaseDialog(std::uint16_t id);

void ExpectControl(const pe::DialogItem& item, const ExpectedControl& expected);
