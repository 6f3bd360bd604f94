// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The served site's module comes in two parts: the window's, and the code
// that only the builder's forms run (planner.deferred.wasm, split off at
// build time by cmake/SplitModule.cmake). The second is fetched and
// compiled once the window is ready (plannerLoadBuilder, which the page
// calls then), and instantiated by the first call into it. Should anything
// call into it sooner, it is fetched then, synchronously, and the console
// says so as an error: the tests take that for the fault it is.
var plannerDeferred = null; // the second part, compiled

function plannerDeferredFile() {
    return wasmBinaryFile.slice(0, -'.wasm'.length) + '.deferred.wasm';
}

plannerLoadBuilder = () =>
    fetch(plannerDeferredFile())
        .then(response => {
            if (!response.ok) throw new Error(response.status + ' ' + response.statusText);
            return response.arrayBuffer();
        })
        .then(bytes => WebAssembly.compile(bytes))
        .then(compiled => {
            plannerDeferred = plannerDeferred || compiled;
        });

Module['loadSplitModule'] = (file, imports, name) => {
    if (!plannerDeferred) {
        console.error('The planner called its builder part before it was loaded:', name);
        const request = new XMLHttpRequest();
        request.open('GET', file, false);
        request.overrideMimeType('text/plain; charset=x-user-defined');
        request.send();
        plannerDeferred = new WebAssembly.Module(Uint8Array.from(request.responseText, c => c.charCodeAt(0) & 0xff));
    }
    return [new WebAssembly.Instance(plannerDeferred, imports), plannerDeferred];
};

// The runtime says on the console when it loads the second part; that is
// the design here, not news.
Module['printErr'] = text => {
    if (!/^(placeholder function called|instantiated deferred module)/.test(text)) console.warn(text);
};
