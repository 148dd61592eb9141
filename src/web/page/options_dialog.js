// SPDX-License-Identifier: GPL-3.0-or-later
// The Options dialog: the core's lists and options (kelvane_options) in the page's controls, the
// sample the core draws for the skin, background and checkers shown, and OK, Apply, Set to
// default, Help and Cancel as on the desktop. The controls are the only copy of the options being
// edited until OK or Apply hands them to the core. A skin's picture is fetched when the player
// first shows that skin: the page starts with the chosen one only.
'use strict';

// The sample's logical size: the desktop's picture area, the pieces in 64-pixel slots.
const optionsSampleSize = [256, 148];
// The options in the core's order (web/web_options.h, PageOption).
const optionFields = ['background', 'ink', 'checkers', 'helpers', 'skin', 'scale',
  'canStillBeDone', 'pieceNumbers', 'clockAndMoves', 'animation', 'language'];

let optionsDialog = null;  // the built dialog: {element, controls, chooser, sample}
// The SKIN_INDEX the Game has, kept when a newly chosen skin's picture cannot be had.
let appliedSkin = 0;
const skinFetches = new Map();  // picture number → the promise of its handing over
// The desktop's dialog has the same words.
const optionsWords = 'kelvane::OptionsDialog';

function make(tag, properties = {}, children = []) {
  const element = Object.assign(document.createElement(tag), properties);
  element.append(...children);
  return element;
}

function group(title, className, children) {
  return make('fieldset', {className}, [make('legend', {textContent: title}), ...children]);
}

function checkBox(text) {
  const box = make('input', {type: 'checkbox'});
  return [box, make('label', {className: 'check'}, [box, text])];
}

// The inverse of cssColour (dialogs.js): settings colours hold red in the low byte.
function colourOfCss(css) {
  const value = parseInt(css.slice(1), 16);
  return ((value >> 16) & 255) | (value & 0xff00) | ((value & 255) << 16);
}

function colourButton(label) {
  const button = make('button', {type: 'button', className: 'swatch'}, [make('span')]);
  button.setAttribute('aria-label', label.replace(/\s*:$/, ''));
  return button;
}
function setColour(button, colour) {
  button.dataset.colour = String(colour & 0xffffff);
  button.firstChild.style.background = cssColour(colour);
}

// The colour chooser under a colour button: the game's sixteen custom colours, and any other
// from the browser's own picker, which starts from black as the desktop's dialog does.
function buildChooser(colours) {
  const swatches = make('div', {className: 'swatches'});
  for (const colour of colours) {
    const swatch = make('button', {type: 'button', title: cssColour(colour).toUpperCase()});
    swatch.style.background = cssColour(colour);
    swatch.dataset.colour = String(colour);
    swatches.append(swatch);
  }
  const other = make('input', {type: 'color', value: '#000000'});
  const element = make('div', {className: 'colour-chooser', hidden: true}, [
    make('div', {className: 'caption', textContent: translated('Page', 'Custom colors')}),
    swatches,
    make('label', {className: 'other'}, [other, translated('Page', 'Other color\u2026')])]);
  const chooser = {element, other, button: null};
  swatches.addEventListener('click', (event) => {
    const swatch = event.target.closest('button');
    if (swatch) {
      chooseColour(Number(swatch.dataset.colour));
    }
  });
  other.addEventListener('change', () => chooseColour(colourOfCss(other.value)));
  return chooser;
}

function openChooser(button) {
  const chooser = optionsDialog.chooser;
  if (chooser.button === button) {
    closeChooser();
    return;
  }
  chooser.button = button;
  chooser.other.value = '#000000';
  chooser.element.hidden = false;
  const frame = optionsDialog.element.getBoundingClientRect();
  const at = button.getBoundingClientRect();
  chooser.element.style.left = (at.left - frame.left) + 'px';
  chooser.element.style.top = (at.bottom - frame.top + 4) + 'px';
}
function closeChooser() {
  const chooser = optionsDialog.chooser;
  if (chooser.button) {
    chooser.button.focus();
  }
  chooser.element.hidden = true;
  chooser.button = null;
}
function chooseColour(colour) {
  const button = optionsDialog.chooser.button;
  closeChooser();
  setColour(button, colour);
  if (button === optionsDialog.controls.background) {
    paintOptionsSample();
  }
}

