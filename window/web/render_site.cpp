// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Build time: the site's page and style sheet from their templates, with
// what the design says in them, so that the page shows the window with
// every figure before its script has run. In the page, the window as
// Form_Load leaves it in place of the empty #window, and the window's
// title for each {{title}}, and each builder's form in a section of its
// own where the template has <div id="forms"></div>, inert until its view
// takes it over; in
// the style sheet, the window's size for each
// (--designed) media condition, and the rules that place every control,
// without the notes for the source's reader.
// Usage (under Node): render_site.js page index.html site/index.html
//                     render_site.js rules planner.css site/planner.css
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "runtime/text.h"
#include "window/web/form_page.h"
#include "window/web/markup.h"
#include "window/web/rules.h"

namespace {

// The style sheet as shipped: its notes for whoever reads the source go;
// its licence stays.
void dropComments(std::string& css)
{
    for (auto at = css.find("/*"); at != std::string::npos; at = css.find("/*", at)) {
        const auto end = css.find("*/", at);
        if (end == std::string::npos)
            return;
        if (css.compare(at, 7, "/* SPDX") == 0)
            at = end + 2;
        else
            css.erase(at, end + 2 - at);
    }
}

} // namespace

int main(int argc, char** argv)
{
    constexpr std::string_view empty = "<div id=\"window\"></div>";
    const std::string what = argc == 4 ? argv[1] : "";
    std::ifstream in(argc == 4 ? argv[2] : "");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in || (what != "rules" && (what != "page" || text.find(empty) == std::string::npos))) {
        std::fprintf(stderr,
                     "usage: render_site page|rules TEMPLATE OUT; a page template holds %s\n",
                     std::string(empty).c_str());
        return 2;
    }
    planner::Session session;
    session.load();
    session.followWindow(); // the forms as the window loaded
    if (what == "rules") {
        rt::replaceAll(text, "(--designed)", planner::web::designedQuery());
        dropComments(text);
        text += planner::web::windowRules(session);
    } else {
        rt::replaceAll(text, empty,
                       "<div id=\"window\">\n" + planner::web::windowMarkup(session) + "</div>");
        rt::replaceAll(text, "{{title}}", planner::web::escaped(planner::windowTitle));
        std::string forms;
        for (int f = 0; f < session.forms().count(); ++f)
            forms += "<section class=\"form\" id=\"" +
                     std::string(session.forms()[f].outline().id) + "\" inert>" +
                     planner::web::formMarkup(session.forms()[f]) + "</section>\n";
        rt::replaceAll(text, "<div id=\"forms\"></div>", forms);
    }
    std::ofstream out(argv[3]);
    out << text;
    return out.good() ? 0 : 1;
}
