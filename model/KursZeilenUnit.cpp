// Die Textzeilen eines Kurses (Windows-1252).
#include "model/FachUnit.h"
#include "model/KlassenUnit.h"
#include "model/KopplUnit.h"
#include "model/KursUnit.h"
#include "model/LehrerUnit.h"
#include "model/RaumUnit.h"
#include "settings/StandardUnit.h"

namespace {
// Kürzel mit folgendem Leerzeichen, oder nichts.
std::string MitBlank(const TElement* e) {
  return e ? e->fKuerzel.str() + " " : std::string();
}

void LetztesBlankWeg(std::string& text) {
  if (!text.empty() && text.back() == ' ') text.pop_back();
}
}  // namespace

std::string TKurs::OhneRaumZeile(const TKlasse* klasse) const {
  const TKlasse* genannt = klasse ? klasse : fKlassen.ListeNrInhalt(1);
  std::string text = MitBlank(fLehrer) + MitBlank(fFach) + MitBlank(genannt) + MitBlank(fKopplung);
  LetztesBlankWeg(text);
  return text;
}

std::string TKurs::OhneRaumKlKoZeile() const {
  std::string text = fLehrer ? fLehrer->fKuerzel.str() : std::string();
  if (fFach) text += " " + fFach->fKuerzel.str();
  if (fKopplung)
    text += " " + fKopplung->fKuerzel.str();
  else if (const TKlasse* k = fKlassen.ListeNrInhalt(1))
    text += " " + k->fKuerzel.str();
  return text;
}

std::string TKurs::MitRaumZeile() const {
  std::string text = OhneRaumZeile(nullptr);
  const TRaum* raum = VerplanterRaum();
  if (!raum) raum = fRaeume.ListeNrInhalt(1);
  if (raum) text += " " + raum->fKuerzel.str();
  return text;
}

namespace {
// Der Raum, den Kurz- und Wahlzeile nennen: in einer Woche und Zelle mit Setzungen der Raum der
// Setzung dort (nichts, wenn sie keinen hat oder es keine gibt), sonst der erste Raum.
const TRaum* ZeilenRaum(const TKurs& k, int woche, int tag, int stunde) {
  if (woche > 0 && tag != 0 && !k.fSetzungen.empty()) {
    const TSetzung* s = k.SetzungFinden(woche, tag, stunde);
    return s ? s->fRaum : nullptr;
  }
  return k.fRaeume.ListeNrInhalt(1);
}
}  // namespace

std::string TKurs::KurzZeile(int woche, int tag, int stunde, const TKlasse* klasse) const {
  std::string text = OhneRaumZeile(klasse);
  if (fRaeume.empty()) return text;
  if (!text.empty()) text += ' ';
  if (const TRaum* raum = ZeilenRaum(*this, woche, tag, stunde)) text += raum->fKuerzel.str();
  return text;
}

std::string TKurs::Zeile(int woche, int tag, int stunde, bool mitInfo, int art) const {
  const bool nichtGezaehlt = (art == leh && fNichtZaehlenLe) || (art == kla && fNichtZaehlenKl);
  std::string text = nichtGezaehlt ? StundenText(0) : WertText(woche);
  text += " (" + ZahlText(fStunden.GetWochenStunde(woche)) + ") ";
  text += KurzZeile(woche, tag, stunde, nullptr);
  if (mitInfo) text += " [" + fInfo.str() + "]";
  return text;
}

std::string TKurs::WochenZeile(int woche, int tag, int stunde, bool mitInfo,
                               const TKlasse* klasse) const {
  std::string text = "{" + ZahlText(woche) + "} " + KurzZeile(woche, tag, stunde, klasse);
  if (mitInfo) text += " [" + fInfo.str() + "]";
  return text;
}

std::string TKurs::WahlZeile(int woche, int tag, int stunde, int art1, int art2, int art3) const {
  auto teil = [&](int art) -> std::string {
    switch (art) {
      case leh:
        return MitBlank(fLehrer);
      case kla:
        return MitBlank(fKlassen.ListeNrInhalt(1));
      case kop:
        return MitBlank(fKopplung);
      case fac:
        return MitBlank(fFach);
      case rau:
        return fRaeume.empty() ? std::string() : MitBlank(ZeilenRaum(*this, woche, tag, stunde));
      default:
        return {};
    }
  };
  std::string text = teil(art1) + teil(art2) + teil(art3);
  LetztesBlankWeg(text);
  return text;
}

std::string TKurs::SVZeile(int tag) const {
  std::string zeile(16, 'F');
  const int woche = Standard().fAktuelleWoche;
  for (int h = 1; h <= 16; ++h) {
    const TSetzung* s = SetzungFinden(woche, tag, h);
    if (!s) continue;
    if (fKopplung)
      zeile[h - 1] = s->fFixiert ? 'L' : 'K';
    else
      zeile[h - 1] = s->fFixiert ? 'G' : 'E';
  }
  return zeile;
}
