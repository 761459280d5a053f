#include "ui/FreigabeUnit.h"

unsigned WerkzeugBit(TToolArt tool) {
  switch (tool) {
    case TToolArt::ZeigTool:
      return wzZeig;
    case TToolArt::SetzTool:
      return wzSetz;
    case TToolArt::LoeschTool:
      return wzLoesch;
    case TToolArt::SchiebTool:
      return wzSchieb;
    case TToolArt::FixTool:
      return wzFix;
  }
  return wzZeig;
}

namespace {

constexpr TSchalt P = TSchalt::An;
constexpr TSchalt M = TSchalt::Aus;
constexpr TSchalt B = TSchalt::Bleibt;

// Eine Zeile: Vor/Nächster, Setzen, Löschen, Schieben, Fixieren, Neuer Kurs, Kurs löschen,
// Manuell, Automatik, Alles auswählen, Fensterart, behaltene Werkzeuge.
TArtFreigabe Zeile(TSchalt vn, TSchalt se, TSchalt lo, TSchalt sc, TSchalt fi, TSchalt nk,
                   TSchalt kl, TSchalt ma, TSchalt au, TSchalt aa, std::optional<TFensterArt> fa,
                   unsigned wz) {
  TArtFreigabe f;
  f.Bekannt = true;
  f.VorNaechster = vn;
  f.Setzen = se;
  f.Loeschen = lo;
  f.Schieben = sc;
  f.Fixieren = fi;
  f.NeuerKurs = nk;
  f.KursLoeschen = kl;
  f.Manuell = ma;
  f.Automatik = au;
  f.AllesAuswaehlen = aa;
  f.FensterArt = fa;
  f.Werkzeuge = wz;
  return f;
}

constexpr auto G = TFensterArt::GFenster;
constexpr auto D = TFensterArt::DFenster;
constexpr auto Pl = TFensterArt::PFenster;
constexpr std::optional<TFensterArt> Keine = std::nullopt;
constexpr unsigned NurZeigen = wzZeig;

bool Zwischen(int art, int von, int bis) {
  return art >= von && art <= bis;
}

void Schalte(bool& wert, TSchalt s) {
  if (s == TSchalt::An) wert = true;
  if (s == TSchalt::Aus) wert = false;
}

}  // namespace

TArtFreigabe FreigabeNachArt(int art) {
  if (Zwischen(art, 9, 11)) return Zeile(P, P, P, P, P, P, M, P, M, P, Pl, wzAlle);
  if (art == 12) return Zeile(P, P, P, M, M, M, P, P, P, P, D, wzZeig | wzSetz | wzLoesch);
  if (art == 14) return Zeile(M, M, M, M, M, M, M, M, M, M, G, NurZeigen);
  if (art == 15 || art == 71) return Zeile(M, M, M, M, M, M, M, M, M, M, Keine, wzAlle);
  if (Zwischen(art, 16, 20))
    return Zeile(P, P, P, P, M, P, P, P, P, P, D, wzAlle & ~static_cast<unsigned>(wzFix));
  if (art == 21)
    return Zeile(M, P, P, P, M, P, P, P, P, P, D, wzAlle & ~static_cast<unsigned>(wzFix));
  if (art == 22) return Zeile(M, P, P, P, P, M, M, M, P, M, Keine, wzAlle);
  if (Zwischen(art, 31, 33)) return Zeile(B, P, P, P, P, M, M, P, M, P, Pl, wzAlle);
  if (art == 61 || art == 62) return Zeile(P, M, P, M, M, P, M, M, M, M, G, wzZeig | wzLoesch);
  if (Zwischen(art, 63, 65)) return Zeile(P, M, M, M, M, P, M, M, M, M, G, NurZeigen);
  if (art == 66) return Zeile(P, M, P, M, M, M, M, M, M, M, G, wzZeig | wzLoesch);
  if (art == 67) return Zeile(P, M, P, P, M, M, M, M, M, M, Keine, wzAlle);
  if (art == 68) return Zeile(P, P, P, P, P, M, M, M, M, P, Keine, wzAlle);
  if (art == 69) return Zeile(P, P, P, M, M, M, M, M, M, P, Pl, wzZeig | wzSetz | wzLoesch);
  if (Zwischen(art, 72, 77) || art == 81 || art == 82)
    return Zeile(M, M, M, M, M, M, M, M, M, P, Keine, wzAlle);
  if (art == 80) return Zeile(P, M, M, M, M, M, M, M, M, M, Pl, NurZeigen);
  return TArtFreigabe{};
}

