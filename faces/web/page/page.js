// The page: builds the main window's units as page elements from the program's descriptions
// of them, places them as the window places its controls, and hands what the user does back to
// the program as the units' events. Appended to emscripten's script after painting.js, so the
// page is one script and one .wasm.
(function () {
  'use strict';
  function ApplyFont(element, unit) {
    const pixels = Math.min(Math.abs(unit.fontHeight), 256);
    if (pixels) Object.assign(element.style, { fontSize: pixels + 'px', lineHeight: (pixels + 1) + 'px' });
    if (unit.fontWeight >= 600) element.style.fontWeight = 'bold';
  }

  // The painting is hidden from assistive technology, which reads the caption as text: one
  // line unwrapped, each CR LF, LF or CR ending a line when wrapped.
  function MakeLabel(unit) {
    const label = Object.assign(document.createElement('label'), { className: 'label', htmlFor: labelFor.get(unit.id) || '' });
    const canvas = PaintedCanvas(unit);
    canvas.setAttribute('aria-hidden', 'true');
    label.append(canvas, Object.assign(document.createElement('span'), { className: 'caption',
      textContent: unit.wordWrap ? unit.text.replace(/\r\n?/g, '\n') : unit.text.replace(/[\r\n]/g, '') }));
    return label;
  }

  // Labels from descriptions like the window's, for a page of labels alone; the tests set such
  // a page beside the desktop's painting of the same labels.
  Module['makeLabel'] = MakeLabel;

  function MakeEditBox(unit) {
    const box = document.createElement(unit.multiLine ? 'textarea' : 'input');
    if (!unit.multiLine) box.type = unit.password ? 'password' : 'text';
    box.value = unit.text;
    box.readOnly = unit.readOnly;
    // A phone's keyboard must not capitalise sin into Sin, nor correct what it does not know.
    Object.assign(box, { spellcheck: false, autocomplete: 'off', enterKeyHint: 'go' });
    for (const name of ['autocapitalize', 'autocorrect']) box.setAttribute(name, 'off');
    if (unit.maxLength > 0) box.maxLength = unit.maxLength;
    Object.assign(box.style, { color: Painting.Css(unit.textColour), background: Painting.Css(unit.background),
                               textAlign: ['left', 'center', 'right'][unit.alignment] || 'left' });
    if (unit.border === 0) Object.assign(box.style, { border: 'none', boxShadow: 'none' });
    ApplyFont(box, unit);
    return box;
  }

  function MakeButton(unit) {
    const button = Object.assign(document.createElement('button'), { type: 'button', textContent: unit.text });
    ApplyFont(button, unit);
    button.addEventListener('click', function () { Module['_PageClick'](unit.id); });
    return button;
  }

  // Pictures still decoding; the page marks itself fully painted when none is left.
  let decoding = 0;
  function Decoded() { if (--decoding === 0) document.documentElement.dataset.painted = 'true'; }

  // A painted unit replays the display list the program computed for it; the browser decodes
  // its picture's bytes, and the unit is painted again once it has.
  function PaintedCanvas(unit) {
    let image = null;
    const paint = context => Painting.Replay(context, unit.paint, image);
    const canvas = Painting.Canvas(unit, paint);
    if (unit.pictureSize > 0) {
      const bytes = HEAPU8.slice(unit.picture, unit.picture + unit.pictureSize);
      ++decoding;
      delete document.documentElement.dataset.painted;
      // A picture that does not decode leaves the unit without one.
      createImageBitmap(new Blob([bytes], { type: 'image/jpeg' }))
        .then(decoded => { image = decoded; Painting.PaintCanvas(canvas, unit, paint); Decoded(); }, Decoded);
    }
    return canvas;
  }

  // The units by id: each one's own description merged with its place in the window.
  const units = new Map();
  const pending = new Map();  // elements made before the window is arranged
  const labelFor = new Map();  // a label's id to the id of the box it names

  function ElementOf(id) { return document.getElementById('u' + (id >>> 0).toString(16)); }

  const kMakers = { edit: MakeEditBox, label: MakeLabel, button: MakeButton, shape: PaintedCanvas,
                    picture: unit => Object.assign(PaintedCanvas(unit), { className: 'picture' }) };
  function MakeElement(unit) { return kMakers[unit.kind] ? kMakers[unit.kind](unit) : null; }

  // Geometry is in the parent's client area, and a unit shows only inside its parent.
  function Place(element, unit) {
    let left = unit.left, top = unit.top;
    let clip = { left: 0, top: 0, right: unit.width, bottom: unit.height };
    for (let parent = units.get(unit.parent); parent && parent.kind !== 'window'; parent = units.get(parent.parent)) {
      clip = { left: Math.max(clip.left, -left), top: Math.max(clip.top, -top),
               right: Math.min(clip.right, parent.width - left), bottom: Math.min(clip.bottom, parent.height - top) };
      left += parent.left; top += parent.top;
    }
    Object.assign(element.style, { clipPath: '', display: '' });
    if (clip.left > 0 || clip.top > 0 || clip.right < unit.width || clip.bottom < unit.height) {
      element.style.clipPath = 'inset(' + clip.top + 'px ' + Math.max(0, unit.width - clip.right) + 'px ' +
                               Math.max(0, unit.height - clip.bottom) + 'px ' + clip.left + 'px)';
      if (clip.right <= clip.left || clip.bottom <= clip.top) element.style.display = 'none';
    }
    Object.assign(element.style, { left: left + 'px', top: top + 'px', width: unit.width + 'px', height: unit.height + 'px' });
  }

  // The first record is on top of its siblings; Tab follows the window's tab order. A narrow
  // screen sets the units out in their reading order by group instead.
  function Arrange(element, unit) {
    Place(element, unit);
    element.style.zIndex = String(unit.stack);
    element.dataset.group = unit.group;
    element.classList.toggle('first', !!unit.first);
    element.style.visibility = unit.visible ? '' : 'hidden';
    element.tabIndex = unit.tabOrder > 0 && (unit.kind === 'edit' || unit.kind === 'button') ? unit.tabOrder : -1;
    // The desktop's accessible names: each box by its group and label, the diagram described,
    // the warning announced when it shows.
    if (unit.accessibleName) element.setAttribute('aria-label', unit.accessibleName);
    if (unit.accessibleDescription) element.setAttribute('aria-description', unit.accessibleDescription);
    if (unit.labelledBy) labelFor.set(unit.labelledBy, element.id);
    if (unit.labelledBy && ElementOf(unit.labelledBy)) ElementOf(unit.labelledBy).htmlFor = element.id;
    if (unit.keyboard) element.inputMode = unit.keyboard;
    if (unit.kind === 'picture' && unit.accessibleName) element.setAttribute('role', 'img');
    if (unit.alert) element.setAttribute('role', 'alert');
  }

  // A unit's element, built anew from its description whenever a property changes.
  Module['showUnit'] = function (description) {
    const unit = Object.assign(units.get(description.id) || {}, description);
    units.set(unit.id, unit);
    const frame = document.getElementById('window');
    if (unit.kind === 'window') {
      Object.assign(frame.style, { background: Painting.Css(unit.background), width: unit.clientWidth + 'px',
                                   height: unit.clientHeight + 'px' });
      windowWidth = unit.clientWidth;
      Fit();
      if (unit.text) document.title = unit.text;
      return;
    }
    const element = MakeElement(unit);
    if (!element) return;
    element.id = 'u' + unit.id.toString(16);
    if ('disabled' in element) element.disabled = unit.disabled;
    const old = ElementOf(unit.id);
    if (!old) return void pending.set(unit.id, element);
    Painting.ForgetCanvases(old);
    element.title = old.title;
    Arrange(element, unit);
    old.replaceWith(element);
  };

  // Every unit once created: placed, stacked and shown as its record says, in reading order.
  Module['arrangeUnits'] = function (layout) {
    const frame = document.getElementById('window');
    let group = 0;
    for (const place of layout) {
      const unit = Object.assign(units.get(place.id) || {}, place, { first: place.group !== group });
      units.set(unit.id, unit);
      group = unit.group;
      const element = ElementOf(unit.id) || pending.get(unit.id);
      pending.delete(unit.id);
      if (!element) continue;
      Arrange(element, unit);
      frame.appendChild(element);
    }
  };

  Module['unitText'] = function (id) { const element = ElementOf(id); return element ? element.value : ''; };
  // A written text shows from its start: an unfocused box shows it so by itself, a focused one
  // would follow its caret to the end.
  Module['setUnitText'] = function (id, text) {
    const element = ElementOf(id); if (!element) return;
    element.value = text;
    if (document.activeElement === element) element.setSelectionRange(0, 0);
    if (units.get(id).result && text) { Say(element.getAttribute('aria-label') + ' ' + text); Reveal(element); }
  };
  // What a screen reader says politely: the results and reasons of one click together.
  let saying = [];
  function Say(text) {
    if (saying.push(text) > 1) return;
    setTimeout(() => { document.getElementById('said').textContent = saying.join('；'); saying = []; });
  }
  // A phone's screen, under 500 px, or one narrower than the window shows the units in one
  // column (index.html's .narrow).
  const kNarrowScreen = 500;
  let windowWidth = 0, narrow = false;
  function Reveal(element) { if (narrow) element.scrollIntoView({ block: 'nearest' }); }
  function Fit() {
    narrow = matchMedia(`(max-width: ${Math.max(windowWidth, kNarrowScreen) - 0.5}px)`).matches;
    document.getElementById('window').classList.toggle('narrow', narrow);
  }
  addEventListener('resize', Fit);
  // -1 leaves a state as it is.
  Module['setUnitState'] = function (id, visible, disabled) {
    const element = ElementOf(id), unit = units.get(id);
    if (!element || !unit) return;
    if (visible >= 0) { unit.visible = visible !== 0; element.style.visibility = unit.visible ? '' : 'hidden'; }
    if (disabled >= 0 && 'disabled' in element) { unit.disabled = disabled !== 0; element.disabled = unit.disabled; }
  };

  // The unit an element shows, from the id it carries.
  function UnitOf(element) { return /^u[0-9a-f]+$/.test(element.id) ? units.get(parseInt(element.id.slice(1), 16)) : undefined; }

  // Tab and Shift+Tab go where the window's focus order says, wrapping, without leaving it.
  function MoveFocus(from, backward) {
    const unit = UnitOf(from), next = ElementOf(Module['_PageTab'](unit ? unit.id : 0, backward ? 1 : 0));
    if (next) next.focus();
  }

  // What the user does to a box or a button goes to the program as that unit's.
  function ReportUser(frame) {
    const report = (name, extra) => event => {
      const unit = UnitOf(event.target);
      if (unit && (unit.kind === 'edit' || unit.kind === 'button')) Module[name](unit.id, extra);
    };
    frame.addEventListener('input', report('_PageChanged'));
    frame.addEventListener('focusin', report('_PageFocus', 1));
    frame.addEventListener('focusout', report('_PageFocus', 0));
    frame.addEventListener('mouseover', report('_PageHover', 0));
    // A finger does not hover: the program shows a tapped box's hover text as a note instead.
    frame.addEventListener('pointerup', function (event) {
      const unit = UnitOf(event.target);
      if (event.pointerType === 'touch' && unit && unit.kind === 'edit') Module['_PageHover'](unit.id, 1);
    });
  }

  // Tab and Enter, unless a multi-line box takes Enter, are the window's to answer. Escape does
  // nothing: a page does not close itself.
  function HandleKeys(frame) {
    frame.addEventListener('keydown', function (event) {
      if (event.key === 'Tab' && !event.altKey && !event.ctrlKey && !event.metaKey) {
        MoveFocus(event.target, event.shiftKey);
        event.preventDefault();
      } else if (event.key === 'Enter' && !event.isComposing && event.target.tagName !== 'TEXTAREA') {
        event.preventDefault();
        const unit = UnitOf(event.target);
        const modified = event.shiftKey || event.ctrlKey || event.altKey || event.metaKey;
        if (Module['_PageEnter'](unit ? unit.id : 0, modified ? 1 : 0) === 2) MoveFocus(event.target, false);
      }
    });
  }

  // Notes at the boxes, as the program words them: the hover text, the description, and a note
  // beside the box for a while.
  const notes = new Map();
  const measure = document.createElement('canvas').getContext('2d');
  function HideNote(element) { if (notes.has(element)) notes.get(element).remove(); notes.delete(element); }
  Module['lineWidth'] = function (id, text) {
    const element = ElementOf(id), style = element && getComputedStyle(element);
    if (!element) return 0;
    measure.font = style.fontWeight + ' ' + style.fontSize + ' ' + style.fontFamily;
    return Math.ceil(measure.measureText(text).width);
  };
  // A box's line has no margins of its own.
  Module['lineRoom'] = function (id) { const element = ElementOf(id); return element ? element.offsetWidth - 4 : 0; };
  Module['setNoteTexts'] = function (id, hover, description) {
    const element = ElementOf(id); if (!element) return;
    element.title = hover;
    if (description) element.setAttribute('aria-description', description); else element.removeAttribute('aria-description');
  };
  Module['showNote'] = function (id, text, milliseconds) {
    const element = ElementOf(id); if (!element) return;
    HideNote(element);
    if (!text) return;
    Say(text);
    const note = document.body.appendChild(Object.assign(document.createElement('div'), { className: 'note', textContent: text }));
    notes.set(element, note);
    // Under the box, else over it when the group's button is under it, always inside the viewport.
    const box = element.getBoundingClientRect(), size = note.getBoundingClientRect();
    const button = document.querySelector('#window button[data-group="' + element.dataset.group + '"]');
    const below = button ? button.getBoundingClientRect() : null;
    const over = below && below.top < box.bottom + size.height + 1 && below.bottom > box.bottom &&
                 below.left < box.left + size.width && below.right > box.left;
    const top = over && box.top > size.height + 1 ? box.top - size.height - 1 : box.bottom + 1;
    note.style.left = scrollX + Math.max(0, Math.min(box.left, innerWidth - size.width)) + 'px';
    note.style.top = scrollY + Math.min(top, innerHeight - size.height) + 'px';
    Reveal(note);
    setTimeout(function () { if (notes.get(element) === note) HideNote(element); }, milliseconds);
  };

  // A fatal error's box text in place of the window; the program has stopped.
  Module['showError'] = function (text) {
    const frame = document.getElementById('window');
    frame.textContent = '';
    const box = frame.appendChild(Object.assign(document.createElement('pre'), { className: 'error' }));
    Object.assign(box, { role: 'alert', textContent: text.replace(/\r\n/g, '\n') });
    frame.style.visibility = '';
  };

  // The window shows once built, when its record says so, with the focus on the unit given.
  Module['showWindow'] = function (first) {
    document.getElementById('window').style.visibility = '';
    if (first && ElementOf(first)) ElementOf(first).focus();
  };

  Module['onRuntimeInitialized'] = function () {
    const frame = document.getElementById('window');
    HandleKeys(frame);
    ReportUser(frame);
    frame.style.visibility = 'hidden';
    if (!Module['_PageLoad']()) return;
    document.documentElement.dataset.ready = 'true';
    if (decoding === 0) document.documentElement.dataset.painted = 'true';
    document.documentElement.dataset.readyAt = String(Math.round(performance.now()));
  };
})();
