// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's side of the web view's bridge (window/web/dom.h), ahead of
// the module's own script: the page's objects that C++ holds, by handle.
// Handle 0 is none (null or undefined); a let-go handle is taken again.
// Example: plannerHold(document) is 1, plannerObject(1) is document.
var plannerObjects = [undefined];
var plannerFreeHandles = [];

function plannerHold(object) {
    if (object === null || object === undefined) return 0;
    const handle = plannerFreeHandles.length ? plannerFreeHandles.pop() : plannerObjects.length;
    plannerObjects[handle] = object;
    return handle;
}

function plannerObject(handle) {
    return plannerObjects[handle];
}

function plannerRelease(handle) {
    if (!handle) return;
    plannerObjects[handle] = undefined;
    plannerFreeHandles.push(handle);
}

// The code that only the builder's forms run, ready: here part of the
// module; deferred.js, where the build splits it off, loads it.
var plannerLoadBuilder = () => Promise.resolve();

// A text for C++ in two steps, so that the page needs none of the
// module's allocator: its length in UTF-8 now, its bytes when C++ has
// made room for them (plannerTakeText). None is "".
var plannerText = '';

function plannerTextLength(value) {
    plannerText = value === null || value === undefined ? '' : String(value);
    return lengthBytesUTF8(plannerText);
}
