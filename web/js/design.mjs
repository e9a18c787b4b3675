// 设计分析: the design workbench, drawn from the library's workbench session.
// Every box's typing goes to the session, and the tab shows what the session
// then says: the boxes' texts (it writes them when it loads a candidate, runs
// the converter or opens a file), a refusal beside its box, the figures in
// their groups, the two charts with their axes, the converter's operating
// point, the candidates of the last run (a selection's or the converter's),
// the design's title with its unsaved mark and the names offered for files.
// In another language the tab is drawn again from the session as it stands.
import { Chart, inductanceOption, permeabilityOption, svgOf } from './charts.mjs';
import { downloadBlob, downloadText } from './download.mjs';
import { refusalsOf } from './refusals.mjs';
import { writeState } from './state.mjs';

const PART_NO_COLUMN = 1;

// The address keys of the boxes, by the session's box keys.
const ADDRESS = {
  core: 'dc', turns: 'dn', current: 'di', stack: 'dk', frequency: 'df', ripple: 'dr', lossCoefficients: 'dl',
  topology: 'vt', vin: 'vi', vout: 'vo', iout: 'va', converterFrequency: 'vf', rippleRatio: 'vr',
  converterInductance: 'vl', converterStack: 'vk', alTolerance: 'da', hotLimit: 'dh', rollOffLimit: 'dp',
};
const DESIGN_KEYS = ['core', 'turns', 'current', 'stack', 'frequency', 'ripple', 'lossCoefficients', 'alTolerance',
  'hotLimit', 'rollOffLimit'];
const CONVERTER_KEYS = ['topology', 'converterFrequency', 'vin', 'vout', 'iout', 'converterStack', 'rippleRatio',
  'converterInductance'];

function today() {
  const d = new Date();
  return `${d.getFullYear()}-${String(d.getMonth() + 1).padStart(2, '0')}-${String(d.getDate()).padStart(2, '0')}`;
}

