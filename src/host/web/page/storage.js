// Saved games, added maps, the maps made with G and the player's settings in
// the browser's storage (IndexedDB through the game's file system), so that
// they outlast the page. The game sees them as the files of its Saves folder
// and of its own maps folder, listed after the bundled maps. Saves leave and
// come back as the same .snr files as on the desktop, byte for byte.
'use strict';

const sonarchStorage = (() => {
  const SAVES = '/sonarch/Saves';
  const ADDED_MAPS = '/addedMaps';
  const SETTINGS = '/sonarch/Settings';
  let fs = null;
  let askedToPersist = false;

  function sync(populate) {
    return new Promise((resolve) => fs.syncfs(populate, (error) => resolve(!error)));
  }

  function filesIn(folder) {
    return fs.readdir(folder)
      .filter((name) => !name.startsWith('.') && fs.isFile(fs.stat(`${folder}/${name}`).mode))
      .sort();
  }

  // Why a name cannot name a save, in the words the game uses for a typed
  // save name, or ''. Maps are held to the same rules.
  function nameProblem(stem) {
    if (/^[ \t]*$/.test(stem)) return 'A saved game needs a name.';
    if (/[/\\]/.test(stem)) return 'A save name cannot hold a slash or a backslash.';
    if (stem.startsWith('.')) return 'A save name cannot begin with a full stop.';
    if (/[\u0000-\u001f\u007f]/.test(stem)) return 'A save name cannot hold control characters.';
    if (new TextEncoder().encode(stem).length > 100) {
      return 'A save name can have at most 100 characters.';
    }
    return '';
  }

  return {
    // Mounts the lasting folders and reads them in; the game starts after.
    prepare(module) {
      fs = module.FS;
      fs.mkdirTree(SAVES);
      fs.mount(module.IDBFS, {}, SAVES);
      fs.mkdirTree(ADDED_MAPS);
      fs.mount(module.IDBFS, {}, ADDED_MAPS);
      fs.mkdirTree(SETTINGS);
      fs.mount(module.IDBFS, {}, SETTINGS);
      module.addRunDependency('storage');
      sync(true).then(() => module.removeRunDependency('storage'));
    },
    async store() {
      if (!askedToPersist && navigator.storage && navigator.storage.persist) {
        askedToPersist = true;
        navigator.storage.persist().catch(() => {});
      }
      return sync(false);
    },
    saves() { return filesIn(SAVES); },
    saveBytes(name) { return fs.readFile(`${SAVES}/${name}`); },
    // Both return a sentence for the player.
    async importSave(name, bytes) {
      if (!name.toLowerCase().endsWith('.snr')) {
        return `Only .snr files are saved games. ${name} was not imported.`;
      }
      const problem = nameProblem(name.slice(0, -4));
      if (problem) return `${problem} ${name} was not imported.`;
      fs.writeFile(`${SAVES}/${name}`, bytes);
      if (!(await this.store())) return `The browser would not keep ${name} in its storage.`;
      return `${name} was imported. Load Game lists it from the next time the page is opened.`;
    },
    async addMap(name, bytes) {
      const problem = nameProblem(name);
      if (problem) return `${problem} ${name} was not added.`;
      fs.writeFile(`${ADDED_MAPS}/${name}`, bytes);
      if (!(await this.store())) return `The browser would not keep ${name} in its storage.`;
      return `The map ${name} was added. The map list shows it from the next time it is opened.`;
    },
  };
})();
