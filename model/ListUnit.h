// Die geordnete Liste mit Zeiger (Cursor). Positionen zählen nach außen ab 1, der Zeiger
// fAktuell ab 0. Eine besitzende Liste (Besitz = true) hält ihre Einträge als unique_ptr.
#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

template <class T, bool Besitz = false>
class TListe {
 public:
  using Halter = std::conditional_t<Besitz, std::unique_ptr<T>, T*>;
  using ListeVergleich = std::function<int(const T*, const T*)>;
  using ListeGleich = std::function<bool(const T*, const T*)>;
  using ListeWocheGleich = std::function<bool(int, const T*, const T*)>;
  using ListeAufgabe = std::function<void(T*)>;

  TListe() = default;
  TListe(const TListe&) = delete;
  TListe& operator=(const TListe&) = delete;
  TListe(TListe&&) noexcept = default;
  TListe& operator=(TListe&&) noexcept = default;

  int fAktuell = 0;

  // Fügt nach dem Vergleich ein: hinter allen gleich eingestuften Einträgen.
  // Ein fehlender Eintrag wird übergangen. Der Zeiger steht danach auf dem neuen Eintrag.
  void ListeEinfuegen(Halter item, const ListeVergleich& vergleich) {
    T* roh = Roh(item);
    if (!roh) return;
    std::size_t lo = 0, hi = fEintraege.size();
    while (lo < hi) {
      const std::size_t mitte = (lo + hi) / 2;
      if (vergleich(Roh(fEintraege[mitte]), roh) <= 0)
        lo = mitte + 1;
      else
        hi = mitte;
    }
    fEintraege.insert(fEintraege.begin() + static_cast<std::ptrdiff_t>(lo), std::move(item));
    fAktuell = static_cast<int>(lo);
  }

  // Hängt an; der Zeiger steht auf dem letzten Eintrag.
  void ListeAnhaengen(Halter item) {
    fEintraege.push_back(std::move(item));
    fAktuell = static_cast<int>(fEintraege.size()) - 1;
  }

  // Entfernt den Eintrag am Zeiger (bei einer besitzenden Liste wird er zerstört).
  // Steht der Zeiger danach hinter dem Ende, springt er auf 0.
  void ListeLoeschen() {
    if (fAktuell < 0 || fAktuell >= ListeZahlElemente()) return;
    fEintraege.erase(fEintraege.begin() + fAktuell);
    if (fAktuell >= ListeZahlElemente()) fAktuell = 0;
  }

  // Nimmt den Eintrag am Zeiger heraus, ohne ihn zu zerstören.
  Halter ListeHerausnehmen() {
    if (fAktuell < 0 || fAktuell >= ListeZahlElemente()) return Halter{};
    Halter h = std::move(fEintraege[fAktuell]);
    fEintraege.erase(fEintraege.begin() + fAktuell);
    if (fAktuell >= ListeZahlElemente()) fAktuell = 0;
    return h;
  }

  // Entfernt alle Einträge (eine besitzende Liste zerstört sie dabei, vom ersten an).
  void ListeLeeren() {
    if constexpr (Besitz) {
      // Einträge können beim Zerstören noch auf die Liste zugreifen: einzeln herausnehmen, so
      // dass der zerstörte nicht mehr und alle übrigen noch darin stehen. Umgedreht, damit jedes
      // Herausnehmen hinten geschieht (vorne kostete jedes ein Verschieben des ganzen Rests).
      std::reverse(fEintraege.begin(), fEintraege.end());
      while (!fEintraege.empty()) {
        Halter h = std::move(fEintraege.back());
        fEintraege.pop_back();
        h.reset();
      }
    } else {
      fEintraege.clear();
    }
    fAktuell = 0;
  }

  // Sucht ab dem Zeiger, einmal herum, einen Eintrag, für den gleich(item, eintrag) gilt.
  bool ListeEnthalten(const T* item, const ListeGleich& gleich) {
    const int n = ListeZahlElemente();
    if (n == 0) return false;
    int start = (fAktuell >= 0 && fAktuell < n) ? fAktuell : 0;
    for (int k = 0; k < n; ++k) {
      const int i = (start + k) % n;
      if (gleich(item, Roh(fEintraege[i]))) {
        fAktuell = i;
        return true;
      }
    }
    return false;
  }

  bool ListeWocheEnthalten(int woche, const T* item, const ListeWocheGleich& gleich) {
    return ListeEnthalten(item, [&](const T* a, const T* b) { return gleich(woche, a, b); });
  }

