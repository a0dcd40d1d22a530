// The page's weight and load time: the bytes of build-web/web/ (as stored
// and as gzip would send them), and the time from asking for the page on
// 127.0.0.1 to the welcome in the live region, in Debian's Chromium.
// Run after scripts/build-web.sh and scripts/install-web-deps.sh:
//   node bench/webPage.js [LOADS]
'use strict';

const fs = require('node:fs');
const path = require('node:path');
const zlib = require('node:zlib');
const h = require('../tests/web/harness');

async function main() {
  const loads = Number(process.argv[2] || 10);
  let raw = 0, gzipped = 0;
  for (const name of fs.readdirSync(h.webDir).sort()) {
    const bytes = fs.readFileSync(path.join(h.webDir, name));
    const packed = zlib.gzipSync(bytes, { level: 9 }).length;
    raw += bytes.length;
    gzipped += packed;
    console.log(`${name.padEnd(14)} ${String(bytes.length).padStart(8)} B  gzip ${String(packed).padStart(7)} B`);
  }
  console.log(`${'in all'.padEnd(14)} ${String(raw).padStart(8)} B  gzip ${String(gzipped).padStart(7)} B`);

  const server = await h.serve();
  const browser = await h.launch(h.newProfile());
  const times = [];
  try {
    for (let i = 0; i <= loads; ++i) {
      const page = await browser.newPage();
      // Each load starts cold: no cache, as a player's first visit.
      await page.setCacheEnabled(false);
      const started = performance.now();
      await page.goto(`http://127.0.0.1:${server.address().port}/`);
      await page.waitForFunction((welcome) => document.getElementById('speech').textContent === welcome,
        { polling: 5 }, h.WELCOME);
      if (i > 0) times.push(performance.now() - started);  // the first warms the browser up
      await page.close();
    }
  } finally {
    await browser.close();
    server.close();
  }
  times.sort((a, b) => a - b);
  const at = (q) => times[Math.min(times.length - 1, Math.floor(q * times.length))].toFixed(0);
  console.log(`load to welcome, ${times.length} cold loads: median ${at(0.5)} ms, slowest ${at(1)} ms`);
}

main().catch((error) => { console.error(error); process.exit(1); });
