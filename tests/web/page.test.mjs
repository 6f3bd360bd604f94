// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page with real pointer and key input in Chromium: every worked state
// reached by arrow clicks, track clicks, keys or a thumb drag (nothing
// changes while dragging), a held arrow repeating, the range ends, the
// focus order, Exit and Alt+X, and Enter and Escape pressing nothing.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { serve, launch, open, ready, tables, designOf, control, caption, readAs, moves } from './harness.mjs';

let server, browser;
before(async () => { server = await serve(); browser = await launch(); });
after(async () => { await browser.close(); await server.close(); });

const value = (page, bar) => control(page, bar).getAttribute('aria-valuenow').then(Number);

async function parts(page, bar) {
    const b = await control(page, bar).boundingBox();
    const t = await control(page, bar).locator('.thumb').boundingBox();
    return { b, t, x: b.x + b.width / 2, arrow: b.width };
}

// A press in the track beside the thumb, towards `down`; none where the
// thumb leaves no room.
async function trackSpot(page, bar, down) {
    const { b, t, x, arrow } = await parts(page, bar);
    const [from, to] = down ? [t.y + t.height, b.y + b.height - arrow] : [b.y + arrow, t.y];
    return to - from >= 2 ? { x, y: (from + to) / 2 } : null;
}

async function byKeys(page, bar, m) {
    await control(page, bar).focus();
    for (let i = 0; i < m.pages + m.lines; ++i)
        await page.keyboard.press(i < m.pages ? (m.down ? 'PageDown' : 'PageUp') : (m.down ? 'ArrowDown' : 'ArrowUp'));
}

async function byClicks(page, bar, m) {
    for (let i = 0; i < m.pages + m.lines; ++i) {
        const spot = i < m.pages ? await trackSpot(page, bar, m.down) : null;
        if (spot) {
            await page.mouse.click(spot.x, spot.y);
            continue;
        }
        if (i < m.pages) { // no room beside the thumb: the key does the same
            await control(page, bar).focus();
            await page.keyboard.press(m.down ? 'PageDown' : 'PageUp');
            continue;
        }
        const { b, x, arrow } = await parts(page, bar);
        await page.mouse.click(x, m.down ? b.y + b.height - arrow / 2 : b.y + arrow / 2);
    }
}

// The thumb dragged to where the target value puts it; nothing changes
// until it is let go.
async function byDrag(page, bar, target, figure) {
    const [min, max] = designOf(bar).range;
    const { b, t, x, arrow } = await parts(page, bar);
    const travel = b.height - 2 * arrow - t.height;
    const to = b.y + arrow + ((target - min) / (max - min)) * travel + t.height / 2;
    const before = await caption(page, figure);
    await page.mouse.move(x, t.y + t.height / 2);
    await page.mouse.down();
    await page.mouse.move(x, to, { steps: 5 });
    assert.equal(await caption(page, figure), before, `${bar}: nothing changes while dragging`);
    await page.mouse.up();
}

const figureOf = { vsbFreq: 'lblFreq', vsbDiam: 'lblDiam', vsbDepth: 'lblDepth' };

async function moveTo(page, bar, target, way) {
    const m = moves(bar, await value(page, bar), target);
    if (way === 2 && bar !== 'vsbFreq') // 8800 MHz in 70 pixels: no drag reaches each one
        await byDrag(page, bar, target, figureOf[bar]);
    else if (way === 1)
        await byClicks(page, bar, m);
    else
        await byKeys(page, bar, m);
    assert.equal(await value(page, bar), target, `${bar} moved there`);
}

test('every worked state, by keys, clicks and the thumb', async () => {
    let i = 2; // so that each way moves some bar up and some down
    for (const s of tables.states) {
        const { page, ctx, errors } = await open(browser, server.url);
        const way = i++ % 3;
        await moveTo(page, 'vsbFreq', s.freq, way);
        await moveTo(page, 'vsbDiam', s.diam, way);
        await moveTo(page, 'vsbDepth', s.depth, way);
        for (const [name, shown, spoken] of s.shown) {
            assert.equal(await caption(page, name), shown, `${s.name}: ${name}`);
            assert.equal(await readAs(page, name), shown === '' ? '' : spoken, `${s.name}: ${name} as read`);
        }
        for (const [member, height] of s.bars) {
            const box = await control(page, `label7(${member})`).boundingBox();
            assert.equal(box?.height ?? 0, height, `${s.name}: bar ${member}`);
        }
        assert.deepEqual(errors, []);
        await ctx.close();
    }
});

