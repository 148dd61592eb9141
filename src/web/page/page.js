// SPDX-License-Identifier: GPL-3.0-or-later
// The page's half of the game: starts the core, shows its frames on the canvas, feeds it the
// pointer and the keys, and answers its platform calls (dialogs, sound, command states).
'use strict';

const canvas = document.getElementById('client');
const context = canvas.getContext('2d');
// The game's working folder, where the player's files live.
const gameFolder = '/game';
const startedAt = performance.now();

// Calls into the core run one after another: a call that waits for a dialog holds the rest. The
// promise gives the call's result, of type `returns`. Arguments are numbers or strings. While
// inputHeld (a search runs), only the frames reach the core. A running guide looks at the game
// after each call.
let coreQueue = Promise.resolve();
let inputHeld = false;
function callCore(name, args = [], returns = null) {
  if (inputHeld && !name.startsWith('kelvane_paint')) {
    return Promise.resolve(null);
  }
  const types = args.map((arg) => typeof arg === 'string' ? 'string' : 'number');
  coreQueue = coreQueue.then(() => Module.ccall(name, returns, types, args, {async: true}))
    .then((result) => {
      watchGuide(name, args);
      return result;
    });
  return coreQueue.catch(reportProblem);
}

function reportProblem(error) {
  const problem = document.getElementById('problem');
  problem.textContent = translated('Page', 'The game stopped: %1')
    .replace('%1', error && error.message ? error.message : error);
  problem.hidden = false;
  console.error(error);
}
window.addEventListener('error', (event) => reportProblem(event.error || event.message));
window.addEventListener('unhandledrejection', (event) => reportProblem(event.reason));

let paintPending = false;
let framesShown = 0;
function paintSoon() {
  if (paintPending || !Module.kelvane.started) {
    return;
  }
  paintPending = true;
  requestAnimationFrame(() => {
    paintPending = false;
    callCore('kelvane_paint').then(() => {
      framesShown += 1;
      if (framesShown === 1) {
        document.documentElement.dataset.firstFrameMs = Math.round(performance.now() - startedAt);
      }
      window.dispatchEvent(new CustomEvent('kelvane-painted', {detail: framesShown}));
    });
  });
}

// The message box's buttons by style: Plain, Information, Stop, Question (No is the default).
function messageButtons(style) {
  const ok = [[translated('Page', 'OK'), 0]];
  return style === 3 ? [[translated('Page', 'Yes'), 1], [translated('Page', 'No'), 2]] : ok;
}
// Drawn by the page's style as coloured discs: a browser may lack the emoji fonts.
const messageIcons = ['', 'i', '\u2715', '?'];
const messageIconKinds = ['', 'information', 'stop', 'question'];
function showMessage(text, caption, style) {
  const dialog = document.getElementById('message');
  document.getElementById('message-caption').textContent = caption;
  document.getElementById('message-text').textContent = text;
  const icon = document.getElementById('message-icon');
  icon.textContent = messageIcons[style];
  icon.dataset.kind = messageIconKinds[style];
  const buttons = document.getElementById('message-buttons');
  buttons.replaceChildren();
  const choices = messageButtons(style);
  for (const [label, answer] of choices) {
    const button = document.createElement('button');
    button.textContent = label;
    button.value = String(answer);
    buttons.append(button);
  }
  const fallback = choices[choices.length - 1][1];
  return new Promise((resolve) => {
    dialog.addEventListener('close', () => {
      resolve(dialog.returnValue === '' ? fallback : Number(dialog.returnValue));
    }, {once: true});
    dialog.returnValue = '';
    dialog.showModal();
    buttons.lastChild.focus();
  });
}

