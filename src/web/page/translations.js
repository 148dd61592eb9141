// SPDX-License-Identifier: GPL-3.0-or-later
// The page's words in the player's language, from the game's own translation files (made into
// lang/<code>.json by the build): the language chosen in Options, else the browser's first that
// the game speaks, else English. A dialog the desktop has too takes its words from the desktop's
// context for it ("kelvane::OptionsDialog"); the page's own words are in the context "Page".
'use strict';

let spokenLanguage = 'en';
// context → source → its forms, the plural forms in the translation file's order.
let spokenWords = {};

// File name → the promise of its tables, fetched once for both loads.
const fetchedJson = new Map();

function fetchJson(name) {
  if (!fetchedJson.has(name)) {
    fetchedJson.set(name, fetch(name).then((response) => response.ok ? response.json() : null)
      .catch(() => null));
  }
  return fetchedJson.get(name);
}

// English where no file answers: a missing translation is never a reason not to play. Loaded
// first for the browser's languages (`chosen` empty), before the player's files are read, so that
// a notice shown meanwhile speaks it too; then for the language chosen in Options.
async function loadLanguage(chosen) {
  const listed = await fetchJson('lang/index.json') || [];
  const wanted = chosen ? [chosen] :
    (navigator.languages || [navigator.language]).map((tag) => tag.split('-')[0].toLowerCase());
  const code = wanted.find((candidate) => listed.includes(candidate));
  const words = code ? await fetchJson('lang/' + code + '.json') : null;
  spokenLanguage = words ? code : 'en';
  spokenWords = words || {};
  document.documentElement.lang = spokenLanguage;
  wordFixedTexts();
}

// index.html's fixed texts: an element naming its context in data-words has its text, title and
// aria-label translated, from the English kept here at the first load.
const fixedEnglish = new Map();
function wordFixedTexts() {
  for (const element of document.querySelectorAll('[data-words]')) {
    if (!fixedEnglish.has(element)) {
      fixedEnglish.set(element, {text: element.textContent, title: element.title,
        label: element.getAttribute('aria-label')});
    }
    const english = fixedEnglish.get(element);
    const context = element.dataset.words;
    if (english.text) {
      element.textContent = translated(context, english.text);
    }
    if (english.title) {
      element.title = translated(context, english.title);
    }
    if (english.label) {
      element.setAttribute('aria-label', translated(context, english.label));
    }
  }
}

// The translation of `source` in `context`, its form for `count` and "%Ln" written the
// language's way; null where there is none.
function translation(context, source, count = null) {
  const forms = (spokenWords[context] || {})[source];
  if (!forms) {
    return null;
  }
  let form = forms[0];
  if (count !== null && forms.length > 1) {
    form = new Intl.PluralRules(spokenLanguage).select(count) === 'one' ? forms[0] : forms[1];
  }
  return count === null ? form : form.replaceAll('%Ln', count.toLocaleString(spokenLanguage));
}

function translated(context, source) {
  return translation(context, source) ?? source;
}
