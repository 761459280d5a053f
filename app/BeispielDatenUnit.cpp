#include "app/BeispielDatenUnit.h"

#include <map>

namespace BeispielDaten {

const std::array<TFachDaten, kFachZahl>& Faecher() {
  static const std::array<TFachDaten, kFachZahl> kFaecher = {{
      {"D", "Deutsch", {E, Ge, Pk, ER, KR, PPh, L, F, Pa, Ku, Mu}},
      {"E", "Englisch", {D, F, Ge, Sp, Ek, Pk}},
      {"M", "Mathematik", {Ph, Inf, Ch, Bio, Sp, Ek}},
      {"F", "Französisch", {E, D, L, Ge}},
      {"L", "Latein", {D, Ge, F, E}},
      {"Bio", "Biologie", {Ch, Sp, M, Ek}},
      {"Ch", "Chemie", {Bio, Ph, M}},
      {"Ph", "Physik", {M, Ch, Inf}},
      {"Ek", "Erdkunde", {Ge, E, Sp, Bio, Pk}},
      {"Ge", "Geschichte", {D, E, L, Pk, Ek}},
      {"Pk", "Politik", {SW, Ge, D, Ek}},
      {"SW", "Sozialwissenschaften", {Pk, Ge, E, Pa}},
      {"Pa", "Pädagogik", {SW, D, ER, KR}},
      {"Ku", "Kunst", {D, Mu, E}},
      {"Mu", "Musik", {D, Ku, E, M}},
      {"Sp", "Sport", {Bio, E, M, Ek}},
      {"ER", "Evangelische Religion", {D, Ge, E}},
      {"KR", "Katholische Religion", {D, Ge, Mu}},
      {"PPh", "Praktische Philosophie", {D, E, Pa}},
      {"Inf", "Informatik", {M, Ph}},
  }};
  return kFaecher;
}

const std::vector<const char*>& Nachnamen() {
  static const std::vector<const char*> k = {
      "Müller",    "Schmidt", "Schneider", "Fischer",   "Weber",    "Meyer",      "Wagner",
      "Becker",    "Schulz",  "Hoffmann",  "Schäfer",   "Koch",     "Bauer",      "Richter",
      "Klein",     "Wolf",    "Schröder",  "Neumann",   "Schwarz",  "Zimmermann", "Braun",
      "Krüger",    "Hofmann", "Hartmann",  "Lange",     "Schmitt",  "Werner",     "Schmitz",
      "Krause",    "Meier",   "Lehmann",   "Schulze",   "Maier",    "Köhler",     "Herrmann",
      "König",     "Walter",  "Huber",     "Kaiser",    "Fuchs",    "Peters",     "Lang",
      "Scholz",    "Möller",  "Weiß",      "Jung",      "Hahn",     "Schubert",   "Vogel",
      "Friedrich", "Keller",  "Günther",   "Frank",     "Berger",   "Winkler",    "Roth",
      "Beck",      "Lorenz",  "Baumann",   "Franke",    "Albrecht", "Schuster",   "Simon",
      "Ludwig",    "Böhm",    "Winter",    "Kraus",     "Martin",   "Schumacher", "Krämer",
      "Vogt",      "Stein",   "Jäger",     "Otto",      "Sommer",   "Groß",       "Seidel",
      "Heinrich",  "Brandt",  "Haas",      "Schreiber", "Graf",     "Schulte",    "Dietrich",
      "Ziegler",   "Kuhn",    "Kühn",      "Pohl",      "Engel",    "Horn",       "Busch",
      "Bergmann",  "Thomas",  "Voigt",     "Sauer",     "Arnold",   "Wolff",      "Pfeiffer",
      "Ernst",     "Lindner", "Hübner",    "Kramer",    "Franz",    "Beyer",      "Wolter",
      "Seifert",   "Fiedler", "Brinkmann", "Haase",     "Jansen",   "Kolb",       "Menzel",
      "Ebert",     "Reuter",  "Timm",      "Wendt",     "Brenner",  "Nowak",      "Auer",
      "Thiel",     "Pauly",   "Ulrich",    "Rieger",    "Kurz",     "Bock",       "Böttcher",
      "Schütz",    "Quast",   "Eckert",    "Adler",     "Dreyer",   "Ahrens",     "Gerlach",
      "Hesse",     "Lenz",    "Rausch",    "Witt",      "Vetter",   "Ostermann",  "Yilmaz",
      "Kaya",      "Öztürk",  "Nowicki",   "Dumont",    "Lambert",  "Petrovic",   "Rossi",
      "Esposito",  "Fabri",   "Ebner",     "Gruber",    "Dörr",     "Uhlig",      "Tietz",
      "Zeller",    "Nagel",   "Imhoff",    "Janßen",    "Quandt",   "Vollmer",    "Ruppert",
      "Sander",    "Kessler", "Olbrich",   "Everts",    "Ilgner",   "Utz"};
  return k;
}

const std::vector<const char*>& Vornamen() {
  static const std::vector<const char*> k = {
      "Anna",      "Peter",     "Julia",  "Thomas",  "Sabine",   "Michael",   "Claudia",
      "Andreas",   "Katrin",    "Stefan", "Monika",  "Frank",    "Birgit",    "Martin",
      "Susanne",   "Jörg",      "Petra",  "Jürgen",  "Nicole",   "Matthias",  "Sandra",
      "Markus",    "Christine", "Holger", "Ulrike",  "Tobias",   "Melanie",   "Jan",
      "Kerstin",   "Dirk",      "Anja",   "Sven",    "Heike",    "Christian", "Silke",
      "Björn",     "Daniela",   "Uwe",    "Tanja",   "Kai",      "Nadine",    "Ralf",
      "Stefanie",  "Oliver",    "Jana",   "Florian", "Eva",      "Sebastian", "Lena",
      "Alexander", "Miriam",    "Timo",   "Carolin", "Benedikt", "Sophie",    "Lukas",
      "Hannah",    "Felix",     "Lea",    "Jonas",   "Aylin",    "Mehmet",    "Zeynep",
      "Can",       "Agnieszka", "Piotr",  "Giulia",  "Marco",    "Elena",     "Dimitri"};
  return k;
}

const std::vector<TTafel>& Stundentafel(int jahrgang) {
  static const std::map<int, std::vector<TTafel>> kTafel = {
      {5,
       {{D, 5, 5},
        {E, 5, 5},
        {M, 4, 4},
        {Bio, 2, 2},
        {Ek, 2, 2},
        {Pk, 1, 1},
        {Ku, 2, 1},
        {Mu, 1, 2},
        {Inf, 1, 1}}},
      {6,
       {{D, 4, 4},
        {E, 4, 4},
        {M, 4, 4},
        {Bio, 2, 2},
        {Ge, 2, 2},
        {Ph, 1, 2},
        {Ku, 2, 1},
        {Mu, 1, 2}}},
      {7,
       {{D, 4, 4},
        {E, 4, 4},
        {M, 4, 4},
        {Ph, 2, 2},
        {Ch, 2, 1},
        {Ge, 2, 2},
        {Ek, 1, 2},
        {Ku, 2, 2},
        {Mu, 1, 1}}},
      {8,
       {{D, 4, 4},
        {E, 3, 3},
        {M, 4, 4},
        {Ph, 2, 2},
        {Ch, 2, 2},
        {Bio, 2, 2},
        {Ge, 2, 2},
        {Pk, 2, 2},
        {Ku, 1, 2},
        {Mu, 2, 1}}},
      {9,
       {{D, 3, 3},
        {E, 3, 3},
        {M, 4, 4},
        {Ph, 2, 2},
        {Ch, 2, 2},
        {Bio, 2, 2},
        {Ge, 2, 2},
        {Ek, 2, 2},
        {Pk, 1, 1},
        {Ku, 2, 2}}},
      {10,
       {{D, 4, 4},
        {E, 3, 3},
        {M, 4, 4},
        {Ph, 2, 2},
        {Ch, 2, 2},
        {Bio, 2, 2},
        {Ge, 2, 2},
        {Ek, 1, 1},
        {Pk, 2, 2},
        {Mu, 2, 2}}},
  };
  return kTafel.at(jahrgang);
}

const std::vector<TSchiene>& Schienen(bool einfuehrung) {
  static const std::vector<TSchiene> kEF = {
      {"D", "Deutsch", 3, false, {{D, 3}}},
      {"M", "Mathematik", 3, false, {{M, 3}}},
      {"E", "Englisch", 3, false, {{E, 3}}},
      {"FS", "Fremdsprachen", 3, false, {{F, 1}, {L, 1}}},
      {"NW1", "Naturwissenschaften 1", 3, false, {{Bio, 2}, {Ch, 1}}},
      {"NW2", "Naturwissenschaften 2", 3, false, {{Ph, 1}, {Ch, 1}, {Inf, 1}}},
      {"GW", "Gesellschaftswiss.", 3, false, {{Ge, 1}, {Ek, 1}, {SW, 1}, {Pa, 1}}},
      {"KM", "Kunst/Musik", 3, false, {{Ku, 1}, {Mu, 1}}},
      {"Rel", "Religion/Philosophie", 3, false, {{ER, 1}, {KR, 1}, {PPh, 1}}},
      {"Sp", "Sport", 3, false, {{Sp, 3}}},
  };
  static const std::vector<TSchiene> kQ = {
      {"LK1", "Leistungskurse 1", 5, true, {{M, 1}, {D, 1}, {Bio, 1}}},
      {"LK2", "Leistungskurse 2", 5, true, {{E, 1}, {Ge, 1}, {Ph, 1}}},
      {"D", "Deutsch", 3, false, {{D, 3}}},
      {"M", "Mathematik", 3, false, {{M, 3}}},
      {"E", "Englisch", 3, false, {{E, 3}}},
      {"NW", "Naturwissenschaften", 3, false, {{Bio, 1}, {Ch, 1}, {Ph, 1}}},
      {"GW", "Gesellschaftswiss.", 3, false, {{Ge, 1}, {Ek, 1}, {SW, 1}, {Pa, 1}}},
      {"SP", "Sprachen/Informatik", 3, false, {{F, 1}, {L, 1}, {Inf, 1}}},
      {"KM", "Kunst/Musik", 3, false, {{Ku, 1}, {Mu, 1}}},
      {"Rel", "Religion/Philosophie", 3, false, {{ER, 1}, {KR, 1}, {PPh, 1}}},
      {"Sp", "Sport", 3, false, {{Sp, 2}}},
  };
  return einfuehrung ? kEF : kQ;
}

const std::vector<TSchiene>& Zusatzschienen(bool einfuehrung) {
  static const std::vector<TSchiene> kEF = {
      {"VT", "Vertiefung", 2, false, {{D, 1}, {M, 1}, {E, 1}}},
      {"AG", "Arbeitsgemeinschaften", 2, false, {{Inf, 1}, {Mu, 1}, {Sp, 1}}},
  };
  static const std::vector<TSchiene> kQ = {
      {"VT", "Vertiefung", 2, false, {{D, 1}, {M, 1}, {E, 1}}},
      {"PK", "Projektkurse", 2, false, {{Bio, 1}, {Ge, 1}, {Ku, 1}}},
  };
  return einfuehrung ? kEF : kQ;
}

}  // namespace BeispielDaten
