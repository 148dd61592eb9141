// SPDX-License-Identifier: GPL-3.0-or-later
// The orientation popup of the selected piece: its items are pictures the core draws (one canvas
// each), laid out in the columns of the core's popup table; choosing one turns the piece.
'use strict';

let orientationPopup = null;  // {element, items: [{id, canvas}], highlighted}

function closeOrientationPopup() {
  if (orientationPopup) {
    orientationPopup.element.remove();
    orientationPopup = null;
  }
}

function paintOrientationItem(index, selected) {
  callCore('kelvane_paint_orientation_item', [orientationPopup.items[index].id, selected ? 1 : 0]);
}

function highlightOrientation(index) {
  const popup = orientationPopup;
  if (index === popup.highlighted) {
    return;
  }
  if (popup.highlighted >= 0) {
    paintOrientationItem(popup.highlighted, false);
  }
  popup.highlighted = index;
  if (index >= 0) {
    paintOrientationItem(index, true);
  }
}

function chooseOrientation(index) {
  const id = orientationPopup.items[index].id;
  closeOrientationPopup();
  callCore('kelvane_command', [id]);
}

// Called by the core with each composed item, device pixels of the BackBuffer.
function copyItem(id, pixels, stride, left, top, width, height) {
  const item = orientationPopup && orientationPopup.items.find((i) => i.id === id);
  if (item) {
    copyPixels(item.canvas.getContext('2d'), pixels, stride, left, top, width, height, left, top);
  }
}

// Opens the popup at (x, y) of the viewport, kept inside it, when the core has one to show.
async function openOrientationPopup(x, y) {
  closeOrientationPopup();
  const menuId = await callCore('kelvane_orientation_menu', [], 'number');
  if (!menuId) {
    return;
  }
  const ratio = Math.max(1, Math.round(canvas.width / canvas.clientWidth));
  const element = document.createElement('div');
  element.id = 'orientation-popup';
  element.setAttribute('role', 'menu');
  const items = [];
  let column = null;
  let columnIndex = -1;
  let row = 0;
  for (const entry of Module.kelvane.orientationMenus[menuId]) {
    if (!column || entry.column) {
      column = element.appendChild(document.createElement('div'));
      column.className = 'column';
      columnIndex += 1;
      row = 0;
    }
    const picture = Object.assign(document.createElement('canvas'),
      {width: 64 * ratio, height: 64 * ratio, title: entry.label});
    picture.setAttribute('role', 'menuitem');
    picture.setAttribute('aria-label', entry.label);
    const index = items.length;
    picture.addEventListener('mousemove', () => highlightOrientation(index));
    picture.addEventListener('click', () => chooseOrientation(index));
    column.append(picture);
    items.push({id: entry.id, canvas: picture, column: columnIndex, row: row++});
  }
  element.addEventListener('contextmenu', (event) => event.preventDefault());
  element.addEventListener('mouseleave', () => highlightOrientation(-1));
  document.body.append(element);
  orientationPopup = {element, items, highlighted: -1};
  const box = element.getBoundingClientRect();
  element.style.left = Math.max(0, Math.min(x, window.innerWidth - box.width)) + 'px';
  element.style.top = Math.max(0, Math.min(y, window.innerHeight - box.height)) + 'px';
  items.forEach((_, index) => paintOrientationItem(index, false));
}

// The item beside `at` in the next column (`step` 1) or the one before (-1), round the ends, in the
// same row or the last of a shorter column.
function besideOrientation(at, step) {
  const items = orientationPopup.items;
  const columns = items[items.length - 1].column + 1;
  const from = at >= 0 ? items[at] : {column: step > 0 ? -1 : columns, row: 0};
  const column = (from.column + step + columns) % columns;
  const inColumn = items.filter((item) => item.column === column);
  return items.indexOf(inColumn[Math.min(from.row, inColumn.length - 1)]);
}

// The keys while the popup is open: Up and Down move in a column and Left and Right across them,
// Enter chooses, Escape closes.
function keyInPopup(event) {
  if (!orientationPopup) {
    return false;
  }
  event.preventDefault();
  event.stopImmediatePropagation();
  const count = orientationPopup.items.length;
  const at = orientationPopup.highlighted;
  if (event.key === 'Escape') {
    closeOrientationPopup();
  } else if (event.key === 'ArrowDown') {
    highlightOrientation((at + 1) % count);
  } else if (event.key === 'ArrowUp') {
    highlightOrientation(at <= 0 ? count - 1 : at - 1);
  } else if (event.key === 'ArrowRight' || event.key === 'ArrowLeft') {
    highlightOrientation(besideOrientation(at, event.key === 'ArrowRight' ? 1 : -1));
  } else if (event.key === 'Enter' && at >= 0) {
    chooseOrientation(at);
  }
  return true;
}

canvas.addEventListener('contextmenu', (event) => {
  event.preventDefault();
  openOrientationPopup(event.clientX, event.clientY);
});
// The menu key (or Shift+F10) sends its event to the page's body: the popup opens at the
// keyboard's cell, as on the desktop.
document.body.addEventListener('contextmenu', (event) => {
  if (event.target !== document.body) {
    return;
  }
  event.preventDefault();
  callCore('kelvane_menu_key', [], 'number').then((place) => {
    if (place >= 0) {
      const box = canvas.getBoundingClientRect();
      openOrientationPopup(box.left + Math.floor(place / 65536) * shownScale,
        box.top + (place % 65536) * shownScale);
    }
  });
});
document.addEventListener('mousedown', (event) => {
  if (orientationPopup && !orientationPopup.element.contains(event.target)) {
    closeOrientationPopup();
  }
}, true);
window.addEventListener('blur', closeOrientationPopup);
