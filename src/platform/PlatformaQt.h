#pragma once
// The platform of the GUI: message boxes, choosers, the shell, the clipboard
// and the wait cursor through Qt, with the Win32 style numbers and result
// codes the logic speaks. An owner `Fereastra` is read as a QWidget* (null:
// no owner).

#include <memory>

#include "platform/Platforma.h"
#include "platform/DepozitSetari.h"

class QWidget;

namespace vitramor {

class PlatformaQt final : public Platforma {
public:
    // Without a store of its own the platform uses the user's settings
    // (creazaSettingsStoreQt()).
    explicit PlatformaQt(std::unique_ptr<DepozitSetari> setari = {});
    ~PlatformaQt() override;

    int messageBox(Fereastra owner, const std::string& text, const std::string& caption, unsigned style) override;
    int intrebareOptiuni(Fereastra owner, const std::string& text, const std::string& titlu,
                         const std::vector<std::string>& optiuni, int da, int nu, int implicit) override;
    void raportRezultat(Fereastra owner, const std::string& titlu, const RezultatOperatie& r) override;
    void beep() override;
    std::optional<FisierAles> alegeFisierDeschidere(Fereastra owner, const CerereAlegereFisier& c) override;
    std::optional<FisierAles> alegeFisierSalvare(Fereastra owner, const CerereAlegereFisier& c) override;
    std::optional<std::string> alegeDirector(Fereastra owner, const std::string& titlu,
                                             const std::string& directorInitial) override;
    int deschideDocument(const std::string& fisier, const std::string& parametri,
                         const std::string& directorLucru) override;
    bool scrieClipboard(const std::string& text) override;
    std::string citesteClipboard() override;
    bool scrieClipboardImagine(const std::string& png) override;
    void cursorAsteptare(bool activ) override;
    DepozitSetari& setari() override { return *setari_; }

private:
    std::optional<FisierAles> alegeFisier(Fereastra owner, const CerereAlegereFisier& c, bool salvare);

    std::unique_ptr<DepozitSetari> setari_;
    int cursoareAsteptare_ = 0;  // wait cursors pushed and not yet taken back
};

// The Qt name filter of one file filter: "Fisier text (*.txt)". A
// description that already ends in its patterns is not given them twice.
std::string filtruQt(const FiltruFisier& f);

// Shell-execute codes the platform returns.
namespace codShell {
inline constexpr int Succes = 42;
inline constexpr int EroareNecunoscuta = 0;
inline constexpr int FisierNegasit = 2;
inline constexpr int CaleNegasita = 3;
inline constexpr int AccesInterzis = 5;
inline constexpr int FaraAsociere = 31;
}  // namespace codShell

}  // namespace vitramor
