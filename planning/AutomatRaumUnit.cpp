#include "planning/AutomatRaumUnit.h"

#include <cstddef>

#include "model/KursUnit.h"
#include "model/RaumUnit.h"

namespace {
// Zweiteiliger Graph Kurs -> brauchbare Räume, die Räume als Nummern in der Folge ihres ersten
// Auftretens (keine Ordnung nach Adressen).
struct TRaumGraph {
  std::vector<TRaum*> raeume;
  std::vector<std::vector<int>> kanten;  // je Kurs die Nummern seiner brauchbaren Räume
  std::vector<bool> braucht;             // der Kurs hat Räume

  int Nummer(TRaum* r) {
    for (std::size_t i = 0; i < raeume.size(); ++i)
      if (raeume[i] == r) return static_cast<int>(i);
    raeume.push_back(r);
    return static_cast<int>(raeume.size()) - 1;
  }
};

// Erweiternder Weg für Kurs k (Kuhn).
bool Erweitere(const TRaumGraph& g, int k, std::vector<int>& inhaber, std::vector<bool>& besucht,
               const std::vector<bool>& vergeben) {
  for (int r : g.kanten[static_cast<std::size_t>(k)]) {
    const auto ri = static_cast<std::size_t>(r);
    if (vergeben[ri] || besucht[ri]) continue;
    besucht[ri] = true;
    if (inhaber[ri] < 0 || Erweitere(g, inhaber[ri], inhaber, besucht, vergeben)) {
      inhaber[ri] = k;
      return true;
    }
  }
  return false;
}

// Finden die Kurse ab Nummer ab alle einen Raum, wenn die vergebenen Räume fehlen?
bool Zuordenbar(const TRaumGraph& g, std::size_t ab, const std::vector<bool>& vergeben) {
  std::vector<int> inhaber(g.raeume.size(), -1);
  for (std::size_t k = ab; k < g.kanten.size(); ++k) {
    if (!g.braucht[k]) continue;
    std::vector<bool> besucht(g.raeume.size(), false);
    if (!Erweitere(g, static_cast<int>(k), inhaber, besucht, vergeben)) return false;
  }
  return true;
}
}  // namespace

bool VerschiedeneRaeume(const std::vector<const TKurs*>& kurse,
                        const std::function<bool(const TRaum*)>& brauchbar,
                        std::vector<TRaum*>* wahl) {
  TRaumGraph g;
  for (const TKurs* k : kurse) {
    std::vector<int> kanten;
    for (TRaum* r : k->fRaeume)
      if (brauchbar(r)) kanten.push_back(g.Nummer(r));
    g.kanten.push_back(std::move(kanten));
    g.braucht.push_back(!k->fRaeume.empty());
  }
  std::vector<bool> vergeben(g.raeume.size(), false);
  if (!Zuordenbar(g, 0, vergeben)) return false;
  if (!wahl) return true;
  // Die erste Wahl in Listenfolge: je Kurs der erste Raum, nach dem die übrigen noch Räume finden.
  wahl->assign(kurse.size(), nullptr);
  for (std::size_t k = 0; k < g.kanten.size(); ++k) {
    if (!g.braucht[k]) continue;
    for (int r : g.kanten[k]) {
      const auto ri = static_cast<std::size_t>(r);
      if (vergeben[ri]) continue;
      vergeben[ri] = true;
      if (Zuordenbar(g, k + 1, vergeben)) {
        (*wahl)[k] = g.raeume[ri];
        break;
      }
      vergeben[ri] = false;
    }
  }
  return true;
}
