// A stand-in for the core's bridge (reader_bridge.js), for the page's own
// checks (axe, the screenshots) without a wasm build: the texts, menu and
// layouts are read from the core's sources; commands only show a card.
import { readFileSync, readdirSync } from 'node:fs';
import { join } from 'node:path';

function literals(text) {
  return [...text.matchAll(/"((?:[^"\\]|\\.)*)"/g)].map((m) => JSON.parse(`"${m[1]}"`));
}

// {kName: [ja, en]} from every `LocalText kName{"ja", "en"}` of core/texts.
function textTable(root) {
  const table = {};
  const dir = join(root, 'core/texts');
  for (const file of readdirSync(dir)) {
    const source = readFileSync(join(dir, file), 'utf8');
    for (const m of source.matchAll(/LocalText (k\w+)\{([\s\S]*?)\};/g)) {
      // Concatenated literals on either side of the one comma between them.
      const groups = [[]];
      for (const token of m[2].matchAll(/"((?:[^"\\]|\\.)*)"|,/g)) {
        if (token[0] === ',') groups.push([]);
        else groups[groups.length - 1].push(JSON.parse(`"${token[1]}"`));
      }
      if (groups.length !== 2) continue;
      table[m[1]] = groups.map((group) => group.join(''));
    }
    for (const m of source.matchAll(/LocalText (k\w+) = (k\w+);/g)) table[m[1]] = table[m[2]];
  }
  return table;
}

function menuBar(root, table) {
  const source = readFileSync(join(root, 'core/screen/main_menu_layout.h'), 'utf8');
  const items = {};
  for (const m of source.matchAll(/MenuItemLayout (k\w+Items)\[\] = \{([\s\S]*?)\};/g)) {
    items[m[1]] = [...m[2].matchAll(/\{(kCmd\w+), texts::(k\w+)\}|kSeparator/g)]
      .map((i) => (i[1] ? { command: i[1].slice(4), caption: table[i[2]] } : null));
  }
  return [...source.matchAll(/\{texts::(kMenu\w+), menu_layout_detail::(k\w+Items)\}/g)]
    .map((m) => ({ title: table[m[1]], items: items[m[2]] }));
}

