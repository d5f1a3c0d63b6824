#pragma once

#include "WinApp.h"

// The application: runs the main search window modally and ends when it closes.
class CDictionaryApp : public CWinApp {
public:
    BOOL InitInstance() override;
    bool OnCmdMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static const MessageEntry<CDictionaryApp> messageMap[];
};
