// The help page: the design figures' table from the library (each figure's
// caption and meaning, group by group as the workbench shows them), and the
// way back to the tool with the inputs it was left with.
import createZova from '../zova.mjs';
import { engineOf } from './engine.mjs';

// The page's language: help-en.html is English, help.html Chinese. The
// figures' table is said in it.
const language = document.documentElement.lang === 'en' ? 'en' : 'zh';

// The tool keeps its inputs in the address after #; its help links hand that
// on (see app.mjs), and going back hands it back. An anchor of this page
// (#design) holds no inputs and stays here. The address's query (?lang=en)
// goes back too, or else the link's own, so the tool stays in this language.
function keepToolInputs(link, search, hash) {
  const query = search || new URL(link.href).search;
  link.href = `index.html${query}${hash.includes('=') ? hash : ''}`;
}

// One heading row per group, then a row per figure: its caption and meaning.
function fillFigureRows(body, figures) {
  const rows = [];
  let group = null;
  const row = (...cells) => {
    const tr = document.createElement('tr');
    tr.append(...cells);
    rows.push(tr);
  };
  const cell = (tag, text) => {
    const element = document.createElement(tag);
    element.textContent = text;
    return element;
  };
  for (const figure of figures) {
    if (figure.group !== group) {
      group = figure.group;
      const heading = cell('th', group);
      heading.colSpan = 2;
      heading.scope = 'rowgroup';
      row(heading);
    }
    row(cell('td', figure.name), cell('td', figure.meaning));
  }
  body.replaceChildren(...rows);
}

keepToolInputs(document.getElementById('back-to-tool'), location.search, location.hash);
const body = document.getElementById('figure-rows');
createZova().then((module) => {
  module.setLanguage?.(language);
  fillFigureRows(body, engineOf(module).figureTable());
  document.body.dataset.ready = 'true';
}).catch((error) => {
  body.replaceChildren();
  const row = body.insertRow();
  const cell = row.insertCell();
  cell.colSpan = 2;
  cell.textContent = language === 'en' ? `Could not load the calculation program: ${error}` : `无法载入计算程序：${error}`;
});
