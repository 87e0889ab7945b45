// The hundred poems and the preface poem romanised as a karuta reader
// recites them: the reading column (poem_readings.cpp) spelled word for word
// in Hepburn, long vowels spelled as their kana, the particle を as "wo".
// Particles are lower case, every other word capitalised; poets' long vowels
// are doubled. The decisive-syllable code spells each mora as two characters.
#include "core/cards/poem_table.h"

namespace fuda {

extern const Poem kPoemsEnglish[101] = {
    {"Naniwazu ni Saku ya Konohana Fuyugomori",  // 0
     "Ima wo Harube to Saku ya Konohana",
     "Wani", "Fudayomi", 0},
    {"Aki no Ta no Kario no Io no Toma wo Arami",  // 1
     "Waga Koromode wa Tsuyu ni Nuretsutsu",
     "Tenchi Tennoo", "A_KiNo", 27},
    {"Haru Sugite Natsu Kinikerashi Shirotae no",  // 2
     "Koromo Hosu Chou Ama no Kaguyama",
     "Jitoo Tennoo", "HaRuSu", 17},
    {"Ashibiki no Yamadori no O no Shidario no",  // 3
     "Naganagashi Yo wo Hitori Kamo Nen",
     "Kakinomoto no Hitomaro", "A_Si", 27},
    {"Tago no Ura ni Uchiidete Mireba Shirotae no",  // 4
     "Fuji no Takane ni Yuki wa Furitsutsu",
     "Yamabe no Akahito", "TaGo", 22},
    {"Okuyama ni Momiji Fumiwake Naku Shika no",  // 5
     "Koe Kiku Toki zo Aki wa Kanashiki",
     "Sarumaru Dayuu", "O_Ku", 24},
    {"Kasasagi no Wataseru Hashi ni Oku Shimo no",  // 6
     "Shiroki wo Mireba Yo zo Fukenikeru",
     "Chuunagon Yakamochi", "KaSa", 20},
    {"Ama no Hara Furisake Mireba Kasuga Naru",  // 7
     "Mikasa no Yama ni Ideshi Tsuki Kamo",
     "Abe no Nakamaro", "A_MaNo", 27},
    {"Waga Io wa Miyako no Tatsumi Shika zo Sumu",  // 8
     "Yo wo Ujiyama to Hito wa Yuu Nari",
     "Kisen Hooshi", "WaGaI_", 25},
    {"Hana no Iro wa Utsurinikeri Na Itazura ni",  // 9
     "Waga Mi Yo ni Furu Nagame Seshi Ma ni",
     "Ono no Komachi", "HaNaNo", 17},
    {"Kore ya Kono Yuku mo Kaeru mo Wakarete wa",  // 10
     "Shiru mo Shiranu mo Ousaka no Seki",
     "Semimaru", "KoRe", 23},
    {"Wata no Hara Yasoshima Kakete Kogiidenu to",  // 11
     "Hito ni wa Tsugeyo Ama no Tsuribune",
     "Sangi Takamura", "WaTaNoHaRaYa", 25},
    {"Amatsukaze Kumo no Kayoiji Fukitojiyo",  // 12
     "Otome no Sugata Shibashi Todomen",
     "Soojoo Henjoo", "A_MaTu", 27},
    {"Tsukubane no Mine Yori Otsuru Minanogawa",  // 13
     "Koi zo Tsumorite Fuchi to Narinuru",
     "Yoozei In", "TuKu", 9},
    {"Michinoku no Shinobu Mojizuri Tare Yue ni",  // 14
     "Midaresomenishi Ware Naranaku ni",
     "Kawara no Sadaijin", "MiTi", 21},
    {"Kimigatame Haru no No ni Idete Wakana Tsumu",  // 15
     "Waga Koromode ni Yuki wa Furitsutsu",
     "Kookoo Tennoo", "KiMiGaTaMeHa", 16},
    {"Tachiwakare Inaba no Yama no Mine ni Ouru",  // 16
     "Matsu to Shi Kikaba Ima Kaerikon",
     "Chuunagon Yukihira", "TaTi", 22},
    {"Chihayaburu Kamiyo mo Kikazu Tatsutagawa",  // 17
     "Karakurenai ni Mizu Kukuru to wa",
     "Ariwara no Narihira Ason", "TiHa", 14},
    {"Suminoe no Kishi ni Yoru Nami Yoru Sae ya",  // 18
     "Yume no Kayoiji Hitome Yokuran",
     "Fujiwara no Toshiyuki Ason", "Su", 2},
    {"Naniwagata Mijikaki Ashi no Fushi no Ma mo",  // 19
     "Awade Kono Yo wo Sugushiteyo to ya",
     "Ise", "NaNiWaGa", 26},
    {"Wabinureba Ima Hata Onaji Naniwa Naru",  // 20
     "Miotsukushite mo Awan to zo Omou",
     "Motoyoshi Shinnoo", "WaBi", 25},
    {"Ima Kon to Iishi Bakari ni Nagatsuki no",  // 21
     "Ariake no Tsuki wo Machiidetsuru Kana",
     "Sosei Hooshi", "I_MaKo", 13},
    {"Fuku Kara ni Aki no Kusaki no Shiorureba",  // 22
     "Mube Yamakaze wo Arashi to Yuuran",
     "Fun'ya no Yasuhide", "Fu", 4},
    {"Tsuki Mireba Chiji ni Mono Koso Kanashikere",  // 23
     "Waga Mi Hitotsu no Aki ni wa Aranedo",
     "Ooe no Chisato", "TuKi", 9},
    {"Kono Tabi wa Nusa mo Toriaezu Tamukeyama",  // 24
     "Momiji no Nishiki Kami no Manimani",
     "Kanke", "KoNo", 23},
    {"Na ni Shi Owaba Ousakayama no Sanekazura",  // 25
     "Hito ni Shirarede Kuru Yoshi Mogana",
     "Sanjoo no Udaijin", "NaNiSi", 26},
    {"Ogurayama Mine no Momijiba Kokoro Araba",  // 26
     "Ima Hitotabi no Miyuki Matanan",
     "Teishinkoo", "O_Gu", 24},
    {"Mika no Hara Wakite Nagaruru Izumigawa",  // 27
     "Itsu Miki Tote Ka Koishikaruran",
     "Chuunagon Kanesuke", "MiKaNo", 21},
    {"Yamazato wa Fuyu zo Sabishisa Masarikeru",  // 28
     "Hitome mo Kusa mo Karenu to Omoeba",
     "Minamoto no Muneyuki Ason", "YaMaZa", 18},
    {"Kokoroate ni Oraba ya Oran Hatsushimo no",  // 29
     "Okimadowaseru Shiragiku no Hana",
     "Ooshikoochi no Mitsune", "KoKoRoA_", 23},
    {"Ariake no Tsurenaku Mieshi Wakare Yori",  // 30
     "Akatsuki Bakari Uki Mono wa Nashi",
     "Mibu no Tadamine", "A_RiA_", 27},
    {"Asaborake Ariake no Tsuki to Miru Made ni",  // 31
     "Yoshino no Sato ni Fureru Shirayuki",
     "Sakanoue no Korenori", "A_SaBoRaKeA_", 27},
    {"Yamagawa ni Kaze no Kaketaru Shigarami wa",  // 32
     "Nagare mo Aenu Momiji Narikeri",
     "Harumichi no Tsuraki", "YaMaGa", 18},
    {"Hisakata no Hikari Nodokeki Haru no Hi ni",  // 33
     "Shizugokoro Naku Hana no Chiruran",
     "Ki no Tomonori", "HiSa", 15},
    {"Tare wo Kamo Shiru Hito ni Sen Takasago no",  // 34
     "Matsu mo Mukashi no Tomo Naranaku ni",
     "Fujiwara no Okikaze", "TaRe", 22},
    {"Hito wa Isa Kokoro mo Shirazu Furusato wa",  // 35
     "Hana zo Mukashi no Ka ni Nioikeru",
     "Ki no Tsurayuki", "HiToWa", 15},
    {"Natsu no Yo wa Mada Yoi Nagara Akenuru wo",  // 36
     "Kumo no Izuko ni Tsuki Yadoruran",
     "Kiyohara no Fukayabu", "NaTu", 26},
    {"Shiratsuyu ni Kaze no Fukishiku Aki no No wa",  // 37
     "Tsuranukitomenu Tama zo Chirikeru",
     "Fun'ya no Asayasu", "SiRa", 10},
    {"Wasuraruru Mi wo Ba Omowazu Chikaiteshi",  // 38
     "Hito no Inochi no Oshiku mo Aru Kana",
     "Ukon", "WaSuRa", 25},
    {"Asajiu no Ono no Shinohara Shinoburedo",  // 39
     "Amarite Nadoka Hito no Koishiki",
     "Sangi Hitoshi", "A_SaJi", 27},
    {"Shinoburedo Iro ni Idenikeri Waga Koi wa",  // 40
     "Mono ya Omou to Hito no Tou Made",
     "Taira no Kanemori", "SiNo", 10},
    {"Koisu Chou Waga Na wa Madaki Tachinikeri",  // 41
     "Hito Shirezu Koso Omoisomeshika",
     "Mibu no Tadami", "KoI_", 23},
    {"Chigiriki Na Katami ni Sode wo Shiboritsutsu",  // 42
     "Sue no Matsuyama Nami Kosaji to wa",
     "Kiyohara no Motosuke", "TiGiRiKi", 14},
    {"Aimite no Nochi no Kokoro ni Kurabureba",  // 43
     "Mukashi wa Mono wo Omowazarikeri",
     "Gonchuunagon Atsutada", "A_I_", 27},
    {"Ou Koto no Taete Shi Nakuba Nakanaka ni",  // 44
     "Hito wo mo Mi wo mo Uramizaramashi",
     "Chuunagon Asatada", "O_O_Ko", 24},
    {"Aware to mo Yuubeki Hito wa Omooede",  // 45
     "Mi no Itazura ni Narinubeki Kana",
     "Kentokukoo", "A_WaRe", 27},
    {"Yura no To wo Wataru Funabito Kaji wo Tae",  // 46
     "Yukue mo Shiranu Koi no Michi Kana",
     "Sone no Yoshitada", "YuRa", 12},
    {"Yaemugura Shigereru Yado no Sabishiki ni",  // 47
     "Hito Koso Miene Aki wa Kinikeri",
     "Egyoo Hooshi", "YaE_", 18},
    {"Kaze wo Itami Iwa Utsu Nami no Onore Nomi",  // 48
     "Kudakete Mono wo Omou Koro Kana",
     "Minamoto no Shigeyuki", "KaZeWo", 20},
    {"Mikakimori Eji no Taku Hi no Yoru wa Moe",  // 49
     "Hiru wa Kietsutsu Mono wo Koso Omoe",
     "Oonakatomi no Yoshinobu Ason", "MiKaKi", 21},
    {"Kimigatame Oshikarazarishi Inochi Sae",  // 50
     "Nagaku Mogana to Omoikeru Kana",
     "Fujiwara no Yoshitaka", "KiMiGaTaMeO_", 16},
    {"Kaku to Dani E ya wa Ibuki no Sashimogusa",  // 51
     "Sashimo Shiraji Na Moyuru Omoi wo",
     "Fujiwara no Sanekata Ason", "KaKu", 20},
    {"Akenureba Kururu Mono to wa Shirinagara",  // 52
     "Nao Urameshiki Asaborake Kana",
     "Fujiwara no Michinobu Ason", "A_Ke", 27},
    {"Nagekitsutsu Hitori Nuru Yo no Akuru Ma wa",  // 53
     "Ika ni Hisashiki Mono to Ka wa Shiru",
     "Udaishoo Michitsuna no Haha", "NaGeKi", 26},
    {"Wasureji no Yukusue Made wa Katakereba",  // 54
     "Kyou wo Kagiri no Inochi to Mogana",
     "Gidoo Sanshi no Haha", "WaSuRe", 25},
    {"Taki no Oto wa Taete Hisashiku Narinuredo",  // 55
     "Na Koso Nagarete Nao Kikoekere",
     "Dainagon Kintoo", "TaKi", 22},
    {"Arazaran Kono Yo no Hoka no Omoide ni",  // 56
     "Ima Hitotabi no Ou Koto Mogana",
     "Izumi Shikibu", "A_RaZa", 27},
    {"Meguriaite Mishi ya Sore to mo Wakanu Ma ni",  // 57
     "Kumogakurenishi Yowa no Tsuki Kana",
     "Murasaki Shikibu", "Me", 3},
    {"Arimayama Ina no Sasahara Kaze Fukeba",  // 58
     "Ide Soyo Hito wo Wasure ya wa Suru",
     "Daini no Sanmi", "A_RiMa", 27},
    {"Yasurawade Nenamashi Mono wo Sayo Fukete",  // 59
     "Katabuku Made no Tsuki wo Mishi Kana",
     "Akazome Emon", "YaSu", 18},
    {"Ooeyama Ikuno no Michi no Tookereba",  // 60
     "Mada Fumi mo Mizu Ama no Hashidate",
     "Koshikibu no Naishi", "O_O_E_", 24},
    {"Inishie no Nara no Miyako no Yaezakura",  // 61
     "Kyou Kokonoe ni Nioinuru Kana",
     "Ise no Taifu", "I_NiSi", 13},
    {"Yo wo Komete Tori no Sorane wa Hakaru to mo",  // 62
     "Yo ni Ousaka no Seki wa Yurusaji",
     "Sei Shoonagon", "YoWo", 19},
    {"Ima wa Tada Omoitaenan to Bakari wo",  // 63
     "Hitozute Narade Yuu Yoshi Mogana",
     "Sakyoo no Daibu Michimasa", "I_MaWa", 13},
    {"Asaborake Uji no Kawagiri Taedae ni",  // 64
     "Arawarewataru Seze no Ajirogi",
     "Gonchuunagon Sadayori", "A_SaBoRaKeU_", 27},
    {"Uramiwabi Hosanu Sode Dani Aru Mono wo",  // 65
     "Koi ni Kuchinan Na Koso Oshikere",
     "Sagami", "U_Ra", 8},
    {"Morotomo ni Aware to Omoe Yamazakura",  // 66
     "Hana Yori Hoka ni Shiru Hito mo Nashi",
     "Saki no Daisoojoo Gyooson", "MoRo", 11},
    {"Haru no Yo no Yume Bakari Naru Tamakura ni",  // 67
     "Kainaku Tatan Na Koso Oshikere",
     "Suoo no Naishi", "HaRuNo", 17},
    {"Kokoro ni mo Arade Ukiyo ni Nagaraeba",  // 68
     "Koishikarubeki Yowa no Tsuki Kana",
     "Sanjoo In", "KoKoRoNi", 23},
    {"Arashi Fuku Mimuro no Yama no Momijiba wa",  // 69
     "Tatsuta no Kawa no Nishiki Narikeri",
     "Nooin Hooshi", "A_RaSi", 27},
    {"Sabishisa ni Yado wo Tachiidete Nagamureba",  // 70
     "Izuko mo Onaji Aki no Yuugure",
     "Ryoozen Hooshi", "Sa", 5},
    {"Yuu Sareba Kadota no Inaba Otozurete",  // 71
     "Ashi no Maroya ni Akikaze zo Fuku",
     "Dainagon Tsunenobu", "YuU_", 12},
    {"Oto ni Kiku Takashi no Hama no Adanami wa",  // 72
     "Kakeji ya Sode no Nure mo Koso Sure",
     "Yuushi Naishinnooke no Kii", "O_To", 24},
    {"Takasago no Onoe no Sakura Sakinikeri",  // 73
     "Toyama no Kasumi Tatazu mo Aranan",
     "Saki no Chuunagon Masafusa", "TaKa", 22},
    {"Ukarikeru Hito wo Hatsuse no Yamaoroshi Yo",  // 74
     "Hageshikare to wa Inoranu Mono wo",
     "Minamoto no Toshiyori Ason", "U_Ka", 8},
    {"Chigiriokishi Sasemo Ga Tsuyu wo Inochi Nite",  // 75
     "Aware Kotoshi no Aki mo Inumeri",
     "Fujiwara no Mototoshi", "TiGiRiO_", 14},
    {"Wata no Hara Kogiidete Mireba Hisakata no",  // 76
     "Kumoi ni Magou Okitsu Shiranami",
     "Hosshooji Nyuudoo Saki no Kanpaku Daijoo Daijin", "WaTaNoHaRaKo", 25},
    {"Se wo Hayami Iwa ni Sekaruru Takigawa no",  // 77
     "Warete mo Sue ni Awan to zo Omou",
     "Sutoku In", "Se", 7},
    {"Awajishima Kayou Chidori no Naku Koe ni",  // 78
     "Ikuyo Nezamenu Suma no Sekimori",
     "Minamoto no Kanemasa", "A_WaJi", 27},
    {"Akikaze ni Tanabiku Kumo no Taema Yori",  // 79
     "Moreizuru Tsuki no Kage no Sayakesa",
     "Sakyoo no Daibu Akisuke", "A_KiKa", 27},
    {"Nagakaran Kokoro mo Shirazu Kurokami no",  // 80
     "Midarete Kesa wa Mono wo Koso Omoe",
     "Taikenmon'in no Horikawa", "NaGaKa", 26},
    {"Hototogisu Nakitsuru Kata wo Nagamureba",  // 81
     "Tada Ariake no Tsuki zo Nokoreru",
     "Gotokudaiji no Sadaijin", "Ho", 6},
    {"Omoiwabi Sate mo Inochi wa Aru Mono wo",  // 82
     "Uki ni Taenu wa Namida Narikeri",
     "Dooin Hooshi", "O_Mo", 24},
    {"Yo no Naka Yo Michi Koso Nakere Omoiiru",  // 83
     "Yama no Oku ni mo Shika zo Naku Naru",
     "Kootaigooguu no Daibu Shunzei", "YoNoNaKaYo", 19},
    {"Nagaraeba Mata Konogoro ya Shinobaren",  // 84
     "Ushi to Mishi Yo zo Ima wa Koishiki",
     "Fujiwara no Kiyosuke Ason", "NaGaRa", 26},
    {"Yomosugara Mono Omou Koro wa Akeyarade",  // 85
     "Neya no Hima Sae Tsurenakarikeri",
     "Shun'e Hooshi", "YoMo", 19},
    {"Nageke Tote Tsuki ya wa Mono wo Omowasuru",  // 86
     "Kakochigao Naru Waga Namida Kana",
     "Saigyoo Hooshi", "NaGeKe", 26},
    {"Murasame no Tsuyu mo Mada Hinu Maki no Ha ni",  // 87
     "Kiri Tachinoboru Aki no Yuugure",
     "Jakuren Hooshi", "Mu", 1},
    {"Naniwae no Ashi no Karine no Hitoyo Yue",  // 88
     "Miotsukushite ya Koiwatarubeki",
     "Kookamon'in no Bettoo", "NaNiWaE_", 26},
    {"Tama no O Yo Taenaba Taene Nagaraeba",  // 89
     "Shinoburu Koto no Yowari mo zo Suru",
     "Shokushi Naishinnoo", "TaMa", 22},
    {"Miseba ya Na Ojima no Ama no Sode Dani mo",  // 90
     "Nure ni zo Nureshi Iro wa Kawarazu",
     "Inpumon'in no Taifu", "MiSe", 21},
    {"Kirigirisu Naku ya Shimoyo no Samushiro ni",  // 91
     "Koromo Katashiki Hitori Kamo Nen",
     "Gokyoogoku Sesshoo Saki no Daijoo Daijin", "KiRi", 16},
    {"Waga Sode wa Shiohi ni Mienu Oki no Ishi no",  // 92
     "Hito Koso Shirane Kawaku Ma mo Nashi",
     "Nijoo In no Sanuki", "WaGaSo", 25},
    {"Yo no Naka wa Tsune ni Mogamona Nagisa Kogu",  // 93
     "Ama no Obune no Tsunade Kanashi mo",
     "Kamakura no Udaijin", "YoNoNaKaWa", 19},
    {"Miyoshino no Yama no Akikaze Sayo Fukete",  // 94
     "Furusato Samuku Koromo Utsu Nari",
     "Sangi Masatsune", "MiYo", 21},
    {"Ookenaku Ukiyo no Tami ni Oou Kana",  // 95
     "Waga Tatsu Soma ni Sumizome no Sode",
     "Saki no Daisoojoo Jien", "O_O_Ke", 24},
    {"Hana Sasou Arashi no Niwa no Yuki Narade",  // 96
     "Furiyuku Mono wa Waga Mi Narikeri",
     "Nyuudoo Saki no Daijoo Daijin", "HaNaSa", 17},
    {"Konu Hito wo Matsuho no Ura no Yuunagi ni",  // 97
     "Yaku ya Moshio no Mi mo Kogaretsutsu",
     "Gonchuunagon Teika", "KoNu", 23},
    {"Kaze Soyogu Nara no Ogawa no Yuugure wa",  // 98
     "Misogi zo Natsu no Shirushi Narikeru",
     "Junii Ietaka", "KaZeSo", 20},
    {"Hito mo Oshi Hito mo Urameshi Ajikinaku",  // 99
     "Yo wo Omou Yue ni Mono Omou Mi wa",
     "Gotoba In", "HiToMo", 15},
    {"Momoshiki ya Furuki Nokiba no Shinobu ni mo",  // 100
     "Nao Amari Aru Mukashi Narikeri",
     "Juntoku In", "MoMo", 11}};

}  // namespace fuda
