// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web page's costs, in Debian's headless Chromium (after ./build.sh web):
// what a first visit transfers, compressed as a static host serves it; from
// navigation to the window shown with every figure, against a static page
// with the same 61 elements and their captions typed in, taking turns; and
// one bar step in the page (handler and page update), without and with the
// layout that follows, as designed and compact; and one keystroke in each
// builder's form, at full speed and with the CPU throttled.
// Usage: PLANNER_SITE=build-web/site PLANNER_TABLES=build-web/tables.json \
//          node bench/web/bench.mjs [RUNS]
import { gzipSync, brotliCompressSync, constants } from 'node:zlib';
import { cpSync, mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { serve, launch, site } from '../../tests/web/harness.mjs';

const runs = Number(process.argv[2] ?? 10);
const median = xs => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];
const browser = await launch();
// A page with the planner ready, in a context of its own.
async function open(url, context = {}) {
    const ctx = await browser.newContext(context);
    const page = await ctx.newPage();
    await page.goto(url);
    await page.waitForSelector('#needs', { state: 'detached' });
    return { page, ctx };
}

// What a first visit transfers, each file compressed: to the window ready
// for input, and in all, once the builder's forms have come and the worker
// has kept the site for offline use.
const server = await serve();
const { page: first, ctx } = await open(server.url);
await first.waitForFunction(() => !document.querySelector('#forms [inert]'));
const beforeReady = await first.evaluate(() => {
    const ready = performance.getEntriesByName('planner-ready')[0].startTime;
    return performance
        .getEntriesByType('navigation')
        .concat(performance.getEntriesByType('resource'))
        .filter(e => e.startTime < ready)
        .map(e => new URL(e.name).pathname);
});
await first.evaluate(() => navigator.serviceWorker.ready);
await ctx.close();
const sizes = server.requests.map(path => {
    const body = readFileSync(join(site, path === '/' ? 'index.html' : path));
    const g = gzipSync(body, { level: 9 }).length;
    const b = brotliCompressSync(body, { params: { [constants.BROTLI_PARAM_QUALITY]: 11 } }).length;
    const early = beforeReady.indexOf(path); // each fetch counted once
    if (early >= 0) beforeReady.splice(early, 1);
    const when = early >= 0 ? 'before the window is ready' : 'after';
    console.log(`${path.padEnd(22)} ${String(body.length).padStart(7)} B, gzip ${g}, brotli ${b}, ${when}`);
    return [g, b, when !== 'after'];
});
const sum = list => list.reduce(([g, b], [h, c]) => [g + h, b + c], [0, 0]);
const [readyGz, readyBr] = sum(sizes.filter(([, , early]) => early));
const [allGz, allBr] = sum(sizes);
console.log(`first visit to the window ready: gzip ${readyGz} B, brotli ${readyBr} B`);
console.log(`first visit in all: gzip ${allGz} B, brotli ${allBr} B`);
await server.close();

// The static page: the window as the planner built it, with no script.
const folder = mkdtempSync(join(tmpdir(), 'planner-static-'));
cpSync(site, folder, { recursive: true });
{
    const s = await serve(folder);
    const { page: p, ctx: c } = await open(s.url);
    const html = await p.evaluate(() => {
        document.querySelector('script')?.remove();
        document.querySelector('#needs')?.remove();
        return '<!DOCTYPE html>' + document.documentElement.outerHTML;
    });
    writeFileSync(join(folder, 'static.html'), html);
    await c.close();
    await s.close();
}
const timing = await serve(folder);
// From navigation: the first paint with content (the window and every
// figure, both pages being built that way), and the planner ready for
// input (its view has taken the window over).
async function shown(path) {
    const c = await browser.newContext();
    const p = await c.newPage();
    await p.goto(timing.url + path, { waitUntil: 'load' });
    const ms = await p.evaluate(
        planner =>
            new Promise(done => {
                const look = () => {
                    const paint = performance.getEntriesByName('first-contentful-paint')[0];
                    const ready = performance.getEntriesByName('planner-ready')[0];
                    if (paint && (ready || !planner)) done([paint.startTime, ready?.startTime]);
                    else requestAnimationFrame(look);
                };
                look();
            }),
        path === 'index.html',
    );
    await c.close();
    return ms;
}
const planner = [],
    bare = [],
    ready = [];
