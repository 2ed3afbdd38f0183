// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

// The web page in each browser engine of harness.mjs: the native build's digits, typed cases,
// results whole or marked as cut, the fault dialog, the layout against the window's table, solid
// digits, the tab order; in Debian's Chromium also no request, axe-core, a sharp section picture
// at every zoom, a phone screen, no WebAssembly, no <dialog>. WebKit needs a display.
//
//     VANDREL_WEB_PAGE=build/web/vandrel-1.0.0-web.html VANDREL_SAME_DIGITS=same_digits.txt \
//         [VANDREL_ENGINES=chromium,webkit] [VANDREL_CASES=2000] node --test tests/web/
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { createRequire } from 'node:module';
import { after, before, describe, test as nodeTest } from 'node:test';
import { engines, launch, launchWebKit, openPage, pagePath, pageUrl, whenReady } from './harness.mjs';

// A browser that stops answering fails the test it is in, and its engine's hooks, instead of
// holding the whole run; the longest test, 12,000 cases typed into WebKit, takes a few minutes.
const test = (name, fn) => nodeTest(name, { timeout: 15 * 60 * 1000 }, fn);
const starting = { timeout: 3 * 60 * 1000 };
const closing = { timeout: 60 * 1000 };

// What the native same_digits program wrote: one line a case, the support mode, the twelve
// texts ("|" and control characters escaped as \xNN) in the order the run reads the boxes, then
// what the run wrote and how it ended.
const readOrder = ['TxtWind', 'TxtSpace', 'TxtDead', 'txtfy', 'TxtF', 'TxtFv', 'Txtb', 'Txth', 'Txttf', 'Txttw',
    'TxtHeight', 'TxtSSpace'];
const cases = readFileSync(process.env.VANDREL_SAME_DIGITS ?? 'build/release/same_digits.txt', 'utf8')
    .split('\n')
    .filter(Boolean)
    .map((line) => {
        const end = line.indexOf(' ||');
        const [head, ...texts] = line.slice(0, end).split(' | ');
        const unescaped = (text) => text.replace(/\\x([0-9a-f]{2})/g, (_, hex) => String.fromCharCode(parseInt(hex, 16)));
        const boxes = Object.fromEntries(texts.map((text, i) => [readOrder[i], unescaped(text)]));
        return { mode: Number(head.split(' ')[2]), boxes, outcome: line.slice(end + 3) };
    })
    .slice(0, Number(process.env.VANDREL_CASES) || undefined); // a sample, for the mutation runs
const resultBoxes = ['TxtStressx', 'TxtStressy', 'TxtDeflection', 'TxtRatio', 'TxtDeadweight'];
const byId = (name) => `[id="${name}"]`;
const faultDescriptions = { 'division by zero': '除数为零', overflow: '数值溢出', 'invalid argument': '无效参数（负数开平方）' };

// Runs cases in the page through the run its 计算 calls, and writes each outcome as the native
// program does.
function outcomesInPage(batch) {
    const escaped = (text) => text.replace(/[\x00-\x1f|\\]/g, (c) => `\\x${c.charCodeAt(0).toString(16).padStart(2, '0')}`);
    const names = { DivisionByZero: 'division by zero', Overflow: 'overflow', InvalidArgument: 'invalid argument' };
    const inputs = window.vandrel.form.controls.filter((c) => c.kind === 'InputBox').map((c) => c.name);
    return batch.map(([mode, boxes]) => {
        const { written, fault } = window.vandrel.run(mode, inputs.map((name) => boxes[name]));
        const writes = written.map(([box, text]) => ` ${box}=${escaped(text)}`).join('');
        return writes + (fault ? ` | stopped: ${names[fault.kind]}` : ' | complete');
    });
}

