// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web app's icons, rendered from resources/planner.svg by headless
// Chromium: the bolt at 192 and 512 pixels on a clear ground, and a
// maskable one, the bolt within the middle 80% (the part every mask keeps)
// on the window's face colour; then each made smaller without loss by
// zopflipng (Debian's zopfli). A developer's tool; the PNGs are committed.
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
    for (const [name, size, maskable] of [
        ['planner-192.png', 192, false],
        ['planner-512.png', 512, false],
        ['planner-maskable-512.png', 512, true],
    ]) {
        await page.setViewportSize({ width: size, height: size });
        const inset = maskable ? size * 0.2 : 0;
        await page.setContent(`<body style="margin:0;background:${maskable ? '#f0f0f0' : 'transparent'}">
            <img src="${data}" style="display:block;position:absolute;left:${inset}px;top:${inset}px;
            width:${size - 2 * inset}px;height:${size - 2 * inset}px"></body>`);
        await page.screenshot({ path: join(out, name), omitBackground: !maskable });
        execFileSync('zopflipng', ['-y', '--iterations=15', '--filters=01234mepb', join(out, name), join(out, name)]);
    }
} finally {
    await browser.close();
}
