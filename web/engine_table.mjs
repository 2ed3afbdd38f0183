// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

// The engine's table of controls, read in node: the engine runs in a context of its own, with
// nothing of node's in reach, just as it runs in a page.
import { readFileSync } from 'node:fs';
import vm from 'node:vm';

export async function engineTable(enginePath) {
    const createEngine = vm.runInContext(`${readFileSync(enginePath, 'utf8')}\ncreateEngine`, vm.createContext({}));
    const engine = await createEngine();
    return JSON.parse(engine.UTF8ToString(engine._vandrel_form()));
}
