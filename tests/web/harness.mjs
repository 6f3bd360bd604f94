// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the browser tests share: the built site served on 127.0.0.1 (every
// request noted), headless Chromium from Debian driven by Playwright, the
// tables exported from the C++ tests, and the page's controls by name.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { readFileSync } from 'node:fs';
import { extname, join, normalize } from 'node:path';
import { chromium } from 'playwright-core';

export const site = process.env.PLANNER_SITE;
export const tables = process.env.PLANNER_TABLES &&
    JSON.parse(readFileSync(process.env.PLANNER_TABLES, 'utf8'));

const types = { '.html': 'text/html', '.css': 'text/css', '.js': 'text/javascript',
    '.png': 'image/png', '.json': 'application/json', '.webmanifest': 'application/manifest+json' };

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

export function launch() {
    return chromium.launch(chromiumOptions);
}

// Once the view has taken over the window, it takes away the sentence
// that says what the page needs.
export const ready = page => page.waitForSelector('#needs', { state: 'detached' });

// A page with the planner open and ready.
export async function open(browser, url, context = {}) {
    const ctx = await browser.newContext({ viewport: { width: 1000, height: 700 }, ...context });
    const page = await ctx.newPage();
    const errors = [];
    page.on('pageerror', e => errors.push(String(e)));
    page.on('console', m => m.type() === 'error' && errors.push(m.text()));
    await page.goto(url);
    await ready(page);
    return { page, ctx, errors };
}

export const controlNames = tables?.controls.map(c => c.name);
export const designOf = name => tables?.controls.find(c => c.name === name);

// The element of a control: the view gives each the id "r" and its row in
// the design table, whose order the tables keep.
export const rowOf = name => controlNames.indexOf(name);
export function control(page, name) {
    return page.locator(`#r${rowOf(name)}`);
}

// What a label shows: its caption, not what readers get.
export function caption(page, name) {
    return control(page, name).locator('.caption').textContent();
}

// What a screen reader reads of a control: its text in the accessibility
// tree, "" for one hidden from it.
export async function readAs(page, name) {
    const tree = await control(page, name).ariaSnapshot();
    return tree.replace(/^- (text|slider|button): ?/, '').replace(/^"(.*)"$/, '$1');
}

// A user's way along a bar, as tests/worked_states.h counts it: so many
// pages (100 MHz, or half the way where a page is a step), then so many steps.
export function moves(bar, from, to) {
    const page = bar === 'vsbFreq' ? 100 : 1, way = Math.abs(to - from);
    const pages = Math.floor(way / (page === 1 ? 2 : page));
    return { pages, lines: way - pages * page, down: to > from };
}
