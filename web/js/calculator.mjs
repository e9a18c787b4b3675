// 电感计算: the inductance calculator, as its window behaves. The search box
// filters the core list as it is typed; picking a core shows its details and
// recalculates once turns and current are given; turns, current and stack
// recalculate on every change once turns and a core are given. The boxes keep
// what is typed; the library reads them and a refusal shows beside its box.
// In another language each part is said again from what it was said of.
import { linesOf } from './engine.mjs';
import { say } from './language.mjs';
import { refusalsOf } from './refusals.mjs';
import { writeState } from './state.mjs';

export function createCalculator(engine) {
  const $ = (id) => document.getElementById(id);
  const search = $('calc-search');
  const list = $('calc-cores');
  const count = $('calc-search-count');
  const details = $('calc-details');
  const turns = $('calc-turns');
  const current = $('calc-current');
  const stack = $('calc-stack');
  const result = $('calc-result');
  const message = $('calc-message');
  const refusals = refusalsOf({ turns, current, stack });
  // What each part was said of: the core of the details, the calculation
  // (its arguments) of the refusal, of the message and of the result ('help'
  // for the help text).
  const said = { details: null, refusal: null, message: null, result: null };

  const selected = () => (list.selectedIndex >= 0 ? list.options[list.selectedIndex].value : '');

  function save() {
    writeState({ cq: search.value, cc: selected(), cn: turns.value, ci: current.value, ck: stack.value });
  }

  function showResult(text) {
    result.textContent = linesOf(text).join('\n');
  }

  function fillList() {
    const cores = engine.coreList(search.value);
    // A new list drops the selection; the details and the result stay.
    list.replaceChildren(...cores.map((partNo) => new Option(partNo, partNo)));
    count.textContent = say('page.coreCount', cores.length);
  }

  function showDetails(item) {
    delete details.dataset.say;  // no longer the page's own words
    details.textContent = linesOf(engine.coreDetails(item)).join('\n');
    said.details = item;
  }

  function calculate() {
    const args = [selected(), turns.value, current.value, stack.value];
    const outcome = engine.calculate(...args);
    if (outcome.box) {
      // A refused box: its words beside it, and no result left standing.
      refusals.show(outcome.box, outcome.text);
      message.textContent = '';
      showResult('');
      Object.assign(said, { refusal: args, message: null, result: null });
      return;
    }
    refusals.clear();
    // Out of range: the window's message box; its result label keeps what it showed.
    const outOfRange = outcome.end === 'outOfRange';
    message.textContent = outOfRange ? outcome.text : '';
    Object.assign(said, { refusal: null, message: outOfRange ? args : null });
    if (!outOfRange) {
      showResult(outcome.text);
      said.result = args;
    }
  }

  const turnsAndCoreGiven = () => turns.value !== '' && selected() !== '';

  function turnsOrCurrentChanged() {
    if (turnsAndCoreGiven()) {
      calculate();
    } else {
      refusals.clear();
      showResult('');
      Object.assign(said, { refusal: null, result: null });
    }
  }

  search.addEventListener('input', () => {
    fillList();
    save();
  });
  list.addEventListener('change', () => {
    const item = selected();
    if (item === '') return;
    showDetails(item);
    if (turns.value.trim() !== '' && current.value.trim() !== '') calculate();
    save();
  });
  turns.addEventListener('input', () => {
    turnsOrCurrentChanged();
    save();
  });
  current.addEventListener('input', () => {
    turnsOrCurrentChanged();
    save();
  });
  stack.addEventListener('input', () => {
    if (turnsAndCoreGiven()) calculate();
    save();
  });
  // "0" gives way when the box is entered and comes back when it is left empty.
  current.addEventListener('focus', () => {
    if (current.value === '0') {
      current.value = '';
      turnsOrCurrentChanged();
    }
  });
  current.addEventListener('blur', () => {
    if (current.value === '') {
      current.value = '0';
      turnsOrCurrentChanged();
    }
  });
  $('calc-run').addEventListener('click', calculate);

  return {
    // The window at start: every offered core, none selected, the help text;
    // then whatever the address holds, entered as a user would.
    start(state) {
      search.value = state.get('cq') ?? '';
      fillList();
      showResult(engine.calculatorHelp());
      said.result = 'help';
      const core = state.get('cc');
      if (core && [...list.options].some((o) => o.value === core)) {
        list.value = core;
        showDetails(core);
      }
      if (state.has('ck')) stack.value = state.get('ck');
      if (state.has('ci')) current.value = state.get('ci');
      if (state.has('cn')) {
        turns.value = state.get('cn');
        turnsOrCurrentChanged();
      }
    },
    // Everything shown said again in the language now in force; the boxes,
    // the list and its selection stay as they are.
    relanguage() {
      count.textContent = say('page.coreCount', list.options.length);
      if (said.details !== null) showDetails(said.details);
      if (said.refusal) {
        const outcome = engine.calculate(...said.refusal);
        refusals.show(outcome.box, outcome.text);
      }
      if (said.message) message.textContent = engine.calculate(...said.message).text;
      if (said.result === 'help') showResult(engine.calculatorHelp());
      else if (said.result) showResult(engine.calculate(...said.result).text);
    },
  };
}
