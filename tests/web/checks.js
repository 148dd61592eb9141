// SPDX-License-Identifier: GPL-3.0-or-later
// The browser test's helpers, loaded after the page's own script: what the test driver reads of
// the page between its inputs.
'use strict';

const kelvaneTest = {
  // FNV-1a over the canvas's red, green and blue bytes, row by row, as the native side hashes.
  frame() {
    const {width, height} = canvas;
    const data = context.getImageData(0, 0, width, height).data;
    let hash = 2166136261;
    for (let i = 0; i < data.length; i += 4) {
      for (let c = 0; c < 3; ++c) {
        hash = Math.imul(hash ^ data[i + c], 16777619) >>> 0;
      }
    }
    return width + ' ' + height + ' ' + hash;
  },

  canvasBox() {
    const box = canvas.getBoundingClientRect();
    return {left: box.left, top: box.top};
  },

  // Resolves once the core has taken every input and painted, or waits on a dialog.
  async settled() {
    for (;;) {
      const queue = coreQueue;
      let ran = false;
      queue.then(() => { ran = true; });
      // A timer's turn, not only the promises': the frames must get theirs.
      await new Promise((resolve) => setTimeout(resolve, 30));
      if (document.getElementById('message').open) {
        return 'dialog';
      }
      if (ran && queue === coreQueue && !paintPending) {
        return 'idle';
      }
    }
  },

  // Where to click an element, and how a menu item shows: [x, y, shown, greyed, checked].
  look(selector) {
    const element = document.querySelector(selector);
    if (!element) {
      return null;
    }
    const box = element.getBoundingClientRect();
    return [box.left + box.width / 2, box.top + box.height / 2, element.offsetParent !== null,
      element.classList.contains('disabled'), element.getAttribute('aria-checked') === 'true'];
  },

  undoEnabled() {
    return (Module.kelvane.commandStates.get(32910) || {}).enabled === true;
  },

  // The player's own files (the shipped library left out) and their texts.
  playerFiles() {
    const files = {};
    for (const name of FS.readdir(gameFolder)) {
      const path = gameFolder + '/' + name;
      if (FS.isFile(FS.stat(path).mode)) {
        files[name] = FS.readFile(path, {encoding: 'utf8'});
      }
    }
    return files;
  },

  // The skin pictures this page has fetched, by file name.
  skinsFetched() {
    return performance.getEntriesByType('resource').map((entry) => entry.name)
      .filter((name) => name.includes('/skins/')).map((name) => name.split('/').pop());
  },

  // The names New game lists, and the shipped library's.
  newGameNames() {
    const listed = [...document.querySelectorAll('#new-game-list .name')].map((n) => n.textContent);
    const library = FS.readdir('/library/Puzzles').filter((name) => name.endsWith('.kvp'));
    return [listed, library];
  },

  filesSynced() {
    return syncState === 'idle' && document.documentElement.dataset.filesSynced !== undefined;
  },
};
