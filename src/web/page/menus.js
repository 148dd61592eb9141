// SPDX-License-Identifier: GPL-3.0-or-later
// The page's menu bar and orientation popup, built from the core's tables (kelvane_menus): items
// greyed and checked as the core's command states say, the desktop's shortcut keys, and a
// substitute where the browser keeps a key for itself.
'use strict';

// Keys a browser never hands to a page; the menu shows and answers Alt for their Ctrl.
const browserKeys = ['Ctrl+N', 'Ctrl+T', 'Ctrl+W', 'Ctrl+Shift+N', 'Ctrl+Shift+T', 'Ctrl+Shift+W'];
const namedKeys = {Up: 38, Down: 40, Left: 37, Right: 39, Del: 46, Home: 36, End: 35};

// id → {element, row, keys}
const menuCommands = new Map();
const menuBar = document.getElementById('menubar');

function pageKey(shortcut) {
  return browserKeys.includes(shortcut) ? shortcut.replace('Ctrl+', 'Alt+') : shortcut;
}

// "Ctrl+Shift+Z" as what a keydown event carries.
function parseKey(shortcut) {
  const parts = shortcut.split('+');
  // "Alt++" would name the plus key; no table key does.
  const name = parts.pop() || '+';
  const key = {ctrl: parts.includes('Ctrl'), alt: parts.includes('Alt'),
    shift: parts.includes('Shift')};
  if (/^F\d+$/.test(name)) {
    key.code = 111 + Number(name.slice(1));
  } else if (namedKeys[name]) {
    key.code = namedKeys[name];
  } else if (/^[A-Z0-9]$/.test(name)) {
    key.code = name.charCodeAt(0);
  } else {
    key.character = name;  // punctuation: the character typed, whatever Shift it took
  }
  return key;
}

function keyMatches(key, event) {
  if (key.ctrl !== event.ctrlKey || key.alt !== event.altKey || event.metaKey) {
    return false;
  }
  return key.character ? event.key === key.character : key.shift === event.shiftKey &&
    event.keyCode === key.code;
}

// "&Layer up" with its mnemonic underlined.
function labelNode(text) {
  const label = document.createElement('span');
  label.className = 'label';
  const at = text.indexOf('&');
  if (at < 0 || at + 1 >= text.length) {
    label.textContent = text;
    return label;
  }
  const mnemonic = document.createElement('u');
  mnemonic.textContent = text[at + 1];
  label.append(text.slice(0, at), mnemonic, text.slice(at + 2));
  label.dataset.mnemonic = text[at + 1].toLowerCase();
  return label;
}

function part(className, text = '') {
  const span = document.createElement('span');
  span.className = className;
  span.textContent = text;
  return span;
}

function makeItem(row, onBar) {
  const item = document.createElement('div');
  item.className = onBar ? 'bar-item' : 'item';
  item.setAttribute('role', 'menuitem');
  const [label, shown = ''] = translated('Menu', row.text).split('\t');
  const keys = row.keys.map(pageKey);
  const substituted = row.keys.length > 0 && keys[0] !== row.keys[0];
  if (onBar) {
    item.append(labelNode(label));
  } else {
    item.append(part('check'), labelNode(label),
      part('shortcut', substituted ? shown.replace(/^CTRL\+/i, 'ALT+') : shown), part('arrow'));
  }
  if (row.kind === 'menu') {
    item.classList.add('submenu');
    item.setAttribute('aria-haspopup', 'true');
  } else {
    item.dataset.id = row.id;
    menuCommands.set(row.id, {element: item, row, keys: keys.map(parseKey)});
    if (row.checkable) {
      item.setAttribute('role', 'menuitemcheckbox');
    }
    showCommandState(row.id);
  }
  return item;
}

