#include "ScalingBooks.h"

std::string RepeatedBook(const std::string& book, int copies)
{
    std::string repeated;
    repeated.reserve(book.size() * static_cast<std::size_t>(copies));
    for (int i = 0; i < copies; ++i)
        repeated += book;
    return repeated;
}

std::string BookWithChapterLineTail(const std::string& book, std::size_t size)
{
    const char kChapterLine[] = "*1* chapter\r\n";
    std::string text = book.substr(0, book.find('\n', 100000) + 1);
    text.reserve(size);
    while (text.size() + sizeof kChapterLine - 1 <= size)
        text += kChapterLine;
    return text;
}
