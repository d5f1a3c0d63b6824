// Resource identifiers, shared by the resource scripts and the code.
#define IDD_ABOUTBOX        100
#define IDS_ABOUTBOX        101
#define IDD_KALIMOR_DIALOG  102
#define IDR_MAINFRAME       128
#define IDC_ABOUT           3
#define IDC_EXIT            8
#define IDC_SEARCH          1000
#define IDC_RESULT          1003
#define IDC_DEFAULT_BUTTON  1005
#define IDM_ABOUTBOX        0x0010