// In the page: every case typed into the boxes and calculated with 计算, each result box checked.
function typedCasesInPage([batch, boxes]) {
    // In the page: what is wrong with what each result box shows, measured as painted: the box's own
    // text in a span of its font, a cut form by a Range over its text. A box shows its whole text
    // inside its room, or, only where even the narrowest size is too wide, a cut form with the mark,
    // the sign and the exponent kept, over a box whose own text is not drawn, and the whole text
    // under the box while it has the focus.
    function resultFaults(boxes) {
        const mark = '\u2026';
        const probe = document.body.appendChild(document.createElement('span'));
        Object.assign(probe.style, { position: 'absolute', visibility: 'hidden', whiteSpace: 'pre' });
        const room = (element) => {
            const style = getComputedStyle(element);
            return element.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
        };
        const painted = (element, text, fontSize) => {
            const style = getComputedStyle(element);
            Object.assign(probe.style, { fontFamily: style.fontFamily, fontWeight: style.fontWeight, fontSize });
            probe.textContent = text;
            return probe.getBoundingClientRect().width;
        };
        const narrowest = window.vandrel.form.narrowest / 100;
        const faults = [];
        let cut = 0;
        for (const name of boxes) {
            const box = document.getElementById(name);
            const text = box.value;
            if (text === '')
                continue;
            const control = window.vandrel.form.controls.find((c) => c.name === name);
            const fitsNarrowed = painted(box, text, `${narrowest * control.font.pixelSize}px`) <= room(box);
            const cutForm = box.nextElementSibling;
            const isCut = !cutForm.hidden;
            const problem = (() => {
                if (!isCut) {
                    if (painted(box, text, getComputedStyle(box).fontSize) > room(box))
                        return 'painted wider than its box';
                    const full = control.font.pixelSize;
                    if (parseFloat(getComputedStyle(box).fontSize) !== full && painted(box, text, `${full}px`) <= room(box))
                        return 'drawn smaller than it needs to be';
                    return fitsNarrowed ? '' : 'shown whole, though too wide for the narrowest size';
                }
                ++cut;
                const shown = cutForm.textContent;
                const range = document.createRange();
                range.selectNodeContents(cutForm);
                if (range.getBoundingClientRect().width > room(cutForm))
                    return `cut form '${shown}' painted wider than its box`;
                if (getComputedStyle(box).color !== 'rgba(0, 0, 0, 0)')
                    return 'the box\'s own text drawn under its cut form';
                if (fitsNarrowed)
                    return 'cut, although it fits the narrowest size';
                const at = shown.indexOf(mark);
                if (at < 0)
                    return `cut form '${shown}' without the mark`;
                if (shown !== mark) {
                    const negative = text.startsWith('-');
                    const e = text.indexOf('E');
                    if (negative !== shown.startsWith('-') || !text.slice(1).startsWith(shown.slice(negative ? 1 : 0, at)))
                        return `cut form '${shown}' is not the text's start and the mark`;
                    if (shown.slice(at + 1) !== (e < 0 ? '' : text.slice(e)))
                        return `cut form '${shown}' lost the exponent, or added to it`;
                }
                box.focus();
                const bubble = document.getElementById('wholeResult');
                const whole = !bubble.hidden && bubble.textContent === text;
                box.blur();
                return whole ? '' : 'its whole text is not shown on focus';
            })();
            if (problem)
                faults.push(`${name} '${text}': ${problem}`);
        }
        probe.remove();
        return { faults, cut };
    }

    const inputs = window.vandrel.form.controls.filter((c) => c.kind === 'InputBox').map((c) => c.name);
    const dialog = document.getElementById('faultDialog');
    const outcome = { faults: [], cut: 0, results: 0 };
    for (const [index, mode, texts] of batch) {
        inputs.forEach((name) => { document.getElementById(name).value = texts[name]; });
        document.getElementById(mode === 1 ? 'Option1(0)' : 'Option1(1)').click();
        document.getElementById('Command1').click();
        if (dialog.hasAttribute('open'))
            document.getElementById('faultOk').click();
        const { faults, cut } = resultFaults(boxes);
        outcome.faults.push(...faults.map((f) => `case ${index}: ${f}`));
        outcome.cut += cut;
        outcome.results += boxes.filter((name) => document.getElementById(name).value !== '').length;
    }
    return outcome;
}

// Every generated case through the page's boxes and its 计算, in batches; `page` is a puppeteer
// page or the WebKit driver, which both evaluate a function in the page.
async function typedCaseFaults(page) {
    const total = { faults: [], cut: 0, results: 0 };
    for (let first = 0; first < cases.length; first += 1000) {
        const batch = cases.slice(first, first + 1000).map((c, i) => [first + i, c.mode, c.boxes]);
        const { faults, cut, results } = await page.evaluate(typedCasesInPage, [batch, resultBoxes]);
        total.faults.push(...faults);
        total.cut += cut;
        total.results += results;
    }
    return total;
}

const resultTexts = (page) => page.evaluate(
    (names) => names.map((name) => document.getElementById(name).value), resultBoxes);

async function ready(browser, options) {
    const opened = await openPage(browser, options);
    await whenReady(opened.page);
    return opened;
}