function selectionLayout(root) {
  const cards = readFileSync(join(root, 'core/cards/card_selection_rules.cpp'), 'utf8');
  const poems = [...cards.matchAll(/\{(\d+), (\d+), (\d), (\d+), \{"(.*?)", "(.*?)"\}, (\d+)\}/g)]
    .map((m) => ({ buttonId: +m[1], boxId: +m[2], column: +m[3], y: +m[4], caption: [m[5], m[6]], poem: +m[7] }));
  const blocks = [...cards.matchAll(/\{(\d{4}), (\d+), \{"(.*?)", "(.*?)"\}, \d+, \d+\}/g)]
    .map((m) => ({ id: +m[1], caption: [m[3], m[4]] }));
  const third = readFileSync(join(root, 'core/cards/third_game_rules.cpp'), 'utf8');
  const thirds = [...third.matchAll(/\{(\d), (\d+), \d+, (\d+), \d+, \{"(.*?)", "(.*?)"\},\s*\{([\s\S]*?)\},\s*kThird/g)]
    .map((m) => {
      const label = literals(m[6]);
      return { choice: +m[1], buttonId: +m[2], boxId: +m[3], buttonCaption: [m[4], m[5]], label: [label[0], label.slice(1).join('')] };
    });
  return { poems, blocks, okId: 1221, cancelId: 1222, thirds, thirdOkId: 1006, thirdCancelId: 1016 };
}

function poems(root, file) {
  const source = readFileSync(join(root, 'core/cards', file), 'utf8');
  return [...source.matchAll(/\{"(.*?)",\s*\/\/ (\d+)\s*"(.*?)",\s*"(.*?)", "(.*?)"\}/g)]
    .map((m) => ({ upper: m[1], lower: m[3], poet: m[4], kimariji: m[5] }));
}

// Source of a script that sets window.fudaTestBridge before the page loads.
export function mockBridgeScript(root) {
  const table = textTable(root);
  const data = { table, menu: menuBar(root, table), layout: selectionLayout(root),
                 poems: { ja: poems(root, 'poem_table_ja.cpp'), en: poems(root, 'poem_table_en.cpp') } };
  return `(() => {
  const data = ${JSON.stringify(data)};
  const side = (language) => (language === 'ja' ? 0 : 1);
  const pickAll = (language) => Object.fromEntries(Object.entries(data.table).map(([k, v]) => [k, v[side(language)]]));
  const hands = (w, h, t) => {
    const cx = Math.trunc(w / 5), cy = Math.trunc(h / 2), r = Math.trunc(Math.min(w, h) / 2) - 10;
    const hand = (deg, len, pen) => ({ from: { x: cx, y: cy }, to: { x: cx + Math.trunc(Math.sin(deg * Math.PI / 180) * len), y: cy - Math.trunc(Math.cos(deg * Math.PI / 180) * len) }, pen });
    return [hand((t.hour % 12) * 30 + t.minute * 0.5, Math.trunc(r * 0.7), { width: 5, red: 255, green: 100, blue: 0 }),
            hand(t.minute * 6 + t.second * 0.1, r, { width: 2, red: 255, green: 0, blue: 0 }),
            hand(t.second * 6, r, { width: 1, red: 0, green: 0, blue: 0 })];
  };
  const common = (language) => ({
    texts: () => ({ all: pickAll(language), menuBar: data.menu.map((m) => ({ title: m.title[side(language)], items: m.items.map((i) => i && { command: i.command, caption: i.caption[side(language)] }) })) }),
    clockHands: hands, dismissMessage() {}, resumeAudio() {}, toolWindowClosed() {},
  });
  async function startReader({ language, view }) {
    let position = 0, dialog = null, thirdChoice = 0;
    const selected = Array(101).fill(0); selected[0] = 1;
    const show = (n, length) => {
      const poem = data.poems[language][n];
      view.setText('KimarijiLabel', length === undefined ? poem.kimariji : poem.kimariji.slice(0, length));
      view.setText('UpperVerseLabel', poem.upper); view.setText('LowerVerseLabel', poem.lower); view.setText('PoetLabel', poem.poet);
    };
    const label = (p) => view.setText('TimingLabel', data.table.kTimingLabelPrefix[side(language)] + p / 50);
    show(0); label(50);
    view.setTrackBarPosition(50); view.setReadModeRadio('Manual');
    for (const c of ['AnkiStartButton', 'QuickStartButton', 'ExitButton', 'TimingTrackBar', 'ManualRadio', 'AutoRadio']) view.setEnabled(c, true);
    const order = [17, 87, 61, 33, 70];
    const layout = { ...data.layout,
      poems: data.layout.poems.map((p) => ({ ...p, caption: p.caption[side(language)] })),
      blocks: data.layout.blocks.map((b) => ({ ...b, caption: b.caption[side(language)] })),
      thirds: data.layout.thirds.map((t) => ({ ...t, caption: t.buttonCaption[side(language)], label: t.label[side(language)] })) };
    return { ...common(language),
      command(name) {
        if (name === 'StartWithMemorisation') {
          view.openToolWindow('Timer');
          view.showCountdownText('14:59');
          view.showHands({ hour: 10, minute: 8, second: 36 });
        } else if (['StartWithoutMemorisation', 'ReadNext'].includes(name)) {
          show(order[position % order.length], name === 'ReadNext' ? 2 : undefined);
          position += 1;
          view.setEnabled('NextButton', true);
          view.showPhase('BetweenCards');
        } else if (name === 'CardSelection' || name === 'ThirdGame') {
          dialog = name === 'CardSelection' ? 'CSelect' : 'HSelect';
          view.openToolWindow(dialog);
        }
      },
      moveTrackBar: label,
      selectionLayout: () => layout,
      selectionState: async () => ({ selected, thirdChoice }),
      async selectionClick(id) {
        const poem = data.layout.poems.find((p) => p.buttonId === id || p.boxId === id);
        if (dialog === 'CSelect' && poem) selected[poem.poem] ^= 1;
        const closing = dialog === 'CSelect' ? [1221, 1222] : [1006, 1016];
        return { step: closing.includes(id) ? 'Close' : 'ShowSelection', selected, thirdChoice };
      },
      async exportList() { return null; }, importList() {}, async ownVoice() {},
      async exportSettings() { return { name: 'fudayomi.ini', bytes: new Uint8Array() }; }, importSettings() {},
      async unfinishedGame() { return false; }, resumeGame() {}, dropUnfinishedGame() {},
      audioStats: () => ({ underruns: 0 }),
    };
  }
  async function startMemotimer({ language, view }) {
    view.showCountdownText('15:00');
    view.showHands({ hour: 10, minute: 8, second: 36 });
    return { ...common(language), command() {} };
  }
  window.fudaTestBridge = { startReader, startMemotimer };
})();`;
}
