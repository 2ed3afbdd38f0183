// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

// The page's own code. Before it in the same script stands the engine, `createEngine`: the
// calculation compiled by emscripten to plain JavaScript, which runs wherever a script runs. The
// window is already in the page, written from the engine's table of controls, and the table
// beside it as data. This gives the window its behaviour: it fits the captions, keeps the support
// mode, and on "计算" hands the twelve input texts to the engine and writes what comes back into
// the result boxes.

const failedNotice = '计算程序未能运行，无法在此计算。请用较新版本的 Chrome、Edge、Firefox 或 Safari 重新打开此页面。';

function showNotice(text) {
    const notice = document.getElementById('notice');
    notice.textContent = text;
    notice.hidden = false;
    document.getElementById('Form1').hidden = true;
}

// The engine's C functions, with JavaScript strings in and out.
async function startEngine() {
    const m = await createEngine();
    const text = (pointer) => m.UTF8ToString(pointer);
    return {
        // texts: the input boxes' texts in the order of the table.
        run(supportMode, texts) {
            const pointers = texts.map((t) => {
                const size = m.lengthBytesUTF8(t) + 1;
                const pointer = m._malloc(size);
                m.stringToUTF8(t, pointer, size);
                return pointer;
            });
            const list = m._malloc(4 * pointers.length);
            m.HEAPU32.set(pointers, list / 4);
            try {
                return JSON.parse(text(m._vandrel_run(supportMode, list)));
            } finally {
                pointers.forEach((pointer) => m._free(pointer));
                m._free(list);
            }
        },
        picture(scale) {
            const pixels = m._vandrel_picture(scale);
            const width = m._vandrel_picture_width();
            const height = m._vandrel_picture_height();
            const rgba = new Uint8ClampedArray(m.HEAPU8.slice(pixels, pixels + (4 * width * height)).buffer);
            return new ImageData(rgba, width, height);
        },
    };
}

const px = (value) => `${value}px`;

// One control of the table, as the page was written with it: the element that carries its name,
// the one placed at its rectangle (the same but for an option button, whose label is placed), the
// one holding its caption, and a result box's cut form.
function findControl(control) {
    const element = document.getElementById(control.name);
    const placed = control.kind === 'OptionButton' ? element.parentElement : element;
    const caption = placed.querySelector(':scope > .caption');
    const cutForm = control.kind === 'ResultBox' ? element.nextElementSibling : null;
    return { control, element, placed, caption, cutForm };
}

// A caption wider than its room (its box, or a group box's top edge) is narrowed, its letters
// keeping their height, as on the desktop. All are measured first, then narrowed: one layout.
function fitCaptions(entries, narrowest) {
    const narrowings = entries.filter(({ caption }) => caption).map(({ caption, placed, control }) => {
        const text = caption.getBoundingClientRect();
        const room = placed.getBoundingClientRect().right - text.left - (control.kind === 'GroupBox' ? 8 : 0);
        return [caption, room / text.width];
    });
    for (const [caption, share] of narrowings)
        if (share < 1)
            caption.style.transform = `scaleX(${Math.max(narrowest, share)})`;
}

// A result is written smaller until it fits its box, down to the narrowest share of its size.
// One too long even then shows the first of its cut forms that fits (form/result_text.h) over the
// box, which keeps the whole text for selection, copying and assistive tools. Widths are those
// of the text as painted, in a span of the box's own font.
function showResult({ element: box, control, cutForm }, text, forms, narrowest, measurer) {
    box.value = text;
    const style = getComputedStyle(box);
    const room = box.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
    measurer.style.fontFamily = style.fontFamily;
    const width = (shown, size) => {
        measurer.style.fontSize = px(size);
        measurer.textContent = shown;
        return measurer.getBoundingClientRect().width;
    };
    const full = control.pixelSize;
    const smallest = narrowest * full;
    const shown = forms.find((f) => width(f, smallest) <= room) ?? forms[forms.length - 1];
    // Widths grow nearly in proportion to the size; rounding to device pixels may want a step more.
    let size = Math.min(full, Math.max(smallest, (full * room) / (width(shown, full) || 1)));
    while (size > smallest && width(shown, size) > room)
        size = Math.max(smallest, size - (0.02 * full));
    const cut = shown !== text;
    box.classList.toggle('cut', cut);
    box.style.fontSize = px(cut ? full : size);
    cutForm.style.fontSize = px(size);
    cutForm.textContent = cut ? shown : '';
    cutForm.hidden = !cut;
}

