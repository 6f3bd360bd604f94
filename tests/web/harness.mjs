// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the browser tests and tools share: the built site served on
// 127.0.0.1 (every request noted); the tables exported from the C++ tests;
// a look at the page from inside it; one driver for each engine, so that
// one test body runs in all three: Chromium (Debian's, driven by
// Playwright), Firefox (Debian's ESR, by puppeteer-core over WebDriver
// BiDi) and WebKit (Debian's MiniBrowser, by WebKitWebDriver through
// selenium-webdriver, on the X display the test runs under); what axe-core
// finds; a user's way to each worked state; and what a worked state and
// the places must show.
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { readFile } from 'node:fs/promises';
import { createServer } from 'node:http';
import { createServer as createNetServer } from 'node:net';
import { extname, join, normalize } from 'node:path';
import { chromium } from 'playwright-core';
import AxeBuilder from '@axe-core/playwright';
import { after, before } from 'node:test';

export const site = process.env.PLANNER_SITE;
export const tables = process.env.PLANNER_TABLES && JSON.parse(readFileSync(process.env.PLANNER_TABLES, 'utf8'));
export const siteFiles = process.env.PLANNER_SITE_FILES?.split(',');
export const idOf = name => tables.controls.find(c => c.name === name).id; // the view's own
const desktop = { width: 1000, height: 700 }; // every engine's viewport unless given
const types = {
    '.html': 'text/html',
    '.css': 'text/css',
    '.js': 'text/javascript',
    '.png': 'image/png',
    '.wasm': 'application/wasm',
    '.svg': 'image/svg+xml',
};

// The site served and a Chromium for a test file's whole run, ready once
// its tests begin: shared.server, shared.browser.
export function shared() {
    const it = {};
    before(async () => {
        it.server = await serve();
        it.browser = await launch();
    });
    after(async () => {
        await it.browser.close();
        await it.server.close();
    });
    return it;
}

// A static server of the folder, as a plain host serves it.
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
    const close = () =>
        new Promise(done => {
            server.close(done);
            server.closeAllConnections();
        });
    return { url: `http://127.0.0.1:${server.address().port}/`, requests, close };
}

export const chromiumOptions = {
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: [
        '--disable-gpu',
        '--disable-quic',
        '--no-first-run',
        '--disable-background-networking',
        '--disable-component-update',
        '--disable-sync',
    ],
};
export const launch = () => chromium.launch(chromiumOptions);

// In the page: each control's box in the viewport (at) and from the
// window's corner (box), its caption or value, its thumb's box and how far
// it is drawn across; the window's size, the focus, the viewport.
export function look() {
    const win = document.getElementById('window'),
        w = win?.getBoundingClientRect();
    const controls = {};
    for (const e of win?.querySelectorAll('.control') ?? []) {
        const b = e.getBoundingClientRect(),
            t = e.querySelector('.thumb')?.getBoundingClientRect();
        controls[e.id] = {
            at: [b.left, b.top, b.width, b.height],
            box: [b.left - w.left, b.top - w.top, b.width, b.height],
            shown: e.querySelector('.caption')?.textContent ?? e.getAttribute('aria-valuenow'),
            thumb: t && [t.left, t.top, t.width, t.height],
            across: parseFloat(getComputedStyle(e, '::after').width) || 0,
        };
    }
    return {
        ready: !document.getElementById('needs'),
        focused: document.activeElement?.id,
        controls,
        window: w && [w.width, w.height],
        width: innerWidth,
        height: innerHeight,
        inner: document.documentElement.clientWidth,
        scrollWidth: document.documentElement.scrollWidth,
    };
}

// One driver for Chromium (Playwright's page) and Firefox (puppeteer's,
// which answers alike): open, run in the page, press a key, click, print;
// the page itself; and what else an engine offers.
function pageDriver(page, close, more) {
    return {
        page,
        goto: url => page.goto(url),
        run: (f, ...args) => page.evaluate(f, args),
        press: key => page.keyboard.press(key),
        type: text => page.keyboard.type(text),
        click: (x, y) => page.mouse.click(x, y),
        print: (path, format) => page.pdf({ path, format }),
        close,
        ...more,
    };
}

