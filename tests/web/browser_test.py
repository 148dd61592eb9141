#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The web page in headless Chromium, driven in real time over the DevTools protocol on a pipe, and
# held against the native session of the same core (REFERENCE_PROGRAM prints it): the page starts
# without an error and shows the native first frame; piece 1 is chosen and laid by clicks; the
# files reach the browser's storage; a second tab says the game is open elsewhere; a reload resumes
# with the native frame and the same files; the default figure is won by clicks, taps, keys and the
# wheel, with the congratulation shown; Show all pieces, searched in the page's worker, lays the
# native completion; the menu bar, the orientation popup, the touch gestures and the Options
# dialog reach the core; the status line gets its tier and By cubes its count from the worker; Help >
# Guided first puzzle opens the guide, which a click moves on and Skip ends; at a phone's width the
# area stacks and taps still reach it; a German browser gets German menus and dialogs; a saved
# puzzle and an uploaded one are listed in New game after a reload.
# Usage: browser_test.py SITE_FOLDER CHECKS_JS REFERENCE_PROGRAM
import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'tools', 'web_shots'))
import devtools  # noqa: E402

site, checks, reference = sys.argv[1:4]


# The canvas's client coordinates on the page.
def canvas_point(tab, x, y):
    box = tab.evaluate('kelvaneTest.canvasBox()')
    return box['left'] + x, box['top'] + y


def settle(tab):
    return tab.evaluate('kelvaneTest.settled()')


def run(browser, url, session, failures, seen):
    started = time.monotonic()
    tab = browser.open(url)
    seen['first frame ms'] = int(tab.wait('document.documentElement.dataset.firstFrameMs', 'the first frame'))
    seen['load to first frame s'] = round(time.monotonic() - started, 2)
    settle(tab)
    inputs = iter(session)
    replay(tab, inputs, 'reload', failures)
    if not tab.evaluate('kelvaneTest.undoEnabled()'):
        failures.append('laying piece 1 by clicks did not enable Undo')
    tab.wait('kelvaneTest.filesSynced()', 'the files reaching the browser\'s storage')
    files = tab.evaluate('kelvaneTest.playerFiles()')

    other = browser.open(url)
    notice = other.wait('!document.getElementById("notice").hidden && document.getElementById("notice").textContent',
                        'the second tab\'s notice')
    if 'another tab' not in notice or other.evaluate('Module.kelvane.started'):
        failures.append('the second tab played on: %r' % notice)
    other.close()

    tab.send('Page.reload')
    tab.wait('document.documentElement.dataset.firstFrameMs', 'the first frame after the reload')
    settle(tab)
    if tab.evaluate('kelvaneTest.playerFiles()') != files:
        failures.append('the reload found other files: %s, before %s' % (tab.evaluate('kelvaneTest.playerFiles()'), files))
    if replay(tab, inputs, 'won', failures) != 'dialog' or 'Congratulations' not in tab.evaluate(
            'document.getElementById("message-text").textContent'):
        failures.append('the last piece brought no congratulation')
    tab.evaluate('document.querySelector("#message-buttons button").click()')
    settle(tab)
    show_all(tab, inputs, failures)
    presses = [line.split()[1:3] for line in session if line.split()[0] in ('press', 'tap')]
    menus_and_popup(tab, presses, failures)
    touch_gestures(tab, presses[-1], failures)
    status_and_count(tab, [line.split()[1:3] for line in inputs if line.startswith('cube')], failures)
    save_and_new_game(tab, failures)
    options_dialog(tab, failures)
    guided_first_puzzle(tab, presses[0], failures)
    phone_width(tab, failures)
    spoken_language(tab, failures)
    errors = tab.errors()
    if errors or tab.evaluate('!document.getElementById("problem").hidden'):
        failures.append('the page reported errors: %s' % errors[:3])


def click_element(tab, selector, button='left'):
    x, y = tab.evaluate('kelvaneTest.look(%r)' % selector)[:2]
    tab.click(x, y, button)
    return settle(tab)


# Restart puzzle by its key, then Analyse > Show all pieces from the menu bar, answered Yes and OK:
# the search worker's completion arrives in the frame as the native core's does.
def show_all(tab, inputs, failures):
    next(inputs)
    expected = next(inputs).split()[1:]
    tab.key(ord('R'), 2)
    settle(tab)
    click_element(tab, '#menubar > .bar-item:has([data-id="32886"])')
    click_element(tab, '[data-id="32886"]')
    for text in ('Are you shure?', 'Test is passed successfully'):
        tab.wait('document.getElementById("message").open && '
                 'document.getElementById("message-text").textContent === %r' % text, text)
        tab.evaluate('document.querySelector("#message-buttons button").click()')
    tab.send('Input.dispatchMouseEvent', {'type': 'mouseMoved', 'x': 1270, 'y': 790})
    settle(tab)
    if tab.evaluate('kelvaneTest.frame()') != ' '.join(expected):
        failures.append('after Show all pieces the frame is %s, native %s' % (tab.evaluate('kelvaneTest.frame()'), expected))


