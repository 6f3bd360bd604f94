// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page as an app in Chromium: it asks nothing of any other origin and
// stores nothing but its own files, for offline use; it is installable,
// works offline after one visit, and takes a rebuilt site on the next
// visit with its old cache gone; it works unpacked from its zip, straight
// from the disk; without scripts or WebAssembly it says what it needs; its
// content policy refuses any string for an HTML or script sink; axe-core
// finds no fault; Lighthouse scores it; and it prints the builder's
// template, in Chromium and in Firefox.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { appendFileSync, cpSync, mkdtempSync, readFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import lighthouse from 'lighthouse';
import desktop from 'lighthouse/core/config/desktop-config.js';
import * as chromeLauncher from 'chrome-launcher';
import {
    serve,
    shared,
    site,
    siteFiles,
    chromiumOptions,
    drivers,
    open,
    reach,
    look,
    idOf,
    tables,
    axeFaults,
} from './harness.mjs';
import { checkPrint } from '../print/readback.mjs';

const run = shared(); // run.server, run.browser

// One step of vsbDiam, by a key.
async function use(d) {
    await d.run(([id]) => document.getElementById(id).focus(), idOf('vsbDiam'));
    await d.press('ArrowDown');
    assert.equal((await d.run(look)).controls[idOf('lblDiam')].shown, '11');
}

const workerReady = page =>
    page.evaluate(() =>
        navigator.serviceWorker.ready.then(
            () =>
                new Promise(done =>
                    navigator.serviceWorker.controller
                        ? done()
                        : navigator.serviceWorker.addEventListener('controllerchange', done, { once: true }),
                ),
        ),
    );

test('installable; asks nothing of any other origin, stores nothing but its files, works offline; one policy, refusing strings in script sinks; no fault axe-core finds', async () => {
    const html = readFileSync(join(site, 'index.html'), 'utf8');
    const meta = html.match(/http-equiv="Content-Security-Policy" content="([^"]+)"/)[1];
    const header = readFileSync(join(site, '_headers'), 'utf8').match(/^ {2}Content-Security-Policy: (.+)$/m)[1];
    assert.equal(header, `${meta}; frame-ancestors 'none'`);
    assert.match(meta, /require-trusted-types-for 'script'; trusted-types dish-planner/);
    assert.doesNotMatch(readFileSync(join(site, 'planner.js'), 'utf8'), /new Function|\beval\(/);
    // A profile of its own: Chromium installs nothing from a private window.
    const d = await drivers.chromium({ profile: mkdtempSync(join(tmpdir(), 'planner-profile-')) });
    const asked = [];
    d.page.on('request', r => asked.push(r.url()));
    const earlier = run.server.requests.length;
    await open(d, run.server.url);
    await use(d);
    await workerReady(d.page);
    const fetched = run.server.requests
        .slice(earlier)
        .filter(r => r !== '/sw.js') // which the browser checks anew
        .map(r => (r === '/' ? '/index.html' : r));
    assert.deepEqual(
        fetched.filter((r, i) => fetched.indexOf(r) !== i),
        [],
        'nothing fetched twice',
    );
    const cdp = await d.ctx.newCDPSession(d.page);
    assert.deepEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, []);
    assert.deepEqual((await cdp.send('Page.getAppManifest')).errors, []);
    assert.deepEqual(
        asked.filter(url => !url.startsWith(run.server.url)),
        [],
    );
    const own = ['/', ...siteFiles.map(f => `/${f}`), '/sw.js'];
    assert.deepEqual(
        run.server.requests.filter(r => !own.includes(r)),
        [],
        "only the site's own files",
    );
    const stored = await d.run(async () => [
        document.cookie,
        localStorage.length,
        sessionStorage.length,
        (await indexedDB.databases()).length,
        await Promise.all(
            (await caches.keys()).map(async n => [
                n,
                (await (await caches.open(n)).keys()).map(r => new URL(r.url).pathname),
            ]),
        ),
    ]);
    const [cookie, local, session, databases, [[name, kept], ...more]] = stored;
    assert.deepEqual([cookie, local, session, databases, more], ['', 0, 0, 0, []]);
    assert.match(name, /^dish-planner-[0-9a-f]{16}$/);
    assert.deepEqual(kept.sort(), ['/', ...siteFiles.map(f => `/${f}`)].sort(), "the worker keeps the site's files");
    assert.deepEqual(await axeFaults(d.page), []);
    const refused = await d.run(() => {
        try {
            document.body.innerHTML = '<b>a string</b>';
        } catch (e) {
            return e.name;
        }
    });
    assert.equal(refused, 'TypeError', 'a string for innerHTML is refused');
    await d.ctx.setOffline(true);
    await d.page.reload();
    await open(d, run.server.url);
    await use(d);
    assert.deepEqual(
        d.errors.filter(e => !e.includes('TrustedHTML')),
        [],
    );
    await d.close();
});

