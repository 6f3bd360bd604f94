// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The feed's pattern in dB against the angle from its axis, 0 to 180
// degrees and 0 to -30 dB, both planes of a can (the E plane solid, the H
// plane dashed), the rim marked where the pattern meets it; and its text
// alternative.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "builder/feed_parts.h"

namespace planner::feedform {

namespace {

// The picture's inches: where the plot lies, the depth it shows, its texts.
constexpr double width = 4, height = 2.4, left = 0.5, right = 3.8, top = 0.25, bottom = 1.85,
                 deepest = -30, size = 8;
constexpr double pi = std::numbers::pi;

Point at(double theta, double db)
{
    return {left + (right - left) * theta / pi,
            top + (bottom - top) * std::clamp(db, deepest, 0.0) / deepest};
}

double level(double amplitude)
{
    return amplitude == 0 ? feed::dbFloor : 20 * std::log10(std::abs(amplitude));
}

void axes(Picture& p)
{
    const Point a = at(0, 0), b = at(pi, deepest); // a frame of lines: the boxes are marks
    p.shapes.push_back(line({a, {b.x, a.y}, b, {a.x, b.y}, a}, 0.5));
    for (int db = 0; db >= int(deepest); db -= 10) {
        p.shapes.push_back(line({at(0, db), at(pi, db)}, 0.3, db != 0));
        p.shapes.push_back(text({left - 0.06, at(0, db).y + 0.04}, std::to_string(db) + " dB", size,
                                Shape::Anchor::End));
    }
    for (int deg = 0; deg <= 180; deg += 30)
        p.shapes.push_back(text({at(deg * pi / 180, 0).x, bottom + 0.16},
                                std::to_string(deg) + "\u00b0", size, Shape::Anchor::Middle));
    p.shapes.push_back(text({(left + right) / 2, bottom + 0.34}, "off the feed's axis", size,
                            Shape::Anchor::Middle));
}

} // namespace

Picture patternPicture(const Setup& s)
{
    if (!s.feed)
        return {};
    Picture p{width, height, {}, {}};
    axes(p);
    std::vector<Point> e, h;
    for (int i = 0; i <= 180; ++i) {
        const feed::Planes a = feed::amplitude(*s.feed, i * pi / 180);
        e.push_back(at(i * pi / 180, level(a.e))), h.push_back(at(i * pi / 180, level(a.h)));
    }
    p.shapes.push_back(line(std::move(e), 1));
    if (s.can)
        p.shapes.push_back(line(std::move(h), 1, true));
    const feed::Planes rim = feed::amplitude(*s.feed, s.halfAngle);
    p.shapes.push_back(line({at(s.halfAngle, 0), at(s.halfAngle, deepest)}, 0.5, true));
    const std::string angle = figure(s.halfAngle * 180 / pi, 1) + "\u00b0";
    p.shapes.push_back(text({at(s.halfAngle, 0).x + 0.05, top + 0.15}, "rim " + angle, size));
    for (const double a : s.can ? std::vector{rim.e, rim.h} : std::vector{rim.e}) {
        const Point mark = at(s.halfAngle, level(a));
        p.shapes.push_back(
            box({mark.x - 0.035, mark.y - 0.035}, {mark.x + 0.035, mark.y + 0.035}, false, 0.8));
    }
    const std::string down =
        s.can ? cat({figure(-level(rim.e), 1), " dB down in the E plane (solid) and ",
                     figure(-level(rim.h), 1), " dB in the H plane (dashed)"})
              : cat({figure(-level(rim.e), 1), " dB down"});
    p.alternative = cat({"The feed's pattern in dB from 0 to 180\u00b0 off its axis: at the rim, ",
                         angle, " off, it is ", down, "."});
    return p;
}

} // namespace planner::feedform
