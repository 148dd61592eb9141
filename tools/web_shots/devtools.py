# SPDX-License-Identifier: GPL-3.0-or-later
# Drives the system's Chromium, headless and in real time, over the DevTools protocol on a pipe:
# tabs, script evaluation, the page's own input events and pictures. The browser test and the
# web page's pictures use it; it needs nothing beyond Python's standard library.
import json
import os
import subprocess
import threading
import time

TIMEOUT = 30


class Browser:
    """Chromium with the protocol on file descriptors 3 (commands) and 4 (answers)."""

    def __init__(self, profile, width=1280, height=800):
        commands_read, self.commands = os.pipe()
        self.answers, answers_write = os.pipe()
        # Out of the way of 3 and 4, so that wiring one does not close the other.
        high = [os.dup2(fd, 100 + i, inheritable=False) for i, fd in enumerate((commands_read, answers_write))]

        def wire():
            os.dup2(high[0], 3)
            os.dup2(high[1], 4)

        self.process = subprocess.Popen(
            ['chromium', '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
             '--disable-background-networking', '--disable-component-update', '--disable-sync',
             '--user-data-dir=' + profile, '--window-size=%d,%d' % (width, height), '--remote-debugging-pipe',
             'about:blank'],
            preexec_fn=wire, close_fds=False, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for fd in (commands_read, answers_write, *high):
            os.close(fd)
        self.next_id = 0
        self.replies = {}
        self.events = []
        self.arrived = threading.Condition()
        threading.Thread(target=self.read, daemon=True).start()

    def read(self):
        pending = b''
        while chunk := os.read(self.answers, 1 << 16):
            *messages, pending = (pending + chunk).split(b'\0')
            with self.arrived:
                for message in map(json.loads, messages):
                    if 'id' in message:
                        self.replies[message['id']] = message
                    else:
                        self.events.append(message)
                self.arrived.notify_all()

    def send(self, method, params=None, session=None):
        self.next_id += 1
        asked = self.next_id
        message = {'id': asked, 'method': method, 'params': params or {}}
        if session:
            message['sessionId'] = session
        os.write(self.commands, json.dumps(message).encode() + b'\0')
        with self.arrived:
            if not self.arrived.wait_for(lambda: asked in self.replies, TIMEOUT):
                raise TimeoutError(method)
            reply = self.replies.pop(asked)
        if 'error' in reply:
            raise RuntimeError('%s: %s' % (method, reply['error']))
        return reply['result']

    def open(self, url):
        target = self.send('Target.createTarget', {'url': 'about:blank'})['targetId']
        tab = Tab(self, target, self.send('Target.attachToTarget', {'targetId': target, 'flatten': True})['sessionId'])
        tab.send('Runtime.enable')
        tab.send('Page.navigate', {'url': url})
        return tab

    def close(self):
        self.process.kill()
        self.process.wait()


class Tab:
    def __init__(self, browser, target, session):
        self.browser, self.target, self.session = browser, target, session

    def send(self, method, params=None):
        return self.browser.send(method, params, self.session)

    def evaluate(self, expression):
        answer = self.send('Runtime.evaluate', {'expression': expression, 'awaitPromise': True, 'returnByValue': True})
        if 'exceptionDetails' in answer:
            raise RuntimeError('%s: %s' % (expression, answer['exceptionDetails']))
        return answer['result'].get('value')

    def wait(self, expression, what):
        deadline = time.monotonic() + TIMEOUT
        while time.monotonic() < deadline:
            try:
                value = self.evaluate(expression)
            except RuntimeError:
                value = None
            if value:
                return value
            time.sleep(0.05)
        raise TimeoutError(what)

    def errors(self):
        with self.browser.arrived:
            return [event for event in self.browser.events if event.get('sessionId') == self.session and (
                event['method'] == 'Runtime.exceptionThrown' or
                event['method'] == 'Runtime.consoleAPICalled' and event['params']['type'] == 'error')]

    def close(self):
        self.browser.send('Target.closeTarget', {'targetId': self.target})

    # The browser's own input events, at (x, y) of the page.
    def click(self, x, y, button='left'):
        self.send('Input.dispatchMouseEvent', {'type': 'mouseMoved', 'x': x, 'y': y})
        for kind in ('mousePressed', 'mouseReleased'):
            self.send('Input.dispatchMouseEvent', {'type': kind, 'x': x, 'y': y, 'button': button, 'clickCount': 1})

    # `modifiers` as the protocol counts them: Alt 1, Ctrl 2, Meta 4, Shift 8.
    def key(self, code, modifiers=0):
        name = NAMED_KEYS.get(code, chr(code).lower() if chr(code).isalpha() else '')
        for kind in ('rawKeyDown', 'keyUp'):
            self.send('Input.dispatchKeyEvent', {'type': kind, 'windowsVirtualKeyCode': code, 'key': name,
                                                 'code': 'Key' + name.upper() if len(name) == 1 else name,
                                                 'modifiers': modifiers})

    def wheel(self, x, y, delta_y):
        self.send('Input.dispatchMouseEvent', {'type': 'mouseWheel', 'x': x, 'y': y, 'deltaX': 0, 'deltaY': delta_y})

    def touch(self, kind, points):
        self.send('Input.dispatchTouchEvent', {'type': kind, 'touchPoints': [{'x': x, 'y': y} for x, y in points]})

    def screenshot(self, path):
        import base64
        with open(path, 'wb') as out:
            out.write(base64.b64decode(self.send('Page.captureScreenshot', {'format': 'png'})['data']))


# The names a browser gives the keys that type no letter.
NAMED_KEYS = {13: 'Enter', 27: 'Escape', 37: 'ArrowLeft', 38: 'ArrowUp', 39: 'ArrowRight', 40: 'ArrowDown'}


def serve(site, extra=None):
    """Serves the folder `site` on 127.0.0.1, with `extra` pages ({path: (bytes, type)}) beside it;
    returns the address."""
    import functools
    import http.server

    class Handler(http.server.SimpleHTTPRequestHandler):
        def do_GET(self):
            path = self.path.partition('?')[0]
            if path in (extra or {}):
                body, kind = extra[path]
                self.send_response(200)
                self.send_header('Content-Type', kind)
                self.send_header('Content-Length', str(len(body)))
                self.end_headers()
                self.wfile.write(body)
            else:
                super().do_GET()

        def log_message(self, *args):
            pass

    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), functools.partial(Handler, directory=site))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return 'http://127.0.0.1:%d/' % server.server_port
