#!/usr/bin/python3
"""Figures of the web runtime, for docs/web.md: sizes, the first frame after
the page's load event, and what an idle page asks of the browser. Prints them;
nothing passes or fails.

    OKIT=build/okit /usr/bin/python3 bench/measure_web.py [SCREENSHOT_DIR]
"""

import gzip
import os
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'web'))
import test_web_page as web  # noqa: E402

RUNS = 10
IDLE_SECONDS = 5


def size_figures(site):
    wasm = open(os.path.join(site, 'okit_runtime.wasm'), 'rb').read()
    js = open(os.path.join(site, 'okit_runtime.js'), 'rb').read()
    print('okit_runtime.wasm %d bytes, %d gzip -9' % (len(wasm), len(gzip.compress(wasm, 9))))
    print('okit_runtime.js   %d bytes, %d gzip -9' % (len(js), len(gzip.compress(js, 9))))


def first_frames(browser, url):
    delays = []
    for _ in range(RUNS):
        page = web.Page(browser, url)
        load = page.script('return performance.getEntriesByType("navigation")[0].loadEventEnd')
        delays.append(page.script('return okitStats.firstFrameAt') - load)
    print('first frame after the load event, ms:', ' '.join('%.1f' % d for d in sorted(delays)))


def idle(browser, url, name):
    page = web.Page(browser, url)
    time.sleep(1)
    before = page.script('return Object.assign({}, okitStats)')
    time.sleep(IDLE_SECONDS)
    after = page.script('return Object.assign({}, okitStats)')
    per_second = {key: (after[key] - before[key]) / IDLE_SECONDS for key in ('timersArmed', 'timersFired', 'rectangles')}
    print('%s idle, per second: %s' % (name, per_second))


def screenshots(browser, gallery_url, shots):
    web.Page(browser, gallery_url)
    browser.save_screenshot(os.path.join(shots, 'web-gallery.png'))
    if not os.path.isdir(web.LOGIN_SITE):
        return
    login = web.Site(web.LOGIN_SITE)
    try:
        page = web.Page(browser, login.url)
        browser.save_screenshot(os.path.join(shots, 'web-login.png'))
        page.keys('ada', web.Keys.TAB, 'secret', web.Keys.ENTER)
        browser.save_screenshot(os.path.join(shots, 'web-login-signed-in.png'))
    finally:
        login.close()


def main():
    shots = sys.argv[1] if len(sys.argv) > 1 else None
    with tempfile.TemporaryDirectory() as folder:
        sites = {}
        for name, form in (('gallery', web.GALLERY), ('no_timers', os.path.join(web.SOURCE, 'bench', 'no_timers.frm'))):
            sites[name] = web.Site(os.path.join(folder, name))
            web.okit('web', form, '-o', os.path.join(folder, name))
        size_figures(os.path.join(folder, 'gallery'))
        browser = web.start_browser()
        try:
            first_frames(browser, sites['gallery'].url)
            for name, site in sites.items():
                idle(browser, site.url, name)
            if shots:
                screenshots(browser, sites['gallery'].url, shots)
        finally:
            browser.quit()
            for site in sites.values():
                site.close()


if __name__ == '__main__':
    main()
