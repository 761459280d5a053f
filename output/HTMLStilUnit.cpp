#include "output/HTMLStilUnit.h"

const std::string& HTMLStilvorlage() {
  static const std::string stil = R"(/* tamrel.css: Aussehen der Plan- und Vertretungsseiten.
   Diese Datei darf angepasst werden; ein neuer Export ersetzt sie nicht. */

body {
  margin: 1em 2em;
  background: #ffffff;
  color: #1a1a1a;
  font-family: "Liberation Sans", Arial, Helvetica, sans-serif;
  font-size: 11pt;
}

h1 {
  margin: 0.2em 0;
  font-size: 1.5em;
  color: #1f3f66;
}

h2 {
  margin: 0.4em 0;
  font-size: 1.2em;
}

h3 {
  margin: 0.3em 0;
  font-size: 1.1em;
  color: #1f3f66;
}

a {
  color: #1f4f8f;
  text-decoration: none;
}

a:hover {
  text-decoration: underline;
}

table {
  border-collapse: collapse;
  margin: 0.5em 0;
}

th, td {
  border: 1px solid #9aa8b8;
  padding: 0;
  vertical-align: top;
}

th {
  background: #dde6f0;
}

/* Zellen der Stundenpläne, Listen und Kurstabellen */
.Plan {
  padding: 0.2em 0.5em;
  min-width: 5em;
}

/* Kopfzellen: Tage, Stunden, Spaltentitel */
.Titel {
  padding: 0.2em 0.5em;
  font-weight: bold;
  color: #1f3f66;
  text-align: center;
  white-space: nowrap;
}

/* Die fünf Spalten einer Vertretungszeile */
.Eins, .Zwei, .Drei, .Vier, .Fuenf, .Null {
  padding: 0.2em 0.5em;
}

.Eins {
  font-weight: bold;
  text-align: right;
  white-space: nowrap;
}

.Zwei {
  color: #5a5a5a;
}

.Drei {
  color: #8a8a8a;
  text-align: center;
}

.Vier {
  font-weight: bold;
}

.Fuenf {
  font-style: italic;
}

/* Kurzfristig eingetragene Vertretungen */
.Adhoc {
  color: #b00000;
}

hr {
  border: 0;
  border-top: 1px solid #9aa8b8;
}
)";
  return stil;
}
