#include "ProgramTest.h"

#include <iostream>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " [GoogleTest options] PROGRAM.exe\n";
        return 2;
    }
    SetProgramPath(argv[1]);
    return RUN_ALL_TESTS();
}
