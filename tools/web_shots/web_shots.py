#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of the web page for the manual and the README, from a built site in headless Chromium:
# play at a desktop's size with a piece's preview under the pointer, and the touch layout at a
# phone's width after a first tap. Usage: web_shots.py SITE_FOLDER OUTPUT_FOLDER
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


def main():
    site, out = sys.argv[1:3]
    address = devtools.serve(site)
    with tempfile.TemporaryDirectory(ignore_cleanup_errors=True) as profile:
        browser = devtools.Browser(profile, 1280, 800)
        try:
            tab = browser.open(address)
            started(tab)
            tab.click(*canvas_point(tab, 64, 175))
            tab.send('Input.dispatchMouseEvent', dict(zip('xy', canvas_point(tab, 380, 260)), type='mouseMoved'))
            time.sleep(0.3)
            tab.screenshot(os.path.join(out, 'web-page.png'))
            tab.close()

            phone = browser.open('about:blank')
            phone.send('Emulation.setDeviceMetricsOverride',
                       {'width': 390, 'height': 844, 'deviceScaleFactor': 2, 'mobile': True})
            phone.send('Emulation.setTouchEmulationEnabled', {'enabled': True, 'maxTouchPoints': 5})
            phone.send('Page.navigate', {'url': address})
            started(phone)
            phone.screenshot(os.path.join(out, 'web-phone.png'))
        finally:
            browser.close()


main()