# On the won figure: Ctrl+1 checks Hide piece 1, Redo shows greyed, Field > Rotate +90 degrees turns
# the frame; after Ctrl+R (Restart puzzle) and Ctrl+Right (the turn back), piece 1 is chosen and
# two items of its popup give two previews at the last cell laid on. `presses` are the session's clicks
# and taps, the first on the panel's piece 1.
def menus_and_popup(tab, presses, failures):
    ctrl = 2
    tab.key(ord('1'), ctrl)
    click_element(tab, '#menubar > .bar-item:nth-child(2)')
    hide, redo = (tab.evaluate('kelvaneTest.look(\'[data-id="%d"]\')' % id) for id in (32852, 32911))
    if not hide[4] or not redo[3]:
        failures.append('Hide piece 1 checked %s, Redo greyed %s' % (hide[4], redo[3]))
    before = tab.evaluate('kelvaneTest.frame()')
    click_element(tab, '[data-id="32850"]')
    if tab.evaluate('kelvaneTest.frame()') == before or tab.evaluate('kelvaneTest.look(\'[data-id="32850"]\')')[2]:
        failures.append('Field > Rotate +90 degrees did not turn the frame and close the menu')
    for code in (ord('R'), 39):
        tab.key(code, ctrl)
        settle(tab)
    tab.click(*canvas_point(tab, *map(int, presses[0])))
    settle(tab)
    previews = []
    for item in (1, 2):
        tab.click(*canvas_point(tab, *map(int, presses[-1])), button='right')
        settle(tab)
        if tab.evaluate('document.querySelectorAll("#orientation-popup canvas").length') < 8:
            failures.append('no orientation popup at a right click on the field')
            return
        click_element(tab, '#orientation-popup canvas:nth-of-type(%d)' % item)
        previews.append(tab.evaluate('kelvaneTest.frame()'))
    if previews[0] == previews[1] or tab.evaluate('!!document.getElementById("orientation-popup")'):
        failures.append('two orientations chosen in the popup gave the same preview')


# A long press on the field opens the popup; two fingers swiped sideways turn the frame.
def touch_gestures(tab, at, failures):
    tab.touch('touchStart', [canvas_point(tab, *map(int, at))])
    time.sleep(0.7)
    tab.touch('touchEnd', [])
    tab.wait('!!document.getElementById("orientation-popup")', 'the popup at a long press')
    before = tab.evaluate('kelvaneTest.frame()')
    x, y = canvas_point(tab, 300, 200)
    tab.touch('touchStart', [(x, y), (x, y + 40)])
    for step in (20, 40, 60):
        tab.touch('touchMove', [(x + step, y), (x + step, y + 40)])
    tab.touch('touchEnd', [])
    settle(tab)
    if tab.evaluate('kelvaneTest.frame()') == before or tab.evaluate('!!document.getElementById("orientation-popup")'):
        failures.append('a two-finger swipe did not close the popup and turn the view')


# Options from the menu bar: the first custom colour for the background and the Oak skin, whose
# picture is fetched only once it is shown, applied by OK, repaint the frame and reach the files.
def options_dialog(tab, failures):
    before = tab.evaluate('kelvaneTest.frame()')
    skins = tab.evaluate('kelvaneTest.skinsFetched()')
    for selector in ('#menubar > [data-id="32871"]', '#options .swatch', '#options .swatches button',
                     '#options select.skins option:nth-child(4)', '#options button[type=submit]'):
        # The chooser's swatches are small and placed as it opens: the first is clicked where it is.
        if 'swatches' in selector:
            tab.evaluate('document.querySelector(%r).click()' % selector)
        else:
            click_element(tab, selector)
    # OK closes the dialog once the core has the options.
    tab.wait('!document.getElementById("options").open && kelvaneTest.filesSynced()',
             'the options reaching the browser\'s storage')
    settle(tab)
    kept = tab.evaluate('kelvaneTest.playerFiles()["Kelvane.ini"]')
    if (tab.evaluate('kelvaneTest.frame()') == before or
            'COLOR_BACK = 255' not in kept or 'SKIN_INDEX = 3' not in kept or
            [skins, tab.evaluate('kelvaneTest.skinsFetched()')] != [['skin-2.png'], ['skin-2.png', 'skin-4.png']]):
        failures.append('Options did not apply the colour and skin: skins fetched %s, %s' % (
            skins, kept))


