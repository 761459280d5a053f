#include "output/IcalSchreiberUnit.h"

#include <libical/ical.h>

#include <cmath>
#include <cstdlib>
#include <memory>

#include "model/DatumUnit.h"

namespace {
constexpr const char* kZone = "Europe/Berlin";
constexpr const char* kProdId = "-//Tamrel//WinTamrel 3.9.16//DE";

// Fehler von libical (etwa in einer fremden Datei) brechen nie das Programm ab.
void FehlerNichtTodlich() {
  static const bool einmal = [] {
    icalerror_set_errors_are_fatal(0);
    return true;
  }();
  (void)einmal;
}

struct TKomponenteFrei {
  void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using TKomponente = std::unique_ptr<icalcomponent, TKomponenteFrei>;

struct TZoneFrei {
  void operator()(icaltimezone* z) const { icaltimezone_free(z, 1); }
};

icaltimetype Zeitpunkt(int jahr, int monat, int tag, int stunde, int minute, int sekunde) {
  icaltimetype t = icaltime_null_time();
  t.year = jahr;
  t.month = monat;
  t.day = tag;
  t.hour = stunde;
  t.minute = minute;
  t.second = sekunde;
  t.is_date = 0;
  return t;
}

// Ein TDateTime als Zeitpunkt auf die Sekunde.
icaltimetype AusZahl(TDateTime zahl) {
  const double tage = std::floor(zahl);
  const TDatum d = ZahlZuDatum(tage);
  long long sekunden = std::llround((zahl - tage) * 86400.0);
  if (sekunden >= 86400) sekunden = 86399;
  const int s = static_cast<int>(sekunden);
  return Zeitpunkt(d.Jahr, d.Monat, d.Tag, s / 3600, s / 60 % 60, s % 60);
}

TDateTime ZuZahl(const icaltimetype& t) {
  return DatumZuZahl(t.year, t.month, t.day) + ZeitZuZahl(t.hour, t.minute, t.second);
}

icaltimetype Utc(TDateTime zahl) {
  icaltimetype t = AusZahl(zahl);
  t.zone = icaltimezone_get_utc_timezone();
  return t;
}

// Eine Regel der Zeitzone: Beginn 1970, Versatz vorher und nachher, Name, Jahresregel.
icalcomponent* Regel(icalcomponent* regel, int monat, int tag, int stunde, int von, int zu,
                     const char* name, const char* rrule) {
  icalcomponent_add_property(regel,
                             icalproperty_new_dtstart(Zeitpunkt(1970, monat, tag, stunde, 0, 0)));
  icalcomponent_add_property(regel, icalproperty_new_tzoffsetfrom(von * 3600));
  icalcomponent_add_property(regel, icalproperty_new_tzoffsetto(zu * 3600));
  icalcomponent_add_property(regel, icalproperty_new_tzname(name));
  icalcomponent_add_property(regel, icalproperty_new_rrule(icalrecurrencetype_from_string(rrule)));
  return regel;
}

// Der VTIMEZONE-Block von Europe/Berlin: Sommerzeit vom letzten Sonntag im März, 2 Uhr, bis zum
// letzten Sonntag im Oktober, 3 Uhr.
icalcomponent* Zeitzone() {
  icalcomponent* zone = icalcomponent_new_vtimezone();
  icalcomponent_add_property(zone, icalproperty_new_tzid(kZone));
  icalcomponent_add_component(zone, Regel(icalcomponent_new_xdaylight(), 3, 29, 2, 1, 2, "CEST",
                                          "FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU"));
  icalcomponent_add_component(zone, Regel(icalcomponent_new_xstandard(), 10, 25, 3, 2, 1, "CET",
                                          "FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU"));
  return zone;
}

icalproperty* MitZone(icalproperty* p) {
  icalproperty_add_parameter(p, icalparameter_new_tzid(kZone));
  return p;
}

icalproperty* XWert(const char* name, const std::string& wert) {
  icalproperty* p = icalproperty_new_x(wert.c_str());
  icalproperty_set_x_name(p, name);
  return p;
}

icalcomponent* Ereignis(const TIcalTermin& t) {
  icalcomponent* e = icalcomponent_new_vevent();
  const TDatum d = ZahlZuDatum(t.Datum);
  const icaltimetype geaendert = Utc(t.Geaendert);
  icalcomponent_add_property(e, icalproperty_new_uid(t.Uid.c_str()));
  icalcomponent_add_property(e, icalproperty_new_dtstamp(geaendert));
  icalcomponent_add_property(e, icalproperty_new_lastmodified(geaendert));
  icalcomponent_add_property(e, icalproperty_new_sequence(t.Sequenz));
  icalcomponent_add_property(e, MitZone(icalproperty_new_dtstart(Zeitpunkt(
                                    d.Jahr, d.Monat, d.Tag, t.Beginn / 60, t.Beginn % 60, 0))));
  icalcomponent_add_property(e, MitZone(icalproperty_new_dtend(Zeitpunkt(
                                    d.Jahr, d.Monat, d.Tag, t.Ende / 60, t.Ende % 60, 0))));
  icalcomponent_add_property(e, icalproperty_new_summary(t.Zusammenfassung.c_str()));
  if (!t.Ort.empty()) icalcomponent_add_property(e, icalproperty_new_location(t.Ort.c_str()));
  if (!t.Beschreibung.empty())
    icalcomponent_add_property(e, icalproperty_new_description(t.Beschreibung.c_str()));
  icalcomponent_add_property(
      e, icalproperty_new_status(t.Abgesagt ? ICAL_STATUS_CANCELLED : ICAL_STATUS_CONFIRMED));
  icalcomponent_add_property(
      e, icalproperty_new_transp(t.Frei ? ICAL_TRANSP_TRANSPARENT : ICAL_TRANSP_OPAQUE));
  return e;
}

std::string Text(const char* t) {
  return t ? std::string(t) : std::string();
}
}  // namespace

std::string IcalText(const TIcalKalender& kalender) {
  FehlerNichtTodlich();
  TKomponente k(icalcomponent_new_vcalendar());
  icalcomponent* c = k.get();
  icalcomponent_add_property(c, icalproperty_new_prodid(kProdId));
  icalcomponent_add_property(c, icalproperty_new_version("2.0"));
  icalcomponent_add_property(c, icalproperty_new_calscale("GREGORIAN"));
  icalcomponent_add_property(c, XWert("X-WR-CALNAME", kalender.Name));
  icalcomponent_add_property(c, XWert("X-WR-TIMEZONE", kZone));
  // Abonnierende Programme fragen zweimal am Tag nach.
  icalcomponent_add_property(c, XWert("X-PUBLISHED-TTL", "PT12H"));
  icalcomponent_add_component(c, Zeitzone());
  for (const TIcalTermin& t : kalender.Termine) icalcomponent_add_component(c, Ereignis(t));
  char* roh = icalcomponent_as_ical_string_r(c);
  std::string text = Text(roh);
  icalmemory_free_buffer(roh);
  return text;
}

std::optional<TIcalKalender> IcalLesen(std::string_view text) {
  FehlerNichtTodlich();
  const std::string kopie(text);
  TKomponente k(icalparser_parse_string(kopie.c_str()));
  if (!k) return std::nullopt;
  icalcomponent* c = k.get();
  if (icalcomponent_isa(c) != ICAL_VCALENDAR_COMPONENT) {
    // Mehrere Komponenten kommen in einer XROOT.
    c = icalcomponent_get_first_component(k.get(), ICAL_VCALENDAR_COMPONENT);
    if (!c) return std::nullopt;
  }
  TIcalKalender kalender;
  for (icalproperty* p = icalcomponent_get_first_property(c, ICAL_X_PROPERTY); p;
       p = icalcomponent_get_next_property(c, ICAL_X_PROPERTY))
    if (Text(icalproperty_get_x_name(p)) == "X-WR-CALNAME")
      kalender.Name = Text(icalproperty_get_x(p));
  for (icalcomponent* e = icalcomponent_get_first_component(c, ICAL_VEVENT_COMPONENT); e;
       e = icalcomponent_get_next_component(c, ICAL_VEVENT_COMPONENT)) {
    TIcalTermin t;
    t.Uid = Text(icalcomponent_get_uid(e));
    icalproperty* beginn = icalcomponent_get_first_property(e, ICAL_DTSTART_PROPERTY);
    if (t.Uid.empty() || !beginn) continue;
    const icaltimetype b = icalproperty_get_dtstart(beginn);
    t.Datum = DatumZuZahl(b.year, b.month, b.day);
    t.Beginn = b.hour * 60 + b.minute;
    if (icalproperty* ende = icalcomponent_get_first_property(e, ICAL_DTEND_PROPERTY)) {
      const icaltimetype z = icalproperty_get_dtend(ende);
      t.Ende = z.hour * 60 + z.minute;
    }
    t.Zusammenfassung = Text(icalcomponent_get_summary(e));
    t.Ort = Text(icalcomponent_get_location(e));
    t.Beschreibung = Text(icalcomponent_get_description(e));
    t.Abgesagt = icalcomponent_get_status(e) == ICAL_STATUS_CANCELLED;
    if (icalproperty* p = icalcomponent_get_first_property(e, ICAL_TRANSP_PROPERTY))
      t.Frei = icalproperty_get_transp(p) == ICAL_TRANSP_TRANSPARENT;
    t.Sequenz = icalcomponent_get_sequence(e);
    if (icalproperty* p = icalcomponent_get_first_property(e, ICAL_LASTMODIFIED_PROPERTY))
      t.Geaendert = ZuZahl(icalproperty_get_lastmodified(p));
    kalender.Termine.push_back(std::move(t));
  }
  return kalender;
}

TDateTime IcalOrtszeitZuUtc(TDateTime ortszeit) {
  FehlerNichtTodlich();
  std::unique_ptr<icaltimezone, TZoneFrei> zone(icaltimezone_new());
  icaltimezone_set_component(zone.get(), Zeitzone());
  icaltimetype t = AusZahl(ortszeit);
  t.zone = zone.get();
  return ZuZahl(icaltime_convert_to_zone(t, icaltimezone_get_utc_timezone()));
}
