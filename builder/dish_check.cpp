// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/dish_check.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "builder/antenna.h"
#include "builder/bounds.h"
#include "builder/check_form.h"
#include "builder/check_picture.h"
#include "builder/paste.h"
#include "calc/units.h"
#include "runtime/value.h"

namespace planner {

namespace {

using calc::units::mmPerInch;

bool blank(std::string_view s)
{
    return s.find_first_not_of(" \t") == std::string_view::npos;
}

// A length in the user's unit alone, for a sentence. Example: "24 in".
std::string plain(double value, Unit u)
{
    return cat({figure(value, designOf(u).places), " ", designOf(u).symbol});
}

std::string degrees(double radians, int places)
{
    return cat({figure(radians * 180 / std::numbers::pi, places), "\u00b0"});
}

// Reads the fields, noting a problem by each that is not what it must be.
class Reader {
public:
    Reader(DishCheck& c, Unit u) : check_(c), unit_(u) {}

    // The number a field holds; none, and a problem, when it is blank or
    // not a number, or a length too large for a dish.
    std::optional<double> number(const std::string& typed, Field f, int row = -1)
    {
        std::string why;
        const std::optional<double> x = typedFigure(typed, designOf(unit_).mm, why);
        if (!x)
            problem(f, row, why);
        return x;
    }

    // A length: more than 0, or 0 and more for a depth along the edge.
    std::optional<double> length(const std::string& text, Field f, int row = -1)
    {
        const bool zero = f == Field::Depth;
        const std::optional<double> x = number(text, f, row);
        if (!x || *x > 0 || (zero && *x == 0))
            return x;
        problem(f, row, says(zero ? Says::AboveTheEdge : Says::NotAboveZero));
        return std::nullopt;
    }

