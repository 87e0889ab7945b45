// The page's captions: the core's texts in the language the page shows, as
// the bridge hands them over ({kName: text}).

export class Texts {
  constructor(all, language) {
    this.all = all;
    this.language = language;
  }

  // An unknown name shows as itself, so a missing text is seen, not hidden.
  get(name) {
    return name in this.all ? this.all[name] : name;
  }

  // A menu caption without its "&" mnemonic marker.
  static plain(caption) {
    return caption.replace(/&(.)/g, '$1');
  }

  // Fills every element marked data-text under `root`.
  fill(root) {
    for (const element of root.querySelectorAll('[data-text]')) {
      element.textContent = Texts.plain(this.get(element.dataset.text));
    }
  }
}

// The language the page starts in: the player's last choice, else the
// browser's first language that is Japanese or English, else Japanese.
export function startLanguage(prefs, languages) {
  const chosen = prefs.get('language');
  if (chosen === 'ja' || chosen === 'en') return chosen;
  for (const tag of languages) {
    const base = tag.toLowerCase().split('-')[0];
    if (base === 'ja' || base === 'en') return base;
  }
  return 'ja';
}

// The switch to the other language: it names that language in itself, and
// the page starts again in it (a game on is offered to go on after).
export function wireLanguageSwitch(button, texts, prefs, window) {
  const other = texts.language === 'ja' ? 'en' : 'ja';
  button.textContent = texts.get('kPageOtherLanguage');
  button.lang = other;
  button.addEventListener('click', () => {
    prefs.set('language', other);
    window.location.reload();
  });
}

// The page's own document in `language`: its lang, title and captions.
export function fillPage(document, texts, titleName) {
  texts.fill(document);
  document.title = texts.get(titleName);
  document.documentElement.lang = texts.language;
}
