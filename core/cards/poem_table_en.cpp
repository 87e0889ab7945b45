// The hundred poems and the preface poem romanised as a karuta reader
// recites them: the reading column (poem_readings.cpp) spelled word for word
// in Hepburn, long vowels spelled as their kana, the particle を as "wo".
// Particles are lower case, every other word capitalised; poets' long vowels
// are doubled. The decisive-syllable code spells each mora as two characters.
#include "core/cards/poem_table_en.h"

namespace fuda {

const Poem kPoemsEnglish[kPoemSlots] = {
    {"Naniwazu ni Saku ya Konohana Fuyugomori",  // 0
     "Ima wo Harube to Saku ya Konohana",
     "Wani", "Fudayomi"},
    {"Aki no Ta no Kario no Io no Toma wo Arami",  // 1
     "Waga Koromode wa Tsuyu ni Nuretsutsu",
     "Tenchi Tennoo", "A_KiNo"},
    {"Haru Sugite Natsu Kinikerashi Shirotae no",  // 2
     "Koromo Hosu Chou Ama no Kaguyama",
     "Jitoo Tennoo", "HaRuSu"},
    {"Ashibiki no Yamadori no O no Shidario no",  // 3
     "Naganagashi Yo wo Hitori Kamo Nen",
     "Kakinomoto no Hitomaro", "A_Si"},
    {"Tago no Ura ni Uchiidete Mireba Shirotae no",  // 4
     "Fuji no Takane ni Yuki wa Furitsutsu",
     "Yamabe no Akahito", "TaGo"},
    {"Okuyama ni Momiji Fumiwake Naku Shika no",  // 5
     "Koe Kiku Toki zo Aki wa Kanashiki",
     "Sarumaru Dayuu", "O_Ku"},
    {"Kasasagi no Wataseru Hashi ni Oku Shimo no",  // 6
     "Shiroki wo Mireba Yo zo Fukenikeru",
     "Chuunagon Yakamochi", "KaSa"},
    {"Ama no Hara Furisake Mireba Kasuga Naru",  // 7
     "Mikasa no Yama ni Ideshi Tsuki Kamo",
     "Abe no Nakamaro", "A_MaNo"},
    {"Waga Io wa Miyako no Tatsumi Shika zo Sumu",  // 8
     "Yo wo Ujiyama to Hito wa Yuu Nari",
     "Kisen Hooshi", "WaGaI_"},
    {"Hana no Iro wa Utsurinikeri Na Itazura ni",  // 9
     "Waga Mi Yo ni Furu Nagame Seshi Ma ni",
     "Ono no Komachi", "HaNaNo"},
    {"Kore ya Kono Yuku mo Kaeru mo Wakarete wa",  // 10
     "Shiru mo Shiranu mo Ousaka no Seki",
     "Semimaru", "KoRe"},
    {"Wata no Hara Yasoshima Kakete Kogiidenu to",  // 11
     "Hito ni wa Tsugeyo Ama no Tsuribune",
     "Sangi Takamura", "WaTaNoHaRaYa"},
    {"Amatsukaze Kumo no Kayoiji Fukitojiyo",  // 12
     "Otome no Sugata Shibashi Todomen",
     "Soojoo Henjoo", "A_MaTu"},
    {"Tsukubane no Mine Yori Otsuru Minanogawa",  // 13
     "Koi zo Tsumorite Fuchi to Narinuru",
     "Yoozei In", "TuKu"},
    {"Michinoku no Shinobu Mojizuri Tare Yue ni",  // 14
     "Midaresomenishi Ware Naranaku ni",
     "Kawara no Sadaijin", "MiTi"},
    {"Kimigatame Haru no No ni Idete Wakana Tsumu",  // 15
     "Waga Koromode ni Yuki wa Furitsutsu",
     "Kookoo Tennoo", "KiMiGaTaMeHa"},
    {"Tachiwakare Inaba no Yama no Mine ni Ouru",  // 16
     "Matsu to Shi Kikaba Ima Kaerikon",
     "Chuunagon Yukihira", "TaTi"},
    {"Chihayaburu Kamiyo mo Kikazu Tatsutagawa",  // 17
     "Karakurenai ni Mizu Kukuru to wa",
     "Ariwara no Narihira Ason", "TiHa"},
    {"Suminoe no Kishi ni Yoru Nami Yoru Sae ya",  // 18
     "Yume no Kayoiji Hitome Yokuran",
     "Fujiwara no Toshiyuki Ason", "Su"},
    {"Naniwagata Mijikaki Ashi no Fushi no Ma mo",  // 19
     "Awade Kono Yo wo Sugushiteyo to ya",
     "Ise", "NaNiWaGa"},
    {"Wabinureba Ima Hata Onaji Naniwa Naru",  // 20
     "Miotsukushite mo Awan to zo Omou",
     "Motoyoshi Shinnoo", "WaBi"},
    {"Ima Kon to Iishi Bakari ni Nagatsuki no",  // 21
     "Ariake no Tsuki wo Machiidetsuru Kana",
     "Sosei Hooshi", "I_MaKo"},
    {"Fuku Kara ni Aki no Kusaki no Shiorureba",  // 22
     "Mube Yamakaze wo Arashi to Yuuran",
     "Fun'ya no Yasuhide", "Fu"},
    {"Tsuki Mireba Chiji ni Mono Koso Kanashikere",  // 23
     "Waga Mi Hitotsu no Aki ni wa Aranedo",
     "Ooe no Chisato", "TuKi"},
    {"Kono Tabi wa Nusa mo Toriaezu Tamukeyama",  // 24
     "Momiji no Nishiki Kami no Manimani",
     "Kanke", "KoNo"},
    {"Na ni Shi Owaba Ousakayama no Sanekazura",  // 25
     "Hito ni Shirarede Kuru Yoshi Mogana",
     "Sanjoo no Udaijin", "NaNiSi"},
    {"Ogurayama Mine no Momijiba Kokoro Araba",  // 26
     "Ima Hitotabi no Miyuki Matanan",
     "Teishinkoo", "O_Gu"},
    {"Mika no Hara Wakite Nagaruru Izumigawa",  // 27
     "Itsu Miki Tote Ka Koishikaruran",
     "Chuunagon Kanesuke", "MiKaNo"},
    {"Yamazato wa Fuyu zo Sabishisa Masarikeru",  // 28
     "Hitome mo Kusa mo Karenu to Omoeba",
     "Minamoto no Muneyuki Ason", "YaMaZa"},
    {"Kokoroate ni Oraba ya Oran Hatsushimo no",  // 29
     "Okimadowaseru Shiragiku no Hana",
     "Ooshikoochi no Mitsune", "KoKoRoA_"},
    {"Ariake no Tsurenaku Mieshi Wakare Yori",  // 30
     "Akatsuki Bakari Uki Mono wa Nashi",
     "Mibu no Tadamine", "A_RiA_"},
    {"Asaborake Ariake no Tsuki to Miru Made ni",  // 31
     "Yoshino no Sato ni Fureru Shirayuki",
     "Sakanoue no Korenori", "A_SaBoRaKeA_"},
    {"Yamagawa ni Kaze no Kaketaru Shigarami wa",  // 32
     "Nagare mo Aenu Momiji Narikeri",
     "Harumichi no Tsuraki", "YaMaGa"},
    {"Hisakata no Hikari Nodokeki Haru no Hi ni",  // 33
     "Shizugokoro Naku Hana no Chiruran",
     "Ki no Tomonori", "HiSa"},
    {"Tare wo Kamo Shiru Hito ni Sen Takasago no",  // 34
     "Matsu mo Mukashi no Tomo Naranaku ni",
     "Fujiwara no Okikaze", "TaRe"},
    {"Hito wa Isa Kokoro mo Shirazu Furusato wa",  // 35
     "Hana zo Mukashi no Ka ni Nioikeru",
     "Ki no Tsurayuki", "HiToWa"},
    {"Natsu no Yo wa Mada Yoi Nagara Akenuru wo",  // 36
     "Kumo no Izuko ni Tsuki Yadoruran",
     "Kiyohara no Fukayabu", "NaTu"},
    {"Shiratsuyu ni Kaze no Fukishiku Aki no No wa",  // 37
     "Tsuranukitomenu Tama zo Chirikeru",
     "Fun'ya no Asayasu", "SiRa"},
    {"Wasuraruru Mi wo Ba Omowazu Chikaiteshi",  // 38
     "Hito no Inochi no Oshiku mo Aru Kana",
     "Ukon", "WaSuRa"},
    {"Asajiu no Ono no Shinohara Shinoburedo",  // 39
     "Amarite Nadoka Hito no Koishiki",
     "Sangi Hitoshi", "A_SaJi"},
    {"Shinoburedo Iro ni Idenikeri Waga Koi wa",  // 40
     "Mono ya Omou to Hito no Tou Made",
     "Taira no Kanemori", "SiNo"},
    {"Koisu Chou Waga Na wa Madaki Tachinikeri",  // 41
     "Hito Shirezu Koso Omoisomeshika",
     "Mibu no Tadami", "KoI_"},
    {"Chigiriki Na Katami ni Sode wo Shiboritsutsu",  // 42
     "Sue no Matsuyama Nami Kosaji to wa",
     "Kiyohara no Motosuke", "TiGiRiKi"},
    {"Aimite no Nochi no Kokoro ni Kurabureba",  // 43
     "Mukashi wa Mono wo Omowazarikeri",
     "Gonchuunagon Atsutada", "A_I_"},
    {"Ou Koto no Taete Shi Nakuba Nakanaka ni",  // 44
     "Hito wo mo Mi wo mo Uramizaramashi",
     "Chuunagon Asatada", "O_O_Ko"},
    {"Aware to mo Yuubeki Hito wa Omooede",  // 45
     "Mi no Itazura ni Narinubeki Kana",
     "Kentokukoo", "A_WaRe"},
    {"Yura no To wo Wataru Funabito Kaji wo Tae",  // 46
     "Yukue mo Shiranu Koi no Michi Kana",
     "Sone no Yoshitada", "YuRa"},
    {"Yaemugura Shigereru Yado no Sabishiki ni",  // 47
     "Hito Koso Miene Aki wa Kinikeri",
     "Egyoo Hooshi", "YaE_"},
    {"Kaze wo Itami Iwa Utsu Nami no Onore Nomi",  // 48
     "Kudakete Mono wo Omou Koro Kana",
     "Minamoto no Shigeyuki", "KaZeWo"},
    {"Mikakimori Eji no Taku Hi no Yoru wa Moe",  // 49
     "Hiru wa Kietsutsu Mono wo Koso Omoe",
     "Oonakatomi no Yoshinobu Ason", "MiKaKi"},
    {"Kimigatame Oshikarazarishi Inochi Sae",  // 50
     "Nagaku Mogana to Omoikeru Kana",
     "Fujiwara no Yoshitaka", "KiMiGaTaMeO_"},
    {"Kaku to Dani E ya wa Ibuki no Sashimogusa",  // 51
     "Sashimo Shiraji Na Moyuru Omoi wo",
     "Fujiwara no Sanekata Ason", "KaKu"},
    {"Akenureba Kururu Mono to wa Shirinagara",  // 52
     "Nao Urameshiki Asaborake Kana",
     "Fujiwara no Michinobu Ason", "A_Ke"},
    {"Nagekitsutsu Hitori Nuru Yo no Akuru Ma wa",  // 53
     "Ika ni Hisashiki Mono to Ka wa Shiru",
     "Udaishoo Michitsuna no Haha", "NaGeKi"},
    {"Wasureji no Yukusue Made wa Katakereba",  // 54
     "Kyou wo Kagiri no Inochi to Mogana",
     "Gidoo Sanshi no Haha", "WaSuRe"},
    {"Taki no Oto wa Taete Hisashiku Narinuredo",  // 55
     "Na Koso Nagarete Nao Kikoekere",
     "Dainagon Kintoo", "TaKi"},
    {"Arazaran Kono Yo no Hoka no Omoide ni",  // 56
     "Ima Hitotabi no Ou Koto Mogana",
     "Izumi Shikibu", "A_RaZa"},
    {"Meguriaite Mishi ya Sore to mo Wakanu Ma ni",  // 57
     "Kumogakurenishi Yowa no Tsuki Kana",
     "Murasaki Shikibu", "Me"},
    {"Arimayama Ina no Sasahara Kaze Fukeba",  // 58
     "Ide Soyo Hito wo Wasure ya wa Suru",
     "Daini no Sanmi", "A_RiMa"},
    {"Yasurawade Nenamashi Mono wo Sayo Fukete",  // 59
     "Katabuku Made no Tsuki wo Mishi Kana",
     "Akazome Emon", "YaSu"},
    {"Ooeyama Ikuno no Michi no Tookereba",  // 60
     "Mada Fumi mo Mizu Ama no Hashidate",
     "Koshikibu no Naishi", "O_O_E_"},
    {"Inishie no Nara no Miyako no Yaezakura",  // 61
     "Kyou Kokonoe ni Nioinuru Kana",
     "Ise no Taifu", "I_NiSi"},
    {"Yo wo Komete Tori no Sorane wa Hakaru to mo",  // 62
     "Yo ni Ousaka no Seki wa Yurusaji",
     "Sei Shoonagon", "YoWo"},
    {"Ima wa Tada Omoitaenan to Bakari wo",  // 63
     "Hitozute Narade Yuu Yoshi Mogana",
     "Sakyoo no Daibu Michimasa", "I_MaWa"},
    {"Asaborake Uji no Kawagiri Taedae ni",  // 64
     "Arawarewataru Seze no Ajirogi",
     "Gonchuunagon Sadayori", "A_SaBoRaKeU_"},
    {"Uramiwabi Hosanu Sode Dani Aru Mono wo",  // 65
     "Koi ni Kuchinan Na Koso Oshikere",
     "Sagami", "U_Ra"},
    {"Morotomo ni Aware to Omoe Yamazakura",  // 66
     "Hana Yori Hoka ni Shiru Hito mo Nashi",
     "Saki no Daisoojoo Gyooson", "MoRo"},
    {"Haru no Yo no Yume Bakari Naru Tamakura ni",  // 67
     "Kainaku Tatan Na Koso Oshikere",
     "Suoo no Naishi", "HaRuNo"},
    {"Kokoro ni mo Arade Ukiyo ni Nagaraeba",  // 68
     "Koishikarubeki Yowa no Tsuki Kana",
     "Sanjoo In", "KoKoRoNi"},
    {"Arashi Fuku Mimuro no Yama no Momijiba wa",  // 69
     "Tatsuta no Kawa no Nishiki Narikeri",
     "Nooin Hooshi", "A_RaSi"},
    {"Sabishisa ni Yado wo Tachiidete Nagamureba",  // 70
     "Izuko mo Onaji Aki no Yuugure",
     "Ryoozen Hooshi", "Sa"},
    {"Yuu Sareba Kadota no Inaba Otozurete",  // 71
     "Ashi no Maroya ni Akikaze zo Fuku",
     "Dainagon Tsunenobu", "YuU_"},
    {"Oto ni Kiku Takashi no Hama no Adanami wa",  // 72
     "Kakeji ya Sode no Nure mo Koso Sure",
     "Yuushi Naishinnooke no Kii", "O_To"},
    {"Takasago no Onoe no Sakura Sakinikeri",  // 73
     "Toyama no Kasumi Tatazu mo Aranan",
     "Saki no Chuunagon Masafusa", "TaKa"},
    {"Ukarikeru Hito wo Hatsuse no Yamaoroshi Yo",  // 74
     "Hageshikare to wa Inoranu Mono wo",
     "Minamoto no Toshiyori Ason", "U_Ka"},
    {"Chigiriokishi Sasemo Ga Tsuyu wo Inochi Nite",  // 75
     "Aware Kotoshi no Aki mo Inumeri",
     "Fujiwara no Mototoshi", "TiGiRiO_"},
    {"Wata no Hara Kogiidete Mireba Hisakata no",  // 76
     "Kumoi ni Magou Okitsu Shiranami",
     "Hosshooji Nyuudoo Saki no Kanpaku Daijoo Daijin", "WaTaNoHaRaKo"},
    {"Se wo Hayami Iwa ni Sekaruru Takigawa no",  // 77
     "Warete mo Sue ni Awan to zo Omou",
     "Sutoku In", "Se"},
    {"Awajishima Kayou Chidori no Naku Koe ni",  // 78
     "Ikuyo Nezamenu Suma no Sekimori",
     "Minamoto no Kanemasa", "A_WaJi"},
    {"Akikaze ni Tanabiku Kumo no Taema Yori",  // 79
     "Moreizuru Tsuki no Kage no Sayakesa",
     "Sakyoo no Daibu Akisuke", "A_KiKa"},
    {"Nagakaran Kokoro mo Shirazu Kurokami no",  // 80
     "Midarete Kesa wa Mono wo Koso Omoe",
     "Taikenmon'in no Horikawa", "NaGaKa"},
    {"Hototogisu Nakitsuru Kata wo Nagamureba",  // 81
     "Tada Ariake no Tsuki zo Nokoreru",
     "Gotokudaiji no Sadaijin", "Ho"},
    {"Omoiwabi Sate mo Inochi wa Aru Mono wo",  // 82
     "Uki ni Taenu wa Namida Narikeri",
     "Dooin Hooshi", "O_Mo"},
    {"Yo no Naka Yo Michi Koso Nakere Omoiiru",  // 83
     "Yama no Oku ni mo Shika zo Naku Naru",
     "Kootaigooguu no Daibu Shunzei", "YoNoNaKaYo"},
    {"Nagaraeba Mata Konogoro ya Shinobaren",  // 84
     "Ushi to Mishi Yo zo Ima wa Koishiki",
     "Fujiwara no Kiyosuke Ason", "NaGaRa"},
    {"Yomosugara Mono Omou Koro wa Akeyarade",  // 85
     "Neya no Hima Sae Tsurenakarikeri",
     "Shun'e Hooshi", "YoMo"},
    {"Nageke Tote Tsuki ya wa Mono wo Omowasuru",  // 86
     "Kakochigao Naru Waga Namida Kana",
     "Saigyoo Hooshi", "NaGeKe"},
    {"Murasame no Tsuyu mo Mada Hinu Maki no Ha ni",  // 87
     "Kiri Tachinoboru Aki no Yuugure",
     "Jakuren Hooshi", "Mu"},
    {"Naniwae no Ashi no Karine no Hitoyo Yue",  // 88
     "Miotsukushite ya Koiwatarubeki",
     "Kookamon'in no Bettoo", "NaNiWaE_"},
    {"Tama no O Yo Taenaba Taene Nagaraeba",  // 89
     "Shinoburu Koto no Yowari mo zo Suru",
     "Shokushi Naishinnoo", "TaMa"},
    {"Miseba ya Na Ojima no Ama no Sode Dani mo",  // 90
     "Nure ni zo Nureshi Iro wa Kawarazu",
     "Inpumon'in no Taifu", "MiSe"},
    {"Kirigirisu Naku ya Shimoyo no Samushiro ni",  // 91
     "Koromo Katashiki Hitori Kamo Nen",
     "Gokyoogoku Sesshoo Saki no Daijoo Daijin", "KiRi"},
    {"Waga Sode wa Shiohi ni Mienu Oki no Ishi no",  // 92
     "Hito Koso Shirane Kawaku Ma mo Nashi",
     "Nijoo In no Sanuki", "WaGaSo"},
    {"Yo no Naka wa Tsune ni Mogamona Nagisa Kogu",  // 93
     "Ama no Obune no Tsunade Kanashi mo",
     "Kamakura no Udaijin", "YoNoNaKaWa"},
    {"Miyoshino no Yama no Akikaze Sayo Fukete",  // 94
     "Furusato Samuku Koromo Utsu Nari",
     "Sangi Masatsune", "MiYo"},
    {"Ookenaku Ukiyo no Tami ni Oou Kana",  // 95
     "Waga Tatsu Soma ni Sumizome no Sode",
     "Saki no Daisoojoo Jien", "O_O_Ke"},
    {"Hana Sasou Arashi no Niwa no Yuki Narade",  // 96
     "Furiyuku Mono wa Waga Mi Narikeri",
     "Nyuudoo Saki no Daijoo Daijin", "HaNaSa"},
    {"Konu Hito wo Matsuho no Ura no Yuunagi ni",  // 97
     "Yaku ya Moshio no Mi mo Kogaretsutsu",
     "Gonchuunagon Teika", "KoNu"},
    {"Kaze Soyogu Nara no Ogawa no Yuugure wa",  // 98
     "Misogi zo Natsu no Shirushi Narikeru",
     "Junii Ietaka", "KaZeSo"},
    {"Hito mo Oshi Hito mo Urameshi Ajikinaku",  // 99
     "Yo wo Omou Yue ni Mono Omou Mi wa",
     "Gotoba In", "HiToMo"},
    {"Momoshiki ya Furuki Nokiba no Shinobu ni mo",  // 100
     "Nao Amari Aru Mukashi Narikeri",
     "Juntoku In", "MoMo"}};

}  // namespace fuda
