#include "app/WyborCeluEksportu.h"

#include "app/Komunikaty.h"
#include "domain/OchronaPlikuDanych.h"
#include "platform/IFileChooser.h"
#include "platform/Platform.h"

QString WybierzCelEksportu(const QString& tytul, const QString& filtr, const QString& nazwa,
                           const QString& plikDanych) {
    QString proponowana = nazwa;
    for (;;) {
        const QString sciezka = Platform::fileChooser().chooseFileToSave(tytul, filtr, proponowana);
        if (sciezka.isEmpty())
            return {};
        const QString odmowa = OdmowaZapisuEksportu(sciezka, plikDanych);
        if (odmowa.isEmpty())
            return sciezka;
        PokazBlad(odmowa);
        proponowana = sciezka;
    }
}
