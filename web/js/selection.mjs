// 磁芯选型: the core selection. 磁芯选型 runs it; every line of the run is one
// row of the table (no paging). A run that lists cores goes to the workbench of
// 设计分析; a double click or Enter on a row opens that line there. The boxes keep what is
// typed; the library reads them and a refusal shows beside its box. In
// another language the run shown is said again, its rows as they are.
import { say } from './language.mjs';
import { refusalsOf } from './refusals.mjs';
import { writeState } from './state.mjs';

// The captions of a result line's six columns, the library's as the window's list and the tool show them.
const CAPTIONS = ['messages.columnCore', 'messages.columnOuterDiameter', 'messages.columnInnerDiameter',
  'messages.columnHeight', 'messages.columnTurns', 'messages.columnWire'];

export function createSelection(engine, { onRun, onOpen }) {
  const $ = (id) => document.getElementById(id);
  const form = $('select-form');
  const current = $('select-current');
  const inductance = $('select-inductance');
  const stack = $('select-stack');
  const status = $('select-status');
  const refusals = refusalsOf({ current, inductance, stack });
  const count = $('select-count');
  const table = $('select-table');
  const body = table.tBodies[0];
  let run = null;
  let ranWith = null;  // the texts the run shown was asked with

  function showCaptions() {
    table.tHead.rows[0].replaceChildren(
      ...CAPTIONS.map((caption) => {
        const th = document.createElement('th');
        th.scope = 'col';
        th.textContent = say(caption);
        return th;
      }),
    );
  }
  showCaptions();

  // How the run ended: its refusal beside its box, its count and its status.
  function showEnd(answer) {
    refusals.show(answer.box, answer.message);
    count.textContent = answer.lines.length ? say('page.coreCount', answer.lines.length) : '';
    // In the library's words (a refusal is said beside its box instead).
    status.textContent = answer.status ?? '';
    status.classList.toggle('message', answer.message !== '');
  }

  function save(ran) {
    writeState({ sc: current.value, sl: inductance.value, sk: stack.value, sr: ran ? '1' : '' });
  }

  const FIRST_ROWS = 24;  // more than the table's box shows
  const MORE_ROWS = 60;
  let filling = 0;

  function rowsOf(from, to) {
    return run.lines.slice(from, to).map((line, k) => {
      const i = from + k;
      const tr = document.createElement('tr');
      tr.dataset.line = String(i);
      tr.tabIndex = i === 0 ? 0 : -1;  // one stop for the table; arrows move within it
      for (const field of line.text.split('\t\t')) {
        const td = document.createElement('td');
        td.textContent = field;
        tr.append(td);
      }
      return tr;
    });
  }

  function fillRows(from) {
    body.append(...rowsOf(from, from + MORE_ROWS));
    if (from + MORE_ROWS < run.lines.length) later(from + MORE_ROWS);
  }

  // Once the frame with the rows before is painted.
  function later(from) {
    const token = ++filling;
    requestAnimationFrame(() => setTimeout(() => {
      if (token === filling) fillRows(from);
    }, 0));
  }

  function select() {
    performance.mark('zova-select-start');
    ranWith = [current.value, inductance.value, stack.value];
    run = engine.select(...ranWith);
    performance.measure('zova-select', 'zova-select-start');
    // The rows a screen shows first now, the rest in the frames after: the
    // run is on screen within the frame of the click.
    ++filling;  // the last run's rows stop coming
    body.replaceChildren(...rowsOf(0, FIRST_ROWS));
    if (run.lines.length > FIRST_ROWS) later(FIRST_ROWS);
    showEnd(run);
    if (run.lines.length) onRun();
    save(run.lines.length > 0);
    table.parentElement.scrollTop = 0;  // a new run opens at its smallest cores (laid out once, here)
    // When the rows are on screen: the next frame, once it is painted.
    requestAnimationFrame(() => {
      const channel = new MessageChannel();
      channel.port1.onmessage = () => performance.measure('zova-select-drawn', 'zova-select-start');
      channel.port2.postMessage(null);
    });
  }

  function open(tr) {
    if (!tr || !run) return;
    onOpen(Number(tr.dataset.line));
  }

  function focusRow(tr) {
    if (!tr) return;
    for (const other of body.querySelectorAll('tr[tabindex="0"]')) other.tabIndex = -1;
    tr.tabIndex = 0;
    tr.focus();
  }

  form.addEventListener('submit', (event) => {
    event.preventDefault();
    select();
  });
  current.addEventListener('focus', () => {
    if (current.value === '0') current.value = '';
  });
  for (const input of [current, inductance, stack]) input.addEventListener('input', () => save(false));
  body.addEventListener('dblclick', (event) => open(event.target.closest('tr')));
  body.addEventListener('click', (event) => focusRow(event.target.closest('tr')));
  body.addEventListener('keydown', (event) => {
    const tr = event.target.closest('tr');
    if (!tr) return;
    const moves = {
      ArrowDown: tr.nextElementSibling,
      ArrowUp: tr.previousElementSibling,
      Home: body.firstElementChild,
      End: body.lastElementChild,
    };
    if (event.key === 'Enter') {
      event.preventDefault();
      open(tr);
    } else if (event.key in moves) {
      event.preventDefault();
      focusRow(moves[event.key]);
    }
  });

  return {
    start(state) {
      if (state.has('sc')) current.value = state.get('sc');
      if (state.has('sl')) inductance.value = state.get('sl');
      if (state.has('sk')) stack.value = state.get('sk');
      if (state.get('sr') === '1') select();
    },
    relanguage() {
      showCaptions();
      if (ranWith) showEnd(engine.repeatSelect(...ranWith));
    },
  };
}