// The whole text of a cut result, under its box while the box has the focus (a tap gives it on a
// phone) or the pointer.
function offerWholeResults(resultBoxes) {
    const bubble = document.getElementById('wholeResult');
    const show = (box) => {
        if (!box.classList.contains('cut'))
            return;
        bubble.textContent = box.value;
        bubble.hidden = false;
        const r = box.getBoundingClientRect();
        const left = Math.max(window.scrollX + 2, (r.right + window.scrollX) - bubble.offsetWidth);
        Object.assign(bubble.style, { left: px(left), top: px(r.bottom + window.scrollY + 2) });
    };
    const hide = (box) => {
        if (document.activeElement !== box || !box.classList.contains('cut'))
            bubble.hidden = true;
    };
    for (const { element: box } of resultBoxes) {
        box.addEventListener('focus', () => show(box));
        box.addEventListener('mouseenter', () => show(box));
        box.addEventListener('blur', () => { bubble.hidden = true; });
        box.addEventListener('mouseleave', () => hide(box));
    }
}

// The section picture drawn for the screen's own pixels, and placed on whole device pixels, so
// that the browser shows it without resampling: sharp at any zoom.
function drawPicture(engine, box) {
    const scale = window.devicePixelRatio || 1;
    const image = engine.picture(scale);
    const canvas = box.querySelector('canvas');
    canvas.width = image.width;
    canvas.height = image.height;
    canvas.style.width = px(image.width / scale);
    canvas.style.height = px(image.height / scale);
    canvas.getContext('2d').putImageData(image, 0, 0);
    alignToDevicePixels(canvas);
    matchMedia(`(resolution: ${scale}dppx)`).addEventListener('change', () => drawPicture(engine, box), { once: true });
}

function alignToDevicePixels(element) {
    const scale = window.devicePixelRatio || 1;
    element.style.transform = '';
    const r = element.getBoundingClientRect();
    const shift = (x) => (Math.round(x * scale) - (x * scale)) / scale;
    element.style.transform = `translate(${shift(r.left + window.scrollX)}px, ${shift(r.top + window.scrollY)}px)`;
}

// The fault's message, modal: a <dialog> where the browser has one, otherwise (Safari before
// 15.4, Firefox before 98) the same element over a backdrop that takes every click, with the page
// behind it hidden from assistive tools, the focus kept on its button, and Escape or the button
// closing it.
function modalDialog(dialog, button) {
    const modal = typeof dialog.showModal === 'function' ? { open: () => dialog.showModal(), close: () => dialog.close() }
                                                         : fallbackModal(dialog, button);
    button.addEventListener('click', () => modal.close());
    return modal;
}

function fallbackModal(dialog, button) {
    dialog.setAttribute('role', 'dialog');
    dialog.setAttribute('aria-modal', 'true');
    dialog.classList.add('fallback');
    const backdrop = document.body.appendChild(Object.assign(document.createElement('div'), { className: 'backdrop' }));
    backdrop.hidden = true;
    const page = document.querySelector('main');
    let before = null;
    const close = () => {
        if (!dialog.hasAttribute('open'))
            return;
        dialog.removeAttribute('open');
        backdrop.hidden = true;
        page.removeAttribute('aria-hidden');
        document.removeEventListener('keydown', keys, true);
        before?.focus();
    };
    function keys(event) {
        if (event.key !== 'Escape' && event.key !== 'Tab')
            return;
        event.preventDefault();
        event.stopPropagation();
        if (event.key === 'Escape')
            close();
    }
    return {
        open() {
            before = document.activeElement;
            dialog.setAttribute('open', '');
            backdrop.hidden = false;
            page.setAttribute('aria-hidden', 'true');
            document.addEventListener('keydown', keys, true);
            button.focus();
        },
        close,
    };
}

