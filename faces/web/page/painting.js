// The page's painter: replays the display lists the program computes for the units it paints
// itself (the desktop's painting rules, compiled in), on canvases at the device's pixel ratio,
// painted again when the page is zoomed; and measures text for those rules with the canvas's
// fonts. It decides nothing. Appended to emscripten's script before page.js.
const Painting = (function() {
  'use strict';
  // Colours stored 0x00BBGGRR, for the elements the page does not paint itself.
  function Css(colour) {
    if (colour >>> 0 === 0xFF000000) return '#f0f0f0';
    return 'rgb(' + (colour & 0xFF) + ',' + ((colour >>> 8) & 0xFF) + ',' + ((colour >>> 16) & 0xFF) + ')';
  }
  // The display list's colours are 0xAARRGGBB.
  function Rgb(argb) { return '#' + (argb & 0xFFFFFF).toString(16).padStart(6, '0'); }

  const kFamilies =
      '"WenQuanYi Zen Hei", "Noto Sans CJK SC", "Source Han Sans SC", "Microsoft YaHei", sans-serif';
  function Font(pixels, weight, styles) {
    return (styles & 1 ? 'italic ' : '') + weight + ' ' + pixels + 'px ' + kFamilies;
  }
  const measurer = document.createElement('canvas').getContext('2d');
  let measuring = '';
  function Measure(text, pixels, weight, styles) {
    const font = Font(pixels, weight, styles);
    if (font !== measuring) measurer.font = measuring = font;
    return Math.round(measurer.measureText(text).width);
  }

  // Outlines: 0 rectangle, 1 ellipse, 2 rounded; added to a context's path or to a Path2D.
  function Figure(path, outline, x, y, w, h, rx, ry) {
    if (outline === 1)
      path.ellipse(x + w / 2, y + h / 2, w / 2, h / 2, 0, 0, 2 * Math.PI);
    else if (outline === 2)
      path.roundRect(x, y, w, h, [{ x: Math.min(rx, w / 2), y: Math.min(ry, h / 2) }]);
    else
      path.rect(x, y, w, h);
  }
  const kDashes = [[], [18, 6], [3, 3], [9, 6, 3, 6], [9, 3, 3, 3, 3, 3]];
  function Stroke(c, path, dash) {
    c.lineWidth = 1;
    c.setLineDash(kDashes[dash] || []);
    c.stroke(path);
    c.setLineDash([]);
  }
  function Filled(c, path, argb, rule) {
    c.fillStyle = Rgb(argb);
    c.fill(path, rule);
  }

  const ops = {
    fill(c, x, y, w, h, argb) {
      c.fillStyle = Rgb(argb);
      c.fillRect(x, y, w, h);
    },
    figure(c, outline, x, y, w, h, rx, ry, argb) {
      const path = new Path2D();
      Figure(path, outline, x, y, w, h, rx, ry);
      Filled(c, path, argb, 'nonzero');
    },
    ring(c, outline, x, y, w, h, rx, ry, ix, iy, iw, ih, irx, iry, argb) {
      const path = new Path2D();
      Figure(path, outline, x, y, w, h, rx, ry);
      if (iw > 0 && ih > 0) Figure(path, outline, ix, iy, iw, ih, irx, iry);
      Filled(c, path, argb, 'evenodd');
    },
    // A 1-pixel pen along the outermost cells: a solid rectangle in whole pixels, as the
    // desktop's unantialiased pen; other outlines along the cells' centres.
    stroke(c, outline, x, y, w, h, rx, ry, pen, dash, filled, fill) {
      if (filled) ops.figure(c, outline, x, y, w, h, rx, ry, fill);
      c.fillStyle = c.strokeStyle = Rgb(pen);
      if (outline === 0 && dash === 0) {
        c.fillRect(x, y, w, 1);
        c.fillRect(x, y + h - 1, w, 1);
        c.fillRect(x, y, 1, h);
        c.fillRect(x + w - 1, y, 1, h);
        return;
      }
      const path = new Path2D();
      Figure(path, outline, x + 0.5, y + 0.5, w - 1, h - 1, rx, ry);
      Stroke(c, path, dash);
    },
    line(c, x, y, w, h, argb, dash) {
      const path = new Path2D(h === 1 ? `M${x} ${y + 0.5}H${x + w}` : `M${x + 0.5} ${y}V${y + h}`);
      c.strokeStyle = Rgb(argb);
      Stroke(c, path, dash);
    },
    ramp(c, x, y, w, h, direction, ramp) {
      const pixels = new ImageData(w, h), words = new Uint32Array(pixels.data.buffer);  // ABGR
      for (let j = 0; j < h; ++j)
        for (let i = 0; i < w; ++i) {
          const a = ramp[[i, j, i + j, i + h - 1 - j][direction]];
          words[j * w + i] = 0xFF000000 | (a & 0xFF) << 16 | (a & 0xFF00) | (a >>> 16 & 0xFF);
        }
      const image = new OffscreenCanvas(w, h);
      image.getContext('2d').putImageData(pixels, 0, 0);
      c.drawImage(image, x, y);
    },
    picture(c, cx, cy, cw, ch, x, y, w, h, image) {
      if (image) {
        ops.clip(c, cx, cy, cw, ch);
        c.drawImage(image, x, y, w, h);
        c.restore();
      }
    },
    text(c, x, y, text, argb, pixels, weight, styles) {
      c.font = Font(pixels, weight, styles);
      c.fillStyle = Rgb(argb);
      c.fillText(text, x, y);
    },
    clip(c, x, y, w, h) {
      c.save();
      c.beginPath();
      c.rect(x, y, w, h);
      c.clip();
    },
    unclip(c) { c.restore(); },
  };

  // Replays a list; `image` is the unit's decoded picture, null until the browser has it.
  function Replay(context, list, image) {
    context.imageSmoothingEnabled = false;
    context.textBaseline = 'alphabetic';
    for (const op of list)
      ops[op[0]].apply(null, [context].concat(op.slice(1), op[0] === 'picture' ? [image] : []));
  }

  // A canvas at the device's pixel ratio, painted again when the ratio changes (zoom), so that
  // painting stays crisp.
  const canvases = [];
  function PaintCanvas(canvas, unit, paint) {
    const ratio = window.devicePixelRatio || 1;
    Object.assign(canvas, {
      width: Math.max(1, Math.round(unit.width * ratio)),
      height: Math.max(1, Math.round(unit.height * ratio))
    });
    canvas.getContext('2d').setTransform(ratio, 0, 0, ratio, 0, 0);
    paint(canvas.getContext('2d'));
  }
  function Canvas(unit, paint) {
    const canvas = document.createElement('canvas');
    Object.assign(canvas.style, { width: unit.width + 'px', height: unit.height + 'px' });
    PaintCanvas(canvas, unit, paint);
    canvases.push({ canvas: canvas, unit: unit, paint: paint, ratio: window.devicePixelRatio || 1 });
    return canvas;
  }
  function ForgetCanvases(element) {
    for (let i = canvases.length - 1; i >= 0; --i)
      if (element.contains(canvases[i].canvas)) canvases.splice(i, 1);
  }
  function Repaint() {
    for (const entry of canvases.filter(entry => entry.ratio !== (window.devicePixelRatio || 1))) {
      entry.ratio = window.devicePixelRatio || 1;
      PaintCanvas(entry.canvas, entry.unit, entry.paint);
    }
  }
  window.addEventListener('resize', Repaint);
  // A ratio can change without a resize (a window moved to another screen).
  (function WatchRatio() {
    matchMedia('(resolution: ' + (window.devicePixelRatio || 1) + 'dppx)')
        .addEventListener('change', function() {
          Repaint();
          WatchRatio();
        }, { once: true });
  })();

  return {
    Css: Css,
    Measure: Measure,
    Replay: Replay,
    Canvas: Canvas,
    PaintCanvas: PaintCanvas,
    ForgetCanvases: ForgetCanvases
  };
})();
