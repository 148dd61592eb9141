#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of the web page for the manual and the README, from a built site in headless Chromium:
# play at a desktop's size with a piece's preview under the pointer, the Field menu open at its
# Hide piece submenu, the Game menu, the orientation popup, Options with its colour chooser, and
# the touch layout at a phone's width after a first tap, and the guide's bubble at its second step.
# Given a LANGUAGE ("de"), New game and Options in that language at a desktop's and a phone's width
# instead, to see that longer words keep the dialogs' layout. All but the guide's picture open the
# page with ?noguide, which keeps the first visit's guide shut.
# Usage: web_shots.py SITE_FOLDER OUTPUT_FOLDER [LANGUAGE]
import os
import sys
import tempfile
import time

import devtools


def started(tab):
    tab.wait('document.documentElement.dataset.firstFrameMs', 'the first frame')
    time.sleep(0.3)


def canvas_point(tab, x, y):
    box = tab.evaluate('(() => { const b = canvas.getBoundingClientRect(); return [b.left, b.top]; })()')
    return box[0] + x, box[1] + y


def element_point(tab, selector):
    return tab.evaluate('(() => { const b = document.querySelector(%r).getBoundingClientRect(); '
                        'return [b.left + b.width / 2, b.top + b.height / 2]; })()' % selector)


def move(tab, x, y):
    tab.send('Input.dispatchMouseEvent', {'type': 'mouseMoved', 'x': x, 'y': y})
    time.sleep(0.3)


def dialogs_in(browser, address, language, out):
    for width, height, suffix in ((1280, 800, ''), (390, 844, '-phone')):
        tab = browser.open('about:blank')
        tab.send('Emulation.setUserAgentOverride', {'userAgent': 'Mozilla/5.0', 'acceptLanguage': language})
        tab.send('Emulation.setDeviceMetricsOverride',
                 {'width': width, 'height': height, 'deviceScaleFactor': 2 if suffix else 1, 'mobile': bool(suffix)})
        tab.send('Page.navigate', {'url': address})
        started(tab)
        tab.key(ord('N'), 1)
        time.sleep(0.3)
        tab.click(*element_point(tab, '#new-game-list .entry:nth-child(6)'))
        time.sleep(0.6)
        tab.screenshot(os.path.join(out, 'web-new-game-%s%s.png' % (language, suffix)))
        tab.key(27)
        tab.click(*element_point(tab, '#menubar > [data-id="32871"]'))
        time.sleep(0.5)
        tab.screenshot(os.path.join(out, 'web-options-%s%s.png' % (language, suffix)))
        tab.close()


def main():
    site, out, *language = sys.argv[1:4]
    address = devtools.serve(site)
    with tempfile.TemporaryDirectory(ignore_cleanup_errors=True) as profile:
        browser = devtools.Browser(profile, 1280, 800)
        try:
            if language:
                dialogs_in(browser, address + '?noguide', language[0], out)
                return
            tab = browser.open(address + '?noguide')
            started(tab)
            tab.click(*canvas_point(tab, 64, 175))
            tab.send('Input.dispatchMouseEvent', dict(zip('xy', canvas_point(tab, 380, 260)), type='mouseMoved'))
            time.sleep(0.3)
            tab.screenshot(os.path.join(out, 'web-page.png'))
            # The piece laid and hidden (Ctrl+2): a checked item in the Hide piece submenu.
            tab.click(*canvas_point(tab, 380, 260))
            tab.key(ord('2'), 2)
            tab.click(*element_point(tab, '#menubar > .bar-item:nth-child(2)'))
            move(tab, *element_point(tab, '.bar-item.open .item.submenu'))
            move(tab, *element_point(tab, '.item.submenu.open [data-id="32859"]'))
            tab.screenshot(os.path.join(out, 'web-menu.png'))
            tab.evaluate('closeMenus()')
            # The Game menu: Alt+N where the browser keeps Ctrl+N.
            tab.click(*element_point(tab, '#menubar > .bar-item:nth-child(1)'))
            move(tab, *element_point(tab, '.bar-item.open .item.submenu'))
            tab.screenshot(os.path.join(out, 'web-menu-game.png'))
            tab.evaluate('closeMenus()')
            tab.key(ord('2'), 2)
            tab.click(*canvas_point(tab, 64, 240))
            move(tab, *canvas_point(tab, 380, 260))
            tab.click(*canvas_point(tab, 380, 260), 'right')
            time.sleep(0.3)
            move(tab, *element_point(tab, '#orientation-popup .column:nth-child(2) canvas:nth-of-type(3)'))
            tab.screenshot(os.path.join(out, 'web-popup.png'))
            # Options with the colour chooser open under Background.
            tab.key(27)
            tab.click(*element_point(tab, '#menubar > [data-id="32871"]'))
            time.sleep(0.5)
            tab.click(*element_point(tab, '#options .swatch'))
            move(tab, *element_point(tab, '#options .swatches button:nth-child(7)'))
            tab.screenshot(os.path.join(out, 'web-options.png'))
            tab.key(27)
            tab.key(27)
            # New game with a library figure previewed and counted.
            tab.key(ord('N'), 1)
            time.sleep(0.3)
            tab.click(*element_point(tab, '#new-game-list .entry:nth-child(6)'))
            time.sleep(0.6)
            tab.screenshot(os.path.join(out, 'web-new-game.png'))
            tab.key(27)
            tab.close()

            phone = browser.open('about:blank')
            phone.send('Emulation.setDeviceMetricsOverride',
                       {'width': 390, 'height': 844, 'deviceScaleFactor': 2, 'mobile': True})
            phone.send('Emulation.setTouchEmulationEnabled', {'enabled': True, 'maxTouchPoints': 5})
            phone.send('Page.navigate', {'url': address + '?noguide'})
            started(phone)
            # Stacked at scale 3: the panel's third item, then a first tap on the field's middle.
            for x, y in ((228, 40), (184, 330)):
                phone.touch('touchStart', [canvas_point(phone, x, y)])
                phone.touch('touchEnd', [])
                time.sleep(0.3)
            phone.screenshot(os.path.join(out, 'web-phone.png'))
            phone.close()

            # Help > Guided first puzzle, a piece chosen: the bubble beside it.
            tab = browser.open(address)
            started(tab)
            tab.click(*element_point(tab, '#menubar > .bar-item:has([data-id="32941"])'))
            tab.click(*element_point(tab, '[data-id="32941"]'))
            time.sleep(0.3)
            tab.click(*canvas_point(tab, 64, 240))
            time.sleep(0.5)
            tab.screenshot(os.path.join(out, 'web-guide.png'))
        finally:
            browser.close()


main()
