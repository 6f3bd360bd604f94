// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page as an app in Chromium: installable, working offline after one
// visit, taking a rebuilt site on the next visit with its old cache gone,
// under its content policy, and without a fault axe-core can find.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { appendFileSync, cpSync, mkdtempSync, readFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import AxeBuilder from '@axe-core/playwright';
import { chromium } from 'playwright-core';
import { serve, launch, open, ready, control, caption, site, chromiumOptions } from './harness.mjs';

let server, browser;
before(async () => { server = await serve(); browser = await launch(); });
after(async () => { await browser.close(); await server.close(); });

const workerReady = page => page.evaluate(() => navigator.serviceWorker.ready.then(() =>
    new Promise(done => navigator.serviceWorker.controller ? done() :
        navigator.serviceWorker.addEventListener('controllerchange', done, { once: true }))));
const cacheNames = page => page.evaluate(() => caches.keys());

test('installable, with no fault axe-core finds and no error in the console', async () => {
    // A profile of its own: Chromium installs nothing from a private window.
    const ctx = await chromium.launchPersistentContext(mkdtempSync(join(tmpdir(), 'planner-profile-')),
        chromiumOptions);
    const page = await ctx.newPage();
    const errors = [];
    page.on('console', m => m.type() === 'error' && errors.push(m.text()));
    await page.goto(server.url);
    await ready(page);
    await workerReady(page);
    const cdp = await ctx.newCDPSession(page);
    const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, []);
    const manifest = await cdp.send('Page.getAppManifest');
    assert.deepEqual(manifest.errors, []);
    const { violations } = await new AxeBuilder({ page }).analyze();
    assert.deepEqual(violations.map(v => `${v.id}: ${v.nodes.map(n => n.target).join(' ')}`), []);
    assert.deepEqual(errors, []);
    await ctx.close();
});

test('one policy in the page and for hosts, allowing WebAssembly and nothing more', async () => {
    const html = readFileSync(join(site, 'index.html'), 'utf8');
    const meta = html.match(/http-equiv="Content-Security-Policy" content="([^"]+)"/)[1];
    const header = readFileSync(join(site, '_headers'), 'utf8')
        .match(/^ {2}Content-Security-Policy: (.+)$/m)[1];
    assert.equal(header, `${meta}; frame-ancestors 'none'`);
    assert.equal(meta, "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; " +
        "object-src 'none'; base-uri 'none'; form-action 'none'");
    assert.doesNotMatch(readFileSync(join(site, 'planner.js'), 'utf8'), /new Function|\beval\(/);
});

test('after one visit it works offline', async () => {
    const { page, ctx } = await open(browser, server.url);
    await workerReady(page);
    await ctx.setOffline(true);
    await page.reload();
    await ready(page);
    await control(page, 'vsbDiam').focus();
    await page.keyboard.press('ArrowDown');
    assert.equal(await caption(page, 'lblDiam'), '11');
    await ctx.close();
});

test('a rebuilt site replaces the cache and is what the next visit runs', async () => {
    const folder = mkdtempSync(join(tmpdir(), 'planner-rebuilt-'));
    cpSync(site, folder, { recursive: true });
    const copy = await serve(folder);
    const { page, ctx } = await open(browser, copy.url);
    try {
        await workerReady(page);
        const [first] = await cacheNames(page);
        assert.match(first, /^dish-planner-/);
        // The build again, with one file changed: its worker names a new cache.
        appendFileSync(join(folder, 'planner.css'), '\nbody { --build: second; }\n');
        execFileSync('cmake', [`-DSITE=${folder}`,
            `-DTEMPLATE=${process.env.PLANNER_SOURCE}/window/web/sw.js.in`,
            '-P', `${process.env.PLANNER_SOURCE}/cmake/ServiceWorker.cmake`]);
        await page.reload(); // the page asks for a newer build; the browser installs it
        let names = [first];
        for (const until = Date.now() + 20000; names[0] === first && Date.now() < until;)
            await page.waitForTimeout(200), names = await cacheNames(page);
        assert.equal(names.length, 1, 'one cache');
        assert.notEqual(names[0], first, 'the new build\'s cache, the old one gone');
        await page.reload();
        await ready(page);
        assert.equal(await page.evaluate(() =>
            getComputedStyle(document.body).getPropertyValue('--build').trim()), 'second');
    } finally {
        await ctx.close();
        await copy.close();
    }
});
