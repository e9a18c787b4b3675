// 电感计算: the inductance calculator, as its window behaves. The search box
// filters the core list as it is typed; picking a core shows its details and
// recalculates once turns and current are given; turns, current and stack
// recalculate on every change once turns and a core are given. The boxes keep
// what is typed; the library reads them and a refusal shows beside its box.
import { linesOf } from './engine.mjs';
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
    count.textContent = `共 ${cores.length} 个磁芯`;
  }

  function calculate() {
    const outcome = engine.calculate(selected(), turns.value, current.value, stack.value);
    if (outcome.box) {
      // A refused box: its words beside it, and no result left standing.
      refusals.show(outcome.box, outcome.text);
      message.textContent = '';
      showResult('');
      return;
    }
    refusals.clear();
    // Out of range: the window's message box; its result label keeps what it showed.
    message.textContent = outcome.end === 'outOfRange' ? outcome.text : '';
    if (outcome.end !== 'outOfRange') showResult(outcome.text);
  }

  const turnsAndCoreGiven = () => turns.value !== '' && selected() !== '';

  function turnsOrCurrentChanged() {
    if (turnsAndCoreGiven()) {
      calculate();
    } else {
      refusals.clear();
      showResult('');
    }
  }

  search.addEventListener('input', () => {
    fillList();
    save();
  });
  list.addEventListener('change', () => {
    const item = selected();
    if (item === '') return;
    details.textContent = linesOf(engine.coreDetails(item)).join('\n');
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
      const core = state.get('cc');
      if (core && [...list.options].some((o) => o.value === core)) {
        list.value = core;
        details.textContent = linesOf(engine.coreDetails(core)).join('\n');
      }
      if (state.has('ck')) stack.value = state.get('ck');
      if (state.has('ci')) current.value = state.get('ci');
      if (state.has('cn')) {
        turns.value = state.get('cn');
        turnsOrCurrentChanged();
      }
    },
  };
}
