// The page side of the web runtime: a canvas per form, the browser's input
// handed to the runtime, and one timer for the runtime's next due timer.
// Nothing here runs unless the user does something or that timer fires.
'use strict';

var Module = (function () {
  const desktop = document.getElementById('desktop');
  const typing = document.getElementById('typing');
  const events = document.getElementById('events');
  const output = document.getElementById('output');
  const problem = document.getElementById('problem');
  const canvases = new Map();
  let timer = null;
  // The system clipboard, reached from the user's own copy, cut and paste.
  let heldPaste = null;  // [code, shift] of a paste key waiting for its paste event
  let copied = null;     // what the text box copied during the current key
  let inCopyKey = false;

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
    // A text node per line: rewriting the whole log on every event would
    // make a long session's mouse moves slower and slower.
    logEvent(line) {
      events.append(line + '\n');
    },
    // Inside a copy or cut key the browser's copy event follows and takes
    // the text; elsewhere only the asynchronous clipboard API can, where the
    // page has the permission.
    clipboardWritten(text) {
      if (inCopyKey) {
        copied = text;
        return;
      }
      if (navigator.clipboard) navigator.clipboard.writeText(text).catch(() => {});
    },
    showProblem(text) {
      console.error(text);
      problem.textContent += text + '\n';
    },
  };

  // The keys the text boxes cut, copy and paste with.
  function clipboardAction(e) {
    if (e.altKey) return null;
    if ((e.ctrlKey && e.code === 'KeyV') || (e.shiftKey && e.code === 'Insert')) return 'paste';
    if (e.ctrlKey && (e.code === 'KeyC' || e.code === 'Insert')) return 'copy';
    if ((e.ctrlKey && e.code === 'KeyX') || (e.shiftKey && e.code === 'Delete')) return 'cut';
    return null;
  }

  function sendKey(pressed, code, shift) {
    Module.ccall('okit_key', null, ['number', 'string', 'number'], [pressed, code, shift]);
  }

  function deliverHeldPaste() {
    if (heldPaste === null) return;
    const [code, shift] = heldPaste;
    heldPaste = null;
    sendKey(1, code, shift);
  }

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
      deliverHeldPaste();
      const action = clipboardAction(e);
      if (action === 'paste') {
        // The key waits for the paste event, which brings the clipboard's
        // text in first; without one it goes on by itself in the next task.
        heldPaste = [e.code, shiftOf(e)];
        setTimeout(deliverHeldPaste, 0);
        return;
      }
      // Printable keys go on to the text field, which types them, and so do
      // copy and cut, which the browser then offers the text box's copy;
      // every other key (Tab, Enter, arrows, Alt+letter access keys) is
      // ours alone.
      const types = e.key.length === 1 && !e.ctrlKey && !e.altKey;
      if (!types && !action) e.preventDefault();
      copied = null;
      inCopyKey = action !== null;
      sendKey(1, e.code, shiftOf(e));
      inCopyKey = false;
    });
    typing.addEventListener('keyup', (e) => {
      if (e.isComposing) return;
      deliverHeldPaste();
      sendKey(0, e.code, shiftOf(e));
    });
    typing.addEventListener('paste', (e) => {
      e.preventDefault();
      if (!heldPaste) return;
      Module.ccall('okit_paste_text', null, ['string'], [e.clipboardData.getData('text/plain')]);
      deliverHeldPaste();
    });
    // The field itself is empty, so the browser offers copy and cut only
    // when asked to through their "before" events.
    for (const kind of ['beforecopy', 'beforecut']) typing.addEventListener(kind, (e) => e.preventDefault());
    for (const kind of ['copy', 'cut']) {
      typing.addEventListener(kind, (e) => {
        // A key that copied nothing (no selection, a masked field) leaves
        // the clipboard as it was.
        if (copied === null) return;
        e.clipboardData.setData('text/plain', copied);
        e.preventDefault();
        copied = null;
      });
    }
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
    // A program's standard output shows on the page; its standard error is
    // a problem.
    print: (line) => { output.append(line + '\n'); },
    printErr: page.showProblem,
    onRuntimeInitialized: start,
    locateFile: (path) => path,
  };
})();
