// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The core as the browser build compiles it (Emscripten's libc++, the C
// library's number conversions, exceptions on), run under Node: the number
// texts, every worked state through the session, and the event boundary,
// which must catch a run-time error here as it does on the desktop.
#include <iostream>
#include <string>

#include "number_examples.h"
#include "window/session.h"
#include "worked_states.h"

namespace {

int passed = 0, failed = 0;

// Emscripten's libc++ has no std::source_location: each check says what
// it is about instead.
template <class Got, class Want> void check(const Got& got, const Want& want, const std::string& what)
{
    const bool ok = got == want;
    ++(ok ? passed : failed);
    if (!ok)
        std::cout << "FAIL " << what << ": got " << got << ", want " << want << std::endl;
}

rt::ErrorCode strictError(const char* text)
{
    try {
        rt::strictToDouble(text);
    } catch (const rt::RuntimeError& e) {
        return e.code();
    }
    return rt::ErrorCode{};
}

void numberTexts()
{
    for (const auto& r : examples::textForms)
        check(r.value.toText(), std::string(r.name), "text form");
    for (const auto& r : examples::readings) {
        check(rt::val(r.name), r.val, std::string("Val of \"") + r.name + "\"");
        check(int(strictError(r.name)), int(r.strict), std::string("strict \"") + r.name + "\"");
        if (r.strict == rt::ErrorCode{})
            check(rt::strictToDouble(r.name), r.val, std::string("strict \"") + r.name + "\"");
    }
}

std::string captionOf(const planner::Session& s, std::string_view control)
{
    return s.caption(planner::rowNamed(control).value());
}

void workedStates()
{
    using planner::Ctl;
    for (const worked::State& w : worked::states) {
        planner::Session s;
        s.load();
        s.moved(Ctl::vsbFreq, std::int16_t(w.freq));
        s.moved(Ctl::vsbDiam, std::int16_t(w.diam));
        s.moved(Ctl::vsbDepth, std::int16_t(w.depth));
        for (const worked::Shown& c : w.shown)
            check(captionOf(s, c.control), std::string(c.caption),
                  std::string(w.name) + ": " + std::string(c.control));
        for (const auto& [member, twips] : w.bars)
            check(s.heightTwips(planner::row(planner::LabelArray::label7, member)), twips,
                  std::string(w.name) + ": bar " + std::to_string(member));
    }
}

// A run-time error stops the handler only; moving back mends every figure.
void boundary()
{
    planner::Session s;
    s.load();
    const planner::Update u = s.moved(planner::Ctl::vsbDepth, 0);
    check(u.error, std::string("vsbDepth_Change: Run-time error 11: Division by zero"), "error");
    check(captionOf(s, "lblDepth") + " " + captionOf(s, "lblFlen"), std::string("0 3.13"),
          "what the handler wrote before it failed, and after");
    check(u.close || s.ended(), false, "the window stays");
    s.moved(planner::Ctl::vsbDepth, 20);
    check(captionOf(s, "lblFlen") + " " + captionOf(s, "Label10"), std::string("3.13 50.8"),
          "the next change computes afresh");
}

} // namespace

int main()
{
    numberTexts();
    workedStates();
    boundary();
    std::cout << passed << " passed, " << failed << " failed" << std::endl;
    return failed == 0 && passed > 0 ? 0 : 1;
}
