#include "pages/school_dialogs.h"

#include "catalog/catalogue_loader.h"
#include "model/encoding.h"

namespace zev {

void SchulartDialogZeigen(SchulartDialogModell& d, const KomboListe& schularten) {
    CodeFeldZeigen(d.schulart, schularten, "");
    d.schulart.index = 0;
}

std::string SchulartDialogErgebnis(const SchulartDialogModell& d) {
    return d.schulart.schluessel;
}

UEDialogListen UEDialogListenAufbauen(const Kataloge& k) {
    UEDialogListen l;
    l.schulart = SortierteKomboAus(k(39));
    l.jahrgang = SortierteKomboAus(k(27));
    l.fach = SortierteKomboAus(k(14));
    l.kurs = SortierteKomboAus(k(28));
    l.bilingual = SortierteKomboAus(k(13));
    l.stunden = KomboAus(k(107));
    return l;
}

void UEDialogZeigen(UEDialogModell& d, const TUnterrichtseinheitDS& puffer, const UEDialogListen& listen,
                    const Katalog& lehrerAuswahl, std::string_view titel) {
    d.titel = std::string(titel);
    d.ueId = std::to_string(puffer.UE_ID.get());
    CodeFeldZeigen(d.schulart, listen.schulart, Cp1252ToUtf8(puffer.Schulart.view()));
    CodeFeldZeigen(d.jahrgang, listen.jahrgang, Cp1252ToUtf8(puffer.Jahrgang.view()));
    d.klasse = Cp1252ToUtf8(puffer.Klasse.view());
    CodeFeldZeigen(d.fach, listen.fach, Cp1252ToUtf8(puffer.Fach.view()));
    CodeFeldZeigen(d.kurs, listen.kurs, Cp1252ToUtf8(puffer.Kurs.view()));
    CodeFeldZeigen(d.bilingual, listen.bilingual, Cp1252ToUtf8(puffer.Bilingual.view()));
    d.stunden = Cp1252ToUtf8(puffer.Stunden.view());
    d.lehrerListe = KomboAus(lehrerAuswahl);
    CodeFeldZeigen(d.lehrer, d.lehrerListe, Cp1252ToUtf8(puffer.Lehrer.view()));
}

void UEDialogUebernehmen(const UEDialogModell& d, TUnterrichtseinheitDS& puffer) {
    puffer.Schulart = Utf8ToCp1252(d.schulart.schluessel);
    puffer.Jahrgang = Utf8ToCp1252(d.jahrgang.schluessel);
    puffer.Klasse = Utf8ToCp1252(d.klasse);
    puffer.Fach = Utf8ToCp1252(d.fach.schluessel);
    puffer.Kurs = Utf8ToCp1252(d.kurs.schluessel);
    puffer.Bilingual = Utf8ToCp1252(d.bilingual.schluessel);
    puffer.Stunden = Utf8ToCp1252(d.stunden);
    puffer.Lehrer = Utf8ToCp1252(d.lehrer.schluessel);
}

} // namespace zev