TPaletteFreigabe NeueFreigabe(const TPaletteFreigabe& alt, const TFreigabeLage& lage) {
  TPaletteFreigabe f = alt;
  const bool mehrereVersionen = lage.Versionen != 1;
  f.Planversionen = mehrereVersionen;
  f.Versionsunterschiede = mehrereVersionen;
  if (lage.AktiveArt == 0) {
    f.FensterSchliessen = false;
    f.AllesAuswaehlen = false;
    f.FensterDrucken = false;
    f.VorNaechster = f.Zeigen = f.Setzen = f.Loeschen = f.Schieben = f.Fixieren = false;
    f.NeuerKurs = f.KursLoeschen = f.Manuell = f.Automatik = false;
    f.Werkzeug = TToolArt::ZeigTool;
    f.WzNeuerKurs = f.WzKursLoeschen = f.WzSetzen = f.WzLoeschen = f.WzSchieben = false;
    f.WzFixieren = f.WzManuell = f.WzAutomatik = false;
    return f;
  }
  f.FensterSchliessen = true;
  f.FensterDrucken = true;
  const TArtFreigabe z = FreigabeNachArt(lage.AktiveArt);
  if (!z.Bekannt) return f;
  f.Zeigen = true;
  Schalte(f.VorNaechster, z.VorNaechster);
  Schalte(f.Setzen, z.Setzen);
  Schalte(f.Loeschen, z.Loeschen);
  Schalte(f.Schieben, z.Schieben);
  Schalte(f.Fixieren, z.Fixieren);
  Schalte(f.NeuerKurs, z.NeuerKurs);
  Schalte(f.KursLoeschen, z.KursLoeschen);
  Schalte(f.Manuell, z.Manuell);
  Schalte(f.Automatik, z.Automatik);
  Schalte(f.AllesAuswaehlen, z.AllesAuswaehlen);
  if (z.FensterArt) f.FensterArt = *z.FensterArt;
  if (!(WerkzeugBit(f.Werkzeug) & z.Werkzeuge)) f.Werkzeug = TToolArt::ZeigTool;
  // Die Einträge unter "Werkzeuge" folgen den Knöpfen; in Planfenstern ist "Manuell" dort aus.
  f.WzNeuerKurs = f.NeuerKurs;
  f.WzKursLoeschen = f.KursLoeschen;
  f.WzSetzen = f.Setzen;
  f.WzLoeschen = f.Loeschen;
  f.WzSchieben = f.Schieben;
  f.WzFixieren = f.Fixieren;
  f.WzManuell = f.Manuell && !Zwischen(lage.AktiveArt, 9, 11);
  f.WzAutomatik = f.Automatik;
  return f;
}

TSchulFreigabe SchulFreigabe(bool schuleOffen) {
  TSchulFreigabe f;
  f.Neu = !schuleOffen;
  f.MitSchule = schuleOffen;
  // Nur eine offene Schule wird gesichert, nie die leere Schule ohne Datei; eine offene auch
  // unverändert (etwa als Kopie unter ihrem Namen).
  f.Sichern = schuleOffen;
  f.Import = true;
  return f;
}

TFensterDruckWahl FensterDruck(int art) {
  using D = TFensterDruck;
  namespace A = FensterArt;
  if (Zwischen(art, A::LehrerPlan, A::RaumPlan)) return {D::Plaene, art - A::LehrerPlan};
  if (art == A::UVTabelle) return {D::UVTabelle, 0};
  if (art == A::Fehler) return {D::Fehlerliste, 0};
  if (Zwischen(art, A::LehrerDeputat, A::AlleKurse)) return {D::Deputate, art - A::LehrerDeputat};
  if (art == A::ParalleleKopplungen) return {D::ParKopplungen, 0};
  if (Zwischen(art, A::LehrerUebersicht, A::RaumUebersicht))
    return {D::Uebersicht, art - A::LehrerUebersicht};
  if (Zwischen(art, A::LehrerDaten, A::Kurs) ||
      Zwischen(art, A::KopplungsStatistik, A::UVStatistik))
    return {D::Bild, 0};
  if (art == A::Vertretungen || art == A::VertretungsWahl) return {D::Vertretungsplan, 0};
  if (art == A::Stundenverteilung) return {D::Stundenverteilung, 0};
  if (Zwischen(art, A::LehrerStatistik, A::FachStatistik))
    return {D::Reststunden, art - A::LehrerStatistik};
  if (art == A::VertrUebLehrer || art == A::VertrUebKlassen)
    return {D::VertrUebersicht, art - A::VertrUebLehrer};
  if (art == A::WoAusfall) return {D::WoAusfall, 0};
  return {};
}
