// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page asks for nothing but its own files from its own origin and
// stores nothing; it works unpacked from its zip, straight from the disk;
// and without scripts or without WebAssembly it says what it needs.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readdirSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { serve, launch, open, ready, control, caption, site } from './harness.mjs';

let server, browser;
before(async () => { server = await serve(); browser = await launch(); });
after(async () => { await browser.close(); await server.close(); });

async function use(page) {
    await control(page, 'vsbDiam').focus();
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('End');
    assert.equal(await caption(page, 'lblDiam'), '40');
}

test('asks nothing of any other origin and stores nothing but its files', async () => {
    const ctx = await browser.newContext();
    const page = await ctx.newPage();
    const asked = [];
    page.on('request', r => asked.push(r.url()));
    await page.goto(server.url);
    await ready(page);
    await use(page);
    const elsewhere = asked.filter(url => !url.startsWith(server.url));
    assert.deepEqual(elsewhere, []);
    const own = ['/', ...readdirSync(site).map(f => `/${f}`)];
    assert.deepEqual(server.requests.filter(r => !own.includes(r)), [], 'only the site\'s own files');
    const stored = await page.evaluate(async () => [document.cookie, localStorage.length,
        sessionStorage.length, (await indexedDB.databases()).length]);
    assert.deepEqual(stored, ['', 0, 0, 0]);
    assert.deepEqual((await ctx.cookies()), []);
    // What the service worker keeps for offline use: the site's own files,
    // in one cache, and nothing else.
    const cached = await page.evaluate(async () => {
        await navigator.serviceWorker.ready;
        const names = await caches.keys();
        const kept = await Promise.all(names.map(async n =>
            (await (await caches.open(n)).keys()).map(r => r.url)));
        return { names, kept: kept.flat() };
    });
    assert.equal(cached.names.length, 1);
    assert.match(cached.names[0], /^dish-planner-[0-9a-f]{16}$/);
    assert.deepEqual(cached.kept.filter(url => !own.includes(url.slice(server.url.length - 1))), []);
    await ctx.close();
});

test('unpacked from its zip, it works from the disk', async () => {
    const folder = mkdtempSync(join(tmpdir(), 'planner-zip-'));
    execFileSync('python3', ['-m', 'zipfile', '-e', process.env.PLANNER_ZIP, folder]);
    const { page, ctx, errors } = await open(browser,
        `file://${folder}/dish-planner-1.00-web/index.html`);
    await use(page);
    assert.deepEqual(errors, []);
    await ctx.close();
});

test('without scripts, or without WebAssembly, it says what it needs', async () => {
    for (const how of ['no scripts', 'no WebAssembly']) {
        const ctx = await browser.newContext({ javaScriptEnabled: how !== 'no scripts' });
        try {
            const page = await ctx.newPage();
            if (how === 'no WebAssembly')
                await page.addInitScript(() => { delete globalThis.WebAssembly; });
            await page.goto(server.url);
            await page.waitForSelector('#needs', { state: 'visible', timeout: 8000 });
            assert.match(await page.locator('#needs').textContent(), /needs JavaScript and WebAssembly/);
            assert.equal(await page.locator('#window').isVisible(), false, how);
        } finally {
            await ctx.close();
        }
    }
});
