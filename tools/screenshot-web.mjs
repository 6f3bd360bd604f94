// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web page in headless Chromium, its bars moved by keys to one of the
// worked states (tests/worked_states.h), as a PNG: the window as designed,
// or with a viewport's size given, the whole page as it shows there (a
// phone's: compact) but for the builder's forms; or, for a file named
// .pdf, the template it prints on A4. With a builder's form and what to put
// in it (ID=TEXT types into a field, ID=n chooses an option, rows=TEXT
// pastes, \n and \t standing for line ends and tabs), that form's section.
// A developer's tool.
// Usage (after ./build.sh web):
//   PLANNER_SITE=build-web/site PLANNER_TABLES=build-web/tables.json \
//     node tools/screenshot-web.mjs 2400 24 30 docs/planner-web.png [390 844] [FORM ID=TEXT...]
import { serve, drivers, reach, tables } from '../tests/web/harness.mjs';

const args = process.argv.slice(2).map(a => (isNaN(a) ? a : Number(a)));
const [freq, diam, depth, out] = args;
const [width, height] = typeof args[4] === 'number' && typeof args[5] === 'number' ? args.slice(4, 6) : [];
const [form, ...fills] = args.slice(width ? 6 : 4);
const state = tables.states.find(s => s.freq === freq && s.diam === diam && s.depth === depth);
if (!state) throw new Error(`no worked state at ${freq} MHz, ${diam} in, depth ${depth}`);
const phone = width ? { viewport: { width, height }, isMobile: true, hasTouch: true } : {};
const server = await serve();
const d = await drivers.chromium({ viewport: { width: 792, height: 573 }, ...phone });
try {
    await reach(d, server.url, state, 'keys');
    await d.run(() => document.activeElement.blur());
    if (form !== undefined) {
        const outline = tables.forms[form];
        await d.run(
            ([outline, fills]) => {
                for (const fill of fills) {
                    const [item, text] = [fill.slice(0, fill.indexOf('=')), fill.slice(fill.indexOf('=') + 1)];
                    const value = text.replaceAll('\\n', '\n').replaceAll('\\t', '\t');
                    const e = document.getElementById(`${outline.id}-${item}${item === 'rows' ? '-0-0' : ''}`);
                    const option = document.getElementById(`${outline.id}-${item}-${value}`);
                    if (option) option.click();
                    else if (e.tagName === 'SELECT') {
                        e.selectedIndex = Number(value);
                        e.dispatchEvent(new Event('change', { bubbles: true }));
                    } else if (item === 'rows') {
                        const data = new DataTransfer();
                        data.setData('text', value);
                        e.dispatchEvent(
                            new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true }),
                        );
                    } else {
                        e.value = value;
                        e.dispatchEvent(new Event('input', { bubbles: true }));
                    }
                }
            },
            outline,
            fills.map(String),
        );
        await d.page.locator(`#${outline.id}`).screenshot({ path: out });
    } else {
        // On a phone, the page as it shows but for the builder's forms below.
        await d.run(() => document.querySelectorAll('.form').forEach(f => (f.hidden = true)));
        if (out.endsWith('.pdf')) await d.print(out, 'A4');
        else
            await (width
                ? d.page.screenshot({ path: out, fullPage: true })
                : d.page.locator('#window').screenshot({ path: out }));
    }
} finally {
    await d.close();
    await server.close();
}
