#include "frontends/qt/fonts.h"

#include <QStringList>

namespace fuda {

namespace {

QFont makeFont(const QStringList& families, int pixelSize, int weight,
               QFont::Style style = QFont::StyleNormal) {
  QFont font;
  font.setFamilies(families);
  font.setPixelSize(pixelSize);
  font.setWeight(static_cast<QFont::Weight>(weight));
  font.setStyle(style);
  return font;
}

const QStringList kProportionalGothic{QStringLiteral("ＭＳ Ｐゴシック"),
                                      QStringLiteral("IPAPGothic")};
// BIZ UDGothic before IPA Gothic: the countdown is bold, and IPA Gothic has
// no bold face; Qt draws it at its regular weight instead.
const QStringList kGothic{QStringLiteral("ＭＳ ゴシック"), QStringLiteral("BIZ UDGothic"),
                          QStringLiteral("IPAGothic")};
const QStringList kSerif{QStringLiteral("Times New Roman"),
                         QStringLiteral("Liberation Serif")};

}  // namespace

QFont controlFont(Language language) {
  return language == Language::Japanese ? makeFont(kProportionalGothic, 12, 400)
                                        : makeFont(kSerif, 12, 400);
}

QFont countdownFont(Language language) {
  return language == Language::Japanese
             ? makeFont(kGothic, 96, 700, QFont::StyleItalic)
             : makeFont(kSerif, 96, 700, QFont::StyleItalic);
}

QFont selectionFont(Language language) {
  return language == Language::Japanese ? makeFont(kProportionalGothic, 12, 400)
                                        : makeFont(kSerif, 11, 400);
}

QFont thirdGameFont(Language language) { return selectionFont(language); }

}  // namespace fuda
