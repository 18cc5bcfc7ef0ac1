// How the units that the window paints itself look on the page: shapes, labels and pictures
// painted on canvases by the window's rules, each a function of the unit's properties, and
// painted again at the new pixel ratio when the page is zoomed. Appended to emscripten's script
// before page.js, which builds the elements.
const Painting = (function () {
  'use strict';
  const kButtonFace = 0xFF000000;
  const kButtonFaceCss = '#f0f0f0';
  const kShape = { rectangle: 0, square: 1, ellipse: 2, circle: 3, roundedRectangle: 4, roundedSquare: 5,
                   horizontalLine: 6, verticalLine: 7 };

  // Colours are stored 0x00BBGGRR.
  function Css(colour) {
    if (colour >>> 0 === kButtonFace) return kButtonFaceCss;
    return 'rgb(' + (colour & 0xFF) + ',' + ((colour >>> 8) & 0xFF) + ',' + ((colour >>> 16) & 0xFF) + ')';
  }

  // A canvas at the device's pixel ratio, painted again when the ratio changes (zoom), so that
  // painting stays crisp.
  const canvases = [];
  function PaintCanvas(canvas, unit, paint) {
    const ratio = window.devicePixelRatio || 1;
    canvas.width = Math.max(1, Math.round(unit.width * ratio));
    canvas.height = Math.max(1, Math.round(unit.height * ratio));
    const context = canvas.getContext('2d');
    context.setTransform(ratio, 0, 0, ratio, 0, 0);
    paint(context);
  }
  function Canvas(unit, paint) {
    const canvas = document.createElement('canvas');
    canvas.style.width = unit.width + 'px';
    canvas.style.height = unit.height + 'px';
    PaintCanvas(canvas, unit, paint);
    canvases.push({ canvas: canvas, unit: unit, paint: paint, ratio: window.devicePixelRatio || 1 });
    return canvas;
  }
  function ForgetCanvases(element) {
    for (let i = canvases.length - 1; i >= 0; --i) {
      if (element.contains(canvases[i].canvas)) canvases.splice(i, 1);
    }
  }
  function Repaint() {
    for (const entry of canvases) {
      if (entry.ratio === (window.devicePixelRatio || 1)) continue;
      entry.ratio = window.devicePixelRatio || 1;
      PaintCanvas(entry.canvas, entry.unit, entry.paint);
    }
  }
  window.addEventListener('resize', Repaint);
  // A ratio can change without a resize (a window moved to another screen).
  (function WatchRatio() {
    matchMedia('(resolution: ' + (window.devicePixelRatio || 1) + 'dppx)')
      .addEventListener('change', function () { Repaint(); WatchRatio(); }, { once: true });
  })();

  // A shape box paints as the desktop's does: the background over the whole box, then the
  // shape once (effect 0) or in two passes, white then black (raised) or black then white
  // (sunken), each pass a rectangle of (w - 1, h - 1) one pixel apart. Square kinds take the
  // centred square of the shorter side; rounded corners are a fifth of the pass rectangle.
  const kDashes = [[], [], [18, 6], [3, 3], [9, 6, 3, 6], [9, 3, 3, 3, 3, 3]];
  const kLineNone = 0, kLineSolid = 1;
  // Adds a shape's outline to a context's path or to a Path2D.
  function Outline(path, shape, x, y, w, h, rx, ry) {
    if (shape === kShape.ellipse || shape === kShape.circle)
      path.ellipse(x + w / 2, y + h / 2, w / 2, h / 2, 0, 0, 2 * Math.PI);
    else if (shape === kShape.roundedRectangle || shape === kShape.roundedSquare)
      path.roundRect(x, y, w, h, [{ x: Math.min(Math.max(rx, 0), w / 2), y: Math.min(Math.max(ry, 0), h / 2) }]);
    else
      path.rect(x, y, w, h);
  }

  function FillOutline(context, colour, shape, x, y, w, h, rx, ry) {
    context.fillStyle = colour;
    context.beginPath();
    Outline(context, shape, x, y, w, h, rx, ry);
    context.fill();
  }

  function DrawLine(context, unit, pass, style, width) {
    if (style === kLineNone) return;
    const horizontal = unit.shape === kShape.horizontalLine;
    const at = horizontal ? pass.y : pass.x;
    const length = horizontal ? unit.width : unit.height;
    if (length <= 0) return;
    if (style === kLineSolid) {
      context.fillStyle = pass.pen;
      if (horizontal) context.fillRect(0, at, length, width); else context.fillRect(at, 0, width, length);
      return;
    }
    context.strokeStyle = pass.pen;
    context.lineWidth = 1;
    context.setLineDash(kDashes[style]);
    context.beginPath();
    if (horizontal) { context.moveTo(0, at + 0.5); context.lineTo(length, at + 0.5); }
    else { context.moveTo(at + 0.5, 0); context.lineTo(at + 0.5, length); }
    context.stroke();
  }

  function DrawFigure(context, shape, pass, fill, style, width) {
    const rx = Math.floor(pass.w / 5) / 2, ry = Math.floor(pass.h / 5) / 2;
    let x = pass.x, y = pass.y, w = pass.w, h = pass.h;
    if (shape === kShape.square || shape === kShape.circle || shape === kShape.roundedSquare) {
      const side = Math.min(w, h);
      x += Math.floor((w - side) / 2); y += Math.floor((h - side) / 2); w = h = side;
    }
    if (w <= 0 || h <= 0) return;
    const brush = pass.fill ? fill : null;
    if (style === kLineNone) {
      if (brush) FillOutline(context, brush, shape, x, y, w, h, rx, ry);
      return;
    }
    if (style === kLineSolid && width > 1) {
      // A thick line lies inside the shape: a ring between the outline and the outline shrunk by the width.
      const ring = new Path2D();
      Outline(ring, shape, x, y, w, h, rx, ry);
      if (w - 2 * width > 0 && h - 2 * width > 0) {
        const ix = x + width, iy = y + width, iw = w - 2 * width, ih = h - 2 * width;
        if (brush) FillOutline(context, brush, shape, ix, iy, iw, ih, rx - width, ry - width);
        Outline(ring, shape, ix, iy, iw, ih, rx - width, ry - width);
      }
      context.fillStyle = pass.pen;
      context.fill(ring, 'evenodd');
      return;
    }
    if (brush) FillOutline(context, brush, shape, x, y, w, h, rx, ry);
    if ((shape === kShape.rectangle || shape === kShape.square) && style === kLineSolid) {
      // Whole pixels, as the desktop's unantialiased 1-pixel pen.
      context.fillStyle = pass.pen;
      context.fillRect(x, y, w, 1); context.fillRect(x, y + h - 1, w, 1);
      context.fillRect(x, y, 1, h); context.fillRect(x + w - 1, y, 1, h);
      return;
    }
    context.strokeStyle = pass.pen;
    context.lineWidth = 1;
    context.setLineDash(kDashes[style]);
    context.beginPath();
    Outline(context, shape, x + 0.5, y + 0.5, w - 1, h - 1, rx, ry);
    context.stroke();
  }

  function PaintShape(context, unit) {
    const w = unit.width, h = unit.height;
    context.fillStyle = Css(unit.background);
    context.fillRect(0, 0, w, h);
    const shape = Math.min(Math.max(unit.shape, 0), 7);
    const style = Math.min(Math.max(unit.lineStyle, 0), 5);
    const passes = unit.effect3d === 1 ? [{ x: 1, y: 1, w: w - 1, h: h - 1, pen: '#ffffff', fill: true },
                                          { x: 0, y: 0, w: w - 1, h: h - 1, pen: '#000000', fill: false }]
                 : unit.effect3d === 2 ? [{ x: 1, y: 1, w: w - 1, h: h - 1, pen: '#000000', fill: true },
                                          { x: 0, y: 0, w: w - 1, h: h - 1, pen: '#ffffff', fill: false }]
                 : [{ x: 0, y: 0, w: w, h: h, pen: Css(unit.lineColour), fill: true }];
    const width = unit.effect3d === 0 && style === kLineSolid ? Math.max(unit.lineWidth, 1) : 1;
    const fill = unit.fillColour >>> 0 === kButtonFace ? null : Css(unit.fillColour);
    for (const pass of passes) {
      if (shape === kShape.horizontalLine || shape === kShape.verticalLine) DrawLine(context, unit, pass, style, width);
      else DrawFigure(context, shape, pass, fill, style, width);
    }
  }

  // The classic edges a border style draws, outermost ring first: [top-left, bottom-right].
  const kHighlight = '#ffffff', kLight = '#e3e3e3', kShadow = '#a0a0a0', kDarkShadow = '#696969';
  const kSunken = [[kShadow, kHighlight], [kDarkShadow, kLight]];
  const kDialogFrame = [[kLight, kDarkShadow], [kHighlight, kShadow], [kButtonFaceCss, kButtonFaceCss]];
  const kBorderRings = [[], kSunken, kDialogFrame, [[kShadow, kHighlight]], kDialogFrame.concat(kSunken),
                        [['#646464', '#646464']]];
  const kBorderGradient = 6;

  // Draws a border's rings inside rect and returns the rectangle left inside them. The
  // bottom-right colour takes the top-right and bottom-left corners, as Windows draws them.
  function DrawBorder(context, rect, style) {
    let r = rect;
    for (const ring of kBorderRings[style] || []) {
      if (r.w <= 0 || r.h <= 0) break;
      context.fillStyle = ring[0];
      context.fillRect(r.x, r.y, r.w - 1, 1);
      context.fillRect(r.x, r.y, 1, r.h - 1);
      context.fillStyle = ring[1];
      context.fillRect(r.x, r.y + r.h - 1, r.w, 1);
      context.fillRect(r.x + r.w - 1, r.y, 1, r.h);
      r = { x: r.x + 1, y: r.y + 1, w: r.w - 2, h: r.h - 2 };
    }
    return r;
  }

  function PresentColours(colours) {
    return (colours || []).filter(function (c) { return c >>> 0 !== kButtonFace; })
      .map(function (c) { return [c & 0xFF, (c >>> 8) & 0xFF, (c >>> 16) & 0xFF]; });
  }

  // The colour at num/den along the list, linear between neighbours and rounded as the
  // desktop's integer blend, so that both give the same pixels.
  function ColourAt(colours, num, den) {
    const n = colours.length;
    if (den <= 0 || n === 1) return colours[0];
    const scaled = num * (n - 1);
    const segment = Math.floor(scaled / den);
    if (segment >= n - 1) return colours[n - 1];
    const rem = scaled % den;
    const a = colours[segment], b = colours[segment + 1];
    return [0, 1, 2].map(function (i) {
      return Math.floor((a[i] * (den - rem) + b[i] * rem + Math.floor(den / 2)) / den);
    });
  }
  function Rgb(c) { return 'rgb(' + c[0] + ',' + c[1] + ',' + c[2] + ')'; }

  // Gradient modes 1-4 run left to right, top to bottom and along the two diagonals; 5-8 the
  // same reversed. Painted a CSS pixel at a time, then scaled without smoothing.
  function DrawGradient(context, area, mode, colours) {
    if (mode < 1 || mode > 8 || area.w <= 0 || area.h <= 0) return;
    const w = area.w, h = area.h, direction = (mode - 1) % 4, reversed = mode > 4;
    const den = direction === 0 ? w - 1 : direction === 1 ? h - 1 : (w - 1) + (h - 1);
    const pixels = new ImageData(w, h);
    for (let y = 0; y < h; ++y) {
      for (let x = 0; x < w; ++x) {
        let num = direction === 0 ? x : direction === 1 ? y : direction === 2 ? x + y : x + (h - 1 - y);
        if (reversed) num = den - num;
        const c = ColourAt(colours, num, den), at = 4 * (y * w + x);
        pixels.data[at] = c[0]; pixels.data[at + 1] = c[1]; pixels.data[at + 2] = c[2]; pixels.data[at + 3] = 255;
      }
    }
    const image = document.createElement('canvas');
    image.width = w; image.height = h;
    image.getContext('2d').putImageData(pixels, 0, 0);
    context.imageSmoothingEnabled = false;
    context.drawImage(image, area.x, area.y);
  }

  function DrawGradientFrame(context, rect, width, colours) {
    if (colours.length < 2) return;
    let r = rect;
    for (let i = 0; i < width && r.w > 0 && r.h > 0; ++i) {
      context.fillStyle = Rgb(ColourAt(colours, i, width - 1));
      context.fillRect(r.x, r.y, r.w, 1); context.fillRect(r.x, r.y + r.h - 1, r.w, 1);
      context.fillRect(r.x, r.y, 1, r.h); context.fillRect(r.x + r.w - 1, r.y, 1, r.h);
      r = { x: r.x + 1, y: r.y + 1, w: r.w - 2, h: r.h - 2 };
    }
  }

  // The window's font, or the unit's own height and weight; lines are set at the pixel
  // height plus one, the baseline at the pixel height less one below the line's top.
  const kFontFamilies = '"WenQuanYi Zen Hei", "Noto Sans CJK SC", "Source Han Sans SC", "Microsoft YaHei", sans-serif';
  function UnitFont(unit) {
    const pixels = unit.fontHeight ? Math.min(Math.abs(unit.fontHeight), 1000) : 12;
    const weight = unit.fontWeight > 0 ? Math.min(unit.fontWeight, 1000) : 400;
    return { css: weight + ' ' + pixels + 'px ' + kFontFamilies, pitch: pixels + 1, baseline: pixels - 1 };
  }

  const kSpace = /\s/;
  function Advance(context, text) { return Math.round(context.measureText(text).width); }
  // The width alignment sees: trailing blanks do not count.
  function InkWidth(context, line) { return Advance(context, line.replace(/\s+$/, '')); }

  // Ideographs, kana, hangul and full-width forms: a line may break before or after each.
  const kCjk = /[\u1100-\u11FF\u2E80-\u303F\u3040-\u30FF\u3100-\u31FF\u3200-\u4DBF\u4E00-\u9FFF\uA960-\uA97F\uAC00-\uD7FF\uF900-\uFAFF\uFE30-\uFE4F\uFF00-\uFFEF]/;
  // Closing marks never start a line; opening marks never end one.
  const kNoBreakBefore = /[!%),.:;?\]}¢°’”‰′″℃、。〉》」』】〕〗〙〛〞・ー゛゜！％），．：；？］｝～｡｣､･ｰ]/;
  const kNoBreakAfter = /[$(\[{£¥‘“〈《「『【〔〖〘〚〝（［｛｢＄￡￥]/;
  function BreakBefore(text, i) {
    const before = text[i - 1], at = text[i];
    if (kSpace.test(at) || kNoBreakBefore.test(at) || kNoBreakAfter.test(before)) return false;
    return kSpace.test(before) || kCjk.test(before) || kCjk.test(at) ||
           (before === '-' && i > 1 && /\w/.test(text[i - 2]) && /\w/.test(at));
  }

  // Breaks one paragraph into lines no wider than width at word boundaries; a word wider than
  // the line keeps a line of its own, and blanks stay at the end of the line they follow.
  function WrapParagraph(context, paragraph, width) {
    const words = [];
    let start = 0;
    for (let i = 1; i < paragraph.length; ++i) {
      if (BreakBefore(paragraph, i)) { words.push(paragraph.slice(start, i)); start = i; }
    }
    words.push(paragraph.slice(start));
    const lines = [];
    let line = '';
    for (const word of words) {
      if (line && InkWidth(context, line + word) > width) { lines.push(line); line = word; }
      else line += word;
    }
    lines.push(line);
    return lines;
  }

  // Places the caption's lines in area: without wrap, one line with its ends dropped, placed
  // by the vertical alignment; with wrap, from the top, lines that overrun the bottom by a
  // pixel or less each drawn that much closer so that the last one ends at the bottom.
  function LayoutLabelText(context, text, font, area, horizontal, vertical, wrap) {
    function Left(line) {
      const width = InkWidth(context, line);
      if (horizontal === 1) return area.x + Math.trunc((area.w - width) / 2);
      return horizontal === 2 ? area.x + area.w - width : area.x;
    }
    if (!wrap) {
      const line = text.replace(/[\r\n]/g, '');
      let top = area.y;
      if (vertical === 1) top += Math.trunc((area.h - font.pitch) / 2);
      else if (vertical === 2) top += area.h - font.pitch;
      return [{ text: line, x: Left(line), y: top + font.baseline }];
    }
    const lines = [];
    for (const paragraph of text.replace(/\r\n?/g, '\n').split('\n'))
      for (const line of WrapParagraph(context, paragraph, Math.max(area.w, 0)))
        lines.push({ text: line, x: Left(line) });
    const count = lines.length, pitch = font.pitch, room = area.h - pitch;
    const squeeze = count > 1 && count * pitch > area.h && room >= (count - 1) * (pitch - 1);
    lines.forEach(function (line, i) {
      line.y = area.y + (squeeze ? Math.floor(i * room / (count - 1)) : i * pitch) + font.baseline;
    });
    return lines;
  }

  // A label paints as the desktop's: its border, inside it the background colour, the
  // gradient frame (border 6) shrinking the area, the gradient background, then the caption
  // in the text colour and its effect, clipped to the border's inside but not to the area.
  function PaintLabel(context, unit) {
    const client = DrawBorder(context, { x: 0, y: 0, w: unit.width, h: unit.height }, unit.border);
    if (client.w <= 0 || client.h <= 0) return;
    context.save();
    context.beginPath();
    context.rect(client.x, client.y, client.w, client.h);
    context.clip();
    context.fillStyle = Css(unit.background);
    context.fillRect(client.x, client.y, client.w, client.h);
    let area = client;
    const frame = unit.gradientBorderWidth;
    if (unit.border === kBorderGradient && frame > 0) {
      DrawGradientFrame(context, client, frame, PresentColours(unit.gradientBorder));
      area = { x: client.x + frame, y: client.y + frame, w: client.w - 2 * frame, h: client.h - 2 * frame };
    }
    const gradient = PresentColours(unit.gradientBackground);
    if (area.w > 0 && area.h > 0 && unit.gradientMode && gradient.length)
      DrawGradient(context, area, unit.gradientMode, gradient);
    if (unit.text) {
      const font = UnitFont(unit);
      context.font = font.css;
      context.textBaseline = 'alphabetic';
      const lines = LayoutLabelText(context, unit.text, font, area, unit.alignment, unit.verticalAlignment,
                                    !!unit.wordWrap);
      const draw = function (dx, dy, colour) {
        context.fillStyle = colour;
        for (const line of lines) context.fillText(line.text, line.x + dx, line.y + dy);
      };
      const text = Css(unit.textColour);
      switch (unit.textEffect) {
        case 1: draw(1, 1, '#ffffff'); draw(0, 0, text); break;
        case 2: draw(0, 0, '#ffffff'); draw(1, 1, text); break;
        case 3: draw(2, 2, '#000000'); draw(0, 0, text); break;
        default: draw(0, 0, text);
      }
    }
    context.restore();
  }

  // Where a picture goes in an area: at its own size from the top-left corner (0), stretched
  // over the area (1), or scaled down to fit, the side that overflows most deciding, and
  // centred (2); integer pixels, as the desktop places it.
  function PictureTarget(mode, pw, ph, area) {
    if (pw <= 0 || ph <= 0 || area.w <= 0 || area.h <= 0) return null;
    if (mode === 1) return area;
    if (mode !== 2) return { x: area.x, y: area.y, w: pw, h: ph };
    let w = pw, h = ph;
    if (pw > area.w || ph > area.h) {
      if (pw * area.h > ph * area.w) { w = area.w; h = Math.floor(ph * area.w / pw); }
      else { h = area.h; w = Math.floor(pw * area.h / ph); }
    }
    return { x: area.x + Math.floor((area.w - w) / 2), y: area.y + Math.floor((area.h - h) / 2), w: w, h: h };
  }

  // A picture box paints its background, its border, then its picture inside the border,
  // unsmoothed; the browser decodes the JPEG bytes, and the box paints again once it has.
  function PaintPicture(context, unit, image) {
    context.fillStyle = Css(unit.background);
    context.fillRect(0, 0, unit.width, unit.height);
    const area = DrawBorder(context, { x: 0, y: 0, w: unit.width, h: unit.height }, unit.border);
    const target = image && PictureTarget(unit.displayMode, image.width, image.height, area);
    if (!target) return;
    context.save();
    context.beginPath();
    context.rect(area.x, area.y, area.w, area.h);
    context.clip();
    context.imageSmoothingEnabled = false;
    context.drawImage(image, target.x, target.y, target.w, target.h);
    context.restore();
  }


  return { Css: Css, Canvas: Canvas, PaintCanvas: PaintCanvas, ForgetCanvases: ForgetCanvases,
           PaintShape: PaintShape, PaintLabel: PaintLabel, PaintPicture: PaintPicture };
})();
