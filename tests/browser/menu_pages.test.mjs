// Opens the menu pages that quillon-cli writes, of every kind and mode, in
// headless Chromium, where the menu script draws them as the applets would,
// and uses them as a visitor would: by mouse and keyboard, in a frameset,
// over file:// and from a web server on the loopback. Checks that resaving
// keeps the bytes, that the script joins the site and its report, and, where
// the applet runner can be run, that the browser draws what the applet draws.
//
// node menu_pages.test.mjs --cli PATH/quillon-cli --work FOLDER
//   [--java PATH --runner applet-runner.jar] [--shots FOLDER]
// Exits 77 (skipped) when no Chromium is installed.
import { execFileSync } from 'node:child_process';
import { createServer } from 'node:http';
import { existsSync, mkdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { extname, join, normalize } from 'node:path';
import { pathToFileURL } from 'node:url';
import { Browser, findChromium, waitUntil } from './cdp.mjs';
import { check, expectEqual, results, runChecks } from './checks.mjs';
import { readPng } from './png.mjs';

const option = (name) => {
  const at = process.argv.indexOf(name);
  return at >= 0 ? process.argv[at + 1] : undefined;
};
const cli = option('--cli');
const work = option('--work');
if (!cli || !work) throw new Error('usage: --cli PATH --work FOLDER');
const java = option('--java');
const runner = option('--runner');
const shots = option('--shots') || join(work, 'screenshots');
const program = process.env.QUILLON_HOME;

const site = join(work, 'site');
const icons = ['BookC.gif', 'BookO.gif', 'Leaf.gif'].map((name) => join(program, 'files/JClass/jimages', name));
const docs = (name) => `../docs/${name}`;
const thousand = Array.from({ length: 1000 }, (_, k) => ({ Text: `Page ${k + 1}`, Data: { URL1: docs(`big${k + 1}.htm`), Target1: 'main' } }));
const shopNodes = [
  {
    Text: 'Catalogue',
    Data: { URL1: docs('catalogue.htm'), Target1: 'main', StatusText: 'All our products', URL2: docs('second.htm'), Target2: 'main' },
    Children: [
      { Text: 'Prices', Data: { URL1: docs('prices.htm'), Target1: 'main' } },
      { Text: 'Tom\'s <b>"best"</b> & more', Data: { URL1: docs('best.htm?a=1&b=2'), Target1: 'main' } },
    ],
  },
  { Text: 'Archive', Data: { URL1: docs('archive.htm'), Target1: 'main' }, Children: thousand },
  { Text: 'Café', Data: { URL1: docs('cafe.htm'), Target1: 'main' } },
];
const tabs = [
  { Caption: 'Shop', TabPage: { URL1: docs('shop.htm'), Target1: 'main', StatusText: 'Our shop' }, Nodes: shopNodes },
  { Caption: 'About us', TabPage: { URL1: docs('about.htm'), Target1: 'main' }, Nodes: [{ Text: 'History', Data: { URL1: docs('history.htm'), Target1: 'main' } }] },
  { Caption: 'Contact', TabPage: { URL1: docs('contact.htm'), Target1: 'main' }, Nodes: [] },
];
const look = { Codebase: 'java/', Width: '240', Height: '300', TabBackColor: 14211288, TreeBackColor: 15794175,
  TabTextColor: 8388608, TreeTextColor: 1321744,
  MouseOverFrame: 'rect', DefFolderClosed: 0, DefFolderOpen: 1, DefLeaf: 2 };
const treeCaptions = ['Catalogue', 'Archive', 'Café'];

// Each page: its menu, what it shows at first, and whether it needs a web server.
const pages = {
  tabtree: { menu: { Kind: 'akTabTree', Settings: { ...look, DefaultTab: 0 }, ImageFiles: icons, Tabs: tabs },
    tabs: ['Shop', 'About us', 'Contact'], tree: treeCaptions, folders: true },
  tabtree_content: { menu: { Kind: 'akTabTree', Settings: { ...look, ContentInFile: true }, ImageFiles: icons, Tabs: tabs },
    tabs: ['Shop', 'About us', 'Contact'], tree: treeCaptions, server: true, folders: true },
  tree: { menu: { Kind: 'akTree', Settings: { ...look, UseIcons: false, ToggleSymbol: 'B', LineStyle: 'B', LeafSymbol: true,
    ShowBorder: true }, ImageFiles: icons, Tabs: [tabs[0]] }, tabs: [], tree: treeCaptions, folders: true },
  tree_content: { menu: { Kind: 'akTree', Settings: { ...look, ContentInFile: true, ToggleSymbol: 'E' }, ImageFiles: icons,
    Tabs: [tabs[0]] }, tabs: [], tree: treeCaptions, server: true, folders: true },
  tab_bottom: { menu: { Kind: 'akTab', Settings: { ...look, Height: '40', TabOnBottom: true, DefaultTab: 1 }, ImageFiles: icons,
    Tabs: tabs },
    tabs: ['Shop', 'About us', 'Contact'], tree: [] },
  proxy: { menu: { Kind: 'akTabTree', Settings: { ...look, ProxyEnhanced: true }, ImageFiles: icons, Tabs: tabs },
    tabs: ['Shop', 'About us', 'Contact'], tree: treeCaptions, folders: true },
  tabs_only: { menu: { Kind: 'akTabTree', Settings: { ...look, ShowTabsOnly: true, Height: '40' }, ImageFiles: icons, Tabs: tabs },
    tabs: ['Shop', 'About us', 'Contact'], tree: [] },
  // More tabs than the box is wide: two arrow buttons move the strip.
  many_tabs: { menu: { Kind: 'akTab', Settings: { ...look, Height: '40' }, ImageFiles: icons,
    Tabs: Array.from({ length: 12 }, (_, k) => ({ Caption: `Topic ${k + 1}`, TabPage: { URL1: docs(`topic${k + 1}.htm`) } })) },
  tabs: Array.from({ length: 12 }, (_, k) => `Topic ${k + 1}`), tree: [] },
  // A page frame of its own that declares no encoding, from a server that calls every
  // page windows-1252: the captions still read right.
  plain_frame: { menu: { Kind: 'akTree', Settings: { ...look, UseIcons: false }, ImageFiles: icons,
    Tabs: [{ Caption: '', Nodes: [...shopNodes.slice(0, 2), { Text: 'Café ☕', Data: { URL1: docs('cafe.htm'), Target1: 'main' } }] }],
    Document: { HeaderLines: ['<HTML>', '<HEAD>', '<TITLE>Plain</TITLE>', '</HEAD>', '<BODY>', '<APPLET>'], FooterLines: ['</BODY>', '</HTML>'] } },
  tabs: [], tree: ['Catalogue', 'Archive', 'Café ☕'], server: true, folders: true, charset: 'windows-1252' },
};

const pagePath = (name) => join(site, `${name}.htm`);
const fileUrl = (name) => pathToFileURL(pagePath(name)).href;
const docUrl = (name, base) => new URL(name, base).href;

function run(...args) {
  return execFileSync(cli, args, { encoding: 'utf8', stdio: ['ignore', 'pipe', 'pipe'] });
}

function buildSite() {
  rmSync(work, { recursive: true, force: true });
  mkdirSync(join(site, 'docs'), { recursive: true });
  for (const name of ['catalogue', 'second', 'prices', 'best', 'archive', 'cafe', 'shop', 'about', 'contact', 'history',
    'welcome', ...thousand.map((_, k) => `big${k + 1}`), ...Array.from({ length: 12 }, (_, k) => `topic${k + 1}`)]) {
    writeFileSync(join(site, 'docs', `${name}.htm`), `<!DOCTYPE html><title>${name}</title><p>${name}</p>`);
  }
  for (const [name, { menu }] of Object.entries(pages)) {
    writeFileSync(join(work, `${name}.json`), JSON.stringify(menu));
    run('write', join(work, `${name}.json`), pagePath(name));
    writeFileSync(join(site, `frames_${name}.htm`), '<!DOCTYPE html><html><frameset cols="280,*">'
      + `<frame name="index" src="${name}.htm"><frame name="main" src="docs/welcome.htm"></frameset></html>`);
  }
}

// The site over HTTP on the loopback, for the menus whose entries are in content files.
function serveSite() {
  const types = { '.htm': 'text/html', '.js': 'text/javascript', '.gif': 'image/gif', '.txt': 'text/plain' };
  const server = createServer((request, response) => {
    const path = normalize(join(site, decodeURIComponent(new URL(request.url, 'http://x').pathname)));
    if (!path.startsWith(site) || !existsSync(path)) {
      response.writeHead(404).end();
      return;
    }
    const type = path.endsWith('plain_frame.htm') ? 'text/html; charset=windows-1252' : types[extname(path)];
    response.writeHead(200, { 'Content-Type': type || 'application/octet-stream' });
    response.end(readFileSync(path));
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}


function expect(condition, what) {
  if (!condition) throw new Error(what);
}

// What the menu shows: its box, the tabs, the tree items that are not hidden, the sentence.
const MENU_STATE = `(() => {
  const box = document.querySelector('.qm-box');
  if (!box || !box.dataset.ready) return null;
  const shown = (e) => !e.closest('[hidden]');
  const items = [...box.querySelectorAll('[role=treeitem]')].filter(shown);
  const focused = document.activeElement;
  return {
    size: [box.offsetWidth, box.offsetHeight],
    appletHidden: getComputedStyle(document.querySelector('applet')).display === 'none',
    tabs: [...box.querySelectorAll('[role=tab]')].map((t) => t.textContent),
    selectedTab: [...box.querySelectorAll('[role=tab][aria-selected=true]')].map((t) => t.textContent),
    tree: items.map((i) => i.textContent),
    hrefs: items.map((i) => i.getAttribute('href')),
    expanded: items.filter((i) => i.getAttribute('aria-expanded') === 'true').map((i) => i.textContent),
    focused: focused && box.contains(focused) ? focused.textContent : null,
    message: box.querySelector('.qm-message')?.textContent || null,
    charset: document.characterSet,
  };
})()`;

class Visitor {
  constructor(browser, tab) {
    this.tab = tab;
    this.errors = [];
    browser.listeners.add(({ method, params, sessionId }) => {
      if (sessionId !== tab.sessionId) return;
      if (method === 'Runtime.exceptionThrown') this.errors.push(params.exceptionDetails.exception?.description || params.exceptionDetails.text);
      if (method === 'Runtime.consoleAPICalled' && params.type === 'error') this.errors.push(JSON.stringify(params.args));
    });
  }

  async open(url, framed = false) {
    this.errors = [];
    await this.tab.goto(url);
    this.frame = framed ? await this.tab.frameNamed('index') : null;
    await waitUntil(`the menu of ${url} is drawn`, () => this.state());
    return this.state();
  }

  state() { return this.tab.evaluate(MENU_STATE, this.frame?.id); }

  async mainUrl() { return (await this.tab.frameNamed('main')).url; }

  // The middle of an entry's caption in the window, through the frame it lies in.
  async centreOf(caption, selector = '[role=treeitem] .qm-text, [role=tab]') {
    const inner = await this.tab.evaluate(`(() => {
      const e = [...document.querySelectorAll(${JSON.stringify(selector)})].find((c) => c.textContent === ${JSON.stringify(caption)});
      const r = e.getBoundingClientRect();
      return { x: r.x + r.width / 2, y: r.y + r.height / 2 };
    })()`, this.frame?.id);
    const offset = this.frame
      ? await this.tab.evaluate(`(() => { const r = document.querySelector('frame[name=index]').getBoundingClientRect(); return { x: r.x, y: r.y }; })()`)
      : { x: 0, y: 0 };
    return { x: inner.x + offset.x, y: inner.y + offset.y };
  }

  async click(caption, modifiers = 0, selector = undefined, button = 'left') {
    const { x, y } = await this.centreOf(caption, selector);
    await this.tab.send('Input.dispatchMouseEvent', { type: 'mouseMoved', x, y });
    for (const type of ['mousePressed', 'mouseReleased']) {
      await this.tab.send('Input.dispatchMouseEvent', { type, x, y, button, clickCount: 1, modifiers });
    }
  }

  async mainShows(url) {
    await waitUntil(`the main frame shows ${url}`, async () => (await this.mainUrl()) === url);
  }
}

async function checkPages(visitor, serverBase) {
  for (const [name, page] of Object.entries(pages)) {
    await check(`${name}: the menu shows in place of the applet, with no script error`, async () => {
      const base = page.server ? `${serverBase}/` : pathToFileURL(`${site}/`).href;
      const state = await visitor.open(new URL(`${name}.htm`, base).href);
      expectEqual(state.size, [240, Number(page.menu.Settings.Height)], 'box size');
      expectEqual(state.appletHidden, true, 'applet element hidden');
      expectEqual(state.tabs, page.tabs, 'tabs');
      expectEqual(state.tree, page.tree, 'tree items');
      expectEqual(state.charset, page.charset || 'UTF-8', 'the encoding the browser read the page in');
      const codeBase = new URL('java/', base).href;
      const links = { Catalogue: 'catalogue.htm', Archive: 'archive.htm', Café: 'cafe.htm', 'Café ☕': 'cafe.htm' };
      expectEqual(state.hrefs, state.tree.map((caption) => docUrl(docs(links[caption]), codeBase)), 'links against the code base');
      expectEqual(visitor.errors, [], 'script errors');
    });
  }

  await check('content files over file:// are explained in one sentence', async () => {
    for (const name of ['tree_content', 'tabtree_content']) {
      const state = await visitor.open(fileUrl(name));
      expect(/open this page from a web server/.test(state.message || ''), `${name}: message ${state.message}`);
      expectEqual(visitor.errors, [], 'script errors');
    }
  });
}

async function checkUse(visitor) {
  await check('a click on a folder opens it and follows its link in the target frame; Shift and right clicks the second', async () => {
    await visitor.open(pathToFileURL(join(site, 'frames_tabtree.htm')).href, true);
    await visitor.click('Catalogue');
    const state = await visitor.state();
    expectEqual(state.tree.slice(0, 4), ['Catalogue', 'Prices', 'Tom\'s <b>"best"</b> & more', 'Archive'], 'rows after the click');
    expectEqual(state.expanded, ['Catalogue'], 'open folders');
    await visitor.mainShows(docUrl('docs/catalogue.htm', fileUrl('tabtree')));
    await visitor.click('Catalogue', 8);
    await visitor.mainShows(docUrl('docs/second.htm', fileUrl('tabtree')));
    expectEqual((await visitor.state()).expanded, ['Catalogue'], 'Shift-click follows the second link only');
    await visitor.click('Prices');
    await visitor.mainShows(docUrl('docs/prices.htm', fileUrl('tabtree')));
    await visitor.click('Catalogue', 0, undefined, 'right');
    await visitor.mainShows(docUrl('docs/second.htm', fileUrl('tabtree')));
    expectEqual(visitor.errors, [], 'script errors');
  });

  await check('the tabs and the tree work from the keyboard alone', async () => {
    await visitor.open(pathToFileURL(join(site, 'frames_tree.htm')).href, true);
    await visitor.tab.evaluate(`document.querySelector('[role=treeitem][tabindex="0"]').focus()`, visitor.frame.id);
    const steps = [['ArrowDown', 'Archive'], ['ArrowRight', 'Archive'], ['ArrowRight', 'Page 1'], ['End', 'Café'],
      ['ArrowUp', 'Page 1000'], ['Home', 'Catalogue'], ['*', 'Catalogue'], ['ArrowDown', 'Prices'], ['ArrowLeft', 'Catalogue'],
      ['ArrowLeft', 'Catalogue'], ['ArrowDown', 'Archive']];
    for (const [key, focused] of steps) {
      await visitor.tab.press(key);
      expectEqual((await visitor.state()).focused, focused, `focus after ${key}`);
    }
    await visitor.tab.press('Enter');
    await visitor.mainShows(docUrl('docs/archive.htm', fileUrl('tree')));
    // Typing the start of a caption moves to it.
    for (const letter of 'ca') {
      const common = { key: letter, code: `Key${letter.toUpperCase()}`, windowsVirtualKeyCode: letter.toUpperCase().charCodeAt(0) };
      await visitor.tab.send('Input.dispatchKeyEvent', { type: 'keyDown', text: letter, ...common });
      await visitor.tab.send('Input.dispatchKeyEvent', { type: 'keyUp', ...common });
    }
    expectEqual((await visitor.state()).focused, 'Café', 'focus after typing "ca"');

    await visitor.open(pathToFileURL(join(site, 'frames_tabtree.htm')).href, true);
    await visitor.tab.evaluate(`document.querySelector('[role=tab][tabindex="0"]').focus()`, visitor.frame.id);
    for (const [key, focused] of [['ArrowRight', 'About us'], ['ArrowRight', 'Contact'], ['Home', 'Shop'], ['End', 'Contact'],
      ['ArrowLeft', 'About us']]) {
      await visitor.tab.press(key);
      expectEqual((await visitor.state()).focused, focused, `tab focus after ${key}`);
    }
    await visitor.tab.press('Enter');
    await visitor.mainShows(docUrl('docs/about.htm', fileUrl('tabtree')));
    const state = await visitor.state();
    expectEqual([state.selectedTab, state.tree], [['About us'], ['History']], 'the chosen tab shows its tree');
    expectEqual(visitor.errors, [], 'script errors');
  });

  await check('the status text shows as a tooltip in the tooltip colours', async () => {
    await visitor.open(fileUrl('tabtree'));
    const { x, y } = await visitor.centreOf('Catalogue');
    await visitor.tab.send('Input.dispatchMouseEvent', { type: 'mouseMoved', x, y });
    const tip = await waitUntil('the tooltip shows', () => visitor.tab.evaluate(`(() => {
      const tip = document.querySelector('.qm-tip');
      return !tip.hidden && { text: tip.textContent, colour: getComputedStyle(tip).backgroundColor };
    })()`));
    expectEqual(tip, { text: 'All our products', colour: 'rgb(255, 255, 0)' }, 'tooltip');
  });

  await check('tabs wider than the box scroll with the arrow buttons and the keyboard', async () => {
    await visitor.open(fileUrl('many_tabs'));
    const firstShown = () => visitor.tab.evaluate(`(() => {
      const list = document.querySelector('.qm-tabs');
      return [...list.children].find((t) => t.offsetLeft + t.offsetWidth > list.scrollLeft + 2).textContent;
    })()`);
    expectEqual(await firstShown(), 'Topic 1', 'first tab shown');
    await visitor.click('', 0, '.qm-step.qm-right');
    expectEqual(await firstShown(), 'Topic 2', 'after the right button');
    await visitor.tab.evaluate(`document.querySelector('[role=tab]').focus()`);
    await visitor.tab.press('End');
    const last = await visitor.tab.evaluate(`(() => {
      const list = document.querySelector('.qm-tabs');
      const tab = list.lastElementChild;
      return tab.offsetLeft + tab.offsetWidth - list.scrollLeft <= list.clientWidth && document.activeElement === tab;
    })()`);
    expectEqual(last, true, 'the last tab is shown and focused');
    expectEqual(visitor.errors, [], 'script errors');
  });

  await check('Preview writes a page whose menu shows', async () => {
    const address = run('preview', pagePath('tabtree')).trim().split('\n').pop();
    const state = await visitor.open(address.replace(/^file:\/\/\/?/, 'file:///'));
    expectEqual(state.tree, treeCaptions, 'tree items');
    expectEqual(visitor.errors, [], 'script errors');
  });

  await check('with scripting off the page shows the entries as plain links below the code base', async () => {
    await visitor.tab.send('Emulation.setScriptExecutionDisabled', { value: true });
    try {
      await visitor.tab.goto(fileUrl('tabtree'));
      const links = await visitor.tab.evaluate(`[...document.querySelectorAll('applet li > a')].slice(0, 5)
        .map((a) => [a.textContent, a.href, a.target, a.getBoundingClientRect().height > 0])`);
      const at = (name) => docUrl(`docs/${name}`, fileUrl('tabtree'));
      expectEqual(links, [['Shop', at('shop.htm'), 'main', true], ['Catalogue', at('catalogue.htm'), 'main', true],
        ['Prices', at('prices.htm'), 'main', true], ['Tom\'s <b>"best"</b> & more', at('best.htm?a=1&b=2'), 'main', true],
        ['Archive', at('archive.htm'), 'main', true]], 'first links');
    } finally {
      await visitor.tab.send('Emulation.setScriptExecutionDisabled', { value: false });
    }
  });

  await check('a folder of 1,000 children opens at once', async () => {
    await visitor.open(fileUrl('tabtree'));
    const ms = await visitor.tab.evaluate(`(() => {
      const item = [...document.querySelectorAll('[role=treeitem]')].find((i) => i.textContent === 'Archive');
      const started = performance.now();
      item.parentNode.querySelector('.qm-toggle').click();
      document.querySelector('.qm-tree').scrollHeight;
      return performance.now() - started;
    })()`);
    expectEqual((await visitor.state()).tree.length, 3 + 1000, 'rows');
    console.log(`# opened in ${ms.toFixed(1)} ms`);
  });
}

async function checkFiles() {
  await check('resaving a page twice gives the same bytes, with the script line once', () => {
    for (const name of Object.keys(pages)) {
      const path = pagePath(name);
      const written = readFileSync(path);
      run('resave', path);
      const once = readFileSync(path);
      run('resave', path);
      expect(once.equals(readFileSync(path)), `${name}: the second resave changed the page`);
      expect(once.equals(written), `${name}: resaving changed the written page`);
      const lines = once.toString('utf8').split('\r\n');
      expectEqual(lines.filter((line) => line.includes('QuillonMenu.js')), ['<SCRIPT SRC="java/QuillonMenu.js"></SCRIPT>'], `${name}: script line`);
      expectEqual(lines[lines.indexOf('</APPLET>') + 1], '<SCRIPT SRC="java/QuillonMenu.js"></SCRIPT>', `${name}: after the applet`);
    }
  });

  await check('the script lies in the class folder and the upload report lists it', () => {
    const shipped = readFileSync(join(program, 'files/JClass/QuillonMenu.js'));
    expect(readFileSync(join(site, 'java/QuillonMenu.js')).equals(shipped), 'the class folder holds the shipped script');
    const report = readFileSync(join(site, 'tabtree_UPLOADREPORT.TXT'), 'utf8');
    expect(report.includes('  QuillonMenu.js'), `the report lists the script:\n${report}`);
  });
}

// ---- the browser's drawing beside the applet runner's

const distance = (a, b) => Math.max(...a.map((v, i) => Math.abs(v - b[i])));

// The columns and rows of a rectangle that hold pixels of the text colour.
function inkBounds(picture, rect, ink) {
  let box = null;
  for (let y = Math.max(0, rect.y); y < Math.min(picture.height, rect.y + rect.h); y += 1) {
    for (let x = Math.max(0, rect.x); x < Math.min(picture.width, rect.x + rect.w); x += 1) {
      if (distance(picture.rgb(x, y), ink) > 32) continue;
      box = box ? { left: Math.min(box.left, x), right: Math.max(box.right, x), top: Math.min(box.top, y), bottom: Math.max(box.bottom, y) }
        : { left: x, right: x, top: y, bottom: y };
    }
  }
  return box;
}

// Where the 16 x 16 icon at (x, y) of one picture stands in the other, within a few
// pixels; a line's dot may touch its edge.
function findIcon(from, x, y, into, reach = 3) {
  for (let dy = -reach; dy <= reach; dy += 1) {
    for (let dx = -reach; dx <= reach; dx += 1) {
      let differ = 0;
      for (let j = 0; j < 16 && differ <= 4; j += 1) {
        for (let i = 0; i < 16; i += 1) {
          const there = x + dx + i < into.width && y + dy + j < into.height ? into.rgb(x + dx + i, y + dy + j) : [999, 0, 0];
          if (distance(from.rgb(x + i, y + j), there) > 8) differ += 1;
        }
      }
      if (differ <= 4) return { dx, dy };
    }
  }
  return null;
}

async function checkAgainstRunner(visitor) {
  if (!java || !runner || !existsSync(runner)) {
    console.log('# no applet runner: the drawing is not compared with the applets');
    return;
  }
  mkdirSync(shots, { recursive: true });
  for (const name of ['tabtree', 'tree', 'tab_bottom', 'tree_content']) {
    await check(`${name}: the browser draws the captions, colours and icons the applet draws`, async () => {
      const javaPicture = join(shots, `${name}-applet.png`);
      execFileSync(java, ['-Djava.awt.headless=true', '-jar', runner, '--render', javaPicture, pagePath(name)], { stdio: 'pipe' });
      const served = pages[name].server;
      await visitor.open(served ? `${visitor.serverBase}/${name}.htm` : fileUrl(name));
      // The icons are background pictures; they have been drawn once a frame has passed after the load.
      await visitor.tab.evaluate(`new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve)))`);
      const layout = await visitor.tab.evaluate(`(() => {
        const box = document.querySelector('.qm-box').getBoundingClientRect();
        const at = (e) => { const r = e.getBoundingClientRect(); return { x: Math.round(r.x - box.x), y: Math.round(r.y - box.y), w: Math.round(r.width), h: Math.round(r.height) }; };
        const ink = (e) => getComputedStyle(e).color.match(/\\d+/g).map(Number);
        let before = 0;
        const caption = (e) => {
          const shifted = e.matches('[role=tab]') ? before : 0;
          if (e.matches('[role=tab]')) before += e.textContent.length;
          return { text: e.textContent, ink: ink(e), before: shifted, ...at(e) };
        };
        return {
          box: { x: box.x, y: box.y, w: box.width, h: box.height },
          captions: [...document.querySelectorAll('.qm-box [role=tab], .qm-box [role=treeitem] .qm-text')].map(caption),
          icons: [...document.querySelectorAll('.qm-box [role=treeitem] .qm-icon')]
            .filter((e) => getComputedStyle(e).backgroundImage !== 'none').map(at),
        };
      })()`);
      const { data } = await visitor.tab.send('Page.captureScreenshot', { format: 'png',
        clip: { x: layout.box.x, y: layout.box.y, width: layout.box.w, height: layout.box.h, scale: 1 } });
      const browserPicture = join(shots, `${name}-browser.png`);
      writeFileSync(browserPicture, Buffer.from(data, 'base64'));
      const shown = readPng(browserPicture);
      const drawn = readPng(javaPicture);
      expectEqual([shown.width, shown.height], [drawn.width, drawn.height], 'picture sizes');

      // The plain surface far from any caption has the same colour in both.
      for (const [x, y] of [[shown.width - 3, shown.height - 3], [shown.width - 3, Math.floor(shown.height / 2)]]) {
        expectEqual(shown.rgb(x, y), drawn.rgb(x, y), `colour at ${x},${y}`);
      }
      // Java's hinted glyphs are up to a third of a pixel wider than the browser's, so a
      // caption may end that much later per character, and a tab start later by the
      // captions of the tabs before it; anything beyond a few pixels is a fault.
      const slack = (characters) => 3 + Math.ceil(characters / 3);
      const offsets = [];
      for (const caption of layout.captions) {
        const band = { x: caption.x, y: caption.y, w: caption.w, h: caption.h };
        const wide = { x: caption.x - 3, y: caption.y - 3, w: caption.w + slack(caption.before + caption.text.length), h: caption.h + 6 };
        const a = inkBounds(shown, band, caption.ink);
        const b = inkBounds(drawn, wide, caption.ink);
        expect(a && b, `${caption.text}: no text (browser ${JSON.stringify(a)}, applet ${JSON.stringify(b)})`);
        const limits = { left: slack(caption.before), top: 3, bottom: 3, right: slack(caption.before + caption.text.length) };
        for (const [side, limit] of Object.entries(limits)) {
          offsets.push(b[side] - a[side]);
          expect(Math.abs(a[side] - b[side]) <= limit, `${caption.text}: ${side} ${a[side]} in the browser, ${b[side]} in the applet`);
        }
      }
      console.log(`# ${name}: caption edges differ by ${Math.min(...offsets)} to ${Math.max(...offsets)} px`);
      for (const icon of layout.icons) {
        expect(findIcon(shown, icon.x, icon.y, drawn), `icon at ${icon.x},${icon.y} not drawn by the applet there`);
      }
      // The two pictures side by side, to look at.
      const both = `<body style="margin:0;display:flex;gap:12px;background:#888;padding:8px">`
        + `<figure style="margin:0"><img src="${pathToFileURL(browserPicture).href}"><figcaption>browser</figcaption></figure>`
        + `<figure style="margin:0"><img src="${pathToFileURL(javaPicture).href}"><figcaption>applet runner</figcaption></figure></body>`;
      writeFileSync(join(shots, `${name}-side.htm`), both);
      await visitor.tab.goto(pathToFileURL(join(shots, `${name}-side.htm`)).href);
      const side = await visitor.tab.send('Page.captureScreenshot', { format: 'png',
        clip: { x: 0, y: 0, width: 2 * shown.width + 28, height: shown.height + 40, scale: 1 } });
      writeFileSync(join(shots, `${name}-side.png`), Buffer.from(side.data, 'base64'));
    });
  }
}

async function main() {
  buildSite();
  await checkFiles();
  const executable = findChromium();
  if (!executable) {
    console.log('SKIP: no Chromium found (install the Debian package chromium, or set CHROMIUM)');
    process.exit(results.failures ? 1 : 77);
  }
  const server = await serveSite();
  const browser = await Browser.launch(executable);
  const tab = await browser.newPage();
  await tab.send('Emulation.setDeviceMetricsOverride', { width: 900, height: 700, deviceScaleFactor: 1, mobile: false });
  const visitor = new Visitor(browser, tab);
  visitor.serverBase = `http://127.0.0.1:${server.address().port}`;
  try {
    await checkPages(visitor, visitor.serverBase);
    await checkUse(visitor);
    await checkAgainstRunner(visitor);
  } finally {
    await browser.close();
    server.close();
  }
}

runChecks(main, 170000);
