// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

// Remakes the README's pictures of the web page after a press of 计算, in Debian's Chromium:
// docs/web.png (a desktop screen at 100 %) and docs/web-phone.png (a 360 × 740 phone screen).
// Optionally one more: node scripts/web_screenshot.mjs OUT.png WIDTH HEIGHT SCALE [mobile]
// [BOX=TEXT …] [focus=BOX], with the texts typed into their boxes before 计算 and the focus then
// put on a box, for example TxtDead=9.2838E199 focus=TxtStressy; engine=webkit takes it in
// WebKitGTK's MiniBrowser instead (on a display: scripts/virtual_display.sh).
//
//     bash scripts/web.sh && node scripts/web_screenshot.mjs
import { writeFileSync } from 'node:fs';
import { launch, launchWebKit, openPage, whenReady } from '../tests/web/harness.mjs';

const shots = process.argv.length > 2
    ? [[process.argv[2], Number(process.argv[3]), Number(process.argv[4]), Number(process.argv[5]), process.argv[6] === 'mobile']]
    : [['docs/web.png', 540, 540, 1, false], ['docs/web-phone.png', 360, 740, 2, true]];
const settings = process.argv.slice(6).filter((arg) => arg.includes('=')).map((arg) => arg.split(/=(.*)/s, 2));
const texts = settings.filter(([box]) => box !== 'focus' && box !== 'engine');
const focus = settings.find(([box]) => box === 'focus')?.[1];
const engine = settings.find(([box]) => box === 'engine')?.[1] ?? 'chromium';

if (engine === 'webkit') {
    const [[file, width, height]] = shots;
    const webkit = await launchWebKit();
    try {
        await webkit.size(width, height);
        await webkit.open();
        await webkit.evaluate((boxes, box) => {
            boxes.forEach(([name, text]) => { document.getElementById(name).value = text; });
            document.getElementById('Command1').click();
            if (box)
                document.getElementById(box).focus();
        }, texts, focus);
        await new Promise((done) => setTimeout(done, 500)); // painted
        writeFileSync(file, await webkit.screenshot());
        console.log(`${file}: WebKit ${webkit.version}, ${width} × ${height}`);
    } finally {
        await webkit.close();
    }
    process.exit(0);
}

const browser = await launch('chromium');
try {
    for (const [file, width, height, deviceScaleFactor, isMobile] of shots) {
        const { page } = await openPage(browser, { viewport: { width, height, deviceScaleFactor, isMobile, hasTouch: isMobile } });
        await whenReady(page);
        await page.evaluate((boxes) => boxes.forEach(([box, text]) => { document.getElementById(box).value = text; }), texts);
        await page.click('[id="Command1"]');
        await page.evaluate(() => window.scrollTo(0, 0));
        if (focus)
            await page.focus(`[id="${focus}"]`);
        await page.screenshot({ path: file });
        console.log(`${file}: ${width} × ${height} at ${deviceScaleFactor * 100} %`);
        await page.close();
    }
} finally {
    await browser.close();
}
