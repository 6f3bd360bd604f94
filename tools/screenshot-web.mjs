// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web page's window in headless Chromium, after the three bars have been
// moved by keys to the given values, as a PNG. A developer's tool.
// Usage (after ./build.sh web):
//   PLANNER_SITE=build-web/site PLANNER_TABLES=build-web/tables.json \
//     node tools/screenshot-web.mjs 2400 24 30 docs/planner-web.png
import { serve, launch, open, control } from '../tests/web/harness.mjs';

const [freq, diam, depth, out] = process.argv.slice(2);
const server = await serve();
const browser = await launch();
try {
    const { page } = await open(browser, server.url, { viewport: { width: 792, height: 573 } });
    for (const [bar, target] of [['vsbFreq', +freq], ['vsbDiam', +diam], ['vsbDepth', +depth]]) {
        await control(page, bar).focus();
        await page.keyboard.press('Home');
        const now = Number(await control(page, bar).getAttribute('aria-valuenow'));
        const page100 = bar === 'vsbFreq' ? 100 : 1;
        for (let v = now; v + page100 <= target; v += page100)
            await page.keyboard.press('PageDown');
        while (Number(await control(page, bar).getAttribute('aria-valuenow')) < target)
            await page.keyboard.press('ArrowDown');
    }
    await page.evaluate(() => document.activeElement.blur());
    await page.locator('#window').screenshot({ path: out });
} finally {
    await browser.close();
    await server.close();
}
