#include "BookArt.h"

#include <stdexcept>

namespace {

constexpr int kSamplesPerPixel = 16;
constexpr double kEdgeWidth = 1;  // page edges and lines of text, in pixels

constexpr Rgb kCover{0, 51, 153};
constexpr Rgb kPage{255, 255, 250};
constexpr Rgb kPageEdge{110, 110, 120};
constexpr Rgb kTextLine{150, 160, 180};
constexpr Rgb kLetter{170, 0, 0};

// The book's proportions for one size, in that size's pixels, chosen so that
// one-pixel edges along the spine and the outer sides cover whole pixels.
// The book is symmetric about the spine.
struct Layout {
    int size;
    double spine;
    double gutter;      // space between the two pages' inner edges
    double pageLeft;    // outer edge of the left-hand page
    double pageTop;     // height of the outer corners
    double arch;        // how far each page's top edge bulges above its corners
    double spineDip;    // how far the spine sits below the corners
    double pageHeight;
    double coverSide;   // how far the cover shows beyond the pages
    double coverBelow;  // ... and below them
    int textLines;
    double textGap;     // between lines, and from the top edge to the first
    double letterLeft, letterTop, letterRight, letterBottom;
    double letterWidth;
    bool blockLetter;   // the letter from straight strokes through pixel centres
};

constexpr Layout kLayouts[] = {
    {48, 23.5, 0, 2.5, 11, 3, 2, 25, 2.5, 3, 5, 4, 27, 11.5, 42, 31, 2.6, false},
    {32, 15.5, 0, 1.5, 7, 2, 1.5, 17, 1.5, 2, 4, 3, 18.5, 8, 27.5, 21, 2.0, false},
    {16, 8, 1, 0.5, 2.5, 0.4, 1, 10, 0, 1.5, 3, 2, 9.5, 4.5, 13.5, 10.5, 1.0, true},
};

const Layout& LayoutFor(int size)
{
    for (const Layout& layout : kLayouts) {
        if (layout.size == size)
            return layout;
    }
    throw std::invalid_argument("the book is painted at 48, 32 or 16 pixels");
}

Polyline Mirrored(Polyline points, double spine)
{
    for (Point& p : points)
        p.x = 2 * spine - p.x;
    return points;
}

Polyline Shifted(Polyline points, double down)
{
    for (Point& p : points)
        p.y += down;
    return points;
}

Polyline Joined(Polyline first, const Polyline& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

Polyline Reversed(const Polyline& points)
{
    return Polyline(points.rbegin(), points.rend());
}

// The top edge of the left-hand page, from its outer corner into the spine.
Polyline LeftPageTop(const Layout& l)
{
    return CurvePoints({l.pageLeft, l.pageTop}, {l.pageLeft + (l.spine - l.pageLeft) * 0.45, l.pageTop - 2 * l.arch},
                       {l.spine - l.gutter / 2, l.pageTop + l.spineDip});
}

Polyline LeftPage(const Layout& l)
{
    const Polyline top = LeftPageTop(l);
    return Joined(top, Reversed(Shifted(top, l.pageHeight)));
}

// The cover's outline, both halves: the pages' outline widened and lowered.
Polyline Cover(const Layout& l)
{
    const double left = l.pageLeft - l.coverSide;
    const double top = l.pageTop + l.coverBelow, bottom = top + l.pageHeight;
    const Polyline half = Joined(Polyline{{l.spine, top + l.spineDip}, {left, top}},
                                 CurvePoints({left, bottom}, {left + (l.spine - left) * 0.45, bottom - 2 * l.arch},
                                             {l.spine, bottom + l.spineDip}));
    return Joined(half, Reversed(Mirrored(half, l.spine)));
}

// The letter ain as strokes in a unit box: the small open head, the baseline
// running right from it, and the large bowl below.
std::vector<Polyline> CurvedLetter()
{
    return {
        Joined(ArcPoints({0.62, 0.19}, 0.24, 0.15, 20, 270), {{0.95, 0.34}}),
        Joined({{0.47, 0.31}}, Joined(ArcPoints({0.55, 0.66}, 0.5, 0.32, 120, 330), {{1.0, 0.76}})),
    };
}

// The same letter on a grid of 5 by 7 pixels, for the smallest icon.
std::vector<Polyline> BlockLetter()
{
    const auto grid = [](Polyline points) {
        for (Point& p : points)
            p = {p.x / 4, p.y / 6};
        return points;
    };
    return {
        grid({{3, 0}, {2, 0}, {1, 1}, {2, 2}, {4, 2}}),
        grid({{2, 2}, {0, 4}, {0, 5}, {1, 6}, {3, 6}, {4, 5}}),
    };
}

std::vector<Polyline> Letter(const Layout& l)
{
    const double width = l.letterRight - l.letterLeft, height = l.letterBottom - l.letterTop;
    std::vector<Polyline> strokes = l.blockLetter ? BlockLetter() : CurvedLetter();
    for (Polyline& stroke : strokes) {
        for (Point& p : stroke)
            p = {l.letterLeft + p.x * width, l.letterTop + p.y * height};
    }
    return strokes;
}

}  // namespace

Canvas PaintBook(int size)
{
    const Layout& l = LayoutFor(size);
    Canvas canvas(size, kSamplesPerPixel);

    canvas.FillPolygon(Cover(l), kCover);
    for (const Polyline& page : {LeftPage(l), Mirrored(LeftPage(l), l.spine)}) {
        canvas.FillPolygon(page, kPage);
        canvas.StrokeLine(Joined(page, {page.front()}), kEdgeWidth, kPageEdge);
    }
    // Right-aligned lines of text on the left-hand page, ragged at the outer edge.
    const Polyline top = LeftPageTop(l);
    const std::size_t steps = top.size() - 1;
    for (int i = 0; i < l.textLines; ++i) {
        const Polyline line = Shifted(top, l.textGap * (i + 1));
        canvas.StrokeLine(Polyline(line.begin() + steps * (i % 2 ? 3 : 1) / 10, line.end() - steps / 5), kEdgeWidth,
                          kTextLine);
    }
    for (const Polyline& stroke : Letter(l))
        canvas.StrokeLine(stroke, l.letterWidth, kLetter);
    return canvas;
}
