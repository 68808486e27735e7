#!/usr/bin/python3
"""The web runtime in Debian's headless Chromium, driven through chromedriver.

`okit web` writes the gallery's site, a local server serves it from
127.0.0.1, and the page must show the first frame `okit render` draws, pixel
for pixel, and log exactly the event lines `okit script` prints for the same
input (gallery_sequence.scenario). The login example's web build must sign
in through its own handlers.

    OKIT=build/okit /usr/bin/python3 tests/web/test_web_page.py

tools/build-web.sh puts the login example's site in build/web/login-site
(OKIT_LOGIN_SITE names another).
"""

import functools
import http.server
import os
import subprocess
import tempfile
import threading
import time
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.keys import Keys

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.dirname(os.path.dirname(HERE))
OKIT = os.environ.get('OKIT', os.path.join(SOURCE, 'build', 'okit'))
GALLERY = os.path.join(SOURCE, 'examples', 'gallery.frm')
LOGIN_SITE = os.environ.get('OKIT_LOGIN_SITE', os.path.join(os.path.dirname(OKIT), 'web', 'login-site'))
PAGE_WAIT_SECONDS = 20

# Keeps a copy of what the page's first update paints (all of it happens in
# one task), before the form's timers change anything: the first frame.
KEEP_FIRST_FRAME = """
const put = CanvasRenderingContext2D.prototype.putImageData;
window.firstFrame = null;
CanvasRenderingContext2D.prototype.putImageData = function (data, x, y) {
  if (window.firstFrame === null) {
    window.firstFrame = document.createElement('canvas');
    firstFrame.width = this.canvas.width;
    firstFrame.height = this.canvas.height;
    queueMicrotask(() => { window.firstFrameDone = true; });
  }
  if (!window.firstFrameDone) put.call(firstFrame.getContext('2d'), data, x, y);
  return put.apply(this, arguments);
};
"""

# Reads the first frame and the reference PNG, both as RGBA, and counts the
# pixels that differ.
COMPARE_WITH_PNG = """
const [png, done] = arguments;
const canvas = window.firstFrame;
const image = new Image();
image.onload = () => {
  const reference = document.createElement('canvas');
  reference.width = image.width;
  reference.height = image.height;
  const context = reference.getContext('2d');
  context.drawImage(image, 0, 0);
  const want = context.getImageData(0, 0, image.width, image.height).data;
  const got = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
  let differing = 0, first = null;
  if (canvas.width === image.width && canvas.height === image.height) {
    for (let i = 0; i < want.length; i += 4) {
      if (want[i] !== got[i] || want[i + 1] !== got[i + 1] || want[i + 2] !== got[i + 2]) {
        if (first === null) first = [(i / 4) % image.width, Math.floor(i / 4 / image.width)];
        differing++;
      }
    }
  }
  done({canvas: [canvas.width, canvas.height], png: [image.width, image.height], differing, first});
};
image.onerror = () => done({error: 'cannot load ' + png});
image.src = png;
"""


def okit(*args):
    return subprocess.run([OKIT, *args], check=True, capture_output=True, text=True).stdout


def event_lines(text):
    return [line for line in text.splitlines() if line.startswith('event ')]


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class Site:
    """A folder served over HTTP from 127.0.0.1 on a free port."""

    def __init__(self, folder):
        handler = functools.partial(QuietHandler, directory=folder)
        self.server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.url = 'http://127.0.0.1:%d/' % self.server.server_address[1]

    def close(self):
        self.server.shutdown()
        self.server.server_close()


def start_browser():
    options = Options()
    for argument in ('--headless=new', '--no-sandbox', '--disable-gpu', '--window-size=1280,800',
                     '--force-device-scale-factor=1'):
        options.add_argument(argument)
    browser = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
    browser.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {'source': KEEP_FIRST_FRAME})
    return browser


