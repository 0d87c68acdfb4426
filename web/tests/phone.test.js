// The page as a phone and a keyboard meet it, in each engine: an archive dropped anywhere, the
// chooser opened by keys, and on a phone's screen no sideways scrolling, large targets and nothing
// that axe-core finds.
'use strict';

const assert = require('node:assert');
const fs = require('node:fs');
const path = require('node:path');
const {test} = require('node:test');
const {archive, H, kPair, rows} = require('./archives.js');
const {choose, controls, eachEngine, settled} = require('./harness.js');

const axeSource = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');
// What axe-core finds wrong in the page as it stands, by rule and element.
async function violations(page) {
  await page.script(axeSource);
  return page.evaluate(async () => {
    const {violations} = await axe.run(document, {resultTypes: ['violations']});
    return violations.flatMap((v) => v.nodes.map((node) => `${v.id}: ${node.target.join(' ')}`));
  });
}


eachEngine((engine, sandbox) => {

  // An archive dropped anywhere on the page is split there, where the browser would otherwise
  // open it; and the chooser opens from the keyboard.
  test('an archive dropped anywhere is taken; the keyboard opens the chooser', async () => {
    const page = await sandbox.open({folder: false});
    const prevented = await page.evaluate((base64) => {
      const transfer = new DataTransfer();
      const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
      transfer.items.add(new File([bytes], 'dropped.bin'));
      const drop = new DragEvent('drop', {dataTransfer: transfer, bubbles: true, cancelable: true});
      document.querySelector('h1').dispatchEvent(drop);
      return drop.defaultPrevented;
    }, rows[3][1].toString('base64'));
    assert.equal(prevented, true);
    assert.equal(await settled(page), 'done');
    assert.equal(await page.text('#archive-name'), 'dropped.bin · 819 kB');
    // Only an engine with folders of its own offers them.
    const folderRoute = engine.name === 'chromium';
    assert.equal(await page.text('#message'), '1 track: play it by its name, or save it below.');
    assert.deepEqual(await page.evaluate(() => ['save-folder', 'save-wav-folder'].map(
        (id) => document.getElementById(id).hidden)), [!folderRoute, !folderRoute]);
    // The file input is clicked, as a click on it opens the chooser (here kept shut).
    await page.evaluate(() => {
      window.opened = 0;
      document.querySelector('input[type=file]').addEventListener('click', (event) => {
        ++window.opened;
        event.preventDefault();
      });
    });
    for (const key of ['Enter', 'Space']) {
      await page.focus('#choose');
      await page.press(key);
    }
    assert.equal(await page.evaluate(() => window.opened), 2);
  });

  // On a phone's screen, 360 px and 412 px wide: the tracks come first, a line each, the first
  // one's Play in view above the player; nothing scrolls sideways, every control is a target of
  // 44 × 44 px at least, and axe-core finds nothing wrong before, during and after a split, with
  // the player opened, and after a failure, in light and, where the driver can ask for it, in dark.
  test('on a phone: the tracks first, large targets, nothing axe-core finds', async () => {
    const page = await sandbox.open({folder: false});
    // Sixteen tracks, each a pair that loops.
    const sixteen = path.join(sandbox.folder('archives'), '音楽.bin');
    fs.writeFileSync(sixteen, archive(16, Array.from({length: 16}, (_, p) => [[p, 0, 5, H, 0x06],
                                                                            [p, 0, 12000, H, 0x03]]).flat()));
    // The screenshots of README, from Chromium, on a desktop and on a phone.
    const shots = engine.name === 'chromium' && process.env.VORSPLIT_PAGE_SCREENSHOTS;
    if (shots) {
      await page.size(880, 640);
      await choose(page, sixteen);
      await page.click('tr[data-track=BGM_001] button.play');
      await page.waitFor(() => /^BGM_001 · 0:01/.test(document.getElementById('now').textContent));
      await page.screenshot(path.join(shots, 'page.png'), false);
      await page.click('#pause');
    }
    await page.emulatePhone();  // which loads the page again
    const found = {idle: await violations(page)};
    await page.size(360, 740);
    await choose(page, sixteen);
    found.done = await violations(page);
    const list = await page.evaluate(() => {
      const first = document.querySelector('tr[data-track=BGM_000] button.play').getBoundingClientRect();
      return {top: first.top, bottom: first.bottom, player: document.getElementById('player').getBoundingClientRect().top,
              rows: [...document.querySelectorAll('#tracks tbody tr')].map((row) => row.getBoundingClientRect().height)};
    });
    assert.ok(list.top >= 0 && list.bottom <= list.player, `the first track's Play: ${JSON.stringify(list)}`);
    assert.deepEqual([list.rows.length, list.rows.filter((height) => height > 64)], [16, []]);
    if (shots) await page.screenshot(path.join(shots, 'page-phone.png'), false);
    await page.click('#more');
    found.more = await violations(page);
    await page.click('#more');
    for (const width of [360, 412]) {
      await page.size(width, 800);
      const {scrollWidth, clientWidth} = await page.evaluate(() => {
        const {scrollWidth, clientWidth} = document.documentElement;
        return {scrollWidth, clientWidth};
      });
      assert.ok(scrollWidth <= clientWidth && clientWidth > width - 20,
                `${width} px: ${scrollWidth} px wide in ${clientWidth} px`);
      const shown = await page.evaluate(controls);
      assert.ok(shown.some((control) => control.name === 'Play BGM_000'));
      for (const control of shown) {
        assert.ok(control.width >= 44 && control.height >= 44,
                  `${width} px: ${JSON.stringify(control)}`);
      }
      if (width === 360 && shots) await page.screenshot(path.join(shots, 'page-phone.png'), false);
    }
    const long = path.join(sandbox.folder('archives'), 'long.bin');
    fs.writeFileSync(long, archive(1, [[0, 0, 5, H, 0x03]]));
    fs.truncateSync(long, 2000 * kPair);
    await page.choose('input[type=file]', long);
    found.working = await violations(page);
    fs.unlinkSync(long);
    await settled(page);
    found.failed = await violations(page);
    if (await page.darkMode?.()) found.dark = await violations(page);
    assert.deepEqual(found, {idle: [], done: [], more: [], working: [], failed: [],
                             ...(found.dark ? {dark: []} : {})});
  });
});