# Help > Guided first puzzle shows the guide's first step; piece 1 chosen by a click at `piece` on
# the panel moves it to the second; Skip ends it.
def guided_first_puzzle(tab, piece, failures):
    click_element(tab, '#menubar > .bar-item:has([data-id="32941"])')
    click_element(tab, '[data-id="32941"]')
    counter = 'document.querySelector("#guide:not([hidden]) .guide-counter")?.textContent'
    steps = [tab.evaluate(counter)]
    tab.click(*canvas_point(tab, *map(int, piece)))
    settle(tab)
    steps.append(tab.evaluate(counter))
    click_element(tab, '#guide .guide-skip')
    steps.append(tab.evaluate(counter))
    if steps != ['1 of 8', '2 of 8', None]:
        failures.append('the guide went %s, not 1 of 8, 2 of 8 and shut' % steps)


# At a phone's width the client area stacks and shrinks to the width; a tap on the panel's fourth
# item, in the panel's top row, reaches the core through the shrinking and changes the frame.
def phone_width(tab, failures):
    tab.send('Emulation.setDeviceMetricsOverride', {'width': 360, 'height': 740, 'deviceScaleFactor': 1, 'mobile': True})
    tab.wait('canvas.height > canvas.width && canvas.getBoundingClientRect().width <= 360', 'the stacked area')
    settle(tab)
    before = tab.evaluate('kelvaneTest.frame()')
    shrunk = tab.evaluate('canvas.getBoundingClientRect().width / canvas.width')
    box = tab.evaluate('kelvaneTest.canvasBox()')
    tab.touch('touchStart', [(box['left'] + (8 + 3 * 88 + 44) * shrunk, box['top'] + 40 * shrunk)])
    tab.touch('touchEnd', [])
    settle(tab)
    if tab.evaluate('kelvaneTest.frame()') == before:
        failures.append('a tap on the stacked panel did not reach the core')
    tab.send('Emulation.clearDeviceMetricsOverride')


# A browser that asks for German gets the menus and the page's dialogs from the German
# translation file.
def spoken_language(tab, failures):
    tab.send('Emulation.setUserAgentOverride', {'userAgent': 'Mozilla/5.0', 'acceptLanguage': 'de'})
    tab.send('Page.reload')
    tab.wait('document.documentElement.dataset.firstFrameMs', 'the first frame in German')
    game = tab.evaluate('document.querySelector("#menubar > .bar-item > .label").textContent')
    if game != 'Spiel' or tab.evaluate('document.documentElement.lang') != 'de':
        failures.append('a German browser got the menu %r' % game)
    # The page's own words: index.html's New game (Alt+N) and the Options dialog the script builds.
    words = '[...document.querySelectorAll("%s")].map((element) => element.textContent)'
    tab.key(ord('N'), 1)
    tab.wait('document.getElementById("new-game").open', 'the German New game')
    shown = tab.evaluate(words % '#new-game h1, #new-game-add')
    tab.key(27)
    click_element(tab, '#menubar > [data-id="32871"]')
    tab.wait('document.getElementById("options").open', 'the German Options')
    shown += tab.evaluate(words % '#options h1, #options legend')[:2]
    if shown != ['Neues Spiel', 'Dateien hinzufügen…', 'Optionen', 'Farben']:
        failures.append('a German browser got the dialogs %s' % shown)


# The status line names the figure in play and its tier once the search worker has counted it; a
# figure built by the clicks `cubes` in By cubes gets its count on the panel from the worker too.
def status_and_count(tab, cubes, failures):
    line = tab.wait('(line => !line.includes("\\u2026") && line)(document.getElementById("status-line").textContent)',
                    'the status line with a tier')
    parts = line.split(' \u00b7 ')
    if not parts[0] or parts[1:2] not in (['Easy'], ['Medium'], ['Hard'], ['Expert']):
        failures.append('the status line says %r' % line)
    tab.key(ord('C'), 2)
    for x, y in cubes:
        tab.click(*canvas_point(tab, int(x), int(y)))
    settle(tab)
    tab.wait('(count => count && !count.includes("\\u2026"))(document.getElementById("design-count").textContent)',
             'the count of the figure built')