class Page:
    """One page of a site in the browser, loaded and showing its first frame."""

    def __init__(self, browser, url):
        self.browser = browser
        browser.get(url)
        deadline = time.monotonic() + PAGE_WAIT_SECONDS
        while not self.script('return window.okitStats && okitStats.firstFrameAt !== null'):
            problem = self.script('return document.getElementById("problem").textContent')
            if problem or time.monotonic() > deadline:
                raise AssertionError('the page shows no form: ' + (problem or 'nothing happened'))
            time.sleep(0.05)

    def script(self, code, *args):
        return self.browser.execute_script(code, *args)

    def events(self):
        return event_lines(self.script('return document.getElementById("events").textContent'))

    def pointer(self):
        return ActionBuilder(self.browser, duration=0)

    def move(self, x, y):
        actions = self.pointer()
        actions.pointer_action.move_to_location(x, y)
        actions.perform()

    # A pause first, so that no two clicks make a double click.
    def click(self, x, y):
        actions = self.pointer()
        actions.pointer_action.pause(0.6).move_to_location(x, y).click()
        actions.perform()

    def drag(self, start, end):
        actions = self.pointer()
        actions.pointer_action.move_to_location(*start).pointer_down().move_to_location(*end).pointer_up()
        actions.perform()

    def keys(self, *keys):
        ActionChains(self.browser, duration=0).send_keys(*keys).perform()

    def form_count(self):
        return self.script('return document.querySelectorAll("#desktop canvas").length')

    def form_position(self):
        return self.script('const c = document.querySelector("#desktop canvas");'
                           'return [parseInt(c.style.left), parseInt(c.style.top)]')


class GalleryPage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        site = os.path.join(cls.folder.name, 'site')
        okit('web', GALLERY, '-o', site)
        okit('render', GALLERY, '-o', os.path.join(site, 'expected.png'))
        cls.site = Site(site)
        cls.browser = start_browser()

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        cls.site.close()
        cls.folder.cleanup()

    def test_first_frame_is_what_okit_render_draws(self):
        page = Page(self.browser, self.site.url)
        result = self.browser.execute_async_script(COMPARE_WITH_PNG, 'expected.png')
        self.assertNotIn('error', result)
        self.assertEqual(result['canvas'], result['png'])
        self.assertEqual(result['differing'], 0, 'first differing pixel at %s' % result['first'])
        load = page.script('return performance.getEntriesByType("navigation")[0].loadEventEnd')
        print('\nfirst frame %.1f ms after the load event' % (page.script('return okitStats.firstFrameAt') - load))

    def test_input_logs_the_events_okit_script_prints(self):
        expected = event_lines(okit('script', os.path.join(HERE, 'gallery_sequence.scenario')))
        page = Page(self.browser, self.site.url)
        page.move(600, 467)
        page.click(638, 467)
        for _ in range(3):
            page.click(132, 188)
        page.click(620, 149)
        page.click(228, 312)
        page.keys('ab')
        page.drag((300, 110), (350, 140))
        self.assertEqual(page.events(), expected)
        # The drag moved the form by the cursor's way.
        self.assertEqual(page.form_position(), [150, 130])


class LoginPage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        if not os.path.isdir(LOGIN_SITE):
            raise unittest.SkipTest('no login site in ' + LOGIN_SITE)
        cls.site = Site(LOGIN_SITE)
        cls.browser = start_browser()

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        cls.site.close()

    def test_signs_in_once_a_user_name_is_typed(self):
        page = Page(self.browser, self.site.url)
        # The user name has the focus; Enter in the password box signs in,
        # but not without a user name.
        page.keys(Keys.TAB, 'secret', Keys.ENTER)
        self.assertEqual(page.form_count(), 1)
        page.keys(Keys.SHIFT + Keys.TAB + Keys.SHIFT, 'ada', Keys.TAB, Keys.ENTER)
        # Signing in unloads the dialog.
        self.assertEqual(page.form_count(), 0)


if __name__ == '__main__':
    unittest.main(verbosity=2)
