#pragma once

#include <windows.h>

// Points the test program's own import of dll!function at replacement while
// this object lives, so that a test sees the calls that code linked into the
// test program makes to the system.
class ImportPatch {
public:
    ImportPatch(const char* dll, const char* function, void* replacement);
    ~ImportPatch();
    ImportPatch(const ImportPatch&) = delete;
    ImportPatch& operator=(const ImportPatch&) = delete;

    // False when the program imports no such function.
    bool Applied() const { return m_slot != nullptr; }

private:
    static void Write(void** slot, void* value);

    void** m_slot = nullptr;
    void* m_original = nullptr;
};
