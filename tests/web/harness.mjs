// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

// Debian's Chromium and Firefox ESR driven by puppeteer-core, and the page opened in them ready
// to calculate. Shared by the page's tests and its benchmark.
import { existsSync } from 'node:fs';
import { resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

export const pagePath = resolve(process.env.VANDREL_WEB_PAGE ?? 'build/web/vandrel-1.0.0-web.html');
export const pageUrl = pathToFileURL(pagePath).href;

const browsers = {
    chromium: { browser: 'chrome', executablePath: '/usr/bin/chromium' },
    firefox: { browser: 'firefox', executablePath: '/usr/bin/firefox-esr' },
};

export async function launch(name) {
    const { browser, executablePath } = browsers[name];
    if (!existsSync(executablePath))
        throw new Error(`${executablePath} is missing: bash scripts/setup.sh test installs it`);
    // Chromium's sandbox needs user namespaces that root in a container may not have; a chroot
    // may have no /dev/shm.
    const args = browser === 'chrome' ? ['--disable-dev-shm-usage'] : [];
    if (browser === 'chrome' && process.getuid?.() === 0)
        args.push('--no-sandbox');
    return puppeteer.launch({ browser, executablePath, headless: true, args, timeout: 120000 });
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
    await page.evaluateOnNewDocument(() => {
        document.addEventListener('vandrel-ready', (event) => { window.vandrel = event.detail; }, { once: true });
    });
    if (beforeLoad)
        await beforeLoad(page);
    await page.goto(url);
    return { page, requests, messages };
}

export const whenReady = (page) => page.waitForFunction(() => window.vandrel !== undefined, { timeout: 30000 });
