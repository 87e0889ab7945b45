// A stand-in for reader_bridge.js with the same exports and shapes and no
// core behind it, so the page can be built and looked at on its own. The
// calls it makes are only enough to show the controls; no game runs.
const kControls = [
  'StatusBar', 'TitlePicture', 'ButtonFrame', 'TimingFrame', 'AnkiStartButton',
  'QuickStartButton', 'NextButton', 'ExitButton', 'TimingTrackBar',
  'UpperVerseLabel', 'LowerVerseLabel', 'PoetLabel', 'TimingLabel',
  'ManualRadio', 'AutoRadio', 'ModeGroupBox', 'KimarijiLabel',
];

export async function startReader({ language = 'ja', view = {} } = {}) {
  const call = (name, ...args) => { if (view[name]) view[name](...args); };
  let nextMessage = 1;
  const reader = {
    command(name) {
      call('showMessage', { id: nextMessage++, caption: 'stub', text: name, owner: 'MainWindow' });
    },
    async ownVoice() {},
    moveTrackBar(position) { call('setText', 'TimingLabel', `${(position * 0.02).toFixed(2)}`); },
    dismissMessage() {},
    toolWindowClosed() {},
    resumeAudio() {},
    texts() {
      return { controls: Object.fromEntries(kControls.map((c) => [c, c])), menuBar: [], windowTitle: 'stub', all: {} };
    },
    selectionLayout() {
      return { poems: [], blocks: [], okId: 0, cancelId: 0, thirds: [], thirdOkId: 0, thirdCancelId: 0 };
    },
    async selectionState() { return { selected: [], thirdChoice: 0 }; },
    async selectionClick() { return { selected: [], thirdChoice: 0, step: 'Close' }; },
    clockHands() { return []; },
    async unfinishedGame() { return false; },
    async resumeGame() { return false; },
    dropUnfinishedGame() {},
    async exportList() { return null; },
    importList() {},
    async exportSettings() { return { name: 'fudayomi.ini', bytes: new Uint8Array() }; },
    importSettings() {},
    async restart({ language: next } = {}) { language = next ?? language; },
    async shutdown() {},
  };
  for (const control of kControls) call('setEnabled', control, control !== 'NextButton');
  call('setTrackBarPosition', 50);
  call('setReadModeRadio', 'Manual');
  call('showPhase', 'NoGame');
  return reader;
}

export async function startMemotimer({ view = {} } = {}) {
  if (view.showCountdownText) view.showCountdownText('15:00');
  return {
    command() {},
    clockHands() { return []; },
    texts() { return { all: {} }; },
    dismissMessage() {},
    resumeAudio() {},
    async shutdown() {},
  };
}
