// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

// The window as HTML, written from the engine's table of controls when the page is built, so that
// the page paints its window as a plain page would while the engine starts. Each control is an
// element named as the window's object; its place and face are style rules, since the page's
// Content-Security-Policy allows no style attribute. The page's script only adds behaviour.

const escapeHtml = (text) => String(text).replace(/[&<>"]/g, (c) => `&#${c.charCodeAt(0)};`);
// An object name as a CSS selector: "Option1(0)" is #Option1\(0\).
const idSelector = (name) => `#${name.replace(/[^\w-]/g, (c) => `\\${c}`)}`;
const px = (value) => `${value}px`;

function attributes(list) {
    return Object.entries(list)
        .filter(([, value]) => value !== false && value !== undefined)
        .map(([name, value]) => (value === true ? ` ${name}` : ` ${name}="${escapeHtml(value)}"`))
        .join('');
}

// The faces of the table, each a class of its own, numbered as the table first uses them.
function faceClasses(controls) {
    const classes = new Map(); // the face as JSON → [class, rule]
    for (const { font } of controls) {
        const key = JSON.stringify(font);
        if (!font || classes.has(key))
            continue;
        const families = [...font.families.map((family) => `"${family}"`), font.serif ? 'serif' : 'sans-serif'];
        const name = `face${classes.size}`;
        classes.set(key, [name, `#Form1 .${name}{font-family:${families.join(', ')};font-size:${px(font.pixelSize)};font-weight:400}`]);
    }
    // Solid or smoothed strokes (page.css), as the desktop draws the face.
    const classOf = (font) => (font ? `${classes.get(JSON.stringify(font))[0]} ${font.smooth ? 'smooth' : 'unsmoothed'}` : undefined);
    return { classOf, rules: [...classes.values()].map(([, rule]) => rule) };
}

function placeRule(selector, [left, top, width, height]) {
    return `${selector}{left:${px(left)};top:${px(top)};width:${px(width)};height:${px(height)}}`;
}

// A label names the box that follows it in its group, else the one before it (a unit).
function labelTargets(controls) {
    const isBox = (control) => control && (control.kind === 'InputBox' || control.kind === 'ResultBox');
    const targets = new Map();
    controls.forEach((control, i) => {
        if (control.kind !== 'Label')
            return;
        const sameGroup = (other) => other.container === control.container;
        const box = [controls[i + 1], controls[i - 1]].find((other) => isBox(other) && sameGroup(other));
        if (box)
            targets.set(control.name, box.name);
    });
    return targets;
}

// One control: its opening and closing markup (a group box holds its controls between them), and
// the style rules that place it.
function controlMarkup(control, { labelFor, firstOption, holdsResults, face }) {
    const { name, kind, caption, rect } = control;
    const captionSpan = `<span class="caption">${escapeHtml(caption)}</span>`;
    const own = { id: name, class: face };
    const placed = placeRule(idSelector(name), rect);
    switch (kind) {
    case 'GroupBox':
        return {
            open: `<fieldset${attributes({ ...own, class: [own.class, holdsResults && 'results'].filter(Boolean).join(' ') })}>`
                + `<legend class="caption">${escapeHtml(caption)}</legend>`,
            close: '</fieldset>',
            rules: [placed],
        };
    case 'Label':
        return { open: `<label${attributes({ ...own, for: labelFor })}>${captionSpan}</label>`, rules: [placed] };
    case 'InputBox':
    case 'ResultBox': {
        const box = { ...own, type: 'text', spellcheck: 'false', autocomplete: 'off', 'aria-label': control.accessibleName };
        if (kind === 'InputBox')
            return { open: `<input${attributes({ ...box, value: caption })}>`, rules: [placed] };
        // A result box is never read by the calculation; its text can be selected and copied. Over
        // it, the cut form of a result too long for it, while the box keeps the whole text.
        return {
            open: `<input${attributes({ ...box, readonly: true })}>`
                + `<span${attributes({ class: ['cutForm', own.class].join(' '), hidden: true, 'aria-hidden': 'true' })}></span>`,
            rules: [placed, placeRule(`${idSelector(name)} + .cutForm`, rect)],
        };
    }
    case 'OptionButton': // the label around the option is placed
        return {
            open: `<label${attributes({ class: ['option', own.class].join(' '), for: name })}>`
                + `<input${attributes({ type: 'radio', name: 'Option1', id: name, checked: firstOption })}>${captionSpan}</label>`,
            rules: [placeRule(`label.option[for="${name}"]`, rect)],
        };
    case 'PushButton':
        return {
            open: `<button${attributes({ ...own, type: name === 'Command1' ? 'submit' : 'button' })}>${captionSpan}</button>`,
            rules: [placed],
        };
    case 'Picture':
        return {
            open: `<div${attributes(own)}><canvas role="img" aria-label="工字形截面：翼缘宽 b，截面高 h，翼缘厚 tf，腹板厚 tw"></canvas></div>`,
            rules: [placed],
        };
    default:
        throw new Error(`unknown control kind ${kind}`);
    }
}

// The window's controls inside <form id="Form1">, and the style rules that place them.
export function windowMarkup(form) {
    const labels = labelTargets(form.controls);
    const firstOption = form.controls.find((control) => control.kind === 'OptionButton')?.name;
    const groupsOfResults = new Set(form.controls.filter((c) => c.kind === 'ResultBox').map((c) => c.container));
    const faces = faceClasses(form.controls);
    const rules = [`#Form1{width:${px(form.width)};height:${px(form.height)}}`, ...faces.rules];
    const inside = (container) => form.controls.filter((control) => control.container === container).map((control) => {
        const made = controlMarkup(control, {
            labelFor: labels.get(control.name),
            firstOption: control.name === firstOption,
            holdsResults: groupsOfResults.has(control.name),
            face: faces.classOf(control.font),
        });
        rules.push(...made.rules);
        return made.close ? `${made.open}${inside(control.name)}${made.close}` : made.open;
    }).join('\n');
    const html = inside('');
    return { html, css: rules.join('\n') };
}
