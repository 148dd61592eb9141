// SPDX-License-Identifier: GPL-3.0-or-later
// The page's words in the player's language, from the game's own translation files (made into
// lang/<code>.json by the build): the language chosen in Options, else the browser's first that
// the game speaks, else English.
'use strict';

let spokenLanguage = 'en';
// context → source → its forms, the plural forms in the translation file's order.
let spokenWords = {};

// The message box's buttons, which the desktop's toolkit words itself.
const buttonWords = {
  de: {OK: 'OK', Yes: 'Ja', No: 'Nein'},
  es: {OK: 'Aceptar', Yes: 'Sí', No: 'No'},
  fr: {OK: 'OK', Yes: 'Oui', No: 'Non'},
};

async function fetchJson(name) {
  try {
    const response = await fetch(name);
    return response.ok ? await response.json() : null;
  } catch (error) {
    return null;
  }
}

// English stays where no file answers: a missing translation is never a reason not to play.
async function loadLanguage(chosen) {
  const listed = await fetchJson('lang/index.json') || [];
  const wanted = chosen ? [chosen] :
    (navigator.languages || [navigator.language]).map((tag) => tag.split('-')[0].toLowerCase());
  const code = wanted.find((candidate) => listed.includes(candidate));
  const words = code ? await fetchJson('lang/' + code + '.json') : null;
  if (words) {
    spokenLanguage = code;
    spokenWords = words;
    document.documentElement.lang = code;
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

function buttonWord(english) {
  return (buttonWords[spokenLanguage] || {})[english] || english;
}
