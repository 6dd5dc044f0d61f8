#include "shell/TexteButoane.h"

#include <QCoreApplication>
#include <QTranslator>
#include <cstring>

namespace vitramor {

namespace {

// Qt asks for its button texts in the context of the platform theme; the
// mnemonics keep a letter of the Romanian word.
class Traducere final : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* text, const char*, int) const override {
        static constexpr struct {
            const char* qt;
            const char* ro;
        } texte[] = {{"&Yes", "&Da"},         {"&No", "&Nu"},           {"Cancel", "Anuleaza"},
                     {"Yes to &All", "Da la &toate"}, {"N&o to All", "Nu la t&oate"}, {"Close", "Inchide"},
                     {"Help", "Ajutor"},      {"Save", "Salveaza"},     {"Apply", "Aplica"}};
        if (!context || std::strcmp(context, "QPlatformTheme") != 0 || !text) return {};
        for (const auto& t : texte)
            if (std::strcmp(t.qt, text) == 0) return QString::fromLatin1(t.ro);
        return {};
    }
    bool isEmpty() const override { return false; }
};

}  // namespace

void InstaleazaTexteButoane(QCoreApplication& app) { app.installTranslator(new Traducere(&app)); }

}  // namespace vitramor
