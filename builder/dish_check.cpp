// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/dish_check.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "builder/check_form.h"
#include "builder/figures.h"
#include "builder/parabola_fit.h"
#include "calc/ggainn.h"
#include "calc/units.h"
#include "runtime/value.h"

namespace planner {

namespace {

using calc::units::mmPerInch;
constexpr double pi = std::numbers::pi;
constexpr double largestMm = 10000; // ten metres: beyond, no dish this check is for
constexpr double flattest = 100;    // an F/D beyond which the curve is no dish's

// A unit's symbol, its size, and the places its figures take: lengths,
// then deviations.
struct UnitDesign {
    std::string_view symbol;
    double mm;
    int places, finePlaces;
};
constexpr UnitDesign unitDesigns[] = {{"in", mmPerInch, 3, 4}, {"mm", 1, 2, 2}, {"cm", 10, 3, 3}};

bool blank(std::string_view s)
{
    return s.find_first_not_of(" \t") == std::string_view::npos;
}

const UnitDesign& designOf(Unit u)
{
    return unitDesigns[static_cast<int>(u)];
}

// A length in the user's unit, then in the other system.
// Examples: 11.873 in (301.57 mm); 282.95 mm (11.14 in); 0.0319 in (0.81 mm).
std::string length(double value, Unit u, bool fine = false)
{
    const UnitDesign& d = designOf(u);
    const double mm = value * d.mm;
    const bool inches = u == Unit::Inches;
    return cat({figure(value, fine ? d.finePlaces : d.places), " ", d.symbol, " (",
                figure(inches ? mm : mm / mmPerInch, inches ? 2
                                                     : fine ? 4
                                                            : 2),
                inches ? " mm)" : " in)"});
}

std::string degrees(double radians, int places)
{
    return cat({figure(radians * 180 / pi, places), "\u00b0"});
}

// Reads the fields, noting a problem by each that is not what it must be.
class Reader {
public:
    Reader(DishCheck& c, Unit u) : check_(c), unit_(u) {}

    // The number a field holds; none, and a problem, when it is blank or
    // not a number, or a length too large for a dish.
    std::optional<double> number(const std::string& text, Field f, int row = -1)
    {
        std::string t = text;
        if (std::count(t.begin(), t.end(), ',') == 1 && t.find('.') == std::string::npos)
            t[t.find(',')] = '.'; // a decimal comma
        try {
            const double x = rt::strictToDouble(t);
            if (std::abs(x) * designOf(unit_).mm <= largestMm)
                return x;
        } catch (const rt::RuntimeError& e) {
            if (e.code() != rt::ErrorCode::Overflow) {
                problem(f, row,
                        blank(t) ? "type a number."
                                 : cat({"\u201c", text, "\u201d is not a number; type digits, "}) +
                                       "with a point or a comma before any decimals.");
                return std::nullopt;
            }
        }
        problem(f, row, "over ten metres, no dish this check is for; check the unit.");
        return std::nullopt;
    }

    // A length: more than 0, or 0 and more for a depth along the edge.
    std::optional<double> length(const std::string& text, Field f, int row = -1)
    {
        const bool zero = f == Field::Depth;
        const std::optional<double> x = number(text, f, row);
        if (!x || *x > 0 || (zero && *x == 0))
            return x;
        problem(f, row,
                zero ? "below 0; measure down from the edge to the surface."
                     : "must be more than 0.");
        return std::nullopt;
    }