export function createDesign(engine) {
  const $ = (id) => document.getElementById(id);
  let texts = engine.workbenchTexts();
  const panel = $('panel-design');
  const boxes = {
    core: $('design-core'), turns: $('design-turns'), current: $('design-current'), stack: $('design-stack'),
    frequency: $('design-frequency'), ripple: $('design-ripple'), lossCoefficients: $('design-coefficients'),
    topology: $('converter-topology'), vin: $('converter-vin'), vout: $('converter-vout'), iout: $('converter-iout'),
    converterFrequency: $('converter-frequency'), rippleRatio: $('converter-ratio'),
    converterInductance: $('converter-inductance'), converterStack: $('converter-stack'),
    alTolerance: $('design-al-tolerance'), hotLimit: $('design-hot-limit'), rollOffLimit: $('design-rolloff-limit'),
  };
  const hideWarned = $('candidates-hide-warned');
  const spiceKind = $('design-spice-kind');
  const spiceButton = $('design-spice');
  const refusals = refusalsOf(boxes);
  const title = $('design-title');
  const fileMessage = $('design-file-message');
  const openButton = $('design-open');
  const openFile = $('design-open-file');
  const openAsk = $('design-open-ask');
  const saveButton = $('design-save');
  const reportButton = $('design-report');
  const message = $('design-message');
  const warning = $('design-warning');
  const figures = $('design-figures').tBodies[0];
  const converterForm = $('converter');
  const converterText = $('converter-text');
  const status = $('candidates-status');
  const csvButton = $('candidates-csv');
  const table = $('candidates-table');
  const head = table.tHead.rows[0];
  const body = table.tBodies[0];
  const charts = {
    inductance: { chart: new Chart($('chart-inductance')), none: $('chart-l-no-curve'), texts: texts.inductanceChart,
      option: inductanceOption, view: 'inductanceChart' },
    permeability: { chart: new Chart($('chart-permeability')), none: $('chart-no-curve'),
      texts: texts.permeabilityChart, option: permeabilityOption, view: 'permeabilityChart' },
  };
  function showTexts() {
    charts.inductance.texts = texts.inductanceChart;
    charts.permeability.texts = texts.permeabilityChart;
    $('chart-l-title').textContent = texts.inductanceChart.name;
    $('chart-mu-title').textContent = texts.permeabilityChart.name;
    message.textContent = texts.hint;
  }
  showTexts();
  $('design-cores').replaceChildren(...engine.coreList('').map((partNo) => new Option('', partNo)));

  let session = null;  // what the session said last
  let quiet = true;    // nothing typed, loaded or opened yet: the hint, no refusals
  let stale = false;   // the session changed while the tab was hidden
  let shownRun = 0;    // the run whose candidates the table holds
  let run = null;      // engine.candidates() of that run
  let order = [];      // row positions as shown
  let sort = { column: 0, descending: false };

  const visible = () => !panel.hidden;

  function showFigures(sections) {
    figures.replaceChildren(
      ...sections.flatMap(({ heading, rows }) => {
        const tr = document.createElement('tr');
        const th = document.createElement('th');
        th.colSpan = 2;
        th.scope = 'colgroup';
        th.className = 'group';
        th.textContent = heading;
        tr.append(th);
        return [tr, ...rows.map(({ name, value }) => {
          const row = document.createElement('tr');
          const cell = document.createElement('th');
          cell.scope = 'row';
          cell.textContent = name;
          const td = document.createElement('td');
          td.textContent = value;
          row.append(cell, td);
          return row;
        })];
      }),
    );
  }

  // The charts, or the session's sentence where they are not drawn.
  function showCharts(d) {
    const drawn = d.inductanceChart !== null && d.permeabilityChart !== null;
    for (const c of Object.values(charts)) {
      c.none.hidden = drawn;
      c.none.textContent = drawn ? '' : d.noChart;
      c.chart.element.hidden = !drawn;
      if (drawn) c.chart.show(c.option(d[c.view], c.texts, d.chartTitle));
      else c.chart.clear();
    }
    for (const button of document.querySelectorAll('[data-save]')) button.disabled = !drawn;
  }

  function showBoxes(s) {
    for (const [key, input] of Object.entries(boxes)) {
      if (input.value !== s.boxes[key]) input.value = s.boxes[key];
    }
    writeState(Object.fromEntries(Object.entries(ADDRESS).map(([key, address]) => [address, s.boxes[key]])));
  }

  // Everything the tab shows, as the session now has it.
  function render(s) {
    session = s;
    stale = false;
    if (!s.unsaved) openAsk.hidden = true;  // saved meanwhile: nothing left to ask
    showBoxes(s);
    const d = s.design;
    const c = s.converter;
    const refused = quiet ? {} : { [d.refused]: d.message };
    if (c.refused) refused[c.refused] = c.text;
    delete refused[''];
    refusals.showAll(refused);
    message.textContent = quiet ? texts.hint : d.refused ? '' : d.message;
    message.classList.toggle('refused', !quiet && d.end !== 'found' && !d.refused);
    warning.textContent = d.warning;
    // An empty coefficients box stands for the material's fit: it shows which.
    if (d.end === 'found') boxes.lossCoefficients.placeholder = d.coefficients;
    showFigures(d.sections);
    showCharts(d);
    converterText.textContent = c.refused ? '' : c.text;
    converterText.classList.toggle('message', c.failed);
    converterText.classList.toggle('stale', c.stale);
    delete title.dataset.say;  // the session's title from now on
    title.textContent = s.title;
    saveButton.disabled = !s.hasDesign;
    reportButton.disabled = !s.hasDesign;
    spiceButton.disabled = !s.hasDesign;
    hideWarned.checked = s.candidates.warnedHidden;
    status.textContent = s.candidates.status;
    // A new run's rows are computed and built once the tab shows them.
    if (s.candidates.run === shownRun) markChosen();
    else if (visible()) buildTable();
  }

  // The session changed elsewhere (a selection): drawn now, or when the tab shows.
  function refresh() {
    quiet = false;
    if (visible()) render(engine.session());
    else stale = true;
  }

  // The candidates' table, built when its tab is shown.
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
    body.replaceChildren(...rows);
    showSortState();
    markChosen();
  }

  function buildTable() {
    shownRun = session.candidates.run;
    run = engine.candidates();
    status.textContent = run.status;
    if (run.end !== 'found') {
      head.replaceChildren();
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
    order = run.order;
    sort = run.sort;
    showRows();
    csvButton.disabled = false;
    // A ranked run (the converter's) shows the column it is ranked by.
    const ranked = head.cells[sort.column];
    if (sort.column !== 0 && ranked) {
      const wrap = table.closest('.table-wrap');
      wrap.scrollLeft = Math.max(0, ranked.offsetLeft + ranked.offsetWidth / 2 - wrap.clientWidth / 2);
    }
  }

  // The row loaded last is the one chosen; the table's one tab stop.
  function markChosen() {
    const chosen = session ? session.candidates.chosen : -1;
    for (const tr of body.querySelectorAll('tr[aria-selected="true"]')) tr.removeAttribute('aria-selected');
    for (const tr of body.querySelectorAll('tr[tabindex="0"]')) tr.tabIndex = -1;
    const tr = body.querySelector(`tr[data-row="${chosen}"]`) ?? body.firstElementChild;
    if (!tr) return;
    tr.tabIndex = 0;
    if (Number(tr.dataset.row) === chosen) tr.setAttribute('aria-selected', 'true');
  }

  function sortBy(column) {
    const descending = sort.column === column ? !sort.descending : false;
    order = engine.candidateOrder(column, descending);
    sort = { column, descending };
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

  function choose(tr) {
    if (!tr) return;
    quiet = false;
    render(engine.loadCandidate(Number(tr.dataset.row)));
    tr.focus({ preventScroll: true });
    showInTable(tr);
  }

  body.addEventListener('click', (event) => choose(event.target.closest('tr')));
  body.addEventListener('keydown', (event) => {
    const tr = event.target.closest('tr');
    if (!tr) return;
    const moves = { ArrowDown: tr.nextElementSibling, ArrowUp: tr.previousElementSibling };
    if (event.key === 'Enter' || event.key === ' ') {
      event.preventDefault();
      choose(tr);
    } else if (moves[event.key]) {
      event.preventDefault();
      choose(moves[event.key]);
    }
  });

  // Typing, as typed.
  for (const [key, input] of Object.entries(boxes)) {
    input.addEventListener(input.tagName === 'SELECT' ? 'change' : 'input', () => {
      quiet = false;
      render(engine.type(key, input.value));
    });
  }

  // The converter: its button, or Enter in any of its boxes.
  converterForm.addEventListener('submit', (event) => {
    event.preventDefault();
    quiet = false;
    render(engine.runConverter());
    writeState({ vx: session.candidates.converterRun ? '1' : '' });
  });
  boxes.topology.addEventListener('keydown', (event) => {
    if (event.key === 'Enter') {
      event.preventDefault();
      converterForm.requestSubmit();
    }
  });

  csvButton.addEventListener('click', () => {
    // The text starts with the byte-order mark; a Blob writes it as UTF-8.
    downloadText(engine.candidatesCsv(), `${session.fileNames.candidates}.csv`, 'text/csv;charset=utf-8');
  });

  for (const button of document.querySelectorAll('[data-save]')) {
    button.addEventListener('click', async () => {
      const { chart } = charts[button.dataset.save];
      const blob = await chart.blob(button.dataset.type);
      if (blob) downloadBlob(blob, `${session.fileNames[`${button.dataset.save}Chart`]}.${button.dataset.type}`);
    });
  }

  // Design files.
  // A file would replace unsaved changes: asked beside the buttons, 取消 first.
  const closeAsk = () => {
    openAsk.hidden = true;
    openButton.focus();
  };
  openButton.addEventListener('click', () => {
    if (!session?.unsaved) {
      openFile.click();
      return;
    }
    openAsk.hidden = false;
    $('design-open-cancel').focus();
  });
  $('design-open-discard').addEventListener('click', () => {
    closeAsk();
    openFile.click();
  });
  $('design-open-cancel').addEventListener('click', closeAsk);
  openAsk.addEventListener('keydown', (event) => {
    if (event.key === 'Escape') closeAsk();
  });
  openFile.addEventListener('change', async () => {
    const [file] = openFile.files;
    openFile.value = '';
    if (!file) return;
    // Enough bytes for the library to tell a file too large.
    const bytes = new Uint8Array(await file.slice(0, texts.fileMaxBytes + 1).arrayBuffer());
    const opened = engine.openDesign(bytes, file.name);
    fileMessage.textContent = opened.message;
    if (!opened.opened) return;
    quiet = false;
    render(opened.session);
    boxes.core.focus();
  });
  hideWarned.addEventListener('change', () => {
    render(engine.hideWarned(hideWarned.checked));
    if (visible()) buildTable();
  });
  spiceButton.addEventListener('click', () => {
    const [dialect, losses] = spiceKind.value.split('+');
    const model = engine.spice(dialect, losses === 'losses');
    if (model.message) {
      fileMessage.textContent = model.message;
      return;
    }
    fileMessage.textContent = '';
    downloadText(model.text, model.name, 'text/plain;charset=utf-8');
  });
  saveButton.addEventListener('click', () => {
    const file = engine.saveDesign();
    if (file.message) {
      fileMessage.textContent = file.message;
      return;
    }
    const name = `${file.name}.json`;
    downloadText(file.text, name, 'application/json');
    fileMessage.textContent = '';
    render(engine.saved(name));
  });
  reportButton.addEventListener('click', async () => {
    // The report's charts drawn as the tab draws them, each its own SVG.
    const d = session.design;
    let chartsHtml = '';
    if (d.inductanceChart && d.permeabilityChart) {
      const svgs = await Promise.all(Object.values(charts).map((c) => svgOf(c.option(d[c.view], c.texts, d.chartTitle),
        360, 270)));
      chartsHtml = `<div class="charts">${svgs.join('')}</div>`;
    }
    const html = engine.reportHtml(today(), chartsHtml);
    if (!html) return;
    const url = URL.createObjectURL(new Blob([html], { type: 'text/html;charset=utf-8' }));
    window.open(url, '_blank');
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  });
  // Leaving the page with unsaved changes asks first.
  window.addEventListener('beforeunload', (event) => {
    if (session && session.unsaved) event.preventDefault();
  });

  return {
    // A selection listed cores: the session took its run and loaded its first line.
    showRun: refresh,
    // A row of the selection opened here; focus on the design's first box.
    open(line) {
      quiet = false;
      render(engine.loadCandidate(line));
      boxes.core.focus();
    },
    // Drawn when the tab shows: what changed meanwhile, the charts, the candidates.
    shown() {
      if (stale || session === null) render(engine.session());
      else if (session.candidates.run !== shownRun) buildTable();
      for (const c of Object.values(charts)) c.chart.draw();
    },
    // The address's boxes typed in as a person would: the converter's first,
    // its run when it ran, then the design's.
    start(state) {
      const given = Object.values(ADDRESS).some((key) => state.has(key));
      if (!given) return;
      quiet = false;
      for (const key of [...CONVERTER_KEYS, 'lossCoefficients', 'alTolerance', 'hotLimit', 'rollOffLimit']) {
        if (state.has(ADDRESS[key])) engine.type(key, state.get(ADDRESS[key]));
      }
      if (state.get('vx') === '1') engine.runConverter();
      for (const key of DESIGN_KEYS) {
        if (state.has(ADDRESS[key])) engine.type(key, state.get(ADDRESS[key]));
      }
      render(engine.session());
    },
    // The workbench's texts and everything the session says, again; the
    // candidates' table built anew (its captions and status).
    relanguage() {
      texts = engine.workbenchTexts();
      showTexts();
      shownRun = -1;
      if (session === null) return;
      if (visible()) render(engine.session());
      else stale = true;
    },
    resize() {
      for (const c of Object.values(charts)) if (c.chart.view) c.chart.view.resize();
    },
  };
}
