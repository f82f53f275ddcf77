#pragma once
#include <QString>

// The two kinds of message box the system shows, through Platform's message
// boxes: errors and refusals ("BŁĄD !!!", error icon, OK) and questions
// ("UWAGA !!!", warning icon, Yes/No; only Yes proceeds).
inline const QString kTytulBledu = QStringLiteral("BŁĄD !!!");
inline const QString kTytulPytania = QStringLiteral("UWAGA !!!");

void PokazBlad(const QString& text);
bool ZapytajTakNie(const QString& text);
// A question whose "Tak" destroys or drops data: "Nie" is the default button.
bool ZapytajPrzedUtrataDanych(const QString& text);
// Opens a web page in the user's browser. When no browser takes it, the
// user is told so and gets the address as text to copy.
void OtworzStroneWWW(const QString& adres);
void PokazInformacje(const QString& caption, const QString& text);
// The refusal of every command that finds no project or collections.
const QString& TekstBrakuPolaczeniaZBaza();
void PokazBrakPolaczeniaZBaza();