let audio = null;
function audioContext() {
  audio = audio || new AudioContext();
  return audio;
}
const sounds = new Map();
function playSound(name) {
  if (!sounds.has(name)) {
    // Silent when the file is missing or cannot be decoded, as on the desktop.
    sounds.set(name, fetch(name)
      .then((response) => response.ok ? response.arrayBuffer() : Promise.reject(name))
      .then((bytes) => audioContext().decodeAudioData(bytes))
      .catch(() => null));
  }
  sounds.get(name).then((buffer) => {
    if (buffer) {
      const source = audioContext().createBufferSource();
      source.buffer = buffer;
      source.connect(audioContext().destination);
      source.start();
    }
  });
}
function beep() {
  const tone = audioContext().createOscillator();
  const level = audioContext().createGain();
  level.gain.value = 0.1;
  tone.frequency.value = 880;
  tone.connect(level).connect(audioContext().destination);
  tone.start();
  tone.stop(audioContext().currentTime + 0.08);
}

// One image per canvas, as large as the largest area copied to it: a fresh image for each of a
// frame's dozen areas costs more than filling it.
const copyImages = new WeakMap();
function copyImage(target, width, height) {
  const held = copyImages.get(target);
  if (held && held.image.width >= width && held.image.height >= height) {
    return held;
  }
  const image = target.createImageData(Math.max(width, held ? held.image.width : 0),
    Math.max(height, held ? held.image.height : 0));
  const made = {image, words: new Uint32Array(image.data.buffer)};
  copyImages.set(target, made);
  return made;
}

// The core's pixels are 0xAARRGGBB words (the alpha unused); the canvas takes red, green, blue and
// alpha bytes, which a little-endian word holds as 0xAABBGGRR. Whole words: bytes one by one cost
// four times as much.
function copyPixels(target, pixels, stride, left, top, width, height, toX, toY) {
  // The core hands over its whole back buffer's margins; only what lands on the canvas is worked.
  width = Math.min(width, target.canvas.width - toX);
  height = Math.min(height, target.canvas.height - toY);
  if (width <= 0 || height <= 0) {
    return;
  }
  const {image, words: out} = copyImage(target, width, height);
  const words = Module.HEAPU32;
  for (let y = 0; y < height; ++y) {
    let i = (pixels >> 2) + (top + y) * stride + left;
    const end = i + width;
    for (let o = y * image.width; i < end; ++i, ++o) {
      const p = words[i];
      out[o] = 0xFF000000 | (p & 0xFF) << 16 | (p & 0xFF00) | (p >>> 16 & 0xFF);
    }
  }
  target.putImageData(image, toX, toY, 0, 0, width, height);
}
function copy(...area) {
  copyPixels(context, ...area);
}

// The room the page has for the client area: the window between the menu bar and the status line,
// which on a phone's page stays over the area's foot instead (status_line.css).
function viewport() {
  const line = document.getElementById('status-line');
  const below = getComputedStyle(line).position === 'sticky' ? 0 : line.offsetHeight;
  return [document.documentElement.clientWidth,
    Math.max(0, window.innerHeight - canvas.parentElement.offsetTop - below)];
}
// How much smaller than its logical size the canvas shows: narrower than the smallest
// arrangement, it is shrunk to the window's width.
let shownScale = 1;

// The canvas holds device pixels; it is shown at the client area's logical size.
function resize(width, height, ratio) {
  canvas.width = width * ratio;
  canvas.height = height * ratio;
  shownScale = Math.min(1, viewport()[0] / width);
  canvas.style.width = width * shownScale + 'px';
  canvas.style.height = height * shownScale + 'px';
  paintSoon();
}
let refitPending = 0;
window.addEventListener('resize', () => {
  clearTimeout(refitPending);
  refitPending = setTimeout(() => {
    if (Module.kelvane.started) {
      callCore('kelvane_viewport', [...viewport(), 1]);
    }
  }, 100);
});

const commandStates = new Map();
function commandState(id, enabled, checked) {
  commandStates.set(id, {enabled, checked});
  showCommandState(id);
}