// Chromium, in a context of the screen given (viewport, deviceScaleFactor,
// isMobile, hasTouch) in the browser given or one of its own, or in a
// profile folder of its own (profile); with the page's errors, taps, and
// drags by mouse or finger.
async function chromiumDriver(screen = {}, shared = undefined) {
    const { profile, ...options } = { viewport: desktop, ...screen };
    const browser = profile ? null : (shared ?? (await chromium.launch(chromiumOptions)));
    const ctx = profile
        ? await chromium.launchPersistentContext(profile, { ...chromiumOptions, ...options })
        : await browser.newContext(options);
    const page = await ctx.newPage(),
        errors = [];
    page.on('pageerror', e => errors.push(String(e)));
    page.on('console', m => m.type() === 'error' && errors.push(m.text()));
    const cdp = await ctx.newCDPSession(page);
    const touch = (type, x, y) =>
        cdp.send('Input.dispatchTouchEvent', { type, touchPoints: x === undefined ? [] : [{ x, y }] });
    return pageDriver(page, () => (browser && !shared ? browser.close() : ctx.close()), {
        ctx,
        errors,
        version: () => browser?.version(),
        tap: (x, y) => page.touchscreen.tap(x, y),
        // A press at x, y moved to toY; what lets it go.
        async drag(x, y, toY, byTouch) {
            if (byTouch) {
                await touch('touchStart', x, y);
                for (let i = 1; i <= 5; ++i) await touch('touchMove', x, y + ((toY - y) * i) / 5);
                return () => touch('touchEnd');
            }
            await page.mouse.move(x, y);
            await page.mouse.down();
            await page.mouse.move(x, toY, { steps: 5 });
            return () => page.mouse.up();
        },
    });
}

async function firefoxDriver({ viewport = desktop } = {}) {
    const { default: puppeteer } = await import('puppeteer-core');
    const browser = await puppeteer.launch({
        browser: 'firefox',
        executablePath: '/usr/bin/firefox-esr',
        headless: true,
        defaultViewport: viewport,
    });
    return pageDriver(await browser.newPage(), () => browser.close(), { version: () => browser.version() });
}

async function webkitDriver({ viewport = desktop } = {}) {
    const { Builder, Key, Origin } = await import('selenium-webdriver');
    const port = await new Promise(done => {
        // a free one
        const s = createNetServer().listen(0, '127.0.0.1', () => {
            const { port } = s.address();
            s.close(() => done(port));
        });
    });
    const server = spawn('WebKitWebDriver', [`--port=${port}`], { stdio: 'ignore' });
    await new Promise(done => setTimeout(done, 500));
    const driver = await new Builder()
        .usingServer(`http://127.0.0.1:${port}`)
        .withCapabilities({
            browserName: 'MiniBrowser',
            'webkitgtk:browserOptions': {
                binary: '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser',
                args: ['--automation'],
            },
        })
        .build();
    await driver.manage().window().setRect(viewport);
    const key = name => Key[name.replace(/([a-z])([A-Z])/g, '$1_$2').toUpperCase()]; // PageDown: PAGE_DOWN
    return {
        goto: url => driver.get(url),
        run: (f, ...args) => driver.executeScript(`return (${f})(arguments[0])`, args),
        press: name => driver.actions().keyDown(key(name)).keyUp(key(name)).perform(),
        type: text => driver.actions().sendKeys(text).perform(),
        click: (x, y) =>
            driver
                .actions()
                .move({ x: Math.round(x), y: Math.round(y), origin: Origin.VIEWPORT })
                .press()
                .release()
                .perform(),
        version: async () => (await driver.getCapabilities()).get('browserVersion'),
        close: async () => {
            await driver.quit();
            server.kill();
        },
    };
}

export const drivers = { chromium: chromiumDriver, firefox: firefoxDriver, webkit: webkitDriver };

// What axe-core finds wrong in a Chromium page, with these of its rules
// set (target-size is off unless turned on): "id: selectors" each.
export const axeFaults = async (page, rules = {}) =>
    (await new AxeBuilder({ page }).options({ rules }).analyze()).violations.map(
        v => `${v.id}: ${v.nodes.map(n => n.target).join(' ')}`,
    );

// Opens the page and waits until the view has taken it over; what it shows.
export async function open(driver, url) {
    await driver.goto(url);
    for (let i = 0; i < 100; ++i, await new Promise(done => setTimeout(done, 100))) {
        const seen = await driver.run(look);
        if (seen.ready) return seen;
    }
    throw new Error('the planner did not start');
}

