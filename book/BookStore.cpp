#include "BookStore.h"

#include "BookLength.h"

// Defined in BookText.S; the asm label keeps the symbol name the same on every target.
extern const char kalimorBookText[] asm("kalimor_book_text");

// Both operations live alone in their own section and only return constants.
__attribute__((section(".code"))) const char* BookStore::GetStart()
{
    return kalimorBookText;
}

__attribute__((section(".code"))) std::uint32_t BookStore::GetLength()
{
    return kBookLength;
}
