// Fuzz-Ziel für die Grundoperationen von TBuffer: Die Eingabe ist zugleich Programm und Daten.
// Ein Byte wählt die nächste Leseoperation, die folgenden Bytes liest sie. Jeder gelesene Wert
// wird zurückgeschrieben und wieder gelesen; dabei werden die Eigenschaften des Formats geprüft.
// Ein Lesen hinter dem Ende muss als EDateiFehler kommen und die Position stehen lassen.
#include <algorithm>
#include <string>

#include "fuzz/FuzzZiel.h"
#include "model/ToolsUnit.h"
#include "persistence/BufferUnit.h"

namespace {

// Programmbytes, die nie aus dem Lesen eines Textes hervorgehen.
bool NieGelesen(char c) {
  return !AnsiZeichenSpeicherbar(static_cast<unsigned char>(c));
}

// Führt eine Leseoperation aus, die "feld" Bytes braucht; falsch, wenn die Daten zu Ende sind.
template <class F>
bool Schritt(TBuffer& b, std::size_t feld, F&& lesen) {
  const std::size_t vorher = b.Position();
  try {
    lesen();
  } catch (const EDateiFehler& e) {
    FuzzPruefe(e.Art() == TDateiFehlerArt::ZuKurz, "Lesefehler der falschen Art");
    FuzzPruefe(b.Position() == vorher, "misslungenes Lesen hat die Position verändert");
    FuzzPruefe(b.Rest() < feld, "Lesefehler, obwohl genug Bytes übrig waren");
    FuzzPruefe(e.what()[0] != '\0', "Lesefehler ohne Meldung");
    return false;
  }
  FuzzPruefe(b.Position() == vorher + feld, "Lesen ist nicht um die Feldgröße weitergerückt");
  return true;
}

// Quellbytes ab einer Position.
bool GleicheBytes(const TBuffer& quelle, std::size_t ab, const TBuffer& geschrieben) {
  const auto& q = quelle.Daten();
  const auto& g = geschrieben.Daten();
  return ab + g.size() <= q.size() && std::equal(g.begin(), g.end(), q.begin() + ab);
}

template <class T>
void PruefeText(const T& text, std::size_t feld, bool kuerzel,
                void (TBuffer::*schreiben)(std::string_view), T (TBuffer::*lesen)(),
                std::size_t schreibFeld) {
  const std::string& t = text.str();
  FuzzPruefe(t.size() <= std::min(feld - 1, T::Kapazitaet), "Text länger als sein Feld");
  FuzzPruefe(std::none_of(t.begin(), t.end(), NieGelesen), "Text mit ungelesenem Zeichen");
  if (kuerzel) FuzzPruefe(t.empty() || t[0] != ' ', "Kürzel beginnt mit Leerzeichen");
  TBuffer w;
  (w.*schreiben)(t);
  FuzzPruefe(w.Groesse() == schreibFeld, "geschriebenes Feld hat die falsche Größe");
  FuzzPruefe(w.Daten()[0] == t.size(), "Längenbyte falsch");
  FuzzPruefe(std::all_of(w.Daten().begin() + 1 + static_cast<std::ptrdiff_t>(t.size()),
                         w.Daten().end(), [](std::uint8_t x) { return x == 0; }),
             "Feld nicht mit Nullbytes aufgefüllt");
  TBuffer r(w.Daten());
  FuzzPruefe((r.*lesen)() == text, "Text übersteht Schreiben und Lesen nicht");
}

void PruefeGeprueft(std::int64_t wert) {
  struct Fall {
    void (TBuffer::*schreiben)(std::int64_t, std::string_view);
    std::int64_t von, bis;
    std::size_t bytes;
  };
  static constexpr Fall kFaelle[] = {{&TBuffer::WriteIntGeprueft, -32768, 32767, 2},
                                     {&TBuffer::WriteWordGeprueft, 0, 65535, 2},
                                     {&TBuffer::WriteLongGeprueft, INT32_MIN, INT32_MAX, 4}};
  for (const Fall& f : kFaelle) {
    TBuffer w;
    const bool passt = wert >= f.von && wert <= f.bis;
    try {
      (w.*f.schreiben)(wert, "Wert");
      FuzzPruefe(passt, "unpassender Wert wurde geschrieben");
      FuzzPruefe(w.Groesse() == f.bytes, "geprüfter Wert mit falscher Größe");
    } catch (const EDateiFehler& e) {
      FuzzPruefe(!passt, "passender Wert wurde abgelehnt");
      FuzzPruefe(e.Art() == TDateiFehlerArt::WertZuGross, "Schreibfehler der falschen Art");
      FuzzPruefe(w.Groesse() == 0, "abgelehnter Wert hat doch Bytes geschrieben");
    }
  }
  if (wert >= 0) {
    TBuffer w;
    try {
      w.WriteAnzahl(static_cast<std::size_t>(wert), "Liste");
      FuzzPruefe(wert <= 32767, "zu große Anzahl wurde geschrieben");
      FuzzPruefe(TBuffer(w.Daten()).ReadInt() == wert, "Anzahl übersteht Lesen nicht");
    } catch (const EDateiFehler&) {
      FuzzPruefe(wert > 32767 && w.Groesse() == 0, "Anzahl falsch abgelehnt");
    }
  }
}

// Eine Leseoperation samt Prüfungen; falsch, wenn die Daten zu Ende sind.
bool Operation(TBuffer& b, std::uint8_t wahl) {
  const std::size_t ab = b.Position();
  switch (wahl % 18) {
    case 0:
      return Schritt(b, 1, [&] { b.ReadByte(); });
    case 1:
      return Schritt(b, 1, [&] {
        const bool x = b.ReadBool();
        TBuffer w;
        w.WriteBool(x);
        FuzzPruefe(w.Daten()[0] == (b.Daten()[ab] != 0 ? 1 : 0), "Bool falsch geschrieben");
      });
    case 2:
      return Schritt(b, 2, [&] {
        const std::int32_t x = b.ReadInt();
        FuzzPruefe(x >= -32768 && x <= 32767, "Int außerhalb von 16 Bit");
        TBuffer w;
        w.WriteInt(x);
        FuzzPruefe(GleicheBytes(b, ab, w), "Int übersteht Lesen und Schreiben nicht");
      });
    case 3:
      return Schritt(b, 2, [&] {
        const std::uint16_t x = b.ReadWord();
        TBuffer w;
        w.WriteWordGeprueft(x, "Wort");
        FuzzPruefe(GleicheBytes(b, ab, w), "Word übersteht Lesen und Schreiben nicht");
        FuzzPruefe(TBuffer(w.Daten()).ReadInt() == static_cast<std::int16_t>(x),
                   "Word und Int lesen verschieden");
      });
    case 4:
      return Schritt(b, 4, [&] {
        const std::int32_t x = b.ReadLong();
        TBuffer w;
        w.WriteLong(x);
        FuzzPruefe(GleicheBytes(b, ab, w), "Long übersteht Lesen und Schreiben nicht");
      });
    case 5:
      return Schritt(b, 4, [&] {
        const TDateTime d = b.ReadDatum();
        FuzzPruefe(d >= 1462.0 && d <= 1462.0 + 49711.0, "Datum außerhalb des Bereichs");
        TBuffer w;
        w.WriteDatum(d);
        const auto quelle = static_cast<std::int64_t>(
            static_cast<std::uint32_t>(TBuffer(b.Daten().data() + ab, 4).ReadLong()));
        const auto neu =
            static_cast<std::int64_t>(static_cast<std::uint32_t>(TBuffer(w.Daten()).ReadLong()));
        FuzzPruefe(neu - quelle <= 432 && quelle - neu <= 432,
                   "Datum um mehr als 7 Minuten versetzt");
        FuzzPruefe(TBuffer(w.Daten()).ReadDatum() == d, "Datum nicht stabil");
      });
    case 6:
      return Schritt(b, 6, [&] {
        const TColor c = b.ReadColor();
        FuzzPruefe(c <= 0xFFFFFF, "Farbe mit mehr als 24 Bit");
        TBuffer w;
        w.WriteColor(c);
        const auto& g = w.Daten();
        const auto& q = b.Daten();
        for (std::size_t i = 0; i < 6; i += 2)
          FuzzPruefe(g[i] == q[ab + i] && g[i + 1] == 0, "Farbe falsch zurückgeschrieben");
        FuzzPruefe(TBuffer(w.Daten()).ReadColor() == c, "Farbe übersteht Schreiben nicht");
      });
    case 7:
      return Schritt(b, 1,
                     [&] { FuzzPruefe(!NieGelesen(b.ReadZeichen()), "Zeichen nicht abgebildet"); });
    case 8:
      return Schritt(b, TBuffer::KueFeld, [&] {
        PruefeText(b.ReadKue(), TBuffer::KueFeld, true, &TBuffer::WriteKue, &TBuffer::ReadKue,
                   TBuffer::KueFeld);
      });
    case 9:
      return Schritt(b, TBuffer::AltKueFeld, [&] {
        PruefeText(b.ReadAltKue(), TBuffer::AltKueFeld, true, &TBuffer::WriteKue, &TBuffer::ReadKue,
                   TBuffer::KueFeld);
      });
    case 10:
      return Schritt(b, TBuffer::InfoFeld, [&] {
        PruefeText(b.ReadInfo(), TBuffer::InfoFeld, false, &TBuffer::WriteInfo, &TBuffer::ReadInfo,
                   TBuffer::InfoFeld);
      });
    case 11:
      return Schritt(b, TBuffer::AltInfoFeld, [&] {
        PruefeText(b.ReadAltInfo(), TBuffer::AltInfoFeld, false, &TBuffer::WriteInfo,
                   &TBuffer::ReadInfo, TBuffer::InfoFeld);
      });
    case 12:
      return Schritt(b, TBuffer::BemFeld, [&] {
        PruefeText(b.ReadBem(), TBuffer::BemFeld, false, &TBuffer::WriteBem, &TBuffer::ReadBem,
                   TBuffer::BemFeld);
      });
    case 13:
      return Schritt(b, TBuffer::AltBemFeld, [&] {
        PruefeText(b.ReadAltBem(), TBuffer::AltBemFeld, false, &TBuffer::WriteBem,
                   &TBuffer::ReadBem, TBuffer::BemFeld);
      });
    case 14:
      return Schritt(b, TBuffer::GrundFeld, [&] {
        PruefeText(b.ReadGrund(), TBuffer::GrundFeld, false, &TBuffer::WriteGrund,
                   &TBuffer::ReadGrund, TBuffer::GrundFeld);
      });
    case 15:
      return Schritt(b, TBuffer::Str255Feld, [&] {
        const str255 s = b.ReadStr255();
        PruefeText(s, TBuffer::Str255Feld, false, &TBuffer::WriteStr255, &TBuffer::ReadStr255,
                   TBuffer::Str255Feld);
        // Ohne Feld: WriteStr bildet ab, WriteStrUTF8 kodiert; beides muss zurückführen.
        TBuffer w;
        w.WriteStr(s.str());
        FuzzPruefe(w.Groesse() == s.size(), "WriteStr mit falscher Länge");
        TBuffer r(w.Daten());
        for (char c : s.str()) FuzzPruefe(r.ReadZeichen() == c, "WriteStr nicht umkehrbar");
        TBuffer u;
        u.WriteStrUTF8(s.str());
        const std::string utf8(u.Daten().begin(), u.Daten().end());
        FuzzPruefe(Utf8InWin1252Darstellbar(utf8), "UTF-8 nicht darstellbar");
        FuzzPruefe(Utf8ZuWin1252(utf8) == s.str(), "UTF-8 nicht umkehrbar");
      });
    case 16:
      return Schritt(b, 1, [&] {
        const TKuerzelArt a = b.ReadArt();
        FuzzPruefe(a != 2 && a != 6, "alte Art nicht umgesetzt");
        TBuffer w;
        w.WriteArt(a);
        const std::uint8_t q = b.Daten()[ab];
        FuzzPruefe(w.Daten()[0] == (q == 2 ? 0 : q == 6 ? 4 : q), "Art falsch zurückgeschrieben");
      });
    default:
      return Schritt(b, 4, [&] {
        const std::int32_t x = b.ReadLong();
        PruefeGeprueft(x);
        PruefeGeprueft(static_cast<std::int64_t>(x) * 65536);
      });
  }
}

}  // namespace

TAMREL_FUZZ_ZIEL(BufferFuzz) {
  TBuffer b(daten, groesse);
  while (!b.AmEnde()) {
    const std::uint8_t wahl = b.ReadByte();
    if (!Operation(b, wahl)) break;
  }
  FuzzPruefe(b.Position() <= b.Groesse(), "Position hinter dem Ende");
  return 0;
}
