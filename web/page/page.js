// The page: builds the main window's units from the program's description of its template,
// and hands clicks back to the program. Appended to emscripten's script, so the page is one
// script and one .wasm.
(function () {
  'use strict';
  const kButtonFace = 0xFF000000;
  const kButtonFaceCss = '#f0f0f0';
  const kShape = { rectangle: 0, square: 1, ellipse: 2, circle: 3, roundedRectangle: 4, roundedSquare: 5,
                   horizontalLine: 6, verticalLine: 7 };
  const kDashes = [null, [], [6, 2], [1, 2], [6, 2, 1, 2], [6, 2, 1, 2, 1, 2]];

  // Colours are stored 0x00BBGGRR.
  function Css(colour) {
    if (colour >>> 0 === kButtonFace) return kButtonFaceCss;
    return 'rgb(' + (colour & 0xFF) + ',' + ((colour >>> 8) & 0xFF) + ',' + ((colour >>> 16) & 0xFF) + ')';
  }

  function ApplyFont(element, unit) {
    if (unit.fontHeight) {
      const pixels = Math.min(Math.abs(unit.fontHeight), 256);
      element.style.fontSize = pixels + 'px';
      element.style.lineHeight = (pixels + 1) + 'px';
    }
    if (unit.fontWeight >= 600) element.style.fontWeight = 'bold';
  }

  // A canvas at the device's pixel ratio, so that painting stays crisp when zoomed.
  function Canvas(unit, paint) {
    const canvas = document.createElement('canvas');
    const ratio = window.devicePixelRatio || 1;
    canvas.width = Math.max(1, Math.round(unit.width * ratio));
    canvas.height = Math.max(1, Math.round(unit.height * ratio));
    canvas.style.width = unit.width + 'px';
    canvas.style.height = unit.height + 'px';
    const context = canvas.getContext('2d');
    context.scale(ratio, ratio);
    paint(context);
    return canvas;
  }

  function PaintShape(context, unit) {
    const w = unit.width, h = unit.height;
    if (unit.background >>> 0 !== kButtonFace) {
      context.fillStyle = Css(unit.background);
      context.fillRect(0, 0, w, h);
    }
    const line = Math.max(0, unit.lineWidth);
    const inset = line / 2;
    context.beginPath();
    switch (unit.shape) {
      case kShape.horizontalLine: context.moveTo(0, h / 2); context.lineTo(w, h / 2); break;
      case kShape.verticalLine: context.moveTo(w / 2, 0); context.lineTo(w / 2, h); break;
      case kShape.ellipse: case kShape.circle: {
        const rx = unit.shape === kShape.circle ? Math.min(w, h) / 2 : w / 2;
        const ry = unit.shape === kShape.circle ? rx : h / 2;
        context.ellipse(w / 2, h / 2, Math.max(0, rx - inset), Math.max(0, ry - inset), 0, 0, 2 * Math.PI);
        break;
      }
      default: {
        const square = unit.shape === kShape.square || unit.shape === kShape.roundedSquare;
        const side = Math.min(w, h);
        const x = square ? (w - side) / 2 : 0, y = square ? (h - side) / 2 : 0;
        const rw = square ? side : w, rh = square ? side : h;
        if (unit.shape === kShape.roundedRectangle || unit.shape === kShape.roundedSquare)
          context.roundRect(x + inset, y + inset, rw - line, rh - line, Math.min(rw, rh) / 6);
        else
          context.rect(x + inset, y + inset, rw - line, rh - line);
      }
    }
    if (unit.fillColour >>> 0 !== kButtonFace && unit.shape < kShape.horizontalLine) {
      context.fillStyle = Css(unit.fillColour);
      context.fill();
    }
    if (unit.lineStyle > 0 && line > 0) {
      context.strokeStyle = Css(unit.lineColour);
      context.lineWidth = line;
      context.setLineDash(kDashes[unit.lineStyle] || []);
      context.stroke();
    }
    // Raised (1) or sunken (2) passes inside the outline.
    if (unit.effect3d > 0 && unit.shape < kShape.ellipse) {
      const light = unit.effect3d === 1 ? '#ffffff' : '#808080';
      const dark = unit.effect3d === 1 ? '#808080' : '#ffffff';
      const o = line + 0.5;
      context.setLineDash([]);
      context.lineWidth = 1;
      context.strokeStyle = light;
      context.beginPath(); context.moveTo(o, h - o); context.lineTo(o, o); context.lineTo(w - o, o); context.stroke();
      context.strokeStyle = dark;
      context.beginPath(); context.moveTo(w - o, o); context.lineTo(w - o, h - o); context.lineTo(o, h - o); context.stroke();
    }
  }

  function MakeLabel(unit) {
    const label = document.createElement('div');
    label.className = 'label';
    label.textContent = unit.text.replace(/\r\n/g, '\n');
    label.style.color = Css(unit.textColour);
    label.style.background = Css(unit.background);
    label.style.justifyContent = ['flex-start', 'center', 'flex-end'][unit.alignment] || 'flex-start';
    label.style.textAlign = ['left', 'center', 'right'][unit.alignment] || 'left';
    // Vertical alignment holds for a single line only; several lines start at the top.
    const single = !unit.text.includes('\n') && !unit.wordWrap;
    label.style.alignItems = single ? (['flex-start', 'center', 'flex-end'][unit.verticalAlignment] || 'center') : 'flex-start';
    if (unit.wordWrap) label.style.whiteSpace = 'pre-wrap';
    ApplyFont(label, unit);
    return label;
  }

  function MakeEditBox(unit) {
    const box = document.createElement(unit.multiLine ? 'textarea' : 'input');
    if (!unit.multiLine) box.type = unit.password ? 'password' : 'text';
    box.value = unit.text;
    box.readOnly = unit.readOnly;
    box.spellcheck = false;
    box.autocomplete = 'off';
    if (unit.maxLength > 0) box.maxLength = unit.maxLength;
    box.style.color = Css(unit.textColour);
    box.style.background = Css(unit.background);
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
    if (unit.clickable) button.addEventListener('click', function () { Module['_PageClick'](unit.id); });
    return button;
  }

  function MakePicture(unit) {
    const picture = document.createElement('div');
    picture.style.background = Css(unit.background);
    if (unit.pictureSize > 0) {
      const bytes = HEAPU8.slice(unit.picture, unit.picture + unit.pictureSize);
      const image = document.createElement('img');
      image.src = URL.createObjectURL(new Blob([bytes], { type: 'image/jpeg' }));
      image.alt = '';
      image.draggable = false;
      image.style.position = 'absolute';
      if (unit.displayMode === 1) { image.style.width = '100%'; image.style.height = '100%'; }
      picture.appendChild(image);
    }
    return picture;
  }

  function Build(units) {
    const frame = document.getElementById('window');
    const byId = new Map(units.map(function (unit) { return [unit.id, unit]; }));
    units.forEach(function (unit, index) {
      let element;
      switch (unit.kind) {
        case 'edit': element = MakeEditBox(unit); break;
        case 'label': element = MakeLabel(unit); break;
        case 'button': element = MakeButton(unit); break;
        case 'shape': element = Canvas(unit, function (context) { PaintShape(context, unit); }); break;
        case 'picture': element = MakePicture(unit); break;
        default:  // the window itself is the frame
          frame.style.background = Css(unit.background);
          return;
      }
      element.id = 'u' + unit.id.toString(16);
      // Geometry is in the parent's client area, and a unit shows only inside its parent.
      let left = unit.left, top = unit.top;
      let clip = { left: 0, top: 0, right: unit.width, bottom: unit.height };
      for (let parent = byId.get(unit.parent); parent && parent.kind !== 'window'; parent = byId.get(parent.parent)) {
        clip = { left: Math.max(clip.left, -left), top: Math.max(clip.top, -top),
                 right: Math.min(clip.right, parent.width - left), bottom: Math.min(clip.bottom, parent.height - top) };
        left += parent.left; top += parent.top;
      }
      if (clip.left > 0 || clip.top > 0 || clip.right < unit.width || clip.bottom < unit.height) {
        element.style.clipPath = 'inset(' + clip.top + 'px ' + Math.max(0, unit.width - clip.right) + 'px ' +
                                 Math.max(0, unit.height - clip.bottom) + 'px ' + clip.left + 'px)';
        if (clip.right <= clip.left || clip.bottom <= clip.top) element.style.display = 'none';
      }
      // The first record is on top of its siblings.
      element.style.left = left + 'px';
      element.style.top = top + 'px';
      element.style.width = unit.width + 'px';
      element.style.height = unit.height + 'px';
      element.style.zIndex = String(units.length - index);
      if (!unit.visible) element.style.visibility = 'hidden';
      if ('disabled' in element) element.disabled = unit.disabled;
      // The Tab order runs against the record order.
      element.tabIndex = unit.tabStop && (unit.kind === 'edit' || unit.kind === 'button') ? units.length - index : -1;
      frame.appendChild(element);
    });
  }

  Module['onRuntimeInitialized'] = function () {
    const units = JSON.parse(UTF8ToString(Module['_PageDescribe']()));
    if (!units) {
      document.getElementById('window').textContent = '载入窗口模板数据段出错!';
      return;
    }
    Build(units);
    document.documentElement.dataset.ready = 'true';
  };
})();
