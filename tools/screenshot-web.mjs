// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web page in headless Chromium, its bars moved by keys to one of the
// worked states (tests/worked_states.h), as a PNG: the window as designed,
// or with a viewport's size given, the whole page as it shows there (a
// phone's: compact) but for the dish check; or, for a file named .pdf, the
// template it prints on A4. A developer's tool.
// Usage (after ./build.sh web):
//   PLANNER_SITE=build-web/site PLANNER_TABLES=build-web/tables.json \
//     node tools/screenshot-web.mjs 2400 24 30 docs/planner-web.png [390 844]
import { serve, drivers, reach, tables } from '../tests/web/harness.mjs';

const [freq, diam, depth, out, width, height] = process.argv.slice(2).map(a => (isNaN(a) ? a : Number(a)));
const state = tables.states.find(s => s.freq === freq && s.diam === diam && s.depth === depth);
if (!state) throw new Error(`no worked state at ${freq} MHz, ${diam} in, depth ${depth}`);
const phone = width ? { viewport: { width, height }, isMobile: true, hasTouch: true } : {};
const server = await serve();
const d = await drivers.chromium({ viewport: { width: 792, height: 573 }, ...phone });
try {
    await reach(d, server.url, state, 'keys');
    await d.run(() => document.activeElement.blur());
    // On a phone, the page as it shows but for the dish check below.
    await d.run(() => (document.getElementById('check').hidden = true));
    if (out.endsWith('.pdf')) await d.print(out, 'A4');
    else
        await (width
            ? d.page.screenshot({ path: out, fullPage: true })
            : d.page.locator('#window').screenshot({ path: out }));
} finally {
    await d.close();
    await server.close();
}
