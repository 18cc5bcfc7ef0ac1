// The page: builds the main window's units as page elements from the program's descriptions
// of them, places them as the window places its controls, and hands what the user does back to
// the program as the units' events. Appended to emscripten's script after painting.js, so the
// page is one script and one .wasm.
(function () {
  'use strict';
  function ApplyFont(element, unit) {
    if (unit.fontHeight) {
      const pixels = Math.min(Math.abs(unit.fontHeight), 256);
      element.style.fontSize = pixels + 'px';
      element.style.lineHeight = (pixels + 1) + 'px';
    }
    if (unit.fontWeight >= 600) element.style.fontWeight = 'bold';
  }

  const kEventClick = 0, kEventChange = 0, kEventFocusIn = -7, kEventFocusOut = -8;

  // A unit's event goes to the program, which runs whatever the window binds to it.
  function Raise(id, event) { return Module['_PageRaiseEvent'](id, event); }

  // The painting is hidden from assistive technology, which reads the caption as text: one
  // line unwrapped, each CR LF, LF or CR ending a line when wrapped.
  function MakeLabel(unit) {
    const label = document.createElement('div');
    label.className = 'label';
    const canvas = PaintedCanvas(unit);
    canvas.setAttribute('aria-hidden', 'true');
    const caption = document.createElement('span');
    caption.className = 'caption';
    caption.textContent = unit.wordWrap ? unit.text.replace(/\r\n?/g, '\n') : unit.text.replace(/[\r\n]/g, '');
    label.append(canvas, caption);
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
    box.spellcheck = false;
    box.autocomplete = 'off';
    if (unit.maxLength > 0) box.maxLength = unit.maxLength;
    box.style.color = Painting.Css(unit.textColour);
    box.style.background = Painting.Css(unit.background);
    box.style.textAlign = ['left', 'center', 'right'][unit.alignment] || 'left';
    if (unit.border === 0) { box.style.border = 'none'; box.style.boxShadow = 'none'; }
    ApplyFont(box, unit);
    return box;
  }

  function MakeButton(unit) {
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = unit.text;
    ApplyFont(button, unit);
    button.addEventListener('click', function () { Raise(unit.id, kEventClick); });
    return button;
  }

  // Pictures still decoding; the page marks itself fully painted when none is left.
  let decoding = 0;
  function Decoded() {
    if (--decoding === 0) document.documentElement.dataset.painted = 'true';
  }

  // A painted unit replays the display list the program computed for it; the browser decodes
  // its picture's bytes, and the unit is painted again once it has.
  function PaintedCanvas(unit) {
    let image = null;
    const paint = function (context) { Painting.Replay(context, unit.paint, image); };
    const canvas = Painting.Canvas(unit, paint);
    if (unit.pictureSize > 0) {
      const bytes = HEAPU8.slice(unit.picture, unit.picture + unit.pictureSize);
      ++decoding;
      delete document.documentElement.dataset.painted;
      createImageBitmap(new Blob([bytes], { type: 'image/jpeg' })).then(function (decoded) {
        image = decoded;
        Painting.PaintCanvas(canvas, unit, paint);
        Decoded();
      }, Decoded);  // a picture that does not decode leaves the unit without one
    }
    return canvas;
  }

  // Links a box to the label that names it on screen. aria-labelledby outranks aria-label, so
  // the words of the name the label does not show ("反正弦 ") go first, from hidden text, and
  // the name stays the desktop's.
  function LabelledBy(frame, element, unit, label) {
    if (!label || !unit.accessibleName || !unit.accessibleName.endsWith(label.text)) return;
    const ids = ['u' + label.id.toString(16)];
    const rest = unit.accessibleName.slice(0, unit.accessibleName.length - label.text.length).trim();
    if (rest) {
      const id = 'n' + unit.id.toString(16);
      const words = document.getElementById(id) || frame.appendChild(document.createElement('span'));
      words.className = 'caption';
      words.id = id;
      words.textContent = rest;
      ids.unshift(id);
    }
    element.setAttribute('aria-labelledby', ids.join(' '));
  }

  // The units by id: each one's own description merged with its place in the window.
  const units = new Map();
  let ordered = [];
  const pending = new Map();  // elements made before the window is arranged

  function ElementOf(id) { return document.getElementById('u' + (id >>> 0).toString(16)); }

  function MakeElement(unit) {
    switch (unit.kind) {
      case 'edit': return MakeEditBox(unit);
      case 'label': return MakeLabel(unit);
      case 'button': return MakeButton(unit);
      case 'shape': return PaintedCanvas(unit);
      case 'picture': { const canvas = PaintedCanvas(unit); canvas.className = 'picture'; return canvas; }
      default: return null;
    }
  }

  // Geometry is in the parent's client area, and a unit shows only inside its parent.
  function Place(element, unit) {
    let left = unit.left, top = unit.top;
    let clip = { left: 0, top: 0, right: unit.width, bottom: unit.height };
    for (let parent = units.get(unit.parent); parent && parent.kind !== 'window'; parent = units.get(parent.parent)) {
      clip = { left: Math.max(clip.left, -left), top: Math.max(clip.top, -top),
               right: Math.min(clip.right, parent.width - left), bottom: Math.min(clip.bottom, parent.height - top) };
      left += parent.left; top += parent.top;
    }
    element.style.clipPath = '';
    element.style.display = '';
    if (clip.left > 0 || clip.top > 0 || clip.right < unit.width || clip.bottom < unit.height) {
      element.style.clipPath = 'inset(' + clip.top + 'px ' + Math.max(0, unit.width - clip.right) + 'px ' +
                               Math.max(0, unit.height - clip.bottom) + 'px ' + clip.left + 'px)';
      if (clip.right <= clip.left || clip.bottom <= clip.top) element.style.display = 'none';
    }
    element.style.left = left + 'px';
    element.style.top = top + 'px';
    element.style.width = unit.width + 'px';
    element.style.height = unit.height + 'px';
  }

  // The first record is on top of its siblings; Tab follows the window's tab order.
  function Arrange(element, unit) {
    Place(element, unit);
    element.style.zIndex = String(ordered.length - ordered.indexOf(unit));
    element.style.visibility = unit.visible ? '' : 'hidden';
    element.tabIndex = unit.tabOrder > 0 && (unit.kind === 'edit' || unit.kind === 'button') ? unit.tabOrder : -1;
    // The desktop's accessible names: each box by its group and label, the diagram described,
    // the warning announced when it shows.
    if (unit.accessibleName) element.setAttribute('aria-label', unit.accessibleName);
    if (unit.accessibleDescription) element.setAttribute('aria-description', unit.accessibleDescription);
    if (unit.labelledBy) LabelledBy(document.getElementById('window'), element, unit, units.get(unit.labelledBy));
    if (unit.kind === 'picture' && unit.accessibleName) element.setAttribute('role', 'img');
    if (unit.alert) element.setAttribute('role', 'alert');
  }

  // A unit's element, built anew from its description whenever a property changes.
  Module['showUnit'] = function (description) {
    const unit = Object.assign(units.get(description.id) || {}, description);
    units.set(unit.id, unit);
    const frame = document.getElementById('window');
    if (unit.kind === 'window') {
      frame.style.background = Painting.Css(unit.background);
      frame.style.width = unit.clientWidth + 'px';
      frame.style.height = unit.clientHeight + 'px';
      if (unit.text) document.title = unit.text;
      return;
    }
    const element = MakeElement(unit);
    if (!element) return;
    element.id = 'u' + unit.id.toString(16);
    if ('disabled' in element) element.disabled = unit.disabled;
    const old = ElementOf(unit.id);
    if (!old) {
      pending.set(unit.id, element);
      return;
    }
    Painting.ForgetCanvases(old);
    element.title = old.title;
    Arrange(element, unit);
    old.replaceWith(element);
  };

  // Every unit once created: placed, stacked and shown as its record says, in record order.
  Module['arrangeUnits'] = function (layout) {
    const frame = document.getElementById('window');
    ordered = layout.map(function (place) { return Object.assign(units.get(place.id) || {}, place); });
    for (const unit of ordered) {
      units.set(unit.id, unit);
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
    const element = ElementOf(id);
    if (!element) return;
    element.value = text;
    if (document.activeElement === element) element.setSelectionRange(0, 0);
  };
  // -1 leaves a state as it is.
  Module['setUnitState'] = function (id, visible, disabled) {
    const element = ElementOf(id);
    const unit = units.get(id);
    if (!element || !unit) return;
    if (visible >= 0) { unit.visible = visible !== 0; element.style.visibility = unit.visible ? '' : 'hidden'; }
    if (disabled >= 0 && 'disabled' in element) { unit.disabled = disabled !== 0; element.disabled = unit.disabled; }
  };

  // The window's keys, as on the desktop: Tab and Shift+Tab cycle through the window's units
  // without leaving it; Enter in a group's box clicks the group's button, on a default button
  // clicks it, else clicks the window's enabled default button, and is otherwise ignored (a
  // plain button takes Space, not Enter). Escape does nothing: a page does not close itself.
  // The unit an element shows, from the id it carries.
  function UnitOf(element) { return /^u[0-9a-f]+$/.test(element.id) ? units.get(parseInt(element.id.slice(1), 16)) : undefined; }

  // The units Tab visits now: in tab order, leaving out the hidden and the disabled.
  function FocusOrder(frame) {
    return Array.from(frame.querySelectorAll('input, textarea, button'))
      .filter(function (e) { return e.tabIndex >= 0 && !e.disabled && e.style.visibility !== 'hidden'; })
      .sort(function (a, b) { return a.tabIndex - b.tabIndex; });
  }

  // What the user does to a box or a button raises its unit's events, as the window's do.
  function RaiseUserEvents(frame) {
    const raise = function (event, number) {
      const unit = UnitOf(event.target);
      if (unit && (unit.kind === 'edit' || unit.kind === 'button')) Raise(unit.id, number);
    };
    frame.addEventListener('input', function (event) { raise(event, kEventChange); });
    frame.addEventListener('focusin', function (event) { raise(event, kEventFocusIn); });
    frame.addEventListener('focusout', function (event) { raise(event, kEventFocusOut); });
  }

  function HandleKeys(frame) {
    frame.addEventListener('keydown', function (event) {
      if (event.key === 'Tab' && !event.altKey && !event.ctrlKey && !event.metaKey) {
        const order = FocusOrder(frame);
        if (order.length === 0) return;
        const at = order.indexOf(document.activeElement);
        const step = event.shiftKey ? order.length - 1 : 1;
        order[at < 0 ? 0 : (at + step) % order.length].focus();
        event.preventDefault();
      } else if (event.key === 'Enter' && !event.isComposing) {
        if (event.target.tagName === 'TEXTAREA') return;
        event.preventDefault();
        // Enter in a box of a group clicks the group's button.
        const box = UnitOf(event.target);
        if (box && box.kind === 'edit' && box.group && !event.altKey && !event.ctrlKey && !event.metaKey && !event.shiftKey) {
          Raise(box.group, kEventClick);
          return;
        }
        const defaults = ordered.filter(function (unit) { return unit.kind === 'button' && unit.defaultButton; });
        const focused = defaults.find(function (unit) { return ElementOf(unit.id) === event.target; });
        const target = focused || defaults.find(function (unit) { return !ElementOf(unit.id).disabled; });
        if (target) Raise(target.id, kEventClick);
      }
    });
  }

  // Notes at the boxes: beside the box for a few seconds, and on hover until an input of the
  // box's group changes.
  const kNoteSeconds = 6;
  const notes = new Map();
  const reasons = new Map();
  const measure = document.createElement('canvas').getContext('2d');
  function HideNote(element) {
    const note = notes.get(element);
    if (note) { note.remove(); notes.delete(element); }
  }

  // What hovering a box shows: its standing reason, or else what it takes; and its whole text
  // on a line after that when the text is wider than the box (the desktop's line has no
  // margins, so the room is the box's width less 4).
  function HoverText(element) {
    let text = reasons.get(element.id) || element.getAttribute('aria-description') || '';
    const value = element.value || '';
    if (value) {
      const style = getComputedStyle(element);
      measure.font = style.fontWeight + ' ' + style.fontSize + ' ' + style.fontFamily;
      if (measure.measureText(value).width > element.offsetWidth - 4) text = text ? text + '\n' + value : value;
    }
    return text;
  }

  Module['showTip'] = function (id, text) {
    const element = ElementOf(id);
    if (!element) return;
    HideNote(element);
    if (text) reasons.set(element.id, text); else reasons.delete(element.id);
    element.title = HoverText(element);
    if (!text) return;
    const note = document.createElement('div');
    note.className = 'note';
    note.setAttribute('role', 'status');
    note.textContent = text;
    note.style.left = element.style.left;
    note.style.top = (parseInt(element.style.top, 10) + parseInt(element.style.height, 10) + 1) + 'px';
    element.parentNode.appendChild(note);
    notes.set(element, note);
    setTimeout(function () { if (notes.get(element) === note) HideNote(element); }, kNoteSeconds * 1000);
  };
  function HandleNotes(frame) {
    frame.addEventListener('mouseover', function (event) {
      const unit = UnitOf(event.target);
      if (unit && unit.group) event.target.title = HoverText(event.target);
    });
    frame.addEventListener('input', function (event) {
      const changed = UnitOf(event.target);
      if (!changed || !changed.groupInput) return;
      for (const unit of ordered) {
        if (unit.group !== changed.group) continue;
        const element = ElementOf(unit.id);
        reasons.delete(element.id);
        element.title = HoverText(element);
        HideNote(element);
      }
    });
  }

  // A fatal error's box text in place of the window; the program has stopped.
  Module['showError'] = function (text) {
    const frame = document.getElementById('window');
    frame.textContent = '';
    const box = document.createElement('pre');
    box.className = 'error';
    box.setAttribute('role', 'alert');
    box.textContent = text.replace(/\r\n/g, '\n');
    frame.appendChild(box);
  };

  Module['onRuntimeInitialized'] = function () {
    const frame = document.getElementById('window');
    HandleKeys(frame);
    HandleNotes(frame);
    RaiseUserEvents(frame);
    if (!Module['_PageLoad']()) return;
    // The window starts with the focus on the first unit of its tab order.
    const first = FocusOrder(frame)[0];
    if (first) first.focus();
    document.documentElement.dataset.ready = 'true';
    if (decoding === 0) document.documentElement.dataset.painted = 'true';
    document.documentElement.dataset.readyAt = String(Math.round(performance.now()));
  };
})();
