#include "Canvas.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

constexpr int kCurveSteps = 48;
constexpr double kPi = 3.14159265358979323846;

bool InsidePolygon(const Polyline& outline, Point p)
{
    bool inside = false;
    for (std::size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
        const Point& a = outline[i];
        const Point& b = outline[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y))
            inside = !inside;
    }
    return inside;
}

double SquaredDistanceToSegment(Point p, Point a, Point b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    double t = lengthSquared > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared : 0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = a.x + t * dx - p.x, ey = a.y + t * dy - p.y;
    return ex * ex + ey * ey;
}

void Bounds(const Polyline& points, double margin, Point& low, Point& high)
{
    low = high = points.front();
    for (const Point& p : points) {
        low = {std::min(low.x, p.x), std::min(low.y, p.y)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y)};
    }
    low = {low.x - margin, low.y - margin};
    high = {high.x + margin, high.y + margin};
}

}  // namespace

Canvas::Canvas(int size, int samplesPerPixel)
    : m_size(size),
      m_samplesPerPixel(samplesPerPixel),
      m_width(size * samplesPerPixel),
      m_samples(static_cast<std::size_t>(m_width) * m_width)
{
}

template <typename Inside>
void Canvas::Paint(Point low, Point high, Inside inside, Rgb colour)
{
    auto known = std::find(m_colours.begin(), m_colours.end(), colour);
    if (known == m_colours.end()) {
        if (m_colours.size() == 255)
            throw std::length_error("a canvas holds at most 255 colours");
        known = m_colours.insert(m_colours.end(), colour);
    }
    const auto sample = static_cast<std::uint8_t>(known - m_colours.begin() + 1);

    const double n = m_samplesPerPixel;
    const int x0 = std::max(0, static_cast<int>(std::floor(low.x * n)));
    const int y0 = std::max(0, static_cast<int>(std::floor(low.y * n)));
    const int x1 = std::min(m_width - 1, static_cast<int>(std::ceil(high.x * n)));
    const int y1 = std::min(m_width - 1, static_cast<int>(std::ceil(high.y * n)));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            if (inside(Point{(x + 0.5) / n, (y + 0.5) / n}))
                m_samples[static_cast<std::size_t>(y) * m_width + x] = sample;
        }
    }
}

void Canvas::FillPolygon(const Polyline& outline, Rgb colour)
{
    Point low, high;
    Bounds(outline, 0, low, high);
    Paint(low, high, [&](Point p) { return InsidePolygon(outline, p); }, colour);
}

void Canvas::StrokeLine(const Polyline& points, double width, Rgb colour)
{
    const double radiusSquared = width * width / 4;
    Point low, high;
    Bounds(points, width / 2, low, high);
    Paint(low, high,
          [&](Point p) {
              for (std::size_t i = 0; i < points.size(); ++i) {
                  if (SquaredDistanceToSegment(p, points[i > 0 ? i - 1 : 0], points[i]) <= radiusSquared)
                      return true;
              }
              return false;
          },
          colour);
}

// pixelFrom turns the counts of a pixel's samples per painted colour into its colour.
template <typename PixelFromSamples>
Image Canvas::Resolve(PixelFromSamples pixelFrom) const
{
    const int perPixel = m_samplesPerPixel * m_samplesPerPixel;
    Image image;
    image.size = m_size;
    image.pixels.resize(static_cast<std::size_t>(m_size) * m_size);
    std::vector<int> counts(m_colours.size());
    for (int py = 0; py < m_size; ++py) {
        for (int px = 0; px < m_size; ++px) {
            std::fill(counts.begin(), counts.end(), 0);
            int painted = 0;
            for (int sy = 0; sy < m_samplesPerPixel; ++sy) {
                const std::size_t row = static_cast<std::size_t>(py * m_samplesPerPixel + sy) * m_width;
                for (int sx = 0; sx < m_samplesPerPixel; ++sx) {
                    if (const std::uint8_t s = m_samples[row + px * m_samplesPerPixel + sx]) {
                        ++counts[s - 1];
                        ++painted;
                    }
                }
            }
            if (painted == 0)
                continue;
            Pixel& pixel = image.pixels[static_cast<std::size_t>(py) * m_size + px];
            pixel.colour = pixelFrom(counts, painted);
            pixel.coverage = static_cast<std::uint8_t>((painted * 255 + perPixel / 2) / perPixel);
        }
    }
    return image;
}

Image Canvas::Resolve() const
{
    // Only painted samples count: the mask, not a blend, deals with the background.
    return Resolve([this](const std::vector<int>& counts, int painted) {
        int r = 0, g = 0, b = 0;
        for (std::size_t i = 0; i < counts.size(); ++i) {
            r += counts[i] * m_colours[i].r;
            g += counts[i] * m_colours[i].g;
            b += counts[i] * m_colours[i].b;
        }
        const auto average = [painted](int sum) { return static_cast<std::uint8_t>((sum + painted / 2) / painted); };
        return Rgb{average(r), average(g), average(b)};
    });
}

Image Canvas::Resolve(const Palette& palette) const
{
    std::vector<std::uint8_t> nearest;
    for (const Rgb& colour : m_colours)
        nearest.push_back(NearestIndex(palette, colour));
    return Resolve([&](const std::vector<int>& counts, int) {
        std::vector<int> votes(palette.size());
        for (std::size_t i = 0; i < counts.size(); ++i)
            votes[nearest[i]] += counts[i];
        return palette[std::max_element(votes.begin(), votes.end()) - votes.begin()];
    });
}

Polyline ArcPoints(Point centre, double radiusX, double radiusY, double fromDegrees, double toDegrees)
{
    Polyline points;
    for (int i = 0; i <= kCurveSteps; ++i) {
        const double angle = (fromDegrees + (toDegrees - fromDegrees) * i / kCurveSteps) * kPi / 180;
        points.push_back({centre.x + radiusX * std::cos(angle), centre.y - radiusY * std::sin(angle)});
    }
    return points;
}

Polyline CurvePoints(Point start, Point control, Point end)
{
    Polyline points;
    for (int i = 0; i <= kCurveSteps; ++i) {
        const double t = static_cast<double>(i) / kCurveSteps, u = 1 - t;
        points.push_back({u * u * start.x + 2 * u * t * control.x + t * t * end.x,
                          u * u * start.y + 2 * u * t * control.y + t * t * end.y});
    }
    return points;
}
