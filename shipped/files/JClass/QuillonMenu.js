// Draws the menu of a saved menu page in browsers that no longer run Java.
//
// The page keeps its applet tag and PARAM tags for applet runners; this
// script reads the same tags and draws what the applet would draw, in a box
// of the applet's WIDTH x HEIGHT put in the applet element's place: the tab
// strip, the trees, icons, colours and fonts, at the applet's own sizes. On
// top of that it is a menu of today: ARIA tabs and tree, every key, real
// links, text that follows the user's zoom. Closed branches are drawn when
// they are first opened, so menus of many thousand entries start at once.
//
// Plain JavaScript with no library; the page loads it right after its
// closing applet tag, from the applet's code base.
(() => {
  'use strict';

  const KINDS = { trelltabr: 'tab', trelltreer: 'tree', trelltabtreer: 'tabtree' };
  const INDENT = 16;
  const ICON = 16;
  const TOOLTIP_DELAY = 600;
  const TYPE_AHEAD_PAUSE = 700;
  const SCROLL_BUTTON = 14;
  const BUTTON_FACE = [212, 208, 200];
  const FILE_CONTENT_MESSAGE =
    'Browsers do not let a page read its menu files from the disk, so open this page from a web server to see the menu.';

  // ---- text as the author wrote it

  // Windows-1252 characters 0x80 to 0x9F, as a browser decodes them.
  const CP1252_HIGH = '\u20ac\x81\u201a\u0192\u201e\u2026\u2020\u2021\u02c6\u2030\u0160\u2039\u0152\x8d\u017d\x8f' +
    '\x90\u2018\u2019\u201c\u201d\u2022\u2013\u2014\u02dc\u2122\u0161\u203a\u0153\x9d\u017e\u0178';
  const pageIsUtf8 = /^utf-?8$/i.test(document.characterSet);

  // Pages are saved as UTF-8; a page whose frame declares no encoding is read
  // by the browser as windows-1252, which turns "Café" into "CafÃ©". Such text
  // is turned back into its bytes and read again as UTF-8 when it is valid UTF-8.
  function asWritten(text) {
    if (pageIsUtf8 || !/[^\x00-\x7f]/.test(text)) return text;
    const bytes = new Uint8Array(text.length);
    for (let i = 0; i < text.length; i += 1) {
      const code = text.charCodeAt(i);
      const high = CP1252_HIGH.indexOf(text[i]);
      if (code < 0x80 || (code >= 0xa0 && code <= 0xff)) bytes[i] = code;
      else if (high >= 0) bytes[i] = 0x80 + high;
      else return text;
    }
    try {
      return new TextDecoder('utf-8', { fatal: true }).decode(bytes);
    } catch {
      return text;
    }
  }

  // Content files hold bytes: UTF-8 when they are valid UTF-8, else Latin-1.
  function decodeBytes(buffer) {
    try {
      return new TextDecoder('utf-8', { fatal: true }).decode(buffer);
    } catch {
      return new TextDecoder('windows-1252').decode(buffer);
    }
  }

  // ---- values as the page writes them

  const split = (value) => value.split(';').map((piece) => piece.trim());
  const piece = (pieces, index) => (index < pieces.length ? pieces[index] : '');
  // The editor writes "None" for an empty link, target or status text.
  const optional = (text) => (text.toLowerCase() === 'none' ? '' : text);

  // A whole decimal number as Java reads one, or null.
  function integer(text) {
    const t = text.trim();
    if (!/^[+-]?\d{1,9}$/.test(t)) return null;
    return parseInt(t, 10);
  }

  function isYes(value) {
    if (value == null) return false;
    const v = value.trim();
    return /^(yes|true)$/i.test(v) || v === '1';
  }

  // "255,255,0": red, green and blue; anything else gives the fallback.
  function color(value, fallback) {
    if (value == null) return fallback;
    const parts = value.split(',');
    if (parts.length !== 3) return fallback;
    const rgb = [];
    for (const part of parts) {
      const n = integer(part);
      if (n === null) return fallback;
      rgb.push(Math.max(0, Math.min(255, n)));
    }
    return rgb;
  }

  // An address made by URL() holds no quote, backslash or line break.
  const cssUrl = (address) => `url("${address}")`;
  const css = (rgb) => `rgb(${rgb[0]}, ${rgb[1]}, ${rgb[2]})`;
  const mix = (a, b, percent) => a.map((v, i) => Math.floor((v * (100 - percent) + b[i] * percent) / 100));
  // A colour that stands out against the given one: darker on light, lighter on dark.
  function contrast(c) {
    const brightness = Math.floor((c[0] * 299 + c[1] * 587 + c[2] * 114) / 1000);
    return brightness > 110 ? mix(c, [0, 0, 0], 45) : mix(c, [255, 255, 255], 45);
  }

  // The generic family behind Java's own font names and the common faces.
  function fontFamily(face) {
    const lower = face.toLowerCase();
    const named = {
      timesroman: '"Times New Roman", serif', serif: 'serif', helvetica: 'Helvetica, sans-serif',
      sansserif: 'sans-serif', dialog: 'sans-serif', courier: '"Courier New", monospace',
      monospaced: 'monospace', dialoginput: 'monospace',
    }[lower];
    if (named) return named;
    const generic = /times|georgia|garamond|serif|roman|palatino|book/.test(lower) && !/sans/.test(lower)
      ? 'serif' : /courier|mono|consol/.test(lower) ? 'monospace' : 'sans-serif';
    return `"${face.replace(/["\\]/g, '')}", ${generic}`;
  }

  // "Arial; PLAIN;12": face, style and size in points, one point a pixel as in the
  // applet. Gives the CSS font and the height of a line as Java measures it: ascent
  // and descent each rounded up, which the applets lay their rows and tabs out by.
  function font(value) {
    const p = split(value || '');
    const face = piece(p, 0) || 'Arial';
    const style = piece(p, 1).toUpperCase();
    let size = integer(piece(p, 2));
    if (size === null || size < 4 || size > 200) size = 12;
    const shape = `${style.includes('ITALIC') ? 'italic ' : ''}${style.includes('BOLD') ? 'bold ' : ''}`;
    const family = fontFamily(face);
    return { css: `${shape}${size}px ${family}`, height: lineHeight(`${shape}100px ${family}`, size) };
  }

  let measuring = null;
  function lineHeight(font100, size) {
    measuring = measuring || document.createElement('canvas').getContext('2d');
    measuring.font = font100;
    const metrics = measuring.measureText('Hg');
    const ascent = metrics.fontBoundingBoxAscent ?? 93;
    const descent = metrics.fontBoundingBoxDescent ?? 24;
    return Math.ceil((ascent * size) / 100) + Math.ceil((descent * size) / 100);
  }

  // ---- the settings of one applet

  class Settings {
    constructor(applet, kind) {
      this.kind = kind;
      // By name, without regard to case, the first of equal names; values are
      // read when asked for, as a menu of many tabs needs few of them at first.
      this.params = new Map();
      for (const param of applet.getElementsByTagName('param')) {
        const name = param.name.toLowerCase();
        if (name && !this.params.has(name)) this.params.set(name, param);
      }
      const codebase = (applet.getAttribute('codebase') || '.').trim().replace(/\\/g, '/') || '.';
      this.codeBase = new URL(codebase.endsWith('/') ? codebase : `${codebase}/`, document.baseURI);
      this.width = size(applet.getAttribute('width'), 220);
      this.height = size(applet.getAttribute('height'), 320);

      const param = (name) => this.param(name);
      const tree = (tabTreeName, treeName) => {
        const first = kind === 'tree' ? treeName : tabTreeName;
        const second = kind === 'tree' ? tabTreeName : treeName;
        return param(first) ?? param(second);
      };
      this.proxy = isYes(param('PROXY'));
      this.tabFont = font(param('TAB_FONT'));
      this.tabBack = color(param('TAB_BG'), [255, 255, 255]);
      this.tabText = color(param('TAB_FG'), [0, 0, 0]);
      this.tabOver = color(param('TAB_MOUSEOVER'), [255, 0, 0]);
      this.tabBackImage = this.image(param('TAB_BG_IMAGE'));
      this.tabsOnBottom = isYes(param('TABONBOTTOM'));
      this.tabsOnly = kind === 'tab' || (kind === 'tabtree' && isYes(param('SHOWTABSONLY')));

      this.treeFont = font(tree('TREE_FONT', 'FONT'));
      this.treeBack = color(tree('TREE_BG', 'BACKGROUND'), [255, 255, 255]);
      this.treeText = color(tree('TREE_FG', 'FOREGROUND'), [0, 0, 0]);
      this.selBack = color(tree('TREE_SEL_BG', 'SELBACKGROUND'), [0, 0, 255]);
      this.selText = color(tree('TREE_SEL_FG', 'SELFOREGROUND'), [255, 255, 255]);
      this.tipBack = color(tree('TREE_TOOLTIPBACKCOLOR', 'TOOLTIPBACKCOLOR'), [255, 255, 0]);
      this.tipText = color(tree('TREE_TOOLTIPFORECOLOR', 'TOOLTIPFORECOLOR'), [0, 0, 0]);
      this.overText = color(tree('TREE_MOUSEOVER', 'MOUSEOVER'), [255, 0, 0]);
      this.lineColor = color(tree('TREE_LINECOLOR', 'LINECOLOR'), [0, 0, 0]);
      this.leafColor = color(tree('TREE_LEAFCOLOR', 'LEAFCOLOR'), [0, 0, 0]);
      this.folderClosedColor = color(tree('TREE_FOLDERCCOLOR', 'FOLDERCCOLOR'), [0, 0, 0]);
      this.folderOpenColor = color(tree('TREE_FOLDEROCOLOR', 'FOLDEROCOLOR'), [0, 0, 0]);
      this.overFrameColor = color(tree('TREE_MOUSEOVERFRAMECOLOR', 'MOUSEOVERFRAMECOLOR'), [0, 0, 0]);
      this.treeBackImage = this.image(tree('TREE_BG_IMAGE', 'BACKGROUNDIMAGE'));
      this.border = isYes(tree('TREE_BORDER', 'BORDER'));
      const tooltip = tree('TREE_TOOLTIP', 'TOOLTIP');
      this.tooltips = tooltip == null || isYes(tooltip);
      this.doubleClickExpand = isYes(tree('TREE_DOUBLECLICK', 'DOUBLECLICK'));
      this.startExpanded = isYes(tree('TREE_AUTOEXPAND', 'AUTOEXPAND'));
      const frame = (tree('TREE_MOUSEOVERFRAME', 'MOUSEOVERFRAME') || '').trim().toLowerCase();
      this.overFrame = frame === 'rect' || frame === 'line' ? frame : 'none';

      const style = `${(tree('TREE_STYLE', 'STYLE') ?? 'AXAA').trim().toUpperCase()}    `;
      this.toggleSymbol = 'XABCDEF'.includes(style[0]) ? style[0] : 'A';
      this.leafSymbol = style[1] === 'A';
      this.lineStyle = style[2] === 'B' || style[2] === 'X' ? style[2] : 'A';
      this.icons = style[3] !== 'X' && !this.proxy;
      this.folderClosedImage = this.icons ? this.image(param('FOLDER_CLOSED')) : null;
      this.folderOpenImage = this.icons ? this.image(param('FOLDER_OPEN')) : null;
      this.leafImage = this.icons ? this.image(param('LEAF')) : null;
      this.clickSound = this.sound(param('MOUSECLICKSOUND'));
      this.overSound = this.sound(param('MOUSEOVERSOUND'));
    }

    param(name) {
      const param = this.params.get(name.toLowerCase());
      return param ? asWritten(param.value) : null;
    }

    // An address below the code base, as the applets resolve links and files; null when none.
    resolve(name) {
      if (!name) return null;
      try {
        return new URL(name, this.codeBase).href;
      } catch {
        return null;
      }
    }

    image(name) {
      if (this.proxy || name == null) return null;
      const key = name.trim();
      return key && key.toLowerCase() !== 'none' ? this.resolve(key) : null;
    }

    // A sound the browser can play, or null: the applets' ".au" files often are not.
    sound(name) {
      const address = name && name.trim() ? this.resolve(name.trim()) : null;
      if (!address) return null;
      const types = { au: 'audio/basic', wav: 'audio/wav', mp3: 'audio/mpeg', ogg: 'audio/ogg', mid: 'audio/midi' };
      const type = types[(address.split(/[?#]/)[0].split('.').pop() || '').toLowerCase()];
      const audio = new Audio();
      if (type && audio.canPlayType(type) === '') return null;
      audio.src = address;
      audio.preload = 'none';
      return audio;
    }

    // The icon a node shows now: its expanded image while open, its collapsed image
    // otherwise; "folder" and "leaf" stand for the default images.
    icon(node) {
      if (!this.icons || node.separator) return null;
      const open = node.expanded && node.isFolder();
      let name = open ? node.expandedImage : node.collapsedImage;
      if (!name) name = node.isFolder() ? 'folder' : 'leaf';
      if (name.toLowerCase() === 'folder') return open ? this.folderOpenImage : this.folderClosedImage;
      if (name.toLowerCase() === 'leaf') return this.leafImage;
      return this.image(name);
    }
  }

  function size(value, fallback) {
    const n = integer(value || '');
    return n !== null && n > 0 ? n : fallback;
  }

  function play(audio) {
    if (!audio) return;
    audio.currentTime = 0;
    audio.play().catch(() => {});
  }

  // ---- tabs and trees from their entries

  class Node {
    constructor() {
      this.text = '';
      this.url1 = '';
      this.target1 = '';
      this.status = '';
      this.url2 = '';
      this.target2 = '';
      this.level = 0; // depth: 0 for top-level nodes, -1 for a tab
      this.collapsedImage = '';
      this.expandedImage = '';
      this.openExpanded = false;
      this.expanded = false;
      this.separator = false;
      this.parent = null;
      this.children = [];
    }

    isFolder() { return this.children.length > 0; }
    hasNextSibling() { return this.parent !== null && this.parent.children[this.parent.children.length - 1] !== this; }
    hasPreviousSibling() { return this.parent !== null && this.parent.children[0] !== this; }

    add(child, at = this.children.length) {
      child.parent = this;
      child.level = this.level + 1;
      if (at === this.children.length) this.children.push(child);
      else this.children.splice(at, 0, child);
    }

    static tab(value) {
      const p = split(value);
      const tab = new Node();
      tab.level = -1;
      tab.text = piece(p, 0);
      tab.url1 = optional(piece(p, 1));
      tab.target1 = optional(piece(p, 2));
      tab.status = optional(piece(p, 3));
      tab.url2 = optional(piece(p, 4));
      tab.target2 = optional(piece(p, 5));
      tab.onDemand = piece(p, 6).toUpperCase() === 'YES';
      return tab;
    }

    static entry(p) {
      const node = new Node();
      node.text = piece(p, 0);
      node.url1 = optional(piece(p, 1));
      node.target1 = optional(piece(p, 2));
      node.collapsedImage = piece(p, 4);
      node.expandedImage = piece(p, 5);
      node.status = optional(piece(p, 6));
      node.url2 = optional(piece(p, 7));
      node.target2 = optional(piece(p, 8));
      node.openExpanded = piece(p, 9).toUpperCase() === 'YES';
      return node;
    }
  }

  // An entry with "*" among its first three characters is drawn as a rule.
  const isSeparatorEntry = (entry) => entry.slice(0, 3).includes('*');

  // Builds the tree below root from node entries in page order, as the applets
  // do: a larger level than the previous entry's makes a child (one level deeper
  // however large the step), an equal one a sibling, a smaller one a sibling of
  // the nearest ancestor at that depth; an entry with no level or no such
  // ancestor is skipped. Separators go just before the next node, beside it.
  function addEntries(root, entries) {
    let last = null;
    let previous = 0;
    let separators = [];
    for (const entry of entries) {
      if (isSeparatorEntry(entry)) {
        const separator = new Node();
        separator.separator = true;
        separators.push(separator);
        continue;
      }
      const p = split(entry);
      const number = integer(piece(p, 3));
      if (number === null || number < 0) continue;
      let parent;
      if (last === null) parent = root;
      else if (number === previous) parent = last.parent;
      else if (number > previous) parent = last;
      else {
        let ancestor = last;
        while (ancestor !== root && ancestor.level !== number) ancestor = ancestor.parent;
        if (ancestor === root) continue;
        parent = ancestor.parent;
      }
      const node = Node.entry(p);
      parent.add(node);
      for (const separator of separators) parent.add(separator, parent.children.length - 1);
      separators = [];
      last = node;
      previous = number;
    }
    const parent = last === null ? root : last.parent;
    for (const separator of separators) parent.add(separator);
  }

  // Every node below root in page order, without recursion: trees may be deep.
  function* descendants(root) {
    const stack = [...root.children].reverse();
    while (stack.length) {
      const node = stack.pop();
      yield node;
      for (let i = node.children.length - 1; i >= 0; i -= 1) stack.push(node.children[i]);
    }
  }

  // The entries of tab i: its content file (fetched from the code base) or its node parameters.
  async function treeEntries(settings, i) {
    const content = settings.kind === 'tree' ? settings.param('CONTENT') : settings.param(`TAB${i}_CONTENT`);
    if (content && content.trim()) {
      if (location.protocol === 'file:') throw new Error(FILE_CONTENT_MESSAGE);
      let lines = null;
      try {
        const response = await fetch(settings.resolve(content.trim()));
        if (response.ok) lines = decodeBytes(await response.arrayBuffer()).replace(/^\uFEFF/, '').split(/\r\n|\r|\n/);
      } catch {
        // reported as the applets report it, below
      }
      if (!lines) return { missing: `Menu content not found: ${content.trim()}` };
      return { entries: lines.filter((line) => line.trim()) };
    }
    const prefix = settings.kind === 'tree' ? 'I' : `T${i}I`;
    const entries = [];
    for (let n = 0; settings.param(prefix + n) !== null; n += 1) entries.push(settings.param(prefix + n));
    return { entries };
  }

  // ---- drawing

  const STYLE = `
.qm-box { position: relative; overflow: hidden; box-sizing: border-box; display: inline-block; vertical-align: top;
  text-align: left; line-height: normal; font: var(--qm-tab-font); background: var(--qm-surface); }
.qm-box *, .qm-box *::before { box-sizing: border-box; }
.qm-box ul { list-style: none; margin: 0; padding: 0; }
.qm-box a { text-decoration: none; color: inherit; }
.qm-box a:focus { outline: none; }
.qm-box a:focus-visible { outline: 2px solid currentColor; outline-offset: -2px; }
.qm-strip { position: absolute; left: 0; right: 0; height: var(--qm-strip); background: var(--qm-tab-surface); }
.qm-tabs { position: absolute; left: 0; top: 0; bottom: 0; display: flex; padding-left: 2px; overflow: hidden;
  align-items: flex-end; border-bottom: 1px solid var(--qm-outline); font: var(--qm-tab-font); white-space: nowrap; }
.qm-bottom .qm-tabs { align-items: flex-start; border-bottom: 0; border-top: 1px solid var(--qm-outline); }
.qm-box .qm-tab { flex: none; display: flex; align-items: center; justify-content: center; min-width: 24px; padding: 0 7px;
  height: calc(var(--qm-strip) - 4px); color: var(--qm-tab-text); background: var(--qm-tab-surface);
  border: 1px solid var(--qm-outline); border-bottom: 0; border-radius: 2px 2px 0 0; cursor: pointer; }
.qm-bottom .qm-tab { border-top: 0; border-bottom: 1px solid var(--qm-outline); border-radius: 0 0 2px 2px; }
.qm-tab[aria-selected=true] { height: var(--qm-strip); margin-bottom: -1px; position: relative; }
.qm-bottom .qm-tab[aria-selected=true] { margin-bottom: 0; margin-top: -1px; }
.qm-box .qm-tab:hover { color: var(--qm-tab-over); }
.qm-step { position: absolute; width: ${SCROLL_BUTTON}px; padding: 0; margin: 0; border: 1px solid;
  border-color: #fff var(--qm-button-dark) var(--qm-button-dark) #fff; background: ${css(BUTTON_FACE)}; }
.qm-step:active { border-color: var(--qm-button-dark) #fff #fff var(--qm-button-dark); }
.qm-step::before { content: ""; position: absolute; left: 50%; top: 50%; border: 3px solid transparent; }
.qm-step.qm-left::before { border-right-color: currentColor; transform: translate(-75%, -50%); }
.qm-step.qm-right::before { border-left-color: currentColor; transform: translate(-25%, -50%); }
.qm-step:disabled { color: var(--qm-button-off); }
.qm-body { position: absolute; left: 0; right: 0; }
.qm-tree { position: absolute; inset: 0; overflow-x: hidden; overflow-y: auto; color: var(--qm-tree-text);
  font: var(--qm-tree-font); background: var(--qm-tree-surface); }
.qm-border { border: 1px solid; border-color: var(--qm-border-dark) var(--qm-border-light) var(--qm-border-light)
  var(--qm-border-dark); padding: 1px 1px 1px 1px; box-shadow: inset 1px 1px 0 var(--qm-border-darker); }
.qm-row { position: relative; height: var(--qm-row); white-space: nowrap; background-repeat: no-repeat;
  content-visibility: auto; contain-intrinsic-size: auto var(--qm-row); }
.qm-rule { position: relative; height: var(--qm-rule); }
.qm-rule::before { content: ""; position: absolute; right: 3px; top: calc(var(--qm-rule) / 2);
  left: var(--qm-x); border-top: 1px solid var(--qm-line); }
.qm-toggle { position: absolute; width: 9px; height: 9px; cursor: pointer; }
.qm-leaf { position: absolute; width: 5px; height: 5px; background: var(--qm-leaf); }
.qm-item { position: absolute; top: 0; height: var(--qm-row); display: flex; align-items: center; cursor: pointer; }
.qm-icon { width: ${ICON}px; height: ${ICON}px; margin-right: 2px; flex: none; background: no-repeat; }
.qm-icon-closed { background-image: var(--qm-icon-closed); }
.qm-icon-open { background-image: var(--qm-icon-open); }
.qm-icon-leaf { background-image: var(--qm-icon-leaf); }
.qm-text { padding: 0 2px; height: calc(var(--qm-row) - 2px); line-height: calc(var(--qm-row) - 2px); }
.qm-item:hover .qm-text { color: var(--qm-over); }
.qm-rect .qm-item:hover .qm-text { box-shadow: inset 0 0 0 1px var(--qm-frame); }
.qm-underline .qm-item:hover .qm-text { text-decoration: underline var(--qm-frame); text-underline-offset: 2px; }
.qm-item[aria-selected=true] .qm-text { color: var(--qm-sel-text); background: var(--qm-sel-back); }
.qm-message { padding: 4px; white-space: normal; }
.qm-tip { position: absolute; z-index: 2; padding: 1px 3px; border: 1px solid var(--qm-tip-text); white-space: normal;
  color: var(--qm-tip-text); background: var(--qm-tip-back); font: var(--qm-tree-font); pointer-events: none; }
`;

  function addStyleSheet() {
    if (document.getElementById('qm-style')) return;
    const style = document.createElement('style');
    style.id = 'qm-style';
    style.textContent = STYLE;
    (document.head || document.documentElement).appendChild(style);
  }

  function element(tag, className, parent) {
    const made = document.createElement(tag);
    if (className) made.className = className;
    if (parent) parent.appendChild(made);
    return made;
  }

  // The link attributes of an entry: its first address below the code base in its target frame.
  function setLink(anchor, settings, url, target) {
    const href = settings.resolve(url);
    if (href) anchor.href = href;
    if (href && target) anchor.target = target;
  }

  // The second link of an entry (right click or Shift-click), opened as the browser opens a link.
  function followSecond(settings, node) {
    const href = settings.resolve(node.url2);
    if (href) window.open(href, node.target2 || '_self');
  }

  let boxes = 0;

  class Menu {
    constructor(applet, kind) {
      this.id = `qm${boxes += 1}`;
      this.settings = new Settings(applet, kind);
      const s = this.settings;
      this.tabs = [];
      if (kind === 'tree') {
        const tab = new Node();
        tab.level = -1;
        this.tabs.push(tab);
      } else {
        for (let i = 0; s.param(`TAB${i}`) !== null; i += 1) this.tabs.push(Node.tab(s.param(`TAB${i}`)));
      }
      const start = integer(s.param('TAB_DEFAULT') || '');
      this.selected = start !== null && start >= 0 && start < this.tabs.length ? start : -1;
      if (this.selected < 0 && !s.tabsOnly && this.tabs.length > 0) this.selected = 0;
      this.trees = new Map();

      const box = element('div', `qm-box${s.tabsOnBottom ? ' qm-bottom' : ''}`);
      this.box = box;
      box.id = this.id;
      box.style.width = `${s.width}px`;
      box.style.height = `${s.height}px`;
      applet.before(box);
      applet.hidden = true;
      applet.style.display = 'none';
      this.setColours();
      this.strip = kind === 'tree' ? 0 : Math.min(s.tabFont.height + 8, s.height);
      this.row = Math.max(s.treeFont.height, ICON) + 2;
      box.style.setProperty('--qm-strip', `${this.strip}px`);
      box.style.setProperty('--qm-row', `${this.row}px`);
      box.style.setProperty('--qm-rule', `${Math.max(5, Math.floor(this.row / 2))}px`);

      this.body = element('div', 'qm-body', box);
      this.body.style.top = `${s.tabsOnBottom ? 0 : this.strip}px`;
      this.body.style.bottom = `${s.tabsOnBottom ? this.strip : 0}px`;
      if (kind !== 'tree') this.drawStrip();
      this.tip = element('div', 'qm-tip', box);
      this.tip.setAttribute('role', 'tooltip');
      this.tip.hidden = true;
      this.groups = 0;
      this.showTree();
    }

    setColours() {
      const s = this.settings;
      const set = (name, value) => this.box.style.setProperty(name, value);
      const surface = (rgb, image) => `${image ? `${cssUrl(image)} ` : ''}${css(rgb)}`;
      set('--qm-tab-font', s.tabFont.css);
      set('--qm-tree-font', s.treeFont.css);
      for (const [name, image] of [['closed', s.folderClosedImage], ['open', s.folderOpenImage], ['leaf', s.leafImage]]) {
        if (image) set(`--qm-icon-${name}`, cssUrl(image));
      }
      set('--qm-tab-surface', surface(s.tabBack, s.tabBackImage));
      set('--qm-tree-surface', surface(s.treeBack, s.treeBackImage));
      set('--qm-surface', s.kind === 'tree' ? css(s.treeBack) : surface(s.tabBack, s.tabBackImage));
      set('--qm-outline', css(contrast(s.tabBack)));
      set('--qm-tab-text', css(s.tabText));
      set('--qm-tab-over', css(s.tabOver));
      set('--qm-tree-text', css(s.treeText));
      set('--qm-over', css(s.overText));
      set('--qm-frame', css(s.overFrameColor));
      set('--qm-sel-back', css(s.selBack));
      set('--qm-sel-text', css(s.selText));
      set('--qm-tip-back', css(s.tipBack));
      set('--qm-tip-text', css(s.tipText));
      set('--qm-line', css(s.lineColor));
      set('--qm-leaf', css(s.leafColor));
      const dark = contrast(s.treeBack);
      set('--qm-border-dark', css(dark));
      set('--qm-border-darker', css(mix(dark, [0, 0, 0], 40)));
      set('--qm-border-light', css(mix(s.treeBack, [255, 255, 255], 60)));
      set('--qm-button-dark', css(mix(BUTTON_FACE, [0, 0, 0], 40)));
      set('--qm-button-off', css(mix(BUTTON_FACE, [0, 0, 0], 30)));
    }

    // ---- the tab strip

    drawStrip() {
      const s = this.settings;
      const strip = element('div', 'qm-strip', this.box);
      strip.style[s.tabsOnBottom ? 'bottom' : 'top'] = '0';
      const list = element('div', 'qm-tabs', strip);
      list.setAttribute('role', 'tablist');
      list.setAttribute('aria-label', 'Site menu');
      this.tabList = list;
      this.tabElements = this.tabs.map((tab, i) => {
        const item = element('a', 'qm-tab', list);
        item.id = `${this.id}-tab${i}`;
        item.setAttribute('role', 'tab');
        item.setAttribute('aria-selected', String(i === this.selected));
        item.tabIndex = i === Math.max(0, this.selected) ? 0 : -1;
        if (!s.tabsOnly) item.setAttribute('aria-controls', `${this.id}-panel`);
        item.textContent = tab.text;
        setLink(item, s, tab.url1, tab.target1);
        item.addEventListener('click', (event) => this.tabClicked(i, event));
        item.addEventListener('contextmenu', (event) => this.secondLink(tab, event));
        item.addEventListener('mouseenter', () => this.over(tab));
        item.addEventListener('keydown', (event) => this.tabKey(i, event));
        return item;
      });
      list.style.right = '0';
      if (this.tabsOverflow()) this.addTabScrolling(strip);
    }

    // Whether the tabs are wider than the applet, measured as the applet measures
    // them and without laying the page out.
    tabsOverflow() {
      measuring.font = this.settings.tabFont.css;
      let total = 2;
      for (const tab of this.tabs) total += Math.max(24, Math.round(measuring.measureText(tab.text).width) + 16);
      return total > this.settings.width;
    }

    // Two arrow buttons right of the tabs move them by whole tabs, as in the applet.
    addTabScrolling(strip) {
      const h = Math.max(8, this.strip - 6);
      const y = this.settings.tabsOnBottom ? 3 : this.strip - h - 3;
      this.tabList.style.right = `${2 * SCROLL_BUTTON + 3}px`;
      this.firstTab = 0;
      const button = (which, x, delta) => {
        const made = element('button', `qm-step qm-${which}`, strip);
        made.type = 'button';
        made.tabIndex = -1;
        made.setAttribute('aria-hidden', 'true');
        made.style.cssText = `left:${x}px;top:${y}px;height:${h}px`;
        let timer = 0;
        const stop = () => clearInterval(timer);
        made.addEventListener('pointerdown', () => {
          this.scrollTabs(delta);
          stop();
          timer = setInterval(() => this.scrollTabs(delta), 60);
        });
        for (const type of ['pointerup', 'pointerleave', 'pointercancel']) made.addEventListener(type, stop);
        return made;
      };
      const width = this.settings.width;
      this.leftButton = button('left', width - 2 * SCROLL_BUTTON - 1, -1);
      this.rightButton = button('right', width - SCROLL_BUTTON - 1, 1);
      this.leftButton.disabled = true;
    }

    scrollTabs(delta) {
      if (!this.leftButton) return;
      const list = this.tabList;
      const last = this.tabElements[this.tabElements.length - 1];
      const atEnd = () => last.offsetLeft + last.offsetWidth - list.scrollLeft <= list.clientWidth;
      if (delta > 0 && atEnd()) return;
      this.firstTab = Math.max(0, Math.min(this.tabs.length - 1, this.firstTab + delta));
      list.scrollLeft = this.tabElements[this.firstTab].offsetLeft - 2;
      this.leftButton.disabled = this.firstTab === 0;
      this.rightButton.disabled = atEnd();
    }

    // Keeps a tab that gets the focus in view.
    revealTab(i) {
      if (!this.leftButton) return;
      const list = this.tabList;
      const tab = this.tabElements[i];
      while (i < this.firstTab) this.scrollTabs(-1);
      while (tab.offsetLeft + tab.offsetWidth - list.scrollLeft > list.clientWidth && this.firstTab < i) {
        const before = this.firstTab;
        this.scrollTabs(1);
        if (this.firstTab === before) break;
      }
    }

    tabClicked(i, event) {
      const tab = this.tabs[i];
      play(this.settings.clickSound);
      this.chooseTab(i);
      if (event.shiftKey && !event.ctrlKey && !event.metaKey) {
        event.preventDefault();
        followSecond(this.settings, tab);
      }
    }

    chooseTab(i) {
      if (i === this.selected) return;
      const previous = this.tabElements[this.selected];
      if (previous) previous.setAttribute('aria-selected', 'false');
      this.selected = i;
      this.tabElements[i].setAttribute('aria-selected', 'true');
      this.focusTab(i, false);
      this.showTree();
    }

    focusTab(i, move = true) {
      for (const [k, item] of this.tabElements.entries()) item.tabIndex = k === i ? 0 : -1;
      this.revealTab(i);
      if (move) this.tabElements[i].focus();
    }

    tabKey(i, event) {
      const count = this.tabs.length;
      const to = { ArrowRight: (i + 1) % count, ArrowLeft: (i - 1 + count) % count, Home: 0, End: count - 1 }[event.key];
      if (to !== undefined) {
        event.preventDefault();
        this.focusTab(to);
      } else if (event.key === ' ' || (event.key === 'Enter' && !this.tabElements[i].href)) {
        event.preventDefault();
        this.activate(this.tabElements[i]);
      } else if (event.key === 'ArrowDown' && !this.settings.tabsOnBottom && this.view) {
        event.preventDefault();
        this.view.focusCurrent();
      } else if (event.key === 'ArrowUp' && this.settings.tabsOnBottom && this.view) {
        event.preventDefault();
        this.view.focusCurrent();
      }
    }

    // Enter or Space on an entry does what a click does; a link is followed as the browser follows links.
    activate(anchor) {
      anchor.click();
    }

    // A right click follows the second link, where the entry has one; otherwise the
    // browser's own menu opens, with "open in new tab" for the first link.
    secondLink(node, event) {
      if (!this.settings.resolve(node.url2)) return;
      event.preventDefault();
      followSecond(this.settings, node);
    }

    over(node) {
      window.status = node.status;
      play(this.settings.overSound);
    }

    // ---- the body

    // Shows the tree of the chosen tab in the body, built when it is first shown.
    async showTree() {
      const s = this.settings;
      if (s.tabsOnly || this.selected < 0) {
        this.markReady();
        return;
      }
      const index = this.selected;
      let view = this.trees.get(index);
      if (!view) {
        view = new TreeView(this, this.tabs[index], index);
        this.trees.set(index, view);
      }
      if (this.view) this.view.element.remove();
      this.view = view;
      this.body.appendChild(view.element);
      await view.loaded;
      this.markReady();
    }

    // The menu takes clicks and keys from here on; the mark lets a page time it.
    markReady() {
      if (this.box.dataset.ready) return;
      this.box.dataset.ready = 'true';
      performance.mark('quillon-menu-ready');
      this.box.dispatchEvent(new CustomEvent('quillon-menu-ready', { bubbles: true }));
    }

    showTip(text, x, y) {
      const tip = this.tip;
      tip.textContent = text;
      tip.style.maxWidth = `${Math.max(40, this.settings.width - 10) + 8}px`;
      tip.hidden = false;
      const width = tip.offsetWidth;
      const height = tip.offsetHeight;
      tip.style.left = `${Math.max(0, Math.min(x + 8, this.settings.width - width))}px`;
      tip.style.top = `${y + 18 + height > this.settings.height ? Math.max(0, y - height - 4) : y + 18}px`;
    }

    hideTip() {
      clearTimeout(this.tipTimer);
      this.tip.hidden = true;
    }
  }

  // The tree of one tab: rows of nodes drawn at the applet's sizes, as an ARIA
  // tree whose items are the links. A branch is drawn when it is first opened.
  class TreeView {
    constructor(menu, root, index) {
      this.menu = menu;
      this.settings = menu.settings;
      this.root = root;
      this.rows = new Map(); // node -> its drawn elements
      this.current = null; // the item that takes the focus
      this.selected = null;
      const s = this.settings;
      const view = element('div', `qm-tree${s.border ? ' qm-border' : ''}${s.overFrame === 'rect' ? ' qm-rect' : ''}${
        s.overFrame === 'line' ? ' qm-underline' : ''}`);
      this.element = view;
      if (s.kind !== 'tree') {
        view.id = `${menu.id}-panel`;
        view.setAttribute('role', 'tabpanel');
        view.setAttribute('aria-labelledby', `${menu.id}-tab${index}`);
      }
      this.list = element('ul', null, view);
      this.list.setAttribute('role', 'tree');
      this.list.setAttribute('aria-label', root.text || 'Site menu');
      this.loaded = this.load(index);
      this.typed = '';
      this.hovered = null;
      // One listener of each kind for the whole tree: rows are many and made late.
      const nodeOf = (event) => event.target.closest('.qm-item, .qm-toggle')?.qmNode;
      const onItem = (event) => event.target.closest('.qm-item');
      view.addEventListener('click', (event) => {
        const node = nodeOf(event);
        if (!node) return;
        if (onItem(event)) this.clicked(node, event);
        else this.toggle(node);
      });
      view.addEventListener('dblclick', (event) => {
        const node = onItem(event) && nodeOf(event);
        if (node && s.doubleClickExpand && node.isFolder()) this.toggle(node);
      });
      view.addEventListener('contextmenu', (event) => {
        const node = onItem(event) && nodeOf(event);
        if (node) menu.secondLink(node, event);
      });
      view.addEventListener('mouseover', (event) => {
        const node = onItem(event) ? nodeOf(event) : null;
        if (node !== this.hovered) this.entered(node, event);
      });
      view.addEventListener('focusin', (event) => {
        const node = onItem(event) && nodeOf(event);
        if (node) this.setCurrent(node);
      });
      view.addEventListener('keydown', (event) => this.key(event));
      view.addEventListener('scroll', () => menu.hideTip());
      view.addEventListener('mouseleave', () => this.entered(null));
    }

    async load(index) {
      let result;
      try {
        result = await treeEntries(this.settings, index);
      } catch (error) {
        const message = element('p', 'qm-message', this.element);
        message.textContent = error.message;
        this.list.remove();
        return;
      }
      if (result.missing) {
        const node = new Node();
        node.text = result.missing;
        this.root.add(node);
      } else {
        addEntries(this.root, result.entries);
      }
      for (const node of descendants(this.root)) {
        node.expanded = node.isFolder() && (this.settings.startExpanded || node.openExpanded);
      }
      this.drawChildren(this.root, this.list);
      const first = this.root.children.find((node) => !node.separator);
      if (first) this.setCurrent(first);
    }

    // Draws the rows of parent's children into list, and on down through open branches.
    drawChildren(parent, list) {
      const pending = [[parent, list]];
      while (pending.length) {
        const [node, into] = pending.pop();
        const rows = document.createDocumentFragment();
        for (const child of node.children) {
          const drawn = this.drawRow(child);
          rows.appendChild(drawn.item);
          if (child.expanded && child.isFolder()) pending.push([child, this.group(child, drawn)]);
        }
        into.appendChild(rows);
      }
    }

    group(node, drawn) {
      const group = element('ul', null, drawn.item);
      group.setAttribute('role', 'group');
      this.menu.groups += 1;
      group.id = `${this.menu.id}-g${this.menu.groups}`;
      drawn.anchor.setAttribute('aria-owns', group.id);
      drawn.group = group;
      return group;
    }

    drawRow(node) {
      const s = this.settings;
      const x0 = 2 + node.level * INDENT;
      if (node.separator) {
        const item = element('li');
        item.setAttribute('role', 'none');
        item.setAttribute('aria-hidden', 'true');
        element('div', 'qm-rule', item).style.setProperty('--qm-x', `${x0 + 2}px`);
        return { item };
      }
      const made = this.rowTemplate().cloneNode(true);
      const row = made.firstChild;
      const anchor = row.firstChild;
      const mid = Math.floor(this.menu.row / 2);
      const centre = x0 + INDENT / 2;
      const drawn = { item: made, row, node, anchor, icon: s.icons ? anchor.firstChild : null };
      if (s.lineStyle !== 'X') {
        drawn.lines = this.rowLines(node, centre, mid);
        drawn.below = [centre + INDENT, mid + ICON / 2, 1, this.menu.row - mid - ICON / 2];
      }
      if (node.isFolder()) {
        drawn.toggle = element('span', 'qm-toggle');
        drawn.toggle.setAttribute('aria-hidden', 'true');
        drawn.toggle.style.cssText = `left:${centre - 4}px;top:${mid - 4}px`;
        drawn.toggle.qmNode = node;
        row.insertBefore(drawn.toggle, anchor);
      } else if (s.leafSymbol) {
        const leaf = element('span', 'qm-leaf');
        leaf.style.cssText = `left:${centre - 2}px;top:${mid - 2}px`;
        row.insertBefore(leaf, anchor);
      }
      anchor.style.left = `${x0 + INDENT}px`;
      anchor.setAttribute('aria-level', String(node.level + 1));
      setLink(anchor, s, node.url1, node.target1);
      anchor.lastChild.textContent = node.text;
      anchor.qmNode = node;
      this.rows.set(node, drawn);
      this.refresh(node);
      return drawn;
    }

    // The parts every row has, copied for each row: a long list is made faster so.
    rowTemplate() {
      if (!this.template) {
        const item = element('li');
        item.setAttribute('role', 'none');
        const anchor = element('a', 'qm-item', element('div', 'qm-row', item));
        anchor.setAttribute('role', 'treeitem');
        anchor.setAttribute('aria-selected', 'false');
        anchor.tabIndex = -1;
        // Icons are backgrounds: a thousand rows share the default pictures, and a
        // picture that does not load leaves the place empty, as in the applet.
        if (this.settings.icons) element('span', 'qm-icon', anchor);
        element('span', 'qm-text', anchor);
        this.template = item;
      }
      return this.template;
    }

    // Lines to the parent or previous sibling, on to the next sibling, and through
    // for ancestors with siblings below: background pictures of the row, so a row
    // of a long list costs no element per line.
    rowLines(node, centre, mid) {
      const height = this.menu.row;
      const lines = [[centre, mid, INDENT / 2 + 1, 1]];
      if (node.level > 0 || node.hasPreviousSibling()) lines.push([centre, 0, 1, mid]);
      if (node.hasNextSibling()) lines.push([centre, mid, 1, height - mid]);
      for (let a = node.parent; a !== null && a.level >= 0; a = a.parent) {
        if (a.hasNextSibling()) lines.push([2 + a.level * INDENT + INDENT / 2, 0, 1, height]);
      }
      return lines;
    }

    paintLines(drawn, open) {
      const lines = open ? [...drawn.lines, drawn.below] : drawn.lines;
      const ink = css(this.settings.lineColor);
      const dotted = this.settings.lineStyle !== 'B';
      // Dots on the pixels whose coordinates add up to an even number, as the applet sets them.
      const dots = (x, y) => ((x + y) % 2 === 0 ? `${ink} 0 1px, transparent 1px 2px` : `transparent 0 1px, ${ink} 1px 2px`);
      const image = ([x, y, w]) => (!dotted ? `linear-gradient(${ink}, ${ink})`
        : `repeating-linear-gradient(to ${w > 1 ? 'right' : 'bottom'}, ${dots(x, y)})`);
      const style = drawn.row.style;
      style.backgroundImage = lines.map(image).join(',');
      style.backgroundPosition = lines.map(([x, y]) => `${x}px ${y}px`).join(',');
      style.backgroundSize = lines.map(([, , w, h]) => `${w}px ${h}px`).join(',');
    }

    // Brings a row's toggle symbol, icon, open state and line below up to date.
    refresh(node) {
      const drawn = this.rows.get(node);
      if (!drawn || node.separator) return;
      const s = this.settings;
      const open = node.expanded && node.isFolder();
      if (node.isFolder()) drawn.anchor.setAttribute('aria-expanded', String(open));
      if (drawn.group) drawn.group.hidden = !open;
      if (drawn.lines && (node.isFolder() || !drawn.row.style.backgroundImage)) this.paintLines(drawn, open);
      if (drawn.toggle) drawn.toggle.replaceChildren(...toggleSymbol(s, open));
      if (drawn.icon) {
        const icon = s.icon(node);
        const named = icon && { [s.folderClosedImage]: 'closed', [s.folderOpenImage]: 'open', [s.leafImage]: 'leaf' }[icon];
        drawn.icon.className = named ? `qm-icon qm-icon-${named}` : 'qm-icon';
        drawn.icon.style.backgroundImage = icon && !named ? cssUrl(icon) : '';
      }
    }

    toggle(node, open = !node.expanded) {
      if (!node.isFolder() || node.expanded === open) return;
      node.expanded = open;
      const drawn = this.rows.get(node);
      if (open && drawn && !drawn.group) this.drawChildren(node, this.group(node, drawn));
      this.refresh(node);
      if (!open && this.current && this.isBelow(this.current, node)) this.focus(node);
      this.menu.hideTip();
    }

    isBelow(node, ancestor) {
      for (let a = node.parent; a; a = a.parent) if (a === ancestor) return true;
      return false;
    }

    // A click on the caption selects the node, follows its link and opens or
    // closes a folder; with double-click opening, a folder waits for the second
    // click, which follows no link again.
    clicked(node, event) {
      const s = this.settings;
      this.select(node);
      play(s.clickSound);
      const clicks = event.detail || 1;
      if (event.shiftKey && !event.ctrlKey && !event.metaKey) {
        event.preventDefault();
        followSecond(s, node);
        return;
      }
      if (clicks > 1) event.preventDefault();
      if (node.isFolder() && clicks === 1 && !s.doubleClickExpand) this.toggle(node);
    }

    select(node) {
      if (this.selected) this.rows.get(this.selected)?.anchor.setAttribute('aria-selected', 'false');
      this.selected = node;
      this.rows.get(node).anchor.setAttribute('aria-selected', 'true');
      this.setCurrent(node);
    }

    // The mouse moves onto another entry, or off the entries (node null).
    entered(node, event) {
      const menu = this.menu;
      this.hovered = node;
      menu.hideTip();
      if (!node) {
        window.status = '';
        return;
      }
      menu.over(node);
      if (!this.settings.tooltips || !node.status) return;
      const box = menu.box.getBoundingClientRect();
      const x = event.clientX - box.left;
      const y = event.clientY - box.top;
      menu.tipTimer = setTimeout(() => menu.showTip(node.status, x, y), TOOLTIP_DELAY);
    }

    // ---- keyboard

    setCurrent(node) {
      if (this.current === node) return;
      const before = this.current && this.rows.get(this.current);
      if (before) before.anchor.tabIndex = -1;
      this.current = node;
      this.rows.get(node).anchor.tabIndex = 0;
    }

    focus(node) {
      this.setCurrent(node);
      this.rows.get(node).anchor.focus();
    }

    focusCurrent() {
      if (this.current) this.focus(this.current);
    }

    // The shown, non-separator nodes before and after a node, without walking the whole tree.
    next(node) {
      if (node.expanded) {
        const child = node.children.find((c) => !c.separator);
        if (child) return child;
      }
      for (let n = node; n && n !== this.root; n = n.parent) {
        const siblings = n.parent.children;
        for (let i = siblings.indexOf(n) + 1; i < siblings.length; i += 1) if (!siblings[i].separator) return siblings[i];
      }
      return null;
    }

    previous(node) {
      const siblings = node.parent.children;
      for (let i = siblings.indexOf(node) - 1; i >= 0; i -= 1) {
        if (siblings[i].separator) continue;
        return this.lastShown(siblings[i]);
      }
      return node.parent === this.root ? null : node.parent;
    }

    lastShown(node) {
      let n = node;
      for (;;) {
        const children = n.expanded ? n.children.filter((c) => !c.separator) : [];
        if (!children.length) return n;
        n = children[children.length - 1];
      }
    }

    key(event) {
      const node = this.current;
      if (!node || event.altKey || event.ctrlKey || event.metaKey) return;
      const tops = this.root.children.filter((c) => !c.separator);
      let to = null;
      switch (event.key) {
        case 'ArrowDown': to = this.next(node); break;
        case 'ArrowUp': to = this.previous(node); break;
        case 'Home': to = tops[0]; break;
        case 'End': to = tops.length ? this.lastShown(tops[tops.length - 1]) : null; break;
        case 'ArrowRight':
          if (node.isFolder() && !node.expanded) this.toggle(node, true);
          else if (node.isFolder()) to = this.next(node);
          break;
        case 'ArrowLeft':
          if (node.isFolder() && node.expanded) this.toggle(node, false);
          else if (node.parent !== this.root) to = node.parent;
          break;
        case '*':
          for (const sibling of node.parent.children) this.toggle(sibling, true);
          break;
        case ' ':
          this.menu.activate(this.rows.get(node).anchor);
          break;
        case 'Enter':
          // A link follows itself; an entry without one acts as a click.
          if (this.rows.get(node).anchor.href) return;
          this.menu.activate(this.rows.get(node).anchor);
          break;
        default:
          if (event.key.length === 1 && event.key.trim()) this.typeAhead(event.key);
          else return;
      }
      event.preventDefault();
      if (to) this.focus(to);
    }

    // Letters typed in a row move to the next shown entry whose caption begins with them.
    typeAhead(letter) {
      clearTimeout(this.typedTimer);
      this.typedTimer = setTimeout(() => { this.typed = ''; }, TYPE_AHEAD_PAUSE);
      this.typed += letter.toLowerCase();
      const wanted = this.typed.length > 1 && [...this.typed].every((c) => c === this.typed[0]) ? this.typed[0] : this.typed;
      let n = wanted.length > 1 ? this.current : this.next(this.current);
      for (let steps = 0; n && steps < this.rows.size + 1; steps += 1) {
        if (n.text.toLowerCase().startsWith(wanted)) {
          this.focus(n);
          return;
        }
        n = this.next(n) || this.root.children.find((c) => !c.separator);
      }
    }
  }

  // The toggle symbol of a folder, drawn as the applets draw it: "A" a box with
  // plus or minus; "B", "C" and "D" boxes with an arrow (left, down, up when
  // closed; down, up, down when open); "E" and "F" the arrows without a box.
  function toggleSymbol(s, open) {
    const style = s.toggleSymbol;
    if (style === 'X') return [];
    const ns = 'http://www.w3.org/2000/svg';
    const svg = document.createElementNS(ns, 'svg');
    svg.setAttribute('width', '9');
    svg.setAttribute('height', '9');
    svg.setAttribute('shape-rendering', 'crispEdges');
    const ink = css(open ? s.folderOpenColor : s.folderClosedColor);
    const path = (d, fill, stroke) => {
      const made = document.createElementNS(ns, 'path');
      made.setAttribute('d', d);
      made.setAttribute('fill', fill);
      if (stroke) made.setAttribute('stroke', stroke);
      svg.appendChild(made);
    };
    if (style !== 'E' && style !== 'F') path('M0.5 0.5h8v8h-8z', css(s.treeBack), ink);
    if (style === 'A') {
      path(open ? 'M2 4h5v1h-5z' : 'M2 4h5v1h-5zM4 2h1v5h-1z', ink);
      return [svg];
    }
    const direction = { B: open ? 'down' : 'left', C: open ? 'up' : 'down', E: open ? 'up' : 'down' }[style]
      || (open ? 'down' : 'up');
    const half = style === 'E' || style === 'F' ? 4 : 2;
    const tip = Math.floor(half / 2);
    let d = '';
    for (let i = 0; i <= half; i += 1) {
      if (direction === 'up') d += `M${4 - i} ${4 - tip + i}h${2 * i + 1}v1h${-(2 * i + 1)}z`;
      else if (direction === 'down') d += `M${4 - i} ${4 + tip - i}h${2 * i + 1}v1h${-(2 * i + 1)}z`;
      else d += `M${4 - tip + i} ${4 - i}h1v${2 * i + 1}h-1z`;
    }
    path(d, ink);
    return [svg];
  }

  // Every applet of the three kinds in the page, found by its CODE as the
  // authoring tool finds it, drawn once.
  function start() {
    addStyleSheet();
    for (const applet of document.querySelectorAll('applet')) {
      if (applet.dataset.quillonMenu) continue;
      const code = (applet.getAttribute('code') || '').trim().toLowerCase().replace(/\.class$/, '');
      if (!KINDS[code]) continue;
      applet.dataset.quillonMenu = 'drawn';
      new Menu(applet, KINDS[code]);
    }
  }

  performance.mark('quillon-menu-start');
  start();
  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', start);
})();
