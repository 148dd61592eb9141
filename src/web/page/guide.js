// SPDX-License-Identifier: GPL-3.0-or-later
// The guided first puzzle's speech bubble: the core's step beside what it speaks of, "2 of 8" and
// Skip. It only watches: every click, tap and key still goes to the game, and after each of the
// page's calls the core looks whether the player did what the step asks.
'use strict';

// The pointer's reach out of the body, and the room left between its tip and the target.
const kGuideTip = 11;
const kGuideGap = 3;
const kGuideRadius = 10;
// Tests and the picture tool open the page with ?noguide, so that the first visit's guide stays shut.
const guideMayOpen = !new URLSearchParams(location.search).has('noguide');
// The calls that are the player's own pointer, keys, taps and wheel; and those naming a command.
const guideInputs = ['kelvane_key', 'kelvane_pointer_move', 'kelvane_press', 'kelvane_tap',
  'kelvane_wheel'];
const guideCommands = ['kelvane_command', 'kelvane_analyse_begin'];

const guide = {element: null, text: null, counter: null, pointer: null, step: null, shown: ''};

function makeGuideBubble() {
  const element = Object.assign(document.createElement('div'), {id: 'guide', hidden: true});
  element.setAttribute('role', 'status');
  element.setAttribute('aria-live', 'polite');
  const text = Object.assign(document.createElement('p'), {className: 'guide-text'});
  const counter = Object.assign(document.createElement('span'), {className: 'guide-counter'});
  const skip = Object.assign(document.createElement('button'), {type: 'button',
    className: 'guide-skip', textContent: translated('kelvane::GuideBubble', 'Skip')});
  // A click leaves the keyboard where it was; Tab reaches the button, and there Enter and Space
  // press it instead of going to the field.
  skip.addEventListener('mousedown', (event) => event.preventDefault());
  skip.addEventListener('keydown', (event) => {
    if (event.key === 'Enter' || event.key === ' ') {
      event.stopPropagation();
    }
  });
  skip.addEventListener('click', endGuide);
  const row = Object.assign(document.createElement('div'), {className: 'guide-row'});
  row.append(counter, skip);
  const pointer = Object.assign(document.createElement('span'), {className: 'guide-pointer'});
  element.append(pointer, text, row);
  document.body.append(element);
  Object.assign(guide, {element, text, counter, pointer});
}

// Help > Guided first puzzle (`firstPuzzle`), or the first visit's guide over the game as it is.
async function startGuide(firstPuzzle) {
  showGuideStep(await callCore('kelvane_guide_start', [firstPuzzle ? 1 : 0], 'string'));
}
pageCommands.guide = () => startGuide(true);

// Asked once, before the game starts and writes its files.
function guideOffered() {
  return guideMayOpen && Module.ccall('kelvane_guide_offered', 'number', [], []) === 1;
}

function hideGuide() {
  guide.step = null;
  guide.shown = '';
  if (guide.element) {
    guide.element.hidden = true;
  }
}

function endGuide() {
  hideGuide();
  callCore('kelvane_guide_end');
}

// Called by callCore after each call while the guide runs, in the queue's order. A new viewport
// may show the canvas at another size with the same step.
function watchGuide(name, args) {
  if (!guide.step || name.startsWith('kelvane_paint') || name.startsWith('kelvane_guide')) {
    return;
  }
  showGuideStep(Module.ccall('kelvane_guide_look', 'string', ['number', 'number'],
    [guideInputs.includes(name) ? 1 : 0, guideCommands.includes(name) ? args[0] : 0]),
  name === 'kelvane_viewport');
}

function showGuideStep(json, placeAgain = false) {
  if (json === guide.shown) {
    if (placeAgain) {
      placeGuide();
    }
    return;
  }
  if (!json) {
    hideGuide();
    return;
  }
  if (!guide.element) {
    makeGuideBubble();
  }
  const step = JSON.parse(json);
  const moved = !guide.step || guide.step.step !== step.step;
  guide.step = step;
  guide.shown = json;
  guide.text.textContent = step.text;
  guide.counter.textContent = translated('kelvane::GuideBubble', '%1 of %2')
    .replace('%1', step.step).replace('%2', step.of);
  guide.element.hidden = false;
  if (moved) {
    // Each new step comes in afresh.
    guide.element.classList.remove('arrived');
    void guide.element.offsetWidth;
    guide.element.classList.add('arrived');
  }
  placeGuide();
}

// What the step speaks of, in the window's coordinates.
function guideTargetBox(step) {
  if (step.target === 'menuBar') {
    const item = [...menuBar.children].find(
      (bar) => bar.querySelector('[data-id="' + step.menuItem + '"]'));
    return (item || menuBar).getBoundingClientRect();
  }
  const box = canvas.getBoundingClientRect();
  const [left, top, right, bottom] = step.rect.map((v) => v * shownScale);
  return {left: box.left + left, top: box.top + top, right: box.left + right,
    bottom: box.top + bottom};
}

// The body beside `target` on `side`, slid along it to stay within `room`.
function guideBodyBeside(target, side, size, room) {
  const reach = kGuideTip + kGuideGap;
  let left = side === 'right' ? target.right + reach :
    side === 'left' ? target.left - reach - size.width : target.left;
  let top = side === 'below' ? target.bottom + reach :
    side === 'above' ? target.top - reach - size.height : target.top + 8;
  left = Math.max(room.left, Math.min(left, room.right - size.width));
  top = Math.max(room.top, Math.min(top, room.bottom - size.height));
  return {left, top, right: left + size.width, bottom: top + size.height};
}

function overlaps(a, b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Under the field and the menu bar, where no piece or target figure is drawn; beside the rest.
// The first side where the bubble fits the window without covering its target, else the first.
function placeGuide() {
  const step = guide.step;
  if (!step) {
    return;
  }
  const target = guideTargetBox(step);
  const under = step.target === 'field' || step.target === 'menuBar';
  const sides = under ? ['below', 'right', 'left', 'above'] : ['right', 'left', 'below', 'above'];
  const size = {width: guide.element.offsetWidth, height: guide.element.offsetHeight};
  const room = {left: 4, top: Math.max(0, menuBar.getBoundingClientRect().bottom) + 4,
    right: document.documentElement.clientWidth - 4, bottom: window.innerHeight - 4};
  let side = sides[0];
  let body = guideBodyBeside(target, side, size, room);
  for (const candidate of sides) {
    const place = guideBodyBeside(target, candidate, size, room);
    if (!overlaps(place, target) && place.right <= room.right && place.bottom <= room.bottom) {
      [side, body] = [candidate, place];
      break;
    }
  }
  guide.element.style.left = body.left + window.scrollX + 'px';
  guide.element.style.top = body.top + window.scrollY + 'px';
  guide.element.dataset.side = side;
  // The tip at the target's middle, as far as the body's straight edge reaches.
  const keep = kGuideRadius + kGuideTip + 6;
  const across = side === 'right' || side === 'left';
  const middle = across ? (target.top + target.bottom) / 2 : (target.left + target.right) / 2;
  const along = across ?
    Math.max(keep, Math.min(middle - body.top, size.height - keep)) :
    Math.max(keep, Math.min(middle - body.left, size.width - keep));
  guide.pointer.style.setProperty('--along', along + 'px');
}

window.addEventListener('resize', placeGuide);
// Esc ends it, unless a dialog, a menu or the orientation popup has the key (they take it first).
window.addEventListener('keydown', (event) => {
  if (event.key === 'Escape' && guide.step && !pageDialogOpen()) {
    endGuide();
  }
});