// The player's files live in the browser's IndexedDB, mounted at the game's folder and read
// before the game starts; the shipped library is copied in beside them.
function seedShippedPuzzles() {
  const library = gameFolder + '/Puzzles';
  if (!FS.analyzePath(library).exists) {
    FS.mkdir(library);
  }
  for (const name of FS.readdir('/library/Puzzles')) {
    if (name.endsWith('.kvp') && !FS.analyzePath(library + '/' + name).exists) {
      FS.writeFile(library + '/' + name, FS.readFile('/library/Puzzles/' + name));
      syncFilesSoon();
    }
  }
}

// Every write of the game ends in a rename over the file's name (its text goes to a temporary
// file first) and every removal in an unlink: after either the folder is written to IndexedDB,
// once the core's call is over, one sync at a time.
let syncState = 'idle';
function syncFilesSoon() {
  if (syncState === 'idle') {
    syncState = 'due';
    setTimeout(syncFiles);
  } else if (syncState === 'running') {
    syncState = 'again';
  }
}
function syncFiles() {
  syncState = 'running';
  FS.syncfs(false, (error) => {
    if (error) {
      showNotice(translated('Page', 'The game could not keep its files in this browser: the ' +
        'game in progress and the options of this visit may be lost when the page closes.'));
    }
    const again = syncState === 'again';
    syncState = 'idle';
    if (again) {
      syncFilesSoon();
    } else {
      document.documentElement.dataset.filesSynced = String(Date.now());
    }
  });
}
function watchWrites() {
  for (const name of ['rename', 'unlink']) {
    const original = FS[name];
    FS[name] = (...args) => {
      const result = original.apply(FS, args);
      syncFilesSoon();
      return result;
    };
  }
}

function showNotice(text) {
  const notice = document.getElementById('notice');
  notice.textContent = text;
  notice.hidden = !text;
}

// One tab plays at a time, so that two never write over each other's game: the first holds a
// lock for its life, a later one says so and takes over once the first closes. Where the page is
// not served securely there are no locks, and the tabs ask each other on a channel instead.
const gameLockName = 'kelvane-game';
function showElsewhere() {
  showNotice(translated('Page', 'Kelvane is open in another tab or window of this browser. ' +
    'This tab takes over the game when that one closes.'));
}
function takeGameLock() {
  if (!navigator.locks) {
    return askOtherTabs();
  }
  const holdForever = () => new Promise(() => {});
  return new Promise((granted) => {
    navigator.locks.request(gameLockName, {ifAvailable: true}, (lock) => {
      if (lock) {
        granted();
        return holdForever();
      }
      showElsewhere();
      return navigator.locks.request(gameLockName, () => {
        showNotice('');
        granted();
        return holdForever();
      });
    });
  });
}
function askOtherTabs() {
  const channel = new BroadcastChannel(gameLockName);
  let answered = false;
  channel.onmessage = (event) => {
    if (event.data === 'who plays?' && Module.kelvane.started) {
      channel.postMessage('I play');
    } else if (event.data === 'I play') {
      answered = true;
    }
  };
  return new Promise((granted) => {
    const ask = () => {
      answered = false;
      channel.postMessage('who plays?');
      setTimeout(() => {
        if (answered) {
          showElsewhere();
          ask();
        } else {
          showNotice('');
          granted();
        }
      }, 500);
    };
    ask();
  });
}

function loadPlayerFiles() {
  FS.mkdir(gameFolder);
  FS.mount(IDBFS, {}, gameFolder);
  addRunDependency('player-files');
  loadLanguage('').then(takeGameLock).then(() => FS.syncfs(true, (error) => {
    if (error) {
      showNotice(translated('Page',
        'The game cannot read its files in this browser: it starts afresh.'));
    }
    watchWrites();
    removeRunDependency('player-files');
  }));
  if (navigator.storage && navigator.storage.persist) {
    navigator.storage.persist().then((granted) => {
      document.documentElement.dataset.storagePersisted = String(granted);
    });
  }
}

