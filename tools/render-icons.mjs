// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web page's touch icon, rendered from resources/planner.svg by
// headless Chromium: the bolt at 192 pixels on a clear ground (the app's
// manifest names the SVGs themselves, planner.svg and its maskable twin);
// then made smaller without loss by zopflipng (Debian's zopfli). A
// developer's tool; the PNG is committed.
// Usage (after ./build.sh web): node tools/render-icons.mjs resources
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { launch } from '../tests/web/harness.mjs';

const out = process.argv[2] ?? 'resources';
const svg = readFileSync(new URL('../resources/planner.svg', import.meta.url), 'utf8');
const data = `data:image/svg+xml;base64,${Buffer.from(svg).toString('base64')}`;
const browser = await launch();
try {
    const page = await browser.newPage();
    const name = 'planner-192.png',
        size = 192;
    await page.setViewportSize({ width: size, height: size });
    await page.setContent(`<body style="margin:0;background:transparent">
        <img src="${data}" style="display:block;width:${size}px;height:${size}px"></body>`);
    await page.screenshot({ path: join(out, name), omitBackground: true });
    execFileSync('zopflipng', ['-y', '--iterations=15', '--filters=01234mepb', join(out, name), join(out, name)]);
} finally {
    await browser.close();
}
