// 设计分析: the design workbench. Every change of its seven boxes (the winding,
// then the switching frequency, the ripple and the loss coefficients, which
// may stay empty) recalculates the figures and the charts; a refused box shows
// the library's words beside it; the last selection's candidates fill a table
// sortable by any column (序号 restores the run's order); choosing a row loads
// it above; 导出 CSV… downloads the rows as shown.
import { Chart, inductanceOption, permeabilityOption } from './charts.mjs';
import { downloadBlob, downloadText } from './download.mjs';
import { refusalsOf } from './refusals.mjs';
import { writeState } from './state.mjs';

const PART_NO_COLUMN = 1;

export function createDesign(engine) {
  const $ = (id) => document.getElementById(id);
  // The desktop workbench's own sentences, from the library.
  const { hint: HINT, noRun: NO_RUN, noCurve: NO_CURVE } = engine.workbenchTexts();
  const core = $('design-core');
  const turns = $('design-turns');
  const current = $('design-current');
  const stack = $('design-stack');
  const frequency = $('design-frequency');
  const ripple = $('design-ripple');
  const coefficients = $('design-coefficients');
  // Keyed as the library names the boxes it refuses.
  const boxes = { core, turns, current, stack, frequency, ripple, lossCoefficients: coefficients };
  const refusals = refusalsOf(boxes);
  const message = $('design-message');
  const warning = $('design-warning');
  const figures = $('design-figures').tBodies[0];
  const noCurve = $('chart-no-curve');
  const noInductanceCurve = $('chart-l-no-curve');
  noInductanceCurve.textContent = NO_CURVE;
  const status = $('candidates-status');
  const csvButton = $('candidates-csv');
  const table = $('candidates-table');
  const head = table.tHead.rows[0];
  const body = table.tBodies[0];
  const charts = {
    inductance: new Chart($('chart-inductance')),
    permeability: new Chart($('chart-permeability')),
  };

  $('design-cores').replaceChildren(...engine.coreList('').map((partNo) => new Option('', partNo)));

  let run = null;  // the candidates: engine.candidates() of the last selection that listed cores
  let order = [];  // row positions as shown
  let sort = { column: 0, descending: false };

  function save() {
    writeState({
      dc: core.value, dn: turns.value, di: current.value, dk: stack.value,
      df: frequency.value, dr: ripple.value, dl: coefficients.value,
    });
  }

  function calculate() {
    const d = engine.design(core.value, turns.value, current.value, stack.value, frequency.value, ripple.value,
      coefficients.value);
    if (d.end !== 'found') {
      // A refused box has its words beside it; any other end says so above the figures.
      refusals.show(d.box, d.message);
      message.textContent = d.box ? '' : d.message;
      warning.textContent = '';
      figures.replaceChildren();
      charts.inductance.clear();
      charts.permeability.clear();
      noCurve.hidden = true;
      noInductanceCurve.hidden = true;
      charts.permeability.element.hidden = false;
      charts.inductance.element.hidden = false;
      return d;
    }
    refusals.clear();
    message.textContent = d.result;
    warning.textContent = d.warning;
    // An empty coefficients box stands for the material's fit: it shows which.
    coefficients.placeholder = d.coefficients;
    // Each group under a heading row, the key figures first.
    figures.replaceChildren(
      ...d.sections.flatMap(({ heading, rows }) => {
        const head = document.createElement('tr');
        const th = document.createElement('th');
        th.colSpan = 2;
        th.scope = 'colgroup';
        th.className = 'group';
        th.textContent = heading;
        head.append(th);
        return [head, ...rows.map(({ name, value }) => {
          const tr = document.createElement('tr');
          const cell = document.createElement('th');
          cell.scope = 'row';
          cell.textContent = name;
          const td = document.createElement('td');
          td.textContent = value;
          tr.append(cell, td);
          return tr;
        })];
      }),
    );
    // Without a bias curve the roll-off would fall straight to 0: a sentence instead.
    noInductanceCurve.hidden = d.inductanceChart !== null;
    charts.inductance.element.hidden = d.inductanceChart === null;
    if (d.inductanceChart) charts.inductance.show(inductanceOption(d.inductanceChart));
    else charts.inductance.clear();
    const curve = d.permeabilityChart;
    noCurve.hidden = curve !== null;
    charts.permeability.element.hidden = curve === null;
    if (curve) charts.permeability.show(permeabilityOption(curve));
    else charts.permeability.clear();
    return d;
  }

  for (const input of Object.values(boxes)) {
    input.addEventListener('input', () => {
      calculate();
      save();
    });
  }

  function load({ partNo, turns: n, current: i, stack: k }) {
    core.value = partNo;
    turns.value = n;
    current.value = i;
    stack.value = k;
    calculate();
    save();
  }

  // The candidates' table.
  function showSortState() {
    for (const th of head.cells) {
      const column = Number(th.dataset.column);
      th.setAttribute('aria-sort',
        column === sort.column ? (sort.descending ? 'descending' : 'ascending') : 'none');
    }
  }

  function showRows() {
    const rows = order.map((i) => {
      const row = run.rows[i];
      const tr = document.createElement('tr');
      tr.dataset.row = String(i);
      tr.tabIndex = -1;
      if (!row.fits) tr.classList.add('no-fit');
      row.cells.forEach((text, column) => {
        const cell = document.createElement(column === PART_NO_COLUMN ? 'th' : 'td');
        if (column === PART_NO_COLUMN) cell.scope = 'row';
        cell.textContent = text;
        tr.append(cell);
      });
      return tr;
    });
    if (rows.length) rows[0].tabIndex = 0;
    body.replaceChildren(...rows);
    showSortState();
  }

  function sortBy(column) {
    sort = { column, descending: sort.column === column ? !sort.descending : false };
    order = engine.candidateOrder(column, sort.descending);
    showRows();
  }

  // Scrolls the table's own box, not the page, to show a row.
  function showInTable(tr) {
    const wrap = tr.closest('.table-wrap');
    const top = tr.offsetTop - table.tHead.offsetHeight;
    if (top < wrap.scrollTop || tr.offsetTop + tr.offsetHeight > wrap.scrollTop + wrap.clientHeight) {
      wrap.scrollTop = Math.max(0, top - wrap.clientHeight / 3);
    }
  }

  function choose(tr, focus) {
    if (!tr) return;
    for (const other of body.querySelectorAll('tr[aria-selected="true"]')) other.removeAttribute('aria-selected');
    for (const other of body.querySelectorAll('tr[tabindex="0"]')) other.tabIndex = -1;
    tr.setAttribute('aria-selected', 'true');
    tr.tabIndex = 0;
    if (focus) tr.focus({ preventScroll: true });
    showInTable(tr);
    const row = run.rows[Number(tr.dataset.row)];
    load({ partNo: row.partNo, turns: String(row.turns), current: run.current, stack: String(run.stack) });
  }

  body.addEventListener('click', (event) => choose(event.target.closest('tr'), true));
  body.addEventListener('keydown', (event) => {
    const tr = event.target.closest('tr');
    if (!tr) return;
    const moves = { ArrowDown: tr.nextElementSibling, ArrowUp: tr.previousElementSibling };
    if (event.key === 'Enter' || event.key === ' ') {
      event.preventDefault();
      choose(tr, true);
    } else if (moves[event.key]) {
      event.preventDefault();
      choose(moves[event.key], true);
    }
  });

  csvButton.addEventListener('click', () => {
    // The text starts with the byte-order mark; a Blob writes it as UTF-8.
    downloadText(engine.candidatesCsv(order), '候选磁芯.csv', 'text/csv;charset=utf-8');
  });

  for (const button of document.querySelectorAll('[data-save]')) {
    button.addEventListener('click', async () => {
      const chart = charts[button.dataset.save];
      const blob = await chart.blob(button.dataset.type);
      if (!blob) {
        const missing = chart === charts.permeability ? noCurve : noInductanceCurve;
        message.textContent = missing.hidden ? HINT : missing.textContent;
        return;
      }
      const name = button.dataset.save === 'inductance' ? '电感量-电流' : '磁导率-磁场';
      downloadBlob(blob, `${name}.${button.dataset.type}`);
    });
  }

  return {
    // The last selection that listed cores: its rows with their figures, in the run's order.
    showRun() {
      run = engine.candidates();
      sort = { column: 0, descending: false };
      if (run.end !== 'found') {
        status.textContent = run.end === 'none' ? NO_RUN : run.message;
        body.replaceChildren();
        csvButton.disabled = true;
        return;
      }
      head.replaceChildren(
        ...run.captions.map((caption, column) => {
          const th = document.createElement('th');
          th.scope = 'col';
          th.dataset.column = String(column);
          const button = document.createElement('button');
          button.type = 'button';
          button.textContent = caption;
          button.addEventListener('click', () => sortBy(column));
          th.append(button);
          return th;
        }),
      );
      order = run.rows.map((_, i) => i);
      showRows();
      status.textContent = run.summary;
      csvButton.disabled = false;
    },
    // A row of the selection opened here: its row in the table is chosen when listed.
    open(candidate) {
      const tr = body.querySelector(`tr[data-row="${candidate.line}"]`);
      if (tr) {
        choose(tr, false);
      } else {
        load(candidate);
      }
    },
    // The charts are drawn when the tab shows them.
    shown() {
      charts.inductance.draw();
      charts.permeability.draw();
    },
    start(state) {
      const given = ['dc', 'dn', 'di', 'dk', 'df', 'dr', 'dl'].some((key) => state.has(key));
      if (!given) return;
      core.value = state.get('dc') ?? '';
      turns.value = state.get('dn') ?? '';
      current.value = state.get('di') ?? '';
      stack.value = state.get('dk') ?? '1';
      frequency.value = state.get('df') ?? '';
      ripple.value = state.get('dr') ?? '';
      coefficients.value = state.get('dl') ?? '';
      calculate();
    },
    resize() {
      for (const chart of Object.values(charts)) if (chart.view) chart.view.resize();
    },
  };
}