function buildOptionsDialog(lists) {
  const c = {};
  const words = {background: translated(optionsWords, 'Background:'),
    ink: translated(optionsWords, 'Ink:')};
  c.background = colourButton(words.background);
  c.ink = colourButton(words.ink);
  [c.checkers, c.checkersLabel] = checkBox(translated(optionsWords, 'Color checkers'));
  [c.helpers, c.helpersLabel] = checkBox(translated(optionsWords, 'Helpers'));
  c.scale = make('select', {}, lists.scales.map((scale) => make('option',
    {value: String(scale), textContent: String(scale)})));
  // The skins' names are the core's texts.
  c.skin = make('select', {size: lists.skins.length, className: 'skins'},
    lists.skins.map((name) => make('option', {textContent: translated('Kelvane', name)})));
  const sample = make('canvas', {className: 'sample'});
  const boxes = [translated(optionsWords, 'Can it still be done?'),
    translated(optionsWords, 'Piece numbers'), translated(optionsWords, 'Clock and moves'),
    translated(optionsWords, 'Animation')].map(checkBox);
  [c.canStillBeDone, c.pieceNumbers, c.clockAndMoves, c.animation] = boxes.map((b) => b[0]);
  c.language = make('select', {}, lists.languages.map((name) => make('option',
    {textContent: name || translated('Kelvane', 'System')})));
  const push = (text, type = 'button') => make('button', {type, textContent: text});
  const buttons = {ok: push(translated(optionsWords, 'OK'), 'submit'),
    apply: push(translated(optionsWords, 'Apply')),
    defaults: push(translated(optionsWords, 'Set to default')),
    help: push(translated(optionsWords, 'Help')), cancel: push(translated(optionsWords, 'Cancel'))};
  buttons.cancel.className = 'apart';
  const chooser = buildChooser(lists.colours);

  const title = translated(optionsWords, 'Options');
  const element = make('dialog', {id: 'options'}, [make('form', {}, [
    make('h1', {textContent: title}),
    make('div', {className: 'body'}, [
      make('div', {className: 'groups'}, [
        group(translated(optionsWords, 'Colors'), 'colours', [
          make('label', {textContent: words.background}), c.background,
          make('label', {textContent: words.ink}), c.ink]),
        group(translated(optionsWords, 'Show'), 'show', [c.checkersLabel, c.helpersLabel]),
        group(translated(optionsWords, 'Scale'), 'scale', [c.scale]),
        group(translated(optionsWords, 'Skin'), 'skin', [c.skin, sample]),
        group(translated(optionsWords, 'Assists'), 'assists', boxes.map((b) => b[1])),
        make('div', {className: 'language'}, [
          make('label', {}, [translated(optionsWords, 'Language:'), c.language]),
          make('span', {className: 'note',
            textContent: translated(optionsWords, 'The language changes at the next start.')})]),
      ]),
      make('menu', {}, Object.values(buttons).map((button) => make('li', {}, [button]))),
    ]),
    chooser.element])]);
  element.setAttribute('aria-label', title);
  document.body.append(element);
  optionsDialog = {element, controls: c, chooser, sample, buttons};

  c.background.addEventListener('click', () => openChooser(c.background));
  c.ink.addEventListener('click', () => openChooser(c.ink));
  c.skin.addEventListener('change', paintOptionsSample);
  c.checkers.addEventListener('change', paintOptionsSample);
  element.querySelector('form').addEventListener('submit', (event) => {
    event.preventDefault();
    applyOptions().then(() => element.close());
  });
  buttons.apply.addEventListener('click', applyOptions);
  buttons.defaults.addEventListener('click', async () => {
    showOptions(JSON.parse(await callCore('kelvane_options', [1], 'string')).options);
  });
  buttons.help.addEventListener('click', () => window.open('help/options.html', '_blank',
    'noopener'));
  buttons.cancel.addEventListener('click', () => element.close());
  // Enter takes the default button, OK, wherever the focus is but on another button.
  element.addEventListener('keydown', (event) => {
    if (event.key === 'Enter' && !chooser.button && !event.target.closest('button')) {
      event.preventDefault();
      element.querySelector('form').requestSubmit(buttons.ok);
    }
  });
  element.addEventListener('cancel', (event) => {
    if (chooser.button) {
      event.preventDefault();
      closeChooser();
    }
  });
  element.addEventListener('mousedown', (event) => {
    if (chooser.button && !chooser.element.contains(event.target) &&
        !event.target.closest('.swatch')) {
      closeChooser();
    }
  });
  element.addEventListener('close', () => {
    closeChooser();
    callCore('kelvane_hold_clock', [0]);
  });
}