// In the page: where each control stands against its container, whether its caption leaves it,
// and whether a caption narrowed to fit was narrowed more than its room asks (a group box's
// caption leaves 8 px free at the right, as the desktop's does).
function placementsInPage() {
    const narrowest = window.vandrel.form.narrowest / 100;
    return window.vandrel.form.controls.map((control) => {
        const element = document.getElementById(control.name);
        const box = control.kind === 'OptionButton' ? element.closest('label') : element;
        const container = document.getElementById(control.container || 'Form1').getBoundingClientRect();
        const r = box.getBoundingClientRect();
        const caption = control.kind === 'GroupBox' ? box.querySelector('legend')
            : control.kind === 'OptionButton' ? box.querySelector('span')
            : ['Label', 'PushButton'].includes(control.kind) ? box : null;
        let captionOutside = false;
        let overNarrowed = false;
        if (caption) {
            const range = document.createRange();
            range.selectNodeContents(caption);
            const text = range.getBoundingClientRect();
            captionOutside = text.left < r.left - 0.5 || text.right > r.right + 0.5;
            const share = Number(/scaleX\(([\d.]+)\)/.exec(box.querySelector('.caption').style.transform)?.[1] ?? 1);
            const roomEnd = r.right - (control.kind === 'GroupBox' ? 8 : 0);
            overNarrowed = share < 1 && share > narrowest + 1e-6 && text.right < roomEnd - 0.5;
        }
        const round = (x) => Math.round(x * 100) / 100;
        const at = [r.left - container.left, r.top - container.top, r.width, r.height].map(round);
        return { control, at, captionOutside, overNarrowed };
    });
}

// The controls that stand elsewhere than their twips say (at 15 to the pixel, rounded), or whose
// caption leaves them.
const misplaced = (placed) => placed.flatMap(({ control, at, captionOutside, overNarrowed }) => {
    const expected = control.twips.map((twips) => Math.floor((twips + 7) / 15));
    return [...(JSON.stringify(at) === JSON.stringify(expected) ? [] : [`${control.name} at ${at}, not ${expected}`]),
        ...(captionOutside ? [`the caption of ${control.name} leaves its box`] : []),
        ...(overNarrowed ? [`the caption of ${control.name} narrowed more than its room asks`] : [])];
});

// The dialog a division by zero opens, as faultDialogInPage reads it.
const divisionByZeroDialog = {
    modal: true,
    title: 'Vandrel设计',
    message: '运算错误：除数为零。\n计算已停止，此后的结果未更新；请检查输入数据。',
    button: '确定',
};

// In the page: the fault dialog, and whether it is modal, covering 计算 so that a click there
// reaches the dialog or its backdrop instead.
function faultDialogInPage() {
    const d = document.getElementById('faultDialog');
    const button = document.getElementById('Command1').getBoundingClientRect();
    const hit = document.elementFromPoint(button.left + (button.width / 2), button.top + (button.height / 2));
    return {
        modal: d.hasAttribute('open') && !document.getElementById('Form1').contains(hit),
        title: d.querySelector('#faultTitle').textContent,
        message: d.querySelector('#faultMessage').textContent,
        button: d.querySelector('#faultOk').textContent,
    };
}

// In the page: for each rectangle of a screenshot (a PNG as base64, in CSS pixels at 100 %), how
// many of its pixels are near black.
async function darkPixelsInPage([png, rects]) {
    const image = new Image();
    image.src = `data:image/png;base64,${png}`;
    await image.decode();
    return rects.map((r) => {
        const canvas = Object.assign(document.createElement('canvas'), { width: r.width, height: r.height });
        const context = canvas.getContext('2d');
        context.drawImage(image, r.x, r.y, r.width, r.height, 0, 0, r.width, r.height);
        const { data } = context.getImageData(0, 0, r.width, r.height);
        let dark = 0;
        for (let i = 0; i < data.length; i += 4)
            dark += data[i] < 80 && data[i + 1] < 80 && data[i + 2] < 80 ? 1 : 0;
        return dark;
    });
}

// In the page: the insides of the three input boxes whose face the desktop draws unsmoothed.
const songBoxesInPage = () => ['TxtWind', 'TxtDead', 'TxtSpace'].map((name) => {
    const r = document.getElementById(name).getBoundingClientRect();
    return { x: Math.round(r.left) + 3, y: Math.round(r.top) + 3, width: Math.round(r.width) - 6, height: Math.round(r.height) - 6 };
});

