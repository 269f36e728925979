// Opens the pages that quillon-cli generates from a sample menu in headless
// Chromium and uses them as a visitor would: the tree view by mouse and by
// keyboard alone, the drop-down boxes, the site map's links and the start pages.
//
// node generated_pages.test.mjs --cli PATH/quillon-cli --work FOLDER
// Exits 77 (skipped) when no Chromium is installed.
import { execFileSync } from 'node:child_process';
import { mkdirSync, rmSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { Browser, findChromium, waitUntil } from './cdp.mjs';
import { check, expectEqual, runChecks } from './checks.mjs';

const argument = (name) => {
  const at = process.argv.indexOf(name);
  if (at < 0 || !process.argv[at + 1]) throw new Error(`usage: ${name} is missing`);
  return process.argv[at + 1];
};
const cli = argument('--cli');
const work = argument('--work');

// The sample menu: two tabs, a folder with a quote and an ampersand in its
// entries, and a branch of a thousand pages.
const bigBranch = Array.from({ length: 1000 }, (_, k) => ({ Text: `Page ${k + 1}`, Data: { URL1: `big/page${k + 1}.htm` } }));
const menu = {
  Kind: 'akTabTree',
  Settings: { UseIcons: false },
  Tabs: [
    {
      Caption: 'Products',
      TabPage: { URL1: 'products.htm' },
      Nodes: [
        {
          Text: 'Catalogue',
          Data: { URL1: 'catalogue.htm', StatusText: 'All our products' },
          Children: [
            { Text: 'Prices', Data: { URL1: 'prices.htm' } },
            { Text: 'Tom\'s "best" & more', Data: { URL1: 'best.htm?a=1&b=2' } },
          ],
        },
        { Text: 'Contact', Data: { URL1: 'contact.htm' } },
      ],
    },
    {
      Caption: 'About',
      TabPage: { URL1: 'about.htm' },
      Nodes: [
        { Text: 'History', Data: { URL1: 'history.htm' } },
        { Text: 'Archive', Data: { URL1: 'archive.htm' }, Children: bigBranch },
      ],
    },
  ],
};

const site = join(work, 'site pages');
const page = join(site, 'index.htm');
const url = (name) => pathToFileURL(join(site, name)).href;

function run(...args) {
  return execFileSync(cli, args, { encoding: 'utf8', stdio: ['ignore', 'pipe', 'pipe'] });
}

function buildSite() {
  rmSync(work, { recursive: true, force: true });
  mkdirSync(join(site, 'big'), { recursive: true });
  writeFileSync(join(work, 'menu.json'), JSON.stringify(menu));
  const pages = ['products.htm', 'catalogue.htm', 'prices.htm', 'best.htm', 'contact.htm', 'about.htm', 'history.htm',
    'archive.htm', ...bigBranch.map((node) => node.Data.URL1)];
  for (const name of pages) writeFileSync(join(site, name), `<!DOCTYPE html><title>${name}</title><p>${name}</p>`);
  run('write', join(work, 'menu.json'), page);
  run('generate', 'dropdown', page);
  run('generate', 'treeview', page, '--set', 'title=Our "shop"');
  run('generate', 'sitemap', page);
  run('deploy', 'frames', page);
  run('deploy', 'floating', page, '--set', 'output=MyFloat.htm');
}


// The tree page's view of itself, read in the left frame.
const TREE_STATE = `(() => {
  const label = (item) => item.getAttribute('aria-label');
  const visible = [...document.querySelectorAll('[role=treeitem]')].filter((item) => !item.closest('[hidden]'));
  const focused = document.activeElement && document.activeElement.closest('[role=treeitem]');
  return {
    ready: document.documentElement.dataset.treeReady === 'true',
    visible: visible.map(label),
    expanded: visible.filter((item) => item.getAttribute('aria-expanded') === 'true').map(label),
    focused: focused ? label(focused) : null,
    title: document.getElementById('tree-title').textContent.trim(),
  };
})()`;

async function openTree(tab) {
  await tab.goto(url('MyTree.htm'));
  const frame = await tab.frameNamed('index');
  await waitUntil('the tree is drawn', async () => (await tab.evaluate(TREE_STATE, frame.id)).ready);
  return { frame, state: () => tab.evaluate(TREE_STATE, frame.id) };
}

async function mainFrameUrl(tab) {
  return (await tab.frameNamed('main')).url;
}

async function main() {
  buildSite();
  const executable = findChromium();
  if (!executable) {
    console.log('SKIP: no Chromium found (install the Debian package chromium, or set CHROMIUM)');
    process.exit(77);
  }
  const browser = await Browser.launch(executable);
  const tab = await browser.newPage();
  try {
    await check('the tree view shows the tabs below its root', async () => {
      const tree = await openTree(tab);
      const state = await tree.state();
      expectEqual(state.visible, ['My Site Name', 'Products', 'About'], 'visible items');
      expectEqual(state.title, 'Our "shop"', 'title');
      expectEqual(await mainFrameUrl(tab), url('main.htm'), 'main frame');
    });

    await check('clicking a folder opens it and shows its children', async () => {
      const tree = await openTree(tab);
      await tab.evaluate(`(() => {
        const item = [...document.querySelectorAll('[role=treeitem]')].find((i) => i.getAttribute('aria-label') === 'Products');
        item.querySelector('.toggle').click();
      })()`, tree.frame.id);
      const state = await tree.state();
      expectEqual(state.visible, ['My Site Name', 'Products', 'Catalogue', 'Contact', 'About'], 'visible items');
      const shown = await tab.evaluate(`[...document.querySelectorAll('[role=group] [role=treeitem]')]
        .filter((i) => !i.closest('[hidden]')).every((i) => i.getBoundingClientRect().height > 0)`, tree.frame.id);
      expectEqual(shown, true, 'children take room on the page');
    });

    await check('the tree works from the keyboard alone', async () => {
      const tree = await openTree(tab);
      const steps = [
        ['Tab', 'My Site Name'], ['ArrowDown', 'Products'], ['ArrowRight', 'Products'], ['ArrowRight', 'Catalogue'],
        ['ArrowRight', 'Catalogue'], ['ArrowDown', 'Prices'], ['ArrowDown', 'Tom`s "best" & more'],
        ['ArrowLeft', 'Catalogue'], ['ArrowLeft', 'Catalogue'], ['ArrowDown', 'Contact'], ['End', 'About'],
        ['*', 'About'], ['End', 'Archive'], ['ArrowUp', 'History'], ['Home', 'My Site Name'], ['ArrowUp', 'My Site Name'],
      ];
      for (const [key, focused] of steps) {
        await tab.press(key);
        expectEqual((await tree.state()).focused, focused, `focus after ${key}`);
      }
      const state = await tree.state();
      expectEqual(state.visible, ['My Site Name', 'Products', 'Catalogue', 'Contact', 'About', 'History', 'Archive'],
        'visible after * opened the siblings');
      expectEqual(state.expanded, ['My Site Name', 'Products', 'About'], 'open folders');
      for (const key of ['ArrowDown', 'ArrowDown', 'ArrowRight', 'ArrowDown']) await tab.press(key);
      expectEqual((await tree.state()).focused, 'Prices', 'focus before Enter');
      await tab.press('Enter');
      await waitUntil('the main frame shows the page', async () => (await mainFrameUrl(tab)) === url('prices.htm'));
    });

    await check('a branch of a thousand pages opens and is walked to its end', async () => {
      const tree = await openTree(tab);
      await tab.press('Tab');
      for (const key of ['End', 'ArrowRight', 'End', 'ArrowRight', 'End']) await tab.press(key);
      const state = await tree.state();
      expectEqual(state.focused, 'Page 1000', 'focus at the end');
      expectEqual(state.visible.length, 1 + 2 + 2 + 1000, 'visible items');
      await tab.press('Enter');
      await waitUntil('the main frame shows the last page', async () => (await mainFrameUrl(tab)) === url('big/page1000.htm'));
    });

    await check('choosing a drop-down entry opens its page', async () => {
      await tab.goto(url('MyMenu.htm'));
      const boxes = await tab.evaluate(`[...document.querySelectorAll('select')].map((s) => ({
        name: s.name, label: s.getAttribute('aria-label'), options: [...s.options].map((o) => o.text) }))`);
      expectEqual(boxes.map((box) => [box.name, box.label]), [['morvane_sel', 'Products'], ['morvane_sel0', 'About']], 'boxes');
      expectEqual(boxes[0].options, ['Select to navigate', 'CATALOGUE', '-->Prices', '-->Tom\'s "best" & more', 'CONTACT'],
        'entries of the first box');
      // Keyboard choice: focus the box, step down to the entry, open it with Enter.
      await tab.evaluate(`document.querySelector('select[name=morvane_sel]').focus()`);
      for (let step = 0; step < 3; step += 1) await tab.press('ArrowDown');
      await new Promise((resolve) => setTimeout(resolve, 300));
      expectEqual(await tab.evaluate('location.href'), url('MyMenu.htm'), 'page while stepping');
      await tab.press('Enter');
      await waitUntil('the page of the third entry opens', async () => (await tab.evaluate('location.href')) === new URL('best.htm?a=1&b=2', url('MyMenu.htm')).href);

      await tab.goto(url('MyMenu.htm'));
      await tab.evaluate(`(() => {
        const box = document.querySelector('select[name=morvane_sel0]');
        box.selectedIndex = 2;
        box.dispatchEvent(new Event('change'));
      })()`);
      await waitUntil('the second box opens its page', async () => (await tab.evaluate('location.href')) === url('archive.htm'));
    });

    await check('every site map link points where the menu says', async () => {
      await tab.goto(url('MySiteMap.htm'));
      const links = await tab.evaluate(`[...document.querySelectorAll('a[href]')].map((a) => [a.textContent, a.href])`);
      const expected = [];
      const walk = (nodes) => {
        for (const node of nodes) {
          expected.push([node.Text, new URL(node.Data.URL1, url('MySiteMap.htm')).href]);
          walk(node.Children || []);
        }
      };
      for (const tab of menu.Tabs) walk(tab.Nodes);
      expectEqual(links.length, expected.length, 'number of links');
      expectEqual(links, expected, 'links');
    });

    await check('the frameset start page shows the menu page beside the main page', async () => {
      await tab.goto(url('MyStart.htm'));
      const frames = await tab.frames();
      expectEqual(frames.map((f) => [f.name, f.url]), [['index', url('index.htm')], ['main', url('MyMain.htm')]], 'frames');
    });

    await check('the floating start page opens the menu page in a window of its own', async () => {
      const opened = browser.waitForEvent('Target.targetCreated', ({ targetInfo }) => targetInfo.url === url('index.htm')
        || targetInfo.openerId !== undefined, 15000);
      await tab.goto(url('MyFloat.htm'));
      const box = await tab.evaluate(`(() => {
        const r = document.getElementById('open-menu').getBoundingClientRect();
        return { x: r.x + r.width / 2, y: r.y + r.height / 2 };
      })()`);
      await tab.click(box.x, box.y);
      const { targetInfo } = await opened;
      await waitUntil('the window shows the menu page', async () => {
        const { targetInfos } = await browser.send('Target.getTargets');
        return targetInfos.some((t) => t.targetId === targetInfo.targetId && t.url === url('index.htm'));
      });
    });
  } finally {
    await browser.close();
  }
}

runChecks(main, 150000);
