// How fast a saved menu page becomes a usable menu in headless Chromium:
// from the start of the page's load to the moment the menu script has drawn
// an interactive menu, for 1, 10 and 50 tabs of 1,000 nodes each, and the
// time to open a folder of 1,000 children. The pages are written by
// quillon-cli as the program writes them.
//
// node bench/browser_menu_bench.mjs --cli BUILD/bin/quillon-cli [--runs N]
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { Browser, findChromium, waitUntil } from '../tests/browser/cdp.mjs';

const option = (name, fallback) => {
  const at = process.argv.indexOf(name);
  return at >= 0 && process.argv[at + 1] ? process.argv[at + 1] : fallback;
};
const cli = option('--cli', 'build/bin/quillon-cli');
const runs = Number(option('--runs', '5'));

// A tab of 1,000 nodes: 20 folders of 49 pages each, and one folder of 1,000
// pages in the first tab for the opening time.
function tab(t, bigFolder) {
  const nodes = [];
  for (let f = 0; f < 20; f += 1) {
    const children = [];
    for (let p = 0; p < 49; p += 1) children.push({ Text: `Page ${t}.${f}.${p}`, Data: { URL1: `p${t}_${f}_${p}.htm`, Target1: 'main' } });
    nodes.push({ Text: `Section ${t}.${f}`, Data: { URL1: `s${t}_${f}.htm`, Target1: 'main' }, Children: children });
  }
  if (bigFolder) {
    nodes[19].Children = Array.from({ length: 1000 }, (_, p) => ({ Text: `Item ${p}`, Data: { URL1: `i${p}.htm`, Target1: 'main' } }));
  }
  return { Caption: `Tab ${t}`, TabPage: { URL1: `t${t}.htm` }, Nodes: nodes };
}

function writePage(folder, tabs) {
  const menu = { Kind: 'akTabTree', Settings: { UseIcons: false, Width: '240', Height: '400' },
    Tabs: Array.from({ length: tabs }, (_, t) => tab(t, t === 0)) };
  const json = join(folder, `menu${tabs}.json`);
  const page = join(folder, `menu${tabs}.htm`);
  writeFileSync(json, JSON.stringify(menu));
  execFileSync(cli, ['write', json, page], { stdio: ['ignore', 'ignore', 'inherit'] });
  return pathToFileURL(page).href;
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// How fast this browser on this machine is at all: 1,000 plain list items with
// links added to a page and laid out, the least that opening such a folder costs.
const REFERENCE = `(() => {
  const list = document.createElement('ul');
  const started = performance.now();
  for (let i = 0; i < 1000; i += 1) {
    const link = document.createElement('a');
    link.href = 'i' + i + '.htm';
    link.textContent = 'Item ' + i;
    list.appendChild(document.createElement('li')).appendChild(link);
  }
  document.body.appendChild(list);
  document.body.getBoundingClientRect();
  const took = performance.now() - started;
  list.remove();
  return took;
})()`;

async function main() {
  const executable = findChromium();
  if (!executable) {
    console.log('SKIP: no Chromium found');
    return;
  }
  const folder = mkdtempSync(join(tmpdir(), 'quillon-menu-bench-'));
  const browser = await Browser.launch(executable);
  try {
    const page = await browser.newPage();
    console.log('tabs  nodes   load→menu ms  script ms  open 1,000-child folder ms   plain 1,000-item list ms   (median of runs)');
    for (const tabs of [1, 10, 50]) {
      const url = writePage(folder, tabs);
      const ready = [];
      const script = [];
      const open = [];
      const reference = [];
      for (let run = 0; run < runs; run += 1) {
        await page.goto(url);
        await waitUntil('the menu is drawn', () => page.evaluate(`!!document.querySelector('.qm-box[data-ready]')`));
        const times = await page.evaluate(`(() => {
          const ready = performance.getEntriesByName('quillon-menu-ready')[0];
          const script = performance.getEntriesByName('quillon-menu-start')[0];
          return { ready: ready.startTime, script: ready.startTime - script.startTime };
        })()`);
        ready.push(times.ready);
        script.push(times.script);
        open.push(await page.evaluate(`(() => {
          const item = [...document.querySelectorAll('[role=treeitem]')].find((i) => i.textContent === 'Section 0.19');
          const started = performance.now();
          item.click();
          const count = item.closest('li').querySelectorAll('[role=group] [role=treeitem]').length;
          document.body.getBoundingClientRect();
          const layout = document.querySelector('.qm-tree').scrollHeight;
          if (count !== 1000 || !layout) throw new Error('the folder did not open: ' + count);
          return performance.now() - started;
        })()`));
        reference.push(await page.evaluate(REFERENCE));
      }
      console.log(`${String(tabs).padStart(4)}  ${String(tabs * 1000).padStart(6)}  ${median(ready).toFixed(1).padStart(12)}`
        + `  ${median(script).toFixed(1).padStart(9)}  ${median(open).toFixed(1).padStart(27)}`
        + `  ${median(reference).toFixed(1).padStart(25)}`);
    }
  } finally {
    await browser.close();
    rmSync(folder, { recursive: true, force: true });
  }
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
