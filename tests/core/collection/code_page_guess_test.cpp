#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "core/collection/code_page_guess.h"
#include "core/ini/ini_document.h"

using namespace lumo;

namespace {

using Names = std::vector<std::string_view>;

// Names as a file typed in each code page holds them; the comments give them
// in UTF-8.
// Кино, Группа крови, Машина времени, Аквариум, Алиса, Хочу перемен, Київ, DDT, Mumiy Troll
const Names kRussian = {
    "\xCA\xE8\xED\xEE", "\xC3\xF0\xF3\xEF\xEF\xE0 \xEA\xF0\xEE\xE2\xE8",
    "\xCC\xE0\xF8\xE8\xED\xE0 \xE2\xF0\xE5\xEC\xE5\xED\xE8", "\xC0\xEA\xE2\xE0\xF0\xE8\xF3\xEC",
    "\xC0\xEB\xE8\xF1\xE0", "\xD5\xEE\xF7\xF3 \xEF\xE5\xF0\xE5\xEC\xE5\xED", "\xCA\xE8\xBF\xE2", "DDT", "Mumiy Troll"};
// Αλκίνοος Ιωαννίδης, Χάρις Αλεξίου, Μίκης Θεοδωράκης, Το τρένο φεύγει, Σαββατόβραδο, Άσπρη μέρα, Ζωή
const Names kGreek = {
    "\xC1\xEB\xEA\xDF\xED\xEF\xEF\xF2 \xC9\xF9\xE1\xED\xED\xDF\xE4\xE7\xF2",
    "\xD7\xDC\xF1\xE9\xF2 \xC1\xEB\xE5\xEE\xDF\xEF\xF5",
    "\xCC\xDF\xEA\xE7\xF2 \xC8\xE5\xEF\xE4\xF9\xF1\xDC\xEA\xE7\xF2",
    "\xD4\xEF \xF4\xF1\xDD\xED\xEF \xF6\xE5\xFD\xE3\xE5\xE9", "\xD3\xE1\xE2\xE2\xE1\xF4\xFC\xE2\xF1\xE1\xE4\xEF",
    "\xA2\xF3\xF0\xF1\xE7 \xEC\xDD\xF1\xE1", "\xC6\xF9\xDE"};
// ソニー, 表参道, 能力, 予感, ソフトクリーム, 宇多田ヒカル, 浜崎あゆみ, ゾンビ, 海, Mr.Children
const Names kJapanese = {
    "\x83\x5C\x83j\x81[", "\x95\x5C\x8EQ\x93\xB9", "\x94\x5C\x97\xCD", "\x97\x5C\x8A\xB4",
    "\x83\x5C\x83t\x83g\x83N\x83\x8A\x81[\x83\x80", "\x89" "F\x91\xBD\x93" "c\x83q\x83J\x83\x8B",
    "\x95l\x8D\xE8\x82\xA0\x82\xE4\x82\xDD", "\x83]\x83\x93\x83r", "\x8A" "C", "Mr.Children"};
// Czesław Niemen, Dżem, Wały Jagiellońskie, Małżeństwo, Jolka pamiętasz, Przeżyj to sam, Kraków, Naprawdę nic, Biały Miś, Łódź
const Names kPolish = {
    "Czes\xB3" "aw Niemen", "D\xBF" "em", "Wa\xB3y Jagiello\xF1skie", "Ma\xB3\xBF" "e\xF1stwo", "Jolka pami\xEAtasz",
    "Prze\xBFyj to sam", "Krak\xF3w", "Naprawd\xEA nic", "Bia\xB3y Mi\x9C", "\xA3\xF3" "d\x9F"};
// Édith Piaf, La Bohème, Mylène Farmer, Désenchantée, Noël, Où est le bonheur, Ça plane pour moi, L’été indien, Cœur de pirate, Âme
const Names kFrench = {
    "\xC9" "dith Piaf", "La Boh\xE8me", "Myl\xE8ne Farmer", "D\xE9senchant\xE9" "e", "No\xEBl",
    "O\xF9 est le bonheur", "\xC7" "a plane pour moi", "L\x92\xE9t\xE9 indien", "C\x9Cur de pirate", "\xC2me"};
// Accents a letter apart read as Shift-JIS pairs side by side.
// Pénélope, Générique, Hétérogène, Sélénite, Célébrités, Répétition, Déménagement
const Names kFrenchRuns = {
    "P\xE9n\xE9lope", "G\xE9n\xE9rique", "H\xE9t\xE9rog\xE8ne", "S\xE9l\xE9nite", "C\xE9l\xE9" "brit\xE9s",
    "R\xE9p\xE9tition", "D\xE9m\xE9nagement"};
// Die Ärzte, Männer, Über den Wolken, Grönemeyer, Fußball, Mädchen, Tschüß, Bläck Fööss, Höhner
const Names kGerman = {
    "Die \xC4rzte", "M\xE4nner", "\xDC" "ber den Wolken", "Gr\xF6nemeyer", "Fu\xDF" "ball", "M\xE4" "dchen",
    "Tsch\xFC\xDF", "Bl\xE4" "ck F\xF6\xF6ss", "H\xF6hner"};
// ¿Dónde están?, ¿Por qué te vas?, ¿Quién será?, Señorita, Corazón, Maná, Canción, ¡Olé!, Niño
const Names kSpanish = {
    "\xBF" "D\xF3nde est\xE1n?", "\xBFPor qu\xE9 te vas?", "\xBFQui\xE9n ser\xE1?", "Se\xF1orita", "Coraz\xF3n",
    "Man\xE1", "Canci\xF3n", "\xA1Ol\xE9!", "Ni\xF1o"};
// Ação, João Gilberto, Coração, Não, Canções, Pão de Açúcar, Maçã
const Names kPortuguese = {
    "A\xE7\xE3o", "Jo\xE3o Gilberto", "Cora\xE7\xE3o", "N\xE3o", "Can\xE7\xF5" "es", "P\xE3o de A\xE7\xFA" "car",
    "Ma\xE7\xE3"};
// Don’t Stop Me Now, It’s My Life, Rock’n’Roll, “Heroes”, Motörhead, Björk, €uro Trash, Šibenik, Mötley Crüe, Naïve—Live
const Names kEnglish = {
    "Don\x92t Stop Me Now", "It\x92s My Life", "Rock\x92n\x92Roll", "\x93Heroes\x94", "Mot\xF6rhead", "Bj\xF6rk",
    "\x80uro Trash", "\x8Aibenik", "M\xF6tley Cr\xFC" "e", "Na\xEFve\x97Live"};
// 周杰伦, 王菲, 月亮代表我的心, 邓丽君, 甜蜜蜜, 我只在乎你, 张学友, 吻别
const Names kChinese = {
    "\xD6\xDC\xBD\xDC\xC2\xD7", "\xCD\xF5\xB7\xC6", "\xD4\xC2\xC1\xC1\xB4\xFA\xB1\xED\xCE\xD2\xB5\xC4\xD0\xC4",
    "\xB5\xCB\xC0\xF6\xBE\xFD", "\xCC\xF0\xC3\xDB\xC3\xDB", "\xCE\xD2\xD6\xBB\xD4\xDA\xBA\xF5\xC4\xE3",
    "\xD5\xC5\xD1\xA7\xD3\xD1", "\xCE\xC7\xB1\xF0"};
// אריק איינשטיין, שלום חנוך, אהבה, ירושלים של זהב, עוף גוזל, כוורת
const Names kHebrew = {
    "\xE0\xF8\xE9\xF7 \xE0\xE9\xE9\xF0\xF9\xE8\xE9\xE9\xEF", "\xF9\xEC\xE5\xED \xE7\xF0\xE5\xEA", "\xE0\xE4\xE1\xE4",
    "\xE9\xF8\xE5\xF9\xEC\xE9\xED \xF9\xEC \xE6\xE4\xE1", "\xF2\xE5\xF3 \xE2\xE5\xE6\xEC", "\xEB\xE5\xE5\xF8\xFA"};
// ธงไชย แมคอินไตย์, คาราบาว, เบิร์ด, รักเธอ, สุนทราภรณ์, ลอยกระทง
const Names kThai = {
    "\xB8\xA7\xE4\xAA\xC2 \xE1\xC1\xA4\xCD\xD4\xB9\xE4\xB5\xC2\xEC", "\xA4\xD2\xC3\xD2\xBA\xD2\xC7",
    "\xE0\xBA\xD4\xC3\xEC\xB4", "\xC3\xD1\xA1\xE0\xB8\xCD", "\xCA\xD8\xB9\xB7\xC3\xD2\xC0\xC3\xB3\xEC",
    "\xC5\xCD\xC2\xA1\xC3\xD0\xB7\xA7"};
const Names kUtf8 = {"Кино", "Группа крови", "Машина времени", "ソニー", "表参道", "宇多田ヒカル", "Édith Piaf"};

Names Joined(Names names, const Names& more) {
  names.insert(names.end(), more.begin(), more.end());
  return names;
}

// Western names, however accented, never get another code page; nor do
// scripts the guess cannot tell, nor too few names. A few Cyrillic names
// among accented Western ones get nothing: no one code page shows them all.
TEST(GuessCodePage, NamesTheCodePageOnlyWhenItIsPlain) {
  const struct {
    const char* what;
    Names names;
    int codePage;
  } cases[] = {
      {"Russian, Ukrainian and Latin", kRussian, 1251},
      {"Greek", kGreek, 1253},
      {"Japanese", kJapanese, 932},
      {"Polish", kPolish, 1250},
      {"French", kFrench, 0},
      {"German", kGerman, 0},
      {"French, accents a letter apart", kFrenchRuns, 0},
      {"Spanish", kSpanish, 0},
      {"Portuguese", kPortuguese, 0},
      {"English with typographic marks", kEnglish, 0},
      {"Western and a few Cyrillic", Joined(Joined(kFrench, kGerman), Names(kRussian.begin(), kRussian.begin() + 3)), 0},
      {"Western and a few Japanese", Joined(Joined(kFrench, kGerman), Names(kJapanese.begin(), kJapanese.begin() + 5)), 0},
      {"Western and a few Polish", Joined(Joined(kFrench, kGerman), Names(kPolish.begin(), kPolish.begin() + 3)), 0},
      {"two Cyrillic names", Names(kRussian.begin(), kRussian.begin() + 2), 0},
      {"Chinese", kChinese, 0},
      {"Hebrew", kHebrew, 0},
      {"Thai", kThai, 0},
      {"UTF-8", kUtf8, 0},
      {"nothing", {}, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(GuessCodePage(c.names), c.codePage) << c.what;
}

// Only albums count: the Cyrillic names of a section without an artist
// would otherwise outvote the Shift-JIS ones, whose trail bytes are "\",
// "[" and "]".
TEST(GuessCollectionCodePage, ReadsTheNamesOfAlbums) {
  IniDocument document("unused.ini");
  document.Adopt(
      "[a]\r\nartist=\x83\x5C\x83j\x81[\r\ntitle=\x95\x5C\x8EQ\x93\xB9\r\nnumtracks=3\r\n"
      "0=\x83]\x83\x93\x83r\r\n1=\x97\x5C\x8A\xB4\r\n2=\x94\x5C\x97\xCD\r\n"
      "[b]\r\ntitle=\xCA\xE8\xED\xEE\r\nnumtracks=4\r\n0=\xC0\xEB\xE8\xF1\xE0\r\n"
      "1=\xCC\xE0\xF8\xE8\xED\xE0\r\n2=\xC0\xEA\xE2\xE0\xF0\xE8\xF3\xEC\r\n3=\xCA\xE8\xBF\xE2\r\n");
  EXPECT_EQ(GuessCollectionCodePage(document), 932);
}

}  // namespace
