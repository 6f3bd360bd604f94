// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page with real pointer, touch and key input, in Chromium, Firefox and
// WebKit through one test body: every worked state, as designed by keys,
// clicks or a thumb drag, and compact, on phones and at 200% and 400%
// zoom, by taps, touch drags and keys, with no scrolling across; on
// opening, the focus first in the Tab order and, as designed, every
// control at its place (at one and two device pixels a CSS pixel), or
// compact, text and targets large enough, nothing out of reach, and no
// fault axe-core finds with its target-size rule on. In Chromium: held
// arrows and tracks, by mouse and by finger; the range's ends; the focus
// order; the ways out (what readers get is Orca's check, tests/orca); in
// forced colours, the profile bars and the arrows standing out in both
// arrangements.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { PNG } from 'pngjs';
import {
    shared,
    drivers,
    open,
    reach,
    look,
    tables,
    idOf,
    expectState,
    expectPlaces,
    axeFaults,
    runScenario,
} from './harness.mjs';

const run = shared(); // run.server, run.browser

const page = screen => drivers.chromium(screen, run.browser);
const shown = async (d, name) => (await d.run(look)).controls[idOf(name)].shown;
const focus = (d, name) => d.run(([id]) => document.getElementById(id).focus(), idOf(name));

// In the page: the smallest text as rendered and the smallest target
// (arrows, thumbs, Exit: their shorter side), and how far right and down
// the bars and every figure but the profile's reach, in the page's pixels.
function measure() {
    const boxes = sel => [...document.querySelectorAll(sel)].map(e => e.getBoundingClientRect());
    const texts = [...document.querySelectorAll('#window .caption, #window .button')].filter(e => e.textContent.trim());
    return {
        text: Math.min(...texts.map(e => parseFloat(getComputedStyle(e).fontSize))),
        target: Math.min(
            ...boxes('#window .up, #window .down, #window .thumb, #window .button').map(b =>
                Math.min(b.width, b.height),
            ),
        ),
        reach: boxes('#window > .control:not(.label7):not(.label8)').reduce(
            ([x, y], b) => [Math.max(x, b.right), Math.max(y, b.bottom + scrollY)],
            [0, 0],
        ),
    };
}

// What a screen shows on opening, as the header says.
async function opening(d, engine, name, { deviceScaleFactor, forcedColors }, { compact, oneScreen }) {
    const seen = await open(d, run.server.url);
    assert.equal(seen.focused, idOf(tables.tabOrder[0]), 'the focus starts first');
    if (forcedColors) await standOut(d, deviceScaleFactor);
    if (!compact) {
        expectPlaces(seen);
        const shot = engine === 'chromium' && (await d.page.locator('#window').screenshot());
        assert.ok(!shot || shot.readUInt32BE(16) === tables.window[0] * deviceScaleFactor, 'as sharp as the screen');
        return;
    }
    const m = await d.run(measure);
    console.log(engine, name, JSON.stringify(m));
    assert.ok(m.text >= 12 && m.target >= 44 && m.reach[0] <= seen.width, JSON.stringify(m));
    assert.ok(!oneScreen || m.reach[1] <= seen.height, 'the bars and their figures on one screen');
    if (engine === 'chromium') assert.deepEqual(await axeFaults(d.page, { 'target-size': { enabled: true } }), []);
}

const screen = (width, height, deviceScaleFactor = 1, touch = false) => ({
    viewport: { width, height },
    deviceScaleFactor,
    isMobile: touch,
    hasTouch: touch,
});
const designed = screen(1000, 700),
    phone = screen(390, 844, 3, true);
const all = tables.states.map(s => s.name),
    pointer = ['drag', 'keys', 'clicks'],
    finger = ['drag by touch', 'keys', 'taps'];
const few = ['start-up', 'diameter 11', 'depth 2.3', '24 inches at 2400 MHz', 'largest ratio and gain'];
// Engine, screen, the states reached in turn, the ways, in turn, and how the
// window stands: as designed, or compact (with all bars and their figures
// on one screen, where it is a phone's in portrait).
const designedRun = { compact: false },
    compact = { compact: true },
    portrait = { compact: true, oneScreen: true };
