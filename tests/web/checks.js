// SPDX-License-Identifier: GPL-3.0-or-later
// The browser test's script, loaded after the page's own: once the first frame shows, it records
// the canvas's hash, then chooses piece 1 in the panel and lays it by clicks on the field, and
// writes what it saw into the page for the test driver to read.
'use strict';

function canvasHash() {
  const {width, height} = canvas;
  const data = context.getImageData(0, 0, width, height).data;
  let hash = 2166136261;
  for (let i = 0; i < data.length; i += 4) {
    for (let c = 0; c < 3; ++c) {
      hash = Math.imul(hash ^ data[i + c], 16777619) >>> 0;
    }
  }
  return hash;
}

function click(x, y) {
  const box = canvas.getBoundingClientRect();
  const at = {clientX: box.left + x, clientY: box.top + y, bubbles: true, detail: 1};
  canvas.dispatchEvent(new MouseEvent('mousemove', at));
  canvas.dispatchEvent(new MouseEvent('mousedown', at));
}

const results = [];
function record(line) {
  results.push(line);
  let out = document.getElementById('check-results');
  if (!out) {
    out = document.createElement('pre');
    out.id = 'check-results';
    document.body.append(out);
  }
  out.textContent = results.join('\n');
}

// Waits, on the page's clock, until `ready` holds or a few seconds have passed.
async function until(ready) {
  for (let tries = 0; tries < 100 && !ready(); ++tries) {
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
}

function undoEnabled() {
  return (Module.kelvane.commandStates.get(32910) || {}).enabled === true;
}

// The panel's item 1 sits at (16, 16 + 64) and below; the field's floor lies right of it.
async function check() {
  const first = canvasHash();
  record('first-frame ' + canvas.width + ' ' + canvas.height + ' ' + first);
  click(48, 16 + 64 + 32);
  await until(() => canvasHash() !== first);
  const chosen = canvasHash();
  record('chosen ' + chosen);
  click(340, 300);
  await until(() => canvasHash() !== chosen && undoEnabled());
  record('laid ' + canvasHash() + ' undo-enabled ' + undoEnabled());
}
window.addEventListener('kelvane-painted', () => check(), {once: true});