// Their digits drawn solid, as on the desktop, not thin and grey like a hint: each has near-black
// pixels (smoothed hairlines of that face leave none or two).
const faintSongBoxes = (darkPixels) => darkPixels.flatMap((dark, i) => (dark >= 5 ? [] : [`${['TxtWind', 'TxtDead', 'TxtSpace'][i]}: ${dark} dark pixels`]));

// The generated cases whose outcome in the page, through the run its 计算 calls, differs from the
// native build's.
async function casesDiffering(page) {
    const differ = [];
    for (let first = 0; first < cases.length; first += 2000) {
        const batch = cases.slice(first, first + 2000);
        const outcomes = await page.evaluate(outcomesInPage, batch.map((c) => [c.mode, c.boxes]));
        outcomes.forEach((outcome, i) => {
            if (outcome !== batch[i].outcome)
                differ.push(`case ${first + i}: page${outcome} / native${batch[i].outcome}`);
        });
    }
    return differ;
}

// One line per engine: its version, the cases equal to the native build's, the cut results, the layout.
function report(name, version, { equal = '?', cut = '?', wrong = '?', typed = '?', layout = 'layout not checked' }) {
    console.log(`web: ${name} ${version}: ${equal} of ${cases.length} cases give the native output, ${typed} typed `
        + `and clicked too; ${cut} results cut with the mark, ${wrong} cut without; ${layout}`);
}

// VANDREL_ENGINES=chromium-85,webkit (say) checks only those engines; "chromium" includes the
// checks made in Debian's Chromium alone.
const wanted = (name) => !process.env.VANDREL_ENGINES || process.env.VANDREL_ENGINES.split(',').includes(name);

