// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

// The browser engines the page is checked in, and the page opened in them ready to calculate.
// Shared by the page's tests and its benchmark.
//
// - Debian's Chromium and Firefox ESR, and Chromium again with V8 as a bare interpreter
//   (--jitless), driven by puppeteer-core 23.
// - Chromium 85 and 109 as the npm packages chrome-aws-lambda and @sparticuz/chromium ship them
//   (brotli-packed; unpacked once into build/browsers/), each driven by the puppeteer-core of its
//   time, 5.2 and 19.
// - WebKitGTK's MiniBrowser through WebKitWebDriver, on the virtual display the caller starts.
import { spawn, execFileSync } from 'node:child_process';
import { chmodSync, existsSync, mkdirSync, readFileSync, renameSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { createServer } from 'node:net';
import { dirname, join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { brotliDecompressSync } from 'node:zlib';
import { engineTable } from '../../web/engine_table.mjs';

const require = createRequire(import.meta.url);

export const pagePath = resolve(process.env.VANDREL_WEB_PAGE ?? 'build/web/vandrel-1.0.0-web.html');
export const pageUrl = pathToFileURL(pagePath).href;
const browserFolder = resolve(process.env.VANDREL_BROWSERS ?? 'build/browsers');

const debianChromium = { puppeteer: 'puppeteer-core', browser: 'chrome', executablePath: '/usr/bin/chromium' };
export const engines = {
    chromium: debianChromium,
    firefox: { puppeteer: 'puppeteer-core', browser: 'firefox', executablePath: '/usr/bin/firefox-esr' },
    'chromium-jitless': { ...debianChromium, args: ['--js-flags=--jitless'] },
    // Chromium 85 looks for SwiftShader's GL in a folder of its own beside the binary, 109 (ANGLE)
    // beside the binary itself. Without it the GPU process dies at start, and the browser may then
    // hang instead of falling back to software.
    'chromium-85': { puppeteer: 'puppeteer-core-5', packaged: 'chrome-aws-lambda', gl: 'swiftshader' },
    'chromium-109': { puppeteer: 'puppeteer-core-19', packaged: '@sparticuz/chromium', gl: '.' },
};

// The Chromium an npm package ships, unpacked beside its libraries and its GL: its binary's path.
function unpacked({ packaged: name, gl }) {
    const from = dirname(require.resolve(`${name}/package.json`));
    const { version } = JSON.parse(readFileSync(join(from, 'package.json'), 'utf8'));
    const folder = join(browserFolder, `${name.replace(/\W/g, '-')}-${version}`);
    const binary = join(folder, 'chromium');
    if (!existsSync(binary) || !existsSync(join(folder, gl, 'libGLESv2.so'))) {
        for (const [archive, into] of [['aws', folder], ['swiftshader', join(folder, gl)]]) {
            mkdirSync(into, { recursive: true });
            const tar = join(folder, `${archive}.tar`);
            writeFileSync(tar, brotliDecompressSync(readFileSync(join(from, 'bin', `${archive}.tar.br`))));
            execFileSync('tar', ['-xf', tar, '-C', into]);
        }
        writeFileSync(`${binary}.part`, brotliDecompressSync(readFileSync(join(from, 'bin', 'chromium.br'))));
        chmodSync(`${binary}.part`, 0o755);
        renameSync(`${binary}.part`, binary); // last, so that a broken unpacking is done again
    }
    return { executablePath: binary, env: { ...process.env, LD_LIBRARY_PATH: `${join(folder, 'lib')}:${folder}` } };
}

export async function launch(name) {
    const engine = engines[name];
    const puppeteer = require(engine.puppeteer);
    const binary = engine.packaged ? unpacked(engine) : { executablePath: engine.executablePath };
    if (!existsSync(binary.executablePath))
        throw new Error(`${binary.executablePath} is missing: bash scripts/setup.sh test installs it`);
    // Chromium's sandbox needs user namespaces that root in a container may not have; a chroot
    // may have no /dev/shm.
    const chrome = engine.browser !== 'firefox';
    const args = [...(engine.args ?? []), ...(chrome ? ['--disable-dev-shm-usage'] : [])];
    if (chrome && process.getuid?.() === 0)
        args.push('--no-sandbox');
    return puppeteer.launch({ browser: engine.browser, ...binary, headless: true, args, timeout: 120000 });
}

// The engine's own table of controls, which the page was written from and is checked against.
let tableRead;
const table = () => (tableRead ??= engineTable(resolve(process.env.VANDREL_ENGINE ?? 'build/web/web/vandrel_engine.js')));

// In the page: once it is ready and its first frame drawn, window.vandrel is its run and the
// engine's table, `form`. Whether it is yet; `ask` first asks the page to say it again, for a
// driver that can listen only once the page has loaded.
function readyInPage(form, ask) {
    if (!window.vandrelAsked) {
        window.vandrelAsked = true;
        document.addEventListener('vandrel-ready', (event) => {
            requestAnimationFrame(() => { window.vandrel = { run: event.detail.run, form }; });
        }, { once: true });
    }
    if (ask)
        document.dispatchEvent(new CustomEvent('vandrel-query'));
    return window.vandrel !== undefined;
}

// Opens `url` in a new tab of `viewport`, and waits until the page says it is ready; the page's
// own run is then window.vandrel.run. Every request the tab makes is listed in `requests`, and
// every console message in `messages`.
export async function openPage(browser, { url = pageUrl, viewport = { width: 800, height: 700 }, beforeLoad } = {}) {
    const page = await browser.newPage();
    await page.setViewport({ deviceScaleFactor: 1, ...viewport });
    const requests = [];
    const messages = [];
    page.on('request', (request) => requests.push(request.url()));
    page.on('console', (message) => messages.push(message.text()));
    await page.evaluateOnNewDocument(readyInPage, await table(), false);
    if (beforeLoad)
        await beforeLoad(page);
    await page.goto(url);
    return { page, requests, messages };
}

// Ready, or stopped with its notice that it cannot calculate, which fails at once.
export async function whenReady(page) {
    const started = () => window.vandrel !== undefined || document.getElementById('notice')?.hidden === false;
    await page.waitForFunction(started, { timeout: 30000 });
    if (await page.evaluate(() => window.vandrel === undefined))
        throw new Error(`the page did not start: ${await page.$eval('#notice', (notice) => notice.textContent)}`);
}

const freePort = () => new Promise((done, fail) => {
    const server = createServer().listen(0, '127.0.0.1', () => {
        const { port } = server.address();
        server.close(() => done(port));
    }).on('error', fail);
});

// WebKitGTK's MiniBrowser, driven over WebDriver with node's own fetch: `evaluate` runs a
// function in the page, as puppeteer's does, `size` sets the window's size and `screenshot`
// takes a PNG of the page.
export async function launchWebKit() {
    const miniBrowser = ['/usr/lib/x86_64-linux-gnu', '/usr/lib/aarch64-linux-gnu']
        .map((lib) => `${lib}/webkit2gtk-4.1/MiniBrowser`).find(existsSync);
    if (!miniBrowser || !existsSync('/usr/bin/WebKitWebDriver'))
        throw new Error('WebKitWebDriver or MiniBrowser is missing: bash scripts/setup.sh test installs them');
    const port = await freePort();
    const driver = spawn('/usr/bin/WebKitWebDriver', [`--port=${port}`], { stdio: 'ignore' });
    const call = async (method, path, body) => {
        const response = await fetch(`http://127.0.0.1:${port}${path}`, {
            method, headers: { 'Content-Type': 'application/json' }, body: body && JSON.stringify(body),
        });
        const { value } = await response.json();
        if (value?.error)
            throw new Error(`WebDriver ${path}: ${value.error}: ${value.message}`);
        return value;
    };
    let session;
    for (let tries = 0; !session; ++tries) {
        try {
            session = await call('POST', '/session', { capabilities: { alwaysMatch: {
                'webkitgtk:browserOptions': { binary: miniBrowser, args: ['--automation'] } } } });
        } catch (error) {
            if (tries > 50)
                throw error;
            await new Promise((done) => setTimeout(done, 200));
        }
    }
    const at = `/session/${session.sessionId}`;
    const evaluate = (fn, ...args) => call('POST', `${at}/execute/sync`, { script: `return (${fn})(...arguments);`, args });
    return {
        version: session.capabilities.browserVersion,
        evaluate,
        async open(url = pageUrl) {
            await call('POST', `${at}/url`, { url });
            // The page may still be starting its engine: ask until it answers.
            for (let tries = 0; tries < 300; ++tries) {
                const ready = await evaluate(readyInPage, await table(), true);
                if (ready)
                    return;
                await new Promise((done) => setTimeout(done, 100));
            }
            throw new Error('the page did not become ready in WebKit');
        },
        size: (width, height) => call('POST', `${at}/window/rect`, { width, height }),
        screenshot: async () => Buffer.from(await call('GET', `${at}/screenshot`), 'base64'),
        async close() {
            await call('DELETE', at).catch(() => {});
            driver.kill();
        },
    };
}
