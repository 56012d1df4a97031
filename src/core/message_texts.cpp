// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/message_texts.h"

#include <algorithm>
#include <unordered_map>

namespace tavoric {

namespace {

struct Entry {
    const char* key;
    const char* text;
};

// The built-in Dutch texts, in the order a language file is read.
constexpr Entry kDefaults[] = {
    {"ZB00011", "&Opslaan"},
    {"ZB00012", "&Niet opslaan"},
    {"ZB00013", "&Annuleren"},
    {"ZB00016", "&Overschrijven"},
    {"ZB00017", "&Niet overschrijven"},
    {"ZB00018", "&Verwijderen"},
    {"ZB00019", "&Niet verwijderen"},
    {"ZB00020", "&OK"},
    {"ZB00021", "&Ja"},
    {"ZB00022", "&Nee"},
    {"AA00003", "Rapport"},
    {"AA00004", "Pagina %s van %s"},
    {"AA00005",
     "Er zijn op deze computer geen printers ge\xef"
     "nstalleerd. %s functioneert hierdoor niet optimaal. Installeer een printer."},
    {"AA00006",
     "Kan bestand \"%s\" niet opslaan. Mogelijk geen schrijfrechten of schijf is "
     "schrijfbeveiligd."},
    {"AA00007", "Parkeeronderzoek Centrum Demodorp"},
    {"AA00008", "Dag, datum"},
    {"AA00009", "Droog, circa 15 graden"},
    {"AA00010", "Namen"},
    {"AA00011", "Opdrachtgever: Gemeente Demodorp"},
    {"AA00012", "Weersgesteldheid:"},
    {"AA00013", "Uitvoerenden:"},
    {"AA00014", "Onderzoeksperiode van %s tot %s uur"},
    {"AA00015", "Routes"},
    {"AA00016", "Rout Omschrijving                   Inerval"},
    {"AA00017", "Secties"},
    {"AA00018", "Rout Sec  Omschrijving"},
    {"AA00019", "Parkeerplaatsen"},
    {"AA00020", "Rout Sec  Ppl  Type"},
    {"AA00021", "Parkeerplaatstype:"},
    {"AA00022", "Kentekens"},
    {"AA00023", "Rout Sec  Ppl  PPE       Kent   Opm"},
    {"AA00024", "Periode van %s tot %s uur"},
    {"AA00025", "Aantal parkeerplaatsen in selectie:"},
    {"AA00026", "Parkeerduurmeting per parkeerplaats"},
    {"AA00027", "vtg"},
    {"AA00028", "Totaal"},
    {"AA00029", "/Gemid"},
    {"AA00030", "deld  "},
    {"AA00031", "Parkeerduurmeting naar interval"},
    {"AA00032", "Bestand \"%s\" bestaat al."},
    {"AA00033", "Illegale parkeerplaatsen niet meetellen bij bepalen totale capaciteit in ppl."},
    {"AA00034", "Illegale parkeerplaatsen niet meetellen bij bepalen totale capaciteit in ppe."},
    {"AA00035", "Kan bestand \"%s\" niet openen."},
    {"AA00036", "Route "},
    {"AA00037", "nr    "},
    {"AA00038", "Sec   "},
    {"AA00039", "Ppl   "},
    {"AA00040", "type  "},
    {"AA00041", "Capa"},
    {"AA00042", "citeit"},
    {"AA00043", "ppl"},
    {"AA00044", "ppe"},
    {"AA00045", "Parkee"},
    {"AA00046", "rduurv"},
    {"AA00047", "erdeli"},
    {"AA00048", "ng (mi"},
    {"AA00049", "nuten)"},
    {"AA00050", "Parke"},
    {"AA00051", "erdruk"},
    {"AA00052", "Fout"},
    {"AA00053", "park"},
    {"AA00054", "Gemid"},
    {"AA00055", "bezet"},
    {"AA00056", "graad"},
    {"AA00057", "duur"},
    {"AA00058", "min"},
    {"AA00059", "turn"},
    {"AA00060", "over"},
    {"AA00061", "Interv"},
    {"AA00062", "al    "},
    {"AA00063", "Van   "},
    {"AA00064", "Tot   "},
    {"AA00065", "Aantal"},
    {"AA00066", "   vtg"},
    {"AA00067", "Parkee"},
    {"AA00068", "rdruk "},
    {"AA00069", "(vtg) "},
    {"AA00070", "Detaillijst"},
    {"AA00071", "Interval"},
    {"AA00072", "Rout Sec  Ppl  T Kenteken"},
    {"AA00073", "Geen kentekens gevonden in deze selectie."},
    {"AA00074", "Waarnemer:"},
    {"AA00075", "Datum:"},
    {"AA00076", "Opmerking:  F = Fout geparkeerd"},
    {"AA00077", "            B = Parkeerplaats geblokkeerd"},
    {"AA00078", "Rout Sec  Ppl  PPE       Kenteken        Opmerking"},
    {"AA00079", "Geen type parkeerplaats opgegeven."},
    {"AA00080", "Nieuwe route"},
    {"AA00081", "T&oevoegen"},
    {"AA00082", "Route wijzigen"},
    {"AA00083", "&Wijzigen"},
    {"AA00084", "Routenummer bestaat al."},
    {"AA00085", "Nieuwe sectie"},
    {"AA00086", "Sectie wijzigen"},
    {"AA00087", "Sectienummer bestaat al."},
    {"AA00088",
     "De lijst met parkeerplaatsen bevat dubbele parkeerplaatsnummers. Verwijder deze uit de "
     "lijst."},
    {"AA00089", "Geselecteerde parkeerplaats(en) en bijbehorende kentekens verwijderen?"},
    {"AA00090",
     "Indien u parkeerplaatsen heeft toegevoegd, kies dan nu de functie \"Parkeerplaatseenheden "
     "genereren\" voor de nieuwe parkeerplaatsen."},
    {"AA00091",
     "Gegenereerde parkeerplaatseenheden toevoegen/overschrijven? Eventueel ingevoerde kentekens "
     "bij de geselecteerde parkeerplaatsen gaan hierbij verloren!\r\rDoorgaan?"},
    {"AA00092", "Route met bijbehorende secties, parkeerplaatsen en kentekens verwijderen?"},
    {"AA00093", "Sectie met bijbehorende parkeerplaatsen en kentekens verwijderen?"},
    {"AA00094", "      "},
    {"AA00095", "Afkortingen in tabel:"},
    {"AA00096", "- Capaciteit - ppl - ppe: Capaciteit - parkeerplaatsen - parkeerplaatseenheden"},
    {"AA00097", "- Parkeerdruk - vtg - ppe: Parkeerdruk - voertuigen - parkeerplaatseenheden"},
    {"AA00098", "- Fout park vtg: Fout geparkeerde voertuigen"},
    {"AA00099", "- Gemid bezet graad: Gemiddelde bezettingsgraad (in %)"},
    {"AA00100", "- Gemid park duur: Gemiddelde parkeerduur (in minuten/voertuig)"},
    {"AA00101", "- Gemid turn over: Gemiddelde turn-over (in voertuigen/parkeerplaats)"},
    {"AA00167",
     "Kan instellingenbestand \"%s\" niet opslaan. Mogelijk geen schrijfrechten of schijf is "
     "schrijfbeveiligd."},
    {"AA00180", "Printer:"},
    {"AA00181", "%s @ internet..."},
    {"AA00194", "Bestand opslaan?"},
    {"AA00195", "Bestand overschrijven?"},
    {"AA00196", "Bestand \"%s\" is gewijzigd."},
    {"AA00220",
     "Dit rapport bevat geen tabel: exporteren als CSV is niet mogelijk, alleen als tekst."},
    {"AA00221", "Na %s ontbreekt de bestandsnaam."},
    {"AA00222", "%s is meer dan eens opgegeven."},
    {"AA00223", "Kan het rapport niet naar de standaarduitvoer schrijven: %s"},
    {"AA00224",
     "Onbekend onderdeel \"%s\" bij --include; mogelijk zijn routes, sections, places en plates."},
    {"AA00225",
     "--txt en --csv noemen hetzelfde bestand \"%s\": het ene zou het andere overschrijven."},
    {"AA00200",
     "Parkeerplaatsen %s tot en met %s passen niet: het hoogste parkeerplaatsnummer is 9999. Er "
     "zijn geen parkeerplaatsen toegevoegd; kies een lager beginnummer of minder parkeerplaatsen."},
    {"AA00201",
     "Voor %s parkeerplaats(en) zijn geen parkeerplaatseenheden gegenereerd: hun route heeft geen "
     "geldig waarnemingsinterval (0 of geen geheel getal). Geef de route een interval van minstens "
     "1 minuut en genereer deze parkeerplaatsen opnieuw."},
    {"AA00240",
     "Onbekende opdracht \"%s\". Een overzicht van de opdrachten geeft tavoric-cli --help."},
    {"AA00241", "Ongeldige waarde \"%s\" bij %s: geef een geheel getal van %s tot en met %s."},
    {"AA00230", "Route \"%s\" staat niet in de lijst met routes."},
    {"AA00231", "Sectie \"%s\" staat niet in de lijst met secties van de geselecteerde routes."},
    {"AA00232",
     "Parkeerplaats \"%s\" staat niet in de lijst met parkeerplaatsen van de geselecteerde "
     "secties."},
    {"AA00233",
     "Type \"%s\" staat niet in de lijst met typen van de geselecteerde parkeerplaatsen."},
    {"AA00234", "Ongeldige tijd \"%s\" bij %s: geef een geheel getal, bijvoorbeeld 0630."},
    {"AA00235",
     "Ongeldige duurklassen \"%s\": geef vijf klassen van-tot in hele minuten (0 tot en met "
     "9999999), gescheiden door komma's, bijvoorbeeld 0-30,30-60,60-120,120-240,240-1440."},
    {"AA00236", "Parkeerduurmeting NIET mogelijk!"},
    {"AA00237", "Waarnemingsintervallen geselecteerde routes (niet op volgorde): %s minuten."},
    {"AA00250", "PDF-bestanden (*.pdf)"},
    {"AA00251", "Kan het rapport niet afdrukken op printer \"%s\"."},
    {"AA00252", "Kan de pagina's van het PDF-bestand \"%s\" niet tekenen."},
    {"AA00260",
     "Ongeldige tijd \"%s\" bij %s: geef een geheel getal van vier cijfers (uren en minuten), "
     "bijvoorbeeld 0630."},
    {"AA00261", "het begin van de periode"},
    {"AA00262", "het einde van de periode"},
    {"AA00270", "Kan het bestand \"%s\" niet openen."},
    {"AA00271",
     "Het helpbestand \"%s\" is niet gevonden. Kies onder Extra, Language een ander helpbestand."},
    {"AA00272", "< &Terug"},
    {"AA00273", "&Vooruit >"},
    {"AA00274", "Af&drukken..."},
    {"AA00275", "Tavoric - Help"},
    {"AA00276", "Kan het sjabloon \"%s\" niet schrijven: %s"},
    {"AA00300", "Het bestand of de map bestaat niet."},
    {"AA00301", "Geen toegang: u hebt onvoldoende rechten."},
    {"AA00302", "Dit is een map, geen bestand."},
    {"AA00303", "De schijf is vol."},
    {"AA00304", "De schijf is alleen-lezen (schrijfbeveiligd)."},
    {"AA00305", "Te veel symbolische koppelingen na elkaar (mogelijk een kring)."},
    {"AA00306", "De naam is te lang."},
    {"AA00307", "Het bestand is te groot."},
    {"AA00308", "Een deel van het pad is geen map."},
    {"AA00309", "Lees- of schrijffout van de schijf."},
    {"AA00310", "Het bestand is alleen-lezen: u mag het niet wijzigen."},
    {"AA00311", "Dit is geen gewoon bestand maar een apparaat, FIFO of socket."},
    {"AA00312", "Kan bestand \"%s\" niet opslaan: in de map \"%s\" mag u geen bestanden maken."},
    {"AA00313", "Niet genoeg geheugen voor deze opdracht."},
    {"AA00314", "Bestand \"%s\" is geen Tavoric-project: het bevat geen van de onderdelen van een projectbestand. Er is niets gewijzigd."},
    {"AA00315", "Uitvoerbestand \"%s\" is hetzelfde bestand als \"%s\": het ene zou het andere overschrijven. Er is niets geschreven."},
    {"AA00316", "Het rapport naar interval is te groot voor deze selectie: %s perioden en %s verschillende aanwezigheidspatronen (ten hoogste %s perioden en %s tabelcellen). Kies een korter tijdvak of minder routes, secties of parkeerplaatsen."},
    {"AA00317", "Kan niet naar de standaarduitvoer schrijven: %s"},
    {"AA00318", "Geen waarnemingsinterval opgegeven. Geef het interval in hele minuten (0 tot en met 9999)."},
    {"AA00319", "Het rapport naar interval is te groot voor deze selectie: %s perioden en %s verschillende aanwezigheidspatronen; bij %s perioden passen ten hoogste %s patronen (%s tabelcellen). Kies een korter tijdvak of minder routes, secties of parkeerplaatsen."},
    {"AA00320", "De detaillijst van het rapport naar interval is te groot voor deze selectie: %s voertuigen bij %s perioden, ten hoogste %s voertuigen. Kies een korter tijdvak of minder routes, secties of parkeerplaatsen, of laat de detaillijst weg."},
    {"AA00321", "Projectbestand \"%s\" is als UTF-8 opgeslagen. Deze tekens bestaan niet in de tekenset van het programma en zijn vervangen door \"?\": %s"},
    {"AA00600", "Herstelbestand gevonden"},
    {"AA00601", "Van project \"%s\" is een herstelbestand van %s bewaard met wijzigingen die niet zijn opgeslagen.\r\rHerstellen opent het herstelbestand; het project zelf verandert pas als u opslaat."},
    {"AA00602", "Van een nieuw project dat nooit is opgeslagen (onderzoeksgebied \"%s\") is een herstelbestand van %s bewaard.\r\rHerstellen opent het herstelbestand als nieuw project."},
    {"AA00603", "&Herstellen"},
    {"AA00604", "&Later"},
    {"AA00605", "Herstelbestand onleesbaar"},
    {"AA00606", "Het herstelbestand van \"%s\" kan niet worden gelezen: het is afgebroken of geen herstelbestand van %s. Het wordt niet geladen."},
    {"AA00607", "Kan geen herstelbestand schrijven in \"%s\": %s. Het wordt later opnieuw geprobeerd."},
    {"AA00608", "Project \"%s\" is gewijzigd na dit herstelbestand: het bestand is van %s, het herstelbestand van %s."},
    {"AA00609", "Het nieuwste herstelbestand is beschadigd; dit is het vorige, van %s."},
    {"AA00610", "Project in gebruik"},
    {"AA00611", "Project \"%s\" is geopend door %s op %s (proces %s) sinds %s."},
    {"AA00612", "Alleen lezen: u kunt het project bekijken en onder een andere naam opslaan. Toch openen: beide programma's kunnen het bestand overschrijven."},
    {"AA00613", "&Alleen lezen openen"},
    {"AA00614", "&Toch openen"},
    {"AA00615", "Er is niets geschreven: het project is in gebruik. Sluit het in dat programma, of schrijf naar een ander bestand."},
    {"AA00616", "Project \"%s\" is alleen lezen geopend. Kies Opslaan als... om het onder een andere naam op te slaan."},
    {"AA00617", "Bestand gewijzigd"},
    {"AA00618", "Bestand \"%s\" is op schijf gewijzigd nadat het is geopend of opgeslagen, door een ander programma of een andere gebruiker.\r\rOverschrijven vervangt die wijzigingen door dit project."},
    {"AA00619", "Opslaan &als..."},
    {"AA00620", "Herstellen sluit het geopende project \"%s\"."},
    {"AA00621", "Herstelbestand verwijderen?"},
    {"AA00622", "De wijzigingen in het herstelbestand van \"%s\" van %s gaan dan verloren."},
    {"AA00623", "Geen herstelbestand: %s"},
    {"AA00624", "Al twee keer na elkaar kan geen herstelbestand worden geschreven in \"%s\": %s.\r\rWat u typt wordt nu niet bewaard voor herstel na een storing. Sla het project op."},
    {"AA00628", "Bestand \"%s\" lijkt beschadigd of afgebroken: %s Alles wat in het bestand staat is geladen; controleer de gegevens voordat u opslaat."},
    {"AA00629", "het laatste onderdeel, [Aantekeningen], ontbreekt."},
    {"AA00630", "afgebroken kentekenregels: %s (de eerste: \"%s\")."},
    {"AA00350", "Berekening geannuleerd: dit rapport is onvolledig."},
    {"AA00351", "Volledige pagina"},
    {"AA00352", "Paginabreedte"},
    {"AA00353", "PDF-bestand"},
    {"AA00400", "Er is geen webbrowser gevonden om %s te openen. Open het adres in een browser."},
    {"AA00500", "Waarnemingen importeren"},
    {"AA00501", "Waarnemingen exporteren"},
    {"AA00502", "Alle PPE exporteren?"},
    {"AA00503", "Ook de PPE zonder kenteken of opmerking exporteren? Dan dient het bestand als lege veldlijst voor een app.\r\rJa: alle PPE; Nee: alleen de PPE met een kenteken of opmerking."},
    {"AA00504", "Project geschreven: %s"},
    {"AA00505", "Niets toegepast; het project is niet opnieuw geschreven."},
    {"AA00506", "... en nog %s gemelde rijen; --report BESTAND schrijft ze alle."},
    {"AA00507", "Kan de waarnemingen uit \"%s\" niet importeren.\r%s"},
    {"AA00508", "Het bestand bevat geen waarnemingen."},
    {"AA00509", "Niets toegepast; %s is niet geschreven."},
    {"AA00510", "Meetdag: %s (opgegeven)."},
    {"AA00511", "Meetdag: %s (de vroegste datum in het bestand)."},
    {"AA00512", "Tijden met een tijdzone omgerekend naar de lokale tijd (%s): %s"},
    {"AA00513", "tijdzone van het systeem"},
    {"AA00514", "Elke rij is geteld: %s gevuld + %s ongewijzigd + %s conflicten + %s dubbel + %s fouten + %s overgeslagen = %s rijen gelezen."},
    {"AA00515", "Onbekende tijdzone \"%s\": geef een naam uit de tijdzonedatabase, zoals Europe/Amsterdam."},
    {"AA00516", "Ongeldige datum \"%s\" bij --date: geef JJJJ-MM-DD, zoals 2024-05-16."},
    {"AA00517", "Gemelde rijen"},
    {"AA00518", "%s en %s meer"},
    {"AA00519", "Ongeldige datum in \"%s\": geef JJJJ-MM-DD of DD-MM-JJJJ."},
    {"AA00520", "Rijen gelezen: %s"},
    {"AA00521", "Lege PPE gevuld: %s"},
    {"AA00522", "Ongewijzigd (PPE heeft dit kenteken al): %s"},
    {"AA00523", "Conflicten (PPE heeft een ander kenteken; niet vervangen): %s"},
    {"AA00524", "Vervangen (PPE had een ander kenteken): %s"},
    {"AA00525", "Dubbel (een eerdere rij gaf de PPE een ander kenteken): %s"},
    {"AA00526", "Fouten: %s"},
    {"AA00527", "Overgeslagen (geen kenteken en geen opmerking): %s"},
    {"AA00528", "Onbekende kolommen, genegeerd: %s"},
    {"AA00529", "Regel %s: %s"},
    {"AA00530", "Ongeldig nummer \"%s\" in kolom %s: geef een geheel getal van 0 tot en met 9999."},
    {"AA00531", "Route %s bestaat niet."},
    {"AA00532", "Sectie %s van route %s bestaat niet."},
    {"AA00533", "Parkeerplaats %s bestaat niet."},
    {"AA00534", "Parkeerplaats %s heeft geen periode %s."},
    {"AA00535", "Parkeerplaats %s heeft geen periode op tijdstip %s."},
    {"AA00536", "Ongeldige tijd \"%s\": geef HHMM, HH:MM, HH:MM:SS of een datum en tijd zoals 2024-05-14T09:30:00."},
    {"AA00537", "Geen periode en geen tijd."},
    {"AA00538", "Kenteken \"%s\" is langer dan 6 tekens."},
    {"AA00539", "Ongeldige opmerking \"%s\": geef \xe9\xe9n teken of niets."},
    {"AA00540", "Kolom %s: \"%s\" bevat een teken dat niet kan worden opgeslagen."},
    {"AA00541", "Aanhalingstekens niet goed gesloten."},
    {"AA00542", "PPE %s heeft al kenteken \"%s\" en opmerking \"%s\"; de rij geeft kenteken \"%s\"."},
    {"AA00543", "Regel %s gaf PPE %s al kenteken \"%s\"; deze rij geeft \"%s\"."},
    {"AA00544", "In de kopregel ontbreekt: %s. Nodig zijn de kolommen route, sectie, plaats, kenteken en periode of tijd."},
    {"AA00545", "De kolom %s staat meer dan eens in de kopregel."},
    {"AA00546", "De rij heeft te weinig velden: %s van de %s."},
    {"AA00547", "Datum %s is niet de meetdag %s en niet de dag erna."},
    {"AA00548", "Tijd %s ligt niet in periode %s."},
    {"AA00549", "Het aanhalingsteken dat op regel %s een veld opent, wordt niet gesloten: de rest van het bestand is niet in rijen te verdelen. Er is niets ingelezen."},
    {"AA00550", "%s kentekens vervangen door codes (%s verschillende kentekens)."},
    {"AA00551", "%s kentekens kwamen voor met een verschillend aantal voorloopspaties; elk kreeg overal de ingekorte code van zijn kortste vorm."},
    {"AA00552", "Let op: %s waarnemingen delen parkeerplaats en periode met een waarneming van een ander kenteken (dubbele parkeerplaatsnummers). Voor die parkeerplaatsen kan het rapport per parkeerplaats afwijken."},
    {"AA00553", "Namen van de uitvoerenden gewist."},
    {"AA00554", "Aantekeningen gewist."},
    {"AA00555", "Sleutel: %s"},
    {"AA00556", "Nieuwe sleutel gemaakt: %s. Bewaar dit bestand: met dezelfde sleutel krijgen latere metingen dezelfde codes."},
    {"AA00557", "Het project met codes is geopend: %s"},
    {"AA00558", "Het project met codes is opgeslagen als %s; het oorspronkelijke project blijft geopend."},
    {"AA00559", "%s waarnemingsregels hadden tekst na de opmerking; die tekst is verwijderd."},
    {"AA00560", "Kan sleutelbestand \"%s\" niet lezen: %s"},
    {"AA00561", "Sleutelbestand \"%s\" is geen gewoon bestand."},
    {"AA00562", "Sleutelbestand \"%s\" is %s bytes groot; een sleutel is precies 32 bytes. Het bestand is niet gebruikt en niet gewijzigd."},
    {"AA00563", "Kan sleutelbestand \"%s\" niet maken: %s"},
    {"AA00564", "Kan geen sleutel maken in \"%s\": het systeem levert geen willekeurige getallen."},
    {"AA00565", "%s verschillende kentekens hebben na hun voorloopspaties %s tekens ruimte, maar er bestaan maar %s codes van die lengte. Er is niets geschreven."},
    {"AA00566", "De versleutelingsbibliotheek kan de kentekens niet coderen. Er is niets geschreven."},
    {"AA00567", "Het project met codes moet een ander bestand worden dan \"%s\"."},
    {"AA00568", "De map voor persoonlijke instellingen is onbekend (HOME is niet gezet); geef een sleutelbestand op met --key-file."},
    {"AA00569", "Het project met codes kan niet in sleutelbestand \"%s\" worden geschreven: kies een ander bestand."},
    {"AA00570", "Sleutelbestand \"%s\" is leesbaar voor anderen en is niet gebruikt. Maak het alleen voor uzelf toegankelijk met: chmod 600 \"%s\""},
    {"AA00650", "Parkeermotief"},
    {"AA00651", "Bewoner: een periode begint voor %s of eindigt na %s uur"},
    {"AA00652", "Werknemer: geen bewoner, in totaal %s minuten of langer geparkeerd"},
    {"AA00653", "Bezoeker: alle andere voertuigen"},
    {"AA00654", "Een voertuig is een kenteken in de hele selectie, op welke parkeerplaats ook."},
    {"AA00655", "Bewoners"},
    {"AA00656", "Werknemers"},
    {"AA00657", "Bezoekers"},
    {"AA00658", "Totaal"},
    {"AA00659", "Motief"},
    {"AA00660", "Voertuigen"},
    {"AA00661", "Voertuigen per sectie (een voertuig in twee secties telt in beide)"},
    {"AA00662", "Route"},
    {"AA00663", "Sectie"},
    {"AA00664", "Omschrijving"},
    {"AA00665", "Aanwezige voertuigen per tijdstip"},
    {"AA00666", "Tijdstip"},
    {"AA00667", "%s en %s noemen hetzelfde bestand \"%s\": het ene zou het andere overschrijven."},
    {"AA00668", "de ochtendgrens"},
    {"AA00669", "de avondgrens"},
    {"AA00670", "Parkeermotief over de dag"},
    {"AA00401", "Openen"},
    {"AA00402", "Opslaan als"},
    {"AA00403", "Exporteren"},
    {"AA00404", "Reservebestanden"},
    {"AA00405", "Printerinstellingen"},
    {"AA00406", "&Instellen"},
    {"AA00410", "tavoric-cli: Tavoric-projecten (parkeerduurmetingen) op de opdrachtregel."},
    {"AA00411", "Gebruik: tavoric-cli OPDRACHT [ARGUMENTEN]\r         tavoric-cli help OPDRACHT    (of OPDRACHT --help)\r         tavoric-cli --version"},
    {"AA00412", "Opdrachten:"},
    {"AA00413", "Uitkomst: 0 gelukt, 1 een bestand kan niet worden geopend of geschreven, 2 verkeerd gebruik, 4 rijen gemeld bij import-observations. Teksten uit projecten verschijnen in UTF-8; meldingen gaan naar de standaardfoutuitvoer."},
    {"AA00414", "Gebruik: tavoric-cli %s"},
    {"AA00415", "Toont dit overzicht, of de uitleg van een opdracht."},
    {"AA00416", "help [OPDRACHT]"},
    {"AA00417", "Toont onderzoeksgebied, onderzoeksperiode en het aantal routes, secties, parkeerplaatsen en PPE van een project."},
    {"AA00418", "info PROJECT.par"},
    {"AA00419", "Leest een project en schrijft het zoals Tavoric het opslaat (om bestanden van andere programma's gelijk te trekken)."},
    {"AA00420", "save IN.par UIT.par"},
    {"AA00421", "Schrijft een realistisch voorbeeldproject: routes met verschillende intervallen, straten, alle parkeerplaatstypen en kentekens die komen, blijven, terugkomen, fout parkeren of een plaats blokkeren. Zelfde seed, zelfde project. --places N: aantal parkeerplaatsen, 1 tot en met 200000, standaard 200 (20000 geeft ongeveer een miljoen PPE); --seed S: startgetal, standaard 1."},
    {"AA00422", "demo UIT.par [--places N] [--seed S]"},
    {"AA00423", "Parkeerduurmeting per parkeerplaats. Zonder opties is alles geselecteerd, zoals bij de eerste opening van het venster Parkeerduurmeting. --from/--to: tijdvak (standaard de onderzoeksperiode, verruimd tot de eerste en laatste PPE van de geselecteerde plaatsen); --routes 0001,0002; --sections 0001-0002,...; --places 0001-0002-0003,... (elk binnen wat de lijst erboven doorlaat); --types VPI; --classes 0-30,30-60,60-120,120-240,240-1440 (standaard de duurklassen van het project); --exclude-illegal-ppl en --exclude-illegal-ppe laten illegale parkeerplaatsen buiten de totale capaciteit. Zonder --txt gaat het rapport naar de standaarduitvoer; --txt en --csv schrijven de exportbestanden, met \"-\" naar de standaarduitvoer (--csv - zonder --txt: alleen de tabel). --table-csv schrijft de tabel schoon voor een spreadsheet: volledige kolomnamen, getallen als getallen, een rij per parkeerplaats en de totaalrij (UTF-8, komma's). Geen uitvoer mag het project zelf zijn."},
    {"AA00424", "per-place PROJECT.par [OPTIES] [--txt UIT.txt] [--csv UIT.csv] [--table-csv TABEL.csv]"},
    {"AA00425", "Parkeerduurmeting naar interval, met dezelfde selectie-opties als per-place. Alle geselecteerde routes moeten hetzelfde waarnemingsinterval hebben (anders uitkomst 1). --detail voegt de detaillijst toe; --sort-by-vehicles sorteert op aantal voertuigen in plaats van chronologisch. --table-csv schrijft de aanwezigheidspatronen als schone tabel (een kolom per periode met 1 of 0, voertuigen en procent), --detail-csv de detaillijst (en zet die aan), beide UTF-8 met komma's."},
    {"AA00426", "interval PROJECT.par [OPTIES] [--detail] [--sort-by-vehicles] [--txt UIT.txt] [--csv UIT.csv] [--table-csv TABEL.csv] [--detail-csv DETAIL.csv]"},
    {"AA00427", "Rapport invoergegevens: de algemene gegevens en de opgeslagen regels van de gekozen lijsten. --include kiest de lijsten uit routes, sections, places en plates (standaard routes,sections; leeg: geen). Zonder --txt gaat het rapport naar de standaarduitvoer; --txt schrijft het exportbestand (\"-\": naar de standaarduitvoer)."},
    {"AA00428", "input PROJECT.par [--include routes,sections,places,plates] [--txt UIT.txt]"},
    {"AA00429", "Waarnemingsformulier: elke PPE van elke parkeerplaats met ruimte voor kenteken en opmerking. --no-separator laat de stippellijnen tussen de PPE's van een parkeerplaats weg. Zonder --txt gaat het formulier naar de standaarduitvoer; --txt - schrijft het exportbestand naar de standaarduitvoer."},
    {"AA00430", "form PROJECT.par [--no-separator] [--txt UIT.txt]"},
    {"AA00431", "De aantekeningen van het project als rapport. Zonder --txt gaat het rapport naar de standaarduitvoer; --txt - schrijft het exportbestand naar de standaarduitvoer."},
    {"AA00432", "notes PROJECT.par [--txt UIT.txt]"},
    {"AA00433", "Onderzoeksgebied: %s"},
    {"AA00434", "Aantal routes: %s"},
    {"AA00435", "Aantal secties: %s"},
    {"AA00436", "Aantal parkeerplaatsen: %s"},
    {"AA00437", "Aantal PPE: %s"},
    {"AA00438", "Parkeermotief: bewoners, werknemers en bezoekers, met dezelfde selectie-opties als per-place. Bewoner: een periode begint voor --morning (standaard 0700) of eindigt na --evening (standaard 1900); werknemer: in totaal ten minste --commuter-minutes (standaard 240) geparkeerd; bezoeker: alle andere. De standaardwaarden komen uit de programma-instellingen. Het tijdvak is standaard de onderzoeksperiode, verruimd tot de eerste en laatste PPE van de geselecteerde plaatsen. --csv schrijft de voertuigen per tijdstip (elk begin van een periode; een PPE telt op elk tijdstip dat het omvat), --totals-csv de voertuigen per motief, --sections-csv de voertuigen per motief per sectie (UTF-8, komma's)."},
    {"AA00439", "motive PROJECT.par [OPTIES] [--morning UUMM] [--evening UUMM] [--commuter-minutes N] [--txt UIT.txt] [--csv UIT.csv] [--totals-csv TOTALEN.csv] [--sections-csv SECTIES.csv]"},
    {"AA00440", "Neemt kentekens uit een CSV-bestand van een veldapp, scanauto of spreadsheet over in de lege PPE van een project (kolommen route, sectie, plaats, periode of tijd, kenteken en eventueel opmerking, ook in het Engels; komma, puntkomma of tab; UTF-8 of UTF-16) en toont een overzicht. Schrijft naar --out NIEUW.par, of anders terug naar het project na de reservekopie\xebn. --replace: een PPE met een ander kenteken krijgt dat uit het bestand. --report BESTAND: alle gemelde rijen met regelnummer en reden. --time-zone NAAM: de tijdzone van de lokale tijd (zoals Europe/Amsterdam) waarnaar tijden met Z of +02:00 worden omgerekend; anders die van het systeem. --date JJJJ-MM-DD: de meetdag; anders de vroegste datum in het bestand. Uitkomst 4: er zijn rijen gemeld (de andere zijn overgenomen)."},
    {"AA00441", "import-observations PROJECT.par WAARNEMINGEN.csv [--out NIEUW.par] [--replace] [--report BESTAND] [--time-zone NAAM] [--date JJJJ-MM-DD]"},
    {"AA00442", "Schrijft de kentekens en opmerkingen van een project als CSV-bestand (UTF-8, komma's), \xe9\xe9n rij per PPE met een kenteken of opmerking; met --all alle PPE, als lege veldlijst voor een app."},
    {"AA00443", "export-observations PROJECT.par --csv UIT.csv [--all]"},
    {"AA00444", "Schrijft een kopie van een project waarin elk kenteken is vervangen door een code (HMAC-SHA-256 met een geheime sleutel): zelfde kenteken, zelfde code; alle rapporten geven dezelfde cijfers. Zonder --key-file wordt de sleutel Tavoric/pseudoniem.key in de map met persoonlijke instellingen gebruikt, en bij het eerste gebruik gemaakt. --clear-observers wist de namen van de uitvoerenden, --clear-notes de aantekeningen. UIT.par moet een ander bestand zijn dan IN.par."},
    {"AA00445", "pseudonymise IN.par UIT.par [--key-file F] [--clear-observers] [--clear-notes]"},
    {"AA00450", "Bezetting per periode"},
    {"AA00451", "Parkeerdruk per sectie"},
    {"AA00452", "Parkeerduurverdeling"},
    {"AA00453", "periode van %s tot %s uur"},
    {"AA00454", "Tijd"},
    {"AA00455", "Bezetting (%)"},
    {"AA00456", "Parkeerdruknorm %s %"},
    {"AA00457", "Piek %s: %s %"},
    {"AA00458", "Bezetting onder %s %"},
    {"AA00459", "Bezetting %s % tot en met %s %"},
    {"AA00460", "Bezetting boven %s %"},
    {"AA00461", "Sectie"},
    {"AA00462", "Parkeerduurklasse"},
    {"AA00463", "Aandeel voertuigen (%)"},
    {"AA00464", "%s tot %s min"},
    {"AA00465", "Bezetting"},
    {"AA00466", "Voertuigen"},
    {"AA00467", "%s: %s % (piek %s %)"},
    {"AA00468", "%s vtg"},
    {"AA00470", "Deze uitvoering van tavoric-cli tekent geen grafieken; alleen --csv is mogelijk."},
    {"AA00471", "Onbekende grafiek \"%s\": kies occupancy, sections, durations of motive."},
    {"AA00472", "Ongeldige afmeting \"%s\": geef breedte x hoogte in beeldpunten (100 tot 10000), bijvoorbeeld 1200x800."},
    {"AA00473", "Kan de grafiek niet tekenen."},
    {"AA00474", "Geef minstens \xe9\xe9""n uitvoer: --csv, --png, --svg of --pdf."},
    {"AA00475", "Geef met --kind de grafiek: occupancy, sections, durations of motive."},
    {"AA00480", "PNG-afbeeldingen (*.png)"},
    {"AA00481", "SVG-tekeningen (*.svg)"},
    {"AA00482", "Er is geen printer ge\xef""nstalleerd: de grafiek kan niet worden afgedrukt. Exporteer hem als PDF en druk die elders af."},
    {"AA00483", "Grafiek van de selectie van per-place, met dezelfde selectie-opties en --classes, --exclude-illegal-ppl en --exclude-illegal-ppe. --kind occupancy: bezetting van het gebied op elk tijdstip (elk begin van een periode; een PPE telt op elk tijdstip dat het omvat); sections: parkeerdruk per sectie; durations: parkeerduurverdeling; motive: parkeermotief op elk tijdstip, met de grenzen uit de programma-instellingen; matrix: bezetting per sectie en tijdstip (warmtekaart); motive-sections: parkeermotief per sectie. --csv schrijft de cijfers (UTF-8), --png, --svg en --pdf de tekening (zonder beeldscherm); --size BxH in beeldpunten (standaard 1200x800, hoger bij veel secties). Minstens een uitvoer. De parkeerdruknorm komt uit de programma-instellingen."},
    {"AA00484", "chart PROJECT.par --kind occupancy|sections|durations|motive|matrix|motive-sections [OPTIES] [--csv UIT.csv] [--png UIT.png] [--svg UIT.svg] [--pdf UIT.pdf] [--size BxH]"},
    {"AA00700", "De inhoud is geen JSON (fout bij byte %s)."},
    {"AA00701", "Dit is geen GeoJSON: verwacht is een FeatureCollection met een lijst \"features\"."},
    {"AA00702", "Object %s van de FeatureCollection is geen Feature."},
    {"AA00703", "Object %s heeft een geometrie met ongeldige co\xf6rdinaten."},
    {"AA00704", "Kan de straten uit \"%s\" niet gebruiken."},
    {"AA00705", "%s van de %s objecten staan grijs op de kaart: %s zonder route en sectie, %s met een sectie die niet in het onderzoek voorkomt."},
    {"AA00706", "Bijvoorbeeld: %s."},
    {"AA00707", "object %s"},
    {"AA00708", "object %s (route %s, sectie %s)"},
    {"AA00709", "Parkeerdrukkaart"},
    {"AA00710", "Onbekende maat \"%s\": kies bezetting of piek."},
    {"AA00711", "Geef met --geometry het GeoJSON-bestand met de straten."},
    {"AA00712", "Kan de kaart niet tekenen."},
    {"AA00713", "Geen gegevens"},
    {"AA00714", "Route %s sectie %s %s\nBezetting %s %, piek %s %, %s plaatsen"},
    {"AA00780", "Route %s sectie %s %s\nGeen gegevens"},
    {"AA00781", "Straat&namen en percentages"},
    {"AA00800", "Wijs een straat aan met de muis, of loop met Tab langs de secties."},
    {"AA00715", "Geen sectie van het onderzoek"},
    {"AA00716", "Kleur naar:"},
    {"AA00717", "Bezetting"},
    {"AA00718", "Piekbezetting"},
    {"AA00719", "GeoJSON-bestanden (*.geojson *.json)"},
    {"AA00720", "Straten van het onderzoeksgebied (GeoJSON)"},
    {"AA00721", "Deze uitvoering van tavoric-cli tekent geen kaarten; alleen --geojson is mogelijk."},
    {"AA00722", "Geef minstens \xe9\xe9""n uitvoer: --geojson, --png, --svg of --pdf."},
    {"AA00723", "Parkeerdrukkaart: %s"},
    {"AA00724", "Andere straten..."},
    {"AA00725", "Het getal bij byte %s is te groot."},
    {"AA00726", "De inhoud nest lijsten en objecten dieper dan %s niveaus (bij byte %s)."},
    {"AA00727", "Het bestand is te groot: %s MB, ten hoogste %s MB."},
    {"AA00740", "Parkeerdrukkaart van de selectie van per-place, met dezelfde selectie-opties: de straten uit het GeoJSON-bestand van --geometry gekleurd naar --measure bezetting (standaard) of piek. --geojson schrijft de straten met de cijfers per sectie voor GIS; --png, --svg en --pdf de tekening (zonder beeldscherm) met legenda en schaalstok, en straatnamen met percentages waar ze passen, tenzij --no-labels. Minstens een uitvoer. De parkeerdruknorm komt uit de programma-instellingen."},
    {"AA00741", "map PROJECT.par --geometry STRATEN.geojson [OPTIES] [--geojson UIT.geojson] [--png UIT.png] [--svg UIT.svg] [--pdf UIT.pdf] [--measure bezetting|piek] [--no-labels]"},
    {"AA00770", "Bezetting per sectie en tijdstip"},
    {"AA00771", "Parkeermotief per sectie"},
};

struct Table {
    std::vector<std::string> keys;
    std::vector<std::string> defaults;
    std::vector<std::string> current;
    std::unordered_map<std::string_view, std::size_t> index;

