// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page in Chromium with real pointer, touch and key input. As
// designed: every worked state reached by keys, clicks or a thumb drag,
// every control's place at one and two device pixels a CSS pixel, a held
// arrow and a held track, the range's ends, the focus order, the ways out,
// and what screen readers get.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import AxeBuilder from '@axe-core/playwright';
import { chromium } from 'playwright-core';
import { serve, chromiumOptions, drivers, open, reach, look, tables, idOf, designOf,
    expectState, expectPlaces } from './harness.mjs';

let server, browser;
before(async () => { server = await serve(); browser = await chromium.launch(chromiumOptions); });
after(async () => { await browser.close(); await server.close(); });

const page = context => drivers.chromium({ browser, context });

// What a screen reader reads of a control: its text in the accessibility
// tree, "" for one hidden from it.
async function readAs(p, name) {
    const tree = await p.locator(`#${idOf(name)}`).ariaSnapshot();
    return tree.replace(/^- (text|slider|button): ?/, '').replace(/^"(.*)"$/, '$1');
}

test('every worked state, by keys, clicks and the thumb', async () => {
    const ways = ['drag', 'keys', 'clicks']; // so that each way moves some bar up and some down
    for (const [i, s] of tables.states.entries()) {
        const d = await page();
        expectState(await reach(d, server.url, s, ways[i % 3]), s);
        for (const [name, shown, spoken] of s.shown)
            assert.equal(await readAs(d.page, name), shown === '' ? '' : spoken, `${s.name}: ${name} as read`);
        assert.deepEqual(d.errors, []);
        await d.close();
    }
});

for (const deviceScaleFactor of [1, 2]) {
    test(`every control at its place, ${deviceScaleFactor} device pixels a CSS pixel`, async () => {
        const d = await page({ deviceScaleFactor });
        expectPlaces(await open(d, server.url));
        const shot = await d.page.locator('#window').screenshot();
        assert.equal(shot.readUInt32BE(16), tables.window[0] * deviceScaleFactor, 'as sharp as the screen');
        await d.close();
    });
}

// A press on an arrow or in the track, held.
async function hold(d, bar, where, ms) {
    const { at: [x, y, width, height] } = (await d.run(look)).controls[idOf(bar)];
    await d.page.mouse.move(x + width / 2, where === 'down arrow' ? y + height - width / 2 : y + width + 1);
    await d.page.mouse.down();
    await d.page.waitForTimeout(ms);
    await d.page.mouse.up();
    return Number((await d.run(look)).controls[idOf(bar)].shown);
}

test('held arrows and tracks repeat; the ends hold; Tab goes round from the first', async () => {
    const d = await page();
    const seen = await open(d, server.url);
    const held = await hold(d, 'vsbDiam', 'down arrow', 1000); // 400 ms, then a step each 50 ms
    assert.ok(held >= 15 && held <= 25, `about 13 steps in a second: ${held}`);
    assert.equal((await d.run(look)).controls[idOf('lblDiam')].shown, String(held));
    assert.equal(await hold(d, 'vsbDepth', 'top of the track', 1500), 10, 'pages to the top');
    for (const [key, value] of [['End', '10000'], ['ArrowDown', '10000'], ['PageDown', '10000'],
        ['Home', '1200'], ['ArrowDown', '1201']]) {
        await d.run(([id]) => document.getElementById(id).focus(), idOf('vsbFreq'));
        await d.press(key);
        assert.equal((await d.run(look)).controls[idOf('lblFreq')].shown, value, key);
    }
    const { thumb: [x, y, width, height] } = (await d.run(look)).controls[idOf('vsbFreq')];
    await d.click(x + width / 2, y + height / 2); // where 1200 would put it too
    assert.equal((await d.run(look)).controls[idOf('lblFreq')].shown, '1201', 'a thumb let go where it was');
    await d.page.reload();
    assert.equal((await open(d, server.url)).focused, idOf(tables.tabOrder[0]), 'the focus starts first');
    for (const next of [...tables.tabOrder.slice(1), 'the browser', tables.tabOrder[0]]) {
        await d.press('Tab');
        assert.equal((await d.run(look)).focused ?? 'the browser', next === 'the browser' ? '' : idOf(next));
    }
    assert.equal(seen.focused, idOf(tables.tabOrder[0]));
    await d.close();
});

test('Enter and Escape on a bar press nothing; Exit and Alt+X end the planner', async () => {
    for (const how of ['click', 'Alt+X', 'Space']) {
        const d = await page();
        await open(d, server.url);
        const exit = d.page.locator(`#${idOf('cmdExit')}`);
        await d.page.locator(`#${idOf('vsbDiam')}`).focus();
        await d.press('Enter');
        await d.press('Escape');
        assert.equal(await d.page.locator('#window').count(), 1, 'Enter and Escape leave the window');
        if (how === 'click')
            await exit.click();
        else if (how === 'Space')
            await exit.focus(), await d.press('Space');
        else
            await d.press('Alt+X');
        assert.equal(await d.page.locator('#window').count(), 0, `${how}: the window is gone`);
        assert.equal(await d.page.locator('#ended').isVisible(), true, `${how}: says it has ended`);
        await d.close();
    }
    const d = await page(); // a page that a script opened closes itself
    await open(d, server.url);
    const [popup] = await Promise.all([d.ctx.waitForEvent('page'), d.run(([url]) => window.open(url), server.url)]);
    await popup.waitForSelector('#needs', { state: 'detached' });
    const closed = popup.waitForEvent('close');
    await popup.keyboard.press('Alt+X').catch(() => {}); // the page may be gone before the key comes up
    await closed;
    await d.close();
});

