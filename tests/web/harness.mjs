// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the browser tests and tools share: the built site served on
// 127.0.0.1 (every request noted); the tables exported from the C++ tests;
// a look at the page from inside it; and one driver for each engine, so
// that one test body runs in all three: Chromium (Debian's, driven by
// Playwright), Firefox (Debian's ESR, by puppeteer-core over WebDriver
// BiDi) and WebKit (Debian's MiniBrowser, by WebKitWebDriver through
// selenium-webdriver, on the X display the test runs under). A driver
// opens the page and waits for the planner, looks, runs a function in the
// page, presses keys, clicks, drags, taps and holds.
import assert from 'node:assert/strict';
import { createServer } from 'node:http';
import { createServer as createNetServer } from 'node:net';
import { spawn } from 'node:child_process';
import { readFile } from 'node:fs/promises';
import { readFileSync } from 'node:fs';
import { extname, join, normalize } from 'node:path';
import { chromium } from 'playwright-core';

export const site = process.env.PLANNER_SITE;
export const tables = process.env.PLANNER_TABLES &&
    JSON.parse(readFileSync(process.env.PLANNER_TABLES, 'utf8'));
export const siteFiles = process.env.PLANNER_SITE_FILES?.split(',');
export const idOf = name => `r${tables.controls.findIndex(c => c.name === name)}`;
export const designOf = name => tables.controls.find(c => c.name === name);
export const bars = ['vsbFreq', 'vsbDiam', 'vsbDepth'];

const types = { '.html': 'text/html', '.css': 'text/css', '.js': 'text/javascript',
    '.png': 'image/png', '.webmanifest': 'application/manifest+json' };

// A static server of the site, as a plain host serves it.
export async function serve(root = site) {
    const requests = [];
    const server = createServer(async (req, res) => {
        requests.push(req.url);
        const path = normalize(decodeURIComponent(new URL(req.url, 'http://x').pathname));
        try {
            const body = await readFile(join(root, path.endsWith('/') ? path + 'index.html' : path));
            res.writeHead(200, { 'Content-Type': types[extname(path) || '.html'] ?? 'application/octet-stream' });
            res.end(body);
        } catch {
            res.writeHead(404).end();
        }
    });
    await new Promise(done => server.listen(0, '127.0.0.1', done));
    const url = `http://127.0.0.1:${server.address().port}/`;
    const close = () => new Promise(done => { server.close(done); server.closeAllConnections(); });
    return { url, requests, close };
}

export const chromiumOptions = {
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
        '--disable-component-update', '--disable-sync'],
};

// In the page: each control's box in the viewport and relative to the
// window, its caption or value, its thumb's box; the focus; the viewport.
export function look() {
    const win = document.getElementById('window');
    const w = win?.getBoundingClientRect() ?? { left: 0, top: 0 };
    const box = b => [b.left, b.top, b.width, b.height];
    const controls = {};
    for (const e of win?.querySelectorAll('.control') ?? []) {
        const b = e.getBoundingClientRect(), thumb = e.querySelector('.thumb');
        controls[e.id] = { at: box(b), box: [b.left - w.left, b.top - w.top, b.width, b.height],
            shown: e.querySelector('.caption')?.textContent ?? e.getAttribute('aria-valuenow'),
            thumb: thumb && box(thumb.getBoundingClientRect()),
            across: parseFloat(getComputedStyle(e, '::after').width) || 0 };
    }
    return { ready: !document.getElementById('needs'), focused: document.activeElement?.id, controls,
        window: win && [w.width, w.height],
        width: innerWidth, height: innerHeight, scrollWidth: document.documentElement.scrollWidth };
}