for (const name of Object.keys(engines)) {
    describe(`the page in ${name}`, { skip: !wanted(name) }, () => {
        let browser;
        const summary = {};
        before(async () => { browser = await launch(name); }, starting);
        after(async () => {
            report(name, browser && await browser.version(), summary);
            await browser?.close();
        }, closing);

        test('gives the native build\'s output for every generated case', async () => {
            const { page } = await ready(browser);
            const differ = await casesDiffering(page);
            summary.equal = cases.length - differ.length;
            assert.deepEqual(differ.slice(0, 5), []);
            assert.ok(cases.length >= (Number(process.env.VANDREL_CASES) || 12000));
            await page.close();
        });

        test('shows every generated result whole in its box, or marked as cut and whole on focus', async () => {
            const { page } = await ready(browser);
            const { faults, cut } = await typedCaseFaults(page);
            Object.assign(summary, { cut, wrong: faults.length });
            assert.deepEqual(faults.slice(0, 5), []);
            assert.ok(cut > 0);
            await page.close();
        });

        test('places every control at its table rectangle, twips / 15, its caption inside it', async () => {
            const { page } = await ready(browser);
            const placed = await page.evaluate(placementsInPage);
            assert.equal(placed.length, 58);
            assert.deepEqual(misplaced(placed), []);
            // Each box is named by the label before it, as its accessible name says, and a click
            // on that label reaches the box.
            const labels = await page.evaluate(() => window.vandrel.form.controls
                .filter((c) => c.kind === 'InputBox' || c.kind === 'ResultBox')
                .map((c) => [c.accessibleName.split(' ')[0], document.querySelector(`label[for="${c.name}"]`)?.textContent.trim()]));
            assert.deepEqual(labels.filter(([name, label]) => name !== label), []);
            summary.layout = `all ${placed.length} controls at their table rectangles, every caption inside its box`;
            await page.close();
        });

        test('writes what the native build writes for cases typed into the boxes', async () => {
            const { page } = await ready(browser);
            const typable = cases.filter((c) => (c.mode === 1 || c.mode === 2)
                && !Object.values(c.boxes).some((t) => /[\x00-\x1f]/.test(t)));
            const chosen = [...typable.slice(0, 24), ...typable.filter((c) => c.outcome.includes('stopped')).slice(0, 8)];
            const shown = Object.fromEntries(resultBoxes.map((box) => [box, '']));
            for (const c of chosen) {
                for (const [box, text] of Object.entries(c.boxes)) {
                    await page.focus(byId(box));
                    await page.keyboard.down('Control');
                    await page.keyboard.press('a');
                    await page.keyboard.up('Control');
                    await page.keyboard.press('Backspace');
                    await page.keyboard.type(text);
                }
                await page.click(byId(c.mode === 1 ? 'Option1(0)' : 'Option1(1)'));
                await page.click(byId('Command1'));
                for (const [, box, text] of c.outcome.matchAll(/ (Txt\w+)=([ -]\S+)/g))
                    shown[box] = text;
                const stopped = c.outcome.match(/stopped: (.*)$/);
                if (stopped) {
                    const message = await page.$eval('#faultDialog', (d) => d.hasAttribute('open') && d.querySelector('#faultMessage').textContent);
                    assert.ok(message.startsWith(`运算错误：${faultDescriptions[stopped[1]]}。`), message);
                    await page.click('#faultOk');
                }
                assert.deepEqual(await resultTexts(page), resultBoxes.map((box) => shown[box]),
                    Object.values(c.boxes).join(' | '));
            }
            summary.typed = chosen.length;
            await page.close();
        });

        test('stops on a fault with the desktop\'s message in a modal dialog, keeping later boxes', async () => {
            const { page } = await ready(browser);
            await page.click(byId('Command1'));
            assert.deepEqual(await resultTexts(page), [' 39.02', ' 61.66', ' 5.4', ' 1666.6', ' 443.7']);
            await page.$eval(byId('TxtWind'), (box) => { box.value = '0'; });
            await page.keyboard.press('Enter'); // the focus is on 计算
            assert.deepEqual(await page.evaluate(faultDialogInPage), divisionByZeroDialog);
            const [stressIn, stressOut, deflection, ratio, weight] = await resultTexts(page);
            assert.deepEqual([deflection, ratio, weight], [' 0', ' 1666.6', ' 443.7']);
            assert.notEqual(stressIn, ' 39.02');
            assert.notEqual(stressOut, ' 61.66');
            await page.keyboard.press('Escape');
            assert.equal(await page.$eval('#faultDialog', (d) => d.hasAttribute('open')), false);
            await page.close();
        });

        test('draws the digits of the input boxes solid, as the desktop does', async () => {
            const { page } = await ready(browser);
            const png = await page.screenshot({ encoding: 'base64' });
            assert.deepEqual(faintSongBoxes(await page.evaluate(darkPixelsInPage, [png, await page.evaluate(songBoxesInPage)])), []);
            await page.close();
        });

        test('moves the focus in the window\'s tab order', async () => {
            const { page } = await ready(browser);
            const visited = [];
            for (let i = 0; i < 20; ++i) {
                await page.keyboard.press('Tab');
                visited.push(await page.evaluate(() => document.activeElement.id));
            }
            assert.deepEqual(visited, ['Command2', 'Txtb', 'Txttw', 'Txttf', 'Txth', 'TxtSpace', 'TxtDead', 'TxtWind',
                'txtfy', 'TxtStressy', 'TxtStressx', 'TxtF', 'TxtFv', 'TxtSSpace', 'TxtHeight', 'TxtDeflection',
                'TxtRatio', 'TxtDeadweight', 'Option1(0)', 'Command1']);
            await page.close();
        });
    });
}

