#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/PlatformaConsola.h"
#include "support/PlatformaScriptata.h"
#include "suite/Vedora.h"

namespace vitramor {
namespace {

using namespace stil;
using namespace raspuns;

// Standard error of the console platform, caught in memory.
class IesireConsola {
public:
    ~IesireConsola() {
        std::fclose(f_);
        std::free(buf_);
    }
    std::FILE* get() const { return f_; }
    std::string text() const {
        std::fflush(f_);
        return std::string(buf_, n_);
    }

private:
    char* buf_ = nullptr;
    std::size_t n_ = 0;
    std::FILE* f_ = open_memstream(&buf_, &n_);
};

std::unique_ptr<PlatformaConsola> consola(PlatformaConsola::Raspuns mod, std::FILE* err, std::FILE* in = nullptr) {
    return std::make_unique<PlatformaConsola>(std::make_unique<MemorySettingsStore>(), mod, err, in);
}

// A numbered message is written as "message N: text", a literal box as
// "caption: text" (or the text alone).
TEST(PlatformaConsola, BoxesAreWrittenAsOneLineEach) {
    IesireConsola err;
    auto p = consola(PlatformaConsola::Raspuns::Da, err.get());
    PlatformaInstalata guard(*p);
    EXPECT_EQ(eroare("", nullptr, MB_YESNO | MB_ICONQUESTION, 23), IDYES);
    EXPECT_EQ(eroare("", nullptr, MB_OK | MB_ICONEXCLAMATION, 22), IDOK);
    p->messageBox(nullptr, "Eroare scriere", "N-BK7", MB_OK);
    p->messageBox(nullptr, "Selectati un mesaj", "", MB_OK);
    EXPECT_EQ(err.text(), "message 23: Materialul nu a fost modificat. Il salvati totusi?\nmessage 22: " +
                              ReturneazaMesajEroare("", 22) + "\nN-BK7: Eroare scriere\nSelectati un mesaj\n");
}

TEST(PlatformaConsola, YesAndNoOptionsAnswerInTheBoxsOwnButtons) {
    struct Caz { PlatformaConsola::Raspuns mod; unsigned butoane; int asteptat; };
    const Caz cazuri[] = {
        {PlatformaConsola::Raspuns::Da, MB_YESNO, IDYES},       {PlatformaConsola::Raspuns::Nu, MB_YESNO, IDNO},
        {PlatformaConsola::Raspuns::Da, MB_YESNOCANCEL, IDYES}, {PlatformaConsola::Raspuns::Nu, MB_YESNOCANCEL, IDNO},
        {PlatformaConsola::Raspuns::Da, MB_OKCANCEL, IDOK},     {PlatformaConsola::Raspuns::Nu, MB_OKCANCEL, IDCANCEL},
        {PlatformaConsola::Raspuns::Da, MB_OK, IDOK},           {PlatformaConsola::Raspuns::Nu, MB_OK, IDOK},
    };
    for (const Caz& c : cazuri) {
        SCOPED_TRACE("buttons " + std::to_string(c.butoane) + " mode " + std::to_string(static_cast<int>(c.mod)));
        IesireConsola err;
        auto p = consola(c.mod, err.get());
        // The icon bits must not change which buttons the box has.
        EXPECT_EQ(p->messageBox(nullptr, "Continuam ?", "ATENTIE!", c.butoane | MB_ICONQUESTION), c.asteptat);
        EXPECT_EQ(p->mesajNumerotat(nullptr, 947, "x", c.butoane | MB_ICONEXCLAMATION), c.asteptat);
    }
}

TEST(PlatformaConsola, QuestionWithoutATerminalEndsTheCommand) {
    IesireConsola err;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> intrare(std::tmpfile(), std::fclose);  // a file, not a terminal
    auto p = consola(PlatformaConsola::Raspuns::Intreaba, err.get(), intrare.get());
    PlatformaInstalata guard(*p);
    EXPECT_THROW(eroare("", nullptr, MB_YESNO | MB_ICONQUESTION, 947), IntrebareFaraRaspuns);
    // The question was still written, so the user sees what was not answered.
    EXPECT_EQ(err.text(), "message 947: " + ReturneazaMesajEroare("", 947) + "\n");

    auto faraIntrare = consola(PlatformaConsola::Raspuns::Intreaba, err.get(), nullptr);
    EXPECT_THROW(faraIntrare->messageBox(nullptr, "Stergeti?", "ATENTIE !", MB_OKCANCEL), IntrebareFaraRaspuns);
    // A box with only OK needs no answer; choosers cannot be answered on the command line.
    EXPECT_EQ(faraIntrare->messageBox(nullptr, "Gata", "", MB_OK | MB_ICONASTERISK), IDOK);
    EXPECT_THROW(p->alegeFisierSalvare(nullptr, {}), IntrebareFaraRaspuns);
    EXPECT_THROW(p->alegeFisierDeschidere(nullptr, {}), IntrebareFaraRaspuns);
    EXPECT_THROW(p->alegeDirector(nullptr, "Director", ""), IntrebareFaraRaspuns);
}

}  // namespace
}  // namespace vitramor
