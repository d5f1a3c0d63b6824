// Writes the program's icon file.
#include "IcoFile.h"
#include "KalimorIcon.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kalimor-icongen OUTPUT.ico\n");
        return 2;
    }
    const std::vector<std::uint8_t> bytes = EncodeIco(KalimorIconImages());
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "kalimor-icongen: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
