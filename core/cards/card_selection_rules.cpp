#include "core/cards/card_selection_rules.h"

#include <algorithm>

namespace fuda {

namespace {

// Columns by first-syllable group: む～ゆ, いちひき, はやよか, みたこ, おわ, な,
// あ with the preface poem at the foot of the last one.
constexpr std::array<PoemButton, 101> kPoemButtons{{
    {1003, 1113, 1, 60, {"む", "Mu"}, 87},  // 1
    {1004, 1114, 1, 85, {"す", "Su"}, 18},  // 2
    {1005, 1115, 1, 110, {"め", "Me"}, 57},  // 3
    {1006, 1116, 1, 135, {"ふ", "Fu"}, 22},  // 4
    {1016, 1117, 1, 160, {"さ", "Sa"}, 70},  // 5
    {1017, 1118, 1, 185, {"ほ", "Ho"}, 81},  // 6
    {1018, 1119, 1, 210, {"せ", "Se"}, 77},  // 7
    {1019, 1120, 1, 285, {"うか", "UKa"}, 74},  // 8
    {1020, 1121, 1, 310, {"うら", "URa"}, 65},  // 9
    {1021, 1122, 1, 335, {"つき", "TuKi"}, 23},  // 10
    {1022, 1123, 1, 360, {"つく", "TuKu"}, 13},  // 11
    {1023, 1124, 1, 385, {"しの", "SiNo"}, 40},  // 12
    {1024, 1125, 1, 410, {"しら", "SiRa"}, 37},  // 13
    {1025, 1126, 1, 435, {"もも", "MoMo"}, 100},  // 14
    {1026, 1127, 1, 460, {"もろ", "MoRo"}, 66},  // 15
    {1027, 1128, 1, 485, {"ゆう", "YuU"}, 71},  // 16
    {1028, 1129, 1, 510, {"ゆら", "YuRa"}, 46},  // 17
    {1029, 1130, 2, 60, {"いに", "INi"}, 61},  // 18
    {1030, 1131, 2, 85, {"いまこ", "IMaKo"}, 21},  // 19
    {1031, 1132, 2, 110, {"いまは", "IMaWa"}, 63},  // 20
    {1032, 1133, 2, 185, {"ちは", "ChiHa"}, 17},  // 21
    {1033, 1134, 2, 210, {"ちぎりお", "ChiGiRiO"}, 75},  // 22
    {1034, 1135, 2, 235, {"ちぎりき", "ChiGiRiKi"}, 42},  // 23
    {1035, 1136, 2, 310, {"ひさ", "HiSa"}, 33},  // 24
    {1036, 1137, 2, 335, {"ひとは", "HiToWa"}, 35},  // 25
    {1037, 1138, 2, 360, {"ひとも", "HiToMo"}, 99},  // 26
    {1038, 1139, 2, 435, {"きり", "KiRi"}, 91},  // 27
    {1039, 1140, 2, 460, {"きみ－お", "KiMi-O"}, 50},  // 28
    {1040, 1141, 2, 485, {"きみ－は", "KiMi-Ha"}, 15},  // 29
    {1041, 1142, 3, 60, {"はなさ", "HaNaSa"}, 96},  // 30
    {1042, 1143, 3, 85, {"はなの", "HaNaNo"}, 9},  // 31
    {1043, 1144, 3, 110, {"はるす", "HaRuSu"}, 2},  // 32
    {1044, 1145, 3, 135, {"はるの", "HaRuNo"}, 67},  // 33
    {1045, 1146, 3, 185, {"やえ", "YaE"}, 47},  // 34
    {1046, 1147, 3, 210, {"やす", "YaSu"}, 59},  // 35
    {1047, 1148, 3, 235, {"やまが", "YaMaGa"}, 32},  // 36
    {1048, 1149, 3, 260, {"やまざ", "YaMaZa"}, 28},  // 37
    {1049, 1150, 3, 310, {"よも", "YoMo"}, 85},  // 38
    {1050, 1151, 3, 335, {"よを", "YoWo"}, 62},  // 39
    {1051, 1152, 3, 360, {"よの－は", "YoNo-Wa"}, 93},  // 40
    {1052, 1153, 3, 385, {"よの－よ", "YoNo-Yo"}, 83},  // 41
    {1053, 1154, 3, 435, {"かく", "KaKu"}, 51},  // 42
    {1054, 1155, 3, 460, {"かさ", "KaSa"}, 6},  // 43
    {1055, 1156, 3, 485, {"かぜそ", "KaZeSo"}, 98},  // 44
    {1056, 1157, 3, 510, {"かぜを", "KaZeWo"}, 48},  // 45
    {1057, 1158, 4, 60, {"みせ", "MiSe"}, 90},  // 46
    {1058, 1159, 4, 85, {"みち", "MiChi"}, 14},  // 47
    {1059, 1160, 4, 110, {"みよ", "MiYo"}, 94},  // 48
    {1060, 1161, 4, 135, {"みかき", "MiKaKi"}, 49},  // 49
    {1061, 1162, 4, 160, {"みかの", "MiKaNo"}, 27},  // 50
    {1062, 1163, 4, 210, {"たか", "TaKa"}, 73},  // 51
    {1063, 1164, 4, 235, {"たき", "TaKi"}, 55},  // 52
    {1064, 1165, 4, 260, {"たご", "TaGo"}, 4},  // 53
    {1065, 1166, 4, 285, {"たち", "TaChi"}, 16},  // 54
    {1066, 1167, 4, 310, {"たま", "TaMa"}, 89},  // 55
    {1067, 1168, 4, 335, {"たれ", "TaRe"}, 34},  // 56
    {1068, 1169, 4, 385, {"こい", "KoI"}, 41},  // 57
    {1069, 1170, 4, 410, {"こぬ", "KoNu"}, 97},  // 58
    {1070, 1171, 4, 435, {"この", "KoNo"}, 24},  // 59
    {1071, 1172, 4, 460, {"これ", "KoRe"}, 10},  // 60
    {1072, 1173, 4, 485, {"こころあ", "KoKoRoA"}, 29},  // 61
    {1073, 1174, 4, 510, {"こころに", "KoKoRoNi"}, 68},  // 62
    {1074, 1175, 5, 60, {"おく", "OKu"}, 5},  // 63
    {1075, 1176, 5, 85, {"おぐ", "OGu"}, 26},  // 64
    {1076, 1177, 5, 110, {"おと", "OTo"}, 72},  // 65
    {1077, 1178, 5, 135, {"おも", "OMo"}, 82},  // 66
    {1078, 1179, 5, 160, {"おおえ", "OOE"}, 60},  // 67
    {1079, 1180, 5, 185, {"おおけ", "OOKe"}, 95},  // 68
    {1080, 1181, 5, 210, {"おおこ", "OOKo"}, 44},  // 69
    {1081, 1182, 5, 335, {"わび", "WaBi"}, 20},  // 70
    {1082, 1183, 5, 360, {"わがい", "WaGaI"}, 8},  // 71
    {1083, 1184, 5, 385, {"わがそ", "WaGaSo"}, 92},  // 72
    {1084, 1185, 5, 410, {"わすら", "WaSuRa"}, 38},  // 73
    {1085, 1186, 5, 435, {"わすれ", "WaSuRe"}, 54},  // 74
    {1086, 1187, 5, 460, {"わた－こ", "WaTa-Ko"}, 76},  // 75
    {1087, 1188, 5, 485, {"わた－や", "WaTa-Ya"}, 11},  // 76
    {1088, 1189, 6, 60, {"なつ", "NaTu"}, 36},  // 77
    {1089, 1190, 6, 85, {"ながか", "NaGaKa"}, 80},  // 78
    {1090, 1191, 6, 110, {"ながら", "NaGaRa"}, 84},  // 79
    {1091, 1192, 6, 135, {"なげき", "NaGeKi"}, 53},  // 80
    {1092, 1193, 6, 160, {"なげけ", "NaGeKe"}, 86},  // 81
    {1093, 1194, 6, 185, {"なにし", "NaNiSi"}, 25},  // 82
    {1094, 1195, 6, 210, {"なにわえ", "NaNiWaE"}, 88},  // 83
    {1095, 1196, 6, 235, {"なにわが", "NaNiWaGa"}, 19},  // 84
    {1096, 1197, 7, 60, {"あい", "AI"}, 43},  // 85
    {1097, 1198, 7, 85, {"あけ", "AKe"}, 52},  // 86
    {1098, 1199, 7, 110, {"あし", "ASi"}, 3},  // 87
    {1099, 1200, 7, 135, {"あきか", "AKiKa"}, 79},  // 88
    {1100, 1201, 7, 160, {"あきの", "AKiNo"}, 1},  // 89
    {1101, 1202, 7, 185, {"あまつ", "AMaTsu"}, 12},  // 90
    {1102, 1203, 7, 210, {"あまの", "AMaNo"}, 7},  // 91
    {1103, 1204, 7, 235, {"あらざ", "ARaZa"}, 56},  // 92
    {1104, 1205, 7, 260, {"あらし", "ARaSi"}, 69},  // 93
    {1105, 1206, 7, 285, {"ありあ", "ARiA"}, 30},  // 94
    {1106, 1207, 7, 310, {"ありま", "ARiMa"}, 58},  // 95
    {1107, 1208, 7, 335, {"あわじ", "AWaJi"}, 78},  // 96
    {1108, 1209, 7, 360, {"あわれ", "AWaRe"}, 45},  // 97
    {1109, 1210, 7, 385, {"あさじ", "ASaJi"}, 39},  // 98
    {1110, 1211, 7, 410, {"あさ－あ", "ASa-A"}, 31},  // 99
    {1111, 1212, 7, 435, {"あさ－う", "ASa-U"}, 64},  // 100
    {1112, 1213, 7, 485, {"ふだよみ", "FuDaYoMi"}, 0},  // 101
}};

constexpr std::array<BlockButton, 7> kBlockButtons{{
    {1214, 50, {"む～せ う～ゆ", "Mu - YuRa"}, 1, 17},
    {1215, 150, {"い ち ひ き", "I Chi Hi Ki"}, 18, 29},
    {1216, 250, {"は や よ か", "Ha Ya Yo Ka"}, 30, 45},
    {1217, 350, {"み　た　こ", "Mi Ta Ko"}, 46, 62},
    {1218, 450, {"お　わ", "O Wa"}, 63, 76},
    {1219, 550, {"な", "Na"}, 77, 84},
    {1220, 650, {"あ", "A"}, 85, 100},
}};

}  // namespace

std::span<const PoemButton> poemButtons() { return kPoemButtons; }
std::span<const BlockButton> blockButtons() { return kBlockButtons; }

const PoemButton* poemButtonById(int buttonId) {
  auto it = std::find_if(kPoemButtons.begin(), kPoemButtons.end(),
                         [buttonId](const PoemButton& b) { return b.buttonId == buttonId; });
  return it == kPoemButtons.end() ? nullptr : &*it;
}

const PoemButton* poemButtonByBoxId(int boxId) {
  auto it = std::find_if(kPoemButtons.begin(), kPoemButtons.end(),
                         [boxId](const PoemButton& b) { return b.boxId == boxId; });
  return it == kPoemButtons.end() ? nullptr : &*it;
}

const BlockButton* blockButtonById(int id) {
  auto it = std::find_if(kBlockButtons.begin(), kBlockButtons.end(),
                         [id](const BlockButton& b) { return b.id == id; });
  return it == kBlockButtons.end() ? nullptr : &*it;
}

std::vector<int> blockPoems(const BlockButton& block) {
  std::vector<int> poems;
  for (int row = block.firstRow; row <= block.lastRow; ++row) {
    poems.push_back(kPoemButtons[row - 1].poem);
  }
  return poems;
}

void flipCard(CardSelection& selection, int poem) {
  if (poem < 0 || poem > kPoemCount) return;
  selection.selected[poem] = !selection.selected[poem];
}

void flipBlock(CardSelection& selection, const BlockButton& block) {
  for (int poem : blockPoems(block)) flipCard(selection, poem);
}

void setCardFromBox(CardSelection& selection, int poem, bool checked) {
  if (poem < 0 || poem > kPoemCount) return;
  selection.selected[poem] = checked;
}

OkOutcome confirmSelection(CardSelection& selection) {
  const int count = selection.countSelected();
  // With nothing chosen the count is not stored: a zero here would end the
  // next game after no card, even one meant to play all 100.
  if (count == 0) return OkOutcome::ShowNothingSelected;
  selection.selectedCount = static_cast<std::int16_t>(count);
  selection.selectionActive = true;
  return OkOutcome::Close;
}

void cancelSelection(CardSelection& selection) {
  const std::int16_t third = selection.thirdChoice;
  selection.reset();
  selection.thirdChoice = third;
}

}  // namespace fuda
