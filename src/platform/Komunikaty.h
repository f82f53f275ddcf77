#pragma once
#include <QString>

// The two kinds of message box the system shows, through Platform's message
// boxes: errors and refusals ("BŁĄD !!!", error icon, OK) and questions
// ("UWAGA !!!", warning icon, Yes/No; only Yes proceeds).
inline const QString kTytulBledu = QStringLiteral("BŁĄD !!!");
inline const QString kTytulPytania = QStringLiteral("UWAGA !!!");

void PokazBlad(const QString& text);
bool ZapytajTakNie(const QString& text);
void PokazInformacje(const QString& caption, const QString& text);
