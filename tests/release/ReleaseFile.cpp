#include "ReleaseFile.h"

#include "ReleasePaths.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

const pe::PeImage& ReleaseImage()
{
    static const pe::PeImage image = pe::PeImage::Load(kReleaseProgramPath);
    return image;
}

const pe::ResourceTree& ReleaseResources()
{
    static const pe::ResourceTree resources(ReleaseImage());
    return resources;
}

const std::string& BookFile()
{
    static const std::string book = [] {
        std::ifstream file(kBookPath, std::ios::binary);
        if (!file)
            throw std::runtime_error(std::string("cannot open the book ") + kBookPath);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }();
    return book;
}
