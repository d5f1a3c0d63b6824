#pragma once

#include "Image.h"
#include "Palette.h"

#include <cstdint>

#include <vector>

struct Point {
    double x = 0, y = 0;
};

using Polyline = std::vector<Point>;

// Paints shapes onto a grid of samples finer than the icon's pixels, then
// averages each pixel's samples for smooth edges. Coordinates are in pixels
// of the final image, y pointing down; a later shape paints over an earlier one.
class Canvas {
public:
    Canvas(int size, int samplesPerPixel);

    void FillPolygon(const Polyline& outline, Rgb colour);
    // A line of the given width through the points, with round ends and joints.
    void StrokeLine(const Polyline& points, double width, Rgb colour);

    // Each pixel gets the average colour of its painted samples.
    Image Resolve() const;
    // Each pixel gets the palette colour that most of its painted samples are
    // nearest to: crisp edges with no in-between colours.
    Image Resolve(const Palette& palette) const;
    // Each pixel gets the colour painted on most of its samples.
    Image ResolveCrisp() const { return Resolve(m_colours); }

private:
    template <typename Inside>
    void Paint(Point low, Point high, Inside inside, Rgb colour);
    template <typename PixelFromSamples>
    Image Resolve(PixelFromSamples pixelFrom) const;

    int m_size;
    int m_samplesPerPixel;
    int m_width;  // in samples
    std::vector<Rgb> m_colours;           // every colour painted so far
    std::vector<std::uint8_t> m_samples;  // 0 for unpainted, else 1 + an index into m_colours
};

// Points along a circular arc; angles in degrees, counter-clockwise as seen on screen.
Polyline ArcPoints(Point centre, double radiusX, double radiusY, double fromDegrees, double toDegrees);
// Points along the quadratic curve from start to end pulled towards control.
Polyline CurvePoints(Point start, Point control, Point end);
