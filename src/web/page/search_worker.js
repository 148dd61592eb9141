// SPDX-License-Identifier: GPL-3.0-or-later
// The Web Worker that runs the solver's searches in its own instance of the core: each message
// names the core's entry point and gives the request's text; each reply is the answer's text.
'use strict';

var Module = {};
const ready = new Promise((resolve) => {
  Module.onRuntimeInitialized = resolve;
});
importScripts('kelvane_search.js');

onmessage = (event) => ready.then(() => {
  const {entry, request} = event.data;
  postMessage(Module.ccall(entry, 'string', ['string'], [request]));
});
