// kalimor-synthbook OUTPUT: writes the synthetic benchmark book to OUTPUT.
#include "SyntheticBook.h"
#include "ToolFiles.h"
#include "Utf8.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: kalimor-synthbook OUTPUT\n";
        return 2;
    }
    if (std::optional<std::string> error = bookformat::WriteWholeFile(argv[1], GenerateSyntheticBook())) {
        std::cerr << "kalimor-synthbook: " << bookformat::Printable(*error) << '\n';
        return 1;
    }
    return 0;
}
