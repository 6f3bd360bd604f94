// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/curve.h"

#include "calc/decplaces.h"
#include "runtime/counting_loop.h"

namespace calc {

rt::Value radius;
rt::Value fourD;
rt::Value fourF;
std::array<rt::Value, radiusEntries> rsq;
std::array<rt::Value, radiusEntries> rdepth;
std::array<rt::Value, radiusEntries> rrounded;
rt::Value scratch;

namespace {

std::size_t arrayIndex(const rt::Value& r)
{
    const std::int32_t i = rt::toInt32(r);
    if (i < 0 || i >= static_cast<std::int32_t>(rsq.size()))
        throw rt::RuntimeError(rt::ErrorCode::SubscriptOutOfRange);
    return static_cast<std::size_t>(i);
}

} // namespace

void curve(const rt::Value& diameter, const rt::Value& ratio, ProfileLabels& labels)
{
    for (std::int16_t r = 0; r < profileMembers; ++r) {
        labels.setBarHeight(r, 0.0f);
        labels.setFigureCaption(r, "");
    }

    const rt::Value places(std::int16_t{2});
    radius = diameter / rt::Value(std::int16_t{2});
    fourD = diameter * rt::Value(std::int16_t{4});
    fourF = fourD * ratio;

    rt::countingLoop(
        rt::Value(std::int16_t{0}), radius, rt::Value(std::int16_t{1}), [&](const rt::Value& r) {
            const std::size_t i = arrayIndex(r);
            rsq[i] = rt::power(r, rt::Value(std::int16_t{2}));
            rdepth[i] = rsq[i] / fourF;
            scratch = rdepth[i];
            decplaces(scratch, places);
            rrounded[i] = rounded;
            const std::int16_t member = rt::toInt16(r);
            labels.setBarHeight(member, rt::toSingle(rdepth[i] * rt::Value(std::int16_t{1000})));
            labels.setBarCaption(member, r.toText());
            labels.setFigureCaption(member, rrounded[i].toText());
        });
}

} // namespace calc