// The chosen skin's picture, decoded by the browser. An image element rather than
// createImageBitmap: headless Chromium's virtual clock, which the tests run on, never finishes
// the latter.
async function skinPixels(number) {
  const response = await fetch('skins/skin-' + number + '.png');
  if (!response.ok) {
    return null;
  }
  const picture = new Image();
  picture.src = URL.createObjectURL(new Blob([await response.arrayBuffer()], {type: 'image/png'}));
  await new Promise((resolve, reject) => {
    picture.onload = resolve;
    picture.onerror = reject;
  });
  const sheet = Object.assign(document.createElement('canvas'),
    {width: picture.width, height: picture.height}).getContext('2d', {willReadFrequently: true});
  sheet.drawImage(picture, 0, 0);
  URL.revokeObjectURL(picture.src);
  return sheet.getImageData(0, 0, picture.width, picture.height).data;
}

// Hands skin picture `number` to the core, between its calls.
function giveSkinPicture(number, pixels) {
  const at = Module._malloc(pixels.length);
  Module.HEAPU8.set(pixels, at);
  Module.ccall('kelvane_give_skin', null, ['number', 'number', 'number'],
    [number, at, pixels.length]);
  Module._free(at);
}

async function start() {
  seedShippedPuzzles();
  const skin = Module.ccall('kelvane_load', 'number', ['string'], [gameFolder]);
  const offerGuide = guideOffered();
  const [pixels] = await Promise.all([skin ? skinPixels(skin) : null,
    loadLanguage(Module.ccall('kelvane_language', 'string', [], []))]);
  buildMenus(JSON.parse(Module.ccall('kelvane_menus', 'string', [], [])));
  if (pixels) {
    giveSkinPicture(skin, pixels);
  }
  const ratio = Math.max(1, Math.round(window.devicePixelRatio || 1));
  Module.ccall('kelvane_viewport', null, ['number', 'number', 'number'], [...viewport(), 0]);
  Module.kelvane.started = true;
  await callCore('kelvane_start', [screen.width, screen.height, ratio]);
  paintSoon();
  if (offerGuide) {
    startGuide(false);
  }
}

function clientPoint(event) {
  const box = canvas.getBoundingClientRect();
  return [Math.floor((event.clientX - box.left) / shownScale),
    Math.floor((event.clientY - box.top) / shownScale)];
}
canvas.addEventListener('mousemove', (event) => callCore('kelvane_pointer_move', clientPoint(event)));
canvas.addEventListener('mouseleave', () => callCore('kelvane_pointer_move', [-1, -1]));
canvas.addEventListener('mousedown', (event) => {
  if (event.button === 0) {
    callCore('kelvane_press', [...clientPoint(event), event.detail]);
  }
});
canvas.addEventListener('contextmenu', (event) => event.preventDefault());
canvas.addEventListener('wheel', (event) => {
  event.preventDefault();
  if (event.deltaY !== 0) {
    callCore('kelvane_wheel', [event.deltaY < 0 ? 120 : -120]);
  }
}, {passive: false});
// The page's dialogs, the message box among them, take the keys while one is open.
function pageDialogOpen() {
  return document.querySelector('dialog[open]') !== null;
}
window.addEventListener('keydown', (event) => {
  if (pageDialogOpen() || event.ctrlKey || event.altKey || event.metaKey) {
    return;
  }
  const code = event.keyCode;
  if ([88, 89, 90, 37, 38, 39, 40, 13, 32].includes(code)) {
    event.preventDefault();
    callCore('kelvane_key', [code]);
  }
});

var Module = {
  kelvane: {showMessage, beep, playSound, invalidate: paintSoon, resize, commandState, copy,
    caption: (...lines) => showCaption(...lines),
    copyItem: (...area) => copyItem(...area), commandStates, started: false,
    translate: (source, count) => translation('Kelvane', source, count)},
  preRun: [loadPlayerFiles],
  onRuntimeInitialized: () => start().catch(reportProblem),
  printErr: (text) => console.warn(text),
};
