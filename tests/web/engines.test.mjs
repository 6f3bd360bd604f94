// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page in the other two engines, with the expectations the Chromium
// tests take from the same tables: Firefox (Debian's ESR, driven by
// puppeteer-core over WebDriver BiDi) and WebKit (Debian's MiniBrowser,
// driven by WebKitWebDriver through selenium-webdriver, on the X display
// the test runs under). In each: the start-up state with the focus on
// vsbFreq, the place of every control, and worked states reached by
// clicks on the arrows and in the track, and by keys.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { createServer } from 'node:net';
import puppeteer from 'puppeteer-core';
import { Builder, Key, Origin } from 'selenium-webdriver';
import { serve, tables, controlNames, rowOf, moves } from './harness.mjs';

let server;
before(async () => { server = await serve(); });
after(async () => { await server.close(); });

// In the page: each control's box relative to the window, its caption or
// value, and which control has the focus.
function look(names) {
    const w = document.getElementById('window').getBoundingClientRect();
    return {
        origin: [w.left, w.top],
        focused: document.activeElement?.id,
        controls: names.map((name, row) => {
            const e = document.getElementById(`r${row}`), b = e.getBoundingClientRect();
            const t = e.querySelector('.thumb')?.getBoundingClientRect();
            return [name, [b.left - w.left, b.top - w.top, b.width, b.height],
                e.querySelector('.caption')?.textContent ?? e.getAttribute('aria-valuenow'),
                t && [t.top - w.top, t.height]];
        }),
        ready: !document.getElementById('needs'),
    };
}

const engines = {
    async firefox() {
        const browser = await puppeteer.launch({ browser: 'firefox', executablePath: '/usr/bin/firefox-esr',
            headless: true, defaultViewport: { width: 1000, height: 700 } });
        const page = await browser.newPage();
        return {
            open: url => page.goto(url),
            look: () => page.evaluate(look, controlNames),
            click: (x, y) => page.mouse.click(x, y),
            press: key => page.keyboard.press(key),
            focus: row => page.evaluate(row => document.getElementById(`r${row}`).focus(), row),
            version: () => browser.version(),
            close: () => browser.close(),
        };
    },
    async webkit() {
        const port = await freePort();
        const driverProcess = spawn('WebKitWebDriver', [`--port=${port}`], { stdio: 'ignore' });
        await new Promise(done => setTimeout(done, 500));
        const driver = await new Builder().usingServer(`http://127.0.0.1:${port}`).withCapabilities({
            browserName: 'MiniBrowser', 'webkitgtk:browserOptions': {
                binary: '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser', args: ['--automation'] },
        }).build();
        await driver.manage().window().setRect({ width: 1000, height: 700 });
        const keys = { ArrowDown: Key.ARROW_DOWN, ArrowUp: Key.ARROW_UP, PageDown: Key.PAGE_DOWN,
            PageUp: Key.PAGE_UP, Home: Key.HOME, End: Key.END };
        return {
            open: url => driver.get(url),
            look: () => driver.executeScript(`return (${look})(arguments[0])`, controlNames),
            click: (x, y) => driver.actions().move({ x: Math.round(x), y: Math.round(y), origin: Origin.VIEWPORT })
                .press().release().perform(),
            press: key => driver.actions().keyDown(keys[key]).keyUp(keys[key]).perform(),
            focus: row => driver.executeScript('document.getElementById("r" + arguments[0]).focus()', row),
            version: async () => (await driver.getCapabilities()).get('browserVersion'),
            close: async () => { await driver.quit(); driverProcess.kill(); },
        };
    },
};

function freePort() {
    return new Promise(done => {
        const s = createServer().listen(0, '127.0.0.1', () => { const { port } = s.address(); s.close(() => done(port)); });
    });
}

// Opens the page and waits until the view has taken it over.
async function opened(b) {
    await b.open(server.url);
    for (let i = 0; i < 100; ++i) {
        const seen = await b.look();
        if (seen.ready)
            return seen;
        await new Promise(done => setTimeout(done, 100));
    }
    throw new Error('the planner did not start');
}

const byName = seen => Object.fromEntries(seen.controls.map(([name, box, shown, thumb]) =>
    [name, { box, shown, thumb }]));

// Moves a bar from where it stands, as a user would: by keys, or by clicks in
// the track beside the thumb and on the arrows (the keys where the thumb
// leaves no room in the track).
async function moveTo(b, bar, target, byClicks) {
    let seen = await b.look();
    const { pages, lines, down } = moves(bar, Number(byName(seen)[bar].shown), target);
    for (let i = 0; i < pages + lines; ++i) {
        const { box: [x, y, width, height], thumb: [top, length] } = byName(seen)[bar];
        const [ox, oy] = seen.origin;
        const [from, to] = down ? [top + length, y + height - width] : [y + width, top];
        if (byClicks && i >= pages)
            await b.click(ox + x + width / 2, oy + (down ? y + height - width / 2 : y + width / 2));
        else if (byClicks && to - from >= 2)
            await b.click(ox + x + width / 2, oy + (from + to) / 2);
        else {
            await b.focus(rowOf(bar));
            await b.press(i < pages ? (down ? 'PageDown' : 'PageUp') : (down ? 'ArrowDown' : 'ArrowUp'));
        }
        if (byClicks)
            seen = await b.look();
    }
    assert.equal(Number(byName(await b.look())[bar].shown), target, `${bar} moved there`);
}

const fewStates = ['start-up', 'diameter 11', 'depth 2.3', '24 inches at 2400 MHz', 'largest ratio and gain'];

for (const engine of Object.keys(engines)) {
    test(`${engine}: start-up, places, and worked states by clicks and keys`, async () => {
        const b = await engines[engine]();
        try {
            console.log(engine, await b.version());
            const first = await opened(b);
            assert.equal(first.focused, `r${rowOf('vsbFreq')}`, 'the focus starts on vsbFreq');
            const seen = byName(first);
            for (const c of tables.controls) {
                const got = c.name.startsWith('label7') ? seen[c.name].box.slice(0, 3) : seen[c.name].box;
                assert.deepEqual(got.map(Math.round), c.name.startsWith('label7') ? c.box.slice(0, 3) : c.box, c.name);
            }
            for (const [name, x, y, width, height] of tables.spots)
                assert.deepEqual(seen[name].box.map(Math.round), [x, y, width, height], name);
            let clicks = false;
            for (const s of tables.states.filter(s => fewStates.includes(s.name))) {
                await opened(b);
                for (const bar of ['vsbFreq', 'vsbDiam', 'vsbDepth'])
                    await moveTo(b, bar, s[bar.slice(3).toLowerCase()], clicks);
                clicks = !clicks;
                const now = byName(await b.look());
                for (const [name, shown] of s.shown)
                    assert.equal(now[name].shown, shown, `${s.name}: ${name}`);
                for (const [member, height] of s.bars)
                    assert.equal(Math.round(now[`label7(${member})`].box[3]), height, `${s.name}: bar ${member}`);
            }
        } finally {
            await b.close();
        }
    });
}
