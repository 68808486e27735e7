#!/usr/bin/python3
"""The web runtime in Debian's headless Chromium, driven through chromedriver.

`okit web` writes the gallery's site, a local server serves it from
127.0.0.1, and the page must show the first frame `okit render` draws, pixel
for pixel, and log exactly the event lines `okit script` prints for the same
input (gallery_sequence.scenario), through the mouse, the keys, an input
method, the page's focus and the system clipboard; a screen of
devicePixelRatio 2 must show what `okit render --scale 2` draws. The login
example's web build must sign in through its own handlers and show what it
prints.

    OKIT=build/okit /usr/bin/python3 tests/web/test_web_page.py

tools/build-web.sh puts the login example's site in build/web/login-site
(OKIT_LOGIN_SITE names another).
"""

import functools
import http.server
import os
import re
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

# Reads the first frame (or the form's canvas as it is now) and the
# reference PNG, both as RGBA, and counts the pixels that differ.
COMPARE_WITH_PNG = """
const [png, first, done] = arguments;
const canvas = first ? window.firstFrame : document.querySelector('#desktop canvas');
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


# A real keyboard sends Shift, Ctrl and Alt as keys of their own, as the
# desktop's windows do; a script's `key Ctrl+C` does not.
MODIFIER_KEY_LINE = re.compile(r'^event \w+\.Key(Down|Up) (16|17|18) ')


def without_modifier_keys(lines):
    return [line for line in lines if not MODIFIER_KEY_LINE.match(line)]


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


def start_browser(device_scale=1):
    options = Options()
    for argument in ('--headless=new', '--no-sandbox', '--disable-gpu', '--window-size=1280,800',
                     '--force-device-scale-factor=%d' % device_scale):
        options.add_argument(argument)
    browser = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
    browser.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {'source': KEEP_FIRST_FRAME})
    return browser


def serve_in_browser(case, folder, device_scale=1):
    """Serves `folder` and starts a browser for the test class `case`, both
    ended when its tests are done. Returns the site."""
    site = Site(folder)
    case.addClassCleanup(site.close)
    case.browser = start_browser(device_scale)
    case.addClassCleanup(case.browser.quit)
    return site


def make_folder(case):
    folder = tempfile.TemporaryDirectory()
    case.addClassCleanup(folder.cleanup)
    return folder.name


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

    def chord(self, modifier, key):
        ActionChains(self.browser, duration=0).key_down(modifier).send_keys(key).key_up(modifier).perform()

    # Headless Chromium keeps every window focused (moving between its
    # windows fires nothing), so the page is told it lost or got the focus
    # by the window's own blur and focus events.
    def lose_focus(self):
        self.script('window.dispatchEvent(new FocusEvent("blur"))')

    def get_focus(self):
        self.script('window.dispatchEvent(new FocusEvent("focus"))')

    def wait_for_timers(self, count):
        """Returns once the page's timer has fired `count` more times."""
        until = self.script('return okitStats.timersFired') + count
        deadline = time.monotonic() + PAGE_WAIT_SECONDS
        while self.script('return okitStats.timersFired') < until:
            if time.monotonic() > deadline:
                raise AssertionError('the page\'s timer stopped')
            time.sleep(0.02)

    def differing_pixels(self, png, first_frame=False):
        """Pixels of the first frame (or of the form's canvas now) that
        differ from the PNG in the site's folder; fails on a size mismatch."""
        result = self.browser.execute_async_script(COMPARE_WITH_PNG, png, first_frame)
        if 'error' in result or result['canvas'] != result['png']:
            raise AssertionError('cannot compare with %s: %s' % (png, result))
        return result['differing'], result['first']

    def clipboard(self):
        return self.browser.execute_async_script(
            'navigator.clipboard.readText().then(arguments[0], (e) => arguments[0]("cannot read: " + e))')

    def put_on_clipboard(self, text):
        problem = self.browser.execute_async_script(
            'const [text, done] = arguments;'
            'navigator.clipboard.writeText(text).then(() => done(null), (e) => done(String(e)))', text)
        if problem:
            raise AssertionError('cannot write the clipboard: ' + problem)

    def form_count(self):
        return self.script('return document.querySelectorAll("#desktop canvas").length')

    def form_position(self):
        return self.script('const c = document.querySelector("#desktop canvas");'
                           'return [parseInt(c.style.left), parseInt(c.style.top)]')