// The page's Chromium through Playwright; options are its context's.
async function chromiumDriver(options = {}) {
    const browser = options.browser ?? await chromium.launch(chromiumOptions);
    const ctx = await browser.newContext({ viewport: { width: 1000, height: 700 }, ...options.context });
    const page = await ctx.newPage();
    const errors = [];
    page.on('pageerror', e => errors.push(String(e)));
    page.on('console', m => m.type() === 'error' && errors.push(m.text()));
    const touch = async (type, x, y) => (await cdp()).send('Input.dispatchTouchEvent',
        { type, touchPoints: type === 'touchEnd' ? [] : [{ x, y }] });
    let session;
    const cdp = async () => session ??= await ctx.newCDPSession(page);
    return {
        page, ctx, errors,
        goto: url => page.goto(url),
        run: (f, ...args) => page.evaluate(f, args),
        press: key => page.keyboard.press(key),
        click: (x, y) => page.mouse.click(x, y),
        async drag(x, y, toY, touching) {
            if (touching) {
                await touch('touchStart', x, y);
                for (let i = 1; i <= 5; ++i)
                    await touch('touchMove', x, y + (toY - y) * i / 5);
                return () => touch('touchEnd');
            }
            await page.mouse.move(x, y);
            await page.mouse.down();
            await page.mouse.move(x, toY, { steps: 5 });
            return () => page.mouse.up();
        },
        tap: (x, y) => page.touchscreen.tap(x, y),
        close: () => options.browser ? ctx.close() : browser.close(),
    };
}

async function firefoxDriver(options = {}) {
    const { default: puppeteer } = await import('puppeteer-core');
    const browser = await puppeteer.launch({ browser: 'firefox', executablePath: '/usr/bin/firefox-esr',
        headless: true, defaultViewport: options.viewport ?? { width: 1000, height: 700 } });
    const page = await browser.newPage();
    return {
        goto: url => page.goto(url),
        run: (f, ...args) => page.evaluate(f, args),
        press: key => page.keyboard.press(key),
        click: (x, y) => page.mouse.click(x, y),
        version: () => browser.version(),
        close: () => browser.close(),
    };
}

function freePort() {
    return new Promise(done => {
        const s = createNetServer().listen(0, '127.0.0.1', () => { const { port } = s.address(); s.close(() => done(port)); });
    });
}

async function webkitDriver(options = {}) {
    const { Builder, Key, Origin } = await import('selenium-webdriver');
    const port = await freePort();
    const process = spawn('WebKitWebDriver', [`--port=${port}`], { stdio: 'ignore' });
    await new Promise(done => setTimeout(done, 500));
    const driver = await new Builder().usingServer(`http://127.0.0.1:${port}`).withCapabilities({
        browserName: 'MiniBrowser', 'webkitgtk:browserOptions': {
            binary: '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser', args: ['--automation'] },
    }).build();
    const { width, height } = options.viewport ?? { width: 1000, height: 700 };
    await driver.manage().window().setRect({ width, height });
    const keys = { ArrowDown: Key.ARROW_DOWN, ArrowUp: Key.ARROW_UP, PageDown: Key.PAGE_DOWN,
        PageUp: Key.PAGE_UP, Home: Key.HOME, End: Key.END, Tab: Key.TAB };
    return {
        goto: url => driver.get(url),
        run: (f, ...args) => driver.executeScript(`return (${f})(arguments[0])`, args),
        press: key => driver.actions().keyDown(keys[key]).keyUp(keys[key]).perform(),
        click: (x, y) => driver.actions().move({ x: Math.round(x), y: Math.round(y), origin: Origin.VIEWPORT })
            .press().release().perform(),
        version: async () => (await driver.getCapabilities()).get('browserVersion'),
        close: async () => { await driver.quit(); process.kill(); },
    };
}

export const drivers = { chromium: chromiumDriver, firefox: firefoxDriver, webkit: webkitDriver };

// Opens the page and waits until the view has taken it over; what it shows.
export async function open(driver, url) {
    await driver.goto(url);
    for (let i = 0; i < 100; ++i) {
        const seen = await driver.run(look);
        if (seen.ready)
            return seen;
        await new Promise(done => setTimeout(done, 100));
    }
    throw new Error('the planner did not start');
}

const scrolledTo = ([id]) => document.getElementById(id).scrollIntoView({ block: 'nearest' });
const focused = ([id]) => document.getElementById(id).focus();

// A press in the track beside the thumb, towards `down`; none where the
// thumb leaves no room.
function trackSpot({ at: [x, y, width, height], thumb: [, top, , length] }, down) {
    const [from, to] = down ? [top + length, y + height - width] : [y + width, top];
    return to - from >= 2 ? [x + width / 2, (from + to) / 2] : null;
}

