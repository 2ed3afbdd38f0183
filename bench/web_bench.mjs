// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

// The web page in each browser engine the tests drive with puppeteer, side by side with a static
// page of the same form (the page's own window, saved without its script): the file's size, and
// in each engine navigation to ready to calculate and a press of 计算 to the five boxes written.
// Reported, never enforced: the figures depend on the machine as much as on the page.
//
//     bash scripts/web.sh && node bench/web_bench.mjs [ROUNDS] [ENGINE…]
import { statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { engines, launch, openPage, pagePath, whenReady } from '../tests/web/harness.mjs';

const rounds = Number(process.argv[2] ?? 20);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const ms = (value) => `${value.toFixed(value < 1 ? 3 : 1)} ms`;

const chosen = process.argv.length > 3 ? process.argv.slice(3) : Object.keys(engines);

console.log(`web page: ${(statSync(pagePath).size / 1024).toFixed(0)} KiB (goal 250 KB or less)`);
for (const name of chosen)
    await measure(name);

async function measure(name) {
    const browser = await launch(name);
    try {
        // The static page: the window as the page builds it, without the script that built it.
        const { page: source } = await openPage(browser);
        await whenReady(source);
        const staticHtml = await source.evaluate(() => {
            const copy = document.documentElement.cloneNode(true);
            copy.querySelectorAll('script').forEach((script) => script.remove());
            return `<!DOCTYPE html>\n${copy.outerHTML}`;
        });
        await source.close();
        const staticPath = join(tmpdir(), `vandrel-static-form-${name}.html`);
        writeFileSync(staticPath, staticHtml);

        // Navigation start to the page's ready event, and to the static page's load event, taken in
        // turn so that both see the same machine.
        const loadTime = async (url, ready) => {
            const { page } = await openPage(browser, {
                url,
                beforeLoad: (p) => p.evaluateOnNewDocument(() => {
                    document.addEventListener('vandrel-ready', () => { window.readyAt = performance.now(); });
                }),
            });
            const time = ready ? await (await page.waitForFunction(() => window.readyAt)).jsonValue()
                : await (await page.waitForFunction(() => performance.getEntriesByType('navigation')[0]?.loadEventEnd))
                    .jsonValue();
            await page.close();
            return time;
        };
        const staticTimes = [];
        const pageTimes = [];
        for (let i = 0; i < rounds; ++i) {
            staticTimes.push(await loadTime(pathToFileURL(staticPath).href, false));
            pageTimes.push(await loadTime(pathToFileURL(pagePath).href, true));
        }
        const staticLoad = median(staticTimes);
        const pageReady = median(pageTimes);

        // 计算 pressed 200 times a round, so that the browser's coarse clock can time it.
        const { page } = await openPage(browser);
        await whenReady(page);
        const perClick = await page.evaluate((count) => {
            const button = document.getElementById('Command1');
            const times = [];
            for (let round = 0; round < count; ++round) {
                const start = performance.now();
                for (let i = 0; i < 200; ++i)
                    button.click();
                times.push((performance.now() - start) / 200);
            }
            return times.sort((a, b) => a - b)[Math.floor(count / 2)];
        }, rounds);
        await page.close();

        console.log(`web page: ${name} ${await browser.version()}: navigation to ready ${ms(pageReady)}, static page of the same`
            + ` form loaded ${ms(staticLoad)} (${(pageReady / staticLoad).toFixed(2)} times); 计算 to the five boxes`
            + ` ${ms(perClick)} (goal 1 ms or less); medians of ${rounds}`);
    } finally {
        await browser.close();
    }
}