    void problem(Field f, int row, const std::string& sentence)
    {
        check_.problems.push_back({f, row, cat({fieldLabel(f, row), ": ", sentence})});
    }

private:
    DishCheck& check_;
    Unit unit_;
};

// The measured rows as positions and depths; a row left blank is none.
struct Points {
    std::vector<double> x, h;
    std::vector<int> row; // each point's row
    int decimals = 0;     // the most decimals any depth was typed with
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
        const auto point = depth.find_first_of(".,");
        if (point != std::string::npos)
            p.decimals = std::max(p.decimals, int(depth.find_last_of("0123456789") - point));
        if (x && h)
            p.x.push_back(*x), p.h.push_back(*h), p.row.push_back(r);
    }
    return p;
}

// Each point's depth off the curve, along the axis, and its surface error,
// the half path-length error Ruze's rule takes: a point dz deeper
// lengthens the path from the focus to the aperture by dz (1 + cos psi),
// so its half path-length error is dz cos^2(psi / 2), psi its angle from
// the axis at the focus, tan(psi / 2) = r / 2f (J. Ruze, Proc. IEEE 54,
// 1966, section II; J. W. M. Baars, "The Paraboloidal Reflector Antenna in
// Radio Astronomy and Communication", 2007, chapter 5).
struct Deviations {
    std::vector<double> axial;
    double rms = 0; // over N - 3: the fit took three degrees of freedom
    std::size_t worst = 0;
};

Deviations deviationsOf(const Points& p, const ParabolaFit& fit)
{
    Deviations d;
    const double f = 1 / (4 * fit.k), centre = fit.centre();
    double sum = 0;
    for (std::size_t i = 0; i < p.x.size(); ++i) {
        d.axial.push_back(p.h[i] - fit.at(p.x[i]));
        const double tangent = (p.x[i] - centre) / (2 * f),
                     e = d.axial[i] / (1 + tangent * tangent);
        sum += e * e;
        if (std::abs(d.axial[i]) > std::abs(d.axial[d.worst]))
            d.worst = i;
    }
    d.rms = p.x.size() > 3 ? std::sqrt(sum / double(p.x.size() - 3)) : 0;
    return d;
}

// The highest frequency whose gain the surface spoils by 1 dB at most.
std::string withinOneDb(double rmsMm)
{
    const double mhz = calc::units::wavelengthMm(1) / (rmsMm / antenna::oneDbError());
    if (mhz > bound(Says::OneDbAbove).limit)
        return says(Says::OneDbAbove);
    if (mhz < bound(Says::OneDbBelow).limit)
        return says(Says::OneDbBelow);
    return cat({"about ", figure(mhz / 100, 0), "00 MHz"});
}

// What the surface costs at the window's frequency, by Ruze's rule where it
// holds, and the gain left.
void surface(DishCheck& c, const Points& p, const Deviations& d, double dInches,
             const DishInput& in, const WindowFacts& window)
{
    const std::optional<double> gain = antenna::plannerGainDbi(window.frequency, dInches);
    const std::string at = cat({" at ", window.frequency, " MHz"});
    if (p.x.size() == 3) {
        c.notes.push_back(says(Says::ThreePoints));
        if (gain)
            c.results.push_back({cat({"Gain", at}), cat({figure(*gain, 1), " dBi"})});
        return;
    }
    const double rmsMm = d.rms * designOf(in.unit).mm, off = d.axial[d.worst];
    const int places = std::clamp(p.decimals + 1, 1, designOf(in.unit).finePlaces);
    const double wavelength = calc::units::wavelengthMm(rt::val(window.frequency));
    const double roughest = bound(Says::Roughest).limit,
                 loss = antenna::ruzeLossDb(rmsMm, wavelength);
    const bool holds = rmsMm <= roughest * wavelength; // not for a frequency that is no number
    c.dish->surfaceError = rmsMm;
    c.results.push_back({"Surface error, RMS", inBoth(d.rms, in.unit, places)});
    c.results.push_back(
        {"Furthest from the curve",
         cat({"point ", std::to_string(p.row[d.worst] + 1), ", ",
              inBoth(std::abs(off), in.unit, places), off > 0 ? " below it" : " above it"})});
    c.results.push_back({cat({"Gain lost", at}),
                         holds ? cat({figure(loss, 2), " dB"})
                               : says(Says::Roughest, {figure(antenna::ruzeLossDb(roughest, 1), 1),
                                                       window.frequency})});
    c.results.push_back({"Within 1 dB up to", withinOneDb(rmsMm)});
    if (gain && holds)
        c.results.push_back({cat({"Gain", at}), cat({figure(*gain - loss, 1), " dBi"})});
    c.notes.push_back(says(Says::HowEstimated));
}

// The nearest the planner's bars come to this dish, or why they do not.
void nearestSetting(DishCheck& c, double dInches, double fInches, const WindowFacts& w)
{
    constexpr int steps = calc::units::depthStepsPerInch;
    const long diameter = std::lround(dInches),
               depth = std::lround(dInches * dInches / (16 * fInches) * steps);
    std::string words;
    if (diameter < w.diameterMin || diameter > w.diameterMax)
        words = says(Says::OutsideDiameters,
                     {std::to_string(w.diameterMin), std::to_string(w.diameterMax)});
    else if (depth < w.depthMin || depth > w.depthMax)
        words =
            says(Says::OutsideDepths,
                 {std::to_string(diameter), figure(double(depth) / steps, 1),
                  figure(double(w.depthMin) / steps, 1), figure(double(w.depthMax) / steps, 1)});
    else
        c.setting = BarSetting{std::int16_t(diameter), std::int16_t(depth)},
        words = settingWords(*c.setting);
    c.results.push_back({"Nearest planner setting", words});
}

// Why the fit is no dish's, or "".
std::string unlikeADish(const std::optional<ParabolaFit>& fit, const Points& p, double d, Unit u)
{
    if (!fit)
        return says(Says::TooFewPositions);
    const auto [low, high] = std::minmax_element(p.x.begin(), p.x.end());
    const double ratio = 1 / (4 * std::abs(fit->k)) / d, span = *high - *low;
    if (ratio > bound(Says::Flattest).limit)
        return says(Says::Flattest);
    if (fit->k < 0)
        return says(Says::WrongWay);
    if (fit->centre() < *low || fit->centre() > *high)
        return says(Says::CentreOutside);
    if (span > bound(Says::SpanOver).limit * d)
        return says(Says::SpanOver, {plain(span, u), plain(d, u)});
    if (span < bound(Says::SpanUnder).limit * d)
        return says(Says::SpanUnder, {plain(span, u), plain(d, u)});
    if (ratio < bound(Says::Deepest).limit)
        return says(Says::Deepest);
    return {};
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
    if (const std::string why = unlikeADish(fit, p, *d, in.unit); !why.empty()) {
        read.problem(Field::Rows, -1, why);
        return c;
    }
    const double f = 1 / (4 * fit->k), mm = designOf(in.unit).mm, centre = fit->centre();
    c.results = {{"Focal length", inBoth(f, in.unit)},
                 {"F/D ratio", figure(f / *d, 3)},
                 {"Centre along the edge", inBoth(centre, in.unit)},
                 {"Depth at the centre", inBoth(fit->at(centre), in.unit)}};
    c.dish = CheckedDish{DishShape::Round, in.unit, f * mm, *d * mm, std::nullopt, 0, 0};
    const auto [low, high] = std::minmax_element(p.x.begin(), p.x.end());
    const double span = *high - *low, middle = *low + span / 2;
    if (std::abs(span - *d) <= 0.05 * *d &&
        std::abs(centre - middle) > bound(Says::Lopsided).limit * *d)
        c.notes.push_back(says(Says::Lopsided, {inBoth(std::abs(centre - middle), in.unit)}));
    const Deviations dev = deviationsOf(p, *fit);
    surface(c, p, dev, *d * mm / mmPerInch, in, window);
    c.results.push_back({"Feed to illuminate", degrees(2 * antenna::rimHalfAngle(*d, f), 1)});
    if (f / *d < bound(Says::FocusInside).limit)
        c.notes.push_back(says(Says::FocusInside));
    nearestSetting(c, *d * mm / mmPerInch, f * mm / mmPerInch, window);
    c.picture = sectionPicture({p.x, p.h, dev.axial, p.row, *fit, in.unit,
                                std::clamp(p.decimals + 1, 1, designOf(in.unit).finePlaces)});
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
        read.problem(Field::Width, -1, says(Says::WiderThanHigh));
        return c;
    }
    const double f = *w * *w * *w / (16 * *d * *h), tangent = std::sqrt(*h * *h - *w * *w) / *w;
    for (const Says s : {Says::OffsetFlattest, Says::OffsetDeepest})
        if (s == Says::OffsetFlattest ? f > bound(s).limit * *w : f < bound(s).limit * *w) {
            read.problem(Field::OffsetDepth, -1, says(s));
            return c;
        }
    // The rim's two ends on the parent parabola y = x^2 / 4f, W apart
    // across, the chord between them at the offset angle.
    const double x1 = (4 * f * tangent - *w) / 2, x2 = x1 + *w, mm = designOf(in.unit).mm;
    c.results = {{"Focal length", inBoth(f, in.unit)},
                 {"Offset angle", degrees(std::acos(*w / *h), 2)},
                 {"f/W", figure(f / *w, 3)},
                 {"Focus to the lower rim", inBoth(f + x1 * x1 / (4 * f), in.unit)},
                 {"Focus to the upper rim", inBoth(f + x2 * x2 / (4 * f), in.unit)}};
    c.dish =
        CheckedDish{DishShape::Offset, in.unit, f * mm, *w * mm, std::nullopt, x1 * mm, x2 * mm};
    if (const auto gain = antenna::plannerGainDbi(window.frequency, *w * mm / mmPerInch))
        c.results.push_back(
            {cat({"Gain at ", window.frequency, " MHz"}), cat({figure(*gain, 1), " dBi"})});
    c.notes.push_back(says(Says::WidthAsAperture));
    return c;
}

} // namespace

