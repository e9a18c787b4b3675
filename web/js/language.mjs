// The page's language and its own texts. The texts are the library's catalogue
// (src/language/texts/*.def), which the web build writes into texts.mjs;
// index.html holds the Chinese of its own, so the default needs no filling.
// The language comes from the address (?lang=en), else from what this browser
// kept, else it is the library's default (the first of its languages).
import { LANGUAGES, TEXTS } from './texts.mjs';

const KEPT = 'zova.language';
let current = LANGUAGES[0];

export const languages = LANGUAGES;
export const currentLanguage = () => current;

function kept() {
  try {
    return localStorage.getItem(KEPT);
  } catch {
    return null;  // storage refused (a private window may)
  }
}

// The language to start in, and whether it was asked for (by the address or the storage).
export function startingLanguage(search = location.search) {
  for (const asked of [new URLSearchParams(search).get('lang'), kept()]) {
    if (LANGUAGES.includes(asked)) return { code: asked, asked: true };
  }
  return { code: LANGUAGES[0], asked: false };
}

// The language whose <html lang> is this tag (its page.languageTag), if any.
export function languageTagged(tag) {
  return LANGUAGES.find((code) => TEXTS['page.languageTag'][code] === tag);
}

// The page text named by `key` in the current language, {1} … {9} replaced by the values.
export function say(key, ...values) {
  const text = TEXTS[key]?.[current] ?? key;
  return text.replace(/\{([1-9])\}/g, (whole, n) => (n <= values.length ? String(values[n - 1]) : whole));
}

const ATTRIBUTES = ['aria-label', 'placeholder', 'content', 'href'];

// Every marked text of the document in this language: an element's text
// (data-say="key") or an attribute (data-say-aria-label="key" and so on), the
// switch's pressed button and <html lang>.
export function useLanguage(code) {
  current = code;
  document.documentElement.lang = say('page.languageTag');
  document.documentElement.dataset.language = code;
  for (const element of document.querySelectorAll('[data-say]')) {
    const text = say(element.dataset.say);
    if (element.textContent !== text) element.textContent = text;
  }
  for (const attribute of ATTRIBUTES) {
    for (const element of document.querySelectorAll(`[data-say-${attribute}]`)) {
      element.setAttribute(attribute, say(element.getAttribute(`data-say-${attribute}`)));
    }
  }
  for (const button of document.querySelectorAll('button[data-language]')) {
    button.setAttribute('aria-pressed', String(button.dataset.language === code));
  }
  delete document.documentElement.dataset.saying;  // index.html's guard against a flash of the other language
}

// Keeps the language in the address (?lang=, beside the inputs after #) and in this browser.
export function keepLanguage(code) {
  try {
    localStorage.setItem(KEPT, code);
  } catch {
    // kept in the address only
  }
  const address = new URL(location.href);
  if (address.searchParams.get('lang') === code) return;
  address.searchParams.set('lang', code);
  history.replaceState(history.state, '', address.href);
}
