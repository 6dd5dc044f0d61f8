#pragma once
// The platform of vitramor-cli: boxes become lines on standard error
// ("caption: text"), questions are answered by --yes / --no or at the
// terminal, and a question nobody can answer ends the command (exit 3)
// before anything more is changed.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <stdexcept>

#include "platform/Platforma.h"
#include "platform/DepozitSetari.h"

namespace vitramor {

class IntrebareFaraRaspuns : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class PlatformaConsola final : public Platforma {
public:
    enum class Raspuns { Intreaba, Da, Nu };

    PlatformaConsola(std::unique_ptr<DepozitSetari> setari, Raspuns mod, std::FILE* err = stderr,
                    std::FILE* in = stdin);

    int messageBox(Fereastra owner, const std::string& text, const std::string& caption, unsigned style) override;
    int mesajNumerotat(Fereastra owner, int numar, const std::string& text, unsigned style) override;
    int intrebareVizualizare(Fereastra owner, int numar, const std::string& text, unsigned style) override;
    void beep() override {}
    // Every line of a list goes to standard error with the rest of the box.
    std::size_t maximLiniiMesaj() const override { return SIZE_MAX; }
    std::optional<FisierAles> alegeFisierDeschidere(Fereastra, const CerereAlegereFisier& c) override;
    std::optional<FisierAles> alegeFisierSalvare(Fereastra, const CerereAlegereFisier& c) override;
    std::optional<std::string> alegeDirector(Fereastra, const std::string& titlu, const std::string& initial) override;
    int deschideDocument(const std::string& fisier, const std::string& parametri, const std::string& director) override;
    bool scrieClipboard(const std::string&) override { return false; }
    std::string citesteClipboard() override { return {}; }
    void cursorAsteptare(bool) override {}
    DepozitSetari& setari() override { return *setari_; }
    // Off on a terminal whose locale is not UTF-8: texts are written as the bytes they are.
    void scrieUtf8(bool da) { utf8_ = da; }

private:
    int intreaba(const std::string& linie, unsigned style);

    std::unique_ptr<DepozitSetari> setari_;
    Raspuns mod_;
    bool utf8_ = true;
    std::FILE* err_;
    std::FILE* in_;
};

}  // namespace vitramor