    void problem(Field f, int row, const std::string& says)
    {
        check_.problems.push_back({f, row, cat({fieldLabel(f, row), ": ", says})});
    }

private:
    DishCheck& check_;
    Unit unit_;
};

// The planner's gain, half the aperture taken as effective, for a dish of
// so many inches at the window's frequency, in dBi; none for a frequency
// that is not one.
std::optional<double> gainDbi(double inches, const std::string& frequency)
{
    try {
        calc::ggainn(rt::Value(frequency), rt::Value(inches));
        return 10 * std::log10(calc::gain.toDouble());
    } catch (const rt::RuntimeError&) {
        return std::nullopt;
    }
}

// Ruze's rule: the gain lost to a surface error of e, over a wavelength,
// in dB; and the error that costs 1 dB, in wavelengths.
double ruzeLossDb(double e, double wavelength)
{
    const double x = 4 * pi * e / wavelength;
    return 10 * std::numbers::log10e * x * x;
}
const double oneDbError = std::sqrt(0.1 * std::numbers::ln10) / (4 * pi);

// The measured rows as positions and depths; a row left blank is none.
struct Points {
    std::vector<double> x, h;
    std::vector<int> row; // each point's row
};

Points readRows(const DishInput& in, Reader& read)
{
    Points p;
    for (int r = 0; r < int(in.rows.size()); ++r) {
        const auto& [position, depth] = in.rows[r];
        if (blank(position) && blank(depth))
            continue;
        const auto x = read.number(position, Field::Position, r);
        const auto h = read.length(depth, Field::Depth, r);
        if (x && h)
            p.x.push_back(*x), p.h.push_back(*h), p.row.push_back(r);
    }
    return p;
}

// What the fit says of the surface: its RMS, the point furthest from the
// curve, what it costs; none from three points, which the fit meets.
void surface(DishCheck& c, const Points& p, const ParabolaFit& fit, double dInches,
             const DishInput& in, const WindowFacts& window)
{
    const double mm = designOf(in.unit).mm;
    double sum = 0;
    std::size_t worst = 0;
    for (std::size_t i = 0; i < p.x.size(); ++i) {
        const double r = p.h[i] - fit.at(p.x[i]);
        sum += r * r;
        if (std::abs(r) > std::abs(p.h[worst] - fit.at(p.x[worst])))
            worst = i;
    }
    const std::optional<double> gain = gainDbi(dInches, window.frequency);
    const std::string at = cat({" at ", window.frequency, " MHz"});
    if (p.x.size() == 3) {
        c.notes.push_back("Three points fit a parabola exactly and say nothing of the surface: "
                          "measure 5 or more to see its error.");
        if (gain)
            c.results.push_back({cat({"Gain", at}), cat({figure(*gain, 1), " dBi"})});
        return;
    }
    const double rms = std::sqrt(sum / double(p.x.size())), off = p.h[worst] - fit.at(p.x[worst]);
    const double loss = ruzeLossDb(rms * mm, calc::units::wavelengthMm(rt::val(window.frequency)));
    const double oneDb = calc::units::wavelengthMm(1) / (rms * mm / oneDbError); // MHz
    c.results.push_back({"Surface from the curve, RMS", length(rms, in.unit, true)});
    c.results.push_back({"Furthest from the curve", cat({"point ", std::to_string(p.row[worst] + 1),
                                                         ", ", length(std::abs(off), in.unit, true),
                                                         off > 0 ? " below it" : " above it"})});
    c.results.push_back({cat({"Gain lost", at}), cat({figure(loss, 2), " dB"})});
    c.results.push_back(
        {"Within 1 dB up to",
         oneDb > 100000 ? "above 100000 MHz" : cat({"about ", figure(oneDb / 100, 0), "00 MHz"})});
    if (gain)
        c.results.push_back({cat({"Gain", at}), cat({figure(*gain - loss, 1), " dBi"})});
    c.notes.push_back("The loss takes the deviations along the axis as the surface's error, "
                      "which overestimates it slightly.");
}

// The nearest the planner's bars come to this dish, or why they do not.
void nearestSetting(DishCheck& c, double dInches, double fInches, const WindowFacts& w)
{
    const long diameter = std::lround(dInches),
               depth = std::lround(dInches * dInches / (16 * fInches) * 10);
    std::string says;
    if (diameter < w.diameterMin || diameter > w.diameterMax)
        says = cat({"none: the planner's dishes are ", std::to_string(w.diameterMin), " to ",
                    std::to_string(w.diameterMax), " inches across"});
    else if (depth < w.depthMin || depth > w.depthMax)
        says = cat({"none: at this focal length a ", std::to_string(diameter), "-inch dish is ",
                    figure(depth / 10.0, 1), " inches deep, beyond the planner's ",
                    figure(w.depthMin / 10.0, 1), " to ", figure(w.depthMax / 10.0, 1)});
    else
        c.setting = BarSetting{std::int16_t(diameter), std::int16_t(depth)},
        says = settingWords(*c.setting);
    c.results.push_back({"Nearest planner setting", says});
}

DishCheck checkRound(const DishInput& in, const WindowFacts& window)
{
    DishCheck c;
    Reader read(c, in.unit);
    const std::optional<double> d = read.length(in.diameter, Field::Diameter);
    const Points p = readRows(in, read);
    if (!c.problems.empty())
        return c;
    const std::optional<ParabolaFit> fit = fitParabola(p.x, p.h);
    const auto [low, high] = std::minmax_element(p.x.begin(), p.x.end());
    if (!fit)
        read.problem(
            Field::Rows, -1,
            "measure at least 3 different positions, 5 or more to see the surface's error.");
    else if (1 / (4 * std::abs(fit->k)) > flattest * *d)
        read.problem(
            Field::Rows, -1,
            "these depths hardly curve, flatter than any dish (F/D over 100); check them.");
    else if (fit->k < 0)
        read.problem(Field::Rows, -1,
                     "these depths curve the wrong way for a dish; measure each from the edge down "
                     "to the surface.");
    else if (fit->centre() < *low || fit->centre() > *high)
        read.problem(Field::Rows, -1,
                     "the curve's lowest point falls outside the positions measured; measure rim "
                     "to rim, through the middle.");
    if (!c.problems.empty())
        return c;
    const double f = 1 / (4 * fit->k), mm = designOf(in.unit).mm, centre = fit->centre();
    c.results = {{"Focal length", length(f, in.unit)},
                 {"F/D ratio", figure(f / *d, 3)},
                 {"Centre along the edge", length(centre, in.unit)},
                 {"Depth at the centre", length(fit->at(centre), in.unit)}};
    const double span = *high - *low;
    if (std::abs(span - *d) <= 0.05 * *d && std::abs(centre - (*low + span / 2)) > 0.02 * *d)
        c.notes.push_back(
            cat({"The centre is ", length(std::abs(centre - (*low + span / 2)), in.unit),
                 " from the middle of the positions: the dish may be lopsided, or "
                 "the edge not across its middle."}));
    surface(c, p, *fit, *d * mm / mmPerInch, in, window);
    c.results.push_back({"Feed to illuminate", degrees(4 * std::atan(*d / (4 * f)), 1)});
    nearestSetting(c, *d * mm / mmPerInch, f * mm / mmPerInch, window);
    return c;
}

DishCheck checkOffset(const DishInput& in, const WindowFacts& window)
{
    DishCheck c;
    Reader read(c, in.unit);
    const auto w = read.length(in.width, Field::Width), h = read.length(in.height, Field::Height),
               d = read.length(in.depth, Field::OffsetDepth);
    if (!w || !h || !d)
        return c;
    if (*w > *h) {
        read.problem(Field::Width, -1,
                     "more than the height, which an offset dish cut from a paraboloid never is. "
                     "Check the two; a dish wider than high is shaped: lay a flat board across it "
                     "and measure it as a round dish.");
        return c;
    }
    const double f = *w * *w * *w / (16 * *d * *h), tangent = std::sqrt(*h * *h - *w * *w) / *w;
    if (f > flattest * *w) {
        read.problem(Field::OffsetDepth, -1,
                     "so shallow a dish has no useful focus (f/W over 100); check it.");
        return c;
    }
    // The rim's two ends on the parent parabola y = x^2 / 4f, W apart
    // across, the chord between them at the offset angle.
    const double x1 = (4 * f * tangent - *w) / 2, x2 = x1 + *w;
    c.results = {{"Focal length", length(f, in.unit)},
                 {"Offset angle", degrees(std::acos(*w / *h), 2)},
                 {"f/W", figure(f / *w, 3)},
                 {"Focus to the lower rim", length(f + x1 * x1 / (4 * f), in.unit)},
                 {"Focus to the upper rim", length(f + x2 * x2 / (4 * f), in.unit)}};
    if (const auto gain = gainDbi(*w * designOf(in.unit).mm / mmPerInch, window.frequency))
        c.results.push_back(
            {cat({"Gain at ", window.frequency, " MHz"}), cat({figure(*gain, 1), " dBi"})});
    c.notes.push_back("The gain takes the width as the diameter of the aperture.");
    return c;
}

// A pasted line's fields, trimmed: apart by tabs or semicolons where it has
// them, else by blanks, else by one comma.
std::vector<std::string> fieldsOf(std::string_view line)
{
    const auto first = line.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    line = line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
    const char* apart = line.find_first_of("\t;") != std::string_view::npos ? "\t;"
                        : line.find(' ') != std::string_view::npos          ? " "
                                                                            : ",";
    std::vector<std::string> fields;
    for (std::size_t at = 0; at <= line.size();) {
        const std::size_t next = std::min(line.find_first_of(apart, at), line.size());
        const std::string_view f = line.substr(at, next - at);
        const auto from = f.find_first_not_of(" \t\r"), to = f.find_last_not_of(" \t\r");
        if (from != std::string_view::npos) // a field of blanks alone is none
            fields.emplace_back(f.substr(from, to - from + 1));
        at = next + 1;
    }
    return fields;
}

} // namespace

DishCheck checkDish(const DishInput& in, const WindowFacts& window)
{
    const bool untouched =
        in.shape == DishShape::Round
            ? blank(in.diameter) &&
                  std::all_of(in.rows.begin(), in.rows.end(),
                              [&](const auto& r) { return blank(r[0]) && blank(r[1]); })
            : blank(in.width) && blank(in.height) && blank(in.depth);
    if (untouched)
        return {}; // nothing typed yet: nothing to say
    try {
        return in.shape == DishShape::Round ? checkRound(in, window) : checkOffset(in, window);
    } catch (const std::exception&) { // a sum beyond the doubles, say: no figure from it
        DishCheck c;
        c.problems.push_back(
            {Field::Rows, -1, cat({fieldLabel(Field::Rows), ": these give no dish; check them."})});
        return c;
    }
}

std::vector<std::array<std::string, 2>> pastedRows(std::string_view text)
{
    std::vector<std::array<std::string, 2>> rows;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::vector<std::string> f = fieldsOf(text.substr(at, end - at));
        if (!f.empty())
            rows.push_back({f[0], f.size() > 1 ? f[1] : std::string()});
        at = end + 1;
    }
    return rows;
}

std::string checkAnnouncement(const DishCheck& c)
{
    if (!c.problems.empty())
        return c.problems.front().sentence;
    std::string said;
    for (const Result& r : c.results)
        if (r.label == "Focal length" || r.label == "F/D ratio" || r.label == "f/W" ||
            r.label == "Surface from the curve, RMS")
            said += cat({r.label, " ", r.value, ". "});
    if (!said.empty())
        said.pop_back();
    return said;
}

} // namespace planner
