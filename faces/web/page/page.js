// The page: builds the main window's units as page elements from the program's descriptions
// of them, places them as the window places its controls, and hands what the user does back to
// the program as the units' events. Appended to emscripten's script after painting.js, so the
// page is one script and one .wasm.
(function() {
'use strict';
function ApplyFont(element, unit) {
  const pixels = Math.min(Math.abs(unit.fontHeight), 256);
  if (pixels) Object.assign(element.style, { fontSize: pixels + 'px', lineHeight: (pixels + 1) + 'px' });
  if (unit.fontWeight >= 600) element.style.fontWeight = 'bold';
}

// Text a phone shows is read at arm's length: a painted colour too light against the window
// keeps its hue, darkened to the contrast of 4.5 that readable text needs.
const Luminance = rgb => rgb.map(c => c / 255)
                             .map(c => c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4)
                             .reduce((sum, c, i) => sum + c * [0.2126, 0.7152, 0.0722][i], 0);
function Readable(argb) {
  const background =
      getComputedStyle(document.getElementById('window')).backgroundColor.match(/\d+/g).map(Number);
  const most = (Luminance(background.slice(0, 3)) + 0.05) / 4.5 - 0.05;
  let rgb = [argb >>> 16 & 0xFF, argb >>> 8 & 0xFF, argb & 0xFF];
  for (let step = 0; step < 60 && Luminance(rgb) > most; ++step) rgb = rgb.map(c => Math.floor(c * 0.95));
  return 'rgb(' + rgb.join(', ') + ')';
}

// The painting is hidden from assistive technology, which reads the caption as text: one
// line unwrapped, each CR LF, LF or CR ending a line when wrapped. Where the caption shows
// instead (a narrow screen), it has the painted text's colour, readable, and weight.
function MakeLabel(unit) {
  const label = Object.assign(
      document.createElement('label'), { className: 'label', htmlFor: labelFor.get(unit.id) || '' });
  const canvas = PaintedCanvas(unit);
  canvas.setAttribute('aria-hidden', 'true');
  const caption = Object.assign(document.createElement('span'), {
    className: 'caption',
    textContent: unit.wordWrap ? unit.text.replace(/\r\n?/g, '\n') : unit.text.replace(/[\r\n]/g, '')
  });
  const painted = (unit.paint || []).find(op => op[0] === 'text');
  if (painted) Object.assign(caption.style, { color: Readable(painted[4]), fontWeight: String(painted[6]) });
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
  // A phone's keyboard must not capitalise sin into Sin, nor correct what it does not know.
  Object.assign(box, { spellcheck: false, autocomplete: 'off', enterKeyHint: 'go' });
  for (const name of ['autocapitalize', 'autocorrect']) box.setAttribute(name, 'off');
  if (unit.maxLength > 0) box.maxLength = unit.maxLength;
  Object.assign(box.style, {
    color: Painting.Css(unit.textColour),
    background: Painting.Css(unit.background),
    textAlign: ['left', 'center', 'right'][unit.alignment] || 'left'
  });
  if (unit.border === 0) Object.assign(box.style, { border: 'none', boxShadow: 'none' });
  ApplyFont(box, unit);
  return box;
}

function MakeButton(unit) {
  const button = Object.assign(document.createElement('button'), { type: 'button', textContent: unit.text });
  ApplyFont(button, unit);
  button.addEventListener('click', function() {
    NewTurn();
    Module['_PageClick'](unit.id);
  });
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
  const paint = context => Painting.Replay(context, unit.paint, image);
  const canvas = Painting.Canvas(unit, paint);
  if (unit.pictureSize > 0) {
    const bytes = HEAPU8.slice(unit.picture, unit.picture + unit.pictureSize);
    ++decoding;
    delete document.documentElement.dataset.painted;
    // A picture that does not decode leaves the unit without one.
    createImageBitmap(new Blob([bytes], { type: 'image/jpeg' })).then(decoded => {
      image = decoded;
      Painting.PaintCanvas(canvas, unit, paint);
      Decoded();
    }, Decoded);
  }
  return canvas;
}

// The units by id: each one's own description merged with its place in the window.
const units = new Map();
const pending = new Map();   // elements made before the window is arranged
const labelFor = new Map();  // a label's id to the id of the box it names

function ElementOf(id) { return document.getElementById('u' + (id >>> 0).toString(16)); }

// A shape only draws the window's lines and frames, which say nothing to assistive technology.
const Unseen = element => (element.setAttribute('aria-hidden', 'true'), element);
const kMakers = {
  edit: MakeEditBox,
  label: MakeLabel,
  button: MakeButton,
  shape: unit => Unseen(PaintedCanvas(unit)),
  picture: unit => Object.assign(PaintedCanvas(unit), { className: 'picture' })
};
function MakeElement(unit) { return kMakers[unit.kind] ? kMakers[unit.kind](unit) : null; }

// Geometry is in the parent's client area, and a unit shows only inside its parent.
function Place(element, unit) {
  let left = unit.left, top = unit.top;
  let clip = { left: 0, top: 0, right: unit.width, bottom: unit.height };
  for (let parent = units.get(unit.parent); parent && parent.kind !== 'window';
       parent = units.get(parent.parent)) {
    clip = {
      left: Math.max(clip.left, -left),
      top: Math.max(clip.top, -top),
      right: Math.min(clip.right, parent.width - left),
      bottom: Math.min(clip.bottom, parent.height - top)
    };
    left += parent.left;
    top += parent.top;
  }
  Object.assign(element.style, { clipPath: '', display: '' });
  if (clip.left > 0 || clip.top > 0 || clip.right < unit.width || clip.bottom < unit.height) {
    element.style.clipPath = 'inset(' + clip.top + 'px ' + Math.max(0, unit.width - clip.right) + 'px ' +
        Math.max(0, unit.height - clip.bottom) + 'px ' + clip.left + 'px)';
    if (clip.right <= clip.left || clip.bottom <= clip.top) element.style.display = 'none';
  }
  Object.assign(
      element.style,
      { left: left + 'px', top: top + 'px', width: unit.width + 'px', height: unit.height + 'px' });
}

// The first record is on top of its siblings. The elements are in reading order, which is the
// window's tab order, so a stop needs no number of its own. A narrow screen sets the units out
// in that order by group.
function Arrange(element, unit) {
  Place(element, unit);
  element.style.zIndex = String(unit.stack);
  element.dataset.group = unit.group;
  element.classList.toggle('first', !!unit.first);
  element.style.visibility = unit.visible ? '' : 'hidden';
  element.tabIndex = unit.tabOrder > 0 && (unit.kind === 'edit' || unit.kind === 'button') ? 0 : -1;
  // The desktop's accessible names: each box by its group and label, the diagram described,
  // the warning announced when it shows.
  if (unit.accessibleName) element.setAttribute('aria-label', unit.accessibleName);
  if (unit.accessibleDescription) element.setAttribute('aria-description', unit.accessibleDescription);
  if (unit.labelledBy) labelFor.set(unit.labelledBy, element.id);
  if (unit.labelledBy && ElementOf(unit.labelledBy)) ElementOf(unit.labelledBy).htmlFor = element.id;
  if (unit.keyboard) element.inputMode = unit.keyboard;
  if (unit.kind === 'picture' && unit.accessibleName) element.setAttribute('role', 'img');
  // A label's element names a box and may take no role: its text is the alert.
  if (unit.alert) (element.querySelector('.caption') || element).setAttribute('role', 'alert');
  element.classList.toggle('alert', !!unit.alert);
}

// A unit's element, built anew from its description whenever a property changes.
Module['showUnit'] = function(description) {
  const unit = Object.assign(units.get(description.id) || {}, description);
  units.set(unit.id, unit);
  const frame = document.getElementById('window');
  if (unit.kind === 'window') {
    Object.assign(frame.style, {
      background: Painting.Css(unit.background),
      width: unit.clientWidth + 'px',
      height: unit.clientHeight + 'px'
    });
    windowWidth = unit.clientWidth;
    windowHeight = unit.clientHeight;
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
  const focused = document.activeElement === old;
  old.replaceWith(element);
  if (focused) element.focus({ preventScroll: true });
};

// Every unit once created: placed, stacked and shown as its record says, in reading order.
Module['arrangeUnits'] = function(layout) {
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

Module['unitText'] = function(id) {
  const element = ElementOf(id);
  return element ? element.value : '';
};
// A written text shows from its start: an unfocused box shows it so by itself, a focused one
// would follow its caret to the end.
Module['setUnitText'] = function(id, text) {
  const element = ElementOf(id);
  if (!element) return;
  element.value = text;
  if (document.activeElement === element) element.setSelectionRange(0, 0);
  if (units.get(id).result && text) {
    Say(element, text);
    Reveal(element);
  }
};
Module['repeatUnitText'] = function(id) {
  const element = ElementOf(id);
  if (element && units.get(id).result && element.value) Say(element, element.value);
};
// A text shortened in the middle to `keep` characters of each end, never between the two
// halves of a character.
function Middle(text, keep) {
  if (text.length <= 2 * keep + 3) return text;
  let head = keep, tail = text.length - keep;
  if (head > 0 && /[\uD800-\uDBFF]/.test(text[head - 1])) --head;
  if (/[\uDC00-\uDFFF]/.test(text[tail])) ++tail;
  return text.slice(0, head) + ' … ' + text.slice(tail);
}

// What a screen reader says politely: what the user's last click, key, tap or edit brought to
// the boxes, each after its box's name, in reading order, in place of what the one before
// brought. A box says a sentence at most: the first line of its text or note, shortened in the
// middle; the whole is in the box. Two regions take turns, so that words said again are a
// change too.
const kMostSaid = 80;
let saying = new Map(), sayingSoon = false, region = 0;
function NewTurn() { saying.clear(); }
function Say(element, text) {
  saying.delete(element);
  saying.set(element, Middle(text.split('\n', 1)[0], kMostSaid / 2));
  if (sayingSoon) return;
  sayingSoon = true;
  setTimeout(function() {
    sayingSoon = false;
    const said =
        Array.from(saying)
            .filter(([element]) => element.isConnected)
            .sort(([a], [b]) => a.compareDocumentPosition(b) & Node.DOCUMENT_POSITION_FOLLOWING ? -1 : 1)
            .map(([element,
                   text]) => (element.getAttribute('aria-label') || element.textContent) + ' ' + text);
    saying.clear();
    if (!said.length) return;
    const regions = document.querySelectorAll('#said > [aria-live]');
    regions[region].textContent = '';
    region ^= 1;
    regions[region].textContent = said.join('；');
  });
}
// A finger's screen (a phone upright or on its side, a tablet), and any screen narrower than
// 500 px or than the window, or lower than it, shows the units in one column for a finger
// (index.html's .narrow).
const kNarrowScreen = 500;
let windowWidth = 0, windowHeight = 0, narrow = false;
function Reveal(element) {
  if (narrow) element.scrollIntoView({ block: 'nearest' });
}
function Fit() {
  narrow = matchMedia(
               `(pointer: coarse), (max-width: ${Math.max(windowWidth, kNarrowScreen) - 0.5}px),` +
               ` (max-height: ${windowHeight - 0.5}px)`)
               .matches;
  document.getElementById('window').classList.toggle('narrow', narrow);
  ShowKeys();
}
addEventListener('resize', Fit);
matchMedia('(pointer: coarse)').addEventListener('change', Fit);  // a tablet's mouse plugged in or out
// -1 leaves a state as it is.
Module['setUnitState'] = function(id, visible, disabled) {
  const element = ElementOf(id), unit = units.get(id);
  if (!element || !unit) return;
  if (visible >= 0) {
    unit.visible = visible !== 0;
    element.style.visibility = unit.visible ? '' : 'hidden';
  }
  if (disabled >= 0 && 'disabled' in element) {
    unit.disabled = disabled !== 0;
    element.disabled = unit.disabled;
  }
};

// The unit an element shows, from the id it carries.
function UnitOf(element) {
  return /^u[0-9a-f]+$/.test(element.id) ? units.get(parseInt(element.id.slice(1), 16)) : undefined;
}

// What the user does to a box or a button goes to the program as that unit's; any input is
// activity, which starts a new idle period.
function ReportUser(frame) {
  const report = (name, extra) => event => {
    const unit = UnitOf(event.target);
    if (!ended && unit && (unit.kind === 'edit' || unit.kind === 'button')) Module[name](unit.id, extra);
  };
  frame.addEventListener('input', NewTurn, true);
  frame.addEventListener('input', report('_PageEdited'));
  frame.addEventListener('focusin', report('_PageFocus', 1));
  frame.addEventListener('focusout', report('_PageFocus', 0));
  frame.addEventListener('mouseover', function(event) {
    const unit = UnitOf(event.target);
    if (!ended && unit && unit.kind === 'edit') Module['_PageHover'](unit.id);
  });
  // A finger does not hover: the frame shows a tapped box's hover text as a note instead.
  frame.addEventListener('pointerup', function(event) {
    const unit = UnitOf(event.target);
    if (!ended && event.pointerType === 'touch' && unit && unit.kind === 'edit') {
      NewTurn();
      Module['_PageTapped'](unit.id);
    }
  });
  for (const name of ['keydown', 'pointerdown', 'input', 'wheel']) addEventListener(name, Activity, true);
}

// Tab, Enter, Escape and F1 go to the frame as they are; the browser keeps those it declines,
// and those an input method is composing with.
const kFrameKeys = {
  Tab: 9,
  Enter: 13,
  Escape: 27,
  F1: 112
};
function HandleKeys(frame) {
  frame.addEventListener('keydown', function(event) {
    const code = kFrameKeys[event.key], unit = UnitOf(event.target);
    if (ended || !code || event.metaKey || event.isComposing) return;
    NewTurn();
    if (Module['_PageKey'](unit ? unit.id : 0, code, event.shiftKey, event.ctrlKey, event.altKey))
      event.preventDefault();
  });
}

// A phone's keypad for numbers has no operators, and its keyboard for text keeps them a page
// away, while every box takes an expression: on a finger's screen a row of them stands over
// the keyboard while the person types into a box (tapped it, or typed in it; the focus the
// window starts with opens no keyboard). A key types at the caret as the keyboard does, and
// never takes the focus from the box.
// What a key types, shows, and is called.
const kKeys = [
  ['+', '+', '加'], ['-', '-', '减'], ['*', '*', '乘'], ['/', '/', '除'], ['^', '^', '乘方'],
  ['(', '(', '左括号'], [')', ')', '右括号'], ['sin(', 'sin'], ['cos(', 'cos'], ['tg(', 'tg'], ['ctg(', 'ctg']
];
let keys = null, typing = null;
function Typed() {
  const box = document.activeElement, unit = box && UnitOf(box);
  return unit && unit.kind === 'edit' && !box.readOnly && !box.disabled && !ended ? box : null;
}
function TypeKey(text) {
  const box = Typed();
  if (!box ||
      (box.maxLength > 0 &&
       box.value.length - (box.selectionEnd - box.selectionStart) + text.length > box.maxLength))
    return;
  box.setRangeText(text, box.selectionStart, box.selectionEnd, 'end');
  box.dispatchEvent(new InputEvent('input', { bubbles: true, inputType: 'insertText', data: text }));
}
function MakeKeys() {
  keys = Object.assign(document.createElement('div'), { id: 'keys', className: 'keys', hidden: true });
  keys.setAttribute('role', 'toolbar');
  keys.setAttribute('aria-label', '运算符和函数');
  kKeys.forEach(function([text, shown, name]) {
    const key =
        Object.assign(document.createElement('button'), { type: 'button', tabIndex: -1, textContent: shown });
    key.dataset.text = text;
    if (name) key.setAttribute('aria-label', name);
    key.addEventListener('pointerdown', event => event.preventDefault());
    key.addEventListener('mousedown', event => event.preventDefault());
    key.addEventListener('click', () => TypeKey(text));
    keys.append(key);
  });
  document.querySelector('main').append(keys);
  const viewport = self.visualViewport;
  if (viewport)
    for (const name of ['resize', 'scroll']) viewport.addEventListener(name, PlaceKeys);
}
// Over the on-screen keyboard, which a browser may lay over the page rather than shrink it for.
function PlaceKeys() {
  const viewport = self.visualViewport;
  if (!keys || keys.hidden || !viewport) return;
  keys.style.bottom = Math.max(0, innerHeight - viewport.offsetTop - viewport.height) + 'px';
}
function ShowKeys() {
  if (!keys) return;
  const box = narrow && Typed() === typing ? typing : null;
  keys.hidden = !box;
  document.body.style.paddingBottom = box ? keys.offsetHeight + 'px' : '';
  if (!box) return;
  PlaceKeys();
  const over = box.getBoundingClientRect().bottom - keys.getBoundingClientRect().top;
  if (over > 0) scrollBy(0, over + 4);
}

Module['focusUnit'] = function(id, select) {
  const element = ElementOf(id);
  if (!element) return;
  element.focus();
  if (select && element.select) element.select();
  Reveal(element);
};

// Idle passes while the frame wants them, when the browser has nothing else to do.
let ended = false, idling = false, loopEntered = false;
const WhenIdle = self.requestIdleCallback ? f => requestIdleCallback(f) : f => setTimeout(f, 0);
function Idle() {
  if (ended || idling) return;
  idling = true;
  WhenIdle(function() {
    idling = false;
    if (!ended && Module['_PageIdle'](performance.now())) Idle();
  });
}
function Activity() {
  if (!ended && loopEntered) {
    Module['_PageActivity']();
    Idle();
  }
}

Module['startTimer'] = function(timer, milliseconds) {
  setTimeout(function() {
    if (!ended) Module['_PageTimer'](timer);
  }, milliseconds);
};
Module['openHelp'] = function(file) { open(file, '_blank', 'noopener'); };

// The one note, as the frame places and words it; hover texts and descriptions as the
// program words them.
let note = null;
const measure = document.createElement('canvas').getContext('2d');
function HideNote() {
  if (note) note.element.remove();
  note = null;
}
Module['lineWidth'] = function(id, text) {
  const element = ElementOf(id), style = element && getComputedStyle(element);
  if (!element) return 0;
  measure.font = style.fontWeight + ' ' + style.fontSize + ' ' + style.fontFamily;
  return Math.ceil(measure.measureText(text).width);
};
// A box's line has no margins of its own.
Module['lineRoom'] = function(id) {
  const element = ElementOf(id);
  return element ? element.offsetWidth - 4 : 0;
};
// A note holds a few lines at most: past them the text after its first line (what the box
// takes, or why it is empty) is shortened in the middle, the whole being in the box. A hover
// text, laid out by the browser, is shortened to about as much.
const kNoteLines = 4, kMostHover = 240;
function Heading(text) {
  const end = text.indexOf('\n') + 1;
  return [text.slice(0, end), text.slice(end)];
}
function FitNote(shown, text) {
  const [first, rest] = Heading(text);
  shown.textContent = 'x';
  const most = shown.offsetHeight + (kNoteLines - 1) * parseFloat(getComputedStyle(shown).lineHeight) + 0.5;
  const fits = keep => (shown.textContent = first + Middle(rest, keep), shown.offsetHeight <= most);
  // Even a wide screen's few lines hold fewer characters than this.
  let low = 0, high = Math.min(Math.ceil(rest.length / 2), 1000);
  if (fits(high)) return;
  while (high - low > 1) {
    const keep = (low + high) >> 1;
    if (fits(keep))
      low = keep;
    else
      high = keep;
  }
  fits(low);
}
Module['setHoverText'] = function(id, hover) {
  const element = ElementOf(id), [first, rest] = Heading(hover);
  if (element) element.title = first + Middle(rest, kMostHover / 2);
};
Module['describeUnit'] = function(id, text) {
  const element = ElementOf(id);
  if (!element) return;
  if (text)
    element.setAttribute('aria-description', text);
  else
    element.removeAttribute('aria-description');
};
// Beside the unit at the frame's side. The page is as wide as the window: a side past its edge
// turns to the opposite one, as a tool tip at the screen's edge does, and what still does not
// fit is pulled into view sideways. The one column has no room beside a box: the note goes
// under it and the column below moves down while it shows, so it covers no label nor control.
const kOpposite = {
  below: 'above',
  above: 'below',
  right: 'left',
  left: 'right'
};
Module['showNote'] = function(id, text, side) {
  HideNote();
  const element = ElementOf(id);
  if (!element || !text) return;
  Say(element, text);
  const shown = Object.assign(document.createElement('div'), { className: 'note' });
  shown.dataset.unit = id.toString(16);
  note = { id: id, element: shown };
  if (narrow) {
    element.after(shown);
    shown.style.order = getComputedStyle(element).order;
    FitNote(shown, text);
    return Reveal(shown);
  }
  document.querySelector('main').appendChild(shown);
  FitNote(shown, text);
  const box = element.getBoundingClientRect(), size = shown.getBoundingClientRect();
  const places = {
    below: [box.left, box.bottom + 1],
    above: [box.left, box.top - size.height - 1],
    right: [box.right + 1, box.top],
    left: [box.left - size.width - 1, box.top]
  };
  const fits = place => place[0] >= 0 && place[0] + size.width <= innerWidth && place[1] + scrollY >= 0;
  const at = places[fits(places[side]) || !fits(places[kOpposite[side]]) ? side : kOpposite[side]];
  shown.style.left = scrollX + Math.max(0, Math.min(at[0], innerWidth - size.width)) + 'px';
  shown.style.top = scrollY + Math.max(-scrollY, at[1]) + 'px';
  Reveal(shown);
};
Module['hideNote'] = function(id) {
  if (note && note.id === id) HideNote();
};

// A fatal error's box text in place of the window; the program has stopped.
Module['showError'] = function(text) {
  const frame = document.getElementById('window');
  frame.textContent = '';
  const box = frame.appendChild(Object.assign(document.createElement('pre'), { className: 'error' }));
  Object.assign(box, { role: 'alert', textContent: text.replace(/\r\n/g, '\n') });
  frame.style.visibility = '';
};

// The window shows once built, when its record says so, with the focus on the unit given.
Module['showWindow'] = function(first) {
  document.getElementById('window').style.visibility = '';
  if (first && ElementOf(first)) ElementOf(first).focus();
};

// The message loop runs from here: the page is ready and idle periods begin.
Module['loopEntered'] = function() {
  loopEntered = true;
  document.documentElement.dataset.ready = 'true';
  if (decoding === 0) document.documentElement.dataset.painted = 'true';
  document.documentElement.dataset.readyAt = String(Math.round(performance.now()));
  Idle();
};

// The window closed: its elements go. With the last one the program has ended, which the page
// says where the window was.
Module['closeWindow'] = function() {
  HideNote();
  units.clear();
  document.getElementById('window').textContent = '';
};
Module['end'] = function(status) {
  ended = true;
  const frame = document.getElementById('window');
  Object.assign(frame.style, { height: 'auto', background: '' });
  frame.appendChild(Object.assign(document.createElement('p'), {
    className: 'ended',
    lang: 'zh-CN',
    role: 'status',
    textContent: '窗口已关闭。重新载入页面即可再次打开。'
  }));
  document.documentElement.dataset.exit = String(status);
};

// The program's main() loads the window once the services are in place.
Module['onRuntimeInitialized'] = function() {
  const frame = document.getElementById('window');
  HandleKeys(frame);
  ReportUser(frame);
  MakeKeys();
  for (const name of ['pointerdown', 'input'])
    frame.addEventListener(name, event => {
      typing = event.target;
    });
  frame.addEventListener('focusin', ShowKeys);
  frame.addEventListener('input', ShowKeys);
  frame.addEventListener('focusout', () => setTimeout(ShowKeys));
  frame.style.visibility = 'hidden';
};
})();