// Builds the bar from the rows of the core's menu table.
function buildMenus(tables) {
  Module.kelvane.orientationMenus = tables.orientation;
  const open = [];
  for (const row of tables.menu) {
    const list = open[open.length - 1];
    if (row.kind === 'menu') {
      const item = makeItem(row, open.length === 0);
      const menu = document.createElement('div');
      menu.className = 'menu';
      menu.setAttribute('role', 'menu');
      item.append(menu);
      (list || menuBar).append(item);
      open.push(menu);
    } else if (row.kind === 'end') {
      open.pop();
      if (list.lastElementChild && list.lastElementChild.className === 'separator') {
        list.lastElementChild.remove();
      }
    } else if (row.kind === 'separator') {
      // Exit left out, the separators around it would meet.
      if (list.lastElementChild && list.lastElementChild.className !== 'separator') {
        list.append(Object.assign(document.createElement('div'), {className: 'separator'}));
      }
    } else {
      (row.kind === 'bar' ? menuBar : list).append(makeItem(row, row.kind === 'bar'));
    }
  }
}

function isFullScreen() {
  return document.fullscreenElement !== null;
}

function showCommandState(id) {
  const command = menuCommands.get(id);
  if (!command) {
    return;
  }
  const state = Module.kelvane.commandStates.get(id) || {enabled: true, checked: false};
  const {enabled} = state;
  const checked = command.row.does === 'fullScreen' ? isFullScreen() : state.checked;
  command.element.classList.toggle('disabled', !enabled);
  command.element.setAttribute('aria-disabled', String(!enabled));
  if (command.row.checkable) {
    command.element.setAttribute('aria-checked', String(checked));
    command.element.querySelector('.check').textContent = checked ? '\u2713' : '';
  }
}
document.addEventListener('fullscreenchange', () => showCommandState(
  [...menuCommands.values()].find((c) => c.row.does === 'fullScreen').row.id));

function runMenuCommand(id) {
  const command = menuCommands.get(id);
  if (!command || command.element.classList.contains('disabled')) {
    return;
  }
  if (command.row.does === 'fullScreen') {
    (isFullScreen() ? document.exitFullscreen() : document.documentElement.requestFullscreen())
      .catch(() => {});
  } else if (command.row.does === 'analyse') {
    runAnalyseCommand(id);
  } else if (command.row.does === 'solutions') {
    runSolutionCommand(id);
  } else if (command.row.does === 'nextPuzzle') {
    runNextPuzzle();
  } else if (command.row.does === 'options') {
    openOptionsDialog();
  } else if (pageCommands[command.row.does]) {
    pageCommands[command.row.does]();
  } else {
    callCore('kelvane_command', [id]);
  }
}

// The open menus, outermost first: the bar item, then each submenu item opened inside.
let openPath = [];

function closeMenus(depth = 0) {
  for (const item of openPath.splice(depth)) {
    item.classList.remove('open');
    for (const active of item.querySelectorAll('.active')) {
      active.classList.remove('active');
    }
  }
  if (openPath.length === 0) {
    menuBar.classList.remove('engaged');
  }
}

function depthOf(item) {
  let depth = 0;
  for (let at = item.parentElement; at !== menuBar; at = at.parentElement) {
    depth += at.classList.contains('menu') ? 1 : 0;
  }
  return depth;
}

function openMenu(item) {
  const depth = depthOf(item);
  if (openPath[depth] === item) {
    return;
  }
  closeMenus(depth);
  item.classList.add('open');
  openPath.push(item);
  menuBar.classList.add('engaged');
}

function highlight(item) {
  for (const active of item.parentElement.querySelectorAll(':scope > .active')) {
    active.classList.remove('active');
  }
  item.classList.add('active');
}

menuBar.addEventListener('mousedown', (event) => {
  event.preventDefault();  // the canvas keeps the keyboard
  const item = event.target.closest('.item, .bar-item');
  if (!item || !item.classList.contains('bar-item') || event.button !== 0 ||
      item.classList.contains('disabled')) {
    return;
  }
  if (!item.classList.contains('submenu')) {
    closeMenus();
    runMenuCommand(Number(item.dataset.id));
  } else if (openPath[0] === item) {
    closeMenus();
  } else {
    openMenu(item);
  }
});
menuBar.addEventListener('mouseover', (event) => {
  const item = event.target.closest('.bar-item, .item');
  if (!item || openPath.length === 0) {
    return;
  }
  if (item.classList.contains('bar-item')) {
    if (item.classList.contains('submenu')) {
      openMenu(item);
    }
    return;
  }
  highlight(item);
  if (item.classList.contains('submenu')) {
    openMenu(item);
  } else {
    closeMenus(depthOf(item));
  }
});
menuBar.addEventListener('click', (event) => {
  const item = event.target.closest('.item');
  if (item && !item.classList.contains('submenu') && !item.classList.contains('disabled')) {
    closeMenus();
    runMenuCommand(Number(item.dataset.id));
  }
});
document.addEventListener('mousedown', (event) => {
  if (!menuBar.contains(event.target)) {
    closeMenus();
  }
}, true);
window.addEventListener('blur', () => closeMenus());

