#pragma once
// Fragments of HTML treated as plain text: the helpers the offer page parser
// builds its fields with. They keep no state.
#include <QChar>
#include <QString>
#include <QStringList>

// The text with every tag removed: while a "<" is left, the span from it
// through the first ">" after it goes. A "<" that no ">" follows drops the
// rest of the text. Character references stay as they are.
QString UsunZnacznikiHTML(const QString& tekst);

// The text with its first character upper-cased ("ł" becomes "Ł"); a blank
// text comes back unchanged, a single character is upper-cased whole.
QString PierwszaLiteraDuza(const QString& tekst);

// Clears `lista` and fills it with the items of `tekst`. Apostrophes become
// backquotes first; items end at `separator`, a carriage return, a line feed
// or the end; spaces, carriage returns and line feeds at an item's start are
// skipped; a double-quoted stretch (quotes kept) is never split; empty items
// are dropped.
void PodzielTekst(QChar separator, const QString& tekst, QStringList& lista);

// Text taken from serialised inner markup as a reader of the page sees it:
// the references the serialisation writes ("&amp;", "&lt;", "&gt;", "&quot;")
// become their characters and "&nbsp;" a plain space. Every other "&" was a
// literal ampersand on the page and stays.
QString DekodujZnakiHTML(const QString& tekst);
