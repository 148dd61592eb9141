#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The web page in headless Chromium: it starts without a problem shown, its first frame equals the
# native composition of the same state, and a piece chosen and laid by clicks changes the picture
# and the commands. Usage: browser_test.py SITE_FOLDER CHECKS_JS REFERENCE_PROGRAM
import http.server
import os
import subprocess
import sys
import tempfile
import threading

site, checks, reference = sys.argv[1:4]


class Handler(http.server.SimpleHTTPRequestHandler):
    def __init__(self, *args, **kwargs):
        super().__init__(*args, directory=site, **kwargs)

    def do_GET(self):
        # check.html is the game's page with the test's script after the page's own.
        if self.path.startswith('/check.html') or self.path == '/checks.js':
            if self.path == '/checks.js':
                body = open(checks, 'rb').read()
            else:
                page = open(os.path.join(site, 'index.html'), encoding='utf-8').read()
                body = page.replace('</body>', '<script src="checks.js"></script>\n</body>').encode()
            self.send_response(200)
            self.send_header('Content-Type', 'text/javascript' if self.path == '/checks.js' else 'text/html')
            self.send_header('Content-Length', str(len(body)))
            self.end_headers()
            self.wfile.write(body)
        else:
            super().do_GET()

    def log_message(self, *args):
        pass


server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), Handler)
threading.Thread(target=server.serve_forever, daemon=True).start()
failures = []
with tempfile.TemporaryDirectory() as profile, tempfile.TemporaryDirectory() as empty:
    expected = subprocess.run([reference, empty], capture_output=True, text=True, check=True).stdout.split()
    # The page runs on Chromium's virtual clock: the dump comes once the page is idle.
    dom = subprocess.run(['chromium', '--headless', '--no-sandbox', '--disable-gpu',
                          '--user-data-dir=' + profile, '--window-size=1280,800',
                          '--virtual-time-budget=30000', '--dump-dom',
                          'http://127.0.0.1:%d/check.html' % server.server_port],
                         capture_output=True, text=True, timeout=120).stdout
server.shutdown()

lines = dom.split('<pre id="check-results">')[-1].split('</pre>')[0].split('\n') if 'check-results' in dom else []
seen = {line.split()[0]: line.split()[1:] for line in lines if line.strip()}
if '<p id="problem" hidden' not in dom:
    failures.append('the page shows a problem: ' + dom.split('id="problem"')[-1][:200])
if seen.get('first-frame') != expected:
    failures.append('first frame %s, native %s' % (seen.get('first-frame'), expected))
if 'chosen' not in seen or seen['chosen'][0] == expected[2]:
    failures.append('choosing piece 1 in the panel changed nothing: %s' % seen.get('chosen'))
if 'laid' not in seen or seen['laid'][0] == seen.get('chosen', [''])[0] or seen['laid'][2] != 'true':
    failures.append('laying the piece by a click did not show or enable Undo: %s' % seen.get('laid'))
for failure in failures:
    print('FAIL:', failure)
print('seen:', seen)
sys.exit(1 if failures else 0)
