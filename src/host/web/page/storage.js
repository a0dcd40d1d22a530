// Saved games, added maps, the maps made with G and the player's settings in
// the browser's storage, and a few short texts (the seat held in a room on a
// game server) in its local storage (IndexedDB through the game's file system), so that
// they outlast the page. The game sees them as the files of its Saves folder
// and of its own maps folder, listed after the bundled maps. Saves leave and
// come back as the same .snr files as on the desktop, byte for byte.
'use strict';

const sonarchStorage = (() => {
  const SAVES = '/sonarch/Saves';
  const ADDED_MAPS = '/addedMaps';
  const SETTINGS = '/sonarch/Settings';
  let fs = null;
  let idbfs = null;
  let askedToPersist = false;

  // Reads the lasting folders in, once, when the page opens.
  function populate() {
    return new Promise((resolve) => fs.syncfs(true, (error) => resolve(!error)));
  }

  // Writes one file into the browser's lasting storage, and only it, whole
  // or not at all. Writing the whole folder back would drop whatever
  // another tab of the game has saved since this one opened.
  function keep(path) {
    const folder = [SAVES, ADDED_MAPS, SETTINGS].find((mount) => path.startsWith(`${mount}/`));
    if (!folder) return Promise.resolve(false);
    return new Promise((resolve) => {
      idbfs.getDB(folder, (error, db) => {
        if (error) { resolve(false); return; }
        idbfs.loadLocalEntry(path, (loadError, entry) => {
          if (loadError) { resolve(false); return; }
          const transaction = db.transaction([idbfs.DB_STORE_NAME], 'readwrite');
          transaction.oncomplete = () => resolve(true);
          transaction.onabort = () => resolve(false);
          transaction.onerror = (event) => event.preventDefault();
          idbfs.storeRemoteEntry(transaction.objectStore(idbfs.DB_STORE_NAME), path, entry, () => {});
        });
      });
    });
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
    // Characters, as the game counts them, not bytes or UTF-16 units.
    if ([...stem].length > 100) {
      return 'A save name can have at most 100 characters.';
    }
    return '';
  }

  return {
    // Mounts the lasting folders and reads them in; the game starts after.
    prepare(module) {
      fs = module.FS;
      idbfs = module.IDBFS;
      fs.mkdirTree(SAVES);
      fs.mount(module.IDBFS, {}, SAVES);
      fs.mkdirTree(ADDED_MAPS);
      fs.mount(module.IDBFS, {}, ADDED_MAPS);
      fs.mkdirTree(SETTINGS);
      fs.mount(module.IDBFS, {}, SETTINGS);
      module.addRunDependency('storage');
      populate().then(() => module.removeRunDependency('storage'));
    },
    // Keeps the file at path (a save, a map or the settings); false when the
    // browser would not.
    async store(path) {
      if (!askedToPersist && navigator.storage && navigator.storage.persist) {
        askedToPersist = true;
        navigator.storage.persist().catch(() => {});
      }
      return keep(path);
    },
    // Short texts kept for the page's origin (the seat held in a room, the
    // name last given); '' when there is none or the browser keeps nothing.
    kept(key) {
      try { return localStorage.getItem(key) || ''; } catch (refused) { return ''; }
    },
    keep(key, value) {
      try {
        if (value === '') localStorage.removeItem(key);
        else localStorage.setItem(key, value);
      } catch (refused) { /* kept for this visit only: a reload asks again */ }
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
      if (!(await this.store(`${SAVES}/${name}`))) return `The browser would not keep ${name} in its storage.`;
      return `${name} was imported. Load Game lists it from the next time the page is opened.`;
    },
    async addMap(name, bytes) {
      const problem = nameProblem(name);
      if (problem) return `${problem} ${name} was not added.`;
      fs.writeFile(`${ADDED_MAPS}/${name}`, bytes);
      if (!(await this.store(`${ADDED_MAPS}/${name}`))) return `The browser would not keep ${name} in its storage.`;
      return `The map ${name} was added. The map list shows it from the next time it is opened.`;
    },
  };
})();