std::optional<double> typedFigure(const std::string& text, double mm, std::string& why)
{
    std::string t = visibleText(text);
    if (std::count(t.begin(), t.end(), ',') == 1 && t.find('.') == std::string::npos)
        t[t.find(',')] = '.'; // a decimal comma
    try {
        const double x = rt::strictToDouble(t);
        if (std::abs(x) * mm <= bound(Says::OverTenMetres).limit)
            return x;
    } catch (const rt::RuntimeError& e) {
        if (e.code() != rt::ErrorCode::Overflow) {
            why = blank(t) ? says(Says::Blank)
                           : says(Says::NotANumber, {cat({"\u201c", t, "\u201d"})});
            return std::nullopt;
        }
    }
    why = says(mm > 0 ? Says::OverTenMetres : Says::NotANumber, {cat({"\u201c", t, "\u201d"})});
    return std::nullopt;
}

// Each mark, wherever it stands and however often, by its figure, in one
// pass: a figure's own text is never read for marks.
std::string says(Says s, std::initializer_list<std::string_view> figures)
{
    const std::string_view words = bound(s).words;
    std::string out;
    for (std::size_t at = 0; at < words.size(); ++at) {
        const char mark = at + 1 < words.size() && words[at] == '%' ? words[at + 1] : '\0';
        const std::size_t n = mark >= '1' && mark <= '9' ? std::size_t(mark - '1') : figures.size();
        if (n < figures.size())
            out += figures.begin()[n], ++at;
        else
            out += words[at];
    }
    return out;
}

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
            {Field::Rows, -1, cat({fieldLabel(Field::Rows), ": ", says(Says::NoDish)})});
        return c;
    }
}

std::string checkAnnouncement(const DishCheck& c)
{
    if (!c.problems.empty())
        return c.problems.front().sentence;
    std::string said;
    for (const Result& r : c.results)
        if (r.label == "Focal length" || r.label == "F/D ratio" || r.label == "f/W" ||
            r.label == "Surface error, RMS")
            said += cat({r.label, " ", r.value, ". "});
    if (!said.empty())
        said.pop_back();
    return said;
}

} // namespace planner
