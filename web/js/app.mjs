// The page: loads the WebAssembly module, sets up the three tabs from the
// address and marks the moment the first result shows ("zova-ready").
import createZova from '../zova.mjs';
import { createCalculator } from './calculator.mjs';
import { createDesign } from './design.mjs';
import { engineOf } from './engine.mjs';
import { createSelection } from './selection.mjs';
import { readState, writeState } from './state.mjs';
import { installTabs } from './tabs.mjs';

const TAB_KEYS = { 'tab-calc': 'calc', 'tab-select': 'select', 'tab-design': 'design' };

async function start() {
  const engine = engineOf(await createZova());
  const state = readState();

  const design = createDesign(engine);
  const tabs = installTabs(document.querySelector('[role="tablist"]'), (id) => {
    writeState({ t: TAB_KEYS[id] === 'calc' ? '' : TAB_KEYS[id] });
    if (id === 'tab-design') design.shown();
  });
  const calculator = createCalculator(engine);
  const selection = createSelection(engine, {
    onRun: () => design.showRun(),
    onOpen: (line) => {
      tabs.show('tab-design');
      window.scrollTo({ top: 0 });  // the workbench from its inputs down
      design.open(line);
    },
  });

  calculator.start(state);
  selection.start(state);
  design.start(state);
  const tab = Object.keys(TAB_KEYS).find((id) => TAB_KEYS[id] === state.get('t'));
  if (tab) tabs.show(tab);
  window.addEventListener('resize', () => design.resize());

  document.getElementById('loading').hidden = true;
  document.body.dataset.ready = 'true';
  performance.mark('zova-ready');
}

// The help page is left with the inputs in its address, for its way back
// (help.mjs). The address changes without an event as the boxes are typed in,
// so a link takes it when it is followed.
for (const link of document.querySelectorAll('a[href="help.html"]')) {
  for (const type of ['click', 'auxclick', 'contextmenu']) {
    link.addEventListener(type, () => { link.href = `help.html${location.hash}`; });
  }
}

start().catch((error) => {
  const loading = document.getElementById('loading');
  loading.textContent = `无法载入计算程序：${error}`;
  loading.classList.add('message');
});

// Offline use once loaded: the service worker keeps a copy of every file.
if ('serviceWorker' in navigator) {
  window.addEventListener('load', () => {
    navigator.serviceWorker.register('sw.js').catch(() => {});
  });
}
