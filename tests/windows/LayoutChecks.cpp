#include "LayoutChecks.h"

#include "Encoding.h"
#include "WindowQueries.h"

#include <gtest/gtest.h>

#include <strings.h>

void ExpectControlsAsLaidOut(HWND dialog, const DialogLayout& layout)
{
    EXPECT_EQ(WindowText(dialog), Utf8ToWide(layout.caption));
    std::vector<HWND> controls = ChildWindows(dialog);
    ASSERT_EQ(controls.size(), layout.controls.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlLayout& expected = layout.controls[i];
        HWND control = controls[i];
        SCOPED_TRACE(testing::Message() << "control #" << i + 1 << ", id " << expected.id);
        EXPECT_EQ(::GetDlgCtrlID(control), expected.id);
        EXPECT_EQ(strcasecmp(ClassNameOf(control).c_str(), expected.className), 0) << ClassNameOf(control);
        if (expected.text) {
            EXPECT_EQ(WindowText(control), Utf8ToWide(expected.text));
        }
        DWORD style = static_cast<DWORD>(::GetWindowLongPtrA(control, GWL_STYLE));
        DWORD exStyle = static_cast<DWORD>(::GetWindowLongPtrA(control, GWL_EXSTYLE));
        EXPECT_EQ(style & expected.style.mask, expected.style.value) << std::hex << "style " << style;
        EXPECT_EQ(exStyle & expected.exStyle.mask, expected.exStyle.value) << std::hex << "extended style " << exStyle;
    }
}
