// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What screen readers get of the page, from Chromium's accessibility tree:
// the figures with their meanings and units, the three bars as vertical
// sliders with their names, ranges and values, nothing of what has
// vanished, and the sentence of changed figures in a polite live region.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { serve, launch, open, control, readAs } from './harness.mjs';

let server, browser;
before(async () => { server = await serve(); browser = await launch(); });
after(async () => { await browser.close(); await server.close(); });

// Chromium's accessibility tree, as screen readers get it: blanks kept.
async function tree(page) {
    const cdp = await page.context().newCDPSession(page);
    const { nodes } = await cdp.send('Accessibility.getFullAXTree');
    return nodes.filter(n => !n.ignored);
}

async function sliders(page) {
    const property = (n, name) => n.properties?.find(p => p.name === name)?.value.value;
    return (await tree(page)).filter(n => n.role?.value === 'slider').map(n => [n.name.value,
        property(n, 'orientation'), property(n, 'valuemin'), property(n, 'valuemax'), n.value?.value]);
}

async function texts(page) {
    return (await tree(page)).filter(n => n.role?.value === 'StaticText').map(n => n.name.value);
}

test('readers get meanings, sliders and the announcement, and nothing that vanished', async () => {
    const { page, ctx } = await open(browser, server.url);
    assert.deepEqual(await sliders(page), [['Frequency in MHz', 'vertical', 1200, 10000, 1200],
        ['Diameter in inches', 'vertical', 10, 40, 10], ['Depth in tenths of an inch', 'vertical', 10, 50, 20]]);
    const read = await texts(page);
    for (const said of ['Focal length 3.13 inches', 'Depth 50.8 millimetres', '   Depth   in ins.',
        'at 1 inch, 0.08 deep', 'bar at 5 inches'])
        assert.ok(read.includes(said), `reads "${said}"`);
    for (const gone of ['bar at 0 inches', 'at 6 inches,  deep', 'bar at 6 inches', '7.4', '3.13'])
        assert.ok(!read.includes(gone), `does not read "${gone}"`);
    assert.equal(await control(page, 'lblFlen').locator('.caption').textContent(), '3.13');
    const exit = (await tree(page)).find(n => n.role?.value === 'button');
    assert.deepEqual([exit.name.value, exit.properties.find(p => p.name === 'keyshortcuts')?.value.value],
        ['Exit', 'Alt+X']);

    await control(page, 'vsbDiam').focus();
    await page.keyboard.press('ArrowDown');
    const live = page.locator('[aria-live="polite"]');
    assert.equal(await live.textContent(), 'Diameter 11 inches, 279.4 millimetres. Focal length 3.78 ' +
        'inches, 96.012 millimetres. F/D ratio 0.34. Gain 6 times. Rim 1.67 deep at 5 inches.');
    assert.equal((await sliders(page))[1][4], 11);
    assert.equal(await readAs(page, 'label8(5)'), 'at 5 inches, 1.67 deep');
    assert.equal(await readAs(page, 'label8(6)'), '', 'still hidden');
    await ctx.close();
});
