// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

// Writes the one-file page: page.html with the style, the engine and page.js inline. The
// Content-Security-Policy allows exactly this style and this script, by their hashes, and
// nothing to be fetched.
//
//     node build_page.mjs --title T --engine vandrel_engine.js --out page.html
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const args = {};
for (let i = 2; i + 1 < process.argv.length; i += 2)
    args[process.argv[i].replace(/^--/, '')] = process.argv[i + 1];
for (const name of ['title', 'engine', 'out'])
    if (!args[name])
        throw new Error(`build_page: --${name} is missing`);

const read = (file) => readFileSync(file, 'utf8');
const hash = (text) => `'sha256-${createHash('sha256').update(text, 'utf8').digest('base64')}'`;

const style = read(join(here, 'page.css'));
const script = [read(args.engine), read(join(here, 'page.js'))].join('\n');
// Nothing may be loaded from anywhere, not even from the page's own folder, and no code made at
// run time: the engine is plain script, pictures are drawn on a canvas.
const policy = [
    "default-src 'none'",
    `script-src ${hash(script)}`,
    `style-src ${hash(style)}`,
    'img-src data:',
    "base-uri 'none'",
    "form-action 'none'",
].join('; ');

// A replacer function: the inserted texts may hold "$" sequences of their own.
const page = read(join(here, 'page.html')).replace(/\{\{(\w+)\}\}/g, (_, key) => {
    const values = { CSP: policy, TITLE: args.title, STYLE: style, SCRIPT: script };
    if (!(key in values))
        throw new Error(`build_page: unknown placeholder {{${key}}}`);
    return values[key];
});
writeFileSync(args.out, page);