class GalleryPage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = os.path.join(make_folder(cls), 'site')
        okit('web', GALLERY, '-o', cls.folder)
        okit('render', GALLERY, '-o', os.path.join(cls.folder, 'expected.png'))
        cls.site = serve_in_browser(cls, cls.folder)

    def script_events(self, commands):
        """The event lines `okit script` prints for the gallery and then
        `commands`, run in the site's folder (where `snapshot` writes)."""
        scenario = os.path.join(self.folder, 'commands.scenario')
        with open(scenario, 'w', encoding='utf-8') as file:
            file.write('load %s\n%s\n' % (GALLERY, '\n'.join(commands)))
        return event_lines(okit('script', scenario))

    def assert_shows(self, page, png):
        differing, first = page.differing_pixels(png)
        self.assertEqual(differing, 0, '%s: first differing pixel at %s' % (png, first))

    def test_first_frame_is_what_okit_render_draws(self):
        page = Page(self.browser, self.site.url)
        differing, first = page.differing_pixels('expected.png', first_frame=True)
        self.assertEqual(differing, 0, 'first differing pixel at %s' % first)
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

    def test_an_input_method_types_as_compose_and_commit_do(self):
        expected = self.script_events(['click 228 312', 'compose "k"', 'compose "か"', 'commit "か"',
                                       'commit "é"', 'commit "😀"'])
        page = Page(self.browser, self.site.url)
        page.click(228, 312)
        # The browser's input method composes, then commits; typing a
        # character the keyboard has no key for inserts it as text.
        for text in ('k', 'か'):
            self.browser.execute_cdp_cmd('Input.imeSetComposition',
                                         {'text': text, 'selectionStart': len(text), 'selectionEnd': len(text)})
        self.browser.execute_cdp_cmd('Input.insertText', {'text': 'か'})
        for text in ('é', '😀'):
            self.browser.execute_cdp_cmd('Input.insertText', {'text': text})
        self.assertEqual(page.events(), expected)

    def test_the_form_is_active_while_the_page_has_the_focus(self):
        # The controls follow the activation, and the check box the mouse,
        # on their timers' ticks.
        expected = self.script_events(['click 132 188', 'tick 50',
                                       'activate none', 'tick 50', 'snapshot Gallery inactive.png',
                                       'activate Gallery', 'tick 50', 'snapshot Gallery active.png'])
        page = Page(self.browser, self.site.url)
        page.click(132, 188)
        page.wait_for_timers(5)
        page.lose_focus()
        page.wait_for_timers(5)
        self.assert_shows(page, 'inactive.png')
        page.get_focus()
        page.wait_for_timers(5)
        self.assert_shows(page, 'active.png')
        self.assertEqual(page.events(), expected)


class DenseScreen(unittest.TestCase):
    """A screen of devicePixelRatio 2: every form pixel a 2 x 2 block."""

    @classmethod
    def setUpClass(cls):
        folder = os.path.join(make_folder(cls), 'site')
        okit('web', GALLERY, '-o', folder)
        okit('render', GALLERY, '--scale', '2', '-o', os.path.join(folder, 'expected.png'))
        cls.site = serve_in_browser(cls, folder, device_scale=2)

    def test_first_frame_is_what_okit_render_draws_at_scale_2(self):
        page = Page(self.browser, self.site.url)
        self.assertEqual(page.script('return window.devicePixelRatio'), 2)
        differing, first = page.differing_pixels('expected.png', first_frame=True)
        self.assertEqual(differing, 0, 'first differing pixel at %s' % first)
        # The canvas still covers the form's size on the page.
        self.assertEqual(page.script('const c = document.querySelector("#desktop canvas");'
                                     'return [c.clientWidth, c.clientHeight, c.width, c.height]'),
                         [720, 394, 1440, 788])


class ClipboardPage(unittest.TestCase):
    """Cut, copy and paste in text boxes reach the browser's clipboard."""

    @classmethod
    def setUpClass(cls):
        folder = os.path.join(make_folder(cls), 'site')
        okit('web', os.path.join(HERE, 'clipboard.frm'), '-o', folder)
        cls.site = serve_in_browser(cls, folder)
        # Reading the clipboard, and writing it without a key, needs the
        # page's permission; the copy, cut and paste keys do not.
        cls.browser.execute_cdp_cmd('Browser.grantPermissions', {
            'origin': cls.site.url.rstrip('/'), 'permissions': ['clipboardReadWrite', 'clipboardSanitizedWrite']})

    def test_copy_cut_and_paste_go_through_the_system_clipboard(self):
        expected = event_lines(okit('script', os.path.join(HERE, 'clipboard_sequence.scenario')))
        page = Page(self.browser, self.site.url)
        # The copy and cut keys reach the clipboard through the browser's
        # own copy and cut events, which the page fills in.
        page.script('window.filled = 0;'
                    'for (const kind of ["copy", "cut"])'
                    '  document.addEventListener(kind, (e) => { if (e.defaultPrevented) filled++; });')
        page.click(120, 120)
        page.chord(Keys.CONTROL, 'a')
        page.chord(Keys.CONTROL, 'c')
        self.assertEqual(page.clipboard(), 'Opaline')
        page.click(120, 160)
        page.chord(Keys.CONTROL, 'v')
        # Text another program put on the clipboard pastes too.
        page.put_on_clipboard('Grüße')
        page.keys(Keys.END)
        page.chord(Keys.CONTROL, 'v')
        page.chord(Keys.CONTROL, 'a')
        page.chord(Keys.SHIFT, Keys.DELETE)
        self.assertEqual(page.clipboard(), 'OpalineGrüße')
        page.chord(Keys.SHIFT, Keys.INSERT)
        self.assertEqual(page.script('return filled'), 2)
        self.assertEqual(without_modifier_keys(page.events()), expected)


class LoginPage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        if not os.path.isdir(LOGIN_SITE):
            raise unittest.SkipTest('no login site in ' + LOGIN_SITE)
        cls.site = serve_in_browser(cls, LOGIN_SITE)

    def test_signs_in_once_a_user_name_is_typed(self):
        page = Page(self.browser, self.site.url)
        # The user name has the focus; Enter in the password box signs in,
        # but not without a user name.
        page.keys(Keys.TAB, 'secret', Keys.ENTER)
        self.assertEqual(page.form_count(), 1)
        page.chord(Keys.SHIFT, Keys.TAB)
        page.keys('ada', Keys.TAB, Keys.ENTER)
        # Signing in prints who signed in, which the page shows, and
        # unloads the dialog.
        self.assertEqual(page.script('return document.getElementById("output").textContent'), 'signed in as ada\n')
        self.assertEqual(page.form_count(), 0)
        # The event log has every event, with the arguments the program's
        # handlers left: Enter was used up in the password box.
        events = page.events()
        self.assertEqual(events.count('event PasswordText.KeyPress 0'), 2)
        self.assertIn('event UserText.KeyPress 97', events)


if __name__ == '__main__':
    unittest.main(verbosity=2)