// Chromium's accessibility tree, as screen readers get it: blanks kept.
async function tree(p) {
    const cdp = await p.context().newCDPSession(p);
    const { nodes } = await cdp.send('Accessibility.getFullAXTree');
    return nodes.filter(n => !n.ignored);
}
const property = (n, name) => n.properties?.find(p => p.name === name)?.value.value;
const sliders = async p => (await tree(p)).filter(n => n.role?.value === 'slider').map(n => [n.name.value,
    property(n, 'orientation'), property(n, 'valuemin'), property(n, 'valuemax'), n.value?.value]);

for (const viewport of [undefined, { width: 390, height: 844 }])
test(`readers get meanings, sliders and the announcement, and nothing that vanished, ${viewport ? 'compact' : 'as designed'}`, async () => {
    const d = await page({ viewport });
    await open(d, server.url);
    assert.deepEqual(await sliders(d.page), ['vsbFreq', 'vsbDiam', 'vsbDepth'].map(bar => {
        const { meaning, range: [min, max, value] } = designOf(bar);
        return [meaning, 'vertical', min, max, value];
    }));
    const nodes = await tree(d.page);
    const read = nodes.filter(n => n.role?.value === 'StaticText').map(n => n.name.value);
    for (const said of ['Focal length 3.13 inches', 'Depth 50.8 millimetres', '   Depth   in ins.',
        'at 1 inch, 0.08 deep', 'bar at 5 inches', tables.title])
        assert.ok(read.includes(said), `reads "${said}"`);
    for (const gone of ['bar at 0 inches', 'at 6 inches,  deep', 'bar at 6 inches', '7.4', '3.13'])
        assert.ok(!read.includes(gone), `does not read "${gone}"`);
    const exit = nodes.find(n => n.role?.value === 'button');
    assert.deepEqual([exit.name.value, property(exit, 'keyshortcuts')], ['Exit', 'Alt+X']);
    await d.page.locator(`#${idOf('vsbDiam')}`).focus();
    await d.press('ArrowDown');
    assert.equal(await d.page.locator('[aria-live="polite"]').textContent(), 'Diameter 11 inches, 279.4 ' +
        'millimetres. Focal length 3.78 inches, 96.012 millimetres. F/D ratio 0.34. Gain 6 times. Rim 1.67 deep at 5 inches.');
    assert.equal((await sliders(d.page))[1][4], 11);
    assert.equal(await readAs(d.page, 'label8(5)'), 'at 5 inches, 1.67 deep');
    assert.equal(await readAs(d.page, 'label8(6)'), '', 'still hidden');
    assert.equal(await d.page.title(), tables.title);
    await d.close();
});

// Compact, where the window does not fit at 100%: phones, and a desktop
// browser zoomed to 200% and 400%.
const screens = [
    { name: 'phone 320 × 568', viewport: { width: 320, height: 568 }, isMobile: true, hasTouch: true, deviceScaleFactor: 3 },
    { name: 'phone 390 × 844', viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true, deviceScaleFactor: 3 },
    { name: 'phone on its side, 844 × 390', viewport: { width: 844, height: 390 }, isMobile: true, hasTouch: true, deviceScaleFactor: 3 },
    { name: 'zoomed to 200%, 640 × 400', viewport: { width: 640, height: 400 }, deviceScaleFactor: 2 },
    { name: 'zoomed to 400%, 320 × 256', viewport: { width: 320, height: 256 }, deviceScaleFactor: 4 }];

// In the page: the smallest text as rendered, the smallest target (arrows,
// thumbs, Exit: their shorter side), and the lowest of the bars and of
// the figures they change but the profile's, in CSS pixels of the page.
function measure() {
    const all = [...document.querySelectorAll('#window .caption, #window .button')]
        .filter(e => e.textContent.trim() && e.getClientRects().length);
    const boxes = sel => [...document.querySelectorAll(sel)].map(e => e.getBoundingClientRect());
    const targets = boxes('#window .up, #window .down, #window .thumb, #window .button');
    const top = boxes('#window > .control:not(.label7):not(.label8)');
    return { text: Math.min(...all.map(e => parseFloat(getComputedStyle(e).fontSize))),
        target: Math.min(...targets.map(b => Math.min(b.width, b.height))),
        lowest: Math.max(...top.map(b => b.bottom + scrollY)), rightmost: Math.max(...top.map(b => b.right)) };
}

