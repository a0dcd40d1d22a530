// The same keys played by the desktop program's headless mode, for the
// browser's sentences and saved files to be compared with.
'use strict';

const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { root } = require('./harness');

const program = process.env.SONARCH_PROGRAM || path.join(root, 'build/sonarch');

// Returns the sentences in order, empty ones left out, and the data folder.
function playHeadless(script, seed) {
  const data = fs.mkdtempSync(path.join(os.tmpdir(), 'sonarch-headless-'));
  fs.cpSync(path.join(root, 'Maps'), path.join(data, 'Maps'), { recursive: true });
  const out = execFileSync(program, ['--headless', '--data-dir', data, '--seed', String(seed)],
    { input: script.join('\n') + '\n', encoding: 'utf8' });
  const sentences = out.split('\n')
    .map((line) => /^(?:say|msg|caption|caption-msg): (.*)$/.exec(line))
    .filter((match) => match && match[1] !== '')
    .map((match) => match[1]);
  return { sentences, data };
}

module.exports = { playHeadless };
