// The page's captions: the core's texts of both languages, as the bridge
// hands them over, picked for the language the page shows.

export class Texts {
  // `table`: {kName: [ja, en]}.
  constructor(table, language) {
    this.table = table;
    this.language = language;
  }

  // An unknown name shows as itself, so a missing text is seen, not hidden.
  get(name) {
    const pair = this.table[name];
    if (!pair) return name;
    return this.language === 'ja' ? pair[0] : pair[1];
  }

  // A menu caption without its "&" mnemonic marker.
  static plain(caption) {
    return caption.replace(/&(.)/g, '$1');
  }

  pick(pair) {
    return this.language === 'ja' ? pair[0] : pair[1];
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
export function startLanguage(storage, languages) {
  const chosen = storage.get('language');
  if (chosen === 'ja' || chosen === 'en') return chosen;
  for (const tag of languages) {
    const base = tag.toLowerCase().split('-')[0];
    if (base === 'ja' || base === 'en') return base;
  }
  return 'ja';
}
