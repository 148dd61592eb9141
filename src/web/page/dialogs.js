// SPDX-License-Identifier: GPL-3.0-or-later
// The page's own dialogs, each over its logic in the core (page_dialogs.cpp): the page shows what
// the core answers and hands it the player's choices.
'use strict';

// What the menu runs for a command whose "does" names a page dialog.
const pageCommands = {};

// Settings colours hold red in the low byte.
function cssColour(colour) {
  return '#' + [colour & 255, (colour >> 8) & 255, (colour >> 16) & 255]
    .map((part) => part.toString(16).padStart(2, '0')).join('');
}

// Opens `dialog` modally, with the play clock held until it closes.
async function showPageDialog(dialog) {
  await callCore('kelvane_dialog_open', [1]);
  dialog.addEventListener('close', () => callCore('kelvane_dialog_open', [0]), {once: true});
  dialog.returnValue = '';
  dialog.showModal();
}

// New game: the library and the player's puzzles, the selected one's preview and counts.
const newGame = {
  dialog: document.getElementById('new-game'),
  list: document.getElementById('new-game-list'),
  preview: document.getElementById('new-game-preview'),
  selection: -1,
  counting: '',
  // Raised with each selection, so that a count asked for an earlier one is dropped.
  selectedTimes: 0,
  count: {stop: () => {}},
};

Module.kelvane.copyPreview = (pixels, stride, width, height) => {
  copyPixels(newGame.preview.getContext('2d'), pixels, stride, 0, 0, width, height, 0, 0);
};

async function selectNewGameEntry(index) {
  const entries = newGame.list.children;
  for (const [at, entry] of [...entries].entries()) {
    entry.classList.toggle('selected', at === index);
    entry.setAttribute('aria-selected', String(at === index));
  }
  if (index >= 0) {
    entries[index].scrollIntoView({block: 'nearest'});
  }
  newGame.selection = index;
  const times = ++newGame.selectedTimes;
  const counts = document.getElementById('new-game-counts');
  counts.textContent = '';
  const {width, height} = newGame.preview;
  const message = await callCore('kelvane_new_game_select', [index, width, height], 'string');
  document.getElementById('new-game-message').textContent = message;
  if (message || times !== newGame.selectedTimes) {
    return;
  }
  // Counted in the background once the selection rests, the count of an earlier selection ended
  // by the next.
  counts.textContent = newGame.counting;
  await new Promise((resolve) => setTimeout(resolve, 120));
  const request = await callCore('kelvane_new_game_count_request', [], 'string');
  if (times !== newGame.selectedTimes) {
    return;
  }
  if (!request) {
    counts.textContent = '';
    return;
  }
  newGame.count.stop();
  const answer = await inBackground('kelvane_player_count', request, newGame.count);
  if (times === newGame.selectedTimes) {
    counts.textContent =
      await callCore('kelvane_new_game_counted', [request, answer || ''], 'string') || '';
  }
}

async function confirmNewGame() {
  if (await callCore('kelvane_new_game_ok', [], 'number')) {
    newGame.dialog.close('ok');
  }
}

// Lists the puzzles afresh, with `chosen` (a file name) or else the core's choice selected.
async function fillNewGameList(chosen = null) {
  const opened = JSON.parse(await callCore('kelvane_new_game_open', [], 'string'));
  Object.assign(newGame, {entries: opened.entries, counting: opened.counting,
    fileLimit: opened.fileLimit});
  newGame.list.replaceChildren(...opened.entries.map((entry, index) => {
    const item = document.createElement('div');
    item.className = 'entry';
    item.setAttribute('role', 'option');
    item.append(part('mark', entry.solved ? '\u2713' : ''), part('name', entry.name));
    item.title = entry.name;
    item.addEventListener('mousedown', () => selectNewGameEntry(index));
    item.addEventListener('dblclick', confirmNewGame);
    return item;
  }));
  document.getElementById('new-game-summary').textContent = opened.summary;
  const box = newGame.preview.parentElement;
  box.style.background = cssColour(opened.back);
  document.getElementById('new-game-message').style.color = cssColour(opened.ink);
  const found = opened.entries.findIndex((entry) => entry.file === chosen);
  await selectNewGameEntry(found >= 0 ? found : opened.selection);
}

pageCommands.newGame = async () => {
  await showPageDialog(newGame.dialog);
  const ratio = Math.max(1, Math.round(canvas.width / canvas.clientWidth));
  const box = newGame.preview.parentElement;
  newGame.preview.width = box.clientWidth * ratio;
  newGame.preview.height = box.clientHeight * ratio;
  newGame.list.focus();
  await fillNewGameList();
};

document.getElementById('new-game-ok').addEventListener('click', confirmNewGame);
newGame.dialog.addEventListener('close', () => newGame.count.stop());