# The figure built in By cubes is saved as Mine; after a reload Game > New lists it beside the
# library, a file added there is listed too, and an entry chosen and OK start it.
def save_and_new_game(tab, failures):
    ctrl = 2
    tab.key(ord('S'), ctrl)
    tab.wait('document.getElementById("save-puzzle").open', 'the Save puzzle dialog')
    for typed in 'Mi:ne':
        tab.send('Input.insertText', {'text': typed})
    click_element(tab, '#save-puzzle-ok')
    tab.wait('FS.analyzePath("/game/Puzzles/Mine.kvp").exists && kelvaneTest.filesSynced()', 'the puzzle saved')
    tab.send('Page.reload')
    tab.wait('document.documentElement.dataset.firstFrameMs', 'the first frame after the second reload')
    settle(tab)
    click_element(tab, '#menubar > .bar-item:nth-child(1)')
    click_element(tab, '[data-id="32865"]')
    tab.wait('document.getElementById("new-game").open', 'the New game dialog')
    with tempfile.NamedTemporaryFile('w', suffix='.kvp') as added:
        added.write('[SIZE]\r\nDX=1\r\nDY=1\r\nDZ=1\r\n[Z0]\r\nY0=1\r\n')
        added.flush()
        node = tab.send('DOM.querySelector', {'nodeId': tab.send('DOM.getDocument')['root']['nodeId'],
                                              'selector': '#new-game-files'})['nodeId']
        tab.send('DOM.setFileInputFiles', {'nodeId': node, 'files': [added.name]})
        tab.wait('kelvaneTest.newGameNames()[0].includes(%r)' % os.path.basename(added.name), 'the file added')
        listed, library = tab.evaluate('kelvaneTest.newGameNames()')
    missing = [name for name in library + ['Mine.kvp'] if name not in listed]
    if not library or missing:
        failures.append('New game lists %d names, without %s' % (len(listed), missing[:5]))
    before = tab.evaluate('kelvaneTest.frame()')
    tab.evaluate('document.querySelector("#new-game-list .entry:nth-child(2)").scrollIntoView()')
    click_element(tab, '#new-game-list .entry:nth-child(2)')
    tab.wait('document.getElementById("new-game-counts").textContent.includes("distinct")',
             'the counts of the entry chosen')
    click_element(tab, '#new-game-ok')
    if tab.evaluate('document.getElementById("new-game").open') or tab.evaluate('kelvaneTest.frame()') == before:
        failures.append('OK in New game did not start the puzzle chosen')


# Replays the native session's inputs up to the line `until`, holding the page's frame against each
# native one on the way; returns how the page settled.
def replay(tab, inputs, until, failures):
    state, last = 'idle', 'the start'
    for line in inputs:
        words = line.split()
        if words[0] == until:
            return state
        if words[0] == 'frame':
            if tab.evaluate('kelvaneTest.frame()') != ' '.join(words[1:]):
                failures.append('after %s the frame is %s, native %s' % (last, tab.evaluate('kelvaneTest.frame()'), words[1:]))
            continue
        last = line
        if words[0] == 'press':
            tab.click(*canvas_point(tab, int(words[1]), int(words[2])))
        elif words[0] == 'tap':
            tab.touch('touchStart', [canvas_point(tab, int(words[1]), int(words[2]))])
            tab.touch('touchEnd', [])
        elif words[0] == 'key':
            tab.key(int(words[1]))
        elif words[0] == 'wheel':
            # The wheel turned away from the player (a negative deltaY) is a positive delta.
            tab.wheel(*canvas_point(tab, 300, 200), -int(words[1]))
        else:
            continue
        state = settle(tab)
    return state


def main():
    # check.html is the game's page with the test's helpers after the page's own script.
    page = open(os.path.join(site, 'index.html'), encoding='utf-8').read()
    address = devtools.serve(site, {
        '/check.html': (page.replace('</body>', '<script src="checks.js"></script>\n</body>').encode(), 'text/html'),
        '/checks.js': (open(checks, 'rb').read(), 'text/javascript')})
    failures, seen = [], {}
    with tempfile.TemporaryDirectory(ignore_cleanup_errors=True) as profile, tempfile.TemporaryDirectory() as empty:
        session = subprocess.run([reference, empty], capture_output=True, text=True, check=True).stdout.splitlines()
        # Tall enough for By cubes' field at the native scale: the page fits its area to the window.
        browser = devtools.Browser(profile, 1280, 1200)
        try:
            # The first visit's guide stays shut, as the native session has none.
            run(browser, address + 'check.html?noguide', session, failures, seen)
        except (TimeoutError, RuntimeError) as error:
            failures.append('stopped: %s' % error)
        finally:
            browser.close()
    for failure in failures:
        print('FAIL:', failure)
    print('seen:', seen)
    return 1 if failures else 0


sys.exit(main())
