// Offer commands of the deposits window: the catalogue's add, edit, clone and
// deletions, the offer of a deposit, the offer file and the web import.
#include "ui/TLokatyFormGlowny.h"

#include "domain/THarmonogramLokatyBankowej.h"

void TLokatyFormGlowny::DodajLubNadpiszHarmonogram(std::unique_ptr<THarmonogramLokatyBankowej>&) {}

void TLokatyFormGlowny::NadpiszHarmonogram(const THarmonogramLokatyBankowej&,
                                           THarmonogramLokatyBankowej&) {}

void TLokatyFormGlowny::UsunHarmonogram(THarmonogramLokatyBankowej*, bool) {}

void TLokatyFormGlowny::sbtn_DodajLokateBankowaClick() {}

void TLokatyFormGlowny::sbtn_EdytujLokateBankowaClick() {}

void TLokatyFormGlowny::sbtn_UsunLokateBankowaClick() {}

void TLokatyFormGlowny::Klonuj1Click() {}

void TLokatyFormGlowny::Usuwszystkieztegobanku1Click() {}

void TLokatyFormGlowny::Usuwszystkie1Click() {}

void TLokatyFormGlowny::Informacjeolokaciebankowej1Click() {}

void TLokatyFormGlowny::btn_AktualizujLokatyClick() {}

void TLokatyFormGlowny::sbtn_OdczytajLokatyBankoweZPlikuClick() {}

void TLokatyFormGlowny::sbtn_EksportujDoplikuClick() {}