// The controls set from the core's options, the sample drawn for them.
function showOptions(options) {
  const c = optionsDialog.controls;
  const value = Object.fromEntries(optionFields.map((name, i) => [name, options[i]]));
  setColour(c.background, value.background);
  setColour(c.ink, value.ink);
  for (const name of ['checkers', 'helpers', 'canStillBeDone', 'pieceNumbers', 'clockAndMoves',
    'animation']) {
    c[name].checked = value[name] !== 0;
  }
  // An unknown skin selects no entry; OK then stores -1, as on the desktop.
  c.skin.selectedIndex = value.skin >= 0 && value.skin < c.skin.length ? value.skin : -1;
  c.scale.value = String(value.scale);
  c.language.selectedIndex = value.language;
  paintOptionsSample();
}

function shownOptions() {
  const c = optionsDialog.controls;
  return optionFields.map((name) => {
    if (name === 'background' || name === 'ink') {
      return Number(c[name].dataset.colour);
    }
    if (name === 'skin' || name === 'language') {
      return c[name].selectedIndex;
    }
    return name === 'scale' ? Number(c.scale.value) : Number(c[name].checked);
  });
}

// True once the core holds the picture that skin `skinIndex` draws from.
async function haveSkinPicture(skinIndex) {
  const number = await callCore('kelvane_missing_skin', [skinIndex], 'number');
  if (!number) {
    return true;
  }
  if (!skinFetches.has(number)) {
    skinFetches.set(number, skinPixels(number).then((pixels) => {
      if (!pixels) {
        throw new Error('no picture');
      }
      coreQueue = coreQueue.then(() => giveSkinPicture(number, pixels));
      return coreQueue;
    }));
  }
  return skinFetches.get(number).then(() => true, () => {
    skinFetches.delete(number);  // tried again the next time it is shown
    return false;
  });
}

async function paintOptionsSample() {
  const c = optionsDialog.controls;
  await haveSkinPicture(c.skin.selectedIndex);
  const ratio = Math.max(1, Math.round(canvas.width / canvas.clientWidth));
  const sample = optionsDialog.sample;
  sample.width = optionsSampleSize[0] * ratio;
  sample.height = optionsSampleSize[1] * ratio;
  callCore('kelvane_paint_options_sample', [c.skin.selectedIndex,
    Number(c.background.dataset.colour), Number(c.checkers.checked), ...optionsSampleSize]);
}

// Called by the core with the composed sample, in device pixels.
function copySample(pixels, stride, width, height) {
  if (optionsDialog) {
    copyPixels(optionsDialog.sample.getContext('2d'), pixels, stride, 0, 0, width, height, 0, 0);
  }
}

// OK and Apply: a skin whose picture cannot be fetched is not taken, and the Game keeps its own.
async function applyOptions() {
  const options = shownOptions();
  const skin = optionFields.indexOf('skin');
  if (!(await haveSkinPicture(options[skin]))) {
    options[skin] = appliedSkin;
    showNotice(translated('Page',
      'The picture of that skin could not be loaded: the skin stays as it was.'));
  }
  await callCore('kelvane_apply_options', options);
  appliedSkin = options[skin];
}

let optionsOpening = false;
async function openOptionsDialog() {
  if (optionsOpening || (optionsDialog && optionsDialog.element.open)) {
    return;
  }
  optionsOpening = true;
  callCore('kelvane_hold_clock', [1]);
  const current = JSON.parse(await callCore('kelvane_options', [0], 'string'));
  if (!optionsDialog) {
    buildOptionsDialog(current);
  }
  appliedSkin = current.options[optionFields.indexOf('skin')];
  optionsDialog.element.showModal();
  optionsOpening = false;
  showOptions(current.options);
  optionsDialog.controls.background.focus();
}

Module.kelvane.copySample = copySample;
