// SPDX-License-Identifier: GPL-3.0-or-later
// The solver's commands: the core writes a search's request, a Web Worker holding a second
// instance of the core searches, and the core takes the answer. The page goes on painting; a
// search that the player waits for and that takes longer than a moment shows a progress dialog,
// whose Cancel ends the worker and leaves the game as it was. The browsed solutions' count and
// the library's grading run in workers of their own, in the background.
'use strict';

// A search that ends sooner shows no dialog: no flash for the common case.
const progressDelayMs = 150;
let searchWorker = null;

// The worker's answer, null when the player cancelled, undefined when the worker failed.
function searchInWorker(entry, request, label) {
  searchWorker = searchWorker || new Worker('search_worker.js');
  const worker = searchWorker;
  const dialog = document.getElementById('progress');
  document.getElementById('progress-label').textContent = label;
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
    worker.postMessage({entry, request});
  });
}

// Runs the core's `begin` for the command, the search its request asks for, and the core's `end`
// with the answer. The game takes no input meanwhile, as the desktop's progress window holds it.
async function searchForCommand(id, begin, entry, end, label) {
  const request = await callCore(begin, [id], 'string');
  if (!request) {
    return;
  }
  inputHeld = true;
  const answer = await searchInWorker(entry, request, label);
  inputHeld = false;
  if (answer === undefined) {
    showMessage(translated('Page', 'The search could not run in this browser.'), 'Kelvane', 2);
  } else if (answer !== null) {
    await callCore(end, [id, answer]);
  }
}

function runAnalyseCommand(id) {
  searchForCommand(id, 'kelvane_analyse_begin', 'kelvane_search', 'kelvane_analyse_end',
    translated('Kelvane', 'Searching for a completion\u2026'));
}

async function runSolutionCommand(id) {
  await searchForCommand(id, 'kelvane_solutions_begin', 'kelvane_solutions',
    'kelvane_solutions_end', translated('Kelvane', 'Finding solutions\u2026'));
  countSolutions();
}

// Finished background workers kept for the next search: a new one takes 50 to 90 ms to load its
// core. One whose search is stopped cannot be interrupted, and is ended instead.
const idleWorkers = [];
const idleWorkersKept = 2;

// A search the player does not wait for, in a worker of its own: its answer, or undefined when
// the worker failed or `job.stop()` ended it first.
function inBackground(entry, request, job = {}) {
  const worker = idleWorkers.pop() || new Worker('search_worker.js');
  return new Promise((resolve) => {
    let over = false;
    // Only once: a late stop() must not end a worker that another search has taken up.
    const end = (answer, reusable) => {
      if (over) {
        return;
      }
      over = true;
      worker.onmessage = worker.onerror = null;
      if (reusable && idleWorkers.length < idleWorkersKept) {
        idleWorkers.push(worker);
      } else {
        worker.terminate();
      }
      resolve(answer);
    };
    job.stop = () => end(undefined, false);
    worker.onmessage = (event) => end(event.data, true);
    worker.onerror = (event) => {
      event.preventDefault();
      end(undefined, false);
    };
    worker.postMessage({entry, request});
  });
}

// The count the caption's "of N" waits for; a count of other solutions gives way to it.
let counting = {request: '', stop: () => {}};
async function countSolutions() {
  const request = await callCore('kelvane_solutions_count', [], 'string');
  if (!request || request === counting.request) {
    return;
  }
  counting.stop();
  const job = counting = {request};
  const total = await inBackground('kelvane_count', request, job);
  if (counting === job) {
    counting = {request: '', stop: () => {}};
  }
  if (total) {
    callCore('kelvane_solutions_counted', [request, total]);
  }
}

// Next puzzle starts once the library's figures are graded, as on the desktop.
async function runNextPuzzle() {
  const request = await callCore('kelvane_next_puzzle_begin', [], 'string');
  if (request) {
    callCore('kelvane_next_puzzle_end', [(await inBackground('kelvane_grade', request)) || '']);
  }
}

// The solution browser's caption beside the panel at the top, and the completion mark at the
// bottom, on plates in the game's colours.
function showCaption(lines, x, y, back, ink) {
  const caption = document.getElementById('caption');
  const mark = document.getElementById('completion-mark');
  const shade = (colour, factor) => 'rgb(' + [16, 8, 0].map((shift) =>
    Math.min(255, Math.round(((colour >> shift) & 255) * factor))).join(',') + ')';
  // Where the core's point lands on the canvas, which a phone's width may shrink and centre.
  const looks = {background: shade(back, 1.12), borderColor: shade(ink, 1),
    color: shade(ink, 1 / 1.6), left: canvas.offsetLeft + (x + 10) * shownScale + 'px'};
  Object.assign(caption.style, looks, {top: canvas.offsetTop + (y + 10) * shownScale + 'px'});
  Object.assign(mark.style, looks, {bottom: '10px'});
  caption.hidden = !lines;
  if (lines && caption.dataset.lines !== lines) {
    caption.dataset.lines = lines;
    caption.replaceChildren(...lines.split('\n').map((line) =>
      Object.assign(document.createElement('div'), {textContent: line})));
  }
}