for (const screen of screens) {
    test(`compact, ${screen.name}: the worked states by taps, touch drags and keys; text, targets, reach`, async () => {
        const { name, ...context } = screen;
        const ways = context.hasTouch ? ['drag by touch', 'keys', 'taps'] : ['drag', 'keys', 'clicks'];
        for (const [i, s] of tables.states.entries()) {
            const d = await page(context);
            const seen = await reach(d, server.url, s, ways[i % 3]);
            expectState(seen, s, true);
            assert.ok(seen.scrollWidth <= seen.width, `${s.name}: no scrolling across (${seen.scrollWidth})`);
            assert.deepEqual(d.errors, []);
            if (i === 0) {
                const m = await d.run(measure);
                console.log(name, JSON.stringify(m));
                assert.ok(m.text >= 12 && m.target >= 44, `text ${m.text} px, targets ${m.target} px`);
                assert.ok(m.rightmost <= seen.width, 'every figure within the width');
                if (name.includes('390 × 844'))
                    assert.ok(m.lowest <= 844, `the bars and their figures on one screen: ${m.lowest}`);
                const { violations } = await new AxeBuilder({ page: d.page })
                    .options({ rules: { 'target-size': { enabled: true } } }).analyze();
                assert.deepEqual(violations.map(v => `${v.id}: ${v.nodes.map(n => n.target).join(' ')}`), []);
            }
            await d.close();
        }
    });
}

test('compact: a held arrow repeats under a finger', async () => {
    const d = await page(screens[1]);
    await open(d, server.url);
    const { at: [x, y, width, height] } = (await d.run(look)).controls[idOf('vsbDiam')];
    const release = await d.drag(x + width / 2, y + height - width / 2, y + height - width / 2, true);
    await d.page.waitForTimeout(1000);
    await release();
    const held = Number((await d.run(look)).controls[idOf('vsbDiam')].shown);
    assert.ok(held >= 15 && held <= 25, `about 13 steps in a second: ${held}`);
    await d.close();
});

// In the page: for each profile bar drawn and each arrow, a spot on it
// and a spot beside it on what it stands on, in CSS pixels.
function spots() {
    const pairs = [], compact = getComputedStyle(document.getElementById('window')).display === 'grid';
    for (const bar of document.querySelectorAll('#window .label7')) {
        const b = bar.getBoundingClientRect(), after = getComputedStyle(bar, '::after');
        const across = parseFloat(after.width) || 0, y = (b.top + b.bottom) / 2;
        if (compact && across > 3) { // the bar across, after the radius and its margin: the bar across, after the radius and its margin
            const left = bar.querySelector('.caption').getBoundingClientRect().right + parseFloat(after.marginLeft);
            pairs.push([bar.id, [left + across / 2, y], [left - 3, y]]);
        } else if (!compact && b.height > 3) {
            pairs.push([bar.id, [b.left + 2, b.bottom - 2], [b.left - 3, b.bottom - 2]]); // clear of its caption
        }
    }
    for (const arrow of document.querySelectorAll('#window .up, #window .down')) {
        const b = arrow.getBoundingClientRect(), glyph = arrow.className === 'up' ? 0.52 : 0.5;
        pairs.push([arrow.className, [b.left + 0.533 * b.width, b.top + glyph * b.height],
            [b.left + 0.15 * b.width, b.top + 0.5 * b.height]]);
    }
    return pairs;
}

// The colours at spots of a screenshot, read back by the browser's own
// decoder on a page of their own.
async function colours(png, points, scale) {
    const blank = await browser.newPage();
    const got = await blank.evaluate(async ([data, points, scale]) => {
        const img = new Image();
        img.src = `data:image/png;base64,${data}`;
        await img.decode();
        const g = new OffscreenCanvas(img.width, img.height).getContext('2d');
        g.drawImage(img, 0, 0);
        return points.map(([x, y]) => [...g.getImageData(Math.floor(x * scale), Math.floor(y * scale), 1, 1).data].join());
    }, [png.toString('base64'), points, scale]);
    await blank.close();
    return got;
}

for (const viewport of [{ width: 1000, height: 700 }, { width: 390, height: 844 }])
test(`forced colours, ${viewport.width} × ${viewport.height}: profile bars and arrows stand out`, async () => {
    const d = await page({ viewport, deviceScaleFactor: 2 });
    await d.page.emulateMedia({ forcedColors: 'active' });
    await open(d, server.url);
    const pairs = await d.run(spots);
    const png = await d.page.screenshot({ fullPage: true });
    const got = await colours(png, pairs.flatMap(([, on, beside]) => [on, beside]), 2);
    assert.equal(pairs.filter(([id]) => id.startsWith('r')).length, 5, 'the five bars of start-up');
    for (const [i, [what]] of pairs.entries())
        assert.notEqual(got[2 * i], got[2 * i + 1], `${what} (${pairs[i].slice(1)}) differs from what it stands on`);
    await d.close();
});