for (let i = 0; i < runs; ++i) {
    const [paint, when] = await shown('index.html');
    (planner.push(paint), ready.push(when));
    bare.push((await shown('static.html'))[0]);
}
console.log(
    `navigation to the window shown with every figure (first contentful paint), median of ${runs}: ` +
        `planner ${median(planner).toFixed(1)} ms, static page ${median(bare).toFixed(1)} ms, ` +
        `ratio ${(median(planner) / median(bare)).toFixed(2)}`,
);
console.log(`navigation to the planner ready for input, median of ${runs}: ${median(ready).toFixed(1)} ms`);
await timing.close();

// One step of vsbDiam, as the Down and Up keys make it, timed in the page,
// as designed and compact (a phone's screen).
for (const [how, viewport] of [
    ['as designed', { width: 1000, height: 700 }],
    ['compact', { width: 390, height: 844 }],
]) {
    const s = await serve();
    const { page: p, ctx: c } = await open(s.url, { viewport });
    await p.locator('#r16').focus(); // vsbDiam
    for (let i = 0; i < 14; ++i) await p.keyboard.press('ArrowDown'); // 24 inches
    const [alone, laidOut] = await p.evaluate(() => {
        const bar = document.activeElement;
        const step = (key, layout) => {
            const t = performance.now();
            bar.dispatchEvent(new KeyboardEvent('keydown', { key, bubbles: true, cancelable: true }));
            if (layout) document.body.offsetHeight;
            return performance.now() - t;
        };
        const times = layout => Array.from({ length: 400 }, (_, i) => step(i % 2 ? 'ArrowUp' : 'ArrowDown', layout));
        const mid = xs => xs.sort((a, b) => a - b)[xs.length >> 1];
        return [mid(times(false)), mid(times(true))];
    });
    console.log(
        `one step of vsbDiam, ${how}, median of 400: ${(alone * 1000).toFixed(0)} µs, ` +
            `with the layout after it ${(laidOut * 1000).toFixed(0)} µs`,
    );
    await c.close();
    await s.close();
}
// One keystroke in a builder's form, checked, shown and laid out: in the
// dish check, its seven rows filled by a paste, a digit typed into the
// diameter and taken away; in the feed's, the can's diameter, each time
// the budget with its integrals and the best can's search again; at full
// speed and with the CPU throttled four times.
for (const [form, field, values] of [
    ['the dish check', 'check-diameter', ['241', '24']],
    ['the feed', 'feed-can', ['3.6', '3.5']],
]) {
    for (const rate of [1, 4]) {
        const s = await serve();
        const { page: p, ctx: c } = await open(s.url);
        await p.waitForFunction(() => !document.querySelector('#forms [inert]'));
        const cdp = await c.newCDPSession(p);
        await cdp.send('Emulation.setCPUThrottlingRate', { rate });
        const keystroke = await p.evaluate(
            ([field, values]) => {
                const data = new DataTransfer();
                data.setData('text', '0\t0\n4\t1.6667\n8\t2.7667\n12\t3\n16\t2.6667\n20\t1.6667\n24\t0\n');
                document
                    .getElementById('check-rows-0-0')
                    .dispatchEvent(
                        new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true }),
                    );
                const input = document.getElementById(field);
                const times = Array.from({ length: 400 }, (_, i) => {
                    const t = performance.now();
                    input.value = values[i % 2];
                    input.dispatchEvent(new InputEvent('input', { bubbles: true }));
                    document.body.offsetHeight;
                    return performance.now() - t;
                });
                return times.sort((a, b) => a - b)[200];
            },
            [field, values],
        );
        console.log(
            `one keystroke in ${form}, laid out, CPU ${rate}x slower, median of 400: ${(keystroke * 1000).toFixed(0)} µs`,
        );
        await c.close();
        await s.close();
    }
}
await browser.close();
