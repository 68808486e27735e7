// The page side of the web runtime: a canvas per form, the browser's input
// handed to the runtime, and one timer for the runtime's next due timer.
// Nothing here runs unless the user does something or that timer fires.
'use strict';

var Module = (function () {
  const desktop = document.getElementById('desktop');
  const typing = document.getElementById('typing');
  const events = document.getElementById('events');
  const problem = document.getElementById('problem');
  const canvases = new Map();
  let timer = null;

  // Figures a test or a curious reader can look at: when the first frame
  // was shown and how much the page has done since.
  const stats = { firstFrameAt: null, rectangles: 0, timersArmed: 0, timersFired: 0 };
  window.okitStats = stats;

  const page = {
    showForm(id, x, y, width, height, stacking, scale) {
      let canvas = canvases.get(id);
      if (!canvas) {
        canvas = document.createElement('canvas');
        canvases.set(id, canvas);
        desktop.appendChild(canvas);
      }
      canvas.style.left = x + 'px';
      canvas.style.top = y + 'px';
      canvas.style.width = width + 'px';
      canvas.style.height = height + 'px';
      canvas.style.zIndex = String(stacking);
      if (canvas.width !== width * scale || canvas.height !== height * scale) {
        canvas.width = width * scale;
        canvas.height = height * scale;
      }
    },
    closeForm(id) {
      const canvas = canvases.get(id);
      if (canvas) canvas.remove();
      canvases.delete(id);
    },
    putPixels(id, x, y, width, height, rgba) {
      const canvas = canvases.get(id);
      if (!canvas) return;
      // A copy: the runtime's memory may move when it grows.
      canvas.getContext('2d').putImageData(new ImageData(new Uint8ClampedArray(rgba), width, height), x, y);
      stats.rectangles++;
      if (stats.firstFrameAt === null) stats.firstFrameAt = performance.now();
    },
    armTimer(ms) {
      if (timer !== null) clearTimeout(timer);
      timer = null;
      if (ms < 0) return;
      stats.timersArmed++;
      timer = setTimeout(() => {
        timer = null;
        stats.timersFired++;
        Module._okit_timer();
      }, ms);
    },
    placeTextInput(x, y, height) {
      typing.style.left = x + 'px';
      typing.style.top = y + 'px';
      typing.style.height = height + 'px';
    },
    logEvent(line) {
      events.textContent += line + '\n';
    },
    showProblem(text) {
      console.error(text);
      problem.textContent += text + '\n';
    },
  };

  function shiftOf(e) {
    return (e.shiftKey ? 1 : 0) | (e.ctrlKey ? 2 : 0) | (e.altKey ? 4 : 0);
  }

  // Desktop pixels: the page's CSS pixels from the desktop's corner.
  function desktopPoint(e) {
    const corner = desktop.getBoundingClientRect();
    return [Math.floor(e.clientX - corner.left), Math.floor(e.clientY - corner.top)];
  }

  const kButtons = { 0: 1, 1: 4, 2: 2 };  // left, middle, right

  function listen() {
    // On the window, so that moves and the release reach a pressed control
    // (and a dragged form) outside its canvas too.
    window.addEventListener('mousemove', (e) => {
      const [x, y] = desktopPoint(e);
      Module._okit_mouse_move(x, y, shiftOf(e));
    });
    window.addEventListener('mousedown', (e) => {
      const button = kButtons[e.button];
      if (!button) return;
      // The text field keeps the keyboard; a press must not take it away.
      e.preventDefault();
      typing.focus();
      const [x, y] = desktopPoint(e);
      Module._okit_mouse_move(x, y, shiftOf(e));
      Module._okit_mouse_button(1, button, shiftOf(e), e.detail);
    });
    window.addEventListener('mouseup', (e) => {
      const button = kButtons[e.button];
      if (button) Module._okit_mouse_button(0, button, shiftOf(e), e.detail);
    });
    window.addEventListener('contextmenu', (e) => e.preventDefault());

    typing.addEventListener('keydown', (e) => {
      if (e.isComposing || e.keyCode === 229) return;  // the input method has the key
      // Printable keys go on to the text field, which types them; every
      // other key (Tab, Enter, arrows, Alt+letter access keys) is ours alone.
      const types = e.key.length === 1 && !e.ctrlKey && !e.altKey;
      if (!types) e.preventDefault();
      Module.ccall('okit_key', null, ['number', 'string', 'number'], [1, e.code, shiftOf(e)]);
    });
    typing.addEventListener('keyup', (e) => {
      if (e.isComposing) return;
      Module.ccall('okit_key', null, ['number', 'string', 'number'], [0, e.code, shiftOf(e)]);
    });
    typing.addEventListener('input', (e) => {
      if (e.isComposing) return;
      if (e.data) Module.ccall('okit_text', null, ['string'], [e.data]);
      typing.value = '';
    });
    typing.addEventListener('compositionupdate', (e) => {
      Module.ccall('okit_compose', null, ['string'], [e.data]);
    });
    typing.addEventListener('compositionend', (e) => {
      Module.ccall('okit_text', null, ['string'], [e.data]);
      typing.value = '';
    });

    // The page having the focus is the form's window being active.
    window.addEventListener('blur', () => Module._okit_page_focus(0));
    window.addEventListener('focus', () => {
      Module._okit_page_focus(1);
      typing.focus();
    });
  }

  async function start() {
    const file = desktop.dataset.form;
    // An application's own program loads its forms itself, from main.
    if (!file) {
      listen();
      typing.focus();
      return;
    }
    const response = await fetch(file);
    if (!response.ok) {
      page.showProblem(file + ': cannot load the form (' + response.status + ' ' + response.statusText + ')');
      return;
    }
    const text = await response.text();
    const scale = Math.max(1, Math.floor(window.devicePixelRatio || 1));
    const status = Module.ccall('okit_run_form', 'number', ['string', 'string', 'number'], [text, file, scale]);
    if (status !== 0) return;
    listen();
    typing.focus();
  }

  return {
    okitPage: page,
    onRuntimeInitialized: start,
    locateFile: (path) => path,
  };
})();