test('a held arrow repeats, a held track pages to the pointer', async () => {
    const { page, ctx } = await open(browser, server.url);
    let { b, x, arrow } = await parts(page, 'vsbDiam');
    await page.mouse.move(x, b.y + b.height - arrow / 2);
    await page.mouse.down();
    await page.waitForTimeout(1000); // 400 ms, then a step each 50 ms
    await page.mouse.up();
    const held = await value(page, 'vsbDiam');
    assert.ok(held >= 15 && held <= 25, `about 13 steps in a second: ${held}`);
    assert.equal(await caption(page, 'lblDiam'), String(held));
    ({ b, x, arrow } = await parts(page, 'vsbDepth'));
    await page.mouse.move(x, b.y + arrow + 1); // above the thumb, at the top
    await page.mouse.down();
    await page.waitForTimeout(1500);
    await page.mouse.up();
    assert.equal(await value(page, 'vsbDepth'), 10);
    await ctx.close();
});

test('the ends of the range hold', async () => {
    const { page, ctx } = await open(browser, server.url);
    const { b, x, arrow } = await parts(page, 'vsbFreq');
    await page.mouse.click(x, b.y + arrow / 2);
    assert.equal(await value(page, 'vsbFreq'), 1200);
    await page.keyboard.press('End');
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('PageDown');
    assert.equal(await caption(page, 'lblFreq'), '10000');
    await page.keyboard.press('Home');
    assert.equal(await caption(page, 'lblFreq'), '1200');
    await ctx.close();
});

const focused = page => page.evaluate(() => document.activeElement?.getAttribute('aria-label') ??
    document.activeElement?.textContent);

test('the focus starts on vsbFreq, Tab goes round, and the page lets it go', async () => {
    const { page, ctx } = await open(browser, server.url);
    const nameOf = n => designOf(n).meaning || 'Exit';
    assert.equal(await focused(page), nameOf('vsbFreq'));
    const order = tables.tabOrder.slice(0, -1); // the last comes round again
    for (const next of order) {
        await page.keyboard.press('Tab');
        assert.equal(await focused(page), nameOf(next));
    }
    await page.keyboard.press('Tab'); // out of the page, to the browser
    assert.equal(await page.evaluate(() => document.activeElement === document.body), true);
    await page.keyboard.press('Tab');
    assert.equal(await focused(page), nameOf('vsbFreq'));
    await ctx.close();
});

test('Enter and Escape on a bar press nothing; Exit and Alt+X end the planner', async () => {
    for (const how of ['click', 'Alt+X', 'Space']) {
        const { page, ctx } = await open(browser, server.url);
        await control(page, 'vsbDiam').focus();
        await page.keyboard.press('Enter');
        await page.keyboard.press('Escape');
        assert.equal(await page.locator('#window').count(), 1, 'Enter and Escape leave the window');
        if (how === 'click')
            await control(page, 'cmdExit').click();
        else if (how === 'Space')
            await control(page, 'cmdExit').focus(), await page.keyboard.press('Space');
        else
            await page.keyboard.press('Alt+X');
        assert.equal(await page.locator('#window').count(), 0, `${how}: the window is gone`);
        assert.equal(await page.locator('#ended').isVisible(), true, `${how}: says it has ended`);
        await ctx.close();
    }
});

test('a page opened by a script closes itself on Exit', async () => {
    const { page, ctx } = await open(browser, server.url);
    const [popup] = await Promise.all([ctx.waitForEvent('page'),
        page.evaluate(url => window.open(url), server.url)]);
    await ready(popup);
    const closed = popup.waitForEvent('close');
    // The page may be gone before the key comes up.
    await popup.keyboard.press('Alt+X').catch(() => {});
    await closed;
    await ctx.close();
});
