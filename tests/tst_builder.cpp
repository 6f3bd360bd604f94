// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The builder's tools through their presenter, without a window: every
// dish check worked by hand, good, bad and absurd; the texts a spreadsheet
// or notebook pastes; the form scenarios every engine runs too. Built for
// Linux and, by Emscripten, for the browser, run under Node.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

#include "builder/antenna.h"
#include "builder/feed_physics.h"
#include "builder/figures.h"
#include "form_scenarios.h"
#include "window/session.h"

using namespace planner;

namespace {

constexpr int checkForm = 0;

const form::Presenter& check(const Session& s)
{
    return s.forms()[checkForm];
}

int item(const Session& s, std::string_view id)
{
    return form::itemNamed(check(s).outline(), id);
}

// Every problem the form shows, in its order: by the lone fields, by the
// rows' fields, of the rows as a whole.
std::vector<std::string> problemsOf(const form::Presenter& p)
{
    std::vector<std::string> all;
    for (int i = 0; i < int(p.outline().items.size()); ++i) {
        for (const auto& row : p.item(i).problems)
            for (const std::string& sentence : row)
                if (!sentence.empty())
                    all.push_back(sentence);
        if (!p.item(i).problem.empty())
            all.push_back(p.item(i).problem);
    }
    return all;
}

std::string resultsOf(const form::Presenter& p, int results)
{
    std::string all;
    for (const Result& r : p.item(results).results)
        all += r.label + ": " + r.value + "\n";
    return all;
}

// A session with its window at 2400 MHz, 10 inches, depth 20.
void at2400(Session& s)
{
    s.load();
    s.moved(Ctl::vsbFreq, 2400);
}

// The scenarios' driver on the presenter: each action as a view passes it,
// each update applied as a view applies it; Tab goes by the form's order.
class PresenterDriver : public worked::FormDriver {
public:
    explicit PresenterDriver(int form) : form_(form) { at2400(s_); }
    const form::Outline& outline() const { return s_.forms()[form_].outline(); }

    void act(const worked::Step& step, const form::Cell& at) override
    {
        const std::string_view a = step.action;
        if (a == "type")
            apply(s_.typed(form_, at, std::string(step.text)));
        else if (a == "choose")
            apply(s_.chose(form_, at.item, std::stoi(std::string(step.text))));
        else if (a == "press")
            apply(s_.pressed(form_, at.item, clipboard_));
        else if (a == "tab")
            tab();
        else if (a == "reopen")
            return; // the presenter outlives any window
        else if (a == "frequency") {
            s_.moved(Ctl::vsbFreq, std::int16_t(std::stoi(std::string(step.text))));
            apply(s_.followWindow()); // as a view does once the window is shown
        } else {                      // a paste, by keys or by the menu
            const auto changes =
                s_.pasted(form_, at, step.text.empty() ? clipboard_ : std::string(step.text));
            REQUIRE(changes);
            apply(*changes);
        }
    }

    std::string look(std::string_view key, const form::Cell& at) override;

private:
    void apply(const FormChanges& changes)
    {
        for (const auto& [f, u] : changes) {
            if (f != form_)
                continue;
            if (!u.clipboard.empty())
                clipboard_ = u.clipboard;
            if (u.focus)
                focus_ = *u.focus;
            if (u.setPlanner)
                for (const auto& [bar, value] : Session::barsFor(*u.setPlanner))
                    s_.moved(bar, value);
        }
    }
    // The next field or button shown, in the form's order.
    void tab()
    {
        const auto order = worked::fieldsAndButtons(s_.forms()[form_], true);
        const auto now = std::find(order.begin(), order.end(), focus_);
        focus_ = now == order.end() || now + 1 == order.end() ? order.front() : *(now + 1);
    }

