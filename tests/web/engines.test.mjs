// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page in the other two engines, Firefox and WebKit, through the same
// test bodies as in Chromium: as designed, the start-up state with the
// focus where the Tab order starts, the place of every control, and
// worked states reached by clicks on the arrows and in the track, and by
// keys; on a phone's screen, the compact arrangement's start-up state and
// one worked state; and in Firefox, a template printed to PDF.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { serve, drivers, open, reach, tables, idOf, expectState, expectPlaces, printed } from './harness.mjs';

let server;
before(async () => { server = await serve(); });
after(async () => { await server.close(); });

const fewStates = ['diameter 11', 'depth 2.3', '24 inches at 2400 MHz', 'largest ratio and gain'];
const state = name => tables.states.find(s => s.name === name);

for (const engine of ['firefox', 'webkit']) {
    test(`${engine}: start-up, places, and worked states by clicks and keys`, async () => {
        const d = await drivers[engine]();
        try {
            console.log(engine, await d.version());
            const first = await open(d, server.url);
            assert.equal(first.focused, idOf(tables.tabOrder[0]), 'the focus starts first');
            expectPlaces(first);
            expectState(first, state('start-up'));
            for (const [i, name] of fewStates.entries())
                expectState(await reach(d, server.url, state(name), i % 2 ? 'keys' : 'clicks'), state(name));
        } finally {
            await d.close();
        }
    });

    test(`${engine}: on a phone's screen, compact`, async () => {
        const d = await drivers[engine]({ viewport: { width: 390, height: 844 } });
        try {
            const first = await open(d, server.url);
            assert.ok(first.scrollWidth <= first.width, `no scrolling across: ${first.scrollWidth}`);
            expectState(first, state('start-up'), true);
            const s = state('24 inches at 2400 MHz');
            expectState(await reach(d, server.url, s, 'clicks'), s, true);
        } finally {
            await d.close();
        }
    });
}

test('firefox: printing prints the template, at full size', async () => {
    const d = await drivers.firefox();
    try {
        assert.ok(await printed(d, server.url, tables.templates.find(t => t.diam === 24), ['A4']));
    } finally {
        await d.close();
    }
});
