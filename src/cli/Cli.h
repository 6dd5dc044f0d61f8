#pragma once
// vitramor-cli: the desktop application's operations on the same files,
// without a window. Each command is the GUI's operation of the same name
// with the console platform answering for the user.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "database/StocareMateriale.h"
#include "record/MaterialOptic.h"

namespace vitramor::cli {

inline constexpr int IesireOk = 0;
inline constexpr int IesireEsec = 1;
inline constexpr int IesireUtilizare = 2;
inline constexpr int IesireIntrebare = 3;
inline constexpr int IesirePartiala = 4;

// What a command gets: its own arguments (options before the command are
// already applied to the directory buffers) and the two streams.
struct Context {
    std::vector<std::string> argumente;
    std::FILE* out = stdout;
    std::FILE* err = stderr;
};

// Thrown by a command for wrong usage; main() prints the usage text.
struct EroareUtilizare {
    std::string mesaj;
};

using Comanda = int (*)(Context&);

struct DescriereComanda {
    const char* nume;
    Comanda functie;
    const char* utilizare;
    bool necesitaDirectorSticle;
};

const std::vector<DescriereComanda>& comenzi();
void scrieUtilizare(std::FILE* f);

// Commands, grouped by the files that hold them.
int ComandaList(Context&);
int ComandaShow(Context&);
int ComandaStore(Context&);
int ComandaDelete(Context&);
int ComandaClean(Context&);
int ComandaDeleteProducer(Context&);
int ComandaEval(Context&);
int ComandaFit(Context&);
int ComandaImportSchott(Context&);
int ComandaImportAgf(Context&);
int ComandaImportRii(Context&);
int ComandaCheck(Context&);
int ComandaReport(Context&);
int ComandaProposeRanges(Context&);
int ComandaExportJson(Context&);
int ComandaVerify(Context&);
int ComandaExportAgf(Context&);
int ComandaExportRii(Context&);
int ComandaTransmittance(Context&);
int ComandaKFromTransmittance(Context&);
int ComandaImportText(Context&);
int ComandaImportDb(Context&);
int ComandaConvert(Context&);
int ComandaFixProducers(Context&);
int ComandaRecover(Context&);
int ComandaRestoreArchive(Context&);
int ComandaCompare(Context&);
int ComandaGlassMap(Context&);
int ComandaSubstitute(Context&);
int ComandaTables(Context&);
int ComandaColumns(Context&);
int ComandaOdbcInfo(Context&);
int ComandaAssociations(Context&);
int ComandaImportTable(Context&);
int ComandaDiffCatalogue(Context&);

// Shared helpers of the commands.
// Finds the first record named `nume` through the catalogue library; the
// library has shown its message when it fails.
bool GasesteMaterial(const std::string& nume, MaterialOptic& m);
// Whether the terminal's locale is UTF-8 (set once by main). Then texts go
// out as UTF-8 and name arguments come in as UTF-8; otherwise both are the
// record's own Windows-1252 bytes.
bool& TerminalUtf8();
// A text argument in the record's encoding; a character Windows-1252 cannot
// hold is a usage error.
std::string TextDinArgument(const std::string& text);
// A record text (Windows-1252) as the terminal shows it.
std::string TextPentruTerminal(std::string_view text);
// A material name given on the command line (1 to 15 characters).
std::string NumeMaterialDinArgument(const std::string& text);
// A number given on the command line; garbage is a usage error.
long CitesteIntreg(const std::string& text, const char* ce, long minim, long maxim);
double CitesteReal(const std::string& text, const char* ce);
// Takes a leading flag (such as "--all") off the arguments; true when it was there.
bool ScoateOptiune(Context& c, const std::string& optiune);
// "--on-conflict replace|rename|skip" taken from anywhere among the
// arguments; without it a conflict is a question.
PoliticaConflict ScoatePoliticaConflict(Context& c);
// "OPTION VALUE" taken from anywhere among the arguments; empty when absent.
std::string ScoateValoare(Context& c, const std::string& optiune);
// "--header-row N" (counted from 1) wherever it stands; 0 when absent.
int ScoateRandAntet(Context& c);
// "--select 0,3,7": entry numbers counted from 0, each below `numar` and
// each given once; a wrong one is a usage error that names it.
std::vector<std::size_t> CitesteSelectie(const std::string& text, std::size_t numar);
// A data-changing command's end: its summary on standard error, and the
// exit status that follows from the same outcome.
int IesireDinRezultat(const char* titlu, const RezultatOperatie& r);
void CereArgumente(const Context& c, std::size_t minim, std::size_t maxim);

}  // namespace vitramor::cli