  // Sucht nach Identität; bei Erfolg steht der Zeiger dort.
  bool ListeElemEnthalten(const T* item) {
    for (std::size_t i = 0; i < fEintraege.size(); ++i)
      if (Roh(fEintraege[i]) == item) {
        fAktuell = static_cast<int>(i);
        return true;
      }
    return false;
  }

  // Ruft die Aufgabe für jeden Eintrag auf, vom ersten bis zum letzten; die Anzahl wird vorher
  // festgestellt.
  void ListeDurchlauf(const ListeAufgabe& aufgabe) {
    const std::size_t n = fEintraege.size();
    for (std::size_t i = 0; i < n && i < fEintraege.size(); ++i) aufgabe(Roh(fEintraege[i]));
  }

  T* ListeInhalt() const {
    if (fAktuell < 0 || fAktuell >= ListeZahlElemente()) return nullptr;
    return Roh(fEintraege[fAktuell]);
  }

  T* ListeNrInhalt(int nr) const {
    if (nr <= 0 || nr > ListeZahlElemente()) return nullptr;
    return Roh(fEintraege[nr - 1]);
  }

  int ListeElemNr(const T* item) const {
    for (std::size_t i = 0; i < fEintraege.size(); ++i)
      if (Roh(fEintraege[i]) == item) return static_cast<int>(i) + 1;
    return 0;
  }

  void ListeNext() {
    const int n = ListeZahlElemente();
    if (n == 0) return;
    fAktuell = (fAktuell + 1 >= n) ? 0 : fAktuell + 1;
  }
  void ListePrev() {
    const int n = ListeZahlElemente();
    if (n == 0) return;
    fAktuell = (fAktuell <= 0) ? n - 1 : fAktuell - 1;
  }
  void ListeAnfang() { fAktuell = 0; }
  void ListeEnde() { fAktuell = ListeZahlElemente() - 1; }
  bool ListeAmAnfang() const { return ListeZahlElemente() == 0 || fAktuell == 0; }
  bool ListeAmEnde() const {
    return ListeZahlElemente() == 0 || fAktuell == ListeZahlElemente() - 1;
  }
  int ListeZahlElemente() const { return static_cast<int>(fEintraege.size()); }

  // Stabiler Austauschsortierer: Durchgänge über Nachbarpaare, bis einer nichts tauscht.
  // Liefert die Zahl der Durchgänge (für Tests).
  int ListeSort(const ListeVergleich& vergleich) {
    if (fEintraege.size() < 2) return 0;
    int durchgaenge = 0;
    bool getauscht = true;
    while (getauscht) {
      getauscht = false;
      ++durchgaenge;
      for (std::size_t i = 0; i + 1 < fEintraege.size(); ++i)
        if (vergleich(Roh(fEintraege[i]), Roh(fEintraege[i + 1])) > 0) {
          std::swap(fEintraege[i], fEintraege[i + 1]);
          getauscht = true;
        }
    }
    return durchgaenge;
  }

  // Entfernt einen bestimmten Eintrag (Identität); wahr, wenn er enthalten war.
  bool ListeElemEntfernen(const T* item) {
    if (!ListeElemEnthalten(item)) return false;
    ListeLoeschen();
    return true;
  }

  // Zugriff für Schleifen: Positionen 0..n-1.
  T* operator[](std::size_t i) const { return Roh(fEintraege[i]); }
  std::size_t size() const { return fEintraege.size(); }
  bool empty() const { return fEintraege.empty(); }

  // Momentaufnahme der Einträge (für Durchläufe, während derer sich die Liste ändert).
  std::vector<T*> Kopie() const {
    std::vector<T*> v;
    v.reserve(fEintraege.size());
    for (const auto& h : fEintraege) v.push_back(Roh(h));
    return v;
  }

  class Iterator {
   public:
    Iterator(const TListe* l, std::size_t i) : fListe(l), fI(i) {}
    T* operator*() const { return (*fListe)[fI]; }
    Iterator& operator++() {
      ++fI;
      return *this;
    }
    bool operator!=(const Iterator& o) const { return fI != o.fI; }

   private:
    const TListe* fListe;
    std::size_t fI;
  };
  Iterator begin() const { return Iterator(this, 0); }
  Iterator end() const { return Iterator(this, fEintraege.size()); }

 private:
  static T* Roh(const Halter& h) {
    if constexpr (Besitz)
      return h.get();
    else
      return h;
  }
  std::vector<Halter> fEintraege;
};

// Eine Liste, die ihre Einträge besitzt.
template <class T>
using TEigenListe = TListe<T, true>;