// Moves a bar from where start-up left it to where a worked state has it,
// as a user would: by keys on the focused bar; by clicks (or taps) in the
// track beside the thumb and on the arrows, or the key where the thumb
// leaves no room; or by dragging the thumb (with the mouse or a finger),
// where nothing changes until it is let go.
async function moveTo(driver, bar, state, way) {
    const id = idOf(bar),
        [pages, lines, down] = state.moves[bar];
    await driver.run(([id]) => document.getElementById(id).scrollIntoView({ block: 'nearest' }), id);
    if (way.startsWith('drag') && bar !== 'vsbFreq')
        // 8800 MHz in a bar: no drag reaches each one
        return drag(driver, bar, state.values[bar], way === 'drag by touch');
    for (let i = 0; i < pages + lines; ++i) {
        const {
            at: [x, y, width, height],
            thumb: [, top, , length],
        } = (await driver.run(look)).controls[id];
        const [from, to] = down ? [top + length, y + height - width] : [y + width, top];
        const spot =
            way === 'keys'
                ? null
                : i >= pages
                  ? down
                      ? y + height - width / 2
                      : y + width / 2
                  : to - from >= 2
                    ? (from + to) / 2
                    : null;
        if (spot !== null) {
            await (way === 'taps' ? driver.tap(x + width / 2, spot) : driver.click(x + width / 2, spot));
            continue;
        }
        await driver.run(([id]) => document.getElementById(id).focus(), id);
        await driver.press(i < pages ? (down ? 'PageDown' : 'PageUp') : down ? 'ArrowDown' : 'ArrowUp');
    }
}

async function drag(driver, bar, target, byTouch) {
    const [min, max] = tables.controls.find(c => c.name === bar).range,
        figure = idOf(tables.figureOf[bar]);
    const { controls } = await driver.run(look),
        {
            at: [x, y, width, height],
            thumb: [, top, , length],
        } = controls[idOf(bar)];
    const to = y + width + ((target - min) / (max - min)) * (height - 2 * width - length) + length / 2;
    const release = await driver.drag(x + width / 2, top + length / 2, to, byTouch);
    assert.equal(
        (await driver.run(look)).controls[figure].shown,
        controls[figure].shown,
        `${bar}: no change while dragged`,
    );
    await release();
}

// A form scenario (tests/form_scenarios.h) as a user works it, in a page
// open on the planner: each step by real keys and clicks where the engine
// takes them (a paste by Ctrl+V, paste being given), else by the event the
// browser's own menu would fire (its menu cannot be opened headless); then
// each key answered from what the page shows and tells readers. pixels(),
// where given, is a PNG of the page, for the picture's points.
export async function runScenario(d, sc, paste, pixels) {
    const outline = tables.forms[sc.form],
        id = target => {
            const [item, ...cell] = target.split(' ');
            return [outline.id, item, ...cell].join('-');
        };
    for (const [i, step] of sc.steps.entries()) {
        const where = `${sc.name}, step ${i + 1}: ${step.action} ${step.target}`;
        if (step.action === 'tab') await d.press('Tab');
        else if (step.action === 'frequency') {
            // the bar by keys from where it stands; the forms follow once the window is shown
            const bar = idOf('vsbFreq'),
                now = Number(await d.run(([bar]) => document.getElementById(bar).getAttribute('aria-valuenow'), bar));
            await d.run(([bar]) => document.getElementById(bar).focus(), bar);
            for (let v = now; v !== Number(step.text); v += Math.sign(Number(step.text) - v))
                await d.press(Number(step.text) > v ? 'ArrowDown' : 'ArrowUp');
            await d.run(() => new Promise(done => setTimeout(done, 50))); // the page's next turns
        } else if (step.action === 'press') await d.run(([e]) => document.getElementById(e).click(), id(step.target));
        else if (step.action === 'choose')
            await d.run(
                ([e, option]) => {
                    const choice = document.getElementById(`${e}-${option}`);
                    if (choice) return choice.click();
                    const list = document.getElementById(e);
                    list.selectedIndex = option;
                    list.dispatchEvent(new Event('change', { bubbles: true }));
                },
                id(step.target),
                Number(step.text),
            );
        else if (step.action === 'type') {
            await d.run(([e]) => document.getElementById(e).select(), id(step.target));
            await (step.text ? d.type(step.text) : d.press('Backspace'));
        } else if (step.action.startsWith('paste'))
            await paste(id(step.target), step.text, step.action === 'paste by keys');
        // "reopen": the page's forms have no window to close
        for (const [key, expected] of step.expect) {
            const seen = await lookAt(d, outline, key, id, pixels);
            assert.ok(expected ? seen.startsWith(expected) : seen === '', `${where}: ${key}: ${seen}`);
        }
    }
}

