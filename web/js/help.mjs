// The help page: the design figures' table from the library (each figure's
// caption and meaning, group by group as the workbench shows them), and the
// way back to the tool with the inputs it was left with. Each language has a
// help page of its own (its <html lang>); the table and the way back follow it.
import createZova from '../zova.mjs';
import { engineOf } from './engine.mjs';
import { languages, languageTagged, say, useLanguage } from './language.mjs';

const language = languageTagged(document.documentElement.lang) ?? languages[0];
useLanguage(language);

// The tool keeps its inputs in the address after #; its help links hand that
// on (see app.mjs), and going back hands it back. An anchor of this page
// (#design) holds no inputs and stays here.
function keepToolInputs(link, hash) {
  if (!hash.includes('=')) return;
  link.href = language === languages[0] ? `index.html${hash}` : `index.html?lang=${language}${hash}`;
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

keepToolInputs(document.getElementById('back-to-tool'), location.hash);
const body = document.getElementById('figure-rows');
createZova().then((module) => {
  const engine = engineOf(module);
  engine.setLanguage(language);
  fillFigureRows(body, engine.figureTable());
  document.body.dataset.ready = 'true';
}).catch((error) => {
  body.replaceChildren();
  const row = body.insertRow();
  const cell = row.insertCell();
  cell.colSpan = 2;
  cell.textContent = say('page.cannotLoad', error);
});
