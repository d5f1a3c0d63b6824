#pragma once

#include "BookQueries.h"
#include "ProgramProcess.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// The program file under test, from the test program's command line.
const std::string& ProgramPath();
void SetProgramPath(const std::string& path);


// A fresh program for each test, with its main window and two boxes at hand.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override;

    std::wstring SearchText() const;
    std::wstring ResultText() const;

    // A click into the search box, which activates the window and gives the box the focus;
    // then End puts the caret after the text.
    void FocusSearchBox() const;
    // Waits until the boxes hold these texts (Windows-1256), then checks them in UTF-16.
    void ExpectBoxes(const std::string& search, const std::string& result) const;
    // Waits until control holds the keyboard focus.
    bool WaitForFocus(HWND control) const;
    // Where the search box's caret stands (the start of its selection). Moving it
    // changes no text, so a key that moves it marks how far the keys sent so far have been handled.
    int SearchCaret() const;
    // Waits for the About window, a dialog box owned by the main window; null when none opens.
    HWND WaitForAboutWindow() const;
    // Types a query and waits until the result box shows its listing.
    void TypeQuery(const std::string& query) const;

    std::unique_ptr<ProgramProcess> m_program;
    HWND m_main = nullptr;
    HWND m_search = nullptr;
    HWND m_result = nullptr;
};
