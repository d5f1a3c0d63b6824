#include "DictionaryDlg.h"

#include "AboutDlg.h"
#include "PaintDC.h"
#include "ResourceString.h"
#include "WinApp.h"
#include "resource.h"

namespace {

// EM_CHARFROMPOS answers in 16 bits: the line and the character are rebuilt
// from the first visible line and the clicked line's start, which are exact.
int CharacterIndexAt(const CEdit& edit, POINT point)
{
    DWORD answer = static_cast<DWORD>(edit.CharFromPos(point));
    int firstVisible = edit.GetFirstVisibleLine();
    int line = firstVisible + static_cast<WORD>(HIWORD(answer) - firstVisible);
    int lineStart = edit.LineIndex(line);
    return lineStart + static_cast<WORD>(LOWORD(answer) - lineStart);
}

}  // namespace

const MessageEntry<CDictionaryDlg> CDictionaryDlg::messageMap[] = {
    OnMessage<CDictionaryDlg, &CDictionaryDlg::OnSysCommand>(WM_SYSCOMMAND),
    OnMessage<CDictionaryDlg, &CDictionaryDlg::OnPaint>(WM_PAINT),
    OnMessage<CDictionaryDlg, &CDictionaryDlg::OnQueryDragIcon>(WM_QUERYDRAGICON),
    OnMessage<CDictionaryDlg, &CDictionaryDlg::OnDpiChanged>(WM_DPICHANGED),
    OnCommand<CDictionaryDlg, &CDictionaryDlg::OnEnChangeSearch>(EN_CHANGE, IDC_SEARCH),
    OnCommand<CDictionaryDlg, &CDictionaryDlg::OnEnSetfocusResult>(EN_SETFOCUS, IDC_RESULT),
    OnCommand<CDictionaryDlg, &CDictionaryDlg::OnBnClickedAbout>(BN_CLICKED, IDC_ABOUT),
    OnCommand<CDictionaryDlg, &CDictionaryDlg::OnBnClickedExit>(BN_CLICKED, IDC_EXIT),
};

CDictionaryDlg::CDictionaryDlg(CWnd* parent)
    : CDialog(IDD_KALIMOR_DIALOG, parent),
      m_hIcon(::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME)))
{
}

bool CDictionaryDlg::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    return DispatchMessageMap(*this, messageMap, message, wParam, lParam, result) ||
           CDialog::OnWndMsg(message, wParam, lParam, result);
}

// The boxes are attached before the search text goes in: setting it runs the
// change rule, which works on them.
void CDictionaryDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_SEARCH, m_editSearch);
    DDX_Control(pDX, IDC_RESULT, m_editResult);
    DDX_Text(pDX, IDC_SEARCH, m_strSearch);
}

BOOL CDictionaryDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    CMenu sysMenu = GetSystemMenu(FALSE);
    if (sysMenu.m_hMenu) {
        CString aboutMenu = LoadResourceString(IDS_ABOUTBOX);
        if (!aboutMenu.IsEmpty()) {
            sysMenu.AppendMenu(MF_SEPARATOR);
            sysMenu.AppendMenu(MF_STRING, IDM_ABOUTBOX, aboutMenu);
        }
    }

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    return TRUE;
}

void CDictionaryDlg::OnEnSetfocusResult()
{
    PlaceResultCaretAtClick();
    CSearchRules::OnEnSetfocusResult();
}

// The pick reads the caret's line, so a click that gives the result box the
// focus must have put the caret at the clicked character first. Edit controls
// differ in whether they move the caret before or after taking the focus:
// this does it here, from the position of the click being handled.
void CDictionaryDlg::PlaceResultCaretAtClick()
{
    if (::GetKeyState(VK_LBUTTON) >= 0)
        return;
    DWORD position = ::GetMessagePos();
    POINT click = {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    m_editResult.ScreenToClient(&click);
    RECT client;
    m_editResult.GetClientRect(&client);
    if (!::PtInRect(&client, click))
        return;
    int index = CharacterIndexAt(m_editResult, click);
    m_editResult.SetSel(index, index);
}

void CDictionaryDlg::OnSysCommand(UINT id, LPARAM)
{
    if ((id & 0xFFF0) == IDM_ABOUTBOX)
        OnBnClickedAbout();
    else
        Default();
}

// Minimized, the window shows its icon centred in the client area.
void CDictionaryDlg::OnPaint()
{
    if (!IsIconic()) {
        Default();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    int cxIcon = ::GetSystemMetrics(SM_CXICON);
    int cyIcon = ::GetSystemMetrics(SM_CYICON);
    RECT rect;
    GetClientRect(&rect);
    int x = (rect.right - rect.left - cxIcon + 1) / 2;
    int y = (rect.bottom - rect.top - cyIcon + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

// On a monitor of another scale the caption's icons are drawn from images of
// that scale's sizes: the system's 32 and 16 pixels at 96 dpi, scaled.
void CDictionaryDlg::OnDpiChanged(UINT dpi, LPARAM suggestedRect)
{
    CDialog::OnDpiChanged(dpi, suggestedRect);
    SetIconOfSize(::MulDiv(32, static_cast<int>(LOWORD(dpi)), USER_DEFAULT_SCREEN_DPI), TRUE);
    SetIconOfSize(::MulDiv(16, static_cast<int>(LOWORD(dpi)), USER_DEFAULT_SCREEN_DPI), FALSE);
}

// The icon it replaces is freed, unless it is m_hIcon, which the system shares.
void CDictionaryDlg::SetIconOfSize(int size, BOOL bigIcon)
{
    HICON icon = static_cast<HICON>(
        ::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    HICON replaced = SetIcon(icon, bigIcon);
    if (replaced && replaced != m_hIcon)
        ::DestroyIcon(replaced);
}

HCURSOR CDictionaryDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}

void CDictionaryDlg::OnBnClickedAbout()
{
    CAboutDlg about;
    about.DoModal();
}

void CDictionaryDlg::OnBnClickedExit()
{
    OnOK();
}

CString CDictionaryDlg::GetSearchText() const
{
    CString text;
    m_editSearch.GetWindowText(text);
    return text;
}

void CDictionaryDlg::SetSearchText(const CString& text)
{
    // The edit control reports the change with EN_CHANGE, which runs the change rule before this returns.
    m_editSearch.SetWindowText(text);
}

CString CDictionaryDlg::GetResultText() const
{
    CString text;
    m_editResult.GetWindowText(text);
    return text;
}

void CDictionaryDlg::SetResultText(const CString& text)
{
    m_editResult.SetWindowText(text);
}

int CDictionaryDlg::GetResultCaretLineStart() const
{
    return m_editResult.LineIndex(-1);
}
