// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/check_picture.h"

#include <algorithm>
#include <cmath>

namespace planner {

namespace {

// The picture's inches: where the drawing lies, its room for a
// magnified deviation, the size of its texts.
constexpr double width = 4, height = 2.4, left = 0.3, right = 3.7, top = 0.4, bottom = 1.7,
                 room = 0.35, size = 8;
constexpr double mostTimes = 1000; // beyond, a deviation is the measurements' grain

std::string length(double value, const Section& s)
{
    return cat({figure(value, s.places), " ", designOf(s.unit).symbol});
}

// The largest of 1, 2 and 5 times a power of ten that is not above x.
double roundDown(double x)
{
    const double ten = std::pow(10, std::floor(std::log10(x)));
    return x >= 5 * ten ? 5 * ten : x >= 2 * ten ? 2 * ten : ten;
}

} // namespace

double magnification(double furthest, double room)
{
    return furthest > 0 ? std::clamp(roundDown(room / furthest), 1.0, mostTimes) : 1;
}

Picture sectionPicture(const Section& s)
{
    const auto [lowest, highest] = std::minmax_element(s.x.begin(), s.x.end());
    const double low = *lowest, high = *highest, centre = s.fit.centre();
    const double deepest = std::max(s.fit.at(centre), *std::max_element(s.h.begin(), s.h.end()));
    const double across = (right - left) / (high - low), down = (bottom - top) / deepest;
    const auto at = [&](double x, double depth) -> Point {
        return {left + (x - low) * across, top + depth * down};
    };
    // A deviation below the places shown is none the measurements tell.
    double furthest = 0;
    std::size_t worst = 0;
    for (std::size_t i = 0; i < s.axial.size(); ++i)
        if (std::abs(s.axial[i]) > furthest)
            furthest = std::abs(s.axial[i]), worst = i;
    if (furthest < 0.5 * std::pow(10, -s.places))
        furthest = 0;
    const double times = magnification(furthest * down, room);
    Picture p{width, height, {}, {}};
    p.shapes.push_back(line({at(low, 0), at(high, 0)}, 0.5, true));
    std::vector<Point> curve;
    for (int i = 0; i <= 48; ++i) {
        const double x = low + (high - low) * i / 48;
        curve.push_back(at(x, s.fit.at(x)));
    }
    p.shapes.push_back(line(std::move(curve), 1));
    for (std::size_t i = 0; i < s.x.size(); ++i) {
        const Point on = at(s.x[i], s.fit.at(s.x[i])),
                    off = at(s.x[i], s.fit.at(s.x[i]) + s.axial[i] * times);
        p.shapes.push_back(line({on, off}, 0.5));
        p.shapes.push_back(
            box({off.x - 0.035, off.y - 0.035}, {off.x + 0.035, off.y + 0.035}, false, 0.8));
    }
    p.shapes.push_back(text({left, top - 0.12}, length(low, s), size));
    p.shapes.push_back(text({right, top - 0.12}, length(high, s), size, Shape::Anchor::End));
    const Point vertex = at(centre, s.fit.at(centre));
    const std::string deep = figure(s.fit.at(centre), designOf(s.unit).places) + " " +
                             std::string(designOf(s.unit).symbol);
    p.shapes.push_back(line({{vertex.x, top}, vertex}, 0.4, true)); // the axis
    p.shapes.push_back(
        text({vertex.x, top - 0.12}, deep + " deep at the centre", size, Shape::Anchor::Middle));
    const std::string said =
        cat({"The ", std::to_string(s.x.size()), " points measured along the edge, from ",
             length(low, s), " to ", length(high, s), ", against the parabola fitted to them, ",
             deep, " deep at its centre"});
    if (furthest == 0) {
        p.alternative = said + "; every point lies on the curve.";
        return p;
    }
    const std::string magnified = figure(times, 0);
    const double bar = roundDown(furthest), y = height - 0.15, tall = bar * times * down;
    p.shapes.push_back(text({left, y}, "Deviations drawn " + magnified + " times larger:", size));
    p.shapes.push_back(line({{left + 1.85, y}, {left + 1.85, y - tall}}, 1));
    p.shapes.push_back(text({left + 1.95, y}, length(bar, s), size));
    const Point worstAt = at(s.x[worst], s.fit.at(s.x[worst]) + s.axial[worst] * times);
    p.shapes.push_back(
        text({worstAt.x + 0.08, worstAt.y + 0.04}, std::to_string(s.row[worst] + 1), size));
    p.alternative = cat({said, "; each point's distance from the curve drawn ", magnified,
                         " times larger: point ", std::to_string(s.row[worst] + 1),
                         " lies furthest, ", length(std::abs(s.axial[worst]), s),
                         s.axial[worst] > 0 ? " below it." : " above it."});
    return p;
}

} // namespace planner
