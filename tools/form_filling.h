// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The screenshot tools' way into a builder's form: each argument ID=TEXT
// types TEXT into the field ID, or chooses option n of the choice or list
// ID; rows=TEXT pastes TEXT into the first row, \n and \t in it standing
// for line ends and tabs. A developer's tool. Example: fillForm(session,
// 0, {"diameter=24", "rows=0\t0\n12\t3\n24\t0"}).
#pragma once

#include <cstdio>
#include <string>

#include "window/session.h"

inline bool fillForm(planner::Session& session, int f, int n, char** args)
{
    using namespace planner;
    const form::Outline& outline = session.forms()[f].outline();
    for (int i = 0; i < n; ++i) {
        const std::string arg = args[i];
        const auto equals = arg.find('=');
        const int item = form::itemNamed(outline, arg.substr(0, equals));
        if (equals == std::string::npos || item < 0) {
            std::fprintf(stderr, "no field %s in form %d\n", arg.c_str(), f);
            return false;
        }
        std::string text = arg.substr(equals + 1);
        for (const auto& [escape, c] : {std::pair{"\\n", '\n'}, {"\\t", '\t'}})
            for (auto at = text.find(escape); at != std::string::npos; at = text.find(escape, at))
                text.replace(at, 2, 1, c);
        const form::Kind kind = outline.items[item].kind;
        if (kind == form::Kind::Rows)
            session.pasted(f, {item, 0, 0}, text);
        else if (kind == form::Kind::Choice || kind == form::Kind::List)
            session.chose(f, item, std::stoi(text));
        else
            session.typed(f, {item}, text);
    }
    return true;
}