describe('the page in chromium, as a file and as served', { skip: !wanted('chromium') }, () => {
    let browser;
    before(async () => { browser = await launch('chromium'); }, starting);
    after(async () => { await browser?.close(); }, closing);

    test('makes no request but for itself, and breaks no rule of its security policy', async () => {
        const server = createServer((request, response) => {
            response.writeHead(request.url === '/' ? 200 : 404, { 'Content-Type': 'text/html; charset=utf-8' });
            response.end(request.url === '/' ? readFileSync(pagePath) : '');
        });
        await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
        const served = `http://127.0.0.1:${server.address().port}/`;
        try {
            for (const url of [pageUrl, served]) {
                const { page, requests, messages } = await ready(browser, { url });
                await page.click(byId('Command1'));
                await page.$eval(byId('txtfy'), (box) => { box.value = '0'; });
                await page.click(byId('Command1'));
                await page.click('#faultOk');
                await new Promise((resolve) => setTimeout(resolve, 500)); // a late favicon request
                assert.deepEqual(requests.filter((r) => !r.startsWith('data:')), [url]);
                assert.deepEqual(messages.filter((m) => /Content.Security.Policy/i.test(m)), []);
                await page.close();
            }
        } finally {
            server.close();
        }
        console.log('web: chromium: no request but the page itself, from file:// and from a web server');
    });

    test('has no accessibility violation that axe-core finds', async () => {
        const axe = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
        const { page } = await ready(browser);
        await page.evaluate(axe);
        const violations = async () => (await page.evaluate(() => window.axe.run())).violations
            .map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
        assert.deepEqual(await violations(), []);
        await page.click(byId('Command1'));
        assert.deepEqual(await violations(), []);
        console.log(`web: chromium: axe-core ${await page.evaluate(() => window.axe.version)}, no violation`);
        await page.close();
    });

    test('draws the section picture in the screen\'s own pixels, sharp at every zoom', async () => {
        // One page whose screen changes its scale under it: the picture is drawn anew each time.
        const { page } = await ready(browser);
        for (const scale of [1, 1.25, 1.5, 1.75, 2, 3]) {
            await page.setViewport({ width: 800, height: 700, deviceScaleFactor: scale });
            const size = [Math.ceil(121 * scale), Math.ceil(141 * scale)];
            // Headless Chromium tells the page of its new scale with the next frame it draws.
            for (let frames = 0; frames < 10; ++frames) {
                await page.screenshot();
                if (await page.$eval('#Picture1 canvas', (c, [w, h]) => c.width === w && c.height === h, size))
                    break;
            }
            assert.deepEqual(await page.$eval('#Picture1 canvas', (c) => [c.width, c.height]), size, `${scale * 100} %`);
            // The screen shows each of the canvas's pixels on one device pixel of its own, as far
            // as the box lets it show (its last device pixel may be cut by the box's frame).
            const shot = await page.screenshot({ encoding: 'base64' });
            const differing = await page.evaluate(async (png) => {
                const c = document.querySelector('#Picture1 canvas');
                const r = c.getBoundingClientRect();
                const box = c.parentElement.getBoundingClientRect();
                const dpr = window.devicePixelRatio;
                const width = Math.min(c.width, Math.floor((box.right - 2 - r.left) * dpr));
                const height = Math.min(c.height, Math.floor((box.bottom - 2 - r.top) * dpr));
                const drawn = c.getContext('2d').getImageData(0, 0, width, height).data;
                const bytes = Uint8Array.from(atob(png), (x) => x.charCodeAt(0));
                const bitmap = await createImageBitmap(new Blob([bytes], { type: 'image/png' }));
                const context = new OffscreenCanvas(width, height).getContext('2d');
                context.drawImage(bitmap, Math.round(r.left * dpr), Math.round(r.top * dpr), width, height, 0, 0, width, height);
                const shown = context.getImageData(0, 0, width, height).data;
                let count = 0;
                for (let i = 0; i < drawn.length; i += 4)
                    count += drawn[i] !== shown[i] || drawn[i + 1] !== shown[i + 1] || drawn[i + 2] !== shown[i + 2] ? 1 : 0;
                return count;
            }, shot);
            assert.equal(differing, 0, `${differing} pixels on screen differ from the picture at ${scale * 100} %`);
        }
        await page.close();
        console.log('web: chromium: the section picture pixel for pixel on screen at 100, 125, 150, 175, 200 and 300 %');
    });

    test('shows every generated result whole or marked as cut at 125, 150 and 200 % and on a phone', async () => {
        const screens = [
            { width: 800, height: 700, deviceScaleFactor: 1.25 },
            { width: 800, height: 700, deviceScaleFactor: 1.5 },
            { width: 800, height: 700, deviceScaleFactor: 2 },
            { width: 360, height: 740, deviceScaleFactor: 3, isMobile: true, hasTouch: true },
        ];
        for (const viewport of screens) {
            const { page } = await ready(browser, { viewport });
            const { faults, cut } = await typedCaseFaults(page);
            assert.deepEqual(faults.slice(0, 5), [], JSON.stringify(viewport));
            assert.ok(cut > 0);
            await page.close();
        }
        console.log('web: chromium: every generated result whole or marked as cut at 125, 150 and 200 % and on a phone');
    });

    test('draws a result no size fits as its start, the mark and the exponent, the whole a tap away', async () => {
        for (const deviceScaleFactor of [1, 1.5]) {
            const { page } = await ready(browser, { viewport: { width: 800, height: 700, deviceScaleFactor } });
            await page.$eval(byId('TxtDead'), (box) => { box.value = '9.2838E199'; });
            await page.click(byId('Command1'));
            const drawn = await page.$eval(byId('TxtStressy'), (box) => {
                const range = document.createRange();
                range.selectNodeContents(box.nextElementSibling);
                const text = range.getBoundingClientRect();
                const r = box.getBoundingClientRect();
                return { value: box.value, shown: box.nextElementSibling.textContent, textRight: text.right - r.left,
                    clip: { x: r.left + 2, y: r.top + 2, width: r.width - 4, height: r.height - 4 } };
            });
            assert.equal(drawn.value, ' 1.4599498088482E+201');
            assert.match(drawn.shown, /^1(\.4\d*)?\u2026E\+201$/);
            // On screen: ink up to the cut form's end, and only the box's ground from there on.
            const shot = await page.screenshot({ clip: drawn.clip, encoding: 'base64' });
            const inkColumns = await page.evaluate(async (png) => {
                const bytes = Uint8Array.from(atob(png), (c) => c.charCodeAt(0));
                const bitmap = await createImageBitmap(new Blob([bytes], { type: 'image/png' }));
                const context = new OffscreenCanvas(bitmap.width, bitmap.height).getContext('2d');
                context.drawImage(bitmap, 0, 0);
                const { data, width, height } = context.getImageData(0, 0, bitmap.width, bitmap.height);
                const columns = new Set();
                for (let y = 0; y < height; ++y)
                    for (let x = 0; x < width; ++x)
                        if (data[4 * ((y * width) + x)] < 128)
                            columns.add(x);
                return [...columns].sort((a, b) => a - b);
            }, shot);
            assert.ok(inkColumns.length > 10);
            const lastInk = (inkColumns.at(-1) + 1) / deviceScaleFactor + 2;
            assert.ok(lastInk <= drawn.textRight + 1, `ink to ${lastInk} px, the cut form ends at ${drawn.textRight}`);
            // A tap shows the whole text under the box.
            await page.tap(byId('TxtStressy'));
            assert.equal(await page.$eval('#wholeResult', (b) => !b.hidden && b.textContent), ' 1.4599498088482E+201');
            const [bubble, box] = await page.evaluate(() => ['wholeResult', 'TxtStressy']
                .map((id) => document.getElementById(id).getBoundingClientRect().toJSON()));
            assert.ok(bubble.top >= box.bottom && Math.abs(bubble.right - box.right) < 1, 'the whole text under its box, flush right');
            await page.close();
        }
    });

    test('fits a phone\'s width without sideways scrolling and calculates there', async () => {
        const viewport = { width: 360, height: 740, deviceScaleFactor: 3, isMobile: true, hasTouch: true };
        const { page } = await ready(browser, { viewport });
        const widest = await page.evaluate(() => Math.max(document.documentElement.scrollWidth,
            ...window.vandrel.form.controls.map((c) => document.getElementById(c.name).getBoundingClientRect().right)));
        assert.ok(widest <= 360, `the page is ${widest} px wide`);
        const resultsInView = () => page.$eval('#Frame5', (group) => {
            const r = group.getBoundingClientRect();
            return r.top >= 0 && r.bottom <= window.innerHeight;
        });
        assert.equal(await resultsInView(), false, 'the results are below the fold before 计算');
        await page.tap(byId('Command1'));
        assert.deepEqual(await resultTexts(page), [' 39.02', ' 61.66', ' 5.4', ' 1666.6', ' 443.7']);
        assert.equal(await resultsInView(), true, 'the page scrolls to the results');
        await page.close();
    });

    test('calculates without WebAssembly, and says in Chinese that it needs scripts', async () => {
        const noWasm = await ready(browser, {
            beforeLoad: (page) => page.evaluateOnNewDocument(() => { delete globalThis.WebAssembly; }),
        });
        await noWasm.page.click(byId('Command1'));
        assert.deepEqual(await resultTexts(noWasm.page), [' 39.02', ' 61.66', ' 5.4', ' 1666.6', ' 443.7']);
        await noWasm.page.close();

        const noScript = await openPage(browser, { beforeLoad: (page) => page.setJavaScriptEnabled(false) });
        assert.match(await noScript.page.evaluate(() => document.body.innerText), /需要 JavaScript/);
        // The window is in the page as written, but one that cannot calculate is not shown.
        assert.equal(await noScript.page.$eval(byId('Form1'), (form) => getComputedStyle(form).display), 'none');
        await noScript.page.close();
    });

    test('shows a fault modally where the browser has no <dialog>', async () => {
        const { page } = await ready(browser, {
            beforeLoad: (p) => p.evaluateOnNewDocument(() => { delete HTMLDialogElement.prototype.showModal; }),
        });
        await page.$eval(byId('txtfy'), (box) => { box.value = '0'; });
        await page.click(byId('Command1'));
        assert.deepEqual(await page.evaluate(faultDialogInPage), divisionByZeroDialog);
        assert.equal(await page.evaluate(() => document.activeElement.id), 'faultOk');
        // Modal to assistive tools too, as a <dialog> would be.
        assert.deepEqual(await page.$eval('#faultDialog', (d) => [d.getAttribute('role'), d.getAttribute('aria-modal')]),
            ['dialog', 'true']);
        // Over the page, in the middle of the screen.
        assert.deepEqual(await page.$eval('#faultDialog', (dialog) => {
            const r = dialog.getBoundingClientRect();
            const [x, y] = [r.left + (r.width / 2), r.top + (r.height / 2)];
            return [Math.round(x - (window.innerWidth / 2)), Math.round(y - (window.innerHeight / 2)),
                dialog.contains(document.elementFromPoint(x, y))];
        }), [0, 0, true]);
        await page.keyboard.press('Tab'); // the focus stays in the dialog
        assert.equal(await page.evaluate(() => document.activeElement.id), 'faultOk');
        await page.keyboard.press('Escape');
        assert.equal(await page.evaluate(() => document.getElementById('faultDialog').hasAttribute('open')), false);
        assert.equal(await page.evaluate(() => document.activeElement.id), 'Command1');
        await page.click(byId('Command1'));
        await page.keyboard.press('Enter'); // 确定
        assert.equal(await page.evaluate(faultDialogInPage).then((d) => d.modal), false);
        await page.close();
    });

    test('stays responsive whatever is typed, however long or odd', async () => {
        const { page } = await ready(browser);
        const odd = ['9'.repeat(1000000), `1${'0'.repeat(400000)}E-399990`, '\ud800\udfff\ud800', '\u0000', '&H'.repeat(50000)];
        for (const text of odd) {
            await page.$eval(byId('Txtb'), (box, t) => { box.value = t; }, text);
            await page.click(byId('Command1'));
            if (await page.$eval('#faultDialog', (d) => d.hasAttribute('open')))
                await page.click('#faultOk');
            assert.ok((await resultTexts(page)).every((t) => !/inf|nan/i.test(t)));
        }
        await page.close();
    });
});