test('a rebuilt site replaces the cache and is what the next visit runs', async () => {
    const folder = mkdtempSync(join(tmpdir(), 'planner-rebuilt-'));
    cpSync(site, folder, { recursive: true });
    const copy = await serve(folder);
    const d = await drivers.chromium({}, run.browser);
    try {
        await open(d, copy.url);
        await workerReady(d.page);
        const [first] = await d.run(() => caches.keys());
        // The build again, with one file changed: its worker names a new cache.
        appendFileSync(join(folder, 'planner.css'), '\nbody { --build: second; }\n');
        execFileSync('cmake', [
            `-DSITE=${folder}`,
            `-DFILES=${siteFiles.join(';')}`,
            `-DTEMPLATE=${process.env.PLANNER_SOURCE}/window/web/sw.js.in`,
            '-P',
            `${process.env.PLANNER_SOURCE}/cmake/ServiceWorker.cmake`,
        ]);
        await d.page.reload(); // the page asks for a newer build; the browser installs it
        let names = [first];
        for (const until = Date.now() + 20000; names[0] === first && Date.now() < until;)
            (await d.page.waitForTimeout(200), (names = await d.run(() => caches.keys())));
        assert.equal(names.length, 1, 'one cache');
        assert.notEqual(names[0], first, "the new build's cache, the old one gone");
        await d.page.reload();
        await open(d, copy.url);
        assert.equal(await d.run(() => getComputedStyle(document.body).getPropertyValue('--build').trim()), 'second');
    } finally {
        await d.close();
        await copy.close();
    }
});

test('unpacked from its zip, it works from the disk; without scripts or WebAssembly it says why not', async () => {
    const folder = mkdtempSync(join(tmpdir(), 'planner-zip-'));
    execFileSync('python3', ['-m', 'zipfile', '-e', process.env.PLANNER_ZIP, folder]);
    const root = execFileSync('ls', [folder], { encoding: 'utf8' }).trim();
    const d = await drivers.chromium({}, run.browser);
    await open(d, `file://${folder}/${root}/index.html`);
    await use(d);
    assert.deepEqual(d.errors, []);
    await d.close();
    for (const how of ['no scripts', 'no WebAssembly']) {
        const ctx = await run.browser.newContext({ javaScriptEnabled: how !== 'no scripts' });
        const page = await ctx.newPage();
        if (how === 'no WebAssembly')
            await page.addInitScript(() => {
                delete globalThis.WebAssembly;
            });
        await page.goto(run.server.url);
        await page.waitForSelector('#needs', { state: 'visible', timeout: 8000 });
        assert.match(await page.locator('#needs').textContent(), /needs JavaScript and WebAssembly/);
        assert.equal(await page.locator('#window').isVisible(), false, how);
        await ctx.close();
    }
});

// Lighthouse's scores but performance (bench/web measures that), and the
// audits that count and fell short: none, with the desktop preset and the
// mobile one (undefined).
test('Lighthouse: accessibility, best practices and SEO 100, on the desktop and on a phone', async () => {
    const chrome = await chromeLauncher.launch({
        chromePath: chromiumOptions.executablePath,
        chromeFlags: ['--headless=new', '--no-sandbox', ...chromiumOptions.args],
    });
    try {
        for (const config of [desktop, undefined]) {
            const { lhr } = await lighthouse(
                run.server.url,
                {
                    port: chrome.port,
                    output: 'json',
                    logLevel: 'error',
                    onlyCategories: ['performance', 'accessibility', 'best-practices', 'seo'],
                },
                config,
            );
            const scores = Object.fromEntries(
                Object.values(lhr.categories).map(c => [c.id, Math.round(c.score * 100)]),
            );
            const failed = Object.values(lhr.categories)
                .filter(c => c.id !== 'performance')
                .flatMap(c => c.auditRefs)
                .filter(r => r.weight > 0 && lhr.audits[r.id].score !== null && lhr.audits[r.id].score < 1)
                .map(r => r.id);
            console.log(lhr.configSettings.formFactor, JSON.stringify(scores), failed.join(' '));
            assert.deepEqual(
                { ...scores, performance: 0, failed },
                { performance: 0, accessibility: 100, 'best-practices': 100, seo: 100, failed: [] },
            );
        }
    } finally {
        await chrome.kill();
    }
});

// Moves the page to a worked template's state, if a worked state has its
// values, prints it on each paper, and checks the print (tests/print).
async function printed(driver, url, t, papers) {
    const state = tables.states.find(s => s.freq === t.freq && s.diam === t.diam && s.depth === t.depth);
    if (!state) return false; // the core's tests have it
    await reach(driver, url, state, 'keys');
    for (const paper of papers) {
        const file = join(mkdtempSync(join(tmpdir(), 'planner-print-')), 'template.pdf');
        await driver.print(file, paper);
        console.log(`${t.diam} in, ${paper}: ${checkPrint(file, t)}`);
    }
    return true;
}

test('printing prints the template, at full size: in Chromium on A4 and on Letter, in Firefox on A4', async () => {
    for (const [engine, papers] of [
        ['chromium', ['A4', 'Letter']],
        ['firefox', ['A4']],
    ])
        for (const t of tables.templates) {
            const d = await drivers[engine]({}, run.browser);
            if ((await printed(d, run.server.url, t, papers)) && engine === 'chromium') {
                assert.ok((await d.run(look)).window[0] > 0, 'the window is still on the screen');
                await d.run(() => {
                    window.print = () => {
                        window.printAsked = true;
                    };
                }); // a dialog would stay
                await d.page.getByRole('button', { name: 'Print a full-size template' }).click();
                assert.equal(await d.run(() => window.printAsked), true, 'the button asks the browser to print');
            }
            await d.close();
        }
});
