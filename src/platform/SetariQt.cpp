#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "platform/DepozitSetari.h"

namespace vitramor {

namespace {

// Keys arrive in registry spelling ("Software\\KESTRA\\VITRAMOR\\DIRECTORI").
// QSettings' native Windows format is rooted at HKEY_CURRENT_USER; the INI
// file is rooted at "Software\\KESTRA" so its groups read VITRAMOR/DIRECTORI.
QString grup(const std::string& cheie, bool ini) {
    QString k = QString::fromStdString(cheie);
    k.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (ini) {
        const QString prefix = QStringLiteral("Software/KESTRA");
        if (k.startsWith(prefix, Qt::CaseInsensitive)) k = k.mid(prefix.size());
    }
    while (k.startsWith(QLatin1Char('/'))) k.remove(0, 1);
    return k;
}

class QtSettingsStore final : public DepozitSetari {
public:
    explicit QtSettingsStore(std::unique_ptr<QSettings> s, bool ini) : s_(std::move(s)), ini_(ini) {}

    bool existaCheie(const std::string& cheie) override {
        s_->sync();
        const QString g = grup(cheie, ini_);
        const int slash = g.lastIndexOf(QLatin1Char('/'));
        s_->beginGroup(slash < 0 ? QString() : g.left(slash));
        const bool exista = s_->childGroups().contains(slash < 0 ? g : g.mid(slash + 1));
        s_->endGroup();
        return exista;
    }

    std::optional<std::string> citesteText(const std::string& cheie, const std::string& valoare) override {
        const QVariant v = s_->value(nume(cheie, valoare));
        if (!v.isValid()) return std::nullopt;
        return v.toString().toStdString();
    }

    bool scrieText(const std::string& cheie, const std::string& valoare, const std::string& text) override {
        s_->setValue(nume(cheie, valoare), QString::fromStdString(text));
        return flush();
    }

    std::optional<std::int32_t> citesteIntreg(const std::string& cheie, const std::string& valoare) override {
        const QVariant v = s_->value(nume(cheie, valoare));
        if (!v.isValid()) return std::nullopt;
        bool ok = false;
        const qlonglong n = v.toLongLong(&ok);
        if (!ok) return std::nullopt;
        return static_cast<std::int32_t>(n);
    }

    bool scrieIntreg(const std::string& cheie, const std::string& valoare, std::int32_t v) override {
        s_->setValue(nume(cheie, valoare), v);
        return flush();
    }

    std::optional<std::vector<std::uint8_t>> citesteBinar(const std::string& cheie,
                                                           const std::string& valoare) override {
        const QVariant v = s_->value(nume(cheie, valoare));
        if (!v.isValid()) return std::nullopt;
        const QByteArray b = v.toByteArray();
        return std::vector<std::uint8_t>(b.begin(), b.end());
    }

    bool scrieBinar(const std::string& cheie, const std::string& valoare,
                    const std::vector<std::uint8_t>& date) override {
        s_->setValue(nume(cheie, valoare),
                     QByteArray(reinterpret_cast<const char*>(date.data()), static_cast<qsizetype>(date.size())));
        return flush();
    }

    bool creazaCheie(const std::string& cheie) override {
        if (existaCheie(cheie)) return true;
        // QSettings has no empty groups; a marker value makes the key exist.
        s_->setValue(grup(cheie, ini_) + QStringLiteral("/.exista"), true);
        return flush();
    }

    std::string textEroare() override {
        switch (s_->status()) {
            case QSettings::AccessError:
                return "Fisierul de setari " + s_->fileName().toStdString() + " nu poate fi citit sau scris";
            case QSettings::FormatError:
                return "Fisierul de setari " + s_->fileName().toStdString() + " nu are formatul asteptat";
            default:
                return {};
        }
    }

private:
    QString nume(const std::string& cheie, const std::string& valoare) const {
        return grup(cheie, ini_) + QLatin1Char('/') + QString::fromStdString(valoare);
    }
    bool flush() {
        s_->sync();
        return s_->status() == QSettings::NoError;
    }

    std::unique_ptr<QSettings> s_;
    bool ini_;
};

}  // namespace

std::string caleFisierSetariImplicit() {
#ifdef Q_OS_WIN
    return {};
#else
    const QByteArray env = qgetenv("VITRAMOR_SETTINGS");
    if (!env.isEmpty()) return env.toStdString();
    QString baza = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (baza.isEmpty()) baza = QDir::homePath() + QStringLiteral("/.config");
    return (baza + QStringLiteral("/KESTRA/KESTRA.ini")).toStdString();
#endif
}

std::unique_ptr<DepozitSetari> creazaSettingsStoreQt(const std::string& fisierIni) {
    std::string cale = fisierIni;
#ifdef Q_OS_WIN
    if (cale.empty()) {
        auto s = std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER"), QSettings::NativeFormat);
        return std::make_unique<QtSettingsStore>(std::move(s), false);
    }
#endif
    if (cale.empty()) cale = caleFisierSetariImplicit();
    QDir().mkpath(QFileInfo(QString::fromStdString(cale)).absolutePath());
    auto s = std::make_unique<QSettings>(QString::fromStdString(cale), QSettings::IniFormat);
    return std::make_unique<QtSettingsStore>(std::move(s), true);
}

}  // namespace vitramor
