// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/planner_handlers.h"

#include "calc/curve.h"
#include "calc/decplaces.h"
#include "calc/ggainn.h"
#include "calc/units.h"

namespace planner {

namespace {

using rt::Value;

using calc::units::mmPerInch;
constexpr double inchesPerDepthStep = 1.0 / calc::units::depthStepsPerInch; // 0.1

double strict(const std::string& caption)
{
    return rt::strictToDouble(caption);
}
double val(const std::string& caption)
{
    return rt::val(caption);
}

} // namespace

PlannerHandlers::PlannerHandlers(ControlModel& model, std::function<void()> unload)
    : m_(model), unload_(std::move(unload))
{
}

// Every step of vsbDiam_Change, in the same order, after setting places.
void PlannerHandlers::Form_Load()
{
    places = Value(std::int16_t{2});
    vsbDiam_Change();
}

void PlannerHandlers::vsbFreq_Change()
{
    frequencyText();
    gainStep();
    profile(Reread::Ratio);
}

void PlannerHandlers::vsbDiam_Change()
{
    diameterText();
    diameterMillimetres();
    gainStep();
    depthText();
    depthMillimetres();
    focalLength();
    focalRatio();
    profile(Reread::Diameter);
}

void PlannerHandlers::vsbDepth_Change()
{
    depthText();
    depthMillimetres();
    focalLength();
    focalRatio();
    profile(Reread::Both);
}

void PlannerHandlers::cmdExit_Click()
{
    unload_();
}

namespace {

struct HandlerEntry {
    Event event;
    void (PlannerHandlers::*handler)();
    const char* name;
};

// Indexed by Event; the static_assert keeps the two in step.
constexpr HandlerEntry handlerTable[] = {
    {Event::Load, &PlannerHandlers::Form_Load, "Form_Load"},
    {Event::FreqChange, &PlannerHandlers::vsbFreq_Change, "vsbFreq_Change"},
    {Event::DiamChange, &PlannerHandlers::vsbDiam_Change, "vsbDiam_Change"},
    {Event::DepthChange, &PlannerHandlers::vsbDepth_Change, "vsbDepth_Change"},
    {Event::ExitClick, &PlannerHandlers::cmdExit_Click, "cmdExit_Click"},
};

constexpr bool inEventOrder()
{
    int i = 0;
    for (const HandlerEntry& h : handlerTable)
        if (static_cast<int>(h.event) != i++)
            return false;
    return i == eventCount;
}
static_assert(inEventOrder());

} // namespace

std::string_view handlerName(Event e)
{
    return handlerTable[static_cast<int>(e)].name;
}

void PlannerHandlers::raise(Event e)
{
    // The entry first: GCC 12's bounds check misreads an index taken in
    // the same expression as a call through a member pointer.
    const HandlerEntry& h = handlerTable[static_cast<int>(e)];
    (this->*h.handler)();
}

void PlannerHandlers::frequencyText()
{
    m_.setCaption(Ctl::lblFreq, rt::intToText(m_.value(Ctl::vsbFreq)));
}

void PlannerHandlers::diameterText()
{
    m_.setCaption(Ctl::lblDiam, rt::intToText(m_.value(Ctl::vsbDiam)));
}

void PlannerHandlers::diameterMillimetres()
{
    const double mm = rt::dmul(strict(m_.caption(Ctl::lblDiam)), mmPerInch);
    m_.setCaption(Ctl::Label9, rt::doubleToText(mm));
}

void PlannerHandlers::gainStep()
{
    freq = Value(m_.caption(Ctl::lblFreq));
    diam = Value(val(m_.caption(Ctl::lblDiam)));
    calc::ggainn(freq, diam);
    m_.setCaption(Ctl::lblGain, rt::Int(calc::gain).toText());
}

void PlannerHandlers::depthText()
{
    // The bar's value goes through its text form and back, unchanged.
    const double steps = strict(rt::intToText(m_.value(Ctl::vsbDepth)));
    m_.setCaption(Ctl::lblDepth, rt::doubleToText(rt::dmul(steps, inchesPerDepthStep)));
}

void PlannerHandlers::depthMillimetres()
{
    const double mm = rt::dmul(strict(m_.caption(Ctl::lblDepth)), mmPerInch);
    m_.setCaption(Ctl::Label10, rt::doubleToText(mm));
}

void PlannerHandlers::focalLength()
{
    depth = Value(val(m_.caption(Ctl::lblDepth)));
    const double diameterSquared = rt::dpow(val(m_.caption(Ctl::lblDiam)), 2.0);
    const Value unrounded = Value(diameterSquared) / (Value(std::int16_t{16}) * depth);
    calc::decplaces(unrounded, places);
    flen = calc::rounded;
    m_.setCaption(Ctl::lblFlen, flen.toText());
    const double mm = rt::dmul(strict(m_.caption(Ctl::lblFlen)), mmPerInch);
    m_.setCaption(Ctl::Label11, rt::doubleToText(mm));
}

void PlannerHandlers::focalRatio()
{
    const double ratio = rt::ddiv(val(m_.caption(Ctl::lblFlen)), val(m_.caption(Ctl::lblDiam)));
    calc::decplaces(Value(ratio), places);
    fdr = calc::rounded;
    m_.setCaption(Ctl::lblFdr, fdr.toText());
}

void PlannerHandlers::profile(Reread reread)
{
    if (reread != Reread::Ratio)
        diam = Value(val(m_.caption(Ctl::lblDiam)));
    if (reread != Reread::Diameter)
        fdr = Value(val(m_.caption(Ctl::lblFdr)));
    calc::curve(diam, fdr, m_);
}

} // namespace planner
