// SPDX-License-Identifier: GPL-3.0-or-later
// The Web Worker that runs the Analyse commands' search in its own instance of the core: each
// message is a request's text, each reply the answer's text.
'use strict';

var Module = {};
const ready = new Promise((resolve) => {
  Module.onRuntimeInitialized = resolve;
});
importScripts('kelvane_search.js');

onmessage = (event) => ready.then(() => {
  postMessage(Module.ccall('kelvane_search', 'string', ['string'], [event.data]));
});