// Moves a bar from where start-up left it to where a worked state has it,
// as a user would: by keys on the focused bar, by clicks (or taps) in the
// track beside the thumb and on the arrows, or by dragging the thumb
// (with the mouse or a finger), where nothing changes until it is let go.
export async function moveTo(driver, bar, state, way) {
    const id = idOf(bar), [pages, lines, down] = state.moves[bar];
    const target = state[bar.slice(3).toLowerCase()];
    await driver.run(scrolledTo, id);
    if (way.startsWith('drag') && bar !== 'vsbFreq') // 8800 MHz in a bar: no drag reaches each one
        return drag(driver, bar, target, way === 'drag by touch');
    const hit = way === 'taps' ? driver.tap : driver.click;
    for (let i = 0; i < pages + lines; ++i) {
        const c = (await driver.run(look)).controls[id];
        const spot = way === 'keys' ? null : i < pages ? trackSpot(c, down)
            : [c.at[0] + c.at[2] / 2, down ? c.at[1] + c.at[3] - c.at[2] / 2 : c.at[1] + c.at[2] / 2];
        if (spot) {
            await hit(...spot);
            continue;
        }
        await driver.run(focused, id); // by keys, or where the thumb leaves no room to press
        await driver.press(i < pages ? (down ? 'PageDown' : 'PageUp') : (down ? 'ArrowDown' : 'ArrowUp'));
    }
}

async function drag(driver, bar, target, touching) {
    const [min, max] = designOf(bar).range, id = idOf(bar);
    const { controls } = await driver.run(look), { at: [x, y, width, height], thumb } = controls[id];
    const travel = height - 2 * width - thumb[3], from = thumb[1] + thumb[3] / 2;
    const release = await driver.drag(x + width / 2, from,
        y + width + ((target - min) / (max - min)) * travel + thumb[3] / 2, touching);
    const figure = { vsbDiam: 'lblDiam', vsbDepth: 'lblDepth' }[bar];
    const before = controls[idOf(figure)].shown, during = (await driver.run(look)).controls[idOf(figure)].shown;
    await release();
    if (during !== before)
        throw new Error(`${bar}: the figure changed while the thumb was dragged`);
}

// Opens the page and moves its bars to a worked state; what it then shows.
export async function reach(driver, url, state, way) {
    await open(driver, url);
    for (const bar of bars)
        await moveTo(driver, bar, state, way);
    return driver.run(look);
}

// What a worked state shows, from a look at the page: every figure, and
// each profile bar as the window draws it (its height, as designed; in
// the compact arrangement its length across, which must be to scale with
// every other bar drawn in a viewport as wide).
const scales = new Map();
export function expectState(seen, s, compact = false) {
    for (const [name, shown] of s.shown)
        assert.equal(seen.controls[idOf(name)].shown, shown, `${s.name}: ${name}`);
    for (const [member, height] of s.bars) {
        const c = seen.controls[idOf(`label7(${member})`)];
        if (!compact)
            assert.equal(Math.round(c.box[3]), height, `${s.name}: bar ${member}`);
        else if (height === 0)
            assert.equal(c.across, 0, `${s.name}: bar ${member}`);
        else { // how long across a CSS pixel of the window as designed is
            scales.has(seen.width) || scales.set(seen.width, c.across / height);
            assert.ok(Math.abs(c.across / height - scales.get(seen.width)) < 0.02,
                `${s.name}: bar ${member} is to scale: ${c.across} for ${height}`);
        }
    }
}

// Every control at its place as designed, relative to the window's corner:
// the spots worked out by hand, every other from the design table (the
// profile bars' heights follow the profile; the worked states check them).
export function expectPlaces(seen) {
    const round = box => box.map(Math.round);
    assert.deepEqual(seen.window, tables.window);
    for (const [name, ...box] of tables.spots)
        assert.deepEqual(round(seen.controls[idOf(name)].box), box, name);
    for (const c of tables.controls) {
        const n = c.name.startsWith('label7') ? 3 : 4;
        assert.deepEqual(round(seen.controls[idOf(c.name)].box).slice(0, n), c.box.slice(0, n), c.name);
    }
}