// The items the keyboard can reach in the innermost open menu.
function reachable(menuItem) {
  return [...menuItem.querySelector(':scope > .menu').children].filter(
    (child) => child.classList.contains('item') && !child.classList.contains('disabled'));
}

function stepBar(step) {
  const tops = [...menuBar.querySelectorAll(':scope > .bar-item.submenu')];
  openMenu(tops[(tops.indexOf(openPath[0]) + step + tops.length) % tops.length]);
}

function keyInMenus(event) {
  const inner = openPath[openPath.length - 1];
  const items = reachable(inner);
  const active = items.find((item) => item.classList.contains('active'));
  const at = items.indexOf(active);
  switch (event.key) {
    case 'Escape':
      closeMenus(openPath.length - 1);
      return;
    case 'ArrowDown':
    case 'ArrowUp':
      if (items.length) {
        const step = event.key === 'ArrowDown' ? 1 : items.length - 1;
        highlight(items[at < 0 ? (step === 1 ? 0 : items.length - 1) : (at + step) % items.length]);
      }
      return;
    case 'ArrowRight':
      if (active && active.classList.contains('submenu')) {
        openMenu(active);
        const inside = reachable(active);
        if (inside.length) {
          highlight(inside[0]);
        }
      } else {
        stepBar(1);
      }
      return;
    case 'ArrowLeft':
      openPath.length > 1 ? closeMenus(openPath.length - 1) : stepBar(-1);
      return;
    case 'Enter':
    case ' ':
      if (active) {
        activate(active);
      }
      return;
    default: {
      const chosen = items.find((item) => {
        const label = item.querySelector('.label');
        return label.dataset.mnemonic === event.key.toLowerCase();
      });
      if (chosen) {
        activate(chosen);
      }
    }
  }
}

function activate(item) {
  if (item.classList.contains('submenu')) {
    highlight(item);
    openMenu(item);
    const inside = reachable(item);
    if (inside.length) {
      highlight(inside[0]);
    }
  } else {
    closeMenus();
    runMenuCommand(Number(item.dataset.id));
  }
}

// Ahead of the page's own keys: the open menus take every key, then the shortcuts and Alt with a
// menu's letter.
window.addEventListener('keydown', (event) => {
  if (pageDialogOpen() || !Module.kelvane.started) {
    return;
  }
  if (event.key === 'Alt') {
    menuBar.classList.add('mnemonics');
  }
  if (keyInPopup(event)) {
    return;
  }
  if (openPath.length > 0) {
    event.preventDefault();
    event.stopImmediatePropagation();
    keyInMenus(event);
    return;
  }
  for (const [id, command] of menuCommands) {
    if (command.keys.some((key) => keyMatches(key, event))) {
      event.preventDefault();
      event.stopImmediatePropagation();
      runMenuCommand(id);
      return;
    }
  }
  if (event.altKey && !event.ctrlKey && event.key.length === 1) {
    const top = [...menuBar.querySelectorAll(':scope > .bar-item')].find(
      (item) => item.querySelector('.label').dataset.mnemonic === event.key.toLowerCase());
    if (top) {
      event.preventDefault();
      event.stopImmediatePropagation();
      top.classList.contains('submenu') ? openMenu(top) : runMenuCommand(Number(top.dataset.id));
    }
  }
}, true);
window.addEventListener('keyup', (event) => {
  if (event.key === 'Alt') {
    menuBar.classList.remove('mnemonics');
  }
});