function startWindow(form, engine) {
    const root = document.getElementById('Form1');
    const entries = form.controls.map(findControl);
    const controls = new Map(entries.map((entry) => [entry.control.name, entry]));
    const input = (name) => controls.get(name).element;
    const inputBoxes = entries.filter((entry) => entry.control.kind === 'InputBox');
    const resultBoxes = entries.filter((entry) => entry.control.kind === 'ResultBox');
    const options = [input('Option1(0)'), input('Option1(1)')];
    let supportMode = 1;
    const narrowest = form.narrowest / 100;
    const measurer = document.getElementById('measure');
    offerWholeResults(resultBoxes);

    // The window as it opens: default texts, empty results, 简支 selected, the focus on 计算.
    const load = () => {
        inputBoxes.forEach(({ element }) => { element.value = element.defaultValue; });
        resultBoxes.forEach((entry) => showResult(entry, '', [''], narrowest, measurer));
        options[0].checked = true;
        supportMode = 1;
        input('Command1').focus();
    };
    options.forEach((option, index) => option.addEventListener('change', () => {
        if (option.checked)
            supportMode = index === 0 ? 1 : 2;
    }));

    const dialog = modalDialog(document.getElementById('faultDialog'), document.getElementById('faultOk'));

    // One press of 计算 (Enter in an input box presses it too).
    root.addEventListener('submit', (event) => {
        event.preventDefault();
        const outcome = engine.run(supportMode, inputBoxes.map(({ element }) => element.value));
        for (const [name, text, forms] of outcome.written)
            showResult(controls.get(name), text, forms, narrowest, measurer);
        if (outcome.fault) {
            document.getElementById('faultMessage').textContent = outcome.fault.message;
            dialog.open();
        } else if (getComputedStyle(root).display === 'flex') {
            input('TxtStressx').closest('fieldset').scrollIntoView({ block: 'nearest' }); // the results, last on a phone
        }
    });

    // 退出: a page can close only a window that a script opened; otherwise it starts afresh, as
    // the program does when opened again.
    input('Command2').addEventListener('click', () => {
        window.close();
        if (!window.closed)
            load();
    });

    // The focus moves in the window's tab order, the option group one stop on its selected option.
    const stops = entries
        .filter(({ control }) => ['InputBox', 'ResultBox', 'PushButton', 'OptionButton'].includes(control.kind))
        .sort((a, b) => a.control.tabOrder - b.control.tabOrder)
        .map(({ element }) => element);
    root.addEventListener('keydown', (event) => {
        if (event.key !== 'Tab' || event.altKey || event.ctrlKey || event.metaKey)
            return;
        const order = stops.filter((element) => element.type !== 'radio' || element.checked);
        const at = order.indexOf(document.activeElement.type === 'radio' ? options.find((o) => o.checked)
                                                                          : document.activeElement);
        if (at < 0)
            return;
        event.preventDefault();
        order[(at + (event.shiftKey ? order.length - 1 : 1)) % order.length].focus();
    });

    fitCaptions(entries, narrowest);
    // Drawn for the first frame: the window can calculate before, and the picture is there when
    // it is first shown.
    requestAnimationFrame(() => drawPicture(engine, input('Picture1')));
    window.addEventListener('resize', () => alignToDevicePixels(input('Picture1').querySelector('canvas')));
    load();
}

async function main() {
    const form = JSON.parse(document.getElementById('table').textContent);
    let engine;
    try {
        engine = await startEngine();
        startWindow(form, engine);
    } catch (error) {
        showNotice(failedNotice);
        throw error;
    }
    document.getElementById('notice').remove();
    // For whoever drives the page (the tests, the benchmark): the window is ready, and the run
    // its 计算 calls. Said again when asked, for a driver that can listen only once the page has
    // loaded.
    const ready = () => document.dispatchEvent(new CustomEvent('vandrel-ready', { detail: { run: engine.run } }));
    document.addEventListener('vandrel-query', ready);
    ready();
}

main();
