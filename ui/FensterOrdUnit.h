// Die Regeln des Dialogs "Fensteranordnung" und des Umordnens aller Fenster.
#pragma once

// "Ok" mit dem gewählten Modus: falsch (wie "Abbrechen"), wenn er dem gespeicherten gleicht;
// sonst wird er gespeichert (fFensterOrd) und die Fenster sind neu anzuordnen.
bool FensterOrdUebernehmen(int ord);
// Das Umordnen bewegt jedes Fenster außer dem Manuellfenster.
bool WirdAngeordnet(int fensterArt);
