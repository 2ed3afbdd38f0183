// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

// Writes the one-file page: page.html with the style, the engine's glue code and page.js inline,
// and the engine's WebAssembly as base64 in a data block, which the browser's script compiler
// never has to read. The Content-Security-Policy allows exactly this style and this
// script, by their hashes, and nothing to be fetched.
//
//     node build_page.mjs --title T --engine vandrel_engine.js --wasm vandrel_engine.wasm --out page.html
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const args = {};
for (let i = 2; i + 1 < process.argv.length; i += 2)
    args[process.argv[i].replace(/^--/, '')] = process.argv[i + 1];
for (const name of ['title', 'engine', 'wasm', 'out'])
    if (!args[name])
        throw new Error(`build_page: --${name} is missing`);

const read = (file) => readFileSync(file, 'utf8');
const hash = (text) => `'sha256-${createHash('sha256').update(text, 'utf8').digest('base64')}'`;

const style = read(join(here, 'page.css'));
const script = [read(args.engine), read(join(here, 'page.js'))].join('\n');
// Nothing may be loaded from anywhere, not even from the page's own folder: the WebAssembly is
// compiled from the bytes in the script ('wasm-unsafe-eval'), pictures are drawn on a canvas.
const policy = [
    "default-src 'none'",
    `script-src ${hash(script)} 'wasm-unsafe-eval'`,
    `style-src ${hash(style)}`,
    'img-src data:',
    "base-uri 'none'",
    "form-action 'none'",
].join('; ');

// A replacer function: the inserted texts may hold "$" sequences of their own.
const page = read(join(here, 'page.html')).replace(/\{\{(\w+)\}\}/g, (_, key) => {
    const values = { CSP: policy, TITLE: args.title, STYLE: style, SCRIPT: script, WASM: readFileSync(args.wasm).toString('base64') };
    if (!(key in values))
        throw new Error(`build_page: unknown placeholder {{${key}}}`);
    return values[key];
});
writeFileSync(args.out, page);
