// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A printed template as a builder measures it, whichever engine printed it:
// from its PDF (or PostScript, made a PDF by Ghostscript first) through
// poppler, the count of sheets; each sheet's text, its 100 mm square and
// its tile; and the curve as printed on the tiles, the sheets laid one on
// the other by the crosses in their shared strips, in millimetres across
// and up from the vertex, a piece a sheet. Then what each print of a worked template must
// be: its sheets; on the first, its figures; on every one, the
// instruction and the square, 100 mm to half a millimetre; and the curve
// as assembled, its pieces meeting from the vertex to the rim, within
// 0.3 mm of r^2 / 4f at every point printed.
// Usage: node readback.mjs CASES.json, a list of { "file", "template" }
// (a template as tests/worked_states.h has it: "sheets", "diam",
// "figures", the fourth the focal length in inches).
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { dirname, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const run = (tool, ...args) => execFileSync(tool, args, { encoding: 'utf8', maxBuffer: 1 << 26 });
const mm = 25.4 / 72;

// Every stroked path of a page's SVG, in millimetres: its points, whether
// closed, its box.
function strokes(svg) {
    return [...svg.matchAll(/<path ([^>]*)\/>/g)]
        .map(([, attributes]) =>
            Object.fromEntries([...attributes.matchAll(/([\w-]+)="([^"]*)"/g)].map(a => a.slice(1))),
        )
        .filter(a => /fill:none;stroke-width/.test(a.style ?? ''))
        .map(({ d, transform }) => {
            const [a, b, c, e, f, g] = (transform?.match(/matrix\(([^)]*)\)/)?.[1] ?? '1,0,0,1,0,0')
                .split(',')
                .map(Number);
            const n = d.match(/[-\d.e]+/g).map(Number),
                points = [];
            for (let i = 0; i < n.length; i += 2)
                points.push([(a * n[i] + c * n[i + 1] + f) * mm, (b * n[i] + e * n[i + 1] + g) * mm]);
            const xs = points.map(q => q[0]),
                ys = points.map(q => q[1]);
            return {
                points,
                closed: d.includes('Z'),
                x: Math.min(...xs),
                y: Math.min(...ys),
                w: Math.max(...xs) - Math.min(...xs),
                h: Math.max(...ys) - Math.min(...ys),
            };
        });
}

export function readPrint(file) {
    const pdf = file.endsWith('.ps') ? file.replace(/\.ps$/, '.pdf') : file;
    if (pdf !== file) run('ps2pdf', file, pdf);
    const pages = Number(run('pdfinfo', pdf).match(/Pages:\s+(\d+)/)[1]),
        sheets = [];
    for (let p = 1; p <= pages; ++p) {
        const lines = strokes(run('pdftocairo', '-svg', '-f', String(p), '-l', String(p), pdf, '-'));
        const boxes = lines.filter(l => l.closed),
            tile = boxes.reduce((t, b) => (b.w * b.h > t.w * t.h ? b : t));
        const inTile = ([x, y]) => x >= tile.x && x <= tile.x + tile.w && y >= tile.y && y <= tile.y + tile.h;
        sheets.push({
            text: run('pdftotext', '-f', String(p), '-l', String(p), pdf, '-').replace(/\s+/g, ' '),
            square: boxes.find(b => Math.abs(b.w - 100) < 5 && Math.abs(b.h - 100) < 5),
            tile,
            crosses: boxes.filter(b => b.w < 3).sort((m, n) => m.y - n.y),
            curve: lines.reduce((c, l) => (l.points.length > c.points.length ? l : c)).points.filter(inTile),
        });
    }
    // Each sheet at its place on the first: its left crosses on the last
    // one's right; its piece of the curve, across and up from the vertex.
    const [vx, vy] = sheets[0].curve[0],
        pieces = [];
    for (let p = 0, dx = 0; p < sheets.length; ++p) {
        if (p > 0) {
            const right = sheets[p - 1].crosses.filter(c => c.x > sheets[p - 1].tile.x + sheets[p - 1].tile.w / 2);
            const left = sheets[p].crosses.filter(c => c.x < sheets[p].tile.x + sheets[p].tile.w / 2);
            dx += right[0].x - left[0].x;
        }
        pieces.push(sheets[p].curve.map(([x, y]) => [x + dx - vx, vy - y]).sort((m, n) => m[0] - n[0]));
    }
    return { sheets, pieces };
}

// What a print of template t must be; what it measured, as a line.
export function checkPrint(file, t) {
    const { sheets, pieces } = readPrint(file),
        f = parseFloat(t.figures[3]) * 25.4,
        curve = pieces.flat();
    assert.equal(sheets.length, t.sheets, `${file}: sheets`);
    for (const figure of t.figures)
        assert.ok(sheets[0].text.includes(figure), `${file}: the first sheet says ${figure}`);
    for (const [i, { text, square }] of sheets.entries()) {
        assert.ok(
            text.includes('Print at 100% (actual size, not fit to page). Measure the square before cutting.'),
            `${file}: sheet ${i + 1} says how to print`,
        );
        assert.ok(
            square && Math.abs(square.w - 100) <= 0.5 && Math.abs(square.h - 100) <= 0.5,
            `${file}: sheet ${i + 1}'s square, ${square?.w} by ${square?.h} mm`,
        );
    }
    const error = Math.max(...curve.map(([x, y]) => Math.abs(y - (x * x) / (4 * f))));
    // Each sheet's piece is one line; the pieces must meet, from the vertex to the rim.
    const whole =
        pieces.every((piece, i) => (i ? piece[0][0] <= pieces[i - 1].at(-1)[0] : piece[0][0] <= 0.3)) &&
        pieces.at(-1).at(-1)[0] >= t.diam * 12.7 - 0.3;
    assert.ok(error <= 0.3 && whole, `${file}: the curve within 0.3 mm (${error}), to the rim: ${whole}`);
    return (
        `squares ${sheets.map(s => `${s.square.w.toFixed(2)} × ${s.square.h.toFixed(2)}`)} mm, ` +
        `the curve within ${error.toFixed(3)} mm`
    );
}

if (process.argv[1] && resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
    const list = process.argv[2],
        cases = JSON.parse(readFileSync(list, 'utf8'));
    assert.ok(cases.length > 0, `${list} lists no prints`);
    for (const { file, template } of cases)
        console.log(`${file}: ${checkPrint(resolve(dirname(list), file), template)}`);
}
