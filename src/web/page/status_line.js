// SPDX-License-Identifier: GPL-3.0-or-later
// The status line under the field and the create panel's texts, worded by the core: after
// each frame the page asks the core for them, and the counts they wait for run in background
// workers, a newer request ending the one under way. The line ticks while the play clock runs.
'use strict';

const statusLine = document.getElementById('status-line');
const cubeAmount = document.getElementById('cube-amount');
const designCount = document.getElementById('design-count');
const tierJob = {request: '', stop: () => {}};
const gradeJob = {request: '', stop: () => {}};
const designJob = {request: '', stop: () => {}};
let statusTick = 0;
let designSlow = 0;

// Runs `request` in a background worker unless it is the one `job` runs or ran already; the
// answer (empty when the worker failed) goes to `take` unless a newer request came first.
async function follow(job, entry, request, take) {
  if (request === job.request) {
    return;
  }
  job.stop();
  job.request = request;
  if (request) {
    const answer = await inBackground(entry, request, job);
    // While a search holds the core's input, the answer could not reach it: asked again later.
    if (job.request === request && inputHeld) {
      job.request = '';
    } else if (job.request === request) {
      await take(answer || '');
    }
  }
}

async function lookAtStatus() {
  const answer = await callCore('kelvane_status', [], 'string');
  if (!answer) {
    return;
  }
  const status = JSON.parse(answer);
  // Next puzzle's key as the page answers it, where the browser keeps the desktop's.
  const text = status.text.replace(status.key, pageKey(status.key));
  if (statusLine.textContent !== text) {
    statusLine.textContent = text;
    statusLine.title = text;
  }
  clearTimeout(statusTick);
  if (status.tick >= 0) {
    // Just past the second, so that the clock shows it.
    statusTick = setTimeout(lookAtStatus, status.tick + 15);
  }
  follow(tierJob, 'kelvane_player_count', status.count, async (count) => {
    await callCore('kelvane_status_counted', [status.count, count]);
    lookAtStatus();
  });
  follow(gradeJob, 'kelvane_grade', status.grades, async (grades) => {
    await callCore('kelvane_status_graded', [status.grades, grades]);
    lookAtStatus();
  });
}

// Over a panel item's box on the canvas, which a phone's page centres, in the colour given.
function placePanelNote(note, [left, top, width, height, colour]) {
  Object.assign(note.style, {left: canvas.offsetLeft + left * shownScale + 'px',
    top: canvas.offsetTop + top * shownScale + 'px', width: width * shownScale + 'px',
    height: height * shownScale + 'px', fontSize: 13 * shownScale + 'px', color: cssColour(colour)});
}

function showPanelNote(note, text) {
  note.textContent = text;
  note.hidden = !text;
}

// The figure's count stays up until the next one is ready, or shows "Solutions: …" when that
// takes longer than a moment.
async function lookAtPanelNotes() {
  const answer = await callCore('kelvane_panel_notes', [], 'string');
  if (!answer) {
    return;
  }
  const notes = JSON.parse(answer);
  placePanelNote(cubeAmount, notes.items[0]);
  placePanelNote(designCount, notes.items[1]);
  showPanelNote(cubeAmount, notes.amount);
  if (notes.request === designJob.request) {
    return;
  }
  clearTimeout(designSlow);
  if (!notes.request) {
    showPanelNote(designCount, '');
  } else if (designCount.hidden) {
    showPanelNote(designCount, notes.counting);
  } else {
    designSlow = setTimeout(() => showPanelNote(designCount, notes.counting), slowAnswerMs);
  }
  await follow(designJob, 'kelvane_player_count', notes.request, async (count) => {
    clearTimeout(designSlow);
    showPanelNote(designCount, await callCore('kelvane_design_counted', [count], 'string') || '');
  });
}

// The play clock waits while the page is hidden or another window is in front, as the desktop's
// waits while its window is inactive.
function tellActivity() {
  callCore('kelvane_window_active', [document.hidden || !document.hasFocus() ? 0 : 1]);
}
for (const [target, name] of [[window, 'focus'], [window, 'blur'], [document, 'visibilitychange']]) {
  target.addEventListener(name, () => Module.kelvane.started && tellActivity());
}

window.addEventListener('kelvane-painted', (event) => {
  if (event.detail === 1) {
    tellActivity();
  }
  lookAtStatus();
  lookAtPanelNotes();
});
