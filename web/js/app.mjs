// The page: loads the WebAssembly module, sets up the three tabs from the
// address in the page's language and marks the moment the first result shows
// ("zova-ready"). The language switch says everything again in place.
import createZova from '../zova.mjs';
import { createCalculator } from './calculator.mjs';
import { createDesign } from './design.mjs';
import { engineOf } from './engine.mjs';
import { currentLanguage, keepLanguage, say, startingLanguage, useLanguage } from './language.mjs';
import { createSelection } from './selection.mjs';
import { readState, writeState } from './state.mjs';
import { installTabs } from './tabs.mjs';

const TAB_KEYS = { 'tab-calc': 'calc', 'tab-select': 'select', 'tab-design': 'design' };

// The page's own texts in the language asked for, before the module loads.
const starting = startingLanguage();
useLanguage(starting.code);
if (starting.asked) keepLanguage(starting.code);

async function start() {
  const engine = engineOf(await createZova());
  engine.setLanguage(starting.code);
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

  // The switch: the library and the page's own texts in the other language,
  // each tab said again as it stands, every box keeping what is typed.
  document.querySelector('.languages').addEventListener('click', (event) => {
    const button = event.target.closest('button[data-language]');
    if (!button || button.dataset.language === currentLanguage()) return;
    const { known, language } = engine.setLanguage(button.dataset.language);
    if (!known) return;
    useLanguage(language);
    keepLanguage(language);
    calculator.relanguage();
    selection.relanguage();
    design.relanguage();
  });

  document.getElementById('loading').hidden = true;
  document.body.dataset.ready = 'true';
  performance.mark('zova-ready');
}

// The help page (in the page's language) is left with the inputs in its
// address, for its way back (help.mjs). The address changes without an event
// as the boxes are typed in, so a link takes it when it is followed.
for (const link of document.querySelectorAll('a[data-say-href="page.helpAddress"]')) {
  for (const type of ['click', 'auxclick', 'contextmenu']) {
    link.addEventListener(type, () => { link.href = `${say('page.helpAddress')}${location.hash}`; });
  }
}

start().catch((error) => {
  const loading = document.getElementById('loading');
  delete loading.dataset.say;  // not the loading words any more
  loading.textContent = say('page.cannotLoad', error);
  loading.classList.add('message');
});

// Offline use once loaded: the service worker keeps a copy of every file.
if ('serviceWorker' in navigator) {
  window.addEventListener('load', () => {
    navigator.serviceWorker.register('sw.js').catch(() => {});
  });
}