// What the page shows for a scenario's key (as tests/form_scenarios.h has
// them); a field's problem is what its description gives readers, and
// must show by it too.
async function lookAt(d, outline, key, id, pixels) {
    const [word, ...rest] = key.split(' '),
        target = rest.join(' ');
    if (word === 'said') await new Promise(done => setTimeout(done, 1300));
    if (word === 'picture') return String(await inked(d, id('picture'), pixels));
    return d.run(
        ([word, target, e, formId, figures]) => {
            const byId = i => document.getElementById(i);
            const results = () =>
                [...byId(`${formId}-results-list`).querySelectorAll('dt')].map(
                    t => `${t.textContent}: ${t.nextElementSibling.textContent}\n`,
                );
            if (word === 'results') return results().join('');
            if (word === 'result')
                return (results().find(r => r.startsWith(`${target}: `)) ?? '').slice(target.length + 2, -1);
            if (word === 'problem') {
                const field = byId(e),
                    said = field.getAttribute('aria-describedby');
                const shown = said && byId(said) && !byId(said).closest('[hidden]') ? byId(said).textContent : '';
                const marked = field.tagName !== 'INPUT' || field.getAttribute('aria-invalid') === 'true';
                return marked || !shown ? shown : 'not marked invalid';
            }
            if (word === 'text') return byId(e).value;
            if (word === 'shown') return byId(`${e}-item`).hidden ? 'no' : 'yes';
            if (word === 'caption') return byId(e).textContent;
            if (word === 'chosen') {
                const radios = [...document.querySelectorAll(`input[type=radio][name="${e}"]`)];
                return String(radios.length ? radios.findIndex(r => r.checked) : byId(e).selectedIndex);
            }
            if (word === 'name')
                return byId(e).getAttribute('aria-label') ?? document.querySelector(`label[for="${e}"]`).textContent;
            if (word === 'focus') return document.activeElement.id.slice(formId.length + 1).replaceAll('-', ' ');
            if (word === 'clipboard') return navigator.clipboard.readText();
            if (word === 'said') return byId(`${formId}-said`).textContent;
            return figures.map(f => byId(f).querySelector('.caption').textContent).join(' '); // "window"
        },
        word,
        target,
        target && id(target),
        outline.id,
        [idOf('lblDiam'), idOf('lblDepth')],
    );
}

// How many of the picture's boxes show ink along their top edge where the
// page draws them: the points drawn where the core placed them.
async function inked(d, svgId, pixels) {
    const edges = await d.run(
        ([e]) =>
            [...document.querySelectorAll(`#${e}-svg rect`)].map(r => {
                const m = r.getScreenCTM(),
                    x = r.x.baseVal.value,
                    y = r.y.baseVal.value,
                    w = r.width.baseVal.value;
                const at = (px, py) => [m.a * px + m.c * py + m.e + scrollX, m.b * px + m.d * py + m.f + scrollY];
                return [...at(x, y), at(x + w, y)[0]];
            }),
        svgId,
    );
    const png = await pixels();
    const scale = png.width / (await d.run(() => document.documentElement.scrollWidth));
    const at = (x, y) => png.data.readUInt32BE(4 * (Math.round(y * scale) * png.width + Math.round(x * scale)));
    const face = at(edges[0][0] - 4, edges[0][1] - 4);
    return edges.filter(([x, y, right]) => {
        for (let px = x; px <= right; px += 0.5) if (at(px, y) !== face) return true;
        return false;
    }).length;
}

// Opens the page and moves its bars to a worked state; what it then shows.
export async function reach(driver, url, state, way) {
    await open(driver, url);
    for (const bar of ['vsbFreq', 'vsbDiam', 'vsbDepth']) await moveTo(driver, bar, state, way);
    return driver.run(look);
}

// What a worked state shows: every figure, and each profile bar as the
// window draws it: its height, as designed; compact, its length across,
// to scale with every bar drawn in a page as wide (a scroll bar, where a
// browser shows one, takes from it).
const scales = new Map();
export function expectState(seen, s, compact = false) {
    for (const [name, shown] of s.shown) assert.equal(seen.controls[idOf(name)].shown, shown, `${s.name}: ${name}`);
    for (const [member, height] of s.bars) {
        const { box, across } = seen.controls[idOf(`label7(${member})`)];
        if (!compact || !height) {
            assert.equal(Math.round(compact ? across : box[3]), height, `${s.name}: bar ${member}`);
            continue;
        }
        if (!scales.has(seen.inner)) scales.set(seen.inner, across / height);
        assert.ok(Math.abs(across / height / scales.get(seen.inner) - 1) < 0.02, `${s.name}: bar ${member} to scale`);
    }
}

// Every control at its place as designed, from the window's corner: the
// spots worked out by hand, every other from the design table (the
// profile bars' heights follow the profile; the worked states check them).
export function expectPlaces(seen) {
    assert.deepEqual(seen.window, tables.window);
    const placed = tables.controls.map(c => [c.name, ...c.box, c.name.startsWith('label7') ? 3 : 4]);
    for (const [name, x, y, width, height, n = 4] of [...tables.spots, ...placed])
        assert.deepEqual(
            seen.controls[idOf(name)].box.map(Math.round).slice(0, n),
            [x, y, width, height].slice(0, n),
            name,
        );
}
