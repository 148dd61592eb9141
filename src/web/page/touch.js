// SPDX-License-Identifier: GPL-3.0-or-later
// Touch on the canvas: a tap previews, lays and picks up by the core's tap rule; a long press opens
// the orientation popup; two fingers swiped sideways turn the view, up or down change the layer.
// The touch events are taken whole, so the browser sends no emulated mouse events after them.
'use strict';

const kTapSlop = 10;
const kLongPressMs = 500;
const kSwipeStep = 48;
const kCmdRotatePlus90 = 32850;
const kCmdRotateMinus90 = 32848;

// One finger: where it went down, while it may still be a tap or a long press.
let touchStart = null;
let longPress = 0;
// Two fingers: where their middle was when the last step was taken.
let swipeFrom = null;

function forgetTouch() {
  touchStart = null;
  clearTimeout(longPress);
}

function middle(touches) {
  const [a, b] = [clientPoint(touches[0]), clientPoint(touches[1])];
  return [(a[0] + b[0]) / 2, (a[1] + b[1]) / 2];
}

canvas.addEventListener('touchstart', (event) => {
  event.preventDefault();
  forgetTouch();
  closeOrientationPopup();
  swipeFrom = event.touches.length === 2 ? middle(event.touches) : null;
  if (event.touches.length === 1) {
    touchStart = clientPoint(event.touches[0]);
    const {clientX, clientY} = event.touches[0];
    longPress = setTimeout(() => {
      touchStart = null;
      openOrientationPopup(clientX, clientY);
    }, kLongPressMs);
  }
}, {passive: false});

canvas.addEventListener('touchmove', (event) => {
  event.preventDefault();
  if (touchStart) {
    const [x, y] = clientPoint(event.changedTouches[0]);
    if (Math.hypot(x - touchStart[0], y - touchStart[1]) > kTapSlop) {
      forgetTouch();
    }
  }
  if (!swipeFrom || event.touches.length !== 2) {
    return;
  }
  const [x, y] = middle(event.touches);
  const [dx, dy] = [x - swipeFrom[0], y - swipeFrom[1]];
  if (Math.abs(dx) >= kSwipeStep && Math.abs(dx) > Math.abs(dy)) {
    callCore('kelvane_command', [dx > 0 ? kCmdRotateMinus90 : kCmdRotatePlus90]);
    swipeFrom = [x, y];
  } else if (Math.abs(dy) >= kSwipeStep) {
    // Fingers moving up raise the layer, as the wheel turned away from the player does.
    callCore('kelvane_wheel', [dy < 0 ? 120 : -120]);
    swipeFrom = [x, y];
  }
}, {passive: false});

canvas.addEventListener('touchend', (event) => {
  event.preventDefault();
  if (touchStart && event.touches.length === 0) {
    callCore('kelvane_tap', clientPoint(event.changedTouches[0]));
  }
  forgetTouch();
  if (event.touches.length < 2) {
    swipeFrom = null;
  }
}, {passive: false});

canvas.addEventListener('touchcancel', () => {
  forgetTouch();
  swipeFrom = null;
});
