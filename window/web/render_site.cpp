// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Build time: the site's page and style sheet with the window as it stands
// after Form_Load, so that the page shows every figure before its script
// has run: the template with the window in it.
// Usage (under Node): render_site.js page index.html site/index.html
//                     render_site.js rules planner.css site/planner.css
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "window/web/markup.h"

int main(int argc, char** argv)
{
    constexpr std::string_view empty = "<div id=\"window\"></div>";
    const std::string what = argc == 4 ? argv[1] : "";
    std::ifstream in(argc == 4 ? argv[2] : "");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto at = text.find(empty);
    if (!in || (what != "rules" && (what != "page" || at == std::string::npos))) {
        std::fprintf(stderr, "usage: render_site page|rules TEMPLATE OUT; a page template holds %s\n",
                     std::string(empty).c_str());
        return 2;
    }
    planner::Session session;
    session.load();
    if (what == "rules")
        text += "\n/* Each control's place, from the design table; label heights and\n"
                "   thumbs as Form_Load leaves them. */\n" +
                planner::web::windowRules(session);
    else
        text.replace(at, empty.size(),
                     "<div id=\"window\">\n" + planner::web::windowMarkup(session) + "</div>");
    std::ofstream out(argv[3]);
    out << text;
    return out.good() ? 0 : 1;
}
