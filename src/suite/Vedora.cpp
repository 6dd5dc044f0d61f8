#include "suite/Vedora.h"

#include <algorithm>
#include <array>
#include <new>

namespace vitramor {

namespace {

struct MesajNumerotat {
    int numar;
    const char* text;
};

// The texts of the numbered messages. They are built into the program
// rather than read from the help directory: a text that lives in a file can
// go missing or be edited out of step with the code that asks the question,
// and then a yes/no box would show a text that does not ask anything.
// Each text is written for the buttons its callers use: the questions end in
// a question the buttons answer, the warnings and notes say what happened
// and what was kept.
constexpr std::array kMesaje{
    // Commands and help buttons that have no function yet.
    MesajNumerotat{0, "Functie neimplementata inca."},
    // Memory.
    MesajNumerotat{1, "Memorie insuficienta. Operatia a fost oprita, datele au ramas neschimbate."},
    // Clipboard.
    MesajNumerotat{2, "Eroare la blocarea memoriei pentru clipboard. Textul nu a fost copiat."},
    MesajNumerotat{362, "Clipboard-ul nu poate fi deschis sau scris. Textul nu a fost copiat."},
    // ODBC connection slots.
    MesajNumerotat{4, "Nu se poate rezerva o noua conexiune ODBC (tabelul conexiunilor nu poate fi marit)."},
    // JSON files.
    MesajNumerotat{8, "Fisierul JSON nu poate fi creat pentru scriere. Datele nu au fost salvate."},
    MesajNumerotat{1507, "Documentul JSON nu poate fi transformat in text. Fisierul nu a fost scris."},
    MesajNumerotat{1508, "Nu se poate crea copia arhiva a fisierului JSON existent."},
    MesajNumerotat{799, "Fisierul nu este un fisier text (contine octeti nuli) si nu poate fi citit ca JSON."},
    MesajNumerotat{1471, "Fisierul JSON nu a putut fi citit complet. Continutul lui nu a fost folosit."},
    MesajNumerotat{1467, "Obiectul JSON \"metadata\" nu poate fi creat. Materialul nu a fost adaugat."},
    // Files and directories chosen by the user.
    MesajNumerotat{9, "Directorul ales nu poate fi folosit (nu poate deveni director curent). Nu s-a schimbat nimic."},
    MesajNumerotat{40, "Fisierul nu exista in directorul de sticle. Se pastreaza numele anterior."},
    // Values typed into fields.
    MesajNumerotat{10, "Valoare incorecta. Se pastreaza valoarea anterioara."},
    MesajNumerotat{38, "Valoare in afara domeniului permis. Se pastreaza valoarea anterioara."},
    // Saving the current material.
    MesajNumerotat{21, "Materialul a fost salvat in baza de date."},
    MesajNumerotat{22, "Materialul nu a fost salvat in baza de date."},
    MesajNumerotat{23, "Materialul nu a fost modificat. Il salvati totusi?"},
    // Export.
    MesajNumerotat{41, "Exportul s-a terminat. Deschideti fisierul exportat?"},
    // Windows.
    MesajNumerotat{77, "Imaginea ferestrei nu poate fi capturata."},
    MesajNumerotat{81, "Fereastra nu poate fi creata."},
    MesajNumerotat{82, "Clasa ferestrei nu poate fi inregistrata."},
    MesajNumerotat{83, "Fereastra graficului nu poate fi creata."},
    MesajNumerotat{1321, "Nu se pot aloca datele ferestrei. Fereastra se inchide."},
    // Saving the message list.
    MesajNumerotat{144, "Directorul fisierului ales nu poate deveni director curent. Fisierul nu a fost scris."},
    MesajNumerotat{145, "Fisierul nu poate fi deschis."},
    MesajNumerotat{576, "Liniile listei nu pot fi citite. Fisierul nu a fost scris."},
    MesajNumerotat{947, "Fisierul exista deja. Il inlocuiti?"},
    MesajNumerotat{568, "Fisierul a fost salvat. Il deschideti?"},
    // Producers dialog.
    MesajNumerotat{205, "Datele producatorului au fost modificate. Le salvati in tabelul producatorilor?"},
    MesajNumerotat{206, "Stergeti producatorul din tabelul producatorilor?"},
    MesajNumerotat{216, "Codul noului producator depaseste 63900. Continuati totusi?"},
    // Start-up.
    MesajNumerotat{336,
                   "Ecranul este mai mic de 1280 x 1024 pixeli; unele ferestre nu vor incapea in intregime. "
                   "Continuati?"},
};

const char* cautaText(int numar) {
    const auto it =
        std::find_if(kMesaje.begin(), kMesaje.end(), [numar](const MesajNumerotat& m) { return m.numar == numar; });
    return it == kMesaje.end() ? nullptr : it->text;
}

}  // namespace

// The help directory is accepted because every caller hands it over, as the
// suite's other programs do; our texts are built in, so it is not read.
std::string ReturneazaMesajEroare(const std::string& /*directorHelp*/, int numar) {
    if (const char* text = cautaText(numar)) return text;
    return "Mesajul numarul " + std::to_string(numar) + " nu are un text definit.";
}

int eroare(const std::string& directorHelp, Fereastra owner, unsigned style, int numar) {
    return platforma().mesajNumerotat(owner, numar, ReturneazaMesajEroare(directorHelp, numar), style);
}

int MesajNumarul(Fereastra owner, unsigned style, int numar) {
    return platforma().mesajNumerotat(owner, numar, ReturneazaMesajEroare({}, numar), style);
}

int IntrebareNumarul(Intrebari& intrebari, Fereastra owner, unsigned style, int numar) {
    return intrebari.intreabaNumerotat(owner, numar, ReturneazaMesajEroare({}, numar), style);
}

int AddTextRAM(BlocText& bloc, const std::string& linie) {
    try {
        if (!bloc) {
            bloc.emplace(linie);
        } else {
            bloc->append("\r\n").append(linie);
        }
        return 1;
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

}  // namespace vitramor
