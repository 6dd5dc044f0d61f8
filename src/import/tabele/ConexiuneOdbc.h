#pragma once
// The thin layer over the ODBC API that the Excel catalogue import uses:
// handles, connection (with the connection string remembered per producer
// in the settings store), the table and column catalogues, the driver's
// diagnostics as text and the connection report. A failure is not shown
// here: its reason (the driver's own words) goes back to the caller, which
// reports it once.

#include <sql.h>
#include <sqlext.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "import/tabele/CheieSetariOdbc.h"
#include "import/tabele/SursaTabel.h"
#include "operatie/RezultatOperatie.h"
#include "platform/Platforma.h"
#include "suite/Vedora.h"

namespace vitramor {

// One row of the driver's table catalogue.
struct InregistrareTabelOdbc {
    SQLCHAR catalog[257], schema[257], nume[257], tip[257], remarci[257];
    SQLLEN lungimi[5];
};

// One row of the driver's column catalogue, its 18 columns in order.
struct InregistrareColoanaOdbc {
    SQLCHAR catalog[129], schema[129], tabel[129], nume[129];
    SQLSMALLINT tipDate;
    SQLCHAR numeTip[129];
    SQLINTEGER marimeColoana, lungimeBuffer;
    SQLSMALLINT zecimale, baza, nullable;
    SQLCHAR remarci[254];
    SQLCHAR valoareImplicita[129];
    SQLSMALLINT tipSql, subtipDataOra;
    SQLINTEGER lungimeOcteti, pozitie;
    SQLCHAR esteNullable[129];
    SQLLEN lungimi[18];
};

struct ConexiuneODBC {
    int tabelSelectat = -1;
    int coloanaSelectata = -1;
    int nrTabele = 0;
    int nrColoane = 0;
    std::uint16_t sursaExcel = 0;
    SQLHDBC hdbc = SQL_NULL_HDBC;
    SQLHENV henv = SQL_NULL_HENV;
    int asincron = 0;
    int conectat = 0;
    std::uint16_t lungimeMaximaNumeColoana = 0;
    char ghilimeaIdentificator = ' ';
    std::string numeRegistru;    // at most 31 characters
    std::string numeSursaDate;   // at most 63 characters
    std::vector<std::string> numeTabele;
    std::vector<std::string> numeColoane;
    std::vector<InregistrareTabelOdbc> tabele;
    std::vector<InregistrareColoanaOdbc> coloane;
    int folosesteRegistri = 0;
    // The connection string used when the settings store is not (the
    // command line names its source itself).
    std::string sirConexiune;
};

// Where the driver manager has no data-source dialog of its own, the GUI
// installs one that builds a connection string; nullopt means the user
// closed it. Without one an empty connection string cannot be completed.
using AlegereSursaOdbc = std::function<std::optional<std::string>(Fereastra)>;
void InstaleazaAlegereSursaOdbc(AlegereSursaOdbc f);

RezultatOperatie AlocaHandleOdbc(ConexiuneODBC& c);
// `sir` in: the connection string (may be empty); out: the completed one.
// `capacitate` in: the room for it; out: its length when it was completed.
// A connection already open is closed after a question asked through
// `intrebari`; without them it stays open and nothing is connected
// (cancelled, as is a data-source chooser the user closed).
RezultatOperatie ConecteazaOdbc(Intrebari* intrebari, Fereastra owner, std::string& sir, int& capacitate,
                                ConexiuneODBC& c);
// Done with notes for the user (a key not found, the string saved) when
// the settings store keeps the connection string.
RezultatOperatie ConecteazaOdbcSourceSiSalveazaInRegistri(Intrebari* intrebari, Fereastra owner, ConexiuneODBC& c);
void DeconecteazaOdbc(ConexiuneODBC& c);
void ElibereazaHandleOdbc(ConexiuneODBC& c);

// False when the key or its value is missing; why in `motiv` for a missing key.
bool CitesteODBC_CoatingDB_dinRegistri(const std::string& numeRegistru, std::string& sir, int capacitate,
                                       std::string& motiv);
// Done with the note "Connection string salvat in registri".
RezultatOperatie ScrieODBC_BazaDateInRegistri(const std::string& numeRegistru, const std::string& sir);
// Asks first through `intreaba` when it is given (No: cancelled).
RezultatOperatie StergeConexiuneDinRegistri(const std::string& numeRegistru, Intrebari* intreaba);
// False with why in `motiv` for a producer without a catalogue key.
bool NumeRegistruProducator(int cod, std::string& nume, std::string& motiv);

// False with why in `motiv`.
bool AflaNumeleTabelelorDinBazaDeDate(ConexiuneODBC& c, std::string& motiv);
bool CitesteColoaneleTabelului(ConexiuneODBC& c, const std::string& tabel, std::string& motiv);

// True for success or success with information; otherwise false with the
// diagnostics of the handle in `motiv`.
bool VerificaRezultatOdbc(SQLRETURN rezultat, int tipHandle, SQLHANDLE h, std::string& motiv);
// The driver's diagnostic records of the handle, one line each.
std::string DiagnosticOdbc(int tipHandle, SQLHANDLE h);

const char* NumeTipSql(int tip);
SQLSMALLINT TipLegareColoana(int tipSql);

// The "Info" report, one line per entry.
BlocText RaportConexiuneOdbc(ConexiuneODBC& c);

// The connection slots the application keeps; at exit every slot is
// destroyed, the last first. False for an index without a slot.
bool DistrugeIndexMemorieConexiuneODBC(int index);
void InchideToateConexiunileOdbc();

}  // namespace vitramor
