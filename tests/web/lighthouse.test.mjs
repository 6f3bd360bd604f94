// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Lighthouse on the page in Debian's Chromium. With its desktop preset, for
// the window is a desktop one: accessibility, best practices and SEO all
// 100. With its mobile one the same but for the one finding the design
// itself makes: the window's 8-point text (11 CSS pixels) is under
// Lighthouse's 12 for a phone, where the window is moreover scaled to fit.
// Performance is the README's, measured by bench/web; here it is printed.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import lighthouse from 'lighthouse';
import desktop from 'lighthouse/core/config/desktop-config.js';
import * as chromeLauncher from 'chrome-launcher';
import { serve, chromiumOptions } from './harness.mjs';

let server, chrome;
before(async () => {
    server = await serve();
    chrome = await chromeLauncher.launch({ chromePath: chromiumOptions.executablePath,
        chromeFlags: ['--headless=new', '--no-sandbox', ...chromiumOptions.args] });
});
after(async () => { await chrome.kill(); await server.close(); });

async function audit(config) {
    const { lhr } = await lighthouse(server.url, { port: chrome.port, output: 'json', logLevel: 'error',
        onlyCategories: ['performance', 'accessibility', 'best-practices', 'seo'] }, config);
    const scores = Object.fromEntries(Object.values(lhr.categories).map(c => [c.id, Math.round(c.score * 100)]));
    const failed = Object.values(lhr.categories).filter(c => c.id !== 'performance')
        .flatMap(c => c.auditRefs.filter(r => r.weight > 0 && lhr.audits[r.id].score !== null &&
            lhr.audits[r.id].score < 1).map(r => r.id));
    console.log(lhr.configSettings.formFactor, JSON.stringify(scores), failed.join(' '),
        ['first-contentful-paint', 'largest-contentful-paint', 'total-blocking-time',
            'cumulative-layout-shift'].map(id => `${id} ${lhr.audits[id].displayValue}`).join(', '));
    return { scores, failed };
}

test('desktop: accessibility, best practices and SEO 100', async () => {
    const { scores, failed } = await audit(desktop);
    assert.deepEqual(failed, []);
    assert.deepEqual([scores.accessibility, scores['best-practices'], scores.seo], [100, 100, 100]);
});

test('mobile: the same, but for the size of the window\'s text', async () => {
    const { scores, failed } = await audit(undefined);
    assert.deepEqual(failed, ['font-size']);
    assert.deepEqual([scores.accessibility, scores.seo], [100, 100]);
});
