// kalimor-synthbook OUTPUT: writes the synthetic benchmark book to OUTPUT.
#include "SyntheticBook.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: kalimor-synthbook OUTPUT\n";
        return 2;
    }
    std::string book = GenerateSyntheticBook();
    std::ofstream out(argv[1], std::ios::binary);
    out.write(book.data(), static_cast<std::streamsize>(book.size()));
    out.close();
    if (!out) {
        std::cerr << "kalimor-synthbook: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
