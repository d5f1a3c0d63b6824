#include "Canvas.h"

#include <gtest/gtest.h>

namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kRed{255, 0, 0};

Polyline Rectangle(double left, double top, double right, double bottom)
{
    return {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
}

}  // namespace

TEST(Canvas, CoverageIsTheShareOfThePixelPainted)
{
    Canvas canvas(4, 8);
    canvas.FillPolygon(Rectangle(1, 1, 3, 2.5), kRed);
    const Image image = canvas.Resolve();

    EXPECT_EQ(image.At(1, 1).coverage, 255);
    EXPECT_EQ(image.At(2, 1).coverage, 255);
    EXPECT_EQ(image.At(1, 2).coverage, 128);
    EXPECT_TRUE(image.IsOpaque(1, 2));
    EXPECT_EQ(image.At(0, 1).coverage, 0);
    EXPECT_EQ(image.At(3, 3).coverage, 0);
    EXPECT_EQ(image.At(2, 2).colour, kRed);  // partly covered pixels keep the shape's own colour
}

TEST(Canvas, SmoothResolveAveragesWhereCrispTakesTheMajority)
{
    Canvas canvas(1, 8);
    canvas.FillPolygon(Rectangle(0, 0, 1, 1), kWhite);
    canvas.FillPolygon(Rectangle(0, 0, 0.25, 1), kBlack);

    EXPECT_EQ(canvas.Resolve().At(0, 0).colour, (Rgb{191, 191, 191}));
    EXPECT_EQ(canvas.ResolveCrisp().At(0, 0).colour, kWhite);
}

TEST(Canvas, PaletteResolvePoolsColoursWithTheSameNearestEntry)
{
    Canvas canvas(1, 8);
    canvas.FillPolygon(Rectangle(0, 0, 1, 1), kWhite);
    canvas.FillPolygon(Rectangle(0, 0, 0.25, 1), kBlack);
    canvas.FillPolygon(Rectangle(0.25, 0, 0.625, 1), Rgb{40, 40, 40});

    // White alone covers more than black or the dark grey, but not more than both.
    const Palette greys = {{160, 160, 160}, {64, 64, 64}};
    EXPECT_EQ(canvas.Resolve(greys).At(0, 0).colour, greys[1]);
}

TEST(Canvas, StrokeHasItsWidthAndRoundEnds)
{
    Canvas canvas(8, 8);
    canvas.StrokeLine({{1, 2}, {5, 2}}, 2, kRed);
    const Image image = canvas.Resolve();

    for (int x = 1; x < 5; ++x) {
        EXPECT_EQ(image.At(x, 0).coverage, 0) << x;
        EXPECT_EQ(image.At(x, 1).coverage, 255) << x;
        EXPECT_EQ(image.At(x, 2).coverage, 255) << x;
        EXPECT_EQ(image.At(x, 3).coverage, 0) << x;
    }
    // A round end covers part of the pixel beyond each end point, less than a square one would.
    for (int x : {0, 5}) {
        EXPECT_GT(image.At(x, 1).coverage, 128) << x;
        EXPECT_LT(image.At(x, 1).coverage, 255) << x;
    }
    EXPECT_EQ(image.At(6, 1).coverage, 0);
}

TEST(Canvas, ArcsRunCounterClockwiseOnScreen)
{
    const Polyline arc = ArcPoints({10, 10}, 4, 2, 0, 90);
    EXPECT_NEAR(arc.front().x, 14, 1e-9);
    EXPECT_NEAR(arc.front().y, 10, 1e-9);
    EXPECT_NEAR(arc.back().x, 10, 1e-9);
    EXPECT_NEAR(arc.back().y, 8, 1e-9);
}
