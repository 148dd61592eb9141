// SPDX-License-Identifier: GPL-3.0-or-later
// "Can it still be done?": after each move in play, when the player asked for it, a background
// worker answers, and a plate at the field's lower left shows a tick or a cross. The last answer
// stays up until the new one comes; one that takes longer than a moment shows "checking…".
'use strict';

const slowAnswerMs = 300;
// Worded when shown, in the language loaded by then.
function markLook(look) {
  return {
    checking: [translated('Kelvane', 'checking\u2026'), '#787878', '<circle cx="28" cy="50" ' +
      'r="7"/><circle cx="50" cy="50" r="7"/><circle cx="72" cy="50" r="7"/>'],
    yes: [translated('Kelvane', 'can still be completed'), '#2e7d32',
      '<path d="M27 52 L44 69 L74 33"/>'],
    no: [translated('Kelvane', 'no completion from here'), '#b71c1c',
      '<path d="M32 32 L68 68 M68 32 L32 68"/>'],
  }[look];
}
let markJob = {request: '', stop: () => {}};
let markSlow = 0;

function showMark(look) {
  const mark = document.getElementById('completion-mark');
  mark.hidden = !look;
  if (look) {
    const [text, disc, shape] = markLook(look);
    mark.innerHTML = '<svg viewBox="0 0 100 100"><circle cx="50" cy="50" r="50" fill="' + disc +
      '"/><g>' + shape + '</g></svg>';
    mark.append(text);
  }
}

async function lookAtPosition() {
  const request = await callCore('kelvane_completable_request', [], 'string');
  if (request === null || request === markJob.request) {
    return;
  }
  markJob.stop();
  clearTimeout(markSlow);
  const job = markJob = {request};
  if (!request) {
    showMark(null);
    return;
  }
  markSlow = setTimeout(() => showMark('checking'), slowAnswerMs);
  const answer = await inBackground('kelvane_completable', request, job);
  if (markJob === job) {
    clearTimeout(markSlow);
    // A figure too large to answer in time gets no mark.
    showMark(answer === '1' ? 'yes' : answer === '0' ? 'no' : null);
  }
}
window.addEventListener('kelvane-painted', lookAtPosition);
