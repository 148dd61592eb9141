// SPDX-License-Identifier: GPL-3.0-or-later
// The Analyse commands: the core asks its question and writes the search's request, a Web Worker
// holding a second instance of the core searches, and the core reports the answer. The page goes
// on painting; a search that takes longer than a moment shows a progress dialog, whose Cancel
// ends the worker and leaves the game as it was.
'use strict';

// A search that ends sooner shows no dialog: no flash for the common case.
const progressDelayMs = 150;
let searchWorker = null;

// The worker's answer, null when the player cancelled, undefined when the worker failed.
function searchInWorker(request) {
  searchWorker = searchWorker || new Worker('search_worker.js');
  const worker = searchWorker;
  const dialog = document.getElementById('progress');
  return new Promise((resolve) => {
    let over = false;
    const finish = (answer) => {
      over = true;
      clearTimeout(showing);
      if (dialog.open) {
        dialog.close();
      }
      resolve(answer);
    };
    const stop = (answer) => {
      worker.terminate();
      searchWorker = null;
      finish(answer);
    };
    const showing = setTimeout(() => dialog.showModal(), progressDelayMs);
    // Cancel and Escape close the dialog.
    dialog.onclose = () => over || stop(null);
    worker.onmessage = (event) => finish(event.data);
    worker.onerror = (event) => {
      event.preventDefault();
      stop(undefined);
    };
    worker.postMessage(request);
  });
}

async function runAnalyseCommand(id) {
  const request = await callCore('kelvane_analyse_begin', [id], 'string');
  if (!request) {
    return;
  }
  // The game takes no input meanwhile, as the desktop's progress window holds it.
  inputHeld = true;
  const answer = await searchInWorker(request);
  inputHeld = false;
  if (answer === undefined) {
    showMessage('The search could not run in this browser.', 'Kelvane', 2);
  } else if (answer !== null) {
    callCore('kelvane_analyse_end', [id, answer]);
  }
}
