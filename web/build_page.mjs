// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

// Writes the one-file page: page.html with the style, the window, the engine and page.js inline.
// The window is written from the engine's own table, which the engine gives here in node just as
// it does in a browser. The Content-Security-Policy allows exactly this style and this script, by
// their hashes, and nothing to be fetched.
//
//     node build_page.mjs --title T --engine vandrel_engine.js --out page.html
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { engineTable } from './engine_table.mjs';
import { windowMarkup } from './window_markup.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const args = {};
for (let i = 2; i + 1 < process.argv.length; i += 2)
    args[process.argv[i].replace(/^--/, '')] = process.argv[i + 1];
for (const name of ['title', 'engine', 'out'])
    if (!args[name])
        throw new Error(`build_page: --${name} is missing`);

const read = (file) => readFileSync(file, 'utf8');
const hash = (text) => `'sha256-${createHash('sha256').update(text, 'utf8').digest('base64')}'`;

const form = await engineTable(args.engine);
const markup = windowMarkup(form);

const style = `${read(join(here, 'page.css'))}\n/* The window's controls at their places. */\n${markup.css}\n`;
// Without scripts the window could not calculate: only the message that says so shows.
const noScriptStyle = '#Form1{display:none}';
const script = [read(args.engine), read(join(here, 'page.js'))].join('\n');
// Nothing may be loaded from anywhere, not even from the page's own folder, and no code made at
// run time: the engine is plain script, pictures are drawn on a canvas.
const policy = [
    "default-src 'none'",
    `script-src ${hash(script)}`,
    `style-src ${hash(style)} ${hash(noScriptStyle)}`,
    'img-src data:',
    "base-uri 'none'",
    "form-action 'none'",
].join('; ');

// What the page's script needs of the table, as data: "<" escaped, so that no text in it can
// end its element.
const table = JSON.stringify({
    narrowest: form.narrowest,
    controls: form.controls.map(({ name, kind, tabOrder, font }) => ({ name, kind, tabOrder, pixelSize: font?.pixelSize })),
}).replace(/</g, '\\u003c');
const values = {
    CSP: policy,
    TITLE: args.title,
    WINDOW_TITLE: form.title,
    STYLE: style,
    NOSCRIPT_STYLE: noScriptStyle,
    WINDOW: markup.html,
    TABLE: table,
    FAULT_BUTTON: form.faultButton,
    SCRIPT: script,
};
// A replacer function: the inserted texts may hold "$" sequences of their own.
const page = read(join(here, 'page.html')).replace(/\{\{(\w+)\}\}/g, (_, key) => {
    if (!(key in values))
        throw new Error(`build_page: unknown placeholder {{${key}}}`);
    return values[key];
});
writeFileSync(args.out, page);