const runs = [
    ['chromium', 'as designed', designed, all, pointer, designedRun],
    ['chromium', 'as designed, 2 device pixels a CSS pixel', screen(1000, 700, 2), ['start-up'], pointer, designedRun],
    ['chromium', 'phone 320 × 568', screen(320, 568, 3, true), all, finger, compact],
    ['chromium', 'phone 390 × 844', phone, all, finger, portrait],
    ['chromium', 'phone on its side, 844 × 390', screen(844, 390, 3, true), all, finger, compact],
    ['chromium', '200% zoom, 640 × 400', screen(640, 400, 2), all, pointer, compact],
    ['chromium', '400% zoom, 320 × 256', screen(320, 256, 4), all, pointer, compact],
    [
        'chromium',
        'as designed, in forced colours',
        { ...designed, forcedColors: 'active' },
        ['start-up'],
        pointer,
        designedRun,
    ],
    [
        'chromium',
        'phone 390 × 844, in forced colours',
        { ...phone, forcedColors: 'active' },
        ['start-up'],
        finger,
        portrait,
    ],
    ...['firefox', 'webkit'].flatMap(engine => [
        [engine, 'as designed', designed, few, ['clicks', 'keys'], designedRun],
        [engine, 'phone 390 × 844', phone, ['start-up', '24 inches at 2400 MHz'], ['clicks'], portrait],
    ]),
];

for (const [engine, name, context, states, ways, stands] of runs) {
    test(`${engine}, ${name}: ${states.length} states by ${ways.join(', ')}`, async () => {
        const d = await drivers[engine](context, engine === 'chromium' ? run.browser : undefined);
        try {
            console.log(engine, await d.version());
            await opening(d, engine, name, context, stands);
            for (const [i, s] of states.map(n => tables.states.find(t => t.name === n)).entries()) {
                const seen = await reach(d, run.server.url, s, ways[i % ways.length]);
                expectState(seen, s, stands.compact);
                assert.ok(seen.scrollWidth <= seen.width, `${s.name}: no scrolling across (${seen.scrollWidth})`);
                assert.deepEqual(d.errors ?? [], []);
            }
        } finally {
            await d.close();
        }
    });
}

// A press held on the lower arrow, or at the top of the track, by mouse or
// finger, for ms: the value it leaves, and the most steps the press can
// have made in the time it took, one and then, after 400 ms, one each 50 ms
// (a timer may come late under load, never early).
async function hold(d, bar, where, ms, byTouch = false) {
    const {
        at: [x, y, width, height],
    } = (await d.run(look)).controls[idOf(bar)];
    const at = where === 'arrow' ? y + height - width / 2 : y + width + 1,
        start = Date.now();
    const release = await d.drag(x + width / 2, at, at, byTouch);
    await d.page.waitForTimeout(ms);
    await release();
    return [Number(await shown(d, bar)), 1 + Math.floor((Date.now() - start - 400) / 50)];
}

// A second on vsbDiam's lower arrow: about 13 steps, never more than the time allows.
async function repeats(d, byTouch) {
    const [held, most] = await hold(d, 'vsbDiam', 'arrow', 1000, byTouch);
    assert.ok(
        held >= 15 && held <= 10 + most && (await shown(d, 'lblDiam')) === String(held),
        `${byTouch ? 'by finger' : 'by mouse'}: ${held}, at most ${10 + most}`,
    );
}

test('held arrows and tracks repeat; the ends hold; a thumb let go stays; Tab goes round; Exit or Alt+X ends', async () => {
    const d = await page();
    await open(d, run.server.url);
    await repeats(d, false);
    assert.equal((await hold(d, 'vsbDepth', 'track', 1500))[0], 10, 'pages to the top');
    for (const [key, value] of [
        ['End', '10000'],
        ['ArrowDown', '10000'],
        ['PageDown', '10000'],
        ['Home', '1200'],
        ['ArrowDown', '1201'],
    ]) {
        await focus(d, 'vsbFreq');
        await d.press(key);
        assert.equal(await shown(d, 'lblFreq'), value, key);
    }
    const {
        thumb: [x, y, width, height],
    } = (await d.run(look)).controls[idOf('vsbFreq')];
    await d.click(x + width / 2, y + height / 2); // where 1200 would put it too
    assert.equal(await shown(d, 'lblFreq'), '1201', 'a thumb let go where it was');
    for (const next of [...tables.tabOrder.slice(1).map(idOf), 'print', 'check-shape-0']) {
        await d.press('Tab');
        assert.equal((await d.run(look)).focused, next);
    }
    // On through the dish check to the browser's own controls, and round.
    let tabs = 0;
    while ((await d.run(() => document.activeElement !== document.body)) && ++tabs < 40) await d.press('Tab');
    await d.press('Tab');
    assert.equal((await d.run(look)).focused, idOf(tables.tabOrder[0]), `round after ${tabs} more`);
    await ends(d, 'click');
    const inHand = await page(phone);
    await open(inHand, run.server.url);
    await repeats(inHand, true);
    await ends(inHand, 'Alt+X');
});

// Enter and Escape on a bar press nothing; then a click or Alt+X on Exit
// ends the planner, and the page says so; the driver is closed.
async function ends(d, how) {
    await focus(d, 'vsbDiam');
    await d.press('Enter');
    await d.press('Escape');
    assert.equal(await d.page.locator('#window').count(), 1, 'Enter and Escape leave the window');
    await (how === 'click' ? d.page.locator(`#${idOf('cmdExit')}`).click() : d.press(how));
    assert.equal(await d.page.locator('#window').count(), 0, `${how}: the window is gone`);
    assert.equal(await d.page.locator('#ended').isVisible(), true, `${how}: says it has ended`);
    await d.close();
}

