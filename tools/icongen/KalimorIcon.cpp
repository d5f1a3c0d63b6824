#include "KalimorIcon.h"

#include "BookArt.h"
#include "Palette.h"

std::vector<IconImage> KalimorIconImages()
{
    std::vector<IconImage> images;
    for (int size : {48, 32, 16}) {
        const Canvas book = PaintBook(size);
        // Sixteen colours are too few to smooth edges with, so that image keeps them crisp.
        images.push_back({book.Resolve(WindowsPalette16()), 4});
        // At 16 pixels blended edges read as blur.
        const Image full = size == 16 ? book.ResolveCrisp() : book.Resolve();
        images.push_back({full, 8});
        images.push_back({full, 24});
    }
    return images;
}
