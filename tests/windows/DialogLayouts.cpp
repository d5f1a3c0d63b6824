#include "DialogLayouts.h"

#include "resource.h"

namespace {

constexpr DWORD kRtl = WS_EX_RTLREADING;
constexpr StyleRequirement kRightToLeft = {WS_EX_RTLREADING, WS_EX_RTLREADING};
constexpr StyleRequirement kLeftToRight = {WS_EX_RTLREADING, 0};

// A visible static text control: its alignment, a group start, never a tab stop.
constexpr StyleRequirement StaticText(DWORD alignment, DWORD extra = 0)
{
    return {SS_TYPEMASK | WS_VISIBLE | WS_GROUP | WS_TABSTOP | extra, alignment | WS_VISIBLE | WS_GROUP | extra};
}

}  // namespace

const DialogLayout& SearchWindowLayout()
{
    static const DialogLayout layout = {
        "Kalimor", 217, 145,
        {
            {IDC_SEARCH, "Edit", "", {11, 7, 155, 14},
             {ES_RIGHT | ES_NOHIDESEL | ES_AUTOHSCROLL | ES_MULTILINE | ES_READONLY | WS_TABSTOP | WS_VISIBLE,
              ES_RIGHT | ES_NOHIDESEL | WS_VISIBLE},
             kRightToLeft, false},
            {-1, "Static", "ابحث عن:", {167, 7, 40, 12}, StaticText(SS_RIGHT), kRightToLeft, false},
            {IDC_RESULT, "Edit", "", {10, 31, 197, 79},
             {ES_RIGHT | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | ES_AUTOHSCROLL |
                  WS_HSCROLL | WS_TABSTOP | WS_VISIBLE,
              ES_RIGHT | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_VISIBLE},
             {kRtl | WS_EX_CLIENTEDGE, kRtl | WS_EX_CLIENTEDGE}, false},
            {IDC_ABOUT, "Button", "عن البرنامج", {50, 122, 50, 16},
             {BS_TYPEMASK | WS_TABSTOP | WS_VISIBLE, BS_PUSHBUTTON | WS_VISIBLE}, kLeftToRight, false},
            {IDC_EXIT, "Button", "خروج", {122, 122, 50, 16},
             {BS_TYPEMASK | WS_TABSTOP | WS_VISIBLE, BS_PUSHBUTTON | WS_VISIBLE}, kLeftToRight, false},
            {IDC_DEFAULT_BUTTON, "Button", "Button1", {68, 71, 19, 11},
             {BS_TYPEMASK | WS_TABSTOP | WS_VISIBLE, BS_DEFPUSHBUTTON | WS_TABSTOP}, kLeftToRight, false},
        }};
    return layout;
}

const DialogLayout& AboutWindowLayout()
{
    static const DialogLayout layout = {
        "عن البرنامج", 250, 143,
        {
            {-1, "Static", "طريقة الاستخدام:", {193, 34, 49, 12}, StaticText(SS_RIGHT), kRightToLeft, false},
            {-1, "Static", nullptr, {7, 8, 20, 20}, {SS_TYPEMASK | WS_GROUP | WS_TABSTOP, SS_ICON}, {0, 0}, true},
            {-1, "Static", " برنامج Kalimor", {18, 8, 60, 8}, StaticText(SS_LEFT, SS_NOPREFIX), kLeftToRight,
             false},
            {-1, "Static", "الاتصال من خلال البريد الالكترونى:", {134, 107, 98, 10}, StaticText(SS_LEFT),
             kRightToLeft, false},
            {IDOK, "Button", "OK", {99, 120, 50, 16},
             {BS_TYPEMASK | WS_TABSTOP | WS_GROUP | WS_VISIBLE, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP | WS_VISIBLE},
             kLeftToRight, false},
            {-1, "Static", "يمكنك من خلال هذا البرنامج ان تبحث فى كتاب Kalimor بطريقه سهله وفعاله.",
             {57, 22, 183, 12}, StaticText(SS_CENTER), {kRtl | WS_EX_RIGHT, kRtl | WS_EX_RIGHT}, false},
            {-1, "Static", "عند كتابه كلمه البحث تظهر كل الكلمات التلى تبدا بنفس الحروف.", {89, 42, 153, 8},
             StaticText(SS_RIGHT), kRightToLeft, false},
            {-1, "Static", "عند الضغط بالفاره على اى كلمه يظهر معناها كما هو مكتوب فى كتاب Kalimor.",
             {44, 50, 198, 8}, StaticText(SS_RIGHT), kRightToLeft, false},
            {-1, "Static",
             "واذا كانت الكلمه التى تريد البحث عنها كامله فإن معناها يظهر تلقائيا حسب معناها فى كتاب Kalimor.",
             {10, 59, 232, 8}, StaticText(SS_RIGHT), kRightToLeft, false},
            {-1, "Static", nullptr, {19, 107, 115, 8}, StaticText(SS_LEFT), kLeftToRight, false},
            {-1, "Static", nullptr, {38, 71, 194, 9}, StaticText(SS_CENTER), kRightToLeft, false},
            {-1, "Static",
             "فى حاله اكتشاف اى خطأ او وجود اى اقتراحات أو تريد الاطلاع على ما هو جديد لا تتردد فى مراسلتنا.",
             {45, 84, 175, 16}, StaticText(SS_CENTER), kRightToLeft, false},
        }};
    return layout;
}
