#pragma once
// Per-user settings under registry-style key paths such as
// "Software\\KESTRA\\VITRAMOR\\DIRECTORI" with named values. On Windows the
// QSettings-backed store writes the real registry under HKEY_CURRENT_USER;
// elsewhere an INI file keeps the same key paths and value names.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vitramor {

class DepozitSetari {
public:
    virtual ~DepozitSetari() = default;

    virtual bool existaCheie(const std::string& cheie) = 0;
    virtual std::optional<std::string> citesteText(const std::string& cheie, const std::string& valoare) = 0;
    virtual bool scrieText(const std::string& cheie, const std::string& valoare, const std::string& text) = 0;
    virtual std::optional<std::int32_t> citesteIntreg(const std::string& cheie, const std::string& valoare) = 0;
    virtual bool scrieIntreg(const std::string& cheie, const std::string& valoare, std::int32_t v) = 0;
    virtual std::optional<std::vector<std::uint8_t>> citesteBinar(const std::string& cheie,
                                                                   const std::string& valoare) = 0;
    virtual bool scrieBinar(const std::string& cheie, const std::string& valoare,
                            const std::vector<std::uint8_t>& date) = 0;
    // The store's own failure (a settings file that cannot be read or
    // written), empty when there is none. A key or value that is simply
    // missing is not a failure: it is how every first start looks.
    virtual std::string textEroare() { return {}; }

    // Makes sure the key exists (RegCreateKeyEx), so a first start can be told apart from a later one.
    virtual bool creazaCheie(const std::string& cheie) = 0;
};

// The real store. Without an explicit file it uses the registry on Windows
// and, elsewhere, the INI file named by VITRAMOR_SETTINGS or else
// <user config dir>/KESTRA/KESTRA.ini.
std::unique_ptr<DepozitSetari> creazaSettingsStoreQt(const std::string& fisierIni = {});

// The INI file the default store would use on this machine (empty on Windows).
std::string caleFisierSetariImplicit();

}  // namespace vitramor