// The list's keys, as a list box has them; Enter is OK.
newGame.list.addEventListener('keydown', (event) => {
  const count = newGame.list.children.length;
  const page = Math.max(1, Math.floor(newGame.list.clientHeight /
    ((newGame.list.firstElementChild || {}).offsetHeight || 20)) - 1);
  const at = newGame.selection;
  const moves = {ArrowDown: at + 1, ArrowUp: at < 0 ? 0 : at - 1, Home: 0, End: count - 1,
    PageDown: at + page, PageUp: at - page};
  if (event.key === 'Enter') {
    event.preventDefault();
    confirmNewGame();
  } else if (event.key in moves && count > 0) {
    event.preventDefault();
    selectNewGameEntry(Math.max(0, Math.min(count - 1, moves[event.key])));
  } else if (event.key.length === 1 && !event.ctrlKey && !event.altKey) {
    // A letter goes to the next entry that starts with it.
    const names = [...newGame.list.querySelectorAll('.name')].map((name) => name.textContent);
    for (let step = 1; step <= count; ++step) {
      const next = (at + step + count) % count;
      if (names[next].toLowerCase().startsWith(event.key.toLowerCase())) {
        selectNewGameEntry(next);
        break;
      }
    }
  }
});

// Keeps the selected puzzle as a .kvp file of the player's own.
document.getElementById('new-game-download').addEventListener('click', () => {
  const entry = newGame.entries[newGame.selection];
  const path = gameFolder + '/Puzzles/' + (entry ? entry.file : '');
  if (!entry || !FS.analyzePath(path).exists) {
    beep();
    return;
  }
  const link = Object.assign(document.createElement('a'), {download: entry.file,
    href: URL.createObjectURL(new Blob([FS.readFile(path)], {type: 'application/octet-stream'}))});
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href));
});

// Files the player brings join the library through the core, which refuses what is no puzzle;
// the list then shows the last one added.
const addedFiles = document.getElementById('new-game-files');
document.getElementById('new-game-add').addEventListener('click', () => addedFiles.click());
addedFiles.addEventListener('change', async () => {
  let added = null;
  for (const file of addedFiles.files) {
    // A byte past the core's limit tells it the file is too large, without reading it whole.
    const bytes = new Uint8Array(await file.slice(0, newGame.fileLimit + 1).arrayBuffer());
    const at = Module._malloc(Math.max(1, bytes.length));
    Module.HEAPU8.set(bytes, at);
    if (await callCore('kelvane_add_puzzle_file', [file.name, at, bytes.length], 'number')) {
      added = file.name;
    }
    Module._free(at);
  }
  addedFiles.value = '';
  if (added !== null) {
    await fillNewGameList(added);
  }
});

// Save puzzle: the core filters the name as it is typed and saves on OK.
const savePuzzle = {
  dialog: document.getElementById('save-puzzle'),
  name: document.getElementById('save-puzzle-name'),
};

pageCommands.savePuzzle = async () => {
  if (await callCore('kelvane_save_puzzle_open', [], 'number')) {
    savePuzzle.name.value = '';
    await showPageDialog(savePuzzle.dialog);
    savePuzzle.name.focus();
  }
};

// Typing goes through the core's name rules; pasting and dropping never happen, with a beep.
savePuzzle.name.addEventListener('beforeinput', (event) => {
  if (!event.inputType.startsWith('insert') || event.inputType === 'insertLineBreak') {
    return;
  }
  const field = savePuzzle.name;
  const typed = event.data || '';
  const after = field.value.slice(0, field.selectionStart) + typed +
    field.value.slice(field.selectionEnd);
  const pasted = event.inputType === 'insertFromPaste' || event.inputType === 'insertFromDrop';
  if (pasted) {
    beep();
  }
  // The core is free while the field has the keys: the message boxes that hold it cover the field.
  if (pasted || !Module.ccall('kelvane_save_name_accepts', 'number', ['string', 'number'],
    [typed, new TextEncoder().encode(after).length])) {
    event.preventDefault();
  }
});
savePuzzle.name.addEventListener('drop', (event) => event.preventDefault());

async function confirmSavePuzzle() {
  if (await callCore('kelvane_save_puzzle_ok', [savePuzzle.name.value], 'number')) {
    savePuzzle.dialog.close('ok');
  }
}
document.getElementById('save-puzzle-ok').addEventListener('click', confirmSavePuzzle);
savePuzzle.name.addEventListener('keydown', (event) => {
  if (event.key === 'Enter') {
    event.preventDefault();
    confirmSavePuzzle();
  }
});

// About: the logo over the core's three lines; OK and Escape close it.
pageCommands.about = async () => {
  const dialog = document.getElementById('about');
  const lines = JSON.parse(await callCore('kelvane_about', [], 'string'));
  dialog.querySelectorAll('.about-lines p').forEach((line, at) => {
    line.textContent = lines[at];
  });
  await showPageDialog(dialog);
  dialog.querySelector('button').focus();
};

// The help pages open in a tab of their own, at the page the core names for each command.
function openHelp(mapId) {
  const page = Module.ccall('kelvane_help_page', 'string', ['number'], [mapId]);
  window.open('help/' + page, '_blank', 'noopener');
}
pageCommands.manual = () => openHelp(0);
pageCommands.tutorial = () => openHelp(2);

// The home page that the site's shortcut file names; nothing opens without one, as on the desktop.
pageCommands.homePage = async () => {
  const response = await fetch('orrinsoft.url').catch(() => null);
  const address = response && response.ok ?
    await callCore('kelvane_home_page', [await response.text()], 'string') : '';
  if (address) {
    window.open(address, '_blank', 'noopener');
  }
};