test("readers are told Exit's key; a page that a script opened closes itself on Alt+X", async () => {
    const d = await page();
    await open(d, run.server.url);
    assert.equal(
        await d.page.getByRole('button', { name: 'Exit', exact: true }).getAttribute('aria-keyshortcuts'),
        'Alt+X',
    );
    const [popup] = await Promise.all([d.ctx.waitForEvent('page'), d.run(([url]) => window.open(url), run.server.url)]);
    await popup.waitForSelector('#needs', { state: 'detached' });
    const closed = popup.waitForEvent('close');
    await popup.keyboard.press('Alt+X').catch(() => {}); // the page may be gone before the key comes up
    await closed;
    await d.close();
});

// In the page: for each profile bar drawn and each arrow, a spot on it and
// a spot beside it, on what it stands on.
function spots() {
    const pairs = [],
        compact = getComputedStyle(document.getElementById('window')).display === 'grid';
    for (const bar of document.querySelectorAll('#window .label7')) {
        const b = bar.getBoundingClientRect(),
            after = getComputedStyle(bar, '::after');
        const across = parseFloat(after.width) || 0,
            y = (b.top + b.bottom) / 2;
        const left = bar.querySelector('.caption').getBoundingClientRect().right + parseFloat(after.marginLeft);
        if (compact ? across > 3 : b.height > 3)
            // as designed, clear of its caption; compact, after it
            pairs.push(
                compact ? [left + across / 2, y, left - 3, y] : [b.left + 2, b.bottom - 2, b.left - 3, b.bottom - 2],
            );
    }
    for (const arrow of document.querySelectorAll('#window .up, #window .down')) {
        const b = arrow.getBoundingClientRect(),
            glyph = arrow.className === 'up' ? 0.52 : 0.5;
        pairs.push([b.left + 0.533 * b.width, b.top + glyph * b.height, b.left + 0.15 * b.width, b.top + b.height / 2]);
    }
    return pairs;
}

// The profile bars of start-up and the arrows differ from what they stand on.
async function standOut(d, scale) {
    const pairs = await d.run(spots),
        png = PNG.sync.read(await d.page.screenshot({ fullPage: true }));
    const at = (x, y) =>
        png.data
            .subarray(4 * (Math.floor(y * scale) * png.width + Math.floor(x * scale)))
            .slice(0, 4)
            .join();
    assert.equal(pairs.length, 5 + 6, 'the five bars of start-up and the six arrows');
    for (const [i, [x, y, bx, by]] of pairs.entries())
        assert.notEqual(at(x, y), at(bx, by), `spot ${i} (${pairs[i]}) stands out`);
}

// The form scenarios (tests/form_scenarios.h) with the window at 2400 MHz
// (12 pages down from start-up), on the desktop and a phone, in Chromium,
// its clipboard the page's own (rows pasted by Ctrl+V), its pictures read
// from its screenshots; those typed and with no picture in Firefox and
// WebKit.
test('the builder forms, by keys, clicks and pastes', async () => {
    const at2400 = { ...tables.states[0], moves: { ...tables.states[0].moves, vsbFreq: [12, 0, true] } };
    const typedOnly = tables.scenarios.filter(sc =>
        sc.steps.every(s => !s.action.startsWith('paste') && s.expect.every(([key]) => key !== 'picture')),
    );
    for (const [engine, context, scenarios] of [
        ['chromium', designed, tables.scenarios],
        ['chromium', phone, tables.scenarios],
        ['firefox', designed, typedOnly],
        ['webkit', designed, typedOnly],
    ]) {
        for (const sc of scenarios) {
            const d = await drivers[engine](context, engine === 'chromium' ? run.browser : undefined);
            try {
                await reach(d, run.server.url, at2400, 'keys');
                await d.ctx?.grantPermissions(['clipboard-read', 'clipboard-write']);
                const paste = async (field, text, byKeys) => {
                    if (text) await d.run(([text]) => navigator.clipboard.writeText(text), text);
                    await d.run(([field]) => document.getElementById(field).focus(), field);
                    if (byKeys) return d.press('Control+V');
                    await d.run(async ([field]) => {
                        const data = new DataTransfer();
                        data.setData('text/plain', await navigator.clipboard.readText());
                        const e = new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true });
                        document.getElementById(field).dispatchEvent(e);
                    }, field);
                };
                await runScenario(d, sc, paste, async () => PNG.sync.read(await d.page.screenshot({ fullPage: true })));
                assert.deepEqual(d.errors ?? [], []);
            } finally {
                await d.close();
            }
        }
    }
});