// WebKit, as Safari on a Mac and every browser on an iPhone or iPad use it: the checks that run
// inside the page.
describe('the page in webkit', { skip: !wanted('webkit') }, () => {
    let webkit;
    const summary = {};
    before(async () => { webkit = await launchWebKit(); }, starting);
    after(async () => {
        report('webkit', webkit?.version, summary);
        await webkit?.close();
    }, closing);

    test('gives the native build\'s output, shows every result whole or marked as cut, places every control', async () => {
        await webkit.open();
        const differ = await casesDiffering(webkit);
        summary.equal = cases.length - differ.length;
        assert.deepEqual(differ.slice(0, 5), []);
        const placed = await webkit.evaluate(placementsInPage);
        assert.deepEqual(misplaced(placed), []);
        summary.layout = `all ${placed.length} controls at their table rectangles, every caption inside its box`;
        await webkit.open();
        const { faults, cut } = await typedCaseFaults(webkit);
        Object.assign(summary, { cut, wrong: faults.length, typed: cases.length });
        assert.deepEqual(faults.slice(0, 5), []);
    });

    test('stops on a fault with the desktop\'s message in a modal dialog', async () => {
        await webkit.open();
        const dialog = await webkit.evaluate(() => {
            document.getElementById('TxtWind').value = '0';
            document.getElementById('Command1').click();
            return [document.getElementById('TxtRatio').value, document.getElementById('TxtDeadweight').value];
        });
        assert.deepEqual(dialog, ['', ' 443.7']); // the ratio, after the fault, keeps its old, empty text
        assert.deepEqual(await webkit.evaluate(faultDialogInPage), divisionByZeroDialog);
    });

    test('draws the digits of the input boxes solid, as the desktop does', async () => {
        await webkit.open();
        const png = (await webkit.screenshot()).toString('base64');
        assert.deepEqual(faintSongBoxes(await webkit.evaluate(darkPixelsInPage, [png, await webkit.evaluate(songBoxesInPage)])), []);
    });

    test('shows every generated result whole or marked as cut on a phone screen', async () => {
        await webkit.size(360, 740);
        await webkit.open();
        const { faults, cut } = await typedCaseFaults(webkit);
        assert.deepEqual(faults.slice(0, 5), []);
        assert.ok(cut > 0);
    });
});