    Table() {
        for (const Entry& e : kDefaults) {
            keys.emplace_back(e.key);
            defaults.emplace_back(e.text);
        }
        current = defaults;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            index.emplace(keys[i], i);
        }
    }

    const std::size_t* Find(std::string_view key) const {
        auto it = index.find(key);
        return it == index.end() ? nullptr : &it->second;
    }
};

Table& TheTable() {
    static Table table;
    return table;
}

const FixedTextSet kDutchFixed{"Nieuw", "LeesMij.txt", "Versie %s"};
const FixedTextSet kEnglishFixed{"New", "ReadMe.txt", "Version %s"};
const FixedTextSet* currentFixed = &kDutchFixed;

const std::string kNoText;

}  // namespace

const std::string& MessageText(std::string_view key) {
    const Table& table = TheTable();
    const std::size_t* i = table.Find(key);
    return i ? table.current[*i] : kNoText;
}

void SetMessageText(std::string_view key, std::string value) {
    Table& table = TheTable();
    if (const std::size_t* i = table.Find(key)) {
        table.current[*i] = std::move(value);
    }
}

void SetDefaultMessageTexts() {
    Table& table = TheTable();
    table.current = table.defaults;
}

const std::vector<std::string>& MessageKeys() {
    return TheTable().keys;
}

const std::string& DefaultMessageText(std::string_view key) {
    const Table& table = TheTable();
    const std::size_t* i = table.Find(key);
    return i ? table.defaults[*i] : kNoText;
}

void SetFixedTexts(std::string_view language) {
    currentFixed = language == kDutch ? &kDutchFixed : &kEnglishFixed;
}

const FixedTextSet& FixedTexts() {
    return *currentFixed;
}

}  // namespace tavoric