    Session s_;
    int form_;
    std::string clipboard_;
    form::Cell focus_{-1};
};

std::string PresenterDriver::look(std::string_view key, const form::Cell& at)
{
    const form::Presenter& p = s_.forms()[form_];
    const std::string k(key.substr(0, key.find(' ')));
    if (k == "results")
        return resultsOf(p, form::itemNamed(outline(), "results"));
    if (k == "result") {
        for (const Result& r : p.item(form::itemNamed(outline(), "results")).results)
            if (r.label == key.substr(7))
                return r.value;
        return {};
    }
    const form::ItemState* item = at.item >= 0 ? &p.item(at.item) : nullptr;
    if (k == "problem")
        return at.row < 0 && outline().items[at.item].kind == form::Kind::Rows
                   ? item->problem
                   : item->problems.at(std::max(at.row, 0)).at(at.column);
    if (k == "text")
        return item->texts.at(std::max(at.row, 0)).at(at.column);
    if (k == "shown")
        return item->shown ? "yes" : "no";
    if (k == "caption")
        return item->words;
    if (k == "chosen")
        return std::to_string(item->chosen);
    if (k == "name")
        return p.label(at);
    if (k == "focus")
        return worked::targetName(outline(), focus_);
    if (k == "clipboard")
        return clipboard_;
    if (k == "said")
        return p.said();
    if (k == "window")
        return s_.caption(row(Ctl::lblDiam)) + " " + s_.caption(row(Ctl::lblDepth));
    REQUIRE(k == "picture");
    const auto& shapes = p.item(form::itemNamed(outline(), "picture")).picture.shapes;
    return std::to_string(std::count_if(shapes.begin(), shapes.end(),
                                        [](const Shape& s) { return s.kind == Shape::Kind::Box; }));
}

// Each worked check as the user types or pastes it, the window at 2400
// MHz: each result by its label, or the one problem and no result; its
// note; what readers are told; and the bars its setting moves.
TEST_CASE("checking a dish one has")
{
    for (const worked::Check& w : worked::checks) {
        INFO(w.name);
        Session s;
        at2400(s);
        s.chose(checkForm, item(s, "shape"), w.offset);
        s.chose(checkForm, item(s, "unit"), w.unit);
        for (const auto& [id, text] : {std::pair{"diameter", w.diameter},
                                       {"width", w.width},
                                       {"height", w.height},
                                       {"depth", w.depth}})
            s.typed(checkForm, {item(s, id)}, std::string(text));
        if (!w.pasted.empty())
            REQUIRE(s.pasted(checkForm, {item(s, "rows"), 0, 0}, w.pasted));
        const form::Presenter& p = check(s);
        const std::string shown = resultsOf(p, item(s, "results"));
        for (const auto& result : w.results) { // no binding: doctest's lambdas take none
            const std::string line = cat({result.first, ": ", result.second});
            CHECK_MESSAGE(shown.find(line) != std::string::npos, line, " in\n", shown);
        }
        const std::vector<std::string> problems = problemsOf(p);
        CHECK_EQ(problems.size(), w.problem.empty() ? 0 : 1);
        CHECK_EQ(shown.empty(), !w.problem.empty());
        const std::string first = problems.empty() ? "" : problems[0];
        CHECK(first.starts_with(w.problem));
        CHECK(p.said().starts_with(w.problem.empty() ? (w.offset ? "Focal length" : "Focal length ")
                                                     : first));
        CHECK(p.item(item(s, "notes")).words.find(w.note) != std::string::npos);
    }
}

// Each paste into the first row: the rows it gives, or its sentence and
// the rows as they were.
TEST_CASE("pasting rows as spreadsheets and notebooks write them")
{
    std::string many;
    for (int i = 0; i < 101; ++i)
        many += std::to_string(i) + "\t0\n";
    for (const worked::Paste& w : worked::pastes) {
        INFO(w.name);
        Session s;
        at2400(s);
        const int rows = item(s, "rows");
        s.typed(checkForm, {rows, 0, 0}, "kept");
        const std::string text = w.text.empty() ? many : std::string(w.text);
        REQUIRE(s.pasted(checkForm, {rows, 0, 0}, text));
        const form::ItemState& shown = check(s).item(rows);
        CHECK(shown.problem.starts_with(w.problem));
        if (!w.problem.empty())
            CHECK_EQ(shown.texts.at(0).at(0), "kept");
        for (std::size_t r = 0; r < w.rows.size(); ++r)
            CHECK(shown.texts.at(r) == w.rows[r]);
        s.typed(checkForm, {rows, 1, 1}, "2");
        CHECK(check(s).item(rows).problem.find("column more") == std::string::npos);
    }
    Session s;
    at2400(s);
    CHECK_FALSE(s.pasted(checkForm, {item(s, "rows"), 0, 0}, "1,6667\n")); // one figure
    CHECK_FALSE(s.pasted(checkForm, {item(s, "diameter")}, "1\t2"));       // not into a row
    const auto rowsProblem = [&] { return check(s).item(item(s, "rows")).problem; };
    s.pressed(checkForm, item(s, "paste"), "");
    CHECK(rowsProblem().starts_with("Measurements: the clipboard holds no figures"));
    s.pressed(checkForm, item(s, "paste"), std::nullopt);
    CHECK(rowsProblem().starts_with("Measurements: the clipboard could not be read"));
    for (int r = 7; r < 100; ++r)
        s.pressed(checkForm, item(s, "add"));
    CHECK_EQ(check(s).rows(item(s, "rows")), 100);
    const FormChanges full = s.pressed(checkForm, item(s, "add"));
    CHECK((check(s).rows(item(s, "rows")) == 100 &&
           full.at(0).second.tell.starts_with("The form takes 100")));
}

// The feed takes the dish the check found, with its surface error, and
// follows the check and the window: 24 in, f = 301.57 mm, 1.036 mm RMS at
// 124.914 mm keeps exp(-(4 pi 1.036 / 124.914)^2) = 98.9%; on the curve,
// all of it.
TEST_CASE("the feed follows the dish checked and the window")
{
    Session s;
    at2400(s);
    s.typed(checkForm, {item(s, "diameter")}, "24");
    s.pasted(checkForm, {item(s, "rows"), 0, 0}, worked::perturbed);
    const int feedForm = 1;
    const form::Presenter& feed = s.forms()[feedForm];
    const auto at = [&](std::string_view id) { return form::itemNamed(feed.outline(), id); };
    s.chose(feedForm, at("dish"), 1);
    s.chose(feedForm, at("unit"), 1);
    s.typed(feedForm, {at("can")}, "85");
    const auto shown = [&](std::string_view label) {
        for (const Result& r : feed.item(at("results")).results)
            if (r.label == label)
                return r.value;
        return std::string();
    };
    CHECK(feed.item(at("dish-words"))
              .words.starts_with("A dish 609.6 mm (24 in) across, its focus 301.57 mm (11.873 in) "
                                 "from the vertex: F/D 0.495"));
    CHECK(shown("Surface, by Ruze's rule").starts_with("98.9%"));
    s.typed(checkForm, {item(s, "rows"), 2, 1}, "2.6667");
    CHECK(shown("Surface, by Ruze's rule").starts_with("100%"));
    s.moved(Ctl::vsbFreq, 2401);
    CHECK(shown("Gain at 2401 MHz").empty()); // behind the window until it follows
    const FormChanges followed = s.followWindow();
    CHECK((!followed.empty() && !shown("Gain at 2401 MHz").empty()));
    CHECK(s.followWindow().empty());
}

// A tool that fails gives a sentence and no figure; nothing escapes.
TEST_CASE("a tool that throws")
{
    struct Failing : form::Tool {
        form::Outline s{"failing", "Failing", {{form::Kind::Results, "results", "", {}}}, 0, 0};
        const form::Outline& outline() const override { return s; }
        void evaluate(const form::Typed&, const form::Context&, form::Outcome& out) const override
        {
            out.items[0].results = {{"half", "worked"}};
            throw std::runtime_error("no");
        }
    } failing;
    const form::Presenter p(failing, {});
    CHECK((p.item(0).results.empty() && p.said().starts_with("These figures could not be")));
}

// The feed's physics against figures worked by hand or in closed form,
// each with its source: degrees, percent and dB as shown to the builder.
TEST_CASE("the feed's physics, worked by hand and in closed form")
{
    using namespace feed;
    const double pi = std::numbers::pi, deg = 180 / pi;
    const double fd04 = antenna::rimHalfAngle(1, 0.4), fd05 = antenna::rimHalfAngle(1, 0.5);
    const Budget cos2 = budget(cosNFeed(2), fd04);
    const BestCosN best = bestCosN(fd04);
    const CanDimensions can = canDimensions(90, wavelengthMm(2400.25));
    const MeshLeakage cloth = meshLeakage(12.7, 1, wavelengthMm(2400));
    const OffsetGeometry offset = offsetGeometry(500, 0, 1000);
    // clang-format off
    const struct { const char* name; double got, expected, within; } rows[] = {
        // 2 atan(1 / 1.6)
        {"F/D 0.4: the rim's half-angle, degrees", fd04 * deg, 64.01, 0.005},
        // 24 cot^2(32.005) [sin^2 + ln cos]^2 = 61.44 (0.280899 - 0.164877)^2 (Silver)
        {"cos^2 at F/D 0.4: aperture efficiency", cos2.aperture, 0.8271, 0.0005},
        {"cos^2 at F/D 0.4: spillover x illumination", cos2.spillover * cos2.illumination, 0.8271, 0.0005},
        // 20 log10((1 + cos 64.01) / 2), 20 log10((1 + cos 53.13) / 2)
        {"space loss at F/D 0.4, dB", spaceLossDb(fd04), -2.86, 0.005},
        {"space loss at F/D 0.5, dB", spaceLossDb(fd05), -1.94, 0.005},
        // the textbooks' optimum: about 83%, 10 to 11 dB down at the edge
        {"the best cos^n at F/D 0.4", best.efficiency, 0.83, 0.01},
        {"its edge with the space loss, dB", best.edgeDb, -10.5, 0.5},
        // 1.84118 and 2.40483 times 124.900 mm / pi; lambda / sqrt(1 - (lambda pi 90 / 1.84118)^2)
        {"a can at 2400.25 MHz: TE11 from, mm", can.minDiameterMm, 73.2, 0.05},
        {"TM01 from, mm", can.maxDiameterMm, 95.6, 0.05},
        {"90 mm: the guide wavelength, mm", *can.guideWavelengthMm, 214.7, 0.05},
        {"the probe from the closed end, mm", *can.probeFromBackMm, 53.7, 0.05},
        // X = 0.1016 ln(4.0425) = 0.1420; |T|^2 = 4X^2 / (1 + 4X^2)
        {"1/2-inch hardware cloth at 2.4 GHz: leakage, dB", cloth.transmittedDb, -11.27, 0.01},
        {"its gain lost, dB", cloth.efficiencyDb, -0.337, 0.001},
        // (1 - 0.1^2)^2; exp(-(pi / 4)^2)
        {"a shadow a tenth across, uniform", blockageEfficiency(10, 100, 1), 0.9801, 1e-6},
        {"Ruze at a sixteenth of a wavelength", antenna::ruzeEfficiency(1, 16), 0.5396, 0.00005},
        // 2 atan(x / 2f): 0 and 90 degrees, the bisector 45, half their difference 45
        {"an offset dish's upper rim, degrees", offset.upperAngle * deg, 90, 1e-9},
        {"where its feed points, degrees", offset.feedAngle * deg, 45, 1e-9},
        {"the half-angle it covers, degrees", offset.halfAngle * deg, 45, 1e-9},
        // cos^n(45) = 0.1: n = ln 0.1 / ln cos 45 = 6.644
        {"n for a 90-degree beamwidth", exponentForBeamwidth(pi / 2), 6.644, 0.0005},
        // A&S table 9.1
        {"J1(1)", besselJ1(1), 0.4400505857, 1e-9}};
    // clang-format on
    for (const auto& r : rows) {
        INFO(std::string(r.name));
        CHECK(std::abs(r.got - r.expected) <= r.within);
    }
}

TEST_CASE("the form scenarios, through the presenter")
{
    for (const worked::Scenario& sc : worked::scenarios) {
        PresenterDriver d(sc.form);
        worked::runScenario(d, sc, d.outline());
    }
}

} // namespace
