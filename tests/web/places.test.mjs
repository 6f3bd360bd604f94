// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where every control stands, in CSS pixels from the window's corner, at
// zoom 100% and on a screen of two device pixels a CSS pixel; and on a
// phone-sized touch screen, where the window is scaled to fit and a tap on
// an arrow steps.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { serve, launch, open, tables, control, caption } from './harness.mjs';

let server, browser;
before(async () => { server = await serve(); browser = await launch(); });
after(async () => { await browser.close(); await server.close(); });

// Each control's box relative to the window's.
async function boxes(page) {
    const w = await page.locator('#window').boundingBox();
    const all = {};
    for (const c of tables.controls) {
        const b = await control(page, c.name).boundingBox();
        all[c.name] = b && [b.x - w.x, b.y - w.y, b.width, b.height];
    }
    return { window: [w.width, w.height], all };
}

for (const deviceScaleFactor of [1, 2]) {
    test(`every control at its place, ${deviceScaleFactor} device pixels a CSS pixel`, async () => {
        const { page, ctx } = await open(browser, server.url, { deviceScaleFactor });
        const { window, all } = await boxes(page);
        assert.deepEqual(window, [792, 573]);
        // The spots, worked out by hand; the profile bars' heights follow
        // the profile (the worked states check them).
        for (const [name, x, y, width, height] of tables.spots)
            assert.deepEqual(all[name], [x, y, width, height], name);
        for (const c of tables.controls) {
            const [x, y, width, height] = all[c.name] ?? [];
            const want = c.name.startsWith('label7') ? c.box.slice(0, 3) : c.box;
            assert.deepEqual(c.name.startsWith('label7') ? [x, y, width] : [x, y, width, height],
                want, c.name);
        }
        const shot = await page.locator('#window').screenshot();
        assert.equal(shot.readUInt32BE(16), 792 * deviceScaleFactor, 'as sharp as the screen');
        await ctx.close();
    });
}

test('on a phone the window fits, and a tap on an arrow steps', async () => {
    const { page, ctx } = await open(browser, server.url, {
        viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true, deviceScaleFactor: 3 });
    const w = await page.locator('#window').boundingBox();
    assert.ok(w.x >= 0 && w.x + w.width <= 390, `fits: ${w.width} wide`);
    assert.equal(Math.round(w.width), 390);
    const bar = await control(page, 'vsbDiam').boundingBox();
    await page.touchscreen.tap(bar.x + bar.width / 2, bar.y + bar.height - bar.width / 2);
    assert.equal(await caption(page, 'lblDiam'), '11');
    await ctx.close();
});
