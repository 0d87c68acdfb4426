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
    // Only an engine with folders of its own mentions them.
    const folderRoute = engine.name === 'chromium';
    assert.equal(await page.text('#message'), folderRoute
        ? '1 track. Download them as a zip, or save them to a folder.'
        : '1 track. Download them as a zip.');
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

  // On a phone's screen, 360 px and 412 px wide: nothing scrolls sideways, every control is a
  // target of 44 × 44 px at least, and axe-core finds nothing wrong before, during and after
  // a split, and after a failure, in light and, where the driver can ask for it, in dark.
  test('on a phone: no sideways scrolling, large targets, nothing axe-core finds', async () => {
    const page = await sandbox.open({folder: false});
    // The screenshots of README, from Chromium, on a desktop and on a phone.
    const shots = engine.name === 'chromium' && process.env.VORSPLIT_PAGE_SCREENSHOTS;
    const archivePath = path.join(sandbox.folder('archives'), '音楽.bin');
    fs.writeFileSync(archivePath, rows[1][1]);
    if (shots) {
      // Playing a track of an intro and a loop, the player bar at the window's foot.
      await page.size(880, 640);
      const shown = path.join(sandbox.folder('archives'), 'game.bin');
      fs.writeFileSync(shown, archive(9, [0, 3, 6].flatMap((p) => [[p + 1, 0, 5, H, 0x06],
                                                                   [p + 2, 0, 100, H, 0x03]])));
      await choose(page, shown);
      await page.click('#play-all');
      await page.waitFor(() => /^BGM_\d+ · 0:01/.test(document.getElementById('now').textContent));
      await page.screenshot(path.join(shots, 'page.png'), false);
      await page.click('#play-all');
    }
    await page.emulatePhone();  // which loads the page again
    const found = {idle: await violations(page)};
    await choose(page, archivePath);
    found.done = await violations(page);
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
    assert.deepEqual(found, {idle: [], done: [], working: [], failed: [],
                             ...(found.dark ? {dark: []} : {})});
  });
});
